// Where the windows open, offscreen on two virtual screens (1024 × 768 and 1920 × 1080, side by
// side; the same in logical pixels at 200 %): every window of a game opens wholly inside the
// available area of the screen that shows the map, wherever the player has put the map; the
// command menu goes beside the map where there is room, the fight screens are centred, a dragged
// window stays where the player put it, and no dialog is larger than 640 × 480. The title pages
// keep their middle, and the message boxes show the game's own signs, sharp at either scale.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Placement.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/Credit.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "screens/title/PicturePrint.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kPlayer = 0;      // 거지파
constexpr int kOwnCity = 7;     // 서초, 거지파's at the start
constexpr int kTargetCity = 8;  // 도봉, 흑사파's

// The eighteen command dialogs of the menu; the nineteenth item, 맞짱, opens the attack set-up.
struct DialogItem {
    const char* item;
    const char* dialog;
};
constexpr DialogItem kDialogs[] = {
    {"행동_이동", "MoveCity"},         {"행동_수송", "Transport"},
    {"행동_조직원모집", "StaffScout"}, {"행동_훈련", "Train"},
    {"행동_재편성", "Reset"},          {"행동_치료", "Heal"},
    {"인사_행동대장모집", "Scout"},    {"인사_포상", "Prize"},
    {"인사_해고", "Dismiss"},          {"외교_동맹", "AllyOk"},
    {"외교_원조", "AllyHelp"},         {"외교_동맹취소", "AllyCancel"},
    {"정보_인물정보", "HumanInfo"},    {"정보_조직정보", "GroupInfo"},
    {"거래_무기매입", "ArmsBuy"},      {"거래_무기매출", "ArmsSell"},
    {"도시_상업개발", "Trade"},        {"도시_돈걷기", "GiveMeMoney"},
};

// Where the map's frame is put on its screen, as fractions of the room the screen leaves it:
// 0 = against the left or top edge, 1 = against the right or bottom edge.
struct MapPlace {
    const char* name;
    double across;
    double down;
};
constexpr MapPlace kMapPlaces[] = {
    {"top left", 0, 0},      {"centre", 0.5, 0.5},   {"right edge", 1, 0.3},
    {"bottom edge", 0.2, 1}, {"bottom right", 1, 1}, {"left edge", 0, 0.6},
};

QString Describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window is on screen and its frame, title bar included, lies inside `area`.
bool Inside(const QWidget* window, const QRect& area, QString* why) {
    if (!window || !window->isVisible()) {
        *why = QStringLiteral("not shown");
        return false;
    }
    const QRect frame = window->frameGeometry();
    *why = QStringLiteral("%1: frame %2 outside %3")
               .arg(window->objectName(), Describe(frame), Describe(area));
    return area.contains(frame);
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Centred, give or take the rounding of a scaled screen.
bool CentredIn(const QWidget* window, const QRect& area) {
    return (window->frameGeometry().center() - area.center()).manhattanLength() <= 2;
}

// A desktop whose theme puts its little pictures on the buttons of a dialog, as many do.
class PicturedButtons : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

#define VERIFY_INSIDE(window, area)                                \
    do {                                                           \
        QString why;                                               \
        QVERIFY2(Inside((window), (area), &why), qPrintable(why)); \
    } while (false)

}  // namespace

class PlacementTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:

    // Puts the map's frame at `place` on screen `screen` and returns that screen's available area.
    QRect PutMap(MainGame* map, int screen, const MapPlace& place) {
        const QRect area = QGuiApplication::screens().at(screen)->availableGeometry();
        const QSize frame = map->frameGeometry().size();
        const int x = area.left() + int((area.width() - frame.width()) * place.across);
        const int y = area.top() + int((area.height() - frame.height()) * place.down);
        map->move(std::max(area.left(), x), std::max(area.top(), y));
        QCoreApplication::processEvents();
        return area;
    }

    QAction* MenuItem(const char* name) {
        return screens_->gameMenu()->findChild<QAction*>(QString::fromUtf8(name));
    }

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    // The rules themselves, on the rectangles of a 1920 × 1080 screen.
    void theRulesKeepFramesInsideTheArea_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        const QSize menu(330, 300);
        QTest::newRow("menu right of the map")
            << "map" << QRect(100, 50, 900, 560) << menu << QRect(1008, 50, 330, 300);
        QTest::newRow("menu left of a map at the right edge")
            << "map" << QRect(1000, 50, 900, 560) << menu << QRect(662, 50, 330, 300);
        QTest::newRow("menu over the freer right side of a wide map")
            << "map" << QRect(200, 50, 1500, 560) << menu << QRect(1590, 50, 330, 300);
        QTest::newRow("menu over the freer left side of a wide map")
            << "map" << QRect(300, 50, 1610, 560) << menu << QRect(0, 50, 330, 300);
        QTest::newRow("menu beside a map low on the screen moves up")
            << "map" << QRect(100, 900, 900, 560) << menu << QRect(1008, 780, 330, 300);
        const QSize dialog(600, 450);
        QTest::newRow("dialog under the menu")
            << "menu" << QRect(1008, 50, 330, 300) << dialog << QRect(1008, 358, 600, 450);
        QTest::newRow("dialog under the menu, pulled in from the right edge")
            << "menu" << QRect(1590, 50, 330, 300) << dialog << QRect(1320, 358, 600, 450);
        QTest::newRow("dialog right of a low menu")
            << "menu" << QRect(300, 700, 330, 300) << dialog << QRect(638, 630, 600, 450);
        QTest::newRow("dialog left of a low menu at the right edge")
            << "menu" << QRect(1590, 700, 330, 300) << dialog << QRect(982, 630, 600, 450);
        QTest::newRow("dialog moved inside when nothing fits")
            << "menu" << QRect(0, 700, 1920, 300) << dialog << QRect(0, 630, 600, 450);
        QTest::newRow("centred") << "centre" << QRect() << dialog << QRect(660, 315, 600, 450);
        QTest::newRow("larger than the area keeps its title bar in reach")
            << "centre" << QRect() << QSize(2000, 1200) << QRect(0, 0, 2000, 1200);
    }

    void theRulesKeepFramesInsideTheArea() {
        QFETCH(QString, rule);
        QFETCH(QRect, anchor);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        const QRect area(0, 0, 1920, 1080);
        QRect placed;
        if (rule == "map") {
            placed = BesideMap(size, anchor, area);
        } else if (rule == "menu") {
            placed = NearMenu(size, anchor, area);
        } else {
            placed = CentredOn(size, area, area);
        }
        QCOMPARE(placed, expected);
    }

    void everyWindowOpensInsideTheScreenOfTheMap_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("place");
        for (int s = 0; s < QGuiApplication::screens().size(); ++s) {
            const QSize size = QGuiApplication::screens().at(s)->availableGeometry().size();
            for (int p = 0; p < int(std::size(kMapPlaces)); ++p) {
                QTest::addRow("%dx%d, map %s", size.width(), size.height(), kMapPlaces[p].name)
                    << s << p;
            }
        }
    }

    void everyWindowOpensInsideTheScreenOfTheMap() {
        QFETCH(int, screen);
        QFETCH(int, place);
        MainGame* map = StartOnMap(kPlayer);
        const QRect area = PutMap(map, screen, kMapPlaces[place]);
        VERIFY_INSIDE(map, area);

        screens_->OpenCommandMenu(kOwnCity);
        GameMenu* menu = screens_->gameMenu();
        VERIFY_INSIDE(menu, area);
        // Beside the map wherever one side has room for it.
        const QRect mapFrame = map->frameGeometry();
        const QRect menuFrame = menu->frameGeometry();
        if (mapFrame.right() + kWindowGap + menuFrame.width() <= area.right() ||
            mapFrame.left() - kWindowGap - menuFrame.width() >= area.left()) {
            QVERIFY2(!menuFrame.intersects(mapFrame), qPrintable(Describe(menuFrame)));
        }

        for (const DialogItem& item : kDialogs) {
            MenuItem(item.item)->trigger();
            CommandDialog* dialog = screens_->dialog(item.dialog);
            VERIFY_INSIDE(dialog, area);
            dialog->close();
            Settle();
        }

        for (QWidget* window : std::initializer_list<QWidget*>{
                 screens_->ShowSaveFile(), screens_->ShowOpenFile(), screens_->ShowHelp(),
                 screens_->ShowInfor(), screens_->ShowCredit()}) {
            VERIFY_INSIDE(window, area);
            window->close();
            Settle();
        }

        // The attack set-up and its field, then the defence set-up and its field: centred.
        MenuItem("행동_싸움")->trigger();
        Attack* attack = screens_->attack();
        VERIFY_INSIDE(attack, area);
        QVERIFY(CentredIn(attack, area));
        auto* people = attack->findChild<QListWidget*>("LL1");
        auto* targets = attack->findChild<QListWidget*>("LL2");
        ClickRow(people, 0);
        for (int row = 0; row < targets->count(); ++row) {
            if (targets->item(row)->data(Qt::UserRole).toInt() == kTargetCity)
                ClickRow(targets, row);
        }
        attack->OkClicked();
        Settle();
        FightField* field = screens_->fightField();
        VERIFY_INSIDE(field, area);
        QVERIFY(CentredIn(field, area));
        screens_->DropFight();
        Settle();
        UnlockMap(world());

        world().AttackFromCity = kTargetCity;
        world().AttackToCity = kOwnCity;
        LockMap(world());
        world().DefenceSetupOpen = true;
        screens_->DefenceAnnounced();
        Defence* defence = screens_->defence();
        VERIFY_INSIDE(defence, area);
        QVERIFY(CentredIn(defence, area));
        ClickRow(defence->findChild<QListWidget*>("LL1"), 0);
        defence->OkClicked();
        Settle();
        VERIFY_INSIDE(screens_->fightField(), area);
        screens_->DropFight();
        Settle();
        UnlockMap(world());

        // Every district the player's: the ending takes the map's place.
        for (int c = 0; c < kCityCount; ++c)
            world().CityOwnerColor[c] = world().PlayerColor;
        screens_->OwnersChanged();
        Settle();
        VERIFY_INSIDE(screens_->ending(), area);
    }

    void aDraggedWindowStaysWhileItIsWhollyOnTheScreen() {
        MainGame* map = StartOnMap(kPlayer);
        const QRect area = PutMap(map, 0, kMapPlaces[0]);
        screens_->OpenCommandMenu(kOwnCity);
        MenuItem("인사_포상")->trigger();
        CommandDialog* prize = screens_->dialog("Prize");
        const QPoint placed = prize->pos();

        // Dragged to the top-left corner: reopening and another district leave it there.
        const QPoint dragged = area.topLeft() + QPoint(20, 30);
        prize->move(dragged);
        QCoreApplication::processEvents();
        MenuItem("인사_포상")->trigger();
        QCOMPARE(prize->pos(), dragged);
        screens_->OpenCommandMenu(0);  // 종로 is not 거지파's: 인사 closes the dialog
        screens_->OpenCommandMenu(kOwnCity);
        MenuItem("인사_포상")->trigger();
        prize = screens_->dialog("Prize");
        QCOMPARE(prize->pos(), placed);  // a new window is placed afresh

        // Dragged half off the screen: the next opening puts it back by the rule.
        prize->move(area.right() - prize->width() / 2, area.top() + 40);
        QCoreApplication::processEvents();
        MenuItem("인사_포상")->trigger();
        QCOMPARE(prize->pos(), placed);
        VERIFY_INSIDE(prize, area);

        // The command menu, dragged, stays when another district refills it.
        GameMenu* menu = screens_->gameMenu();
        const QPoint menuDragged = area.topLeft() + QPoint(200, 150);
        menu->move(menuDragged);
        QCoreApplication::processEvents();
        screens_->OpenCommandMenu(kTargetCity);
        QCOMPARE(menu->pos(), menuDragged);
    }

    void theTitleScreensOpenCentred() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        VERIFY_INSIDE(screens_->gameLogo(), area);
        QVERIFY(CentredIn(screens_->gameLogo(), area));
        MainMenu* title = screens_->ShowMainMenu();
        VERIFY_INSIDE(title, area);
        GroupSelectMenu* select = screens_->ShowGroupSelectMenu();
        VERIFY_INSIDE(select, area);
        select->Choose(kPlayer);
        select->Start();
        Settle();
        VERIFY_INSIDE(screens_->map(), area);
    }

    // A page of another width, or a window manager that makes the window larger than its page,
    // leaves the title content in the middle; on another screen too.
    void theTitlePagesStayCentredWhenTheirWidthChanges() {
        const auto pageCentred = [](QWidget* window) {
            const auto* page = window->findChild<QWidget*>("Image1");
            const QRect inWindow(page->mapTo(window, QPoint(0, 0)), page->size());
            return (inWindow.center() - window->rect().center()).manhattanLength() <= 1;
        };
        GameLogo* logo = screens_->gameLogo();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(CentredIn(logo, area));
        const int first = logo->width();
        logo->TitleStep();  // a narrower page
        QVERIFY(logo->width() != first);
        QVERIFY2(CentredIn(logo, area), qPrintable(Describe(logo->frameGeometry())));
        QVERIFY(pageCentred(logo));

        // Put on the wide screen off its middle: the next page keeps the window's middle there.
        const QRect wide = QGuiApplication::screens().at(1)->availableGeometry();
        logo->move(wide.topLeft() + QPoint(300, 200));
        QCoreApplication::processEvents();
        const QPoint middle = logo->frameGeometry().center();
        const int before = logo->width();
        logo->TitleStep();
        logo->TitleStep();  // the widest page
        QVERIFY(logo->width() != before);
        QVERIFY2((logo->frameGeometry().center() - middle).manhattanLength() <= 2,
                 qPrintable(Describe(logo->frameGeometry())));
        QVERIFY(wide.contains(logo->frameGeometry()));
        // That screen takes another size: the page goes to its middle.
        emit logo->screen()->availableGeometryChanged(wide);
        QVERIFY2(CentredIn(logo, wide), qPrintable(Describe(logo->frameGeometry())));

        // Windows sized by somebody else: the content stays in the middle, the start-up
        // screen's labels under its picture.
        logo->setFixedSize(logo->width() + 200, logo->height() + 120);
        QVERIFY(pageCentred(logo));
        auto* label = logo->findChild<QLabel*>("Label1");
        QCOMPARE(label->geometry().center().x(), logo->rect().center().x());
        QVERIFY(label->geometry().bottom() <
                logo->findChild<QWidget*>("Image1")->geometry().bottom());
        for (QWidget* title : std::initializer_list<QWidget*>{screens_->ShowMainMenu(),
                                                              screens_->ShowGroupSelectMenu()}) {
            title->setFixedSize(title->width() + 240, title->height() + 60);
            QVERIFY2(pageCentred(title), qPrintable(title->objectName()));
        }
    }

    void messageBoxesShowTheGamesSignsAtTheScreensScale_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QString>("picture");
        QTest::newRow("notice") << false << ":/art/box_info.svg";
        QTest::newRow("question") << true << ":/art/box_warning.svg";
    }

    void messageBoxesShowTheGamesSignsAtTheScreensScale() {
        QFETCH(bool, question);
        QFETCH(QString, picture);
        MainGame* map = StartOnMap(kPlayer);
        DesktopPlatform desktop(QStringLiteral("/nonexistent/guide.html"));
        const QString style = QApplication::style()->name();
        QApplication::setStyle(new PicturedButtons(QStyleFactory::create(style)));
        QPixmap sign;
        QMessageBox::Icon icon = QMessageBox::Information;
        int buttonPictures = -1;
        // The box waits for the player: look at it once it shows, then answer it.
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            sign = box->iconPixmap();
            icon = box->icon();
            buttonPictures = 0;
            for (QAbstractButton* button : box->buttons())
                buttonPictures += button->icon().isNull() ? 0 : 1;
            box->done(QMessageBox::No);
        });
        if (question) {
            desktop.Ask(map, "종료하기", "종료하시겠습니까?");
        } else {
            desktop.Inform(map, "돈이 걷혀졌습니다.");
        }
        QApplication::setStyle(style);
        QVERIFY(!sign.isNull());
        QCOMPARE(icon, QMessageBox::NoIcon);  // none of Qt's bitmaps, on the buttons neither
        QCOMPARE(buttonPictures, 0);
        // Painted for the screen's pixels: 48 × 48 at 100 %, 96 × 96 device pixels at 200 %.
        const qreal ratio = map->devicePixelRatioF();
        QCOMPARE(sign.devicePixelRatio(), ratio);
        QCOMPARE(sign.size(), QSize(48, 48) * ratio);
        // The drawing itself, rendered straight at that size.
        QImage drawn(sign.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(picture).render(&painter);
        painter.end();
        drawn.setDevicePixelRatio(ratio);
        QCOMPARE(sign.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
    }

    // Every dialog takes in at a glance: at most 640 × 480, title bar and borders included.
    void everyDialogIsCompact() {
        StartOnMap(kPlayer);
        screens_->OpenCommandMenu(kOwnCity);
        QStringList tooLarge;
        for (const DialogItem& item : kDialogs) {
            MenuItem(item.item)->trigger();
            CommandDialog* dialog = screens_->dialog(item.dialog);
            QVERIFY(dialog);
            // Filled as a player fills it: every list's first entry chosen.
            for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
                if (list->count() > 0) list->item(0)->setSelected(true);
            }
            QCoreApplication::processEvents();
            const QSize frame = dialog->frameGeometry().size();
            if (frame.width() > 640 || frame.height() > 480) {
                tooLarge << QStringLiteral("%1 %2×%3")
                                .arg(item.dialog)
                                .arg(frame.width())
                                .arg(frame.height());
            }
            dialog->close();
            Settle();
        }
        MenuItem("행동_싸움")->trigger();
        const QSize attack = screens_->attack()->frameGeometry().size();
        if (attack.width() > 640 || attack.height() > 480)
            tooLarge << QStringLiteral("Attack %1×%2").arg(attack.width()).arg(attack.height());
        QVERIFY2(tooLarge.isEmpty(), qPrintable(tooLarge.join(", ")));
    }
};

QTEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
