// A row's total from arbitrary cell texts: a total text or the conversion error.
#include <cstdlib>

#include "core/conversion.h"
#include "core/totals.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzSetUp();
    // Five cells separated by newlines.
    const QStringList parts = fuzzText(data, size).split(QLatin1Char('\n'));
    lt::ActivityRow row{parts.value(0), parts.value(1), parts.value(2), parts.value(3),
                        parts.value(4)};
    const lt::DateTime now = lt::nowDateTime();
    try {
        const QString h = lt::hourTotalText(row, 322306, now);
        if (h.isEmpty()) std::abort();
    } catch (const lt::ConversionError&) {
    }
    for (bool money : {true, false}) {
        try {
            const QString m = lt::moneyTotalText(row, money, 50000, now);
            if (m.isEmpty()) std::abort();
            lt::totalCellValue(m);
        } catch (const lt::ConversionError&) {
        }
    }
    return 0;
}
