#include "screens/FightField.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "fight/FightSummary.h"
#include "screens/Platform.h"
#include "screens/Screens.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

// The field is drawn at twice the size of the other screens, so that a cell is 64 pixels and the
// pieces can be told apart.
constexpr int F(int twips) {
    return twips * 2 / 15;
}

constexpr int kComputerClockMs = 200;
constexpr int kWeaponShownMs = 100;
// A fight fought by itself moves one round (a turn of each side) every 200 ms, the computer's
// own clock: a player can follow every step. The fast pace runs it in ticks of 20 ms with as many
// rounds in each as end it within 4 s.
constexpr int kAutoPaceMs = 200;
constexpr int kFastTickMs = 20;
constexpr int kFastFightMs = 4000;

constexpr const char* kVersus = "VS";
constexpr const char* kStaminaWord = "체력 :";
// The two buttons have keys of their own, outside the fight's keys (any letter passes a turn):
// F2 for 자동 싸움 or 직접 싸움, F3 for 빠르게 or 천천히. The captions name them.
constexpr Qt::Key kAutoKey = Qt::Key_F2;
constexpr Qt::Key kFastKey = Qt::Key_F3;
constexpr const char* kAutoOn = "자동 싸움 (F2)";
constexpr const char* kAutoOff = "직접 싸움 (F2)";
constexpr const char* kFastOn = "빠르게 (F3)";
constexpr const char* kFastOff = "천천히 (F3)";

QString FighterPicture(bool player, const World& world, int human) {
    const int w = WeaponIndex(world.HumanWeapon[human]);
    return QStringLiteral("%1%2").arg(player ? "fighter" : "enemy").arg(w);
}

// Qt keys as the keys of the fight, by their virtual key codes. Letters and digits share their
// codes; any other key still counts as a key press (it passes the turn while moving).
FightKey KeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Escape:
            return FightKey::Esc;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return FightKey::Enter;
        case Qt::Key_Left:
            return FightKey::Left;
        case Qt::Key_Up:
            return FightKey::Up;
        case Qt::Key_Right:
            return FightKey::Right;
        case Qt::Key_Down:
            return FightKey::Down;
        case Qt::Key_Space:
            return FightKey{32};
        case Qt::Key_Shift:
            return FightKey{16};
        case Qt::Key_Control:
            return FightKey{17};
        case Qt::Key_Alt:
            return FightKey{18};
        default:
            break;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return FightKey{qtKey};
    }
    return FightKey{0};
}

QLabel* PanelLabel(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(F(left), F(top), F(width), F(375));
    QFont font = label->font();
    font.setPixelSize(18);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: #f3e6c4; background: transparent;");
    return label;
}

const char* kBarStyle =
    "QProgressBar { background: #2b2118; border: 1px solid #0b0f18; }"
    "QProgressBar::chunk { background: %1; }";

}  // namespace

void Piece::SetBorder(Border border) {
    if (border_ == border) return;
    border_ = border;
    update();
}

void Piece::paintEvent(QPaintEvent* event) {
    Picture::paintEvent(event);
    if (border_ == Border::None) return;
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    if (border_ == Border::Flat) {
        painter.setPen(QPen(QColor(0x8d, 0xa0, 0xb8), 1));
        painter.drawRect(r);
        return;
    }
    // Raised: lamplight on the top and left, shadow on the bottom and right, four pixels deep.
    for (int k = 0; k < 4; ++k) {
        const QRect ring = r.adjusted(k, k, -k, -k);
        painter.setPen(QPen(k == 0 ? QColor(0xff, 0xf4, 0xd0) : QColor(0xd9, 0xa4, 0x41), 1));
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(QPen(k == 0 ? QColor(0x0b, 0x0f, 0x18) : QColor(0x5a, 0x43, 0x30), 1));
        painter.drawLine(ring.bottomLeft(), ring.bottomRight());
        painter.drawLine(ring.topRight(), ring.bottomRight());
    }
}

FightField::FightField(Screens& screens, const char* name, FightSide side)
    : Screen(screens, name, "맞짱") {
    // The defending field's client area is 4770 high, 30 twips short of the 4800 board: both
    // fields are as high as the board, so its last row is never cut.
    setFixedSize(F(6330), std::max(F(side == FightSide::Attack ? 4800 : 4770), F(4800)));
    QPalette ink = palette();
    ink.setColor(QPalette::Window, QColor(0x1b, 0x22, 0x33));
    setPalette(ink);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* board = new Picture("board", this);
    board->setObjectName("Image1");
    board->setGeometry(0, 0, F(4800), F(4800));

    for (int i = 0; i < kSlotCount; ++i) {
        for (bool player : {true, false}) {
            auto* piece = new Piece(player ? "fighter0" : "enemy0", board);
            piece->setObjectName(player ? "YI" : "CI");
            piece->setProperty("index", i);
            piece->resize(F(kCell), F(kCell));
            piece->hide();
            connect(piece, &Picture::hovered, this, [this, player, i] { Pointed(player, i); });
            (player ? yi_ : ci_)[i] = piece;

            auto* bar = new QProgressBar(board);
            bar->setObjectName(player ? "YPB1" : "CPB1");
            bar->setProperty("index", i);
            bar->setTextVisible(false);
            bar->resize(F(495), F(90));
            bar->setStyleSheet(QString(kBarStyle).arg(player ? "#d9a441" : "#8da0b8"));
            bar->hide();
            (player ? ypb1_ : cpb1_)[i] = bar;
        }
    }
    for (int w = 0; w < kWeaponCount; ++w) {
        for (bool player : {true, false}) {
            auto* piece =
                new Picture(QStringLiteral("%1%2").arg(player ? "aim" : "strike").arg(w), board);
            piece->setObjectName(player ? "ArmorI" : "ArmorI2");
            piece->setProperty("index", w);
            piece->resize(F(kCell), F(kCell));
            piece->setAttribute(Qt::WA_TransparentForMouseEvents);
            piece->hide();
            (player ? armorI_ : armorI2_)[w] = piece;
        }
    }
    for (auto& mark : hit_) {
        mark = new Picture("hit", board);
        mark->setObjectName("Hit");
        mark->resize(F(kCell), F(kCell));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
    }

    // The side panel: the district, the two gangs, the pointed fighter.
    static constexpr int kSkillTops[] = {480, 1440, 2400, 3360, 3840};
    for (int i = 0; i < 5; ++i) {
        skill_[i] = PanelLabel(this, QString(), i == 4 ? 5760 : 5040, kSkillTops[i], 1095);
        skill_[i]->setObjectName("Skill");
        skill_[i]->setProperty("index", i);
    }
    skill_[3]->hide();
    skill_[4]->hide();
    auto* versus = PanelLabel(this, kVersus, 5280, 1920, 600);
    versus->setObjectName("Label3");
    versus->setStyleSheet("color: #b8322a; background: transparent;");
    label2_ = PanelLabel(this, kStaminaWord, 5040, 3840, 720);
    label2_->setObjectName("Label2");
    label2_->hide();

    auto_ = new QPushButton(kAutoOn, this);
    auto_->setObjectName("AutoBattle");
    auto_->setGeometry(F(4920), F(4320), F(1320), F(420));
    auto_->setFocusPolicy(Qt::NoFocus);
    auto_->setStyleSheet(
        "QPushButton { background: #b8322a; color: #f3e6c4; border: 2px solid #d9a441;"
        " border-radius: 6px; font-weight: bold; font-size: 13px; }"
        "QPushButton:pressed { background: #8a251f; }");
    connect(auto_, &QPushButton::clicked, this, &FightField::ToggleAutoBattle);
    fast_ = new QPushButton(kFastOn, this);
    fast_->setObjectName("FastPace");
    fast_->setGeometry(F(4920), F(2850), F(1320), F(420));
    fast_->setFocusPolicy(Qt::NoFocus);
    fast_->setStyleSheet(auto_->styleSheet());
    connect(fast_, &QPushButton::clicked, this, &FightField::ToggleFastPace);

    // No 1 ms clocks for the death pass and the highlight: both run after each event that can
    // change what they look at.
    timer2_.setInterval(kComputerClockMs);
    connect(&timer2_, &QTimer::timeout, this, &FightField::ComputerTick);
    timer3_.setInterval(kWeaponShownMs);
    timer3_.setSingleShot(true);
    connect(&timer3_, &QTimer::timeout, this, &FightField::HideTick);
    autoTimer_.setInterval(kAutoPaceMs);
    connect(&autoTimer_, &QTimer::timeout, this, &FightField::AutoTick);
}

Fight* FightField::fight() {
    return screens_.session().fight();
}

void FightField::Begin() {
    Fight* running = fight();
    if (!running) return;
    const World& world = screens_.world();
    for (int i = 0; i < kSlotCount; ++i) {
        for (bool player : {true, false}) {
            const Fighter& f = (player ? running->player : running->enemy)[i];
            if (f.human >= 0)
                (player ? yi_ : ci_)[i]->SetPicture(FighterPicture(player, world, f.human));
            (player ? yi_ : ci_)[i]->resize(F(kCell), F(kCell));
        }
    }
    skill_[0]->setText(QString::fromStdString(running->cityName));
    skill_[1]->setText(QString::fromStdString(running->playerGroupName));
    skill_[2]->setText(QString::fromStdString(running->enemyGroupName));
    if (running->realTime) timer2_.start();
    setFocus();  // the keys are the field's
    Refresh();
    Finish({});
}

void FightField::Refresh() {
    const Fight* running = fight();
    if (!running) return;
    for (int i = 0; i < kSlotCount; ++i) {
        for (bool player : {true, false}) {
            const Fighter& f = (player ? running->player : running->enemy)[i];
            Piece* piece = (player ? yi_ : ci_)[i];
            piece->move(F(f.shown.x), F(f.shown.y));
            piece->setVisible(f.present);
            if (player) {
                piece->SetBorder(!f.present                     ? Piece::Border::None
                                 : i == running->PlayerTurnSlot ? Piece::Border::Raised
                                                                : Piece::Border::Flat);
            }
            piece->setToolTip(QString::number(i));
            QProgressBar* bar = (player ? ypb1_ : cpb1_)[i];
            bar->setVisible(f.bar.visible && f.present);
            bar->setMaximum(static_cast<int>(f.bar.maximum));
            bar->setValue(static_cast<int>(std::min(f.bar.value, f.bar.maximum)));
            bar->move(F(f.shown.x), F(f.shown.y + kCell) - F(90));
        }
    }
    for (int w = 0; w < kWeaponCount; ++w) {
        const WeaponPiece& aim = running->playerWeapons[w];
        armorI_[w]->move(F(aim.shown.x), F(aim.shown.y));
        armorI_[w]->setVisible(aim.visible);
        armorI_[w]->raise();
        const WeaponPiece& strike = running->enemyWeapons[w];
        armorI2_[w]->move(F(strike.shown.x), F(strike.shown.y));
        armorI2_[w]->setVisible(strike.visible);
        armorI2_[w]->raise();
    }
    auto_->setText(running->autoBattle ? kAutoOff : kAutoOn);
    fast_->setText(running->autoBattle && fastPace_ ? kFastOff : kFastOn);
}

std::array<double, kSlotCount * 2> FightField::Health() const {
    std::array<double, kSlotCount * 2> health{};
    const Fight* running = screens_.session().fight();
    if (!running) return health;
    const World& world = screens_.session().world();
    for (int i = 0; i < kSlotCount; ++i) {
        for (int side = 0; side < 2; ++side) {
            const Fighter& f = (side == 0 ? running->player : running->enemy)[i];
            health[side * kSlotCount + i] =
                f.human >= 0 ? world.HumanStamina[f.human] + world.HumanMembers[f.human] : 0;
        }
    }
    return health;
}

// A struck piece flashes for as long as the computer's weapon shows.
void FightField::MarkHits(const std::array<double, kSlotCount * 2>& before) {
    const Fight* running = fight();
    if (!running) return;
    const std::array<double, kSlotCount* 2> after = Health();
    bool any = false;
    for (int k = 0; k < kSlotCount * 2; ++k) {
        if (after[k] >= before[k]) continue;
        const Fighter& f = (k < kSlotCount ? running->player : running->enemy)[k % kSlotCount];
        hit_[k]->move(F(f.shown.x), F(f.shown.y));
        hit_[k]->show();
        hit_[k]->raise();
        any = true;
    }
    if (any) timer3_.start();
}

void FightField::Finish(std::vector<std::string> messages) {
    Fight* running = fight();
    if (!running) return;
    World& world = screens_.world();
    if (!running->over()) {
        for (std::string& text : DeathPass(world, *running))
            messages.push_back(std::move(text));
    }
    if (running->enemyWeaponClock) timer3_.start();
    Refresh();
    if (!running->over()) return;
    // The result is applied once: no clock may act again while the message is on screen.
    timer2_.stop();
    timer3_.stop();
    autoTimer_.stop();
    for (const std::string& message : messages) {
        screens_.platform().Inform(this, QString::fromStdString(message));
    }
    // Then what the fight came to, in one message.
    screens_.platform().Inform(
        this, QString::fromStdString(FightSummaryText(world, SummarizeFight(world, *running))));
    released_ = true;
    screens_.FightOver();
}

void FightField::PressFightKey(FightKey key) {
    Fight* running = fight();
    if (!running || running->over()) return;
    const auto before = Health();
    std::vector<std::string> messages = PressKey(screens_.world(), *running, key);
    MarkHits(before);
    Finish(std::move(messages));
}

void FightField::ComputerTick() {
    Fight* running = fight();
    if (!running || running->over()) return;
    const auto before = Health();
    std::vector<std::string> messages = ComputerAct(screens_.world(), *running);
    MarkHits(before);
    Finish(std::move(messages));
}

void FightField::HideTick() {
    if (Fight* running = fight()) HideEnemyWeapons(*running);
    for (Picture* mark : hit_)
        mark->hide();
    Refresh();
}

void FightField::AutoTick() {
    Fight* running = fight();
    if (!running || running->over() || !running->autoBattle) return;
    const auto before = Health();
    std::vector<std::string> messages;
    for (int k = 0; k < roundsPerTick_ && !running->over(); ++k) {
        for (std::string& text : AutoRound(screens_.world(), *running))
            messages.push_back(std::move(text));
    }
    MarkHits(before);
    Finish(std::move(messages));
}

void FightField::ToggleAutoBattle() {
    Fight* running = fight();
    if (!running || running->over()) return;
    running->autoBattle = !running->autoBattle;
    if (running->autoBattle) {
        // The aim is put away: the side now moves by itself. Both sides now move in rounds on
        // one clock, so the computer's own clock rests.
        running->Aiming = false;
        timer2_.stop();
        fastPace_ = false;
        roundsPerTick_ = 1;
        autoTimer_.start(kAutoPaceMs);
    } else {
        autoTimer_.stop();
        fastPace_ = false;
        if (running->realTime) timer2_.start();
    }
    Refresh();
}

void FightField::ToggleFastPace() {
    Fight* running = fight();
    if (!running || running->over()) return;
    if (!running->autoBattle) ToggleAutoBattle();
    fastPace_ = !fastPace_;
    if (fastPace_) {
        // The rounds left are counted on a copy, so the ticks share them out evenly.
        constexpr int kTicks = kFastFightMs / kFastTickMs;
        const int rounds = AutoRoundsLeft(screens_.world(), *running);
        roundsPerTick_ = std::max(1, (rounds + kTicks - 1) / kTicks);
        autoTimer_.start(kFastTickMs);
    } else {
        roundsPerTick_ = 1;
        autoTimer_.start(kAutoPaceMs);
    }
    Refresh();
}

void FightField::Pointed(bool player, int slot) {
    const Fight* running = fight();
    if (!running) return;
    const Fighter& f = (player ? running->player : running->enemy)[slot];
    if (!f.present) return;
    const World& world = screens_.world();
    skill_[3]->setText(QString::fromStdString(world.HumanName[f.human]));
    skill_[4]->setText(QString::fromStdString(FormatNumber(world.HumanStamina[f.human])));
    skill_[3]->show();
    skill_[4]->show();
    label2_->show();
}

void FightField::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (event->key() == kAutoKey) {
        if (auto_->isEnabled() && auto_->isVisible()) auto_->click();
        return;
    }
    if (event->key() == kFastKey) {
        if (fast_->isEnabled() && fast_->isVisible()) fast_->click();
        return;
    }
    PressFightKey(KeyOf(event->key()));
}

void FightField::closeEvent(QCloseEvent* event) {
    // A running fight cannot be left; the field closes itself on the result.
    if (!released_) {
        event->ignore();
        return;
    }
    timer2_.stop();
    timer3_.stop();
    autoTimer_.stop();
    Screen::closeEvent(event);
}

}  // namespace golmok::screens
