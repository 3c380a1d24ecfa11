// The choice of the gang to lead before a new game.
#pragma once

#include <array>

#include "screens/Screen.h"
#include "world/World.h"

namespace golmok::screens {

class Picture;

class GroupSelectMenu : public Screen {
    Q_OBJECT
  public:
    explicit GroupSelectMenu(Screens& screens);

    // A click on gang i's emblem: the player leads gang i from now on; only its emblem shows the
    // selected look.
    void Choose(int i);
    void Start();  // Command1
    void Back();   // Command2

  protected:
    // The keyboard as well as the mouse: Up and Down choose the gang above or below, Enter starts
    // and Esc goes back.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* page_;  // the emblems and buttons, in the middle of the window
    std::array<Picture*, kGroupCount> groupSelect_{};   // normal look
    std::array<Picture*, kGroupCount> groupSelect2_{};  // selected look, over the normal one
    int chosenRow_ = -1;  // the row of the gang chosen on this screen, -1 before any choice
};

// The gangs from top to bottom on this screen.
inline constexpr std::array<int, kGroupCount> kGroupSelectOrder = {0, 3, 2, 5, 1, 4, 6};

}  // namespace golmok::screens
