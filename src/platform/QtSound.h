#pragma once

#include <QObject>
#include <QPointer>

#include "platform/Sound.h"

#include <QSoundEffect>

// Plays each sound with a fresh QSoundEffect: a reused effect can fall silent after a few
// plays, and one that met an error stays in its error state. The file is small, so loading
// it again costs little. Nothing touches the audio system before the first play.
class QtSound final : public QObject, public Sound {
    Q_OBJECT
  public:
    explicit QtSound(QObject* parent = nullptr);
    bool play(const QString& file, unsigned flags) override;

    // The effect of the latest play while it lives (for diagnostics and tests).
    QSoundEffect* lastEffect() const { return current_; }

  private:
    QPointer<QSoundEffect> current_;
};
