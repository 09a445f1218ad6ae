#include "platform/WebSound.h"

#include <QFile>

#include <emscripten.h>

// The page's side: one audio context for the program, each sound decoded once and kept by name.
// The context is made and resumed inside the call, that is inside the pupil's gesture.
// clang-format off
EM_JS(void, drill_play_sound, (const char* name, const unsigned char* data, int size), {
    if (!globalThis.AudioContext)
        return;
    const audio = Module.drillAudio || (Module.drillAudio = {context: new AudioContext(), sounds: {}});
    if (audio.context.state === 'suspended')
        audio.context.resume();
    const start = function(buffer) {
        if (audio.playing) {
            try {
                audio.playing.stop();
            } catch (e) {
            }
        }
        const source = audio.context.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.context.destination);
        source.start();
        audio.playing = source;
    };
    const key = UTF8ToString(name);
    if (audio.sounds[key]) {
        start(audio.sounds[key]);
        return;
    }
    const bytes = HEAPU8.slice(data, data + size);
    audio.context.decodeAudioData(bytes.buffer).then(function(buffer) {
        audio.sounds[key] = buffer;
        start(buffer);
    }, function() {});
});
// clang-format on

bool WebSound::play(const QString& file, unsigned) {
    QFile sound(file);
    if (!sound.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = sound.readAll();
    drill_play_sound(file.toUtf8().constData(),
                     reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()));
    return true;
}
