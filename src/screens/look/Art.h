// The game's pictures: SVG drawings compiled into the program, painted at whatever scale the
// screen uses so they stay sharp at 200 %.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace golmok::screens {

// The size of a drawing at 100 %, in pixels.
QSize PictureSize(const QString& name);

// A drawing of the given resource (":/art/ok.svg") painted into a pixmap of `size` logical
// pixels for a screen of `ratio` device pixels a pixel, so it is sharp at any scale.
QPixmap PaintedPixmap(const QString& resource, QSize size, qreal ratio);

// The game's icon at every size a window manager asks for.
QIcon GameIcon();

// A picture control: shows one drawing (by name, "map" for :/art/map.svg) scaled to the control.
// It reports clicks and the mouse passing over it, which is all the picture buttons need.
class Picture : public QWidget {
    Q_OBJECT
  public:
    explicit Picture(const QString& name, QWidget* parent = nullptr);
    const QString& name() const { return name_; }
    // Shows another drawing; the control takes the drawing's size.
    void SetPicture(const QString& name);
    QSize sizeHint() const override { return PictureSize(name_); }

  signals:
    void clicked();
    // The mouse moved over the picture. A window opening under a still pointer is no hover: it
    // would light an entry that a player at the keyboard never chose.
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QString name_;
};

}  // namespace golmok::screens
