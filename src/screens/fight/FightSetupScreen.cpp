#include "screens/fight/FightSetupScreen.h"

#include <QCloseEvent>
#include <QColor>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <cmath>

#include "commands/Dialog.h"
#include "fight/Forecast.h"
#include "game/DistrictOutlook.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/Lists.h"
#include "screens/look/Art.h"
#include "screens/look/Look.h"
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

// The stocks and needs go in the screen's order 진검, 사시미, 각목; the weapon box by WeaponIndex.
constexpr const char* kStockNames[] = {"진검", "사시미", "각목"};
constexpr int kStockOfWeapon[] = {-1, 2, 1, 0};  // 주먹 needs nothing
constexpr const char* kNoStock = " (창고에 없음)";
// The lines under the set-up, at 100 %: the party, its needs, then the forecast.
constexpr int kLineHeight = 300;
constexpr int kForecastHeight = 1080;
// Where a target's figures are kept beside its name.
constexpr int kTargetFiguresRole = Qt::UserRole + 1;

// A target as the map's tooltip sums it up: its owner, and its people and strength or that it is
// empty.
QString TargetFigures(const World& world, int city) {
    const DistrictGlance g = GlanceAt(world, city);
    std::string text = (g.owner >= 0 ? world.GroupName[g.owner] : std::string("주인 없음")) + " · ";
    text += g.empty ? std::string("빈 곳")
                    : std::to_string(g.people) + "명, 힘 " + FormatMoney(g.strength);
    return QString::fromStdString(text);
}

// The target list's entries are the districts' names, as everywhere; each row shows the
// district's figures after its name, in a second, quieter column.
class TargetDelegate : public QStyledItemDelegate {
  public:
    // The figures start `figuresLeft` pixels into the row and end `rightGap` short of its end.
    TargetDelegate(int figuresLeft, int rightGap, QObject* parent)
        : QStyledItemDelegate(parent), figuresLeft_(figuresLeft), rightGap_(rightGap) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString figures = index.data(kTargetFiguresRole).toString();
        if (figures.isEmpty()) return;
        painter->save();
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->setPen(selected ? QColor("#ffffff") : QColor("#c8b88a"));
        const QRect area = option.rect.adjusted(figuresLeft_, 0, -rightGap_, 0);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(figures, Qt::ElideRight, area.width()));
        painter->restore();
    }

  private:
    int figuresLeft_;
    int rightGap_;
};

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
    // Wider than the first set-up for the targets' figures, and taller for the lines under it.
    const int screenWidth = attacking ? 7620 : 6600;
    const int linesTop = attacking ? 4560 : 5160;
    const int screenHeight = linesTop + 2 * kLineHeight + kForecastHeight + 120;
    // Measured at 100 %, before the screen takes its scale.
    scale_ = screens_.ScaleToFit(QSize(Px(screenWidth), Px(screenHeight)));
    setFixedSize(Px(screenWidth), Px(screenHeight));
    ScaleWindowType(this, scale_);

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
    ll1_->setStyleSheet(ScaledSheet(kListStyle, scale_));
    FillEntries(ll1_, setup_.people,
                [&world](int h) { return QString::fromStdString(world.HumanName[h]); });
    OnEntryChosen(ll1_, this, [this](int h) { PersonClicked(h); });
    ShowWhyEmpty(ll1_, setup_.whyNoPeople);

    AddLabel("사용무기 :", 1800, 2640, 1200)->setObjectName("Label1");
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setGeometry(Px(3000), Px(2640), Px(1260), Px(360));
    for (int w = 0; w < kWeaponCount; ++w) {
        // A weapon the district has none of is marked, before anybody tries to take it out.
        const bool none = kStockOfWeapon[w] >= 0 && !(setup_.stocks[kStockOfWeapon[w]] > 0);
        combo1_->addItem(QString::fromUtf8(kWeaponNames[w]) + (none ? kNoStock : ""));
        if (none) combo1_->setItemData(w, QColor("#9a9a9a"), Qt::ForegroundRole);
    }
    combo1_->setToolTip("(창고에 없음): 이 구역 창고에 하나도 없는 무기입니다.");
    combo1_->hide();  // until a person is clicked
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        // The weapon is for the person whose figures are shown, whoever another window chose.
        const QListWidgetItem* shown = ll1_->currentItem();
        if (!shown) return;
        const int h = shown->data(Qt::UserRole).toInt();
        ChoosePerson(screens_.menu(), h);
        ChooseFighterWeapon(screens_.world(), h, kWeaponNames[index]);
        ShowChoice();
    });

    if (attacking) {
        ll2_ = new QListWidget(this);
        ll2_->setObjectName("LL2");
        ll2_->setGeometry(Px(4320), Px(720), Px(3060), Px(2880));
        ll2_->setStyleSheet(ScaledSheet(kListStyle, scale_));
        ll2_->setToolTip("구역 · 주인 · 사람 수, 힘 (다섯 명까지의 조직원수 + 체력)");
        FillEntries(ll2_, setup_.targets,
                    [&world](int c) { return QString::fromStdString(world.CityName[c]); });
        for (int row = 0; row < ll2_->count(); ++row) {
            QListWidgetItem* item = ll2_->item(row);
            const QString figures = TargetFigures(world, item->data(Qt::UserRole).toInt());
            item->setData(kTargetFiguresRole, figures);
            item->setToolTip(item->text() + " · " + figures);
        }
        ll2_->setItemDelegate(new TargetDelegate(Px(840), Px(60), ll2_));
        OnEntryChosen(ll2_, this, [this](int c) {
            ChooseTargetCity(screens_.menu(), c);
            ShowChoice();
        });
        ShowWhyEmpty(ll2_, setup_.whyNoTargets);
    }

    // Under the set-up: the attackers that come (defence), the party chosen, what it needs, and
    // 싸움 예상.
    const auto line = [this, screenWidth](const char* objectName, int top, int height) {
        QLabel* label = AddLabel(QString(), 240, top, screenWidth - 480);
        label->setObjectName(objectName);
        label->resize(label->width(), Px(height));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    if (!attacking) {
        coming_ = line("Coming", 4200, 900);
        coming_->setStyleSheet("color: #ffb0a0; background: black;");
        std::string text = "쳐들어오는 편";
        const std::vector<ComingFighter> coming = ComingAttackers(world);
        std::vector<int> people;
        std::string names;
        for (const ComingFighter& f : coming) {
            people.push_back(f.human);
            names += (names.empty() ? "" : ", ") + world.HumanName[f.human] + "(" + f.weapon +
                     ", 조직원 " + FormatNumber(world.HumanMembers[f.human]) + ")";
        }
        text += " " + std::to_string(coming.size()) + "명, 힘 " +
                FormatMoney(PartyStrength(world, people)) + ": " + names;
        coming_->setText(QString::fromStdString(text));
    }
    party_ = line("Party", linesTop, kLineHeight);
    needs_ = line("Needs", linesTop + kLineHeight, kLineHeight);
    forecast_ = line("Forecast", linesTop + 2 * kLineHeight, kForecastHeight);
    connect(ll1_, &QListWidget::itemSelectionChanged, this, [this] { ShowChoice(); });

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
    ShowChoice();
}

SetupChoice FightSetupScreen::CurrentChoice() const {
    SetupChoice choice;
    for (int row = 0; row < ll1_->count(); ++row) {
        if (ll1_->item(row)->isSelected()) {
            choice.selected.push_back(ll1_->item(row)->data(Qt::UserRole).toInt());
        }
    }
    // 모두 선택 chooses people as clicks do: whoever the list shows selected has been chosen.
    choice.personClicked = ll1_->currentItem() != nullptr || !choice.selected.empty();
    choice.targetClicked = ll2_ && ll2_->currentItem() != nullptr;
    return choice;
}

int FightSetupScreen::CurrentTarget() const {
    // The attack goes to the district the list shows selected, and nowhere else: not to the
    // district another dialog clicked last.
    return ll2_ ? SelectedEntry(ll2_).value_or(-1) : -1;
}

void FightSetupScreen::ShowChoice() {
    const World& world = screens_.world();
    const SetupChoice choice = CurrentChoice();
    party_->setText(
        QStringLiteral("고른 사람 %1명 · 힘 %2")
            .arg(choice.selected.size())
            .arg(QString::fromStdString(FormatMoney(PartyStrength(world, choice.selected)))));
    const std::array<double, 3> need = PartyNeeds(world, setup_, choice);
    QString needs = "필요한 무기 / 창고:";
    for (int k = 0; k < 3; ++k) {
        const bool isShort = need[k] > setup_.stocks[k];
        QString item =
            QStringLiteral(" %1 %2 / %3")
                .arg(QString::fromUtf8(kStockNames[k]), Figure(need[k]), Figure(setup_.stocks[k]));
        if (isShort) item = "<span style='color:#ff6a5a'>" + item + " 모자람</span>";
        needs += item + (k < 2 ? " ·" : "");
    }
    needs_->setText(needs);
    forecast_->setVisible(world.options.forecast);
    if (!world.options.forecast) return;
    const FightForecast forecast = side_ == FightSide::Attack
                                       ? ForecastAttack(world, setup_, choice, CurrentTarget())
                                       : ForecastDefence(world, setup_, choice);
    forecast_->setText(QString::fromStdString(
        ForecastText(world, forecast, world.BattleMode == BattleMode::Real)));
    // Its colour says the outcome at a glance: green for a win or a walk-in, red for a loss or a
    // refusal, the screen's cream for a fight called off.
    const char* colour = "#f3e6c4";
    if (forecast.result == ForecastResult::Won || forecast.result == ForecastResult::WalkIn) {
        colour = "#8fe08a";
    } else if (forecast.result == ForecastResult::Lost ||
               forecast.result == ForecastResult::Refused) {
        colour = "#ff8a7a";
    }
    forecast_->setStyleSheet(QStringLiteral("color: %1; background: black;").arg(colour));
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
    ShowChoice();
    // The keyboard goes back to the list, so that Enter next is 확인 and never 모두 해제.
    ll1_->setFocus(Qt::OtherFocusReason);
}

void FightSetupScreen::OkClicked() {
    World& world = screens_.world();
    const SetupChoice choice = CurrentChoice();
    const bool attacking = side_ == FightSide::Attack;
    const int target = CurrentTarget();
    SetupOutcome outcome = attacking ? ConfirmAttack(world, setup_, choice, target)
                                     : ConfirmDefence(world, setup_, choice);
    InformAll(screens_.platform(), this, outcome.outcome.messages, outcome.outcome.detail);
    if (!outcome.outcome.done) ShowChoice();
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
