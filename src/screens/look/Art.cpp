#include "screens/look/Art.h"

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

// What a drawing that serves as a button says to assistive technology: the words drawn on it.
QString SpokenName(const QString& name) {
    static const QHash<QString, QString> names = {
        {"ok", "확인"},
        {"cancel", "취소"},
        {"menu0", "새 게임"},
        {"menu1", "불러오기"},
        {"menu2", "제작팀소개"},
        {"menu3", "끝내기"},
        {"logo", "골목패권기: 누르면 넘어갑니다"},
        {"victory1", "승리: 누르면 넘어갑니다"},
        {"victory2", "승리: 누르면 넘어갑니다"},
        {"defeat", "패배: 누르면 넘어갑니다"},
    };
    QString plain = name;
    if (plain.endsWith(QStringLiteral("_on"))) plain.chop(3);
    return names.value(plain);
}

}  // namespace

QPixmap PaintedPixmap(const QString& resource, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon GameIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(PaintedPixmap(QStringLiteral(":/icon/golmok.svg"), QSize(side, side), 1));
    return icon;
}

QSize PictureSize(const QString& name) {
    return Renderer(name).defaultSize();
}

Picture::Picture(const QString& name, QWidget* parent) : QWidget(parent), name_(name) {
    setMouseTracking(true);
    resize(PictureSize(name_));
    setAccessibleName(SpokenName(name_));
}

void Picture::SetPicture(const QString& name) {
    name_ = name;
    resize(PictureSize(name_));
    if (const QString spoken = SpokenName(name_); !spoken.isEmpty()) setAccessibleName(spoken);
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
