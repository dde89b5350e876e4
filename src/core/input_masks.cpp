#include "core/input_masks.h"

namespace lt {

QString incomeMask() { return QStringLiteral("$###,###,###"); }

QString amountMask(AmountKind kind) {
    return kind == AmountKind::Money ? QStringLiteral("$###,###.##") : QStringLiteral("###,###");
}

}  // namespace lt
