#pragma once
#include <QTranslator>

namespace lt::test {

// Every text about 40 % longer, with accented letters, as a longer language would make
// it; access keys, %1 and %n placeholders, entities and HTML tags are kept as they are.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override;
    static QString lengthen(const QString& text);
};

}  // namespace lt::test
