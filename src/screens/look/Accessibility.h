// What assistive technology (a screen reader, through AT-SPI) is told of the game's windows: each
// window says what kind it is (the map and the screens are frames, the command menu, its dialogs,
// the slots, the set-ups and the news are dialogs), and every list and amount box has a name.
#pragma once

class QWidget;

namespace golmok::screens {

// Teaches Qt's accessibility the roles of the game's windows; once for the program.
void InstallWindowRoles();

// A control that holds the keyboard for several others drawn on it (the map for its districts):
// assistive technology reads `child` as its focused child, and is told that `child` took the
// focus.
void SetFocusedChild(QWidget* holder, QWidget* child);

// Whether `window` is one of the dialogs (as opposed to the frames).
bool IsDialogWindow(const QWidget* window);

// Names every list, amount box, bar and choice box of `window` that has no name yet, by the
// caption beside it (left of it on its line, else above it); where there is none, by what it is.
void NameControls(QWidget* window);

}  // namespace golmok::screens
