#include "screens/chronicle/ChronicleChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>

#include "screens/Screens.h"
#include "screens/look/Look.h"

namespace golmok::screens {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 380;
constexpr int kLeft = 44;    // room for the district numbers
constexpr int kRight = 120;  // room for the legend
constexpr int kTop = 16;
constexpr int kBottom = 36;  // room for the years

// Gangs holding the same number of districts share a line's place: each gang's line has a dash
// pattern and a marker of its own, so lines lying on one another stay told apart.
constexpr Qt::PenStyle kDashes[kGroupCount] = {Qt::SolidLine,     Qt::DashLine,  Qt::DotLine,
                                               Qt::DashDotLine,   Qt::SolidLine, Qt::DashLine,
                                               Qt::DashDotDotLine};
enum class Marker { Circle, Square, Diamond, TriangleUp, TriangleDown, Cross, Plus };
constexpr Marker kMarkers[kGroupCount] = {Marker::Circle,     Marker::Square,       Marker::Diamond,
                                          Marker::TriangleUp, Marker::TriangleDown, Marker::Cross,
                                          Marker::Plus};

void DrawMarker(QPainter& painter, Marker marker, QPointF at, double r) {
    switch (marker) {
        case Marker::Circle:
            painter.drawEllipse(at, r, r);
            break;
        case Marker::Square:
            painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
            break;
        case Marker::Diamond:
            painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0),
                                           at + QPointF(0, r), at + QPointF(-r, 0)}));
            break;
        case Marker::TriangleUp:
            painter.drawPolygon(
                QPolygonF({at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r)}));
            break;
        case Marker::TriangleDown:
            painter.drawPolygon(
                QPolygonF({at + QPointF(0, r), at + QPointF(r, -r), at + QPointF(-r, -r)}));
            break;
        case Marker::Cross:
            painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
            break;
        case Marker::Plus:
            painter.drawLine(at + QPointF(-r, 0), at + QPointF(r, 0));
            painter.drawLine(at + QPointF(0, -r), at + QPointF(0, r));
            break;
    }
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
    setMouseTracking(true);
}

QRect ChronicleView::Plot() const {
    return QRect(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

double ChronicleView::WeekX(int week) const {
    const QRect plot = Plot();
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    if (weeks <= 1) return plot.left() + plot.width() / 2.0;
    return plot.left() + week * plot.width() / double(weeks - 1);
}

int ChronicleView::WeekAt(int x) const {
    const QRect plot = Plot();
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    if (weeks == 0 || x < plot.left() - 4 || x > plot.right() + 4) return -1;
    if (weeks == 1) return 0;
    const double step = plot.width() / double(weeks - 1);
    return std::clamp(static_cast<int>((x - plot.left()) / step + 0.5), 0, weeks - 1);
}

QString ChronicleView::ValueAt(int x) const {
    const int i = WeekAt(x);
    if (i < 0) return {};
    const ChronicleWeek& entry = chronicle_.weeks[static_cast<std::size_t>(i)];
    QStringList held;
    for (int g = 0; g < kGroupCount; ++g)
        held << QStringLiteral("%1 %2").arg(names_[g]).arg(entry.districts[g]);
    return QStringLiteral("%1년 %2월 %3주 — ").arg(entry.year).arg(entry.month).arg(entry.week) +
           held.join(", ");
}

void ChronicleView::mouseMoveEvent(QMouseEvent* event) {
    const int x = static_cast<int>(event->position().x());
    const int week = WeekAt(x);
    if (week != pointed_) {
        pointed_ = week;
        setToolTip(ValueAt(x));
        update();
    }
}

void ChronicleView::leaveEvent(QEvent*) {
    pointed_ = -1;
    update();
}

void ChronicleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xf6, 0xec, 0xd2));
    const QRect plot = Plot();
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    const auto x = [&](int i) { return WeekX(i); };
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
    // The time axis: a tick at each month's first week, its number under it where there is room,
    // and the year under each January and under the first week shown.
    int lastMonth = -1000;
    int lastYear = -1000;
    for (int i = 0; i < weeks; ++i) {
        const ChronicleWeek& entry = chronicle_.weeks[static_cast<std::size_t>(i)];
        const bool monthStarts = i == 0 || entry.month != chronicle_.weeks[i - 1].month;
        if (!monthStarts) continue;
        const bool yearStarts = i == 0 || entry.year != chronicle_.weeks[i - 1].year;
        painter.setPen(QColor(0x2b, 0x21, 0x18));
        painter.drawLine(QPointF(x(i), plot.bottom()), QPointF(x(i), plot.bottom() + 4));
        if (x(i) - lastMonth >= 22) {
            lastMonth = static_cast<int>(x(i));
            painter.drawText(QRectF(x(i) - 11, plot.bottom() + 4, 22, 14), Qt::AlignCenter,
                             QStringLiteral("%1월").arg(entry.month));
        }
        if (yearStarts && x(i) - lastYear >= 44) {
            lastYear = static_cast<int>(x(i));
            painter.setPen(QPen(QColor(0xc8, 0xb8, 0x90), 1, Qt::DotLine));
            painter.drawLine(QPointF(x(i), plot.top()), QPointF(x(i), plot.bottom()));
            painter.setPen(QColor(0x2b, 0x21, 0x18));
            painter.drawText(QRectF(x(i) - 30, plot.bottom() + 18, 60, 14), Qt::AlignCenter,
                             QStringLiteral("%1년").arg(entry.year));
        }
    }

    // One line a gang, the player's drawn last and thickest so that it stays on top.
    for (int k = 0; k < kGroupCount; ++k) {
        const int g = (chronicle_.player + 1 + k) % kGroupCount;
        const bool player = g == chronicle_.player;
        QPainterPath path;
        for (int i = 0; i < weeks; ++i) {
            // Every line at its true value; the dashes and markers tell shared places apart.
            const QPointF point(x(i), y(chronicle_.weeks[i].districts[g]));
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
        painter.setPen(
            QPen(GangColor(colors_[g]), player ? 4 : 2.5, kDashes[g], Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(path);
        // Markers at no more than about thirty weeks, so a long game stays readable.
        const int every = std::max(1, weeks / 30);
        painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), 1));
        painter.setBrush(GangColor(colors_[g]));
        for (int i = 0; i < weeks; i += every)
            DrawMarker(painter, kMarkers[g], QPointF(x(i), y(chronicle_.weeks[i].districts[g])),
                       3.5);
        painter.setBrush(Qt::NoBrush);
    }

    // The week under the pointer: a line through it and the figures above the plot.
    if (pointed_ >= 0 && pointed_ < weeks) {
        painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), 1, Qt::DashLine));
        painter.drawLine(QPointF(x(pointed_), plot.top()), QPointF(x(pointed_), plot.bottom()));
    }

    // The legend: each gang's colour, name and districts this week.
    QFont legendFont = painter.font();
    legendFont.setPixelSize(12);
    for (int g = 0; g < kGroupCount; ++g) {
        const int top = kTop + g * 24;
        const QRect swatch(width() - kRight + 6, top + 4, 20, 14);
        painter.setPen(QPen(GangColor(colors_[g]), 2.5, kDashes[g], Qt::FlatCap));
        painter.drawLine(QPointF(swatch.left(), swatch.center().y()),
                         QPointF(swatch.right(), swatch.center().y()));
        painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), 1));
        painter.setBrush(GangColor(colors_[g]));
        DrawMarker(painter, kMarkers[g], QPointF(swatch.center()), 3.5);
        painter.setBrush(Qt::NoBrush);
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
