#include "screens/look/Art.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QSvgRenderer>
#include <QThreadPool>
#include <QTimer>
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
    settle_ = new QTimer(this);
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMs);
    connect(settle_, &QTimer::timeout, this, &Picture::RenderBehind);
}

void Picture::SetPicture(const QString& name) {
    name_ = name;
    resize(PictureSize(name_));
    if (const QString spoken = SpokenName(name_); !spoken.isEmpty()) setAccessibleName(spoken);
    update();
}

namespace {

// The drawing rendered at `size` logical pixels for `ratio`. Safe on any thread: it has a
// renderer of its own and paints into an image.
QImage RenderedImage(const QString& name, QSize size, qreal ratio) {
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace

QPixmap Picture::Rendered() const {
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap((QSizeF(size()) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Renderer(name_).render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    return pixmap;
}

void Picture::RenderBehind() {
    // A large drawing takes a good part of a second at full screen: it is rendered away from the
    // window's thread, and the stretched picture stays until it is ready. A render that comes
    // back for a size or a drawing no longer shown is dropped.
    const int generation = ++generation_;
    const QString name = name_;
    const QSize size = this->size();
    const qreal ratio = devicePixelRatioF();
    QPointer<Picture> self(this);
    QThreadPool::globalInstance()->start([self, generation, name, size, ratio] {
        QImage image = RenderedImage(name, size, ratio);
        // The program may be closing: nobody is left to show it.
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) return;
        QMetaObject::invokeMethod(
            app,
            [self, generation, name, size, ratio, image = std::move(image)] {
                if (!self || self->generation_ != generation || self->name_ != name ||
                    self->size() != size || self->devicePixelRatioF() != ratio)
                    return;
                self->kept_ = QPixmap::fromImage(image);
                self->keptName_ = name;
                self->stretched_ = false;
                self->update();
            },
            Qt::QueuedConnection);
    });
}

bool Picture::renderedForSize() const {
    return !kept_.isNull() && keptName_ == name_ && !stretched_ &&
           kept_.size() == (QSizeF(size()) * devicePixelRatioF()).toSize();
}

void Picture::RenderNow() {
    settle_->stop();
    ++generation_;
    if (renderedForSize()) return;
    kept_ = Rendered();
    keptName_ = name_;
    stretched_ = false;
}

void Picture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A drawing already on the screen is stretched until the size settles; one never shown yet
    // is rendered at its first paint.
    if (kept_.isNull() || keptName_ != name_ || event->size() == event->oldSize()) return;
    stretched_ = true;
    settle_->start();
}

void Picture::paintEvent(QPaintEvent* event) {
    // Another drawing, or another pixel ratio (the window moved to another screen): rendered now.
    if (kept_.isNull() || keptName_ != name_ || (!stretched_ && !renderedForSize())) RenderNow();
    QPainter painter(this);
    if (stretched_) {
        // Only for the moment the size is changing: the fastest stretch will do.
        painter.drawPixmap(rect(), kept_);
        return;
    }
    // Only the part asked for, pixel for pixel.
    const QRect part = event->rect();
    const qreal ratio = kept_.devicePixelRatio();
    painter.drawPixmap(part, kept_,
                       QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

void Picture::mouseMoveEvent(QMouseEvent*) {
    emit hovered();
}

}  // namespace golmok::screens
