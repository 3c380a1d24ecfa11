// The command menu of a district: its two name labels in the owner's colour, the nine figures of
// the district, 확인, and the six menus of commands. One window, refilled for whichever district
// the player clicks last; only 정보 can be used in a district of another gang.
#pragma once

#include <array>

#include "screens/Screen.h"
#include "world/ValueRanges.h"
#include "world/World.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

namespace golmok::screens {

class GameMenu : public Screen {
    Q_OBJECT
  public:
    explicit GameMenu(Screens& screens);
    // Shows the panel as the world holds it and enables the menus for the district.
    void Refresh();

  protected:
    void Unload() override;

  private:
    QMenuBar* menuBar_;
    std::array<QMenu*, 6> menus_{};
    QLabel* cityLabel_;
    QLabel* groupLabel_;
    std::array<QLabel*, kPanelRowCount> rows_{};
};

}  // namespace golmok::screens
