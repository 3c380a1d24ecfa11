#include "screens/Music.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace golmok::screens {

Music::Music(const QString& path, QObject* parent) : QObject(parent) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    effect_ = new QSoundEffect(this);
    // The sound effect loops by itself, sample-exact, with no timer of ours polling its position.
    effect_->setLoopCount(QSoundEffect::Infinite);
    effect_->setSource(QUrl::fromLocalFile(path));
}

void Music::Play() {
    playing_ = true;
    if (effect_) effect_->play();
}

void Music::Stop() {
    playing_ = false;
    if (effect_) effect_->stop();
}

}  // namespace golmok::screens
