// For the programs that link the outputs in (the tests and the tools).
#include "output/linked_outputs.h"

namespace lt {

void useLinkedOutputs() {
    static OutputsImpl linked;
    setLinkedOutputs(&linked);
}

}  // namespace lt
