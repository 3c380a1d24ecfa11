#include "screens/fight/FightSetupScreen.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "commands/Dialog.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/Lists.h"
#include "screens/look/Art.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

constexpr const char* kSelectAll = "모두 선택";
constexpr const char* kClearAll = "모두 해제";
constexpr const char* kFightHelp = "맞짱도움말";
// How several people are chosen with the keys, under the list.
constexpr const char* kSpaceHint = "Space: 고르기";
constexpr const char* kFigureWords[] = {
    "공      격 :", "방      어 :", "체      력 :", "조직원수 :"};
constexpr int kFigureTops[] = {720, 1200, 1680, 2160};

const char* kListStyle =
    "QListWidget { background: black; color: white; border: 1px solid #8c8c8c; }"
    "QListWidget::item:selected { background: #b8322a; color: white; }";

QString Figure(double value) {
    return QString::fromStdString(FormatNumber(value));
}

}  // namespace

QLabel* FightSetupScreen::AddLabel(const QString& text, int left, int top, int width) {
    auto* label = new QLabel(text, this);
    label->setGeometry(Px(left), Px(top), Px(width), Px(240));
    label->setStyleSheet("color: white; background: black;");
    return label;
}

FightSetupScreen::FightSetupScreen(Screens& screens, const char* name, FightSide side)
    : Screen(screens, name, "맞짱"), side_(side) {
    const bool attacking = side == FightSide::Attack;
    World& world = screens_.world();
    // Opening the attack resets every party and weapon; the defence was prepared by the turn end.
    setup_ =
        attacking ? OpenAttackSetup(world, screens_.menu().SelectedCity) : DefenceSetupOf(world);

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    setPalette(black);
    setAutoFillBackground(true);
    attacking ? setFixedSize(Px(5865), Px(4695)) : setFixedSize(Px(5190), Px(4770));

    static constexpr const char* kStockWords[] = {"진검 :", "사시미 :", "각목 :"};
    static constexpr int kStockLeft[] = {240, 1800, 3600};
    static constexpr int kStockValueLeft[] = {960, 2760, 4320};
    for (int i = 0; i < 3; ++i) {
        AddLabel(kStockWords[i], kStockLeft[i], 240, 720)->setObjectName("Label1");
        skill_[i] = AddLabel(Figure(setup_.stocks[i]), kStockValueLeft[i], 240, 720);
    }
    for (int i = 0; i < 4; ++i) {
        AddLabel(kFigureWords[i], 1800, kFigureTops[i], 1200)->setObjectName("Label1");
        skill_[3 + i] = AddLabel(QString(), 3000, kFigureTops[i], 615);
    }
    for (int i = 0; i < 7; ++i) {
        skill_[i]->setObjectName("Skill");
        skill_[i]->setProperty("index", i);
    }

    ll1_ = new QListWidget(this);
    ll1_->setObjectName("LL1");
    ll1_->setGeometry(Px(240), Px(720), Px(1335), Px(1920));
    ll1_->setToolTip("방향키로 사람을 보고 Space로 고르거나 뺍니다.");
    AddLabel(kSpaceHint, 240, 2700, 1335)->setObjectName("SpaceHint");
    ll1_->setSelectionMode(QAbstractItemView::MultiSelection);
    ll1_->setStyleSheet(kListStyle);
    FillEntries(ll1_, setup_.people,
                [&world](int h) { return QString::fromStdString(world.HumanName[h]); });
    OnEntryChosen(ll1_, this, [this](int h) { PersonClicked(h); });
    ShowWhyEmpty(ll1_, setup_.whyNoPeople);

    AddLabel("사용무기 :", 1800, 2640, 1200)->setObjectName("Label1");
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(Px(3000), Px(2640), Px(1095), Px(360));
    for (const char* weapon : kWeaponNames)
        combo1_->addItem(QString::fromUtf8(weapon));
    combo1_->hide();  // until a person is clicked
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        // The weapon is for the person whose figures are shown, whoever another window chose.
        const QListWidgetItem* shown = ll1_->currentItem();
        if (!shown) return;
        const int h = shown->data(Qt::UserRole).toInt();
        ChoosePerson(screens_.menu(), h);
        ChooseFighterWeapon(screens_.world(), h, kWeaponNames[index]);
    });

    if (attacking) {
        ll2_ = new QListWidget(this);
        ll2_->setObjectName("LL2");
        ll2_->setGeometry(Px(4320), Px(720), Px(1335), Px(2220));
        ll2_->setStyleSheet(kListStyle);
        FillEntries(ll2_, setup_.targets,
                    [&world](int c) { return QString::fromStdString(world.CityName[c]); });
        OnEntryChosen(ll2_, this, [this](int c) { ChooseTargetCity(screens_.menu(), c); });
        ShowWhyEmpty(ll2_, setup_.whyNoTargets);
    }

    command3_ = new QPushButton(kSelectAll, this);
    command3_->setObjectName("Command3");
    command3_->setGeometry(Px(240), Px(3120), Px(1335), Px(495));
    connect(command3_, &QPushButton::clicked, this, &FightSetupScreen::SelectAllClicked);

    const QSize buttonSize(Px(1215), Px(855) * 2 / 3);
    auto* ok = new PictureButton("ok", "Command1", this);
    ok->SetButtonSize(buttonSize);
    ok->move(Px(1800), Px(3600));
    connect(ok, &QAbstractButton::clicked, this, &FightSetupScreen::OkClicked);
    auto* cancel = new PictureButton("cancel", "Command2", this);
    cancel->SetButtonSize(buttonSize);
    cancel->move(Px(3120), Px(3600));
    connect(cancel, &QAbstractButton::clicked, this, &FightSetupScreen::CancelClicked);

    // Tab goes through the people, the weapon, the targets and the buttons in that order.
    QWidget* chain[] = {ll1_, combo1_, ll2_, command3_, ok, cancel, nullptr};
    if (attacking) {
        auto* help = new QPushButton(kFightHelp, this);
        help->setObjectName("Command4");
        help->setGeometry(Px(120), Px(3720), Px(1575), Px(885) * 2 / 3);
        connect(help, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
        chain[6] = help;
    }
    QWidget* previous = nullptr;
    for (QWidget* next : chain) {
        if (!next) continue;
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
}

void FightSetupScreen::CancelClicked() {
    // The defence cannot be called off: its cancel only says so.
    if (side_ == FightSide::Attack) {
        close();
    } else {
        screens_.platform().Inform(this, QString::fromUtf8(kDefenceMustBeChosen));
    }
}

void FightSetupScreen::keyPressEvent(QKeyEvent* event) {
    if (!ConfirmOrCancelKey(
            event, this, [this] { OkClicked(); }, [this] { CancelClicked(); })) {
        Screen::keyPressEvent(event);
    }
}

void FightSetupScreen::PersonClicked(int h) {
    World& world = screens_.world();
    ChoosePerson(screens_.menu(), h);
    combo1_->show();
    skill_[3]->setText(Figure(world.HumanAttack[h]));
    skill_[4]->setText(Figure(world.HumanDefence[h]));
    skill_[5]->setText(Figure(world.HumanStamina[h]));
    skill_[6]->setText(Figure(world.HumanMembers[h]));
    combo1_->setCurrentIndex(WeaponIndex(world.HumanWeapon[h]));
}

void FightSetupScreen::SelectAllClicked() {
    if (command3_->text() == kSelectAll) {
        ll1_->selectAll();
        command3_->setText(kClearAll);
    } else {
        ll1_->clearSelection();
        command3_->setText(kSelectAll);
    }
    // The keyboard goes back to the list, so that Enter next is 확인 and never 모두 해제.
    ll1_->setFocus(Qt::OtherFocusReason);
}

void FightSetupScreen::OkClicked() {
    World& world = screens_.world();
    SetupChoice choice;
    for (int row = 0; row < ll1_->count(); ++row) {
        if (ll1_->item(row)->isSelected()) {
            choice.selected.push_back(ll1_->item(row)->data(Qt::UserRole).toInt());
        }
    }
    // 모두 선택 chooses people as clicks do: whoever the list shows selected has been chosen.
    choice.personClicked = ll1_->currentItem() != nullptr || !choice.selected.empty();
    const bool attacking = side_ == FightSide::Attack;
    // The attack goes to the district the list shows selected, and nowhere else: not to the
    // district another dialog clicked last.
    const int target = attacking ? SelectedEntry(ll2_).value_or(-1) : -1;
    choice.targetClicked = attacking && ll2_->currentItem() != nullptr;
    SetupOutcome outcome = attacking ? ConfirmAttack(world, setup_, choice, target)
                                     : ConfirmDefence(world, setup_, choice);
    InformAll(screens_.platform(), this, outcome.outcome.messages, outcome.outcome.detail);
    if (outcome.takenOver) {
        // Nobody held the district: it is ours without a fight, and that may end the game.
        if (MainGame* map = screens_.map()) map->Refresh();
        screens_.OwnersChanged();
        return;
    }
    if (!outcome.fight) return;
    released_ = true;
    screens_.OpenFightField(std::move(*outcome.fight));
}

void FightSetupScreen::closeEvent(QCloseEvent* event) {
    if (side_ == FightSide::Defence && !released_) {
        event->ignore();
        return;
    }
    Screen::closeEvent(event);
}

}  // namespace golmok::screens
