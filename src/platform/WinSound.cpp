#include "platform/WinSound.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

bool WinSound::play(const QString& file, unsigned) {
    // PlaySound would answer a missing file with the system's default sound: the pupil would
    // hear a chime for a wrong reason. Say nothing instead.
    const QFileInfo info(file);
    if (!info.isFile())
        return false;
    const QString native = QDir::toNativeSeparators(info.absoluteFilePath());
    return PlaySoundW(reinterpret_cast<const wchar_t*>(native.utf16()), nullptr,
                      SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}
