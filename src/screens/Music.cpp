#include "screens/Music.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace golmok::screens {

Music::Music(const QString& path, QObject* parent) : QObject(parent), path_(path) {}

Music::~Music() {
    // Qt's sample cache deadlocks at program exit when a sample is still being read, so a game
    // that quits in its first moments lets the reading finish first. It takes milliseconds.
    if (effect_ && effect_->status() == QSoundEffect::Loading) {
        QEventLoop loop;
        connect(effect_, &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void Music::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (path_.isEmpty() || !QFileInfo(path_).isFile()) return;
    effect_ = new QSoundEffect(this);
    // The sound effect loops by itself, sample-exact, with no timer of ours polling its position.
    effect_->setLoopCount(QSoundEffect::Infinite);
    effect_->setSource(QUrl::fromLocalFile(path_));
    if (playing_) effect_->play();
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
