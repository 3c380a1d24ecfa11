#include "screens/fight/FightField.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "fight/FightSummary.h"
#include "screens/Screens.h"
#include "screens/look/Look.h"
#include "screens/look/Platform.h"
#include "world/Numbers.h"

namespace golmok::screens {

namespace {

constexpr int kComputerClockMs = 200;
constexpr int kWeaponShownMs = 100;
// A fight fought by itself moves one round (a turn of each side) every 200 ms, the computer's
// own clock: a player can follow every step. The fast pace runs it in ticks of 20 ms with as many
// rounds in each as end it within 4 s.
constexpr int kAutoPaceMs = 200;
constexpr int kFastTickMs = 20;
constexpr int kFastFightMs = 4000;

// A blow's figure stays long enough to be read at the normal pace; the next blow replaces it.
constexpr int kDamageShownMs = 700;

constexpr int kFieldWidth = 7200;
constexpr int kBoardSide = 4800;  // twips: ten cells
constexpr int kPanelLeft = 4890;  // twips
constexpr int kPanelWidth = 2220;

constexpr const char* kVersus = "VS";
// Which gang is whose, in words as well as colours, and where its pieces stand.
constexpr const char* kOurSide = "우리 편 (위)";
constexpr const char* kTheirSide = "상대 편 (아래)";
constexpr const char* kStaminaWord = "체력 :";
// The two buttons have keys of their own, outside the fight's keys (any letter passes a turn):
// F2 for 자동 싸움 or 직접 싸움, F3 for 빠르게 or 천천히. The captions name them.
constexpr Qt::Key kAutoKey = Qt::Key_F2;
constexpr Qt::Key kFastKey = Qt::Key_F3;
constexpr const char* kAutoOn = "자동 싸움 (F2)";
constexpr const char* kAutoOff = "직접 싸움 (F2)";
constexpr const char* kFastOn = "빠르게 (F3)";
constexpr const char* kFastOff = "천천히 (F3)";
// The keys of the field, under the lists. Esc puts the aim away only on the attacking field; on
// either field any other key passes the turn where the fighter stands.
constexpr const char* kAttackKeys =
    "방향키: 한 칸 움직이기 · A: 무기 들기, 방향키로 겨누기 · Enter: 치기 · Esc: 겨누기 "
    "그만 · 다른 키: 제자리에서 차례 넘기기 · F2: 자동 싸움 · F3: 빠르게";
constexpr const char* kDefenceKeys =
    "방향키: 한 칸 움직이기 · A: 무기 들기, 방향키로 겨누기 · Enter: 치기 · Esc와 다른 키: "
    "제자리에서 차례 넘기기 · F2: 자동 싸움 · F3: 빠르게";
constexpr const char* kTurnMode = "전투: 턴";
constexpr const char* kRealMode = "전투: 리얼타임";

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

int Times(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
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

void Piece::SetFigures(const QString& shortName, double stamina, double members) {
    if (shortName == shortName_ && stamina == stamina_ && members == members_) return;
    shortName_ = shortName;
    stamina_ = std::clamp(stamina, 0.0, 1.0);
    members_ = std::clamp(members, 0.0, 1.0);
    update();
}

void Piece::paintEvent(QPaintEvent* event) {
    Picture::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBorder(painter);
    if (!shortName_.isEmpty()) {
        // The name on a dark band over the top of the picture, inside the border (the ring of
        // the active fighter stays whole), then the two bars under it: stamina in red, members
        // in blue, on a dark track that shows what was lost.
        // Lengths in pixels at 100 %, at the field's scale.
        const auto px = [this](int pixels) { return Times(pixels, scale_); };
        const int inset = px(border_ == Border::Raised ? 9 : border_ == Border::Flat ? 1 : 0);
        const int band = px(15);
        painter.fillRect(QRect(inset, inset, width() - 2 * inset, band), QColor(11, 15, 24, 200));
        QFont font = this->font();
        font.setPixelSize(px(12));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0xff, 0xf4, 0xd0));
        const QRect nameArea(inset + px(1), inset, width() - 2 * inset - px(2), band);
        painter.drawText(
            nameArea, Qt::AlignCenter,
            QFontMetrics(font).elidedText(shortName_, Qt::ElideRight, nameArea.width()));
        const int left = std::max(inset, px(4));
        const int barWidth = width() - 2 * left;
        const std::pair<double, QColor> bars[] = {{stamina_, QColor(0xe0, 0x4a, 0x3c)},
                                                  {members_, QColor(0x4a, 0x9c, 0xe8)}};
        int top = inset + band + px(1);
        for (const auto& [share, colour] : bars) {
            painter.fillRect(QRect(left, top, barWidth, px(4)), QColor(11, 15, 24, 220));
            painter.fillRect(QRect(left, top, static_cast<int>(barWidth * share + 0.5), px(4)),
                             colour);
            top += px(5);
        }
    }
}

void Piece::PaintBorder(QPainter& painter) const {
    if (border_ == Border::None) return;
    // Lengths in pixels at 100 %, at the field's scale.
    const double s = scale_;
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (border_ == Border::Flat) {
        const int line = Times(1, s);
        const double in = (line - 1) / 2.0;  // the line's middle, half its width in
        painter.setPen(QPen(QColor(0x8d, 0xa0, 0xb8), line));
        painter.drawRect(r.adjusted(in, in, -in, -in));
        return;
    }
    // Raised: a ring of lamplight six pixels wide between two ink lines, so that it shows on the
    // dark board and on a light piece alike; its inner edge is lit on the top and left and
    // shaded on the bottom and right, as a raised frame is.
    const QColor ink(0x0b, 0x0f, 0x18);
    painter.setPen(QPen(ink, 2 * s));
    painter.drawRoundedRect(r.adjusted(s, s, -s, -s), 6 * s, 6 * s);
    painter.setPen(QPen(QColor(0xff, 0xd5, 0x4a), 6 * s));
    painter.drawRoundedRect(r.adjusted(5 * s, 5 * s, -5 * s, -5 * s), 4 * s, 4 * s);
    const QRectF inner = r.adjusted(8.5 * s, 8.5 * s, -8.5 * s, -8.5 * s);
    painter.setPen(QPen(QColor(0xff, 0xf4, 0xd0), 1.5 * s));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(QPen(ink, 1.5 * s));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

DamageFigure::DamageFigure(QWidget* parent, double scale) : QWidget(parent), scale_(scale) {
    setObjectName("Damage");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DamageFigure::SetDamage(double damage) {
    // A blow for nothing shows a bare 0: it landed, and took nothing.
    text_ = damage > 0 ? QStringLiteral("-%1").arg(QString::fromStdString(FormatNumber(damage)))
                       : QStringLiteral("0");
    update();
}

void DamageFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = this->font();
    font.setPixelSize(Times(22, scale_));
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, text_);
    const QRectF box = path.boundingRect();
    path.translate((width() - box.width()) / 2 - box.left(),
                   (height() - box.height()) / 2 - box.top());
    painter.strokePath(path, QPen(QColor(0x8a, 0x14, 0x10), 5 * scale_, Qt::SolidLine, Qt::RoundCap,
                                  Qt::RoundJoin));
    painter.fillPath(path, QColor(0xff, 0xf4, 0xd0));
}

FightField::FightField(Screens& screens, const char* name, FightSide side)
    : Screen(screens, name, "맞짱") {
    // Measured at 100 %, before the field takes its scale.
    scale_ = screens_.ScaleToFit(QSize(F(kFieldWidth), F(kBoardSide)));
    // The defending field's client area is 4770 high, 30 twips short of the 4800 board: both
    // fields are as high as the board, so its last row is never cut.
    // Wider than the first board's 6330 twips: the side panel lists every fighter and the keys.
    setFixedSize(F(kFieldWidth),
                 std::max(F(side == FightSide::Attack ? kBoardSide : 4770), F(kBoardSide)));
    QPalette ink = palette();
    ink.setColor(QPalette::Window, QColor(0x1b, 0x22, 0x33));
    setPalette(ink);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* board = new Picture("board", this);
    board->setObjectName("Image1");
    board->setGeometry(0, 0, F(kBoardSide), F(kBoardSide));

    for (int i = 0; i < kSlotCount; ++i) {
        for (bool player : {true, false}) {
            auto* piece = new Piece(player ? "fighter0" : "enemy0", board);
            piece->setObjectName(player ? "YI" : "CI");
            piece->setProperty("index", i);
            piece->SetScale(scale_);
            piece->resize(F(kCell), F(kCell));
            piece->hide();
            connect(piece, &Picture::hovered, this, [this, player, i] { Pointed(player, i); });
            (player ? yi_ : ci_)[i] = piece;

            auto* bar = new QProgressBar(board);
            bar->setObjectName(player ? "YPB1" : "CPB1");
            bar->setProperty("index", i);
            bar->setTextVisible(false);
            bar->resize(F(495), F(90));
            bar->setStyleSheet(
                ScaledSheet(QString(kBarStyle).arg(player ? "#d9a441" : "#8da0b8"), scale_));
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
    for (int k = 0; k < kSlotCount * 2; ++k) {
        Picture*& mark = hit_[k];
        mark = new Picture("hit", board);
        mark->setObjectName("Hit");
        mark->setProperty("index", k);
        mark->resize(F(kCell), F(kCell));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
    }
    for (int k = 0; k < kSlotCount * 2; ++k) {
        damage_[k] = new DamageFigure(board, scale_);
        damage_[k]->setProperty("index", k);
        damage_[k]->resize(F(kCell), Scaled(30));
    }

    // The side panel: the district and the mode, each gang with its fighters, the pointed
    // fighter, the keys and the two buttons.
    static constexpr int kSkillLefts[] = {kPanelLeft, 5070, 5070, 5700, 6780};
    static constexpr int kSkillTops[] = {60, 540, 2400, 2010, 2010};
    static constexpr int kSkillWidths[] = {1300, 1980, 1980, 780, 420};
    for (int i = 0; i < 5; ++i) {
        skill_[i] = PanelLabel(QString(), kSkillLefts[i], kSkillTops[i], kSkillWidths[i]);
        skill_[i]->setObjectName("Skill");
        skill_[i]->setProperty("index", i);
    }
    skill_[3]->hide();
    skill_[4]->hide();
    auto* versus = PanelLabel(kVersus, kPanelLeft + 60, 2010, 600);
    versus->setObjectName("Label3");
    versus->setStyleSheet("color: #b8322a; background: transparent;");
    mode_ = new QLabel(this);
    mode_->setObjectName("Mode");
    mode_->setGeometry(F(6240), F(60), F(kFieldWidth - 6240 - 60), F(375));
    mode_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Over each gang's name, whose side it is and where its pieces stand; beside it, its colour.
    static constexpr int kSideTops[] = {390, 2250};
    static constexpr int kNameTops[] = {540, 2400};
    static constexpr int kRosterTops[] = {900, 2760};
    for (int k = 0; k < 2; ++k) {
        side_[k] = new QLabel(k == 0 ? kOurSide : kTheirSide, this);
        side_[k]->setObjectName("Side");
        side_[k]->setProperty("index", k);
        side_[k]->setGeometry(F(kPanelLeft), F(kSideTops[k]), F(1200), Scaled(20));
        QFont small = side_[k]->font();
        small.setPixelSize(Scaled(13));
        small.setBold(true);
        side_[k]->setFont(small);
        mode_->setFont(small);
        // In the colours of the side's pieces: brass for ours, slate for theirs.
        side_[k]->setStyleSheet(k == 0 ? "color: #d9a441; background: transparent;"
                                       : "color: #8da0b8; background: transparent;");
        swatch_[k] = new QLabel(this);
        swatch_[k]->setObjectName("Swatch");
        swatch_[k]->setProperty("index", k);
        swatch_[k]->setGeometry(F(kPanelLeft), F(kNameTops[k]) + (F(375) - Scaled(16)) / 2,
                                Scaled(16), Scaled(16));
        swatch_[k]->hide();
        roster_[k] = new QLabel(this);
        roster_[k]->setObjectName("Roster");
        roster_[k]->setProperty("index", k);
        roster_[k]->setGeometry(F(kPanelLeft), F(kRosterTops[k]), F(kPanelWidth), F(1140));
        roster_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        roster_[k]->setTextFormat(Qt::RichText);
        QFont list = roster_[k]->font();
        list.setPixelSize(Scaled(13));
        roster_[k]->setFont(list);
        roster_[k]->setStyleSheet("color: #f3e6c4; background: transparent;");
    }
    mode_->setStyleSheet("color: #f3e6c4; background: transparent;");
    label2_ = PanelLabel(kStaminaWord, 6300, 2010, 480);
    label2_->setObjectName("Label2");
    label2_->hide();

    keys_ = new QLabel(this);
    keys_->setObjectName("Keys");
    keys_->setGeometry(F(kPanelLeft), F(3945), F(kPanelWidth), F(480));
    keys_->setWordWrap(true);
    keys_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont keyFont = keys_->font();
    keyFont.setPixelSize(Scaled(12));
    keys_->setFont(keyFont);
    keys_->setStyleSheet("color: #c8d0dc; background: transparent;");
    keys_->setText(side == FightSide::Attack ? kAttackKeys : kDefenceKeys);

    auto_ = new QPushButton(kAutoOn, this);
    auto_->setObjectName("AutoBattle");
    auto_->setGeometry(F(6030), F(4440), F(1080), F(330));
    auto_->setFocusPolicy(Qt::NoFocus);
    auto_->setStyleSheet(
        ScaledSheet("QPushButton { background: #b8322a; color: #f3e6c4; border: 2px solid #d9a441;"
                    " border-radius: 6px; font-weight: bold; font-size: 13px; }"
                    "QPushButton:pressed { background: #8a251f; }",
                    scale_));
    connect(auto_, &QPushButton::clicked, this, &FightField::ToggleAutoBattle);
    fast_ = new QPushButton(kFastOn, this);
    fast_->setObjectName("FastPace");
    fast_->setGeometry(F(kPanelLeft), F(4440), F(1080), F(330));
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
    damageTimer_.setInterval(kDamageShownMs);
    damageTimer_.setSingleShot(true);
    connect(&damageTimer_, &QTimer::timeout, this, &FightField::HideDamage);
}

int FightField::Scaled(int pixels) const {
    return Times(pixels, scale_);
}

QLabel* FightField::PanelLabel(const QString& text, int left, int top, int width) {
    auto* label = new QLabel(text, this);
    label->setGeometry(F(left), F(top), F(width), F(375));
    QFont font = label->font();
    font.setPixelSize(Scaled(18));
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: #f3e6c4; background: transparent;");
    return label;
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
    ShowSides(*running);
    mode_->setText(running->realTime ? kRealMode : kTurnMode);
    mode_->setToolTip(running->realTime ? "상대는 0.2초마다 한 번씩 움직입니다."
                                        : "내 차례가 넘어갈 때마다 상대가 한 번 움직입니다.");
    for (int k = 0; k < kSlotCount * 2; ++k) {
        const Fighter& f = (k < kSlotCount ? running->player : running->enemy)[k % kSlotCount];
        if (f.human < 0) continue;
        startStamina_[k] = world.HumanStamina[f.human];
        startMembers_[k] = world.HumanMembers[f.human];
    }
    if (running->realTime) timer2_.start();
    setFocus();  // the keys are the field's
    Refresh();
    Finish({});
}

void FightField::Refresh() {
    const Fight* running = fight();
    if (!running) return;
    const World& world = screens_.world();
    if (pointedSlot_ >= 0) {
        const Fighter& pointed = (pointedPlayer_ ? running->player : running->enemy)[pointedSlot_];
        if (pointed.present) {
            skill_[4]->setText(
                QString::fromStdString(FormatNumber(world.HumanStamina[pointed.human])));
        } else {
            // He has fallen: his figures go with him.
            pointedSlot_ = -1;
            skill_[3]->hide();
            skill_[4]->hide();
            label2_->hide();
        }
    }
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
            // The piece names its fighter and his strength, not a bare slot number.
            piece->setToolTip(
                f.human < 0
                    ? QString()
                    : QStringLiteral("%1 — 체력 %2, 조직원 %3")
                          .arg(QString::fromStdString(world.HumanName[f.human]),
                               QString::fromStdString(FormatNumber(world.HumanStamina[f.human])),
                               QString::fromStdString(FormatNumber(world.HumanMembers[f.human]))));
            if (f.human >= 0) {
                const int k = (player ? 0 : kSlotCount) + i;
                const auto share = [](double now, double start) {
                    return start > 0 ? std::max(0.0, now) / std::max(start, now) : 0.0;
                };
                piece->SetFigures(QString::fromStdString(world.HumanName[f.human]),
                                  share(world.HumanStamina[f.human], startStamina_[k]),
                                  share(world.HumanMembers[f.human], startMembers_[k]));
            }
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
    // What a blow took stays readable over the weapon that struck it.
    for (DamageFigure* figure : damage_) {
        if (figure->isVisible()) figure->raise();
    }
    ShowRoster(*running);
    auto_->setText(running->autoBattle ? kAutoOff : kAutoOn);
    fast_->setText(running->autoBattle && fastPace_ ? kFastOff : kFastOn);
}

void FightField::ShowRoster(const Fight& running) {
    const World& world = screens_.world();
    for (int k = 0; k < 2; ++k) {
        const auto& side = k == 0 ? running.player : running.enemy;
        QString rows = QStringLiteral("<table cellspacing='0' cellpadding='%1'>").arg(Scaled(1));
        for (int i = 0; i < kSlotCount; ++i) {
            const Fighter& f = side[i];
            if (f.human < 0) continue;
            // Whose move it is: the player's active fighter, marked as his piece is.
            const bool active = k == 0 && f.present && i == running.PlayerTurnSlot;
            const QString name = QString::fromStdString(world.HumanName[f.human]).toHtmlEscaped();
            const QString weapon = QString::fromStdString(world.HumanWeapon[f.human]);
            QString figures;
            if (f.present) {
                figures =
                    QStringLiteral("<td>체력 %1</td><td>조직원 %2</td>")
                        .arg(QString::fromStdString(FormatNumber(world.HumanStamina[f.human])),
                             QString::fromStdString(FormatNumber(world.HumanMembers[f.human])));
            } else {
                figures = "<td colspan='2' style='color:#ff8a7a'>쓰러짐</td>";
            }
            const QString style = !f.present
                                      ? " style='color:#7d8594; text-decoration: line-through'"
                                  : active ? " style='color:#ffd54a; font-weight: bold'"
                                           : "";
            rows += QStringLiteral(
                        "<tr%1><td width='%2'>%3</td><td width='%4'>%5</td>"
                        "<td width='%6'>%7</td>%8</tr>")
                        .arg(style, QString::number(Scaled(14)), active ? "▶" : "",
                             QString::number(Scaled(58)), name, QString::number(Scaled(44)), weapon,
                             figures);
        }
        rows += "</table>";
        roster_[k]->setText(rows);
    }
}

void FightField::ShowSides(const Fight& running) {
    const World& world = screens_.world();
    const std::string* names[] = {&running.playerGroupName, &running.enemyGroupName};
    for (int k = 0; k < 2; ++k) {
        const std::optional<int> gang = world.GroupIndexOf(*names[k]);
        swatch_[k]->setVisible(gang.has_value());
        if (!gang) continue;
        swatch_[k]->setStyleSheet(
            ScaledSheet(QStringLiteral("background: %1; border: 2px solid #f3e6c4;")
                            .arg(GangColor(world.GroupColor[*gang]).name()),
                        scale_));
        swatch_[k]->setToolTip(QString::fromStdString(*names[k]));
    }
}

void FightField::ShowStrikes() {
    Fight* running = fight();
    if (!running) return;
    const std::vector<Strike> strikes = TakeStrikes(*running);
    if (strikes.empty()) return;
    // The marks of an earlier step go, even where the weapon's clock has not yet run out (at the
    // fast pace a step comes every 20 ms).
    for (Picture* mark : hit_)
        mark->hide();
    for (DamageFigure* figure : damage_)
        figure->hide();
    // A piece struck more than once in one step (at the fast pace) shows what the blows took
    // together, where the last one found him.
    std::array<double, kSlotCount * 2> taken{};
    std::array<bool, kSlotCount * 2> struck{};
    for (const Strike& blow : strikes) {
        const auto k = static_cast<std::size_t>((blow.playerSide ? 0 : kSlotCount) + blow.slot);
        taken[k] += blow.damage;
        struck[k] = true;
        hit_[k]->move(F(blow.at.x), F(blow.at.y));
        damage_[k]->move(F(blow.at.x), F(blow.at.y) + Scaled(2));
    }
    for (std::size_t k = 0; k < damage_.size(); ++k) {
        if (!struck[k]) continue;
        hit_[k]->show();
        hit_[k]->raise();
        damage_[k]->SetDamage(taken[k]);
        damage_[k]->show();
        damage_[k]->raise();
    }
    timer3_.start();
    damageTimer_.start();
}

void FightField::HideDamage() {
    for (DamageFigure* figure : damage_)
        figure->hide();
}

void FightField::Finish(std::vector<std::string> messages) {
    Fight* running = fight();
    if (!running) return;
    World& world = screens_.world();
    if (!running->over()) {
        for (std::string& text : SettleDeaths(world, *running))
            messages.push_back(std::move(text));
    }
    if (running->enemyWeaponClock) timer3_.start();
    ShowStrikes();
    Refresh();
    if (!running->over()) return;
    // The result is applied once: no clock may act again while the message is on screen.
    timer2_.stop();
    timer3_.stop();
    autoTimer_.stop();
    damageTimer_.stop();  // the last blow's figure stays under the result
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
    std::vector<std::string> messages = PressKey(screens_.world(), *running, key);
    Finish(std::move(messages));
}

void FightField::ComputerTick() {
    Fight* running = fight();
    if (!running || running->over()) return;
    std::vector<std::string> messages = ComputerAct(screens_.world(), *running);
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
    std::vector<std::string> messages;
    // Each step is a round and the passes after it, whatever the pace: the course of the fight
    // is the one 싸움 예상 and the console's auto play.
    for (int k = 0; k < roundsPerTick_ && !running->over(); ++k) {
        for (std::string& text : AutoStep(screens_.world(), *running))
            messages.push_back(std::move(text));
    }
    Finish(std::move(messages));
}

void FightField::ToggleAutoBattle() {
    Fight* running = fight();
    if (!running || running->over()) return;
    if (!running->autoBattle) {
        // The aim is put away: the side now moves by itself. Both sides now move in rounds on
        // one clock, so the computer's own clock rests.
        HandOver(*running);
        timer2_.stop();
        fastPace_ = false;
        roundsPerTick_ = 1;
        autoTimer_.start(kAutoPaceMs);
    } else {
        running->autoBattle = false;
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
    pointedPlayer_ = player;
    pointedSlot_ = slot;
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
    damageTimer_.stop();
    Screen::closeEvent(event);
}

}  // namespace golmok::screens
