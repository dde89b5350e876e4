#include "ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initLifetallyResources() { Q_INIT_RESOURCE(lifetally); }

namespace lt {

void loadResources() {
    static const bool loaded = (initLifetallyResources(), true);
    (void)loaded;
}

}  // namespace lt
