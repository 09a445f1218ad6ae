#pragma once

#include <QString>

// Plays short sound files, like the system's play-sound call.
class Sound {
  public:
    // Flags of a play request.
    static constexpr unsigned Async = 0x1;  // return at once (every play is asynchronous here)

    virtual ~Sound() = default;
    // Starts playing `file`; a new sound replaces the one still playing. A missing file or
    // no audio device is a silent no-op. Returns whether a play was started.
    virtual bool play(const QString& file, unsigned flags) = 0;
};
