#include "screens/Screen.h"

#include <QBoxLayout>
#include <QCloseEvent>
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

void OpenMenusByF10(QWidget* window, QMenuBar* bar) {
    new QShortcut(QKeySequence(Qt::Key_F10), window, bar, [bar] {
        for (QAction* menu : bar->actions()) {
            if (menu->isEnabled() && menu->menu()) {
                bar->setActiveAction(menu);
                return;
            }
        }
    });
}

}  // namespace golmok::screens
