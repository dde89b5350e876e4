#pragma once
#include <QString>

namespace lt {

// The maker's credit, shared by the Intro page, the chart footer and the report.
QString makerName();
QString makerWebAddress();
QString creditLine();

}  // namespace lt
