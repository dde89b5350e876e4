// Date texts as typed or stored: parsing must never crash, and a date it accepts
// must come back unchanged through the short date format.
#include <cstdlib>

#include "core/date_span.h"
#include "core/date_wording.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzSetUp();
    const QString text = fuzzText(data, size);
    const auto d = lt::loc::parseDate(text);
    if (d) {
        if (lt::loc::parseDate(lt::loc::formatDate(*d)) != d) std::abort();
        const lt::DateTime t = lt::toDateTime(*d);
        lt::dateWhenAge(t, lt::toDateTime(QDate(1990, 3, 20)));
        lt::ymd(lt::computedatediff(lt::nowDateTime(), t));
    }
    return 0;
}
