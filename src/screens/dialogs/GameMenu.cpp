#include "screens/dialogs/GameMenu.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "commands/CommandMenu.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/DomesticDialogs.h"
#include "screens/dialogs/TradeDialogs.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Art.h"
#include "screens/look/Look.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"

namespace golmok::screens {

namespace {

constexpr std::array<const char*, kPanelRowCount> kRowCaptions = {
    "인      구 :", "상      업 :", "     돈     :", "조폭인원 :",  "각      목 :",
    "진      검 :", "조직원수 :",   "사 시  미 :",   "명      성 :"};

// The plain names of the figures, as the change notices use them.
constexpr std::array<const char*, kPanelRowCount> kRowTags = {
    "인구", "상업", "돈", "조폭인원", "각목", "진검", "조직원수", "사시미", "명성"};

constexpr std::array<const char*, kPanelRowCount> kRowTips = {"이 구역에 사는 사람의 수",
                                                              "이 구역의 상업 수준",
                                                              "이 구역이 가진 돈",
                                                              "이 구역에 있는 사람의 수",
                                                              "이 구역에 있는 각목의 수",
                                                              "이 구역에 있는 진검의 수",
                                                              "이 구역 사람들이 거느린 조직원의 수",
                                                              "이 구역에 있는 사시미의 수",
                                                              "조직의 명성"};

struct MenuInfo {
    Menu menu;
    const char* name;  // the control name and the caption are the same word
};
constexpr std::array<MenuInfo, 6> kMenus = {{{Menu::Action, "행동"},
                                             {Menu::Personnel, "인사"},
                                             {Menu::Diplomacy, "외교"},
                                             {Menu::Info, "정보"},
                                             {Menu::Trade, "거래"},
                                             {Menu::City, "도시"}}};

template <class T>
CommandDialog* Make(Screens& screens) {
    return new T(screens);
}

struct Item {
    Menu menu;
    const char* name;                  // the item's control name
    const char* caption;               // the item's caption
    const char* dialog;                // the dialog it opens
    CommandDialog* (*make)(Screens&);  // null: 맞짱, whose set-up is not a command dialog
};

// In menu order; the items have no shortcut keys.
const Item kItems[] = {
    // 맞짱 opens the fight set-up, a screen of its own rather than a command dialog.
    {Menu::Action, "행동_싸움", "맞짱", "Attack", nullptr},
    {Menu::Action, "행동_이동", "이동", "MoveCity", Make<MoveCity>},
    {Menu::Action, "행동_수송", "수송", "Transport", Make<Transport>},
    {Menu::Action, "행동_조직원모집", "조직원 스카웃", "StaffScout", Make<StaffScout>},
    {Menu::Action, "행동_훈련", "훈련", "Train", Make<Train>},
    {Menu::Action, "행동_재편성", "재편성", "Reset", Make<Reset>},
    {Menu::Action, "행동_치료", "치료", "Heal", Make<Heal>},
    {Menu::Personnel, "인사_행동대장모집", "행동대장 스카웃", "Scout", Make<Scout>},
    {Menu::Personnel, "인사_포상", "포상", "Prize", Make<Prize>},
    {Menu::Personnel, "인사_해고", "해고", "Dismiss", Make<Dismiss>},
    {Menu::Diplomacy, "외교_동맹", "동맹", "AllyOk", Make<AllyOk>},
    {Menu::Diplomacy, "외교_원조", "원조", "AllyHelp", Make<AllyHelp>},
    {Menu::Diplomacy, "외교_동맹취소", "동맹취소", "AllyCancel", Make<AllyCancel>},
    {Menu::Info, "정보_인물정보", "인물정보", "HumanInfo", Make<HumanInfo>},
    {Menu::Info, "정보_조직정보", "조직정보", "GroupInfo", Make<GroupInfo>},
    {Menu::Trade, "거래_무기매입", "무기매입", "ArmsBuy", Make<ArmsBuy>},
    {Menu::Trade, "거래_무기매출", "무기매출", "ArmsSell", Make<ArmsSell>},
    {Menu::City, "도시_상업개발", "상업개발", "Trade", Make<Trade>},
    {Menu::City, "도시_돈걷기", "돈걷기", "GiveMeMoney", Make<GiveMeMoney>},
};

QString Background(Color color) {
    const QColor back(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const bool dark = 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue() < 140;
    return QStringLiteral("background-color: %1; color: %2;")
        .arg(back.name(), dark ? "white" : "black");
}

}  // namespace

GameMenu::GameMenu(Screens& screens) : Screen(screens, "GameMenu", kGameTitle) {
    ApplyGameLook(this);
    auto* grid = new QGridLayout(this);
    menuBar_ = new QMenuBar(this);
    grid->setMenuBar(menuBar_);
    OpenMenusByF10(this, menuBar_);
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        menus_[m] = menuBar_->addMenu(QString::fromUtf8(kMenus[m].name));
        menus_[m]->setObjectName(QString::fromUtf8(kMenus[m].name));
    }
    for (const Item& item : kItems) {
        QAction* action =
            menus_[static_cast<std::size_t>(item.menu)]->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        if (!item.make) {
            connect(action, &QAction::triggered, this, [this] { screens_.ShowAttack(); });
            continue;
        }
        const Item* chosen = &item;
        connect(action, &QAction::triggered, this, [this, chosen] {
            screens_.OpenDialog(QString::fromUtf8(chosen->dialog),
                                [this, chosen] { return chosen->make(screens_); });
        });
    }

    cityLabel_ = new QLabel(this);
    cityLabel_->setObjectName("Citylabel");
    groupLabel_ = new QLabel(this);
    groupLabel_->setObjectName("GroupLabel");
    for (QLabel* label : {cityLabel_, groupLabel_}) {
        QFont font = label->font();
        font.setPixelSize(20);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
    }
    grid->addWidget(cityLabel_, 0, 0, 1, 2);
    grid->addWidget(groupLabel_, 1, 0, 1, 2);
    // Rows 0, 1, 2 and 8 on the left under the two names; 5, 7, 4, 3 and 6 on the right, top to
    // bottom.
    constexpr int kLeft[] = {0, 1, 2, 8};
    constexpr int kRight[] = {5, 7, 4, 3, 6};
    auto place = [&](int k, int line, int column) {
        auto* caption = new QLabel(kRowCaptions[k], this);
        caption->setObjectName("Label1");
        caption->setProperty("index", k);
        caption->setProperty("tag", QString::fromUtf8(kRowTags[k]));
        rows_[k] = new QLabel(this);
        rows_[k]->setObjectName("LL");
        rows_[k]->setProperty("index", k);
        rows_[k]->setMinimumWidth(90);
        rows_[k]->setFrameShape(QFrame::StyledPanel);
        for (QLabel* label : {caption, rows_[k]})
            label->setToolTip(QString::fromUtf8(kRowTips[k]));
        grid->addWidget(caption, line, column);
        grid->addWidget(rows_[k], line, column + 1);
    };
    for (int i = 0; i < 4; ++i)
        place(kLeft[i], i + 2, 0);
    for (int i = 0; i < 5; ++i)
        place(kRight[i], i, 2);
    auto* ok = new PictureButton("ok", "Command1", this);
    grid->addWidget(ok, 6, 0, 1, 4, Qt::AlignCenter);
    connect(ok, &QAbstractButton::clicked, this, &QWidget::close);
    // 확인 holds the keyboard, so Enter closes the menu; Esc closes it too.
    setFocusProxy(ok);
    ok->setFocus();
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // The map's shortcuts (Ctrl+T and the others) work while this window holds the keyboard.
    if (MainGame* map = screens_.map()) addActions(map->shortcuts());
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void GameMenu::Refresh() {
    const World& world = screens_.world();
    const MenuState& menu = screens_.menu();
    const Panel& panel = menu.panel;
    cityLabel_->setText(QString::fromStdString(panel.cityLabel));
    groupLabel_->setText(QString::fromStdString(panel.groupLabel));
    cityLabel_->setStyleSheet(Background(panel.labelColor));
    groupLabel_->setStyleSheet(Background(panel.labelColor));
    for (int k = 0; k < kPanelRowCount; ++k) {
        rows_[k]->setText(QString::fromStdString(panel.rows[k]));
        rows_[k]->setProperty("tag", QString::fromStdString(panel.rows[k]));
    }
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
        // While a fight is set up or fought no command may change the world.
        menus_[m]->menuAction()->setEnabled(!world.MapLocked && MenuEnabled(menu, kMenus[m].menu));
    }
}

void GameMenu::Unload() {
    screens_.session().CloseMenu();
    // The dialogs belong to the menu: they would otherwise act on a district no longer shown.
    screens_.CloseCommandDialogs();
    if (Attack* attack = screens_.attack()) attack->close();
}

}  // namespace golmok::screens
