// The game's look for the command menu and its dialogs: the paper, ink, gold and night-blue of the
// map's side panel, in one style sheet, so that a dialog looks like part of the same game as the
// map at any scale.
#pragma once

#include <QColor>
#include <QPointF>
#include <cstdint>

class QPainter;
class QRect;
class QString;
class QWidget;

namespace golmok::screens {

// Dresses `window` and everything in it in the game's look, its type, borders and paddings
// `scale` times their size at 100 %.
void ApplyGameLook(QWidget* window, double scale = 1.0);

// A style sheet with every length in pixels `scale` times as long, never below one pixel (a zero
// stays zero); at 1 the sheet as it is.
QString ScaledSheet(const QString& sheet, double scale);

// A window laid out in fixed pixels, grown `scale` times: its type that many times larger, set by
// the window's own sheet, since a label's sheet that sets its colour again would take an
// inherited font back to the program's. At 1 nothing changes.
void ScaleWindowType(QWidget* window, double scale);

// The keyboard's mark on a control that draws its own: two rings inside `area`, night blue
// outside and lamplight inside, `width` pixels each, so that one of them stands out by at least
// 12.8:1 on paper, on black and on every gang's colour alike.
void PaintFocusRings(QPainter& painter, const QRect& area, int width, double radius);

// A gang's or a district's colour as the world keeps it (0xBBGGRR) for the screen.
inline QColor GangColor(std::uint32_t bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

// Each gang's own shape, told apart without its colour: the map's district emblems and the
// chronicle's markers and legend use the same one for the same gang.
enum class GangMarker { Circle, Square, Diamond, TriangleUp, TriangleDown, Cross, Plus };
GangMarker MarkerOf(int gang);
// The marker of radius `r` centred on `at`, in the painter's pen and brush.
void DrawGangMarker(QPainter& painter, GangMarker marker, QPointF at, double r);

// Repaints `widget` after a property the style sheet reads (the amount bar's `frozen`) changed.
void Restyle(QWidget* widget);

}  // namespace golmok::screens
