#include "screens/dialogs/TradeDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "commands/Aid.h"
#include "commands/Alliances.h"
#include "commands/ArmsTrade.h"
#include "screens/Screens.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

constexpr std::array<const char*, 4> kGoodsCaptions = {
    "진   검 :", "사시미 :", "각   목 :", "   돈    :"};

}  // namespace

// --- Goods rows -------------------------------------------------------------------------------

void GoodsDialog::AddGoods(int row, int column, int count, std::function<Amounts<4>()> bases) {
    // One line a good: its caption, its box and its bar beside the box.
    for (int i = 0; i < count; ++i) {
        AddCaption(kGoodsCaptions[i], row + i, column, "Label2");
        boxes_[i] = AddBox(i, row + i, column + 1);
        AmountBar* bar = AddBar(i, row + i, column + 2);
        Drive(bar, boxes_[i], [bases, i] { return bases()[i]; });
    }
}

void GoodsDialog::EmptyBoxes() {
    for (QLineEdit* box : boxes_) {
        if (box) box->clear();
    }
}

ArmsBoxes GoodsDialog::ArmsTexts() const {
    ArmsBoxes texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = boxes_[i]->text().toStdString();
    return texts;
}

GoodsBoxes GoodsDialog::GoodsTexts() const {
    GoodsBoxes texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = boxes_[i]->text().toStdString();
    return texts;
}

// --- 무기매입, 무기매출 -----------------------------------------------------------------------

ArmsDialog::ArmsDialog(Screens& screens, bool buying)
    : GoodsDialog(screens, buying ? "ArmsBuy" : "ArmsSell", buying ? "무기매입" : "무기매출",
                  Menu::Trade),
      buying_(buying) {
    list_ = AddList("LL", 0, 0, 6);
    OnChoose(list_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(skill_[1], world().HumanIntelligence[h]);
    });
    const Amounts<3>& prices = buying_ ? kBuyingPrices : kSellingPrices;
    // The three prices on the top line, then the total and the trader, then a line a weapon.
    QHBoxLayout* top = AddRow(0, 1, 3);
    skill_[6] = AddFigure(6, "진검가격 :", top);
    skill_[7] = AddFigure(7, "사시미가격 :", top);
    skill_[5] = AddFigure(5, "각목가격 :", top);
    Write(skill_[6], prices[kSwords]);
    Write(skill_[7], prices[kKnives]);
    Write(skill_[5], prices[kSticks]);
    skill_[0] = AddFigure(0, "   돈    :", 1, 1);
    skill_[1] = AddFigure(1, "지   력 :", 2, 1);
    AddGoods(3, 1, 3, [this] {
        const Amounts<3> bases = buying_ ? BuyingBarBases() : SellingBarBases(world(), menuState());
        return Amounts<4>{bases[0], bases[1], bases[2], 0};
    });
    for (int i = 0; i < 3; ++i)
        connect(boxes_[i], &QLineEdit::textChanged, this, &ArmsDialog::ShowTotal);
    AddButtons(6);
}

void ArmsDialog::ShowTotal() {
    Amounts<3> pieces{};
    for (std::size_t i = 0; i < pieces.size(); ++i)
        pieces[i] = ReadAmountBox(boxes_[i]->text().toStdString());
    Write(skill_[0], OrderTotal(buying_ ? kBuyingPrices : kSellingPrices, pieces));
}

void ArmsDialog::Fill() {
    for (int i = 0; i <= 4; ++i) {
        if (skill_[i]) skill_[i]->clear();
    }
    EmptyBoxes();
    skill_[0]->clear();  // the empty boxes wrote a total of 0
    FillList(list_, ArmsTradersListing(world(), menuState()),
             [this](int h) { return PersonName(h); });
}

void ArmsDialog::Ok() {
    const ArmsBoxes boxes = ArmsTexts();
    const std::optional<int> trader = Selected(list_);
    Show(buying_ ? BuyArms(world(), menuState(), trader, boxes)
                 : SellArms(world(), menuState(), trader, boxes));
}

// --- 이동 --------------------------------------------------------------------------------------

MoveCity::MoveCity(Screens& screens) : GoodsDialog(screens, "MoveCity", "이동", Menu::Action) {
    people_ = AddList("LL1", 0, 0, 4);
    // Several people go at once; a click adds or removes one without touching SelectedHuman.
    people_->setSelectionMode(QAbstractItemView::MultiSelection);
    people_->setToolTip("방향키로 사람을 보고 Space로 고르거나 뺍니다.");
    AddCaption("Space: 고르기", 4, 0, "SpaceHint");
    selectAll_ = new QPushButton(QString::fromUtf8(toggle_.caption.c_str()), this);
    selectAll_->setObjectName("Command3");
    grid()->addWidget(selectAll_, 5, 0);
    connect(selectAll_, &QPushButton::clicked, this, [this] {
        std::vector<int> listed;
        for (int row = 0; row < people_->count(); ++row)
            listed.push_back(people_->item(row)->data(Qt::UserRole).toInt());
        const std::vector<int> chosen = toggle_.Press(listed);
        pointed_ = true;
        people_->clearSelection();
        for (int row = 0; row < people_->count(); ++row) {
            const int h = people_->item(row)->data(Qt::UserRole).toInt();
            if (std::find(chosen.begin(), chosen.end(), h) != chosen.end()) {
                people_->item(row)->setSelected(true);
            }
        }
        selectAll_->setText(QString::fromUtf8(toggle_.caption.c_str()));
    });
    // Moving onto somebody, by a click or with the keys, points at the list.
    OnChoose(people_, [this](int) { pointed_ = true; });
    connect(people_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!people_->selectedItems().isEmpty()) pointed_ = true;
    });
    AddCaption("도시 :", 0, 1)->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    targets_ = AddList("LL2", 1, 1, 5);
    OnChoose(targets_, [this](int d) { ChooseDestination(menuState(), d); });
    AddGoods(1, 2, 4, [this] { return GoodsBarBases(world(), menuState()); });
    AddButtons(6);
}

void MoveCity::Fill() {
    EmptyBoxes();
    FillList(people_, MovingPeopleListing(world(), menuState()),
             [this](int h) { return PersonName(h); });
    pointed_ = false;
    FillList(targets_, DestinationsListing(world(), menuState()),
             [this](int d) { return CityName(d); });
}

void MoveCity::Ok() {
    // Without a current entry nobody was pointed at; with one, whoever is selected goes (perhaps
    // nobody, and the goods travel alone).
    std::optional<std::vector<int>> people;
    if (pointed_) {
        people.emplace();
        for (int row = 0; row < people_->count(); ++row) {
            if (people_->item(row)->isSelected())
                people->push_back(people_->item(row)->data(Qt::UserRole).toInt());
        }
    }
    const std::optional<int> target = Selected(targets_);
    const GoodsBoxes goods = GoodsTexts();
    if (MoveEmptiesDistrict(world(), menuState(), people, target, goods) &&
        !screens_.platform().Ask(
            this, "이동",
            QStringLiteral("이동하면 %1에는 아무도 남지 않습니다. 그래도 이동하시겠습니까?")
                .arg(QString::fromStdString(CityName(menuState().SelectedCity))))) {
        return;
    }
    Show(MovePeople(world(), menuState(), people, target, goods));
}

// --- 수송 --------------------------------------------------------------------------------------

Transport::Transport(Screens& screens) : GoodsDialog(screens, "Transport", "수송", Menu::Action) {
    people_ = AddList("LL1", 0, 0, 4, 2);
    OnChoose(people_, [this](int h) {
        ChoosePerson(menuState(), h);
        const World& w = world();
        Write(skill_[0], w.HumanAttack[h]);
        Write(skill_[1], w.HumanDefence[h]);
        Write(skill_[2], w.HumanStamina[h]);
        Write(skill_[3], w.HumanAgility[h]);
    });
    skill_[0] = AddFigure(0, "공격력 :", 4, 0);
    skill_[1] = AddFigure(1, "방어력 :", 5, 0);
    skill_[2] = AddFigure(2, "체   력 :", 6, 0);
    skill_[3] = AddFigure(3, "민   첩 :", 7, 0);
    AddCaption("도시 :", 0, 2)->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    targets_ = AddList("LL2", 1, 2, 7);
    OnChoose(targets_, [this](int d) { ChooseDestination(menuState(), d); });
    AddGoods(1, 3, 4, [this] { return GoodsBarBases(world(), menuState()); });
    AddButtons(8);
}

void Transport::Fill() {
    for (QLabel* label : skill_)
        label->clear();
    EmptyBoxes();
    FillList(people_, MovingPeopleListing(world(), menuState()),
             [this](int h) { return PersonName(h); });
    FillList(targets_, DestinationsListing(world(), menuState()),
             [this](int d) { return CityName(d); });
}

void Transport::Ok() {
    Show(TransportGoods(world(), menuState(), Selected(people_), Selected(targets_), GoodsTexts()));
}

// --- 동맹, 원조 -------------------------------------------------------------------------------

EnvoyDialog::EnvoyDialog(Screens& screens, const char* name, const char* title)
    : GoodsDialog(screens, name, title, Menu::Diplomacy) {
    envoys_ = AddList("LL1", 0, 0, 5, 2);
    OnChoose(envoys_, [this](int h) {
        ChoosePerson(menuState(), h);
        Write(skill_[0], world().HumanIntelligence[h]);
        Write(skill_[1], world().HumanCharm[h]);
    });
    skill_[0] = AddFigure(0, "지   력 :", 5, 0);
    skill_[1] = AddFigure(1, "매   력 :", 6, 0);
    gangs_ = AddList("LL2", 0, 2, 5, 2);
    OnChoose(gangs_, [this](int g) { Write(skill_[2], world().GroupHostility[g]); });
    skill_[2] = AddFigure(2, "적대감 :", 5, 2);
    AddGoods(0, 4, 4, [this] { return Bases(); });
    AddButtons(7);
}

void EnvoyDialog::Fill() {
    // Nothing is shown before an envoy or a gang is chosen: an empty label, never a hostility of 0
    // that no gang has.
    for (QLabel* label : skill_)
        label->clear();
    EmptyBoxes();
    FillList(envoys_, EnvoysListing(world(), menuState()), [this](int h) { return PersonName(h); });
    FillList(gangs_, Gangs(), [this](int g) { return GroupName(g); });
}

Listing AllyOk::Gangs() {
    return UnalliedGangsListing(world());
}

Amounts<4> AllyOk::Bases() {
    return AllianceBarBases(world(), menuState());
}

void AllyOk::Ok() {
    Show(MakeAlliance(world(), menuState(), Selected(envoys_), Selected(gangs_), GoodsTexts()));
}

Listing AllyHelp::Gangs() {
    return AlliedGangsListing(world());
}

Amounts<4> AllyHelp::Bases() {
    return AidBarBases();
}

void AllyHelp::Ok() {
    Show(RequestAid(world(), menuState(), Selected(envoys_), Selected(gangs_), GoodsTexts()));
}

// --- 동맹취소 ---------------------------------------------------------------------------------

AllyCancel::AllyCancel(Screens& screens)
    : CommandDialog(screens, "AllyCancel", "동맹취소", Menu::Diplomacy) {
    gangs_ = AddList("LL", 0, 0, 1, 2);
    OnChoose(gangs_, [this](int g) { Write(hostility_, world().GroupHostility[g]); });
    hostility_ = AddFigure(0, "적대감 :", 1, 0);
    AddButtons(2);
}

void AllyCancel::Fill() {
    hostility_->setText("0");
    FillList(gangs_, AlliedGangsListing(world()), [this](int g) { return GroupName(g); });
}

void AllyCancel::Ok() {
    const std::optional<int> gang = Selected(gangs_);
    const auto cancel = [gang](World& w, MenuState& m) { return CancelAlliance(w, m, gang); };
    if (gang && !AskFirst(cancel, "동맹취소",
                          QStringLiteral("%1과(와)의 동맹을 취소하시겠습니까?")
                              .arg(QString::fromStdString(GroupName(*gang))))) {
        return;
    }
    Show(cancel(world(), menuState()));
}

}  // namespace golmok::screens
