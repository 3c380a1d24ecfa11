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
    // An empty path means no music at all. The sound system is opened by Load, once the first
    // window is painted, so that looking for a sound device never delays it; until then Play only
    // notes that the music is wanted.
    explicit Music(const QString& path, QObject* parent = nullptr);
    ~Music() override;
    // Opens the sound system and the file, once; later calls do nothing.
    void Load();
    void Play();
    void Stop();
    bool playing() const { return playing_; }
    bool loaded() const { return loaded_; }

  private:

    QString path_;
    QSoundEffect* effect_ = nullptr;
    bool playing_ = false;
    bool loaded_ = false;
};

}  // namespace golmok::screens
