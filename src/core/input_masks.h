#pragma once
#include <QString>
#include <QtGlobal>

#include "core/table_description.h"

namespace lt {

// The income field's picture mask: "$250,000", and the most it holds.
QString incomeMask();
constexpr qint64 kMaxIncome = 99999999;
// The amount field's picture mask in the money dialog: money "$1,200.50", a count "1,200".
QString amountMask(AmountKind kind);

}  // namespace lt
