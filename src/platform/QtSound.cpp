#include "platform/QtSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSound::QtSound(QObject* parent) : QObject(parent) {}

bool QtSound::play(const QString& file, unsigned) {
    if (!QFileInfo(file).isFile())
        return false;
    // A new sound replaces the one still playing.
    if (current_) {
        current_->stop();
        current_->deleteLater();
    }

    auto* effect = new QSoundEffect(this);
    // Each effect deletes itself once it has played or failed to load.
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying() && effect->status() != QSoundEffect::Loading)
            effect->deleteLater();
    });
    connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    effect->play();  // starts as soon as the file is loaded
    current_ = effect;
    return true;
}
