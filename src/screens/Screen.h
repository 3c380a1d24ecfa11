// What every screen of the game shares: it belongs to the screen hub, and closing its window
// unloads it (the hub forgets it, and the next opening builds it afresh from the world).
#pragma once

#include <QWidget>

class QAbstractButton;
class QBoxLayout;
class QMenuBar;

namespace golmok::screens {

class Screens;

class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Screens& screens, const char* name, const QString& caption);

  signals:
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The screen's own Unload handler, run when its window closes.
    virtual void Unload() {}
    // A 닫기 button at the right end of `layout` that closes the window; it takes the focus, so
    // Enter closes the window as Esc does.
    void AddCloseButton(QBoxLayout* layout);
    // Esc closes the window, and so does Enter, unless the focus is on another button, which
    // Enter then presses. `close` is the window's 닫기 or 확인.
    void CloseByEscAndEnter(QAbstractButton* close);

    Screens& screens_;
};

// F10 opens the first menu of `bar` that may be opened, as in most desktop programs, with its first
// item lit; the arrow keys then go through the menus and their items, Enter chooses and Esc closes.
void OpenMenusByF10(QWidget* window, QMenuBar* bar);

// Position and size in twips (1/1440 inch) as pixels at 100 %: 15 twips a pixel.
constexpr int Px(int twips) {
    return twips / 15;
}

}  // namespace golmok::screens
