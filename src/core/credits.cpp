#include "core/credits.h"

#include <QCoreApplication>

namespace lt {

QString makerName() { return QStringLiteral("Tallyhouse Software"); }

QString makerWebAddress() { return QStringLiteral("https://tallyhouse.example"); }

QString creditLine() {
    //: The credit line of the Intro page, the charts and the report: %1 is the maker's
    //: name, %2 its web address.
    return QCoreApplication::translate("Credits", "Lifetally from %1 - %2")
        .arg(makerName(), makerWebAddress());
}

QString programVersion() { return QStringLiteral(LT_VERSION); }

}  // namespace lt
