// The map's window at any size, offscreen on two virtual screens (1024 × 768 and 1920 × 1080, side
// by side; the same in logical pixels at 200 %): the map, its districts and its side panel scale
// with the window and keep their proportions, F11 shows it full screen, a load leaves it where it
// was, the command menu leaves the side panel in sight and the week's news keeps clear of the
// defence set-up; the command menu, its dialogs, the fight screens and the news grow with the map.
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Art.h"
#include "screens/look/Placement.h"
#include "screens/map/MainGame.h"
#include "screens/map/News.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"
#include "world/Tables.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kBeggars = 0;   // 거지파
constexpr int kSupreme = 1;   // 지존파, whose 강동 is attacked in the first week
constexpr int kSeocho = 7;    // 거지파's
constexpr int kDobong = 8;    // 흑사파's
constexpr int kSmall = 0;     // the 1024 × 768 screen
constexpr int kWide = 1;      // the 1920 × 1080 screen

QRect AreaOf(int index) {
    return QGuiApplication::screens().at(index)->availableGeometry();
}

QRect OnScreen(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

QString Describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What the map shows that no window may cover: the side panel's emblem, date and hints, and the
// status line under the map.
QList<QWidget*> PanelParts(MainGame* map) {
    QList<QWidget*> parts{map->findChild<QWidget*>("GroupLogo"), map->findChild<QWidget*>("Label5"),
                          map->findChild<QWidget*>("KeysHint"),
                          map->findChild<QWidget*>("DistrictStatus")};
    for (int i = 0; i < 3; ++i)
        parts << Control<QLabel>(map, "Skill", i);
    return parts;
}

}  // namespace

class MapWindowTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private:
    // The map shown and framed on screen `screen`, at its own size and centred, as it opens.
    MainGame* MapOn(int group, int screen) {
        MainGame* map = StartOnMap(group);
        const QRect area = AreaOf(screen);
        QRect frame = map->frameGeometry();
        frame.moveCenter(area.center());
        map->move(frame.topLeft());
        if (!QTest::qWaitForWindowExposed(map)) qWarning("the map is not shown");
        return map;
    }

    // Maximised on screen `screen`, its frame filling the screen's available area.
    static void Maximise(MainGame* map, int screen) {
        map->showMaximized();
        QTRY_VERIFY(map->shownStates().testFlag(Qt::WindowMaximized));
        QTRY_COMPARE(map->frameGeometry(), AreaOf(screen));
    }

    static void Resize(MainGame* map, QSize size) {
        map->resize(size);
        QCoreApplication::processEvents();
    }

    // The map on screen `screen` in its window, maximised or full screen ("window", "maximised",
    // "full screen"); returns the area its windows must keep inside.
    static QRect Show(MainGame* map, int screen, const QString& state) {
        if (state == "maximised") Maximise(map, screen);
        if (state == "full screen") {
            PressShortcut(map, QKeyCombination(Qt::Key_F11));
            if (!QTest::qWaitFor([&] {
                    return map->size() == QGuiApplication::screens().at(screen)->geometry().size();
                }))
                qWarning("the map is not full screen");
            return QGuiApplication::screens().at(screen)->geometry();
        }
        return AreaOf(screen);
    }

    // `*scale`: how many times its size at 100 % `window` is shown, by its width. At the map's
    // own size it is exactly that size; else grown by more than a fifth, as much down as across.
    // Either way wholly in `area` with its frame.
    static void Grown(const QWidget* window, QSize at100, bool windowed, const QRect& area,
                      double* scale) {
        *scale = double(window->width()) / at100.width();
        const double down = double(window->height()) / at100.height();
        const QString what =
            window->objectName() + " " + Describe(window->frameGeometry()) +
            QStringLiteral(" in %1, grown %2 × %3").arg(Describe(area)).arg(*scale).arg(down);
        if (windowed) {
            QCOMPARE(window->size(), at100);
        } else {
            QVERIFY2(*scale > 1.2 && std::abs(down - *scale) <= 0.01, qPrintable(what));
        }
        QVERIFY2(area.contains(window->frameGeometry()), qPrintable(what));
    }

    // A length of `scale` times `pixels`, give or take the pixel lost in rounding.
    static bool Near(double length, double pixels, double scale) {
        return std::abs(length - pixels * scale) <= 1.0;
    }

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    // The rules that keep the side panel and the defence in sight, on the rectangles of a
    // 1024 × 768 screen: the map (900 × 566 with its frame) centred on it, its side panel at its
    // right; a defence set-up centred; the news 462 × 402.
    void theRulesKeepThePanelAndTheDefenceInSight_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QRect>("frame");   // the window placed (its size, or where it stands)
        QTest::addColumn<QRect>("anchor");  // the map, or the defence set-up
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("anchorAfter");
        const QRect map(62, 101, 902, 566);
        const QRect menu(0, 0, 330, 300);
        QTest::newRow("menu over the map, away from a panel on the right")
            << "panel" << menu << map << QRect(0, 123, 330, 300) << map;
        QTest::newRow("menu over a map at the left edge, still away from the panel")
            << "panel" << menu << map.translated(-62, 0) << QRect(0, 123, 330, 300)
            << map.translated(-62, 0);
        const QRect defence(338, 213, 348, 342);
        const QRect news(0, 0, 462, 402);
        QTest::newRow("news and defence side by side, centred together")
            << "apart" << news.translated(281, 183) << defence << QRect(103, 183, 462, 402)
            << QRect(573, 213, 348, 342);
        QTest::newRow("news right of a defence at the left")
            << "apart" << news.translated(281, 183) << defence.translated(-300, 0)
            << QRect(394, 213, 462, 402) << defence.translated(-300, 0);
        QTest::newRow("news clear of the defence stays")
            << "apart" << news.translated(540, 0) << defence.translated(-300, 0)
            << news.translated(540, 0) << defence.translated(-300, 0);
        QTest::newRow("too wide for both side by side: one over the other")
            << "apart" << QRect(100, 100, 700, 300) << QRect(150, 200, 700, 300)
            << QRect(100, 80, 700, 300) << QRect(150, 388, 700, 300);
    }

    void theRulesKeepThePanelAndTheDefenceInSight() {
        QFETCH(QString, rule);
        QFETCH(QRect, frame);
        QFETCH(QRect, anchor);
        QFETCH(QRect, expected);
        QFETCH(QRect, anchorAfter);
        const QRect area(0, 0, 1024, 768);
        if (rule == "panel") {
            // The panel: the right 220 pixels of the map, under a title bar and a menu bar.
            const QRect panel(anchor.right() - 220, anchor.top() + 22, 220, 520);
            const QRect placed = BesideMap(frame.size(), anchor, area, panel);
            QCOMPARE(placed, expected);
            QVERIFY(!placed.intersects(panel));
        } else {
            const auto [placed, other] = Apart(frame, anchor, area);
            QCOMPARE(placed, expected);
            QCOMPARE(other, anchorAfter);
            QVERIFY(!placed.intersects(other));
            QVERIFY(area.contains(placed) && area.contains(other));
        }
    }

    // At its own size the board is 900 × 520 and shown whole above the status line, each
    // district where its twips put it; larger or smaller, wider or taller, every district, letter
    // and label keeps its place and its type size in proportion, and the map keeps its shape in
    // the middle of the window, as large as the window lets it be.
    void theMapScalesWithItsWindow_data() {
        QTest::addColumn<QSize>("size");  // the window's size; empty: as it opens
        QTest::newRow("as it opens") << QSize();
        QTest::newRow("twice as large") << QSize(1800, 1100);
        QTest::newRow("wide: bands left and right") << QSize(1800, 700);
        QTest::newRow("tall: bands above and below") << QSize(1300, 1050);
        QTest::newRow("small") << QSize(640, 420);
    }

    void theMapScalesWithItsWindow() {
        QFETCH(QSize, size);
        MainGame* map = StartOnMap(kBeggars);
        QVERIFY(QTest::qWaitForWindowExposed(map));
        MapBoard* board = map->board();
        if (size.isValid()) Resize(map, size);
        const double scale = board->scale();
        if (!size.isValid()) {
            QCOMPARE(board->size(), QSize(900, 520));
            QCOMPARE(scale, 1.0);
        }
        const QRect shown = board->shownArea();
        QCOMPARE(shown.size(), QSize(int(std::lround(900 * scale)), int(std::lround(520 * scale))));
        QVERIFY(board->rect().contains(shown));
        // As large as the board lets it be: it fills the board one way.
        QVERIFY(board->width() - shown.width() <= 1 || board->height() - shown.height() <= 1);
        QVERIFY(std::abs(shown.center().x() - board->rect().center().x()) <= 1);
        QVERIFY(std::abs(shown.center().y() - board->rect().center().y()) <= 1);

        // The map's art whole, above the status line, and the side panel beside it.
        auto* art = map->findChild<Picture*>("Image1");
        auto* side = map->findChild<Picture*>("SidePanel");
        QCOMPARE(art->geometry(), QRect(shown.topLeft(), QSize(side->x() - shown.left(),
                                                                shown.height())));
        QCOMPARE(side->geometry().right(), shown.right());
        QVERIFY(std::abs(art->width() - 680 * scale) <= 1);
        auto* status = map->findChild<QLabel*>("DistrictStatus");
        QVERIFY(status->isVisible());
        QVERIFY(board->geometry().bottom() < status->geometry().top());
        QVERIFY(map->rect().contains(status->geometry()));

        const auto near = [](int length, double expected) { return std::abs(length - expected) <= 1; };
        for (int c = 0; c < kCityCount; ++c) {
            const DistrictInfo& d = kDistricts[c];
            const QRect button = Control<QPushButton>(map, "Cmd", c)->geometry();
            const QString where = QStringLiteral("%1 at %2").arg(d.name, Describe(button));
            QVERIFY2(near(button.left(), Px(d.left) * scale), qPrintable(where));
            QVERIFY2(near(button.top(), Px(d.top) * scale), qPrintable(where));
            QVERIFY2(near(button.width(), Px(d.width) * scale), qPrintable(where));
            QVERIFY2(near(button.height(), Px(d.height) * scale), qPrintable(where));
            if (scale == 1.0) QCOMPARE(button, QRect(Px(d.left), Px(d.top), Px(d.width), Px(d.height)));
            QCOMPARE(Control<QPushButton>(map, "Cmd", c)->font().pixelSize(),
                     int(std::lround(12 * scale)));
            // The owner's letter stays on the button's top right corner.
            const QRect letter = Control<QLabel>(map, "OwnerMark", c)->geometry();
            QVERIFY2(std::abs(letter.center().x() - (Px(d.left + d.width) - 1) * scale) <= 2,
                     qPrintable(where));
            QVERIFY2(std::abs(letter.center().y() - (Px(d.top) - 1) * scale) <= 2,
                     qPrintable(where));
            QVERIFY(std::abs(letter.width() - 20 * scale) <= 1);
        }
        // The side panel's date and hint grow with it.
        QCOMPARE(Control<QLabel>(map, "Skill", 0)->font().pixelSize(), int(std::lround(20 * scale)));
        QCOMPARE(map->findChild<QLabel*>("Label5")->font().pixelSize(),
                 int(std::lround(13 * scale)));
        QVERIFY(near(map->findChild<QWidget*>("GroupLogo")->width(), 200 * scale));
        // The focus rings still ring the focused district.
        auto* focus = map->findChild<QWidget*>("DistrictFocus");
        const QRect focused = Control<QPushButton>(map, "Cmd", map->focusedDistrict())->geometry();
        QVERIFY(focus->geometry().contains(focused));
        QVERIFY(focus->geometry().width() - focused.width() <= 8 * scale + 2);
    }

    // F11 shows the map on the whole screen and goes back; Esc leaves full screen too, and a
    // maximised map goes back to maximised.
    void f11TogglesFullScreen() {
        MainGame* map = MapOn(kBeggars, kSmall);
        const QSize opened = map->size();
        PressShortcut(map, QKeyCombination(Qt::Key_F11));
        QTRY_VERIFY(map->fullScreen());
        QTRY_COMPARE(map->size(), QGuiApplication::screens().at(kSmall)->geometry().size());
        QVERIFY(map->board()->scale() > 1.0);
        PressShortcut(map, QKeyCombination(Qt::Key_F11));
        QTRY_VERIFY(!map->fullScreen());
        QTRY_COMPARE(map->size(), opened);

        PressShortcut(map, QKeyCombination(Qt::Key_F11));
        QTRY_VERIFY(map->fullScreen());
        QTest::keyClick(map, Qt::Key_Escape);
        QTRY_VERIFY(!map->fullScreen());
        // Esc on a map in its window does nothing to it.
        QTest::keyClick(map, Qt::Key_Escape);
        QVERIFY(map->isVisible());
        QVERIFY(!map->fullScreen());

        map->showMaximized();
        QTRY_VERIFY(map->shownStates().testFlag(Qt::WindowMaximized));
        PressShortcut(map, QKeyCombination(Qt::Key_F11));
        QTRY_VERIFY(map->fullScreen());
        PressShortcut(map, QKeyCombination(Qt::Key_F11));
        QTRY_VERIFY(!map->fullScreen());
        QVERIFY(map->shownStates().testFlag(Qt::WindowMaximized));
    }

    // A loaded game's map opens where the player had the map, at the size he gave it, and
    // maximised if it was.
    void aLoadKeepsTheMapWhereItWas_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("moved and resized") << false;
        QTest::newRow("maximised") << true;
    }

    void aLoadKeepsTheMapWhereItWas() {
        QFETCH(bool, maximised);
        MainGame* map = MapOn(kBeggars, kWide);
        map->move(AreaOf(kWide).topLeft() + QPoint(37, 61));
        Resize(map, QSize(1300, 800));
        if (maximised) {
            Maximise(map, kWide);
        }
        const QRect frame = map->frameGeometry();
        const QPointer<MainGame> before = map;

        screens_->ShowLoadedGame(World(world()));
        Settle();
        QVERIFY(!before);
        map = screens_->map();
        QVERIFY(map && map->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(map));
        QTRY_COMPARE(map->frameGeometry(), frame);
        QCOMPARE(map->shownStates().testFlag(Qt::WindowMaximized), maximised);
    }

    // Where no room is left beside the map, the command menu lies over the map and leaves the
    // emblem, the date and the hints in sight: on the small screen at the map's own size, and on
    // the wide one maximised.
    void theCommandMenuLeavesThePanelInSight_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("1024 × 768") << kSmall << false;
        QTest::newRow("1920 × 1080, maximised") << kWide << true;
    }

    void theCommandMenuLeavesThePanelInSight() {
        QFETCH(int, screen);
        QFETCH(bool, maximised);
        MainGame* map = MapOn(kBeggars, screen);
        if (maximised) {
            Maximise(map, screen);
        }
        const QRect area = AreaOf(screen);
        screens_->OpenCommandMenu(kSeocho);
        GameMenu* menu = screens_->gameMenu();
        QVERIFY(menu && menu->isVisible());
        const QRect placed = menu->frameGeometry();
        QVERIFY2(area.contains(placed), qPrintable(Describe(placed)));
        // No room beside the map: the menu lies over it.
        QVERIFY(placed.intersects(map->frameGeometry()));
        for (QWidget* part : PanelParts(map)) {
            QVERIFY2(!placed.intersects(OnScreen(part)),
                     qPrintable(part->objectName() + " under " + Describe(placed)));
        }
        // The map's menus stay in reach.
        QVERIFY(!placed.intersects(OnScreen(map->findChild<QMenuBar*>())));
    }

    // The command menu and its dialogs take the map's scale, type and size together, within
    // limits that keep them on the screen: at the map's own size as they always were, and on the
    // wide screen maximised or full screen grown with it, beside their district and clear of the
    // side panel, never tiny in a corner. The status line under the map stays whole.
    void theMenuAndItsDialogsFollowTheMap_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("state");  // "window", "maximised" or "full screen"
        QTest::newRow("1024 × 768") << kSmall << "window";
        QTest::newRow("1024 × 768, full screen") << kSmall << "full screen";
        QTest::newRow("1920 × 1080, maximised") << kWide << "maximised";
        QTest::newRow("1920 × 1080, full screen") << kWide << "full screen";
    }

    void theMenuAndItsDialogsFollowTheMap() {
        QFETCH(int, screen);
        QFETCH(QString, state);
        MainGame* map = MapOn(kBeggars, screen);
        if (state == "maximised") Maximise(map, screen);
        auto* status = map->findChild<QLabel*>("DistrictStatus");
        const int windowedStatusHeight = status->height();
        const double windowedScale = map->board()->scale();
        if (state == "full screen") {
            PressShortcut(map, QKeyCombination(Qt::Key_F11));
            QTRY_COMPARE(map->size(), QGuiApplication::screens().at(screen)->geometry().size());
        }
        const QRect area = state == "full screen"
                               ? QGuiApplication::screens().at(screen)->geometry()
                               : AreaOf(screen);
        const double mapScale = map->board()->scale();

        // The status line is as tall as its words.
        QTRY_VERIFY2(
            status->height() >= status->heightForWidth(status->width()) &&
                map->rect().contains(status->geometry()),
            qPrintable(
                Describe(status->geometry()) + " in " + Describe(map->rect()) +
                QStringLiteral(", words %1 high").arg(status->heightForWidth(status->width()))));

        screens_->OpenCommandMenu(kSeocho);
        GameMenu* menu = screens_->gameMenu();
        QVERIFY(menu && menu->isVisible());
        const double menuScale = DialogScale(menu);
        QVERIFY(menuScale >= 1.0);
        QVERIFY(menuScale <= std::max(1.0, mapScale) + 0.01);
        if (state == "window") QCOMPARE(menuScale, 1.0);
        if (screen == kWide) QVERIFY2(menuScale > 1.5, qPrintable(QString::number(menuScale)));
        // Its type grew with it.
        QCOMPARE(menu->findChild<QLabel*>("Citylabel")->font().pixelSize(),
                 int(std::lround(20 * menuScale)));
        const QRect district = OnScreen(Control<QPushButton>(map, "Cmd", kSeocho));
        const QRect placed = menu->frameGeometry();
        QVERIFY2(area.contains(placed), qPrintable(Describe(placed)));
        QVERIFY2(!placed.intersects(district), qPrintable(Describe(placed)));
        // Beside its district: it touches the district's line or column, not a far corner.
        const QRect near = district.adjusted(-40, -40, 40, 40);
        const bool level = placed.top() <= near.bottom() && placed.bottom() >= near.top();
        const bool inLine = placed.left() <= near.right() && placed.right() >= near.left();
        QVERIFY2(level || inLine, qPrintable(Describe(placed) + " for " + Describe(district)));
        for (QWidget* part : PanelParts(map)) {
            QVERIFY2(!placed.intersects(OnScreen(part)),
                     qPrintable(part->objectName() + " under " + Describe(placed)));
        }
        QVERIFY2(
            !placed.intersects(OnScreen(status)),
            qPrintable(Describe(placed) + " over the status line " + Describe(OnScreen(status))));

        // The largest dialogs: grown with the menu as far as the screen lets them, on it, clear of
        // the menu, the panel and the status line.
        for (const char* item : {"거래_무기매입", "인사_행동대장모집", "행동_재편성"}) {
            menu->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        }
        for (const char* name : {"ArmsBuy", "Scout", "Reset"}) {
            CommandDialog* dialog = screens_->dialog(QString::fromUtf8(name));
            QVERIFY(dialog && dialog->isVisible());
            const double scale = DialogScale(dialog);
            QVERIFY(scale >= 1.0 && scale <= menuScale + 0.01);
            // Each grows as far as it still finds a place near the menu: 행동대장 스카웃, the
            // tallest, only as far as the room above a menu at the bottom of the screen lets it.
            if (screen == kWide && QString(name) != "Scout")
                QVERIFY2(scale > 1.2, qPrintable(QString(name) + " " + QString::number(scale)));
            const QRect frame = dialog->frameGeometry();
            QVERIFY2(area.contains(frame), qPrintable(QString(name) + " at " + Describe(frame)));
            if (screen == kWide) {
                QVERIFY2(!frame.intersects(placed),
                         qPrintable(QString(name) + " " + Describe(frame) + " over the menu"));
            }
            QVERIFY2(!frame.intersects(OnScreen(status)),
                     qPrintable(QString(name) + " " + Describe(frame) + " over the status line"));
            if (screen == kWide) {
                for (QWidget* part : PanelParts(map)) {
                    QVERIFY2(
                        !frame.intersects(OnScreen(part)),
                        qPrintable(QString(name) + " " + Describe(frame) + " over " +
                                   part->objectName() + " " + Describe(OnScreen(part)) + ", menu " +
                                   Describe(placed) + " district " + Describe(district) +
                                   QStringLiteral(" scale %1").arg(scale)));
                }
            }
        }

        // Back to the window: the menu and its dialogs shrink with the map.
        if (state == "full screen") {
            PressShortcut(map, QKeyCombination(Qt::Key_F11));
            QTRY_VERIFY(!map->fullScreen());
            QTRY_COMPARE(DialogScale(screens_->gameMenu()), 1.0);
            QTRY_COMPARE(DialogScale(screens_->dialog("ArmsBuy")), 1.0);
            // The status line as it was, and the map at its scale again: the larger type's
            // height does not stay behind.
            QTRY_COMPARE(status->height(), windowedStatusHeight);
            QTRY_VERIFY2(std::abs(map->board()->scale() - windowedScale) < 0.01,
                         qPrintable(QString::number(map->board()->scale())));
        }
    }

    // The save and load windows open at the map's scale as far as the screen lets them, their
    // slot buttons' type with them; at the map's own size as large as they always were.
    void theSlotWindowsFollowTheMap_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("state");  // "window", "maximised" or "full screen"
        QTest::newRow("1024 × 768") << kSmall << "window";
        QTest::newRow("1920 × 1080, maximised") << kWide << "maximised";
        QTest::newRow("1920 × 1080, full screen") << kWide << "full screen";
    }

    void theSlotWindowsFollowTheMap() {
        QFETCH(int, screen);
        QFETCH(QString, state);
        MainGame* map = MapOn(kBeggars, screen);
        const QRect area = Show(map, screen, state);
        const bool windowed = state == "window";
        // Five slots to save into; the load window has the autosave slot as well.
        const std::pair<SlotDialog*, QSize> windows[] = {{screens_->ShowSaveFile(), {321, 344}},
                                                         {screens_->ShowOpenFile(), {321, 400}}};
        for (const auto& [window, at100] : windows) {
            QVERIFY(window && window->isVisible());
            double scale = 0;
            Grown(window, at100, windowed, area, &scale);
            if (QTest::currentTestFailed()) return;
            const int type =
                QFontInfo(Control<QPushButton>(window, "OpenList", 0)->font()).pixelSize();
            QVERIFY2(Near(type, 16, scale), qPrintable(QStringLiteral("%1 px").arg(type)));
            window->close();
        }
    }

    // The fight set-ups, the fight board and the week's news take the map's scale as they open,
    // as far as the screen lets them: at the map's own size as large as they always were, on the
    // wide screen maximised or full screen grown with it (their type and every control with
    // them), wholly on the screen, the news clear of the defence and the board's pieces on their
    // cells. The news follows the map back to its own size.
    void theFightScreensAndTheNewsFollowTheMap_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("state");  // "window", "maximised" or "full screen"
        QTest::addColumn<bool>("defending");
        for (bool defending : {false, true}) {
            const char* side = defending ? "defence" : "attack";
            QTest::addRow("1024 × 768, %s", side) << kSmall << "window" << defending;
            QTest::addRow("1920 × 1080, maximised, %s", side) << kWide << "maximised" << defending;
            QTest::addRow("1920 × 1080, full screen, %s", side)
                << kWide << "full screen" << defending;
        }
    }

    void theFightScreensAndTheNewsFollowTheMap() {
        QFETCH(int, screen);
        QFETCH(QString, state);
        QFETCH(bool, defending);
        MainGame* map = MapOn(kBeggars, screen);
        const QRect area = Show(map, screen, state);
        const bool windowed = state == "window";
        QCOMPARE(map->board()->scale() == 1.0, windowed);
        const int type = QFontInfo(QApplication::font()).pixelSize();  // the set-ups' at 100 %

        FightSetupScreen* setup = nullptr;
        News* news = nullptr;
        if (defending) {
            // The week's news open when 흑사파 comes from 도봉 to 서초, as a turn end announces it.
            news = screens_->ShowNews();
            AnnounceAttack(kDobong, kSeocho);
            setup = screens_->defence();
        } else {
            screens_->OpenCommandMenu(kSeocho);
            screens_->gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
            setup = screens_->attack();
        }
        QVERIFY(setup && setup->isVisible());
        double setupScale = 0;
        Grown(setup, defending ? QSize(440, 464) : QSize(508, 424), windowed, area, &setupScale);
        if (QTest::currentTestFailed()) return;
        // Its type and its controls grew with it.
        for (const char* name : {"Label1", "Forecast"}) {
            const int pixels = QFontInfo(setup->findChild<QLabel*>(name)->font()).pixelSize();
            QVERIFY2(Near(pixels, type, setupScale),
                     qPrintable(QStringLiteral("%1: %2 px").arg(name).arg(pixels)));
        }
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        QVERIFY(Near(ll1->x(), 16, setupScale) && Near(ll1->width(), 89, setupScale));
        QVERIFY(Near(ll1->y(), 48, setupScale) && Near(ll1->height(), 128, setupScale));
        auto* ok = setup->findChild<QWidget*>("Command1");
        QVERIFY(Near(ok->x(), 120, setupScale) && Near(ok->width(), 81, setupScale));
        if (news) {
            QVERIFY(news->isVisible());
            double newsScale = 0;
            Grown(news, News::kSize, windowed, area, &newsScale);
            if (QTest::currentTestFailed()) return;
            const int date = QFontInfo(news->findChild<QLabel*>("DateLabel")->font()).pixelSize();
            QVERIFY2(Near(date, 16, newsScale), qPrintable(QStringLiteral("%1 px").arg(date)));
            QVERIFY2(!news->frameGeometry().intersects(setup->frameGeometry()),
                     qPrintable(Describe(news->frameGeometry()) + " over " +
                                Describe(setup->frameGeometry())));
        }

        // Onto the board with the first person listed.
        if (auto* ll2 = setup->findChild<QListWidget*>("LL2"))
            ll2->setCurrentItem(ll2->findItems("도봉", Qt::MatchExactly).first());
        ll1->setCurrentRow(0);
        ll1->item(0)->setSelected(true);
        setup->OkClicked();
        Settle();
        FightField* field = screens_->fightField();
        QVERIFY2(field, qPrintable(platform_->informed.join(" / ")));
        double fieldScale = 0;
        Grown(field, QSize(960, 640), windowed, area, &fieldScale);
        if (QTest::currentTestFailed()) return;
        auto* board = field->findChild<QWidget*>("Image1");
        QVERIFY(Near(board->height(), 640, fieldScale));
        QCOMPARE(board->height(), field->height());
        const int district = QFontInfo(Control<QLabel>(field, "Skill", 0)->font()).pixelSize();
        QVERIFY2(Near(district, 18, fieldScale), qPrintable(QStringLiteral("%1 px").arg(district)));
        QVERIFY(Near(field->findChild<QWidget*>("AutoBattle")->width(), 144, fieldScale));
        // Every piece stands on its cell: 64 pixels a cell at 100 %.
        const Fight& running = *session_->fight();
        for (int i = 0; i < kSlotCount; ++i) {
            for (const bool player : {true, false}) {
                const Fighter& f = (player ? running.player : running.enemy)[i];
                if (!f.present) continue;
                const QRect piece = Control<QWidget>(field, player ? "YI" : "CI", i)->geometry();
                const QString where = Describe(piece) + QStringLiteral(" for the cell at %1,%2")
                                                            .arg(f.shown.x / kCell)
                                                            .arg(f.shown.y / kCell);
                QVERIFY2(Near(piece.x(), f.shown.x * 2 / 15.0, fieldScale), qPrintable(where));
                QVERIFY2(Near(piece.y(), f.shown.y * 2 / 15.0, fieldScale), qPrintable(where));
                QVERIFY2(Near(piece.width(), 64, fieldScale), qPrintable(where));
                QVERIFY2(Near(piece.height(), 64, fieldScale), qPrintable(where));
            }
        }

        // The news follows the map back to its own size. The keys are the field's while it is
        // open: the map is told as its F11 would tell it.
        if (news && state == "full screen") {
            map->ToggleFullScreen();
            QTRY_COMPARE(news->size(), News::kSize);
            QVERIFY(map->board()->scale() <= 1.0);
        }
    }

    // The week's news never covers the defence set-up the same turn end opened, nor does a
    // defence set-up opened under news already open cover it; where there is room it opens
    // beside the map.
    void theNewsKeepsClearOfTheDefence_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("newsFirst");  // the news already open before the turn end
        QTest::newRow("1024 × 768") << kSmall << false;
        QTest::newRow("1024 × 768, news already open") << kSmall << true;
        QTest::newRow("1920 × 1080") << kWide << false;
    }

    void theNewsKeepsClearOfTheDefence() {
        QFETCH(int, screen);
        QFETCH(bool, newsFirst);
        MainGame* map = MapOn(kSupreme, screen);
        if (newsFirst) {
            world().options.news = false;
            map->findChild<QAction*>("턴_이번주소식")->trigger();
        }
        map->EndTurnClicked();
        Defence* defence = screens_->defence();
        News* news = screens_->news();
        QVERIFY(defence && defence->isVisible());
        QVERIFY(news && news->isVisible());
        const QRect area = AreaOf(screen);
        const QRect newsFrame = news->frameGeometry();
        const QRect defenceFrame = defence->frameGeometry();
        QVERIFY2(!newsFrame.intersects(defenceFrame),
                 qPrintable(Describe(newsFrame) + " over " + Describe(defenceFrame)));
        QVERIFY(area.contains(newsFrame));
        QVERIFY(area.contains(defenceFrame));
        for (QWidget* part : PanelParts(map))
            QVERIFY(!newsFrame.intersects(OnScreen(part)));
        if (screen == kWide) {
            // Room beside the map: the news lies beside it, not over it.
            QVERIFY2(!newsFrame.intersects(map->frameGeometry()), qPrintable(Describe(newsFrame)));
        }
    }
};

QTEST_MAIN(MapWindowTest)
#include "MapWindowTest.moc"
