#include "screens/dialogs/DomesticDialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "commands/Commerce.h"
#include "commands/Information.h"
#include "commands/PrizeDismissal.h"
#include "commands/Recruiting.h"
#include "commands/Scouting.h"
#include "commands/Training.h"
#include "screens/Screens.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

// A display bar: value against full scale, empty where there is no scale.
QProgressBar* DisplayBar(QWidget* parent, int index) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName("PB");
    bar->setProperty("index", index);
    bar->setTextVisible(false);
    bar->setFixedHeight(18);
    bar->setMinimumWidth(150);
    bar->setProperty("gauge", true);
    return bar;
}

void ShowGauge(QProgressBar* bar, const Gauge& gauge) {
    // Progress bars count in whole steps; the gauges hold whole figures.
    bar->setRange(0, std::max(1, static_cast<int>(gauge.fullScale)));
    bar->setValue(static_cast<int>(gauge.value));
}

}  // namespace

// --- 훈련 --------------------------------------------------------------------------------------

Train::Train(Screens& screens) : CommandDialog(screens, "Train", "훈련", Menu::Action) {
    list_ = AddList("LL", 0, 0, 3);
    skill_[0] = AddFigure(0, "조직원사기 :", 0, 1);
    skill_[1] = AddFigure(1, "통         솔 :", 1, 1);
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(skill_[0], world().HumanMorale[h]);
        Write(skill_[1], world().HumanLeadership[h]);
    });
    AddButtons(3);
}

void Train::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    FillList(list_, TrainListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void Train::Ok() {
    // Training someone already at full morale spends his action silently; the dialog stays, and
    // its list must no longer offer him.
    if (!Show(golmok::Train(world(), menuState(), Selected(list_))) && Selected(list_)) Fill();
}

// --- 치료 --------------------------------------------------------------------------------------

Heal::Heal(Screens& screens) : CommandDialog(screens, "Heal", "치료", Menu::Action) {
    list_ = AddList("LL", 0, 0, 4);
    skill_[0] = AddFigure(0, "치료비 :", 0, 1);
    skill_[1] = AddFigure(1, "체력 :", 1, 1);
    stamina_ = DisplayBar(this, 0);
    grid()->addWidget(stamina_, 2, 1, 1, 2);
    done_ = new QLabel(this);
    done_->setObjectName("Done");
    done_->setWordWrap(true);
    grid()->addWidget(done_, 3, 1, 1, 2);
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        ShowGauge(stamina_, HealGauge(world(), h));
        Write(skill_[0], HealCost(world(), h));
        Write(skill_[1], world().HumanStamina[h]);
    });
    AddButtons(4);
}

void Heal::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    done_->clear();
    ShowGauge(stamina_, Gauge{});
    FillList(list_, HealListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void Heal::Ok() {
    const Outcome outcome = golmok::Heal(world(), menuState(), Selected(list_));
    // The dialog opens again without him; the line says it was done.
    if (Show(outcome, true)) done_->setText(QString::fromStdString(outcome.detail));
}

// --- 재편성 ------------------------------------------------------------------------------------

Reset::Reset(Screens& screens) : CommandDialog(screens, "Reset", "재편성", Menu::Action) {
    list_ = AddList("LL", 0, 0, 5);
    skill_[0] = AddFigure(0, "통            솔 :", 0, 1);
    skill_[1] = AddFigure(1, "조  직  원  수 :", 1, 1);
    skill_[2] = AddFigure(2, "남은조직원수 :", 2, 1);
    AddCaption("조직원수 :", 3, 1, "Label2");
    box_ = AddBox(0, 3, 2);
    bar_ = AddBar(0, 4, 1, 2);
    OnChoose(list_, [this](int h) {
        bar_->setEnabled(true);
        box_->setEnabled(true);
        ChooseForReorganizing(world(), menuState(), h);
        emit screens_.barTrackingChanged();
        ShowPerson();
    });
    connect(bar_, &AmountBar::pointed, this, [this](double offset) {
        const std::optional<int> h = Selected(list_);
        if (!h || world().MapLocked) return;
        ReorganizeByBar(world(), menuState(), *h, offset, bar_->fullScale());
        ShowPerson();
    });
    // Typing moves members at once, capped by the box's own rule; only what the player types runs
    // the rule, not what the dialog writes into the box.
    connect(box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<int> h = Selected(list_);
        if (!h || world().MapLocked) return;
        const Outcome outcome =
            Reorganize(world(), menuState(), *h, ParseWholeAmount(text.toStdString()).value_or(-1));
        for (const std::string& message : outcome.messages)
            Inform(message);
        ShowPerson();
    });
    // Nothing on the dialog gives the pool back: the player is told before he closes it.
    auto* poolNote = new QLabel(QString::fromUtf8(kReorgPoolLost), this);
    poolNote->setObjectName("PoolNote");
    poolNote->setWordWrap(true);
    poolNote->setStyleSheet("color: #b8322a; font-weight: bold;");
    grid()->addWidget(poolNote, 5, 0, 1, 3);
    AddButtons(6, false);
}

void Reset::ShowPerson() {
    const World& w = world();
    const ReorgDialog& dialog = menuState().reorg;
    Write(skill_[2], dialog.ReorgPool);
    const std::optional<int> h = Selected(list_);
    if (!h) return;
    Write(skill_[0], w.HumanLeadership[*h]);
    Write(skill_[1], w.HumanMembers[*h]);
    const QString box = QString::fromStdString(FormatNumber(dialog.box));
    if (box_->text() != box) box_->setText(box);
    bar_->SetRatio(dialog.barRatio);
}

void Reset::Fill() {
    // The session refills an open dialog as its district changes, keeping or emptying the pool
    // by the rule; only a closed dialog opens afresh.
    if (!menuState().reorg.open) OpenReorganizing(world(), menuState());
    for (QLabel* label : skill_)
        label->clear();
    box_->clear();
    // The bar and the box wait for a person.
    bar_->setEnabled(false);
    box_->setEnabled(false);
    bar_->SetRatio(0);
    FillList(list_, menuState().reorg.people, [this](int h) { return PersonName(h); });
    ShowWhyEmpty(list_, ReorgListing(world(), menuState()).whyEmpty);
    Write(skill_[2], menuState().reorg.ReorgPool);
}

void Reset::Unload() {
    // Members still in the pool are lost.
    CloseReorganizing(menuState());
}

// --- 조직원 스카웃 ------------------------------------------------------------------------------

StaffScout::StaffScout(Screens& screens)
    : CommandDialog(screens, "StaffScout", "조직원 스카웃", Menu::Action) {
    list_ = AddList("LL", 0, 0, 6);
    AddCaption(kMemberPriceNote, 0, 1, "Label2");
    skill_[0] = AddFigure(0, "통      솔 :", 1, 1);
    skill_[1] = AddFigure(1, "조직원수 :", 2, 1);
    members_ = DisplayBar(this, 0);
    members_->setMouseTracking(true);
    // The members bar passes the mouse on to the amount bar.
    members_->installEventFilter(this);
    grid()->addWidget(members_, 3, 1, 1, 2);
    AddCaption("투 자  금 :", 4, 1);
    box_ = AddBox(0, 4, 2);
    bar_ = AddBar(1, 5, 1, 2);
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(skill_[0], world().HumanLeadership[h]);
        ShowMembers(h, world().HumanMembers[h]);
    });
    connect(bar_, &AmountBar::pointed, this, [this](double offset) {
        const std::optional<int> h = Selected(list_);
        if (!h) return;  // no person, no base
        const double amount = RecruitBarAmount(world(), *h, offset, bar_->fullScale());
        Write(box_, amount);
        ShowMembers(*h, RecruitedMembers(world(), *h, amount));
    });
    // A typed amount shows what it buys, as the bar's amounts do.
    connect(box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::optional<int> h = Selected(list_);
        if (!h) return;
        const auto amount = AcceptTypedAmount(text.toStdString(), RecruitMost(world(), *h));
        ShowMembers(*h, RecruitedMembers(world(), *h, amount.value_or(0)));
    });
    AddButtons(6);
}

void StaffScout::ShowMembers(int human, double members) {
    Write(skill_[1], members);
    ShowGauge(members_, RecruitGauge(world(), human, members));
}

bool StaffScout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == members_) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) bar_->Press(press->position().x());
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            bar_->Track(static_cast<QMouseEvent*>(event)->position().x());
            return true;
        }
    }
    return CommandDialog::eventFilter(watched, event);
}

void StaffScout::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    box_->clear();
    ShowGauge(members_, Gauge{});
    bar_->SetRatio(0);
    FillList(list_, RecruitListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void StaffScout::Ok() {
    Show(Recruit(world(), menuState(), Selected(list_), BoxAmount(box_)), true);
}

// --- 상업개발 ----------------------------------------------------------------------------------

Trade::Trade(Screens& screens) : CommandDialog(screens, "Trade", "상업개발", Menu::City) {
    list_ = AddList("LL", 0, 0, 5);
    skill_[0] = AddFigure(0, "   돈    :", 0, 1);
    skill_[1] = new QLabel(this);  // the same money, kept out of sight
    skill_[1]->setObjectName("Skill");
    skill_[1]->setProperty("index", 1);
    skill_[1]->hide();
    skill_[2] = AddFigure(2, "지   력 :", 1, 1);
    AddCaption("투자금 :", 2, 1);
    box_ = AddBox(0, 2, 2);
    AmountBar* bar = AddBar(0, 3, 1, 2);
    connect(bar, &AmountBar::pointed, this, [this, bar](double offset) {
        Write(box_, DevelopBarAmount(world(), menuState(), offset, bar->fullScale()));
    });
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(skill_[2], world().HumanIntelligence[h]);
    });
    AddButtons(5);
}

void Trade::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    box_->clear();
    Write(skill_[0], DevelopMost(world(), menuState()));
    Write(skill_[1], DevelopMost(world(), menuState()));
    FillList(list_, DevelopListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void Trade::Ok() {
    Show(DevelopCommerce(world(), menuState(), Selected(list_), BoxAmount(box_)));
}

// --- 돈걷기 ------------------------------------------------------------------------------------

GiveMeMoney::GiveMeMoney(Screens& screens)
    : CommandDialog(screens, "GiveMeMoney", "돈걷기", Menu::City) {
    list_ = AddList("LL", 0, 0, 4);
    constexpr const char* kCaptions[] = {"공격력 :", "방어력 :", "민첩성 :", "체   력 :"};
    for (int i = 0; i < 4; ++i)
        skill_[i] = AddFigure(i, kCaptions[i], i, 1);
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        const World& w = world();
        Write(skill_[0], w.HumanAttack[h]);
        Write(skill_[1], w.HumanDefence[h]);
        Write(skill_[2], w.HumanAgility[h]);
        Write(skill_[3], w.HumanStamina[h]);
    });
    AddButtons(4);
}

void GiveMeMoney::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    FillList(list_, CollectListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void GiveMeMoney::Ok() {
    Show(CollectMoney(world(), menuState(), Selected(list_)));
}

// --- 포상 --------------------------------------------------------------------------------------

Prize::Prize(Screens& screens) : CommandDialog(screens, "Prize", "포상", Menu::Personnel) {
    list_ = AddList("LL", 0, 0, 4);
    loyalty_ = AddFigure(0, "충성 :", 0, 1);
    AddCaption("  돈  :", 1, 1);
    box_ = AddBox(0, 1, 2);
    Drive(AddBar(0, 2, 1, 2), box_, [this] { return PrizeMost(world(), menuState()); });
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(loyalty_, world().HumanLoyalty[h]);
    });
    AddButtons(4);
}

void Prize::Fill() {
    loyalty_->clear();
    box_->clear();
    FillList(list_, PrizeListing(world(), menuState()), [this](int h) { return PersonName(h); });
}

void Prize::Ok() {
    Show(GivePrize(world(), menuState(), Selected(list_), BoxAmount(box_)));
}

// --- 해고 --------------------------------------------------------------------------------------

Dismiss::Dismiss(Screens& screens) : CommandDialog(screens, "Dismiss", "해고", Menu::Personnel) {
    list_ = AddList("LL", 0, 0);
    // Wide enough for a name with its members and loyalty.
    list_->ensurePolished();
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(
                               QStringLiteral("홍길동무  (조직원 1,000, 충성 100)")) +
                           40);
    OnChoose(list_, [this](int h) { ChoosePerson(menuState(), h); });
    AddButtons(1);
}

void Dismiss::Fill() {
    // Whom he would lose: each person's members and loyalty beside his name.
    FillList(list_, DismissListing(world(), menuState()), [this](int h) {
        return PersonName(h) + "  (조직원 " + FormatMoney(world().HumanMembers[h]) + ", 충성 " +
               FormatNumber(world().HumanLoyalty[h]) + ")";
    });
}

void Dismiss::Ok() {
    const std::optional<int> person = Selected(list_);
    const auto dismiss = [person](World& w, MenuState& m) { return DismissPerson(w, m, person); };
    if (person && !AskFirst(dismiss, "해고",
                            QStringLiteral("%1을(를) 해고하시겠습니까? 해고된 사람은 조직원과 "
                                           "함께 조직을 떠납니다.")
                                .arg(QString::fromStdString(PersonName(*person))))) {
        return;
    }
    Show(dismiss(world(), menuState()), true);
}

// --- 행동대장 스카웃 ----------------------------------------------------------------------------

Scout::Scout(Screens& screens)
    : CommandDialog(screens, "Scout", "행동대장 스카웃", Menu::Personnel) {
    scouts_ = AddList("LL1", 0, 0, 8, 2);
    skill_[11] = AddFigure(11, "매   력 :", 8, 0, "Label2");
    skill_[12] = AddFigure(12, "지   력 :", 9, 0, "Label2");
    districts_ = AddList("LL3", 0, 2, 10);
    targets_ = AddList("LL2", 0, 3, 10);
    // The target's ten figures, Skill(10) down to Skill(1).
    constexpr const char* kTargetCaptions[] = {
        "충         성 :", "공         격 :", "방         어 :", "매         력 :",
        "민         첩 :", "체         력 :", "지         력 :", "통         솔 :",
        "조 직 원 수 :",   "조직원사기 :"};
    for (int i = 0; i < 10; ++i)
        skill_[10 - i] = AddFigure(10 - i, kTargetCaptions[i], i, 4);
    AddCaption("돈 :", 10, 0);
    QHBoxLayout* bribe = AddRow(10, 1, 5);
    box_ = AddBox(0, bribe);
    Drive(AddBar(0, bribe), box_, [this] { return ScoutMost(world(), menuState()); });
    OnChoose(scouts_, [this](int s) {
        ChoosePerson(menuState(), s);
        Write(skill_[11], world().HumanCharm[s]);
        Write(skill_[12], world().HumanIntelligence[s]);
    });
    OnChoose(districts_, [this](int d) {
        const Listing targets = ScoutTargetsListing(world(), d);
        FillList(targets_, targets, [this](int h) { return PersonName(h); });
        if (!targets.entries.empty()) {
            for (int i = 1; i <= 10; ++i)
                skill_[i]->clear();
        }
    });
    OnChoose(targets_, [this](int t) {
        const std::array<double, 10> figures = PersonFigures(world(), t);
        for (int i = 0; i < 10; ++i)
            Write(skill_[10 - i], figures[i]);
    });
    AddButtons(11);
}

void Scout::Fill() {
    for (QLabel* label : skill_) {
        if (label) label->clear();
    }
    box_->clear();
    FillList(scouts_, ScoutListing(world(), menuState()), [this](int h) { return PersonName(h); });
    FillList(targets_, Listing{}, {});
    FillList(districts_, ScoutDistrictsListing(world()), [this](int d) { return CityName(d); });
}

void Scout::Ok() {
    Show(golmok::Scout(world(), menuState(), Selected(scouts_), Selected(targets_),
                       Selected(districts_), BoxAmount(box_)));
}

// --- 인물정보 ----------------------------------------------------------------------------------

HumanInfo::HumanInfo(Screens& screens)
    : CommandDialog(screens, "HumanInfo", "인물정보", Menu::Info) {
    keepsBarTracking_ = true;
    list_ = AddList("LL", 0, 0, 13);
    for (int i = 0; i < 10; ++i)
        skill_[i] = AddFigure(i, kPersonFigureCaptions[i], i, 1);
    // Who he is: his gang, his rank, and whether he has acted this week.
    constexpr const char* kStandingCaptions[] = {"조      직 :", "직      위 :", "이번 주 :"};
    for (int i = 0; i < 3; ++i)
        standing_[i] = AddFigure(10 + i, kStandingCaptions[i], 10 + i, 1);
    OnChoose(list_, [this](int h) {
        const std::array<double, 10> figures = PersonFigures(world(), h);
        for (int i = 0; i < 10; ++i)
            Write(skill_[i], figures[i]);
        const PersonStanding standing = PersonStandingOf(world(), h);
        standing_[0]->setText(QString::fromStdString(standing.gang));
        standing_[1]->setText(QString::fromStdString(standing.rank));
        standing_[2]->setText(QString::fromUtf8(standing.acted ? kActedText : kNotActedText));
    });
    AddButtons(13, true, false);
}

void HumanInfo::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    for (QLabel* label : standing_)
        label->clear();
    FillList(list_, PersonInfoListing(world(), menuState()),
             [this](int h) { return PersonName(h); });
}

// --- 조직정보 ----------------------------------------------------------------------------------

GroupInfo::GroupInfo(Screens& screens)
    : CommandDialog(screens, "GroupInfo", "조직정보", Menu::Info) {
    keepsBarTracking_ = true;
    list_ = AddList("LL", 0, 0, 11);
    constexpr const char* kCaptions[] = {
        "     돈     :", "명      성 :", "두      목 :", "행동대장 :",
        "조직원수 :",    "진      검 :", "사 시  미 :",  "각      목 :"};
    for (int i = 0; i < 8; ++i) {
        skill_[i] = AddFigure(i, kCaptions[i], i, 1);
        // The hidden figures keep their room, wide enough for a twelve-digit sum of money, so the
        // window does not grow when the first gang is chosen.
        QSizePolicy policy = skill_[i]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        skill_[i]->setSizePolicy(policy);
        // Measured in the game's look, whose type is not the plain widget's.
        skill_[i]->ensurePolished();
        const QString widest = QString::fromStdString(FormatMoney(999999999999.0));
        skill_[i]->setMinimumWidth(skill_[i]->fontMetrics().horizontalAdvance(widest) +
                                   2 * skill_[i]->frameWidth() + 8);
    }
    // Where the gang stands with the player.
    // The districts wrap in a box of fixed size, so the window keeps its size whichever gang is
    // chosen; the tooltip holds them all.
    relations_[0] = AddFigure(8, "지      역 :", 8, 1);
    relations_[0]->setWordWrap(true);
    relations_[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    relations_[0]->setFixedSize(
        skill_[0]->minimumWidth() * 2,
        relations_[0]->fontMetrics().lineSpacing() * 3 + 2 * relations_[0]->frameWidth() + 4);
    relations_[1] = AddFigure(9, "적 대 감 :", 9, 1);
    relations_[2] = AddFigure(10, "동      맹 :", 10, 1);
    for (QLabel* label : relations_) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
    OnChoose(list_, [this](int g) {
        const GroupFigures f = GroupInfoFigures(world(), g);
        auto show = [](QLabel* label, const std::optional<double>& value) {
            label->setText(value ? QString::fromStdString(FormatNumber(*value)) : QString());
        };
        // Money with its thousands marked, as every view but the command menu's panel shows it.
        skill_[0]->setText(f.money ? QString::fromStdString(FormatMoney(*f.money)) : QString());
        Write(skill_[1], f.fame);
        skill_[2]->setText(QString::fromStdString(f.boss));
        show(skill_[3], f.people);
        show(skill_[4], f.members);
        show(skill_[5], f.sword);
        show(skill_[6], f.knife);
        show(skill_[7], f.stick);
        const GroupRelations r = GroupRelationsOf(world(), g);
        QStringList names;
        for (int c : r.districts)
            names << QString::fromStdString(CityName(c));
        relations_[0]->setText(names.isEmpty() ? QStringLiteral("없음") : names.join(", "));
        relations_[0]->setToolTip(relations_[0]->text());
        Write(relations_[1], r.hostility);
        relations_[2]->setText(g == world().PlayerGroupIndex ? QStringLiteral("-")
                               : r.ally                      ? QStringLiteral("동맹")
                                                             : QStringLiteral("없음"));
        for (QLabel* label : skill_)
            label->setVisible(true);
        for (QLabel* label : relations_)
            label->setVisible(true);
    });
    AddButtons(11, true, false);
}

void GroupInfo::Fill() {
    // The figures stay hidden until a gang is chosen.
    for (QLabel* label : skill_)
        label->setVisible(false);
    // Hidden, they keep the room of words like those they will show, so the window keeps its size.
    for (QLabel* label : relations_) {
        label->setText(QStringLiteral("없음"));
        label->setVisible(false);
    }
    FillList(list_, GroupInfoList(world()), [this](int g) { return GroupName(g); });
}

}  // namespace golmok::screens
