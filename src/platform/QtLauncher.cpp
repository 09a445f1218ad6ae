#include "platform/QtLauncher.h"

#include <QProcess>

bool QtLauncher::startProgram(const QString& program) {
    // startDetached runs the program itself (found on the search path), never a shell, and
    // the new program opens its own normal window.
    return QProcess::startDetached(program, {});
}
