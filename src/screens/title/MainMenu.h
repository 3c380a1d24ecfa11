// The title menu: new game, load game, credits, quit. An entry lights up while the mouse is on it.
// Above them 이어하기 resumes the game of the autosave slot, when there is one.
#pragma once

#include <array>

#include "screens/Screen.h"

class QPushButton;

namespace golmok::screens {

class Picture;

class MainMenu : public Screen {
    Q_OBJECT
  public:
    explicit MainMenu(Screens& screens);

    // 이어하기 as an entry of the keys, above the four pictures.
    static constexpr int kContinueEntry = 4;

    // The mouse over entry i: it shows its highlighted look, every other entry its normal one.
    // The same for 이어하기 (kContinueEntry). Only one entry is ever marked: lighting a picture
    // takes the keyboard off 이어하기.
    void Hover(int i);
    // A click on the highlighted entry i (kContinueEntry: 이어하기).
    void Choose(int i);
    // The entry lit now, -1 for none.
    int lit() const { return lit_; }
    // 이어하기 shows only while the autosave slot holds a game that loads.
    void RefreshContinue();

  protected:
    void Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Up and Down: the entry above or below the lit one, 이어하기 first while it shows.
    void Step(int by);
    QWidget* page_;                      // the menu's content, in the middle of the window
    std::array<Picture*, 4> button1_{};  // normal look
    std::array<Picture*, 4> button2_{};  // highlighted look, lying exactly over the normal one
    QPushButton* continue_;              // 이어하기
    QPushButton* homePage_ = nullptr;    // 안내서 보기
    int lit_ = -1;                       // the entry in its highlighted look, -1 for none
};

}  // namespace golmok::screens
