#include "screens/Screen.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace golmok::screens {

Screen::Screen(Screens& screens, const char* name, const QString& caption) : screens_(screens) {
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Screen::closeEvent(QCloseEvent* event) {
    Unload();
    emit unloaded();
    event->accept();
}

void Screen::AddCloseButton(QBoxLayout* layout) {
    auto* close = new QPushButton("닫기", this);
    close->setObjectName("Command2");
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    setFocusProxy(close);
    close->setFocus();
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void Screen::CloseByEscAndEnter(QAbstractButton* close) {
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        new QShortcut(QKeySequence(enter), this, this, [this, close] {
            auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
            (focused ? focused : close)->click();
        });
    }
}

namespace {

bool CanOpen(const QAction* action) {
    return action->isEnabled() && action->isVisible() && !action->isSeparator();
}

// Lights the first item of `menu` that may be chosen, whatever lies under the mouse pointer, so
// that Enter chooses the item the player sees lit.
void LightFirstItem(QMenu* menu) {
    for (QAction* item : menu->actions()) {
        if (CanOpen(item)) {
            menu->setActiveAction(item);
            return;
        }
    }
}

// Left and Right along a menu bar that go round at its ends, through items that open no menu
// (the map's 돈올리기) as through menus: Qt's own stop at the first menu, or at an item without a
// menu, where the arrows then move whatever holds the keyboard.
class MenuBarRound : public QObject {
  public:
    MenuBarRound(QWidget* window, QMenuBar* bar) : QObject(bar), window_(window), bar_(bar) {
        bar->installEventFilter(this);
    }

    // The bar lit on `action`: its menu open with the first item lit, or, for an item without a
    // menu, the item lit on the bar, which then holds the keys.
    void Light(QAction* action) {
        // The bar is filled after it is made: its menus are watched from the first F10 on.
        for (QAction* item : bar_->actions()) {
            if (QMenu* menu = item->menu()) menu->installEventFilter(this);
        }
        if (QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) open->hide();
        if (QMenu* menu = action->menu()) {
            bar_->setActiveAction(action);
            LightFirstItem(menu);
            return;
        }
        if (!holding_) back_ = window_->focusWidget();
        holding_ = true;
        bar_->setFocus(Qt::MenuBarFocusReason);
        bar_->setActiveAction(action);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && watched == bar_ && holding_) {
            holding_ = false;
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == bar_) return holding_ && BarKey(key);
        auto* menu = static_cast<QMenu*>(watched);
        if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
        // Right into a submenu stays Qt's.
        if (key == Qt::Key_Right && menu->activeAction() && menu->activeAction()->menu())
            return false;
        Step(menu->menuAction(), key == Qt::Key_Left ? -1 : 1);
        return true;
    }

  private:
    void Step(QAction* from, int way) {
        const QList<QAction*> actions = bar_->actions();
        const int count = static_cast<int>(actions.size());
        const int start = static_cast<int>(actions.indexOf(from));
        for (int k = 1; k <= count; ++k) {
            QAction* next = actions[((start + way * k) % count + count) % count];
            if (CanOpen(next)) {
                Light(next);
                return;
            }
        }
    }

    // The keys while an item without a menu is lit on the bar.
    bool BarKey(int key) {
        QAction* lit = bar_->activeAction();
        switch (key) {
            case Qt::Key_Left:
            case Qt::Key_Right:
                if (lit) Step(lit, key == Qt::Key_Left ? -1 : 1);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                Leave();
                if (lit) lit->trigger();
                return true;
            case Qt::Key_Escape:
                Leave();
                return true;
            default:
                return false;
        }
    }

    // The keyboard goes back where it was before the bar took it.
    void Leave() {
        holding_ = false;
        bar_->setActiveAction(nullptr);
        if (back_) {
            back_->setFocus(Qt::MenuBarFocusReason);
        } else {
            window_->setFocus(Qt::MenuBarFocusReason);
        }
    }

    QWidget* window_;
    QMenuBar* bar_;
    QPointer<QWidget> back_;
    bool holding_ = false;
};

}  // namespace

void OpenMenusByF10(QWidget* window, QMenuBar* bar) {
    auto* round = new MenuBarRound(window, bar);
    new QShortcut(QKeySequence(Qt::Key_F10), window, bar, [bar, round] {
        for (QAction* menu : bar->actions()) {
            if (CanOpen(menu) && menu->menu()) {
                round->Light(menu);
                return;
            }
        }
    });
}

}  // namespace golmok::screens
