// The figures of the district last clicked on the map, shown until the command menu window with
// its six menus takes this place.
#pragma once

#include <array>

#include "screens/Screen.h"
#include "world/World.h"

class QLabel;

namespace golmok::screens {

class DistrictPanel : public Screen {
    Q_OBJECT
  public:
    explicit DistrictPanel(Screens& screens);
    void Refresh();

  protected:
    void Unload() override;

  private:
    QLabel* cityLabel_;
    QLabel* groupLabel_;
    std::array<QLabel*, kPanelRowCount> rows_{};
};

}  // namespace golmok::screens
