#include "platform/Spooler.h"

#include <QLibrary>

#include <cups/cups.h>

// Qt's CUPS engine submits the document at QPainter::end() and ignores the answer. libcups
// keeps the answer to the last request per thread, and every request replaces it. A submission
// ends with the answer to its document: libcups itself counts nothing but successful-ok as done,
// and when it gives up it cancels the job and keeps the error that stopped it.
//
// libcups is the one Qt's CUPS printing has loaded for the job, found when the first job ends:
// linked to the program, it and the dozen libraries behind it would be loaded at every start,
// before the start window could show. Where it cannot be found, Qt did not print through CUPS.
QString spoolerRefusal() {
    using LastError = ipp_status_t (*)();
    using LastErrorString = const char* (*)();
    static QLibrary cups(QStringLiteral("cups"), 2);
    static const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    static const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cups.resolve("cupsLastErrorString"));
    if (!lastError || !lastErrorString || lastError() == IPP_STATUS_OK)
        return QString();
    return QString::fromUtf8(lastErrorString());
}
