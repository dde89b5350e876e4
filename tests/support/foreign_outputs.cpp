// An outputs library from another version: the program must read its versions and
// refuse it before any of its code runs.
#include <QObject>

#include "ui/outputs.h"

class ForeignOutputs : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LT_OUTPUTS_IID FILE "foreign_outputs.json")
};

#include "foreign_outputs.moc"
