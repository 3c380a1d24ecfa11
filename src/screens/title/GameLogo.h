// The start-up screen: the logo, three title pages one key or click at a time, then the title
// menu. It stays loaded, hidden, for the whole run because it owns the music.
#pragma once

#include "screens/Screen.h"

class QLabel;

namespace golmok::screens {

class Music;
class Picture;

class GameLogo : public Screen {
    Q_OBJECT
  public:
    GameLogo(Screens& screens, const QString& musicPath);

    Music& music() { return *music_; }
    int titlePage() const { return titlePage_; }
    // Shows title page n (0..2): the window takes that page's width, its height stays.
    void TilePrint(int n);
    // One key press or one click on the picture.
    void TitleStep();
    // Whether the first page has been painted on the screen yet.
    bool painted() const { return painted_; }

  signals:
    // The first page is on the screen: sent once, after its first paint is done.
    void firstPainted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void Unload() override;

  private:
    // The page in the middle of the window, the two labels centred near its foot.
    void LayOut();
    Music* music_;
    Picture* image1_;
    QLabel* label1_;
    QLabel* label2_;
    int titlePage_ = 0;
    bool painted_ = false;
};

}  // namespace golmok::screens
