// What a screen reader is told, read through Qt's accessibility offscreen: the windows' roles,
// the names of every list and amount box of the dialogs, and the accessible focus following the
// map's district focus with the district's glance as its name.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/DistrictOutlook.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/map/MainGame.h"
#include "screens/title/MainMenu.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kBeggars = 0;  // 거지파
constexpr int kSeocho = 7;   // 거지파's

QAccessible::Role RoleOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->role() : QAccessible::NoRole;
}

QString NameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace

class AccessibilityTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    // The map and the title screens are frames, the command menu, its dialogs and the slots are
    // dialogs, not fillers.
    void windowsSayWhatKindTheyAre() {
        MainGame* map = StartOnMap(kBeggars);
        QCOMPARE(RoleOf(map), QAccessible::Window);
        QCOMPARE(NameOf(map), QString("골목패권기"));
        screens_->OpenCommandMenu(kSeocho);
        QCOMPARE(RoleOf(screens_->gameMenu()), QAccessible::Dialog);
        screens_->gameMenu()->findChild<QAction*>("거래_무기매입")->trigger();
        QCOMPARE(RoleOf(screens_->dialog("ArmsBuy")), QAccessible::Dialog);
        QCOMPARE(RoleOf(screens_->ShowOpenFile()), QAccessible::Dialog);
        QCOMPARE(RoleOf(screens_->ShowMainMenu()), QAccessible::Window);
    }

    // Every list and amount box of every dialog of the menu has a name; 무기매입's list and its
    // three boxes are named by what they hold.
    void everyListAndBoxIsNamed() {
        StartOnMap(kBeggars);
        screens_->OpenCommandMenu(kSeocho);
        GameMenu* menu = screens_->gameMenu();
        menu->findChild<QAction*>("거래_무기매입")->trigger();
        CommandDialog* buy = screens_->dialog("ArmsBuy");
        QCOMPARE(NameOf(buy->findChild<QListWidget*>("LL")), QString("사람 목록"));
        QStringList boxes;
        for (int i = 0; i < 3; ++i)
            boxes << NameOf(Control<QLineEdit>(buy, "Text1", i));
        QCOMPARE(boxes, (QStringList{"진검", "사시미", "각목"}));

        for (QAction* item : menu->findChildren<QAction*>()) {
            if (!item->objectName().contains('_') || item->objectName() == "행동_싸움") continue;
            item->trigger();
        }
        int seen = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<CommandDialog*>(window);
            if (!dialog || !dialog->isVisible()) continue;
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                if (!qobject_cast<QListWidget*>(control) && !qobject_cast<QLineEdit*>(control))
                    continue;
                ++seen;
                QVERIFY2(!NameOf(control).isEmpty(),
                         qPrintable(dialog->objectName() + " " + control->objectName()));
            }
        }
        QVERIFY(seen > 20);
    }

    // The accessible focus follows the district focus: the map, which holds the keyboard for its
    // districts, gives the focused district's button as its focused child, named by its glance
    // (district, owner, people, strength), and moves it with the arrows.
    void theAccessibleFocusFollowsTheDistricts() {
        MainGame* map = StartOnMap(kBeggars);
        map->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(map));
        QWidget* districts = map->findChild<QWidget*>("Image1");
        QCOMPARE(QApplication::focusWidget(), districts);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(districts);
        QVERIFY(face);
        const auto spoken = [this](int city) {
            return QString::fromStdString(DistrictStatusText(world(), city, nullptr));
        };
        QVERIFY(face->focusChild());
        QCOMPARE(face->focusChild()->object(),
                 static_cast<QObject*>(Control<QPushButton>(map, "Cmd", map->focusedDistrict())));
        QCOMPARE(face->focusChild()->text(QAccessible::Name), spoken(map->focusedDistrict()));

        const int from = map->focusedDistrict();
        QTest::keyClick(districts, Qt::Key_Right);
        const int to = map->focusedDistrict();
        QVERIFY(to != from);
        QAccessibleInterface* focused = face->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->object(), static_cast<QObject*>(Control<QPushButton>(map, "Cmd", to)));
        const QString name = focused->text(QAccessible::Name);
        QCOMPARE(name, spoken(to));
        QVERIFY(name.startsWith(QString::fromStdString(world().CityName[to]) + " · "));
        QVERIFY(name.contains(", 힘 ") || name.contains("빈 곳"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
