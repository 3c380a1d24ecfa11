// Where the game's windows open. Every window opens wholly inside the available area of the screen
// that shows the map: the command menu beside the map, its dialogs under or beside the menu, the
// fight screens centred. A window opened again or refilled is placed again by the same rule, but a
// window the player dragged stays where he put it as long as it stays wholly on the screen.
//
// All rectangles here are frames: a window's title bar and borders count, since a title bar above
// the top edge cannot be grabbed and a button under the bottom edge cannot be pressed.
#pragma once

#include <QMargins>
#include <QRect>
#include <utility>

class QWidget;

namespace golmok::screens {

// The room left between a window and the one it opens beside.
constexpr int kWindowGap = 8;

// --- The rules, on plain rectangles -----------------------------------------------------------

// `frame` moved (never resized) so that it lies inside `area`; a frame larger than the area keeps
// its top-left corner inside, so its title bar stays in reach.
QRect MovedInside(QRect frame, const QRect& area);

// A frame of `size` centred on `centre`, moved inside `area`.
QRect CentredOn(QSize size, const QRect& centre, const QRect& area);

// The command menu and the news: right of the map, else left of it, top edges level; where neither
// side has room it lies over the map against the area's edge on the map's freer side. Given the
// map's side panel (`keepClear`: its emblem, date and hints), it lies over the map against the
// edge away from the panel instead, under the map's menu bar, so that the panel and the menus stay
// in sight.
//
// Given the district the menu is for (`district`), where neither side of the map has room it opens
// beside the district instead: right of it, else left of it, top edges level, else under or above
// it, wholly inside the area and clear of the side panel and of `status` (the map's status line);
// only where none of these is clear does it lie against the edge as above.
QRect BesideMap(QSize size, const QRect& map, const QRect& area, const QRect& keepClear = {},
                const QRect& district = {}, const QRect& status = {});

// Two windows that must not overlap (the news and the defence set-up): `frame` where it is if it
// meets neither `other` nor the area's edges, else right of `other`, left of it, under it or above
// it, edges level. Where there is no room around `other`, the two move together, side by side or
// one over the other, centred in the area. Returns the two frames, `frame` first.
std::pair<QRect, QRect> Apart(const QRect& frame, const QRect& other, const QRect& area);

// A dialog: under the menu, else right of it, else left of it, else above it, each moved up off
// `status` (the map's status line) where it can go without covering the menu; where none fits it
// is moved inside from under the menu (and up off the status line). Where one of them fits clear
// of `keepClear` (the map's side panel) and of the status line, the first such one.
QRect NearMenu(QSize size, const QRect& menu, const QRect& area, const QRect& keepClear = {},
               const QRect& status = {});

// Whether a dialog of `size` finds a place near the menu wholly inside `area` and clear of
// `keepClear` and `status`: the test a dialog's scale must pass.
bool FitsNearMenu(QSize size, const QRect& menu, const QRect& area, const QRect& keepClear = {},
                  const QRect& status = {});

// --- Windows ----------------------------------------------------------------------------------

// The available area of the screen that shows `anchor` (the screen under its centre); the primary
// screen's when there is no anchor.
QRect AvailableArea(const QWidget* anchor);

// The frame `window` has, or will have once framed: a window the window manager has not framed yet
// borrows the borders of `framed` (the map), whose decorations are the same.
QRect FrameOf(const QWidget* window, const QWidget* framed);

enum class Placing {
    BesideMap,  // the command menu, beside `anchor` (the map)
    NearMenu,   // a command dialog, near `anchor` (the command menu)
    Centred,    // centred on the screen that shows `anchor`
};

// Places `window` by `how` against `anchor` (which may be null: then the primary screen counts),
// unless the player has dragged it somewhere wholly on the screen. `framed` is a shown window
// whose borders stand for those `window` will get. `keepClear` and `status` (on the screen) are
// the parts of the map that a window beside it, or near the menu, leaves in sight (its side panel
// and its status line); `district` (on the screen) the district the command menu opens beside
// where the map leaves no room. From then on the window keeps itself inside the area when it
// grows.
void Place(QWidget* window, Placing how, const QWidget* anchor, const QWidget* framed,
           const QRect& keepClear = {}, const QRect& district = {}, const QRect& status = {});

// Moves `window`, and `other` if it must, so that the two do not overlap (by `Apart`).
void KeepApart(QWidget* window, QWidget* other, const QWidget* framed);

// A title page keeps its middle where it is when its size changes (the start-up screen takes each
// page's width), on whatever screen it stands, and stays wholly on that screen; when that screen
// changes its size, the page is centred on it again.
void KeepCentred(QWidget* window);

// A title page's window: night ink round its content (where a window manager makes the window
// larger than the page) and its middle kept by KeepCentred.
void DressTitlePage(QWidget* window);

// `page` (the content of a title page, of its own fixed size) in the middle of `window`, however
// large the window is made: a window manager that sizes the window itself leaves the content in
// the middle, never pinned to the top-left corner.
void CentrePage(QWidget* window, QWidget* page);

}  // namespace golmok::screens
