// The game's pictures: SVG drawings compiled into the program, painted at whatever scale the
// screen uses so they stay sharp at 200 %.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class QTimer;

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
//
// The drawing is rendered once for the control's size and the screen's pixel ratio and kept: a
// paint copies the part it needs. While the control's size keeps changing (a window dragged
// larger) the kept picture is stretched to the new size, and rendered afresh on another thread
// once the size has stood still for a moment, so that neither a drag nor a maximised window
// waits for the drawing.
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
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  public:
    // How long the size must stand still before the drawing is rendered for it, in ms.
    static constexpr int kSettleMs = 150;
    // Whether the kept picture is the drawing rendered for the control's present size and ratio
    // (false while a stretched one stands in for it).
    bool renderedForSize() const;
    // Renders the drawing for the present size now, if it is not already (tests, benchmarks).
    void RenderNow();

  private:
    QPixmap Rendered() const;
    // Renders the drawing for the present size on another thread, shown when it is ready.
    void RenderBehind();

    QString name_;
    QPixmap kept_;            // the drawing as last rendered
    QString keptName_;        // which drawing `kept_` holds
    bool stretched_ = false;  // the size changed since: `kept_` is stretched until it settles
    QTimer* settle_ = nullptr;
    int generation_ = 0;  // the render in flight that may still be shown
};

}  // namespace golmok::screens
