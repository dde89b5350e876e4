#include "core/credits.h"

namespace lt {

QString makerName() { return QStringLiteral("Tallyhouse Software"); }

QString makerWebAddress() { return QStringLiteral("https://tallyhouse.example"); }

QString creditLine() {
    return QStringLiteral("Lifetally from %1 - %2").arg(makerName(), makerWebAddress());
}

QString programVersion() { return QStringLiteral(LT_VERSION); }

}  // namespace lt
