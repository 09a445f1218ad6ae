#include "platform/Spooler.h"

// Qt's engine reports a refused job itself: QPainter::end() or the printer's state tell.
QString spoolerRefusal() {
    return QString();
}
