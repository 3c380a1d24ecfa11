// The title menu: new game, load game, credits, quit. An entry lights up while the mouse is on it.
#pragma once

#include <array>

#include "screens/Screen.h"

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

  protected:
    void Unload() override;

  private:
    std::array<Picture*, 4> button1_{};  // normal look
    std::array<Picture*, 4> button2_{};  // highlighted look, lying exactly over the normal one
};

}  // namespace golmok::screens
