#include "screens/map/MainGame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "game/DistrictOutlook.h"
#include "game/TurnCycle.h"
#include "game/TurnNews.h"
#include "screens/Music.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/look/Accessibility.h"
#include "screens/look/Art.h"
#include "screens/look/Look.h"
#include "screens/map/DistrictBadges.h"
#include "screens/title/HomePage.h"
#include "world/Tables.h"

namespace golmok::screens {

namespace {

constexpr const char* kHint = "조직의 색깔을 가진 지역의 버튼을 클릭하세요.";
// The keys of the district focus, under the hint.
constexpr const char* kKeysHint = "방향키로 지역을 고르고 Enter나 Space로 엽니다.";
// How far the focus rings reach beyond the button, in pixels at 100 %.
constexpr int kMarkMargin = 4;
constexpr int kMapWidth = 680;
constexpr int kSideWidth = 220;
constexpr int kBoardHeight = 520;
// The board shrinks to half its size at most: smaller, the districts' names no longer read.
constexpr double kSmallestScale = 0.5;
// Around the map where the window is wider or taller than the map: the side panel's night blue.
constexpr const char* kLetterbox = "#1b2233";

// `length` pixels at the default size, at `scale`, never less than one pixel.
int ScaledLength(double length, double scale) {
    return std::max(1, int(std::lround(length * scale)));
}

QColor ToQColor(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// How a district's button is marked beside its owner's colour.
struct Marks {
    bool empty = false;       // nobody stands there: a dashed border
    bool ally = false;        // held by a gang allied with the player: a gold border
    bool threatened = false;  // 다음 주 예상: attacked at the next turn end, a red border
};

// White ink reads on a dark gang colour, black on a light one.
const char* InkOn(const QColor& back) {
    return 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue() < 140 ? "white"
                                                                                 : "black";
}

// The borders and corners widen with the map (`scale`).
QString ButtonStyle(Color owner, Marks marks, double scale) {
    const QColor back = ToQColor(owner);
    const auto px = [scale](int length) {
        return QStringLiteral("%1px").arg(ScaledLength(length, scale));
    };
    QString border = px(1) + " solid #2b2118";
    if (marks.ally) border = px(3) + " solid #d4a017";
    if (marks.threatened) border = px(3) + " solid #d01010";
    if (marks.empty) border.replace("solid", "dashed");
    if (marks.empty && !marks.ally && !marks.threatened) border = px(2) + " dashed #2b2118";
    return QStringLiteral(
               "QPushButton { background-color: %1; color: %2; border: %3;"
               " border-radius: %4; padding: 0px; font-weight: bold; }"
               "QPushButton:hover { border: %5 solid #fff4d0; }"
               "QPushButton:disabled { color: #6b6b6b; }")
        .arg(back.name(), InkOn(back), border, px(3), px(2));
}

// A label of the side panel at `base` (at the default size), its type `pixelSize` pixels there.
QLabel* SideLabel(const QString& text, MapBoard* board, QWidget* side, const QRect& base,
                  int pixelSize, bool bold = false) {
    auto* label = new QLabel(text, side);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet("color: #2b2118; background: transparent;");
    board->Keep(label, base, pixelSize);
    return label;
}

}  // namespace

int DistrictToward(int from, int dx, int dy) {
    if (from < 0 || from >= kCityCount) return from;
    const auto centre = [](int c, bool horizontal) {
        const DistrictInfo& d = kDistricts[c];
        return horizontal ? d.left + d.width / 2 : d.top + d.height / 2;
    };
    int best = from;
    long bestScore = 0;
    for (int c = 0; c < kCityCount; ++c) {
        if (c == from) continue;
        const long along = dx != 0 ? dx * (centre(c, true) - centre(from, true))
                                   : dy * (centre(c, false) - centre(from, false));
        const long across =
            dx != 0 ? centre(c, false) - centre(from, false) : centre(c, true) - centre(from, true);
        if (along <= 0) continue;
        const long score = along + 2 * (across < 0 ? -across : across);
        if (best == from || score < bestScore) {
            best = c;
            bestScore = score;
        }
    }
    return best;
}

DistrictFocusMark::DistrictFocusMark(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName("DistrictFocus");
}

void DistrictFocusMark::SetScale(double scale) {
    scale_ = scale;
    update();
}

void DistrictFocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFocusRings(painter, rect(), ScaledLength(2, scale_), 6 * scale_);
}

MapBoard::MapBoard(QWidget* parent) : QWidget(parent) {
    setObjectName("MapBoard");
    // Every pixel is painted by the board or by the pictures on it: nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize MapBoard::sizeHint() const {
    return {kMapWidth + kSideWidth, kBoardHeight};
}

QSize MapBoard::minimumSizeHint() const {
    return sizeHint() * kSmallestScale;
}

void MapBoard::Keep(QWidget* widget, const QRect& base, int pixelSize) {
    kept_.append({widget, base, pixelSize});
    Apply(kept_.last());
}

void MapBoard::PlaceAgain(QWidget* widget) {
    for (const Kept& kept : kept_) {
        if (kept.widget == widget) Apply(kept);
    }
}

QRect MapBoard::Scaled(const QRect& base) const {
    // Edge by edge, so that two controls side by side at the default size stay side by side.
    const auto at = [this](int length) { return int(std::lround(length * scale_)); };
    return QRect(QPoint(at(base.left()), at(base.top())),
                 QPoint(at(base.left() + base.width()) - 1, at(base.top() + base.height()) - 1));
}

QRect MapBoard::shownArea() const {
    QRect shown = Scaled(QRect(0, 0, kMapWidth + kSideWidth, kBoardHeight));
    shown.moveCenter(rect().center());
    return shown;
}

void MapBoard::Apply(const Kept& kept) const {
    QRect place = Scaled(kept.base);
    // The map and the side panel sit in the middle of the board; what lies on them moves with
    // them.
    if (kept.widget->parentWidget() == this) place.translate(shownArea().topLeft());
    kept.widget->setGeometry(place);
    if (kept.pixelSize > 0) {
        QFont font = kept.widget->font();
        font.setPixelSize(ScaledLength(kept.pixelSize, scale_));
        kept.widget->setFont(font);
    }
}

void MapBoard::resizeEvent(QResizeEvent* event) {
    scale_ =
        std::max(kSmallestScale, std::min(double(event->size().width()) / (kMapWidth + kSideWidth),
                                          double(event->size().height()) / kBoardHeight));
    for (const Kept& kept : kept_)
        Apply(kept);
    emit rescaled();
}

void MapBoard::paintEvent(QPaintEvent*) {
    // Only the bands around the map: the map and the side panel paint all of their own area.
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(shownArea()));
    painter.fillRect(rect(), QColor(kLetterbox));
}

QAction* MainGame::AddOption(QMenu* menu, const char* name, const char* caption,
                             bool Options::*option) {
    QAction* action = AddItem(menu, name, caption);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, option](bool on) {
        screens_.world().options.*option = on;
        screens_.StoreSettings();
    });
    return action;
}

QAction* MainGame::AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

MainGame::MainGame(Screens& screens) : Screen(screens, "MainGame", kGameTitle) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenuBar(layout);
    BuildMap(layout);
    BuildSidePanel();
    BuildStatusLine(layout);
    StartOnPlayerDistrict();
    FollowBoardScale();
    new QShortcut(QKeySequence(Qt::Key_F11), this, this, &MainGame::ToggleFullScreen);
    // The window opens at the map's own size, whatever the screen (a window left to its size hint
    // would open at two thirds of a small screen at most).
    layout->activate();
    resize(kMapWidth + kSideWidth, layout->totalHeightForWidth(kMapWidth + kSideWidth));
}

// The menu bar: 턴, 옵션, 기능, 도움말 and 돈올리기, with the shortcuts that work anywhere in the
// window.
void MainGame::BuildMenuBar(QVBoxLayout* layout) {
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    OpenMenusByF10(this, menuBar_);
    QAction* endTurn = BuildTurnMenu();
    BuildOptionMenu();
    const FunctionItems function = BuildFunctionMenu();
    BuildHelpMenu();
    QAction* moneyUp = menuBar_->addAction("돈올리기");
    moneyUp->setObjectName("돈올리기");
    moneyUp->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F6));
    connect(moneyUp, &QAction::triggered, this, &MainGame::MoneyUpClicked);
    // The shortcuts work anywhere in the window, whether or not a menu is open.
    for (QAction* action : {endTurn, function.quit, function.save, function.load, moneyUp}) {
        addAction(action);
        shortcuts_ << action;
    }
}

// 턴: 종료 and the last turn end's news.
QAction* MainGame::BuildTurnMenu() {
    turnMenu_ = menuBar_->addMenu("턴");
    turnMenu_->setObjectName("턴");
    QAction* endTurn = AddItem(turnMenu_, "턴_종료", "종료");
    endTurn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(endTurn, &QAction::triggered, this, &MainGame::EndTurnClicked);
    // The last turn end's news again, whether or not it opens by itself.
    connect(AddItem(turnMenu_, "턴_이번주소식", kNewsTitle), &QAction::triggered, this,
            [this] { screens_.ShowNews(); });

    return endTurn;
}

// 옵션: the fight mode, the music, what the map shows, the autosave and the rules beyond the
// game's own.
void MainGame::BuildOptionMenu() {
    optionMenu_ = menuBar_->addMenu("옵션");
    optionMenu_->setObjectName("옵션");
    QMenu* battle = optionMenu_->addMenu("전투");
    battle->setObjectName("옵션_전투");
    realTime_ = AddItem(battle, "옵션_전투_리얼타임", "리얼타임");
    turnBased_ = AddItem(battle, "옵션_전투_턴", "턴");
    auto* modes = new QActionGroup(this);
    for (QAction* mode : {realTime_, turnBased_}) {
        mode->setCheckable(true);
        modes->addAction(mode);
    }
    connect(realTime_, &QAction::triggered, this, [this] {
        screens_.world().BattleMode = BattleMode::Real;
        screens_.StoreSettings();
    });
    connect(turnBased_, &QAction::triggered, this, [this] {
        screens_.world().BattleMode = BattleMode::Turn;
        screens_.StoreSettings();
    });

    QMenu* musicMenu = optionMenu_->addMenu("음악");
    musicMenu->setObjectName("옵션_음악");
    music_ = AddItem(musicMenu, "옵션_음악_배경음악", "배경음악");
    music_->setCheckable(true);
    connect(music_, &QAction::triggered, this, [this](bool on) {
        screens_.world().options.music = on;
        screens_.StoreSettings();
        if (on) {
            screens_.music().Play();
        } else {
            screens_.music().Stop();
        }
    });

    QMenu* view = optionMenu_->addMenu("보기");
    view->setObjectName("옵션_보기");
    notices_ = AddOption(view, "옵션_보기_알림상자", "알림상자", &Options::notices);
    healthBars_ = AddOption(view, "옵션_보기_체력막대바", "체력막대바", &Options::healthBars);
    news_ = AddOption(view, "옵션_보기_이번주소식", kNewsTitle, &Options::news);
    autosave_ = AddOption(optionMenu_, "옵션_자동저장", "자동저장", &Options::autosave);

    // Rules beyond the game's own, off until the player switches them on.
    optionMenu_->addSeparator();
    truce_ = AddOption(optionMenu_, "옵션_초반휴전", "초반 휴전", &Options::truce);
    strongGangs_ = AddOption(optionMenu_, "옵션_강한조직", "강한 조직", &Options::strongGangs);
    living_ = AddOption(optionMenu_, "옵션_살아있는세계", "살아있는 세계", &Options::living);
    // Only looking, never a rule: it sits apart from the rules.
    optionMenu_->addSeparator();
    preview_ = AddOption(optionMenu_, "옵션_다음주예상", "다음 주 예상", &Options::preview);
    connect(preview_, &QAction::triggered, this, [this] { Refresh(); });
    // 싸움 예상: the fight set-ups tell how the fight would end with 자동 싸움.
    forecast_ = AddOption(optionMenu_, "옵션_싸움예상", "싸움 예상", &Options::forecast);
}

// 기능: 저장하기, 불러오기, 연대기 and 종료하기.
MainGame::FunctionItems MainGame::BuildFunctionMenu() {
    functionMenu_ = menuBar_->addMenu("기능");
    functionMenu_->setObjectName("기능");
    QAction* save = AddItem(functionMenu_, "기능_저장하기", "저장하기");
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* load = AddItem(functionMenu_, "기능_불러오기", "불러오기");
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // The shortcuts reach these even while the frozen menu cannot.
    connect(save, &QAction::triggered, this, [this] {
        if (!screens_.world().MapLocked) screens_.ShowSaveFile();
    });
    connect(load, &QAction::triggered, this, [this] {
        if (!screens_.world().MapLocked) screens_.ShowOpenFile();
    });
    connect(AddItem(functionMenu_, "기능_연대기", "연대기"), &QAction::triggered, this,
            [this] { screens_.ShowChronicle(); });
    QAction* quit = AddItem(functionMenu_, "기능_종료하기", "종료하기");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(quit, &QAction::triggered, this, &MainGame::QuitClicked);
    return {save, load, quit};
}

// 도움말: the help, the game's information and its makers.
void MainGame::BuildHelpMenu() {
    helpMenu_ = menuBar_->addMenu("도움말");
    helpMenu_->setObjectName("도움말");
    connect(AddItem(helpMenu_, "도움말_도움말", "도움말"), &QAction::triggered, this,
            [this] { screens_.ShowHelp(); });
    connect(AddItem(helpMenu_, "도움말_정보", "정보"), &QAction::triggered, this,
            [this] { screens_.ShowInfor(); });
    connect(AddItem(helpMenu_, "도움말_제작팀소개", "제작팀소개"), &QAction::triggered, this,
            [this] { screens_.ShowCredit(); });
}

// The map: the picture of Seoul with a button on every district and its owner's letter, and the
// ring of the keyboard's district focus.
void MainGame::BuildMap(QVBoxLayout* layout) {
    World& world = screens_.world();
    board_ = new MapBoard(this);
    layout->addWidget(board_, 1);

    auto* image1 = new Picture("map", board_);
    board_->Keep(image1, QRect(0, 0, kMapWidth, kBoardHeight));
    image1->setObjectName("Image1");
    image1->setAttribute(Qt::WA_OpaquePaintEvent);
    // The map itself takes the keyboard for its districts; Tab goes on to the side buttons.
    districts_ = image1;
    districts_->setFocusPolicy(Qt::StrongFocus);
    districts_->installEventFilter(this);
    districts_->setMouseTracking(true);
    districts_->setAccessibleName("지역 지도");
    for (int c = 0; c < kCityCount; ++c) {
        const DistrictInfo& d = kDistricts[c];
        auto* button = new QPushButton(QString::fromStdString(world.CityName[c]), image1);
        button->setObjectName("Cmd");
        button->setProperty("index", c);
        board_->Keep(button, QRect(Px(d.left), Px(d.top), Px(d.width), Px(d.height)), 12);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, c] {
            FocusDistrict(c);
            screens_.OpenCommandMenu(c);
        });
        // The pointer over a district tells it at a glance, in its tooltip and the status line.
        button->installEventFilter(this);
        button->setMouseTracking(true);
        cmd_[c] = button;
        // Not by colour alone: the owner's letter on a round badge at the button's top right
        // corner, the owner's shape on another at its top left, and a warning sign at its bottom
        // right when the next turn end would attack it. They let clicks through to the button.
        const int right = Px(d.left + d.width);
        const int bottom = Px(d.top + d.height);
        auto* mark = new OwnerBadge(image1);
        mark->setObjectName("OwnerMark");
        mark->setProperty("index", c);
        QFont markFont = mark->font();
        markFont.setBold(true);
        mark->setFont(markFont);
        board_->Keep(mark, QRect(right - 11, Px(d.top) - 11, 20, 20), 13);
        mark_[c] = mark;
        auto* emblem = new GangEmblem(image1);
        emblem->setObjectName("GangEmblem");
        emblem->setProperty("index", c);
        board_->Keep(emblem, QRect(Px(d.left) - 7, Px(d.top) - 9, 15, 15));
        emblem_[c] = emblem;
        auto* threat = new ThreatSign(image1);
        threat->setProperty("index", c);
        board_->Keep(threat, QRect(right - 9, bottom - 9, 18, 16));
        threat->hide();
        threat_[c] = threat;
    }
    focusMark_ = new DistrictFocusMark(image1);
    focusMark_->hide();

    for (int c = 0; c < kCityCount; ++c) {
        mark_[c]->raise();
        emblem_[c]->raise();
        threat_[c]->raise();
    }
}

// The side panel: the player's emblem, the date, the hints, the notice and the two help buttons.
void MainGame::BuildSidePanel() {
    auto* side = new Picture("side", board_);
    side->setObjectName("SidePanel");
    side->setAttribute(Qt::WA_OpaquePaintEvent);
    side_ = side;
    board_->Keep(side, QRect(kMapWidth, 0, kSideWidth, kBoardHeight));

    groupLogo_ = new Picture("emblem0_on", side);
    groupLogo_->setObjectName("GroupLogo");
    board_->Keep(groupLogo_, QRect(10, 24, 200, 40));

    static constexpr const char* kDateWords[] = {"년", "월", "주"};
    static constexpr int kDateLeft[] = {30, 112, 162};
    for (int i = 0; i < 3; ++i) {
        skill_[i] = SideLabel(QString(), board_, side,
                              QRect(kDateLeft[i], 92, i == 0 ? 52 : 26, 28), 20, true);
        skill_[i]->setObjectName("Skill");
        skill_[i]->setProperty("index", i);
        skill_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SideLabel(kDateWords[i], board_, side, QRect(kDateLeft[i] + (i == 0 ? 54 : 28), 92, 20, 28),
                  16);
    }

    auto* hint = SideLabel(kHint, board_, side, QRect(24, 144, 172, 40), 13);
    hint->setObjectName("Label5");
    hint->setWordWrap(true);
    // Above the lantern of the side picture.
    auto* keysHint = SideLabel(kKeysHint, board_, side, QRect(24, 184, 172, 34), 12);
    keysHint->setObjectName("KeysHint");
    keysHint->setWordWrap(true);

    // Shown over the lantern only while it has something to say, on the panel's own paper, under
    // the keys hint and never over it.
    notice_ = SideLabel(QString(), board_, side, QRect(20, 224, 180, 56), 12, true);
    notice_->setObjectName("Status");
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setStyleSheet("color: #2b2118; background: #eedfb9; border: 1px solid #c8b890;");
    notice_->hide();
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(kNoticeMs);
    connect(noticeTimer_, &QTimer::timeout, this, [this] { ShowStatus({}); });

    auto* notice = SideLabel(kHomePageNotice, board_, side, QRect(24, 300, 172, 76), 12);
    notice->setObjectName("Label4");
    notice->setWordWrap(true);

    auto* homePage = new QPushButton(kHomePageCaption, side);
    homePage->setObjectName("Command1");
    board_->Keep(homePage, QRect(20, 384, 180, 30), QFontInfo(homePage->font()).pixelSize());
    connect(homePage, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    auto* help = new QPushButton("도움말", side);
    help->setObjectName("Command2");
    board_->Keep(help, QRect(20, 424, 180, 30), QFontInfo(help->font()).pixelSize());
    connect(help, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    setTabOrder(districts_, homePage);
    setTabOrder(homePage, help);
}

// The status line under the map, which tells the district under the pointer or the focus.
void MainGame::BuildStatusLine(QVBoxLayout* layout) {
    status_ = new QLabel(this);
    status_->setObjectName("DistrictStatus");
    statusPixelSize_ = QFontInfo(status_->font()).pixelSize();
    status_->setMinimumHeight(24);
    status_->setWordWrap(true);
    status_->setContentsMargins(8, 2, 8, 2);
    status_->setStyleSheet("QLabel { background: #f6ecd2; color: #2b2118; }");
    layout->addWidget(status_);
    ShowDistrict(-1);
    // The keyboard's district focus tells its district as the pointer does.
    connect(this, &MainGame::districtFocused, this, &MainGame::ShowDistrict);
}

void MainGame::StartOnPlayerDistrict() {
    World& world = screens_.world();
    // The district focus starts on the player's first district, and the window's keyboard on it.
    focusedCity_ = 0;
    for (int c = 0; c < kCityCount; ++c) {
        if (world.IsPlayerCity(c)) {
            focusedCity_ = c;
            break;
        }
    }
    setFocusProxy(districts_);
    TellFocusedDistrict();
    districts_->setFocus();
    Refresh();
    PlaceFocusMark();
    ShowDistrict(focusedCity_);
}

void MainGame::FollowBoardScale() {
    // The map follows the window's size: the districts' borders, the owners' letters and the
    // focus rings are drawn again for it.
    connect(board_, &MapBoard::rescaled, this, [this] {
        StyleDistricts();
        focusMark_->SetScale(board_->scale());
        PlaceFocusMark();
        groupLogo_->update();
    });
}

void MainGame::ToggleFullScreen() {
    QWindow* window = windowHandle();
    if (!window) return;
    // The window manager tells the window's states back late, and not always in order: the map
    // keeps what it asked for itself, and the place and size to go back to.
    if (!fullScreen_) {
        fullScreen_ = true;
        fullScreenRetries_ = 0;
        windowed_ = {geometry(), shownStates().testFlag(Qt::WindowMaximized)};
        window->setWindowStates(Qt::WindowFullScreen);
        // Under some window managers the first request is now and then undone while the window
        // is being resized for it: it is made again until the window manager says full screen.
        QTimer::singleShot(kFullScreenRetry, this, &MainGame::InsistOnFullScreen);
        return;
    }
    fullScreen_ = false;
    if (windowed_.maximised) {
        window->setWindowStates(Qt::WindowMaximized);
    } else {
        window->setWindowStates(Qt::WindowNoState);
        setGeometry(windowed_.place);
    }
}

void MainGame::InsistOnFullScreen() {
    QWindow* window = windowHandle();
    if (!fullScreen_ || !window || ++fullScreenRetries_ > kFullScreenRetries) return;
    // Full screen has no frame; a window that still has one was put back by the window manager,
    // whatever the states say.
    const bool shown =
        shownStates().testFlag(Qt::WindowFullScreen) && frameGeometry() == geometry();
    if (!shown) {
        if (shownStates().testFlag(Qt::WindowFullScreen))
            window->setWindowStates(Qt::WindowNoState);
        window->setWindowStates(Qt::WindowFullScreen);
    }
    QTimer::singleShot(kFullScreenRetry, this, &MainGame::InsistOnFullScreen);
}

Qt::WindowStates MainGame::shownStates() const {
    const QWindow* window = windowHandle();
    return window ? window->windowStates() : windowState();
}

bool MainGame::fullScreen() const {
    return fullScreen_;
}

void MainGame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && fullScreen()) {
        ToggleFullScreen();
        return;
    }
    Screen::keyPressEvent(event);
}

void MainGame::resizeEvent(QResizeEvent* event) {
    Screen::resizeEvent(event);
    ScaleStatusLine();
}

void MainGame::ScaleStatusLine() {
    // By the width alone: the line's height then never changes the map's scale in turn.
    const double scale = std::max(1.0, double(width()) / (kMapWidth + kSideWidth));
    QFont font = status_->font();
    font.setPixelSize(ScaledLength(statusPixelSize_, scale));
    status_->setFont(font);
    FitStatusLine();
}

void MainGame::FitStatusLine() {
    // As tall as its words at its width: the layout would otherwise cut the larger type at the
    // bottom. A label is never measured smaller than its least height, so that is let go first:
    // back from full screen the line would otherwise keep the height the larger type needed.
    const double scale = std::max(1.0, double(width()) / (kMapWidth + kSideWidth));
    status_->setMinimumHeight(0);
    const int words = status_->heightForWidth(std::max(1, width()));
    status_->setMinimumHeight(std::max(ScaledLength(24, scale), words));
}

QRect MainGame::sidePanelOnScreen() const {
    return QRect(side_->mapToGlobal(QPoint(0, 0)), side_->size());
}

QRect MainGame::statusLineOnScreen() const {
    return QRect(status_->mapToGlobal(QPoint(0, 0)), status_->size());
}

QRect MainGame::districtOnScreen(int city) const {
    return QRect(cmd_[city]->mapToGlobal(QPoint(0, 0)), cmd_[city]->size());
}

void MainGame::FocusDistrict(int city) {
    if (city < 0 || city >= kCityCount) return;
    const bool moved = city != focusedCity_;
    focusedCity_ = city;
    PlaceFocusMark();
    if (moved) {
        TellFocusedDistrict();
        emit districtFocused(city);
    }
}

void MainGame::TellFocusedDistrict() {
    SetFocusedChild(districts_, cmd_[focusedCity_]);
}

void MainGame::PlaceFocusMark() {
    const QRect button = cmd_[focusedCity_]->geometry();
    const int margin = ScaledLength(kMarkMargin, board_->scale());
    focusMark_->setGeometry(button.adjusted(-margin, -margin, margin, margin));
    // Above the map and the buttons, under the district's own badges, which stay whole.
    focusMark_->stackUnder(mark_[0]);
    focusMark_->setVisible(districts_->hasFocus());
    focusMark_->update();
}

bool MainGame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != districts_) {
        DistrictButtonEvent(watched, event);
        return Screen::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseMove:
            pointerMoved_ = true;
            break;
        case QEvent::FocusIn:
            PlaceFocusMark();
            TellFocusedDistrict();
            break;
        case QEvent::FocusOut:
            PlaceFocusMark();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // The notice has been read: the next key takes it away.
            if (notice_->isVisible()) ShowStatus({});
            if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
            switch (key->key()) {
                case Qt::Key_Left:
                    FocusDistrict(DistrictToward(focusedCity_, -1, 0));
                    return true;
                case Qt::Key_Right:
                    FocusDistrict(DistrictToward(focusedCity_, 1, 0));
                    return true;
                case Qt::Key_Up:
                    FocusDistrict(DistrictToward(focusedCity_, 0, -1));
                    return true;
                case Qt::Key_Down:
                    FocusDistrict(DistrictToward(focusedCity_, 0, 1));
                    return true;
                case Qt::Key_Return:
                case Qt::Key_Enter:
                case Qt::Key_Space:
                    // As a click on the button: nothing while the map is frozen.
                    if (cmd_[focusedCity_]->isEnabled()) cmd_[focusedCity_]->click();
                    return true;
                default:
                    break;
            }
            break;
        }
        default:
            break;
    }
    return Screen::eventFilter(watched, event);
}

void MainGame::ShowStatus(const QString& text) {
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
    if (text.isEmpty()) {
        noticeTimer_->stop();
    } else {
        noticeTimer_->start();
    }
}

QString MainGame::status() const {
    return notice_->text();
}

void MainGame::SkillReset() {
    const World& world = screens_.world();
    skill_[0]->setText(QString::number(world.Year));
    skill_[1]->setText(QString::number(world.Month));
    skill_[2]->setText(QString::number(world.Week));
}

QString MainGame::DistrictText(int city) const {
    const World& world = screens_.world();
    if (!world.options.preview)
        return QString::fromStdString(DistrictStatusText(world, city, nullptr));
    const NextWeekPreview preview = PreviewNextTurnEnd(world);
    return QString::fromStdString(DistrictStatusText(world, city, &preview));
}

void MainGame::ShowDistrict(int city) {
    if (city < 0 || city >= kCityCount) {
        status_->setText(QString::fromUtf8(kHint));
        status_->setProperty("city", -1);
        return;
    }
    status_->setText(DistrictText(city));
    status_->setProperty("city", city);
    FitStatusLine();
}

void MainGame::DistrictButtonEvent(QObject* watched, QEvent* event) {
    const int city = watched->property("index").toInt();
    if (watched->objectName() == "Cmd" && city >= 0 && city < kCityCount) {
        if (event->type() == QEvent::MouseMove && !pointerMoved_) {
            pointerMoved_ = true;
            ShowDistrict(city);
        } else if (event->type() == QEvent::Enter && pointerMoved_) {
            ShowDistrict(city);
        } else if (event->type() == QEvent::Leave && pointerMoved_) {
            ShowDistrict(-1);
        } else if (event->type() == QEvent::ToolTip) {
            // Written when asked for, so that it tells the world as it is now.
            cmd_[city]->setToolTip(DistrictText(city));
        }
    }
}

void MainGame::Refresh() {
    const World& world = screens_.world();
    std::optional<NextWeekPreview> preview;
    if (world.options.preview && screens_.session().running()) preview = PreviewNextTurnEnd(world);
    for (int c = 0; c < kCityCount; ++c) {
        const DistrictGlance glance = GlanceAt(world, c);
        Marks marks;
        marks.empty = glance.empty;
        marks.ally = glance.owner >= 0 && glance.owner != world.PlayerGroupIndex &&
                     world.GroupAlly[glance.owner] == 1;
        marks.threatened = preview && preview->threatened[c];
        cmd_[c]->setProperty("empty", marks.empty);
        cmd_[c]->setProperty("ally", marks.ally);
        cmd_[c]->setProperty("threatened", marks.threatened);
        // The tooltip's words are also what assistive technology says of the district: its
        // name, owner, people and strength.
        const QString glanceText =
            QString::fromStdString(DistrictStatusText(world, c, preview ? &*preview : nullptr));
        cmd_[c]->setToolTip(glanceText);
        cmd_[c]->setAccessibleName(glanceText);
        cmd_[c]->setEnabled(!world.MapLocked);
        // Not by colour alone: the label carries the first letter of its gang (the seven
        // begin with seven different letters).
        const auto owner = world.OwnerOf(c);
        const QString gang = owner ? QString::fromStdString(world.GroupName[*owner]) : QString();
        mark_[c]->setText(gang.left(1));
        mark_[c]->setVisible(!gang.isEmpty());
        mark_[c]->SetColor(GangColor(world.CityOwnerColor[c]));
        emblem_[c]->SetGang(owner ? *owner : -1);
        threat_[c]->setVisible(marks.threatened);
    }
    StyleDistricts();
    const int shown = status_->property("city").toInt();
    if (shown >= 0) ShowDistrict(shown);
    for (QMenu* menu : {turnMenu_, optionMenu_, functionMenu_, helpMenu_}) {
        menu->menuAction()->setEnabled(!world.MapLocked);
    }
    SkillReset();
    // Only a new emblem is drawn again: a turn end leaves it as it was.
    const QString emblem = QStringLiteral("emblem%1_on").arg(world.PlayerGroupIndex);
    if (groupLogo_->name() != emblem) {
        groupLogo_->SetPicture(emblem);
        board_->PlaceAgain(groupLogo_);
    }
    // The check marks show the settings in force. The items act on `triggered`, which only the
    // player fires, so setting the marks here changes nothing else.
    realTime_->setChecked(world.BattleMode == BattleMode::Real);
    turnBased_->setChecked(world.BattleMode != BattleMode::Real);
    music_->setChecked(world.options.music);
    notices_->setChecked(world.options.notices);
    healthBars_->setChecked(world.options.healthBars);
    news_->setChecked(world.options.news);
    autosave_->setChecked(world.options.autosave);
    truce_->setChecked(world.options.truce);
    strongGangs_->setChecked(world.options.strongGangs);
    living_->setChecked(world.options.living);
    preview_->setChecked(world.options.preview);
    forecast_->setChecked(world.options.forecast);
}

void MainGame::StyleDistricts() {
    const World& world = screens_.world();
    const double scale = board_->scale();
    for (int c = 0; c < kCityCount; ++c) {
        Marks marks;
        marks.empty = cmd_[c]->property("empty").toBool();
        marks.ally = cmd_[c]->property("ally").toBool();
        marks.threatened = cmd_[c]->property("threatened").toBool();
        // A style sheet set again costs a restyle of the button even when it says the same: only
        // a changed one is set.
        const QString style = ButtonStyle(world.CityOwnerColor[c], marks, scale);
        if (cmd_[c]->styleSheet() != style) cmd_[c]->setStyleSheet(style);
    }
}

void MainGame::EndTurnClicked() {
    World& world = screens_.world();
    // A frozen map ignores the shortcut as well as the menu.
    if (world.MapLocked || !screens_.session().running()) return;
    // The last week a save can hold: the week stays, and the player is told why.
    if (screens_.session().CalendarEnded()) {
        screens_.platform().Inform(this, QString::fromUtf8(kCalendarEndMessage));
        return;
    }
    const std::vector<std::string> messages = screens_.session().EndTurn(screens_.slotFolder());
    ShowStatus({});
    Refresh();
    // An attack on the player freezes the map: the command menu and its dialogs go before the
    // announcement, so nothing can change the world while the defence is set up.
    if (world.MapLocked) {
        if (GameMenu* menu = screens_.gameMenu()) menu->close();
    }
    for (const std::string& message : messages) {
        screens_.platform().Inform(this, QString::fromStdString(message));
    }
    if (world.DefenceSetupOpen) {
        screens_.DefenceAnnounced();
    } else {
        screens_.TurnEnded();
        screens_.OwnersChanged();
    }
    // The week's news opens last, on top of everything the turn end opened (a message box raises
    // the map above what opened before it): the player reads who did what before he answers an
    // attack. A game that ended with this week has closed the map, and its news with it.
    if (world.options.news && isVisible()) screens_.ShowNews();
}

void MainGame::QuitClicked() {
    if (screens_.world().MapLocked) return;
    if (screens_.platform().Ask(this, kQuitTitle, kQuitQuestion)) screens_.CloseGameForms();
}

void MainGame::MoneyUpClicked() {
    for (const std::string& message : MoneyUp(screens_.world())) {
        screens_.platform().Inform(this, QString::fromStdString(message));
    }
}

void MainGame::CloseWithoutQuestion() {
    closingByGame_ = true;
    close();
    closingByGame_ = false;
}

void MainGame::closeEvent(QCloseEvent* event) {
    // The player closing the window leaves the game as 종료하기 does: after the same question.
    if (!closingByGame_ && screens_.session().running() &&
        screens_.session().ending() == GameEnd::Running &&
        !screens_.platform().Ask(this, kQuitTitle, kQuitQuestion)) {
        event->ignore();
        return;
    }
    Screen::closeEvent(event);
}

void MainGame::Unload() {
    // Closing the map during a game goes back to the title menu (the player has said yes to
    // leaving it); after a victory or a defeat the ending screen has taken over instead.
    // The district's window goes with the map: its commands would act on a game no longer played.
    // 저장하기 saves the game on this map: it goes with it.
    if (SaveFile* save = screens_.saveFile()) save->close();
    // A fight or a defence set-up has no game left to act on.
    screens_.DropFight();
    Session& session = screens_.session();
    if (session.ending() == GameEnd::Running) {
        session.QuitToTitle();
        if (GameMenu* menu = screens_.gameMenu()) menu->close();
        screens_.ShowMainMenu();
    }
}

}  // namespace golmok::screens
