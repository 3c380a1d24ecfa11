#include "screens/ChronicleChart.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/Look.h"
#include "screens/Screens.h"

namespace golmok::screens {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 380;
constexpr int kLeft = 44;    // room for the district numbers
constexpr int kRight = 120;  // room for the legend
constexpr int kTop = 16;
constexpr int kBottom = 36;  // room for the years

QColor ToQColor(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace

ChronicleView::ChronicleView(const Chronicle& chronicle, const World& world, QWidget* parent)
    : QWidget(parent), chronicle_(chronicle) {
    setObjectName("ChronicleView");
    for (int g = 0; g < kGroupCount; ++g) {
        names_[g] = QString::fromStdString(world.GroupName[g]);
        colors_[g] = world.GroupColor[g];
    }
    setFixedSize(kWidth, kHeight);
}

void ChronicleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xf6, 0xec, 0xd2));
    const QRect plot(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    // A single week still gets a line's width, so that its standings show as short strokes.
    const double step = plot.width() / static_cast<double>(std::max(weeks - 1, 1));
    const auto x = [&](int i) {
        return plot.left() + (weeks == 1 ? plot.width() / 2.0 : i * step);
    };
    // The scale reaches a little above the most districts any gang held, in fives: the gangs'
    // ups and downs of a few districts stay visible until somebody grows large.
    int most = 0;
    for (const ChronicleWeek& entry : chronicle_.weeks) {
        for (int held : entry.districts)
            most = std::max(most, held);
    }
    const int scaleTop = std::min(kCityCount, std::max(10, (most / 5 + 1) * 5));
    const auto y = [&](int held) {
        return plot.bottom() - held * plot.height() / double(scaleTop);
    };

    // The grid: every five districts, and each new year.
    painter.setPen(QColor(0x2b, 0x21, 0x18));
    QFont small = painter.font();
    small.setPixelSize(11);
    painter.setFont(small);
    for (int held = 0; held <= scaleTop; held += scaleTop > 10 ? 5 : 2) {
        painter.setPen(QPen(QColor(0xc8, 0xb8, 0x90), 1, held == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y(held)), QPointF(plot.right(), y(held)));
        painter.setPen(QColor(0x2b, 0x21, 0x18));
        painter.drawText(QRectF(0, y(held) - 8, kLeft - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(held));
    }
    int lastLabel = -1000;
    for (int i = 0; i < weeks; ++i) {
        const ChronicleWeek& entry = chronicle_.weeks[i];
        if (i != 0 && !(entry.month == 1 && entry.week == 1)) continue;
        if (x(i) - lastLabel < 40) continue;  // years too close together share one label
        lastLabel = static_cast<int>(x(i));
        painter.setPen(QPen(QColor(0xc8, 0xb8, 0x90), 1, Qt::DotLine));
        painter.drawLine(QPointF(x(i), plot.top()), QPointF(x(i), plot.bottom()));
        painter.setPen(QColor(0x2b, 0x21, 0x18));
        painter.drawText(QRectF(x(i) - 30, plot.bottom() + 6, 60, 16), Qt::AlignCenter,
                         QStringLiteral("%1년").arg(entry.year));
    }

    // One line a gang, the player's drawn last and thickest so that it stays on top.
    for (int k = 0; k < kGroupCount; ++k) {
        const int g = (chronicle_.player + 1 + k) % kGroupCount;
        const bool player = g == chronicle_.player;
        QPainterPath path;
        for (int i = 0; i < weeks; ++i) {
            // Gangs holding the same number of districts lie side by side, not on top of one
            // another: each line is shifted by a hair.
            const QPointF point(x(i), y(chronicle_.weeks[i].districts[g]) + (k - 3) * 2.5);
            if (i == 0) {
                path.moveTo(point);
            } else {
                path.lineTo(point);
            }
        }
        if (weeks == 1) path.lineTo(path.currentPosition() + QPointF(1, 0));
        painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), player ? 6 : 4.5, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(path);
        painter.setPen(QPen(ToQColor(colors_[g]), player ? 4 : 2.5, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPath(path);
    }

    // The legend: each gang's colour, name and districts this week.
    QFont legendFont = painter.font();
    legendFont.setPixelSize(12);
    for (int g = 0; g < kGroupCount; ++g) {
        const int top = kTop + g * 24;
        const QRect swatch(width() - kRight + 12, top + 4, 14, 14);
        painter.fillRect(swatch, ToQColor(colors_[g]));
        painter.setPen(QColor(0x2b, 0x21, 0x18));
        painter.drawRect(swatch);
        legendFont.setBold(g == chronicle_.player);
        painter.setFont(legendFont);
        const int held = weeks == 0 ? 0 : chronicle_.weeks.back().districts[g];
        painter.drawText(QRect(swatch.right() + 6, top, kRight - 34, 22), Qt::AlignVCenter,
                         QStringLiteral("%1 %2").arg(names_[g]).arg(held));
    }
}

ChronicleChart::ChronicleChart(Screens& screens) : Screen(screens, "ChronicleChart", "연대기") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ChronicleView(screens_.session().chronicle(), screens_.world(), this));
    AddCloseButton(layout);
    ApplyGameLook(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace golmok::screens
