// The outputs as the library the program loads when one is first used.
#include <QObject>

#include "output/linked_outputs.h"

namespace lt {

class OutputsPlugin : public QObject, public OutputsImpl {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LT_OUTPUTS_IID FILE "outputs_plugin.json")
    Q_INTERFACES(lt::Outputs)
};

}  // namespace lt

#include "outputs_plugin.moc"
