#include "screens/MainMenu.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "screens/Art.h"
#include "screens/HomePage.h"
#include "screens/Screens.h"

namespace golmok::screens {

namespace {

enum Entry { kNewGame = 0, kLoadGame = 1, kCredits = 2, kQuit = 3 };

}  // namespace

MainMenu::MainMenu(Screens& screens) : Screen(screens, "MainMenu", kGameTitle) {
    // The title menu is hidden, never unloaded, while a game runs; closing it ends the program.
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* background = new Picture("menu_back", this);
    background->setObjectName("Image1");
    setFixedSize(background->size());

    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("menu%1").arg(i);
        button1_[i] = new Picture(name, this);
        button1_[i]->setObjectName("Button1");
        button1_[i]->setProperty("index", i);
        button1_[i]->move(100, 212 + i * 72);
        connect(button1_[i], &Picture::hovered, this, [this, i] { Hover(i); });

        button2_[i] = new Picture(name + "_on", this);
        button2_[i]->setObjectName("Button2");
        button2_[i]->setProperty("index", i);
        button2_[i]->move(button1_[i]->pos());
        button2_[i]->hide();
        connect(button2_[i], &Picture::clicked, this, [this, i] { Choose(i); });
    }

    continue_ = new QPushButton("이어하기", this);
    continue_->setObjectName("Continue");
    QFont big = continue_->font();
    big.setPixelSize(18);
    big.setBold(true);
    continue_->setFont(big);
    continue_->setStyleSheet(
        "QPushButton { background-color: #e8d8b0; color: #2b2118; border: 2px solid #2b2118;"
        " border-radius: 4px; padding: 4px 18px; }"
        "QPushButton:hover { background-color: #fff4d0; }");
    continue_->adjustSize();
    continue_->move(button1_[0]->x() + (button1_[0]->width() - continue_->width()) / 2,
                    button1_[0]->y() - continue_->height() - 14);
    connect(continue_, &QPushButton::clicked, this, [this] { screens_.ContinueGame(); });
    RefreshContinue();

    auto* version = new QLabel("Ver 1.5a", this);
    version->setObjectName("Label1");
    version->setStyleSheet("color: #e8d8b0; background: transparent;");
    version->adjustSize();
    version->move(width() - version->width() - 16, height() - version->height() - 12);

    auto* notice = new QLabel(kHomePageNotice, this);
    notice->setObjectName("Label4");
    notice->setStyleSheet("color: #e8d8b0; background: transparent;");
    notice->setAlignment(Qt::AlignCenter);
    notice->setGeometry(20, 516, width() - 40, 44);

    auto* homePage = new QPushButton(kHomePageCaption, this);
    homePage->setObjectName("Command1");
    homePage->adjustSize();
    homePage->move((width() - homePage->width()) / 2, 564);
    connect(homePage, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    // The keyboard as well as the mouse: Up and Down light the entry above or below, Enter
    // chooses the lit one. Shortcuts, so that they work whichever button holds the focus.
    const auto key = [this](Qt::Key k, auto action) {
        new QShortcut(QKeySequence(k), this, this, action);
    };
    key(Qt::Key_Down, [this] { Hover(lit_ < 0 ? 0 : std::min(lit_ + 1, 3)); });
    key(Qt::Key_Up, [this] { Hover(lit_ < 0 ? 3 : std::max(lit_ - 1, 0)); });
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        key(enter, [this] {
            if (lit_ >= 0) Choose(lit_);
        });
    }
}

void MainMenu::Hover(int i) {
    lit_ = i;
    for (int k = 0; k < 4; ++k) {
        button1_[k]->setVisible(k != i);
        button2_[k]->setVisible(k == i);
    }
}

void MainMenu::Choose(int i) {
    switch (i) {
        case kNewGame:
            screens_.ShowGroupSelectMenu();
            break;
        case kLoadGame:
            screens_.ShowOpenFile();
            break;
        case kCredits:
            screens_.ShowCredit();
            break;
        case kQuit:
            if (screens_.platform().Ask(this, kQuitTitle, kQuitQuestion)) screens_.EndProgram();
            break;
        default:
            break;
    }
}

void MainMenu::RefreshContinue() {
    continue_->setVisible(screens_.session().CanContinue(screens_.slotFolder()));
}

void MainMenu::Unload() {
    screens_.EndProgram();
}

}  // namespace golmok::screens
