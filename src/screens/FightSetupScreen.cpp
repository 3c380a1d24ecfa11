#include "screens/FightSetupScreen.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "commands/Dialog.h"
#include "screens/Art.h"
#include "screens/MainGame.h"
#include "screens/Platform.h"
#include "screens/Screens.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

constexpr const char* kSelectAll = "모두 선택";
constexpr const char* kClearAll = "모두 해제";
constexpr const char* kFightHelp = "맞짱도움말";
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
    setup_ = attacking ? OpenAttackSetup(world, screens_.menu().SelectedCity) : DefenceSetupOf(world);

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
    ll1_->setGeometry(Px(240), Px(720), Px(1335), Px(2220));
    ll1_->setSelectionMode(QAbstractItemView::MultiSelection);
    ll1_->setStyleSheet(kListStyle);
    for (int h : setup_.people) {
        auto* item = new QListWidgetItem(QString::fromStdString(world.HumanName[h]), ll1_);
        item->setData(Qt::UserRole, h);
    }
    ll1_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    connect(ll1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { PersonClicked(ll1_->row(item)); });

    AddLabel("사용무기 :", 1800, 2640, 1200)->setObjectName("Label1");
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(Px(3000), Px(2640), Px(1095), Px(360));
    for (const char* weapon : kWeaponNames)
        combo1_->addItem(QString::fromUtf8(weapon));
    combo1_->hide();  // until a person is clicked
    connect(combo1_, &QComboBox::activated, this,
            [this](int index) {
                ChooseFighterWeapon(screens_.world(), screens_.menu().SelectedHuman,
                                    kWeaponNames[index]);
            });

    if (attacking) {
        ll2_ = new QListWidget(this);
        ll2_->setObjectName("LL2");
        ll2_->setGeometry(Px(4320), Px(720), Px(1335), Px(2220));
        ll2_->setStyleSheet(kListStyle);
        for (int c : setup_.targets) {
            auto* item = new QListWidgetItem(QString::fromStdString(world.CityName[c]), ll2_);
            item->setData(Qt::UserRole, c);
        }
        ll2_->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        connect(ll2_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            ChooseTargetCity(screens_.menu(), item->data(Qt::UserRole).toInt());
        });
    }

    command3_ = new QPushButton(kSelectAll, this);
    command3_->setObjectName("Command3");
    command3_->setGeometry(Px(240), Px(3120), Px(1335), Px(495));
    connect(command3_, &QPushButton::clicked, this, &FightSetupScreen::SelectAllClicked);

    auto* ok = new Picture("ok", this);
    ok->setObjectName("Command1");
    ok->setGeometry(Px(1800), Px(3600), Px(1215), Px(855) * 2 / 3);
    connect(ok, &Picture::clicked, this, &FightSetupScreen::OkClicked);
    auto* cancel = new Picture("cancel", this);
    cancel->setObjectName("Command2");
    cancel->setGeometry(Px(3120), Px(3600), Px(1215), Px(855) * 2 / 3);
    // The defence cannot be called off: its cancel picture does nothing.
    if (attacking) connect(cancel, &Picture::clicked, this, &QWidget::close);

    if (attacking) {
        auto* help = new QPushButton(kFightHelp, this);
        help->setObjectName("Command4");
        help->setGeometry(Px(120), Px(3720), Px(1575), Px(885) * 2 / 3);
        connect(help, &QPushButton::clicked, this, [this] { screens_.ShowHelp(); });
    }
}

void FightSetupScreen::PersonClicked(int row) {
    World& world = screens_.world();
    const int h = ll1_->item(row)->data(Qt::UserRole).toInt();
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
}

void FightSetupScreen::OkClicked() {
    World& world = screens_.world();
    SetupChoice choice;
    choice.personClicked = ll1_->currentRow() >= 0;
    for (int row = 0; row < ll1_->count(); ++row) {
        if (ll1_->item(row)->isSelected()) {
            choice.selected.push_back(ll1_->item(row)->data(Qt::UserRole).toInt());
        }
    }
    const bool attacking = side_ == FightSide::Attack;
    choice.targetClicked = attacking && ll2_->currentRow() >= 0;
    SetupOutcome outcome =
        attacking ? ConfirmAttack(world, setup_, choice, screens_.menu().SelectedTargetCity)
                  : ConfirmDefence(world, setup_, choice);
    for (const std::string& message : outcome.outcome.messages) {
        screens_.platform().Inform(this, QString::fromStdString(message));
    }
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
