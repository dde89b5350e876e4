#pragma once
#include "ui/outputs.h"

namespace lt {

// The program's boxes, dialogs and file writer, as the outputs were handed them.
OutputsHost& host();
void setHost(OutputsHost& host);

}  // namespace lt
