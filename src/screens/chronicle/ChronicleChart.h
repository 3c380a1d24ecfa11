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

    // The week under the pointer at `x` and what each gang held then, as the chart shows it
    // ("1930년 3월 2주 — 거지파 4, ..."); empty outside the plot.
    QString ValueAt(int x) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The plot's frame and the week nearest to `x` on it (-1 outside).
    QRect Plot() const;
    int WeekAt(int x) const;
    double WeekX(int week) const;

    int pointed_ = -1;  // the week under the pointer, marked on the chart
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
