#include "screens/look/Look.h"

#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace golmok::screens {

namespace {

// Paper #f3e6c4..#e4d2a4, ink #2b2118, brown #5a4330, gold #d9a441, seal red #b8322a and the night
// blue #1b2233 around the map's side panel. Sizes are in pixels at 100 %; Qt doubles them at 200 %.
// A button's edge stands out from its night-blue face by 7.1:1 (gold); the focused button's edge
// by 14.4:1 (lamplight #fff4d0) and a pixel wider, so the focus is the most visible thing.
constexpr const char* kGameLook = R"(
* {
    font-family: "NanumGothic";
    font-size: 13px;
    color: #2b2118;
}
QWidget[gameLook="true"] {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f3e6c4, stop: 1 #e4d2a4);
    border: 3px solid #1b2233;
}
QMenuBar {
    background: #1b2233;
    border-bottom: 2px solid #d9a441;
    padding: 2px;
}
QMenuBar::item {
    color: #f3e6c4;
    font-family: "NanumMyeongjo";
    font-size: 14px;
    font-weight: bold;
    padding: 3px 9px;
    background: transparent;
}
QMenuBar::item:selected, QMenuBar::item:pressed {
    background: #b8322a;
    border-radius: 3px;
}
QMenuBar::item:disabled {
    color: #6b7180;
}
QMenu {
    background: #f3e6c4;
    border: 2px solid #d9a441;
    padding: 3px;
}
QMenu::item {
    padding: 4px 22px 4px 14px;
    font-size: 13px;
}
QMenu::item:selected {
    background: #b8322a;
    color: #f3e6c4;
}
QMenu::item:disabled {
    color: #9a8f78;
}
QLabel {
    background: transparent;
    border: none;
}
QLabel#Label1, QLabel#Label2 {
    color: #5a4330;
    font-weight: bold;
}
QLabel#Skill, QLabel#LL {
    background: #fffaf0;
    border: 1px solid #d9a441;
    border-radius: 3px;
    padding: 1px 5px;
    min-height: 18px;
}
QLabel#Citylabel, QLabel#GroupLabel {
    font-family: "NanumMyeongjo";
    font-size: 20px;
    font-weight: bold;
    border: 2px solid #1b2233;
    border-radius: 4px;
    padding: 3px;
}
QListWidget {
    background: #fffaf0;
    border: 2px solid #5a4330;
    border-radius: 4px;
    padding: 1px;
    outline: none;
}
QListWidget:focus {
    border-color: #b8322a;
}
QListWidget::item {
    padding: 1px 4px;
}
QListWidget::item:hover {
    background: #f3e6c4;
}
QListWidget::item:selected {
    background: #b8322a;
    color: #fffaf0;
}
QLineEdit {
    background: #fffaf0;
    border: 2px solid #d9a441;
    border-radius: 3px;
    padding: 1px 4px;
    min-height: 18px;
}
QLineEdit:focus {
    border-color: #b8322a;
}
QLineEdit:disabled, QLabel:disabled {
    color: #9a8f78;
}
QProgressBar {
    background: #fffaf0;
    border: 2px solid #d9a441;
    border-radius: 3px;
    text-align: center;
    font-weight: bold;
}
QProgressBar::chunk {
    background: #b8322a;
}
QProgressBar[gauge="true"]::chunk {
    background: #4f7a3a;
}
QProgressBar[frozen="true"] {
    background: #e8e1d0;
    border-color: #5a4330;
    color: #3b2a10;
}
QProgressBar[frozen="true"]::chunk {
    background: #9a8f78;
}
QProgressBar:disabled {
    border-color: #c9bb98;
}
QPushButton {
    background: #1b2233;
    color: #f3e6c4;
    border: 2px solid #d9a441;
    border-radius: 6px;
    padding: 3px 12px;
    font-family: "NanumMyeongjo";
    font-weight: bold;
}
QPushButton:hover {
    background: #2a3552;
}
QPushButton:pressed {
    border-color: #b8322a;
}
QPushButton:focus {
    border: 3px solid #fff4d0;
    padding: 2px 11px;
}
QScrollBar:vertical {
    background: #efe2bf;
    width: 10px;
    margin: 0;
}
QScrollBar::handle:vertical {
    background: #c9a96a;
    border-radius: 4px;
    min-height: 20px;
}
QScrollBar::add-line, QScrollBar::sub-line {
    height: 0;
}
QToolTip {
    background: #fffaf0;
    color: #2b2118;
    border: 1px solid #5a4330;
}
)";

}  // namespace

void ScaleWindowType(QWidget* window, double scale) {
    if (scale == 1.0) return;
    const QFont type = window->font();
    window->setStyleSheet(
        type.pixelSize() > 0
            ? QStringLiteral("* { font-size: %1px; }").arg(std::lround(type.pixelSize() * scale))
            : QStringLiteral("* { font-size: %1pt; }").arg(type.pointSizeF() * scale, 0, 'f', 2));
}

QString ScaledSheet(const QString& sheet, double scale) {
    if (scale == 1.0) return sheet;
    static const QRegularExpression kLength(QStringLiteral("(\\d+)px"));
    QString scaled;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& length : kLength.globalMatch(sheet)) {
        scaled += sheet.mid(from, length.capturedStart() - from);
        const int pixels = length.captured(1).toInt();
        scaled += QStringLiteral("%1px").arg(
            pixels == 0 ? 0 : std::max(1, static_cast<int>(std::lround(pixels * scale))));
        from = length.capturedEnd();
    }
    return scaled + sheet.mid(from);
}

void ApplyGameLook(QWidget* window, double scale) {
    window->setProperty("gameLook", true);
    window->setAttribute(Qt::WA_StyledBackground);
    // Every length of the sheet is in pixels: each grows with the scale.
    window->setStyleSheet(ScaledSheet(QString::fromUtf8(kGameLook), scale));
}

GangMarker MarkerOf(int gang) {
    constexpr GangMarker kMarkers[] = {
        GangMarker::Circle,       GangMarker::Square, GangMarker::Diamond, GangMarker::TriangleUp,
        GangMarker::TriangleDown, GangMarker::Cross,  GangMarker::Plus};
    return kMarkers[((gang % 7) + 7) % 7];
}

void DrawGangMarker(QPainter& painter, GangMarker marker, QPointF at, double r) {
    switch (marker) {
        case GangMarker::Circle:
            painter.drawEllipse(at, r, r);
            break;
        case GangMarker::Square:
            painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
            break;
        case GangMarker::Diamond:
            painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0),
                                           at + QPointF(0, r), at + QPointF(-r, 0)}));
            break;
        case GangMarker::TriangleUp:
            painter.drawPolygon(
                QPolygonF({at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r)}));
            break;
        case GangMarker::TriangleDown:
            painter.drawPolygon(
                QPolygonF({at + QPointF(0, r), at + QPointF(r, -r), at + QPointF(-r, -r)}));
            break;
        case GangMarker::Cross:
            painter.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
            painter.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
            break;
        case GangMarker::Plus:
            painter.drawLine(at + QPointF(-r, 0), at + QPointF(r, 0));
            painter.drawLine(at + QPointF(0, -r), at + QPointF(0, r));
            break;
    }
}

void PaintFocusRings(QPainter& painter, const QRect& area, int width, double radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double half = width / 2.0;
    const QRectF outer = QRectF(area).adjusted(half, half, -half, -half);
    painter.setPen(QPen(QColor("#1b2233"), width));
    painter.drawRoundedRect(outer, radius, radius);
    painter.setPen(QPen(QColor("#fff4d0"), width));
    painter.drawRoundedRect(outer.adjusted(width, width, -width, -width), radius - width,
                            radius - width);
    painter.restore();
}

void Restyle(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

}  // namespace golmok::screens
