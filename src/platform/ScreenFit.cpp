#include "platform/ScreenFit.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

double fitToScreen(QSize window, QSize frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || window.isEmpty())
        return 1.0;
    const QSize area = screen->availableGeometry().size();
    const double fit = std::min(double(area.width() - frame.width()) / window.width(),
                                double(area.height() - frame.height()) / window.height());
    // In steps of a twentieth, down: a few scales, each drawn alike every time.
    const double factor = std::floor(fit * 20.0) / 20.0;
    if (fit >= 1.0 || factor <= 0.0)
        return 1.0;
    // Qt's global factor is the one QT_SCALE_FACTOR sets: the user's stays in it.
    bool given = false;
    const double user = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    QHighDpiScaling::setGlobalFactor((given && user > 0 ? user : 1.0) * factor);
    return factor;
}
