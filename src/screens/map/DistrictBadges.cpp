#include "screens/map/DistrictBadges.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "screens/look/Look.h"

namespace golmok::screens {

namespace {

const QColor kInk(0x2b, 0x21, 0x18);
const QColor kPaper(0xff, 0xf8, 0xe6);

// The ring's width: one pixel at 100 %, wider as the badge grows.
double RingWidth(const QWidget* widget) {
    return std::max(1.0, widget->width() / 18.0);
}

// The largest circle inside the widget, inside its ring.
QRectF Disc(const QWidget* widget, double ring) {
    const double side = std::min(widget->width(), widget->height()) - ring;
    QRectF disc(0, 0, side, side);
    disc.moveCenter(QRectF(widget->rect()).center());
    return disc;
}

}  // namespace

OwnerBadge::OwnerBadge(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
}

void OwnerBadge::SetColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void OwnerBadge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double ring = RingWidth(this);
    painter.setPen(QPen(kInk, ring));
    painter.setBrush(color_);
    painter.drawEllipse(Disc(this, ring));
    // White ink on a dark gang colour, black on a light one.
    const bool dark = 0.299 * color_.red() + 0.587 * color_.green() + 0.114 * color_.blue() < 140;
    painter.setPen(dark ? Qt::white : Qt::black);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

GangEmblem::GangEmblem(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GangEmblem::SetGang(int gang) {
    setVisible(gang >= 0);
    if (gang == gang_) return;
    gang_ = gang;
    update();
}

void GangEmblem::paintEvent(QPaintEvent*) {
    if (gang_ < 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double ring = RingWidth(this);
    painter.setPen(QPen(kInk, ring));
    painter.setBrush(kPaper);
    const QRectF disc = Disc(this, ring);
    painter.drawEllipse(disc);
    // The shape in solid ink, its lines as thick as a quarter of its size so that they read.
    const double r = disc.width() * 0.27;
    painter.setPen(QPen(kInk, std::max(1.5, r * 0.55), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(kInk);
    DrawGangMarker(painter, MarkerOf(gang_), disc.center(), r);
}

ThreatSign::ThreatSign(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName("ThreatSign");
}

void ThreatSign::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double ring = RingWidth(this) * 1.5;
    const QRectF area = QRectF(rect()).adjusted(ring, ring, -ring, -ring);
    QPainterPath triangle;
    triangle.moveTo(area.center().x(), area.top());
    triangle.lineTo(area.bottomRight());
    triangle.lineTo(area.bottomLeft());
    triangle.closeSubpath();
    painter.setPen(QPen(kInk, ring, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xd8, 0x4a));
    painter.drawPath(triangle);
    // The exclamation mark: a bar and a dot.
    const double x = area.center().x();
    const double h = area.height();
    painter.setPen(QPen(kInk, std::max(1.5, h * 0.14), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x, area.top() + h * 0.38), QPointF(x, area.top() + h * 0.66));
    painter.drawPoint(QPointF(x, area.top() + h * 0.84));
}

}  // namespace golmok::screens
