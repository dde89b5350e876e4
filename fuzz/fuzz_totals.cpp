// A row read from arbitrary stored texts: its total, total text, CSV fields and span, or
// the conversion error, nothing else.
#include <cstdlib>

#include "core/activity_words.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/totals.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzSetUp();
    // Five texts separated by newlines.
    const QStringList parts = fuzzText(data, size).split(QLatin1Char('\n'));
    const lt::StoredRow texts{parts.value(0), parts.value(1), parts.value(2), parts.value(3),
                              parts.value(4)};
    const lt::DateTime now = lt::nowDateTime();
    for (lt::TableKind kind : {lt::TableKind::Hours, lt::TableKind::Money, lt::TableKind::Freq}) {
        lt::Activity a = lt::readActivity(kind, texts, 1);
        // A row keeps its texts as read.
        if (a.texts != texts) std::abort();
        try {
            a.total = lt::activityTotal(a, kind == lt::TableKind::Hours ? 322306 : 50000, now);
            if (lt::totalText(kind, *a.total).isEmpty()) std::abort();
            lt::csvFields(a, 50000, now);
        } catch (const lt::ConversionError&) {
        }
        for (int c = 0; c < 6; ++c) lt::shownCell(a, c);
        lt::periodListIndex(a);
    }
    return 0;
}
