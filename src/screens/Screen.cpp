#include "screens/Screen.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
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

void OpenMenusByF10(QWidget* window, QMenuBar* bar) {
    new QShortcut(QKeySequence(Qt::Key_F10), window, bar, [bar] {
        for (QAction* menu : bar->actions()) {
            if (menu->isEnabled() && menu->menu()) {
                bar->setActiveAction(menu);
                // The first item is lit at once, whatever lies under the mouse pointer, so that
                // Enter chooses the item the player sees lit.
                for (QAction* item : menu->menu()->actions()) {
                    if (item->isEnabled() && !item->isSeparator() && item->isVisible()) {
                        menu->menu()->setActiveAction(item);
                        break;
                    }
                }
                return;
            }
        }
    });
}

}  // namespace golmok::screens
