#pragma once

#include <QObject>
#include <QPointer>
#include <QSoundEffect>

#include "platform/Sound.h"

// Plays each sound with a fresh QSoundEffect: a reused effect can fall silent after a few
// plays, and one that met an error stays in its error state. The file is small, so loading
// it again costs little. Nothing touches the audio system before the first play.
// Qt 6.4's effect closes its stream as soon as it has handed over the last bytes, so about the
// last 0.1 s of a sound is never heard: the shipped chime ends in silence for that
// (tools/make-chime.py).
// Each effect is a child of this object while it lives.
class QtSound final : public QObject, public Sound {
    Q_OBJECT
  public:
    explicit QtSound(QObject* parent = nullptr);
    bool play(const QString& file, unsigned flags) override;

  private:
    QPointer<QSoundEffect> current_;
};
