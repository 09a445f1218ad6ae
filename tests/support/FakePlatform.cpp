#include "support/FakePlatform.h"

#include <QWidget>

void FakePrinter::printForm(QWidget& window) {
    calls << QStringLiteral("form ") + window.objectName();
    if (onForm)
        onForm(window);
}
