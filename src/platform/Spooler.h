#pragma once

#include <QString>

// Why the print system refused the job that a Qt printer has just ended on this thread, where
// Qt's print engine does not say so itself; empty when the job was taken (or where the engine
// reports a refusal through QPrinter, as on Windows). Built for the system the program runs on:
// SpoolerCups.cpp on Linux, SpoolerQt.cpp elsewhere.
QString spoolerRefusal();
