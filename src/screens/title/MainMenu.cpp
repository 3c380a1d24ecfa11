#include "screens/title/MainMenu.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <vector>

#include "screens/Screens.h"
#include "screens/look/Art.h"
#include "screens/look/Look.h"
#include "screens/look/Placement.h"
#include "screens/title/HomePage.h"

namespace golmok::screens {

namespace {

enum Entry { kNewGame = 0, kLoadGame = 1, kCredits = 2, kQuit = 3 };

}  // namespace

MainMenu::MainMenu(Screens& screens) : Screen(screens, "MainMenu", kGameTitle) {
    // The title menu is hidden, never unloaded, while a game runs; closing it ends the program.
    setAttribute(Qt::WA_DeleteOnClose, false);

    // Everything lies on one page of the background's size, kept in the middle of the window.
    page_ = new QWidget(this);
    auto* background = new Picture("menu_back", page_);
    background->setObjectName("Image1");
    page_->resize(background->size());
    setFixedSize(background->size());
    DressTitlePage(this);

    for (int i = 0; i < 4; ++i) {
        const QString name = QStringLiteral("menu%1").arg(i);
        button1_[i] = new Picture(name, page_);
        button1_[i]->setObjectName("Button1");
        button1_[i]->setProperty("index", i);
        button1_[i]->move(100, 212 + i * 72);
        connect(button1_[i], &Picture::hovered, this, [this, i] { Hover(i); });

        button2_[i] = new Picture(name + "_on", page_);
        button2_[i]->setObjectName("Button2");
        button2_[i]->setProperty("index", i);
        button2_[i]->move(button1_[i]->pos());
        button2_[i]->hide();
        connect(button2_[i], &Picture::clicked, this, [this, i] { Choose(i); });
    }

    continue_ = new QPushButton("이어하기", page_);
    continue_->setObjectName("Continue");
    QFont big = continue_->font();
    big.setPixelSize(18);
    big.setBold(true);
    continue_->setFont(big);
    continue_->setStyleSheet(
        "QPushButton { background-color: #e8d8b0; color: #2b2118; border: 2px solid #2b2118;"
        " border-radius: 4px; padding: 4px 18px; }"
        "QPushButton:hover, QPushButton[lit=\"true\"] { background-color: #fff4d0;"
        " border: 3px solid #b8322a; }");
    continue_->installEventFilter(this);
    continue_->adjustSize();
    continue_->move(button1_[0]->x() + (button1_[0]->width() - continue_->width()) / 2,
                    button1_[0]->y() - continue_->height() - 14);
    connect(continue_, &QPushButton::clicked, this, [this] { screens_.ContinueGame(); });
    RefreshContinue();

    auto* version = new QLabel("Ver 1.5a", page_);
    version->setObjectName("Label1");
    version->setStyleSheet("color: #e8d8b0; background: transparent;");
    version->adjustSize();
    version->move(page_->width() - version->width() - 16, page_->height() - version->height() - 12);

    auto* notice = new QLabel(kHomePageNotice, page_);
    notice->setObjectName("Label4");
    notice->setStyleSheet("color: #e8d8b0; background: transparent;");
    notice->setAlignment(Qt::AlignCenter);
    notice->setGeometry(20, 516, page_->width() - 40, 44);

    homePage_ = new QPushButton(kHomePageCaption, page_);
    QPushButton* homePage = homePage_;
    homePage->setObjectName("Command1");
    homePage->adjustSize();
    homePage->move((page_->width() - homePage->width()) / 2, 564);
    homePage->installEventFilter(this);
    connect(homePage, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    // The keyboard as well as the mouse: Up and Down light the entry above or below, Enter
    // chooses the lit one (or presses the focused home-page button). Shortcuts, so that they work
    // whichever button holds the focus.
    const auto key = [this](Qt::Key k, auto action) {
        new QShortcut(QKeySequence(k), this, this, action);
    };
    key(Qt::Key_Down, [this] { Step(1); });
    key(Qt::Key_Up, [this] { Step(-1); });
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        key(enter, [this] {
            if (homePage_->hasFocus()) {
                homePage_->click();
            } else if (lit_ >= 0) {
                Choose(lit_);
            }
        });
    }
    // The window itself holds the keyboard when it opens: nothing is marked until the player
    // lights an entry.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
}

void MainMenu::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    CentrePage(this, page_);
}

void MainMenu::Step(int by) {
    std::vector<int> order;
    if (continue_->isVisibleTo(this)) order.push_back(kContinueEntry);
    for (int i = 0; i < 4; ++i)
        order.push_back(i);
    const auto at = std::find(order.begin(), order.end(), lit_);
    const int count = static_cast<int>(order.size());
    int next = 0;
    if (at == order.end()) {
        next = by > 0 ? 0 : count - 1;
    } else {
        next = std::clamp(static_cast<int>(at - order.begin()) + by, 0, count - 1);
    }
    Hover(order[static_cast<std::size_t>(next)]);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event) {
    // Tab onto 이어하기 lights it, Tab onto 안내서 보기 puts every entry out: the focus and the
    // light never mark two things at once.
    if (event->type() == QEvent::FocusIn) {
        if (watched == continue_ && lit_ != kContinueEntry) Hover(kContinueEntry);
        if (watched == homePage_ && lit_ != -1) Hover(-1);
    }
    return Screen::eventFilter(watched, event);
}

void MainMenu::Hover(int i) {
    lit_ = i;
    for (int k = 0; k < 4; ++k) {
        button1_[k]->setVisible(k != i);
        button2_[k]->setVisible(k == i);
    }
    const bool continueLit = i == kContinueEntry;
    if (continue_->property("lit").toBool() != continueLit) {
        continue_->setProperty("lit", continueLit);
        Restyle(continue_);
    }
    // The keyboard goes with the light: onto 이어하기, or off both buttons when a picture (or
    // nothing) is lit, so that no second thing shows marked.
    if (continueLit) {
        if (!continue_->hasFocus()) continue_->setFocus();
    } else if (i >= 0 && (continue_->hasFocus() || homePage_->hasFocus())) {
        setFocus();
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
        case kContinueEntry:
            if (continue_->isVisibleTo(this)) screens_.ContinueGame();
            break;
        default:
            break;
    }
}

void MainMenu::RefreshContinue() {
    continue_->setVisible(screens_.session().CanContinue(screens_.slotFolder()));
    if (!continue_->isVisibleTo(this) && lit_ == kContinueEntry) Hover(-1);
}

void MainMenu::Unload() {
    screens_.EndProgram();
}

}  // namespace golmok::screens
