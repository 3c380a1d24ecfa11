#include "screens/chronicle/ChronicleChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "screens/Screens.h"
#include "screens/look/Look.h"
#include "world/ChronicleColumns.h"

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
// Lines holding the same number of districts would hide one another: each gang's line lies this
// many pixels above or below the true place, the seven side by side around it.
double LineOffset(int gang) {
    return (gang - kGroupCount / 2) * 3.0;
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
    // However long the game, the chart keeps no more than a value a pixel column for each gang.
    columns_ = ChronicleColumns(chronicle_, Plot().width());
    // The scale reaches a little above the most districts any gang held, in fives: the gangs'
    // ups and downs of a few districts stay visible until somebody grows large.
    int most = 0;
    for (const ChronicleColumn& column : columns_) {
        for (int held : column.most)
            most = std::max(most, held);
    }
    scaleTop_ = std::min(kCityCount, std::max(10, (most / 5 + 1) * 5));
}

double ChronicleView::ColumnX(int column) const {
    const QRect plot = Plot();
    const int count = static_cast<int>(columns_.size());
    if (count <= 1) return plot.left() + plot.width() / 2.0;
    return plot.left() + column * plot.width() / double(count - 1);
}

QRect ChronicleView::Plot() const {
    return QRect(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
}

double ChronicleView::WeekX(int week) const {
    const auto weeks = static_cast<long long>(chronicle_.weeks.size());
    if (weeks == 0) return ColumnX(0);
    return ColumnX(static_cast<int>(week * static_cast<long long>(columns_.size()) / weeks));
}

int ChronicleView::WeekAt(int x) const {
    const QRect plot = Plot();
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    if (weeks == 0 || x < plot.left() - 4 || x > plot.right() + 4) return -1;
    const int count = static_cast<int>(columns_.size());
    if (count == 1) return columns_.front().lastWeek;
    // The nearest column, and in it the week the line runs through.
    const double step = plot.width() / double(count - 1);
    const int column = std::clamp(static_cast<int>((x - plot.left()) / step + 0.5), 0, count - 1);
    return columns_[static_cast<std::size_t>(column)].lastWeek;
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
        UpdatePointerLine();
        pointed_ = week;
        setToolTip(ValueAt(x));
        UpdatePointerLine();
    }
}

void ChronicleView::leaveEvent(QEvent*) {
    UpdatePointerLine();
    pointed_ = -1;
}

void ChronicleView::UpdatePointerLine() {
    // Only the strip of the line: the chart under it is a kept picture.
    if (pointed_ < 0) return;
    const QRect plot = Plot();
    const int x = static_cast<int>(WeekX(pointed_));
    update(QRect(x - 2, plot.top() - 1, 5, plot.height() + 3));
}

void ChronicleView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (chart_.isNull() || chart_.devicePixelRatio() != ratio ||
        chart_.size() != (QSizeF(size()) * ratio).toSize()) {
        chart_ = QPixmap((QSizeF(size()) * ratio).toSize());
        chart_.setDevicePixelRatio(ratio);
        QPainter chart(&chart_);
        PaintChart(chart);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, chart_);
    // The week under the pointer: a line through it.
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    if (pointed_ >= 0 && pointed_ < weeks) {
        const QRect plot = Plot();
        const double x = WeekX(pointed_);
        painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), 1, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
}

void ChronicleView::PaintChart(QPainter& painter) const {
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xf6, 0xec, 0xd2));
    const QRect plot = Plot();
    const int weeks = static_cast<int>(chronicle_.weeks.size());
    const auto x = [&](int i) { return WeekX(i); };
    const int scaleTop = scaleTop_;
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
    double lastTick = -1000;
    const bool monthsNamed = weeks <= 4 || plot.width() / (weeks / 4.0) >= 4;
    int lastMonth = -1000;
    int lastYear = -1000;
    for (int i = 0; i < weeks; ++i) {
        const ChronicleWeek& entry = chronicle_.weeks[static_cast<std::size_t>(i)];
        const bool monthStarts = i == 0 || entry.month != chronicle_.weeks[i - 1].month;
        if (!monthStarts) continue;
        const bool yearStarts = i == 0 || entry.year != chronicle_.weeks[i - 1].year;
        painter.setPen(QColor(0x2b, 0x21, 0x18));
        // No more ticks than the axis has room for: one every few pixels at most, and the months
        // named only while a month is wide enough to tell which one a tick is.
        if (x(i) - lastTick >= 3) {
            lastTick = x(i);
            painter.drawLine(QPointF(x(i), plot.bottom()), QPointF(x(i), plot.bottom() + 4));
        }
        if (monthsNamed && x(i) - lastMonth >= 22) {
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

    // One line a gang, the player's drawn last and thickest so that it stays on top. The line
    // runs through the week that ends each column; a column whose weeks went up and down shows
    // their reach as a bar from the fewest districts to the most.
    const int count = static_cast<int>(columns_.size());
    struct GangLine {
        int gang;
        bool player;
        QPolygonF line;
        QList<QLineF> segments;  // the line piece by piece
        QList<QLineF> reach;
    };
    std::vector<GangLine> lines;
    for (int k = 0; k < kGroupCount; ++k) {
        GangLine gang;
        gang.gang = (chronicle_.player + 1 + k) % kGroupCount;
        gang.player = gang.gang == chronicle_.player;
        const int g = gang.gang;
        const double offset = LineOffset(g);
        for (int c = 0; c < count; ++c) {
            const ChronicleColumn& column = columns_[static_cast<std::size_t>(c)];
            const ChronicleWeek& last = chronicle_.weeks[static_cast<std::size_t>(column.lastWeek)];
            gang.line << QPointF(ColumnX(c), y(last.districts[g]) + offset);
            if (column.least[g] != column.most[g])
                gang.reach << QLineF(ColumnX(c), y(column.most[g]) + offset, ColumnX(c),
                                     y(column.least[g]) + offset);
        }
        if (count == 1) gang.line << gang.line.back() + QPointF(1, 0);
        // Piece by piece: one stroke of a long zigzag costs the painter far more than its pieces,
        // each a plain bar.
        for (qsizetype i = 1; i < gang.line.size(); ++i)
            gang.segments << QLineF(gang.line[i - 1], gang.line[i]);
        lines.push_back(std::move(gang));
    }
    // The busiest lines under the steadier ones: a gang whose line runs up and down covers a band,
    // and a line lying in that band stays on top of it. The player's line stays on top of all.
    const auto travel = [](const GangLine& gang) {
        double sum = 0;
        for (const QLineF& segment : gang.segments)
            sum += std::abs(segment.dy());
        for (const QLineF& bar : gang.reach)
            sum += std::abs(bar.dy());
        return sum;
    };
    std::stable_sort(lines.begin(), lines.end(), [&](const GangLine& a, const GangLine& b) {
        if (a.player != b.player) return b.player;
        return travel(a) > travel(b);
    });
    // The ink under every line first, then the colours: a line beside another is never covered
    // by the other's ink.
    for (const GangLine& gang : lines) {
        painter.setPen(
            QPen(QColor(0x2b, 0x21, 0x18), gang.player ? 6 : 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLines(gang.segments);
    }
    // The dashes need the line whole, which only a line of few turns can afford: a long game's
    // zigzag is drawn plain, and its markers and its place beside the others tell it apart.
    const bool plain = columns_.size() < chronicle_.weeks.size();
    // The reaches under every line: a gang that went up and down in a column never hides the
    // lines that lie within its reach.
    for (const GangLine& gang : lines) {
        painter.setPen(QPen(GangColor(colors_[gang.gang]), gang.player ? 2.5 : 1.5, Qt::SolidLine,
                            Qt::FlatCap));
        painter.drawLines(gang.reach);
    }
    for (const GangLine& gang : lines) {
        const QColor colour = GangColor(colors_[gang.gang]);
        painter.setPen(QPen(colour, gang.player ? 3.5 : 2.5,
                            plain ? Qt::SolidLine : kDashes[gang.gang],
                            plain ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
        if (plain) {
            painter.drawLines(gang.segments);
        } else {
            painter.drawPolyline(gang.line);
        }
    }
    // Markers at no more than about twenty places, the same for every gang, so that between
    // them lines lying together show whole.
    const int every = std::max(1, count / 20);
    painter.setPen(QPen(QColor(0x2b, 0x21, 0x18), 1));
    for (const GangLine& gang : lines) {
        painter.setBrush(GangColor(colors_[gang.gang]));
        for (int c = 0; c < count; c += every)
            DrawGangMarker(painter, MarkerOf(gang.gang), gang.line[c], 3.5);
    }
    painter.setBrush(Qt::NoBrush);

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
        DrawGangMarker(painter, MarkerOf(g), QPointF(swatch.center()), 3.5);
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
