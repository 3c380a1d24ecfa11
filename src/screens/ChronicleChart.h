// 연대기: the districts of each gang week by week for the game being played, one line a gang in
// its colour. Opened from 기능 > 연대기; it shows the chronicle as it stands when it opens.
#pragma once

#include "screens/Screen.h"
#include "world/Chronicle.h"

namespace golmok::screens {

// The chart itself: weeks from left to right, 0 to 25 districts from bottom to top.
class ChronicleView : public QWidget {
    Q_OBJECT
  public:
    ChronicleView(const Chronicle& chronicle, const World& world, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Chronicle chronicle_;
    GroupTable<QString> names_;
    GroupTable<Color> colors_;
};

class ChronicleChart : public Screen {
    Q_OBJECT
  public:
    explicit ChronicleChart(Screens& screens);
};

}  // namespace golmok::screens
