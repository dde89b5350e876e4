// Arbitrary settings files: reading never crashes, and a write applied to whatever was
// there reads back exactly.
#include <cstdlib>

#include "core/private_profile.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzSetUp();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lt::PrivateProfile profile(bytes);
    for (const char* section : {"DOB", "Name", "Hours", "Hour1", "Money51"}) {
        profile.readString(QString::fromLatin1(section), QStringLiteral("Count"), QString());
        profile.readInteger(QString::fromLatin1(section), QStringLiteral("Count"), 5);
    }
    profile.writeString(QStringLiteral("Hour7"), QStringLiteral("Desc"), QStringLiteral("Walk"));
    const lt::PrivateProfile again(profile.toBytes());
    if (again.readString(QStringLiteral("Hour7"), QStringLiteral("Desc"), QString()) !=
        QStringLiteral("Walk"))
        std::abort();
    return 0;
}
