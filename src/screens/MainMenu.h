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

    // The mouse over entry i: it shows its highlighted look, every other entry its normal one.
    void Hover(int i);
    // A click on the highlighted entry i.
    void Choose(int i);
    // 이어하기 shows only while the autosave slot holds a game that loads.
    void RefreshContinue();

  protected:
    void Unload() override;

  private:
    std::array<Picture*, 4> button1_{};  // normal look
    std::array<Picture*, 4> button2_{};  // highlighted look, lying exactly over the normal one
    QPushButton* continue_;              // 이어하기
    int lit_ = -1;                       // the entry in its highlighted look, -1 for none
};

}  // namespace golmok::screens
