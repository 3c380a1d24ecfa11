// The game's look for the command menu and its dialogs: the paper, ink, gold and night-blue of the
// map's side panel, in one style sheet, so that a dialog looks like part of the same game as the
// map at any scale.
#pragma once

class QWidget;

namespace golmok::screens {

// Dresses `window` and everything in it in the game's look.
void ApplyGameLook(QWidget* window);

// Repaints `widget` after a property the style sheet reads (the amount bar's `frozen`) changed.
void Restyle(QWidget* widget);

}  // namespace golmok::screens
