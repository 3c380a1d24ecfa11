#include "screens/look/Placement.h"

#include <QColor>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPalette>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

namespace golmok::screens {

namespace {

// Where the game last put a window: a window found elsewhere was dragged by the player.
constexpr const char* kPlacedAt = "golmokPlacedAt";
// The window's KeepInside, once it has one.
constexpr const char* kKeeper = "golmokKeeper";

bool FitsAcross(const QRect& frame, const QRect& area) {
    return frame.left() >= area.left() && frame.right() <= area.right();
}

bool FitsDown(const QRect& frame, const QRect& area) {
    return frame.top() >= area.top() && frame.bottom() <= area.bottom();
}

// A window at `frame` leaves the map's side panel and its status line in sight (either may be
// absent).
bool InSight(const QRect& frame, const QRect& panel, const QRect& status) {
    return (panel.isNull() || !frame.intersects(panel)) &&
           (status.isNull() || !frame.intersects(status));
}

// `frame` moved up off the status line under the map, where it would cover it and there is room
// above it.
QRect AboveStatus(QRect frame, const QRect& status, const QRect& area) {
    if (status.isNull() || !frame.intersects(status)) return frame;
    if (frame.height() <= status.top() - area.top()) frame.moveBottom(status.top() - 1);
    return frame;
}

void MoveFrame(QWidget* window, const QPoint& topLeft) {
    // A window's position is its frame's top-left corner.
    window->move(topLeft);
    window->setProperty(kPlacedAt, topLeft);
}

// Keeps a placed window wholly on its screen when it grows after it was placed (a dialog that
// shows a longer name, a menu refilled for another district), and places it again by its rule
// once the window manager has framed it: a window placed over a full-screen map was measured
// without a title bar, which the map could not lend.
class KeepInside : public QObject {
  public:
    explicit KeepInside(QWidget* window) : QObject(window), window_(window) {}

    // The window's rule, and how much its borders added to its size when it was measured.
    void Remember(std::function<void()> place, QSize borders) {
        place_ = std::move(place);
        placedWith_ = borders;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || !window_->isVisible()) return false;
        // A move while the window stands where the game put it is the window manager framing it:
        // its title bar is known only now (a full-screen map lends none to measure by).
        const bool framed = event->type() == QEvent::Move &&
                            window_->property(kPlacedAt).toPoint() ==
                                window_->frameGeometry().topLeft();
        if (framed && place_ && window_->windowHandle()) {
            const QMargins m = window_->windowHandle()->frameMargins();
            const QSize borders(m.left() + m.right(), m.top() + m.bottom());
            if (borders != placedWith_) {
                placedWith_ = borders;
                const std::function<void()> place = place_;  // placing remembers the rule anew
                place();
                return false;
            }
        }
        if (event->type() == QEvent::Resize || framed) {
            const QRect frame = FrameOf(window_, window_);
            const QRect area = AvailableArea(window_);
            if (!area.contains(frame)) MoveFrame(window_, MovedInside(frame, area).topLeft());
        }
        return false;
    }

  private:
    QWidget* window_;
    std::function<void()> place_;
    QSize placedWith_;
};

// Keeps a title page's middle where it was when it takes another size.
class KeepCentre : public QObject {
  public:
    explicit KeepCentre(QWidget* window) : QObject(window), window_(window) {
        // A screen that changes its size (another resolution, a panel added) centres the page
        // on it again.
        for (QScreen* screen : QGuiApplication::screens())
            Watch(screen);
        connect(qApp, &QGuiApplication::screenAdded, this, &KeepCentre::Watch);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::Resize || !window_->isVisible())
            return false;
        const auto* resize = static_cast<const QResizeEvent*>(event);
        const QSize before = resize->oldSize();
        if (!before.isValid() || before == resize->size()) return false;
        const QRect frame = FrameOf(window_, window_);
        const QPoint shift((before.width() - resize->size().width()) / 2,
                           (before.height() - resize->size().height()) / 2);
        const QRect area = AvailableArea(window_);
        MoveFrame(window_, MovedInside(frame.translated(shift), area).topLeft());
        return false;
    }

  private:
    void Watch(QScreen* screen) {
        connect(screen, &QScreen::availableGeometryChanged, this, [this, screen] {
            if (!window_->isVisible() || window_->screen() != screen) return;
            const QRect area = AvailableArea(window_);
            MoveFrame(window_, CentredOn(FrameOf(window_, window_).size(), area, area).topLeft());
        });
    }

    QWidget* window_;
};

}  // namespace

QRect MovedInside(QRect frame, const QRect& area) {
    // Right and bottom first, so that a frame larger than the area ends with its top-left corner
    // (and its title bar) inside.
    if (frame.right() > area.right()) frame.moveRight(area.right());
    if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
    if (frame.left() < area.left()) frame.moveLeft(area.left());
    if (frame.top() < area.top()) frame.moveTop(area.top());
    return frame;
}

QRect CentredOn(QSize size, const QRect& centre, const QRect& area) {
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(centre.center());
    return MovedInside(frame, area);
}

QRect BesideMap(QSize size, const QRect& map, const QRect& area, const QRect& keepClear,
                const QRect& district, const QRect& status) {
    const QRect right(QPoint(map.right() + 1 + kWindowGap, map.top()), size);
    if (FitsAcross(right, area)) return MovedInside(right, area);
    const QRect left(QPoint(map.left() - kWindowGap - size.width(), map.top()), size);
    if (FitsAcross(left, area)) return MovedInside(left, area);
    if (!district.isNull() && size.width() <= area.width() && size.height() <= area.height()) {
        // Beside its district, in reach of the eye that just chose it, never over it or the panel.
        const QRect around[] = {
            QRect(QPoint(district.right() + 1 + kWindowGap, district.top()), size),
            QRect(QPoint(district.left() - kWindowGap - size.width(), district.top()), size),
            QRect(QPoint(district.left(), district.bottom() + 1 + kWindowGap), size),
            QRect(QPoint(district.left(), district.top() - kWindowGap - size.height()), size),
        };
        for (int k = 0; k < 4; ++k) {
            // Sideways it may slide up or down, never across; up or down it may slide sideways.
            const bool sideways = k < 2;
            if (sideways ? !FitsAcross(around[k], area) : !FitsDown(around[k], area)) continue;
            const QRect moved = AboveStatus(MovedInside(around[k], area), status, area);
            if (!moved.intersects(district) && InSight(moved, keepClear, status)) return moved;
        }
    }
    // No room on either side: over the map, against the edge away from the side panel, or where
    // there is no panel to keep in sight, on the map's freer side, where it hides the fewest
    // districts.
    const int freeRight = area.right() - map.right();
    const int freeLeft = map.left() - area.left();
    // Under the map's menu bar, level with the top of the panel, where there is one.
    QRect over(QPoint(0, keepClear.isNull() ? map.top() : keepClear.top()), size);
    const bool toRight =
        keepClear.isNull() ? freeRight >= freeLeft : keepClear.center().x() < map.center().x();
    if (toRight) {
        over.moveRight(area.right());
    } else {
        over.moveLeft(area.left());
    }
    return MovedInside(over, area);
}

std::pair<QRect, QRect> Apart(const QRect& frame, const QRect& other, const QRect& area) {
    if (!frame.intersects(other) && area.contains(frame)) return {frame, other};
    const QSize size = frame.size();
    const QRect around[] = {
        QRect(QPoint(other.right() + 1 + kWindowGap, other.top()), size),
        QRect(QPoint(other.left() - kWindowGap - size.width(), other.top()), size),
        QRect(QPoint(other.left(), other.bottom() + 1 + kWindowGap), size),
        QRect(QPoint(other.left(), other.top() - kWindowGap - size.height()), size),
    };
    for (const QRect& beside : around) {
        // Moved inside along the edge it shares with `other`, never across it.
        const QRect moved = MovedInside(beside, area);
        if (area.contains(moved) && !moved.intersects(other)) return {moved, other};
    }
    // Side by side, the placed one on the left, both centred in the area.
    const int across = size.width() + kWindowGap + other.width();
    if (across <= area.width() && std::max(size.height(), other.height()) <= area.height()) {
        const int left = area.left() + (area.width() - across) / 2;
        QRect placed(QPoint(left, frame.top()), size);
        QRect moved(QPoint(left + size.width() + kWindowGap, other.top()), other.size());
        return {MovedInside(placed, area), MovedInside(moved, area)};
    }
    // One over the other, the placed one above.
    const int down = size.height() + kWindowGap + other.height();
    if (down <= area.height() && std::max(size.width(), other.width()) <= area.width()) {
        const int top = area.top() + (area.height() - down) / 2;
        QRect placed(QPoint(frame.left(), top), size);
        QRect moved(QPoint(other.left(), top + size.height() + kWindowGap), other.size());
        return {MovedInside(placed, area), MovedInside(moved, area)};
    }
    return {MovedInside(frame, area), other};
}

namespace {

// The places near the menu where a dialog of `size` fits the area, in the order they are tried:
// under the menu, right of it, left of it and, where the side panel is to be kept in sight, above
// it.
std::vector<QRect> PlacesNearMenu(QSize size, const QRect& menu, const QRect& area,
                                  const QRect& keepClear, const QRect& status) {
    const QRect under(QPoint(menu.left(), menu.bottom() + 1 + kWindowGap), size);
    const QRect right(QPoint(menu.right() + 1 + kWindowGap, menu.top()), size);
    const QRect left(QPoint(menu.left() - kWindowGap - size.width(), menu.top()), size);
    const QRect above(QPoint(menu.left(), menu.top() - kWindowGap - size.height()), size);
    std::vector<QRect> fitting;
    if (FitsDown(under, area) && size.width() <= area.width())
        fitting.push_back(MovedInside(under, area));
    if (FitsAcross(right, area) && size.height() <= area.height())
        fitting.push_back(MovedInside(right, area));
    if (FitsAcross(left, area) && size.height() <= area.height())
        fitting.push_back(MovedInside(left, area));
    if (!keepClear.isNull() && FitsDown(above, area) && size.width() <= area.width())
        fitting.push_back(MovedInside(above, area));
    // Off the status line where it can go up without covering the menu.
    for (QRect& frame : fitting) {
        const QRect raised = AboveStatus(frame, status, area);
        if (!raised.intersects(menu)) frame = raised;
    }
    return fitting;
}

}  // namespace

QRect NearMenu(QSize size, const QRect& menu, const QRect& area, const QRect& keepClear,
               const QRect& status) {
    const std::vector<QRect> fitting = PlacesNearMenu(size, menu, area, keepClear, status);
    for (const QRect& frame : fitting) {
        if (InSight(frame, keepClear, status)) return frame;
    }
    if (!fitting.empty()) return fitting.front();
    // Nowhere: over the menu, but off the status line where there is room.
    return AboveStatus(
        MovedInside(QRect(QPoint(menu.left(), menu.bottom() + 1 + kWindowGap), size), area), status,
        area);
}

bool FitsNearMenu(QSize size, const QRect& menu, const QRect& area, const QRect& keepClear,
                  const QRect& status) {
    const std::vector<QRect> fitting = PlacesNearMenu(size, menu, area, keepClear, status);
    return std::any_of(fitting.begin(), fitting.end(), [&](const QRect& frame) {
        return area.contains(frame) && InSight(frame, keepClear, status);
    });
}

QRect AvailableArea(const QWidget* anchor) {
    QScreen* screen = nullptr;
    if (anchor) {
        screen = QGuiApplication::screenAt(anchor->frameGeometry().center());
        if (!screen) screen = anchor->screen();
    }
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect FrameOf(const QWidget* window, const QWidget* framed) {
    // A window manager frames a window some time after it is shown: until then the window
    // borrows the borders of one already framed.
    QMargins borders;
    if (window->isVisible() && window->windowHandle())
        borders = window->windowHandle()->frameMargins();
    if (borders.isNull() && framed && framed->isVisible() && framed->windowHandle())
        borders = framed->windowHandle()->frameMargins();
    return QRect(window->frameGeometry().topLeft(), window->size().grownBy(borders));
}

void Place(QWidget* window, Placing how, const QWidget* anchor, const QWidget* framed,
           const QRect& keepClear, const QRect& district, const QRect& status) {
    // A window laid out by its layout takes its size now, before it is measured.
    if (window->layout()) window->layout()->activate();
    const QRect frame = FrameOf(window, framed);
    const QVariant placedAt = window->property(kPlacedAt);
    if (window->isVisible() && placedAt.isValid() && placedAt.toPoint() != frame.topLeft() &&
        AvailableArea(window).contains(frame)) {
        return;  // dragged by the player, and still wholly on a screen
    }
    const QRect area = AvailableArea(anchor);
    QRect target;
    switch (how) {
        case Placing::BesideMap:
            target = anchor ? BesideMap(frame.size(), FrameOf(anchor, framed), area, keepClear,
                                        district, status)
                            : CentredOn(frame.size(), area, area);
            break;
        case Placing::NearMenu:
            target = anchor
                         ? NearMenu(frame.size(), FrameOf(anchor, framed), area, keepClear, status)
                         : CentredOn(frame.size(), area, area);
            break;
        case Placing::Centred:
            target = CentredOn(frame.size(), area, area);
            break;
    }
    MoveFrame(window, target.topLeft());
    auto* keep = static_cast<KeepInside*>(window->property(kKeeper).value<QObject*>());
    if (!keep) {
        keep = new KeepInside(window);
        window->installEventFilter(keep);
        window->setProperty(kKeeper, QVariant::fromValue<QObject*>(keep));
    }
    const QPointer<const QWidget> anchorKept(anchor);
    const QPointer<const QWidget> framedKept(framed);
    keep->Remember([=] { Place(window, how, anchorKept, framedKept, keepClear, district, status); },
                   frame.size() - window->size());
}

void KeepCentred(QWidget* window) {
    window->installEventFilter(new KeepCentre(window));
}

void DressTitlePage(QWidget* window) {
    QPalette ink = window->palette();
    ink.setColor(QPalette::Window, QColor(0x0e, 0x13, 0x22));
    window->setPalette(ink);
    window->setAutoFillBackground(true);
    KeepCentred(window);
}

void CentrePage(QWidget* window, QWidget* page) {
    page->move((window->width() - page->width()) / 2, (window->height() - page->height()) / 2);
}

void KeepApart(QWidget* window, QWidget* other, const QWidget* framed) {
    const auto [placed, moved] =
        Apart(FrameOf(window, framed), FrameOf(other, framed), AvailableArea(other));
    if (placed.topLeft() != window->frameGeometry().topLeft()) MoveFrame(window, placed.topLeft());
    if (moved.topLeft() != other->frameGeometry().topLeft()) MoveFrame(other, moved.topLeft());
}

}  // namespace golmok::screens
