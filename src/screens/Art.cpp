#include "screens/Art.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace golmok::screens {

namespace {

// One renderer per drawing for the whole run: parsing an SVG once is enough.
QSvgRenderer& Renderer(const QString& name) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto found = renderers.find(name);
    if (found == renderers.end()) {
        auto renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/art/%1.svg").arg(name));
        found = renderers.insert(name, renderer);
    }
    return **found;
}

}  // namespace

QSize PictureSize(const QString& name) {
    return Renderer(name).defaultSize();
}

Picture::Picture(const QString& name, QWidget* parent) : QWidget(parent), name_(name) {
    setMouseTracking(true);
    resize(PictureSize(name_));
}

void Picture::SetPicture(const QString& name) {
    name_ = name;
    resize(PictureSize(name_));
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Renderer(name_).render(&painter, QRectF(rect()));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

void Picture::mouseMoveEvent(QMouseEvent*) {
    emit hovered();
}

}  // namespace golmok::screens
