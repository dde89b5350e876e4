#pragma once
#include <QString>

namespace lt {

// The maker's credit, shared by the Intro page, the chart footer and the report.
QString makerName();
QString makerWebAddress();
QString creditLine();
// "1.1": the version the about box, --version and the package show.
QString programVersion();

}  // namespace lt
