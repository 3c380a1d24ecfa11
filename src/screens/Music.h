// The background music: theme.wav beside the program, looping for as long as it is switched on.
// A missing or broken file, or a machine without sound, leaves the game silent and otherwise
// untouched.
#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace golmok::screens {

class Music : public QObject {
    Q_OBJECT
  public:
    // An empty path means no music at all (the screen tests run silent).
    explicit Music(const QString& path, QObject* parent = nullptr);
    void Play();
    void Stop();
    bool playing() const { return playing_; }

  private:
    QSoundEffect* effect_ = nullptr;
    bool playing_ = false;
};

}  // namespace golmok::screens
