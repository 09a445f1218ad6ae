#include "support/FakePlatform.h"

#include <QWidget>

FakePlatform::FakePlatform() {
    printer.nomeFinestra = [](QWidget& finestra) { return finestra.objectName(); };
}
