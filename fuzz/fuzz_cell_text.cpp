// Cell texts from a hand-edited settings file: the readers either convert or throw
// the conversion error, nothing else.
#include "core/cell_text.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzSetUp();
    const QString text = fuzzText(data, size);
    try {
        lt::hoursOf(text);
    } catch (const lt::ConversionError&) {
    }
    try {
        lt::minutesOf(text);
    } catch (const lt::ConversionError&) {
    }
    for (int n = -1; n < 5; ++n) lt::nthWord(text, n);
    lt::numberChars(text);
    // An amount as the file's recorded formats read it, with grouping of threes and twos.
    for (const QLocale& l :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::India)})
        lt::loc::readAmountIn(text, l, lt::loc::currencyOf(l), 2);
    return 0;
}
