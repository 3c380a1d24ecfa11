#include "screens/title/GameLogo.h"

#include <QLabel>
#include <QTimer>

#include "screens/Music.h"
#include "screens/Screens.h"
#include "screens/look/Art.h"
#include "screens/look/Placement.h"
#include "screens/title/MainMenu.h"

namespace golmok::screens {

namespace {

constexpr const char* kPressAnyKey = "Press Any Key...";
const char* const kTitlePages[] = {"title1", "title2", "title3"};

QLabel* PressAnyKey(QWidget* parent, const char* name) {
    auto* label = new QLabel(kPressAnyKey, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(18);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: white; background: transparent;");
    label->adjustSize();
    return label;
}

}  // namespace

GameLogo::GameLogo(Screens& screens, const QString& musicPath)
    : Screen(screens, "GameLogo", kGameTitle) {
    // This screen lives for the whole run; closing it ends the program instead.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);

    // Start-up, in order: the first page, painted; then the music and the title menu, laid out
    // and hidden (Screens::Start). The world itself was built before any window, so a missing
    // record file stops the program before it shows anything.
    music_ = new Music(musicPath, this);
    if (screens_.world().options.music) music_->Play();
    connect(this, &GameLogo::firstPainted, music_, &Music::Load);

    image1_ = new Picture("logo", this);
    image1_->setObjectName("Image1");
    connect(image1_, &Picture::clicked, this, &GameLogo::TitleStep);
    // Label2 lies just under Label1: white on white at first, a shadow once the pages begin.
    label2_ = PressAnyKey(this, "Label2");
    label1_ = PressAnyKey(this, "Label1");
    setFixedSize(image1_->size());
    // Each page takes its own width about the middle of the window, not from its left edge.
    DressTitlePage(this);
    titlePage_ = 1;
}

void GameLogo::paintEvent(QPaintEvent* event) {
    Screen::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    // The pictures are children painted in the same pass: the page is whole once it is over.
    QTimer::singleShot(0, this, &GameLogo::firstPainted);
}

void GameLogo::hideEvent(QHideEvent* event) {
    Screen::hideEvent(event);
    // Hidden before it was ever painted (a measurement that goes straight to the map): the music
    // is loaded now, so that 배경음악 still plays.
    if (!painted_) music_->Load();
}

void GameLogo::resizeEvent(QResizeEvent*) {
    LayOut();
}

void GameLogo::LayOut() {
    CentrePage(this, image1_);
    const QRect page = image1_->geometry();
    const int x = page.left() + (page.width() - label1_->width()) / 2;
    const int y = page.bottom() + 1 - label1_->height() - 24;
    label1_->move(x, y);
    label2_->move(x + 2, y + 2);
}

void GameLogo::TilePrint(int n) {
    image1_->SetPicture(kTitlePages[n]);
    setFixedSize(image1_->width(), height());
    // The same width as before lays nothing out again; the new picture still goes in the middle.
    LayOut();
}

void GameLogo::TitleStep() {
    label2_->setStyleSheet("color: black; background: transparent;");
    switch (titlePage_) {
        case 1:
        case 2:
        case 3:
            TilePrint(titlePage_ - 1);
            break;
        case 4:
            screens_.ShowMainMenu();
            hide();
            break;
        default:
            break;
    }
    ++titlePage_;
}

void GameLogo::keyPressEvent(QKeyEvent*) {
    TitleStep();
}

void GameLogo::Unload() {
    screens_.EndProgram();
}

}  // namespace golmok::screens
