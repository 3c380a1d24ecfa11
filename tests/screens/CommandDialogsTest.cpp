// The command menu of a district and its dialogs as a player drives them, offscreen: the menus a
// district allows, the lists and labels, the amount bar under the mouse, OK and its messages, and
// the panel after a command.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "commands/Alliances.h"
#include "commands/Commerce.h"
#include "commands/Information.h"
#include "commands/Moving.h"
#include "commands/Training.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

constexpr int kPlayer = 4;    // 종로파: 종로, 용산 and 중구
constexpr int kJongno = 0;    // the player's, eight people
constexpr int kDobong = 8;    // 흑사파's
constexpr int kMoneyRow = 2;  // panel rows
constexpr int kPeopleRow = 3;

QString Figure(QWidget* dialog, int index) {
    return Control<QLabel>(dialog, "Skill", index)->text();
}

QStringList Entries(QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

QStringList Names(const World& world, const std::vector<int>& people) {
    QStringList names;
    for (int h : people)
        names << QString::fromStdString(world.HumanName[h]);
    return names;
}

void ClickEntry(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Mouse events on an amount bar at horizontal offset x (fractions allowed, as the bar reads them).
void SendMouse(QWidget* bar, QEvent::Type type, double x) {
    const QPointF at(x, bar->height() / 2.0);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, bar->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
}

void MoveOver(AmountBar* bar, double x) {
    SendMouse(bar, QEvent::MouseMove, x);
}

void PressOn(AmountBar* bar, double x) {
    SendMouse(bar, QEvent::MouseButtonPress, x);
    SendMouse(bar, QEvent::MouseButtonRelease, x);
}

}  // namespace

class CommandDialogsTest : public QObject, GameOnScreen {
    Q_OBJECT

  private:
    MainGame* map_ = nullptr;

    GameMenu* ClickDistrict(int city) {
        QTest::mouseClick(Control<QPushButton>(map_, "Cmd", city), Qt::LeftButton);
        return screens_->gameMenu();
    }

    // Chooses the item in the command menu; returns its dialog.
    CommandDialog* Choose(const char* item, const char* dialog) {
        QAction* action = screens_->gameMenu()->findChild<QAction*>(QString::fromUtf8(item));
        if (!action) return nullptr;
        action->trigger();
        return screens_->dialog(QString::fromUtf8(dialog));
    }

    QString PanelRow(int k) { return Control<QLabel>(screens_->gameMenu(), "LL", k)->text(); }

  private slots:
    void init() {
        StartGame();
        map_ = StartOnMap(kPlayer);
        platform_->informed.clear();
    }

    void cleanup() { StopGame(); }

    void menusFollowTheOwnerOfTheDistrict_data() {
        QTest::addColumn<int>("city");
        QTest::addColumn<bool>("own");
        QTest::newRow("the player's") << kJongno << true;
        QTest::newRow("another gang's") << kDobong << false;
    }

    void menusFollowTheOwnerOfTheDistrict() {
        QFETCH(int, city);
        QFETCH(bool, own);
        GameMenu* menu = ClickDistrict(city);
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->windowTitle(), QString("골목패권기"));
        QCOMPARE(menu->findChild<QLabel*>("Citylabel")->text(),
                 QString::fromStdString(world().CityName[city]));
        QStringList titles;
        for (QAction* action : menu->findChild<QMenuBar*>()->actions()) {
            titles << action->text();
            QCOMPARE(action->isEnabled(), own || action->text() == "정보");
        }
        QCOMPARE(titles, (QStringList{"행동", "인사", "외교", "정보", "거래", "도시"}));
        QStringList items;
        for (QAction* action : menu->findChild<QMenu*>("행동")->actions())
            items << action->text();
        QCOMPARE(items,
                 (QStringList{"맞짱", "이동", "수송", "조직원 스카웃", "훈련", "재편성", "치료"}));
        // 맞짱 opens the fight set-up, a screen of its own.
        QVERIFY(menu->findChild<QAction*>("행동_싸움")->isEnabled());
        // Tooltips say what each row counts.
        QVERIFY(!Control<QLabel>(menu, "LL", kPeopleRow)->toolTip().isEmpty());
    }

    void aListAndItsLabelsAfterAClick() {
        ClickDistrict(kJongno);
        CommandDialog* dialog = Choose("도시_돈걷기", "GiveMeMoney");
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("돈걷기"));
        auto* list = dialog->findChild<QListWidget*>("LL");
        QCOMPARE(Entries(list), Names(world(), CollectList(world(), menu())));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(Figure(dialog, 0).isEmpty());
        ClickEntry(list, 1);
        const int h = CollectList(world(), menu())[1];
        QCOMPARE(menu().SelectedHuman, h);
        const QStringList shown{Figure(dialog, 0), Figure(dialog, 1), Figure(dialog, 2),
                                Figure(dialog, 3)};
        QCOMPARE(shown,
                 (QStringList{QString::fromStdString(FormatNumber(world().HumanAttack[h])),
                              QString::fromStdString(FormatNumber(world().HumanDefence[h])),
                              QString::fromStdString(FormatNumber(world().HumanAgility[h])),
                              QString::fromStdString(FormatNumber(world().HumanStamina[h]))}));

        // The person view of another gang's district lists its people, whatever their gang.
        ClickDistrict(kDobong);
        QVERIFY(!screens_->dialog("GiveMeMoney"));  // 도시 cannot be used there
        Settle();
        CommandDialog* info = Choose("정보_인물정보", "HumanInfo");
        QCOMPARE(Entries(info->findChild<QListWidget*>("LL")),
                 Names(world(), PersonInfoList(world(), menu())));
        // It follows the menu to the next district clicked.
        ClickDistrict(kJongno);
        QCOMPARE(Entries(info->findChild<QListWidget*>("LL")),
                 Names(world(), PersonInfoList(world(), menu())));
    }

    void theBarRoundsItsAmount_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<double>("fraction");  // of the bar's width
        QTest::addColumn<QString>("amount");
        // With 25 in the district, the middle of the bar is worth 12.5.
        QTest::newRow("prize, left edge") << "인사_포상"
                                          << "Prize" << 0.0 << "0";
        QTest::newRow("prize, half up") << "인사_포상"
                                        << "Prize" << 0.5 << "13";
        QTest::newRow("prize, right edge") << "인사_포상"
                                           << "Prize" << 1.0 << "25";
        QTest::newRow("commerce, left edge") << "도시_상업개발"
                                             << "Trade" << 0.0 << "0";
        QTest::newRow("commerce, cut down") << "도시_상업개발"
                                            << "Trade" << 0.5 << "12";
        QTest::newRow("beyond the right end") << "인사_포상"
                                              << "Prize" << 1.5 << "25";
    }

    void theBarRoundsItsAmount() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(double, fraction);
        QFETCH(QString, amount);
        world().CityMoney[kJongno] = 25;
        ClickDistrict(kJongno);
        CommandDialog* window = Choose(item.toUtf8().constData(), dialog.toUtf8().constData());
        auto* bar = Control<AmountBar>(window, "PB", 0);
        QCOMPARE(bar->fullScale(), double(bar->width()));
        MoveOver(bar, bar->fullScale() * fraction);
        QCOMPARE(Control<QLineEdit>(window, "Text1")->text(), amount);
    }

    void aPressFreezesTheBarAndASecondReleasesIt() {
        world().CityMoney[kJongno] = 1000;
        ClickDistrict(kJongno);
        CommandDialog* prize = Choose("인사_포상", "Prize");
        auto* bar = Control<AmountBar>(prize, "PB", 0);
        auto* box = Control<QLineEdit>(prize, "Text1");
        const double width = bar->fullScale();
        QVERIFY(menu().BarTracking);
        MoveOver(bar, width / 4);
        QCOMPARE(box->text(), QString("250"));

        PressOn(bar, width / 2);  // frozen where it was pressed
        QVERIFY(!menu().BarTracking);
        QCOMPARE(box->text(), QString("500"));
        QCOMPARE(bar->format(), QString("고정"));
        MoveOver(bar, width);
        QCOMPARE(box->text(), QString("500"));

        PressOn(bar, width);  // following again, from where it was pressed
        QVERIFY(menu().BarTracking);
        QCOMPARE(box->text(), QString("1000"));
        QVERIFY(bar->format().isEmpty());
        MoveOver(bar, 0);
        QCOMPARE(box->text(), QString("0"));

        // Opening a dialog lets the bars follow the pointer again.
        PressOn(bar, 0);
        Choose("인사_포상", "Prize");
        QVERIFY(menu().BarTracking);
    }

    void okWithNothingChosen_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("enterKey");  // the Enter key instead of a click on 확인
        QTest::addColumn<QString>("message");
        const QString person = "사람을 선택해주세요.";
        QTest::newRow("수송") << "행동_수송"
                              << "Transport" << false << person;
        QTest::newRow("이동") << "행동_이동"
                              << "MoveCity" << true << person;
        QTest::newRow("조직원 스카웃") << "행동_조직원모집"
                                       << "StaffScout" << false << person;
        QTest::newRow("행동대장 스카웃") << "인사_행동대장모집"
                                         << "Scout" << true << person;
        QTest::newRow("해고") << "인사_해고"
                              << "Dismiss" << false << person;
        QTest::newRow("무기매입") << "거래_무기매입"
                                  << "ArmsBuy" << true << person;
        QTest::newRow("상업개발") << "도시_상업개발"
                                  << "Trade" << false << person;
        QTest::newRow("동맹") << "외교_동맹"
                              << "AllyOk" << true << person;
        QTest::newRow("동맹취소") << "외교_동맹취소"
                                  << "AllyCancel" << false << "조직을 선택해주세요.";
    }

    void okWithNothingChosen() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(bool, enterKey);
        QFETCH(QString, message);
        ClickDistrict(kJongno);
        CommandDialog* window = Choose(item.toUtf8().constData(), dialog.toUtf8().constData());
        QVERIFY(window);
        const World before = world();
        if (enterKey) {
            QTest::keyClick(window, Qt::Key_Return);
        } else {
            QTest::mouseClick(window->findChild<QWidget*>("Command1"), Qt::LeftButton);
        }
        QCOMPARE(platform_->informed, QStringList{message});
        QVERIFY(world() == before);
        QVERIFY(window->isVisible());  // the dialog stays for another try
        QTest::keyClick(window, Qt::Key_Escape);
        Settle();
        QVERIFY(!screens_->dialog(dialog));
    }

    void tabGoesThroughTheDialogInOrder_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("무기매입") << "거래_무기매입"
                                  << "ArmsBuy" << QStringList{"LL",    "Text1",    "Text1",
                                                              "Text1", "Command1", "Command2"};
        QTest::newRow("행동대장 스카웃")
            << "인사_행동대장모집"
            << "Scout" << QStringList{"LL1", "LL3", "LL2", "Text1", "Command1", "Command2"};
        QTest::newRow("인물정보") << "정보_인물정보"
                                  << "HumanInfo" << QStringList{"LL", "Command1"};
    }

    void tabGoesThroughTheDialogInOrder() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QStringList, chain);
        ClickDistrict(kJongno);
        CommandDialog* window = Choose(item.toUtf8().constData(), dialog.toUtf8().constData());
        QWidget* first = window->findChild<QWidget*>(chain.first());
        QStringList reached;
        QWidget* widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
                widget->isEnabled())
                reached << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(reached, chain);
    }

    void aCommandThroughTheWindowChangesThePanel_data() {
        QTest::addColumn<bool>("notices");
        QTest::newRow("notices off") << false;
        QTest::newRow("notices on") << true;
    }

    void aCommandThroughTheWindowChangesThePanel() {
        QFETCH(bool, notices);
        world().options.notices = notices;
        ClickDistrict(kJongno);
        const double money = world().CityMoney[kJongno];
        const double fame = world().GroupFame[kPlayer];
        CommandDialog* collect = Choose("도시_돈걷기", "GiveMeMoney");
        auto* list = collect->findChild<QListWidget*>("LL");
        const int h = CollectList(world(), menu())[0];
        ClickEntry(list, 0);
        const double income = CollectIncome(world(), h, kJongno);
        QVERIFY(income > 0);
        QTest::mouseClick(collect->findChild<QWidget*>("Command1"), Qt::LeftButton);
        Settle();

        QVERIFY(!screens_->dialog("GiveMeMoney"));
        QVERIFY(!world().HumanCanAct[h]);
        QCOMPARE(PanelRow(kMoneyRow), QString::fromStdString(FormatNumber(money + income)));
        QCOMPARE(PanelRow(8), QString::fromStdString(FormatNumber(fame - 1)));
        QStringList expected{"돈이 걷혀졌습니다."};
        if (notices) {
            // One box a changed row, in row order: 돈 before 명성.
            expected << QString("돈이(가) + %1이 되었습니다.")
                            .arg(QString::fromStdString(FormatNumber(income)))
                     << "명성이(가) -1이 되었습니다.";
        }
        QCOMPARE(platform_->informed, expected);
        // The result's box says what was collected on a second line.
        QCOMPARE(platform_->details,
                 QStringList{QString("돈이 걷혀졌습니다.|걷힌 돈: %1")
                                 .arg(QString::fromStdString(FormatNumber(income)))});
        // The person has acted: the next opening no longer lists him.
        collect = Choose("도시_돈걷기", "GiveMeMoney");
        QVERIFY(!Entries(collect->findChild<QListWidget*>("LL"))
                     .contains(QString::fromStdString(world().HumanName[h])));
    }

    void dismissalRecruitingAndHealingOpenAgain_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("해고") << "인사_해고"
                              << "Dismiss" << QStringList{"해고되었습니다."};
        QTest::newRow("조직원 스카웃") << "행동_조직원모집"
                                       << "StaffScout" << QStringList{"조직원이 스카웃되었습니다."};
        QTest::newRow("치료") << "행동_치료"
                              << "Heal" << QStringList{};  // no message of its own
    }

    void dismissalRecruitingAndHealingOpenAgain() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QStringList, messages);
        // Two people of 종로 are short of members and of stamina.
        for (int h : {119, 120}) {
            world().HumanMembers[h] = world().HumanLeadership[h] - 2;
            world().HumanStamina[h] = world().FullStamina(h) - 3;
        }
        ClickDistrict(kJongno);
        const double money = world().CityMoney[kJongno];
        CommandDialog* window = Choose(item.toUtf8().constData(), dialog.toUtf8().constData());
        auto* list = window->findChild<QListWidget*>("LL");
        const QStringList before = Entries(list);
        QVERIFY(before.size() >= 2);
        const QString people = PanelRow(kPeopleRow);
        ClickEntry(list, 0);
        const int h = menu().SelectedHuman;
        if (dialog == "StaffScout") {
            QTest::keyClicks(Control<QLineEdit>(window, "Text1"), "40000");
            QCOMPARE(Figure(window, 1),
                     QString::fromStdString(FormatNumber(world().HumanLeadership[h])));
        }
        platform_->answer = true;  // 예 to 해고's question
        QTest::keyClick(window, Qt::Key_Enter);
        Settle();
        QCOMPARE(platform_->informed, messages);
        QCOMPARE(screens_->dialog(dialog), window);  // back at once, with a fresh list
        QVERIFY(window->isVisible());
        QCOMPARE(Entries(list), before.mid(1));
        QVERIFY(list->selectedItems().isEmpty());
        if (dialog == "Dismiss") {
            QCOMPARE(PanelRow(kPeopleRow).toInt(), people.toInt() - 1);
        } else if (dialog == "StaffScout") {
            QCOMPARE(world().HumanMembers[h], world().HumanLeadership[h]);
            QCOMPARE(world().CityMoney[kJongno], money - 40000);
        } else {
            QCOMPARE(world().HumanStamina[h], world().FullStamina(h));
            QCOMPARE(world().CityMoney[kJongno], money - 30000);
            // No box, but the dialog says who was healed and to what.
            QVERIFY(window->findChild<QLabel*>("Done")->text().startsWith(
                QString::fromStdString(world().HumanName[h]) + "의 체력이 "));
        }
        QCOMPARE(PanelRow(kMoneyRow),
                 QString::fromStdString(FormatNumber(world().CityMoney[kJongno])));
    }

    void aDialogLeftOpenShowsTheNewTurn() {
        ClickDistrict(kJongno);
        CommandDialog* collect = Choose("도시_돈걷기", "GiveMeMoney");
        ClickEntry(collect->findChild<QListWidget*>("LL"), 0);
        QTest::keyClick(collect, Qt::Key_Return);
        Settle();
        collect = Choose("도시_돈걷기", "GiveMeMoney");
        const QStringList acted = Entries(collect->findChild<QListWidget*>("LL"));
        QCOMPARE(acted.size(), int(CollectList(world(), menu()).size()));
        map_->EndTurnClicked();
        Settle();
        QVERIFY(screens_->dialog("GiveMeMoney"));
        // Everybody may act again, the person who collected too.
        QCOMPARE(Entries(collect->findChild<QListWidget*>("LL")),
                 Names(world(), CollectList(world(), menu())));
        QCOMPARE(Entries(collect->findChild<QListWidget*>("LL")).size(), acted.size() + 1);
    }

    void theGroupViewShowsItsFiguresOnceAGangIsChosen() {
        ClickDistrict(kDobong);
        CommandDialog* info = Choose("정보_조직정보", "GroupInfo");
        QCOMPARE(info->windowTitle(), QString("조직정보"));
        QVERIFY(!Control<QLabel>(info, "Skill", 0)->isVisible());
        auto* list = info->findChild<QListWidget*>("LL");
        QCOMPARE(list->count(), kGroupCount);
        ClickEntry(list, kPlayer);
        const GroupFigures f = GroupInfoFigures(world(), kPlayer);
        QVERIFY(Control<QLabel>(info, "Skill", 0)->isVisible());
        // Money with its thousands marked.
        QVERIFY(*f.money >= 1000);
        QCOMPARE(Figure(info, 0), QString::fromStdString(FormatMoney(*f.money)));
        QVERIFY(Figure(info, 0).contains(','));
        QCOMPARE(Figure(info, 2), QString::fromStdString(f.boss));
        QCOMPARE(Figure(info, 3), QString::fromStdString(FormatNumber(*f.people)));
        // Where the gang stands: its districts, hostility and alliance.
        const int rival = 6;  // 흑사파
        const GroupRelations r = GroupRelationsOf(world(), rival);
        ClickEntry(list, rival);
        QStringList names;
        for (int c : r.districts)
            names << QString::fromStdString(world().CityName[c]);
        QCOMPARE(Figure(info, 8), names.join(", "));
        QCOMPARE(Figure(info, 9), QString::fromStdString(FormatNumber(r.hostility)));
        QCOMPARE(Figure(info, 10), QString(r.ally ? "동맹" : "없음"));
        // A view changes nothing, not even the amount bars.
        menu().BarTracking = false;
        Choose("정보_조직정보", "GroupInfo");
        QVERIFY(!menu().BarTracking);
        QTest::mouseClick(info->findChild<QWidget*>("Command1"), Qt::LeftButton);
        Settle();
        QVERIFY(!screens_->dialog("GroupInfo"));
    }

    // 인물정보 tells who a person is; 해고 whom the player would lose; 동맹 and 원조 show no
    // figure before anybody is chosen.
    void theViewsTellWhatThePlayerNeeds() {
        ClickDistrict(kJongno);
        CommandDialog* info = Choose("정보_인물정보", "HumanInfo");
        auto* people = info->findChild<QListWidget*>("LL");
        const int first = people->item(0)->data(Qt::UserRole).toInt();
        world().HumanCanAct[first] = false;
        ClickEntry(people, 0);
        QCOMPARE(Figure(info, 10), QString::fromStdString(world().HumanGroup[first]));
        QCOMPARE(Figure(info, 11), QString::fromStdString(world().HumanRank[first]));
        QCOMPARE(Figure(info, 12), QString(kActedText));
        const int second = people->item(1)->data(Qt::UserRole).toInt();
        QVERIFY(world().HumanCanAct[second]);
        ClickEntry(people, 1);
        QCOMPARE(Figure(info, 12), QString(kNotActedText));
        info->close();

        CommandDialog* dismiss = Choose("인사_해고", "Dismiss");
        auto* list = dismiss->findChild<QListWidget*>("LL");
        QVERIFY(list->count() > 0);
        const int h = list->item(0)->data(Qt::UserRole).toInt();
        QCOMPARE(list->item(0)->text(),
                 QString::fromStdString(world().HumanName[h] + "  (조직원 " +
                                        FormatMoney(world().HumanMembers[h]) + ", 충성 " +
                                        FormatNumber(world().HumanLoyalty[h]) + ")"));
        dismiss->close();

        for (const char* item : {"외교_동맹", "외교_원조"}) {
            const bool ally = std::string(item) == "외교_동맹";
            CommandDialog* envoy = Choose(item, ally ? "AllyOk" : "AllyHelp");
            QVERIFY(envoy);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(Figure(envoy, i), QString());
            envoy->close();
        }
    }

    void reorganizingMovesMembersAtOnce() {
        ClickDistrict(kJongno);
        CommandDialog* reset = Choose("행동_재편성", "Reset");
        QVERIFY(!reset->findChild<QWidget*>("Command1"));  // no OK: every change is made at once
        auto* bar = Control<AmountBar>(reset, "PB", 0);
        auto* box = Control<QLineEdit>(reset, "Text1");
        QVERIFY(!bar->isEnabled());
        auto* list = reset->findChild<QListWidget*>("LL");
        const int a = menu().reorg.people[0];
        const int b = menu().reorg.people[1];
        const double membersA = world().HumanMembers[a];
        const double membersB = world().HumanMembers[b];
        QVERIFY(membersA > 5);
        ClickEntry(list, 0);
        QVERIFY(bar->isEnabled());
        QCOMPARE(box->text(), QString::fromStdString(FormatNumber(membersA)));

        // Typing 5 leaves A five members and puts the rest in the pool, shown at once.
        box->selectAll();
        QTest::keyClicks(box, "5");
        QCOMPARE(world().HumanMembers[a], 5.0);
        QCOMPARE(menu().reorg.ReorgPool, membersA - 5);
        QCOMPARE(Figure(reset, 2), QString::fromStdString(FormatNumber(membersA - 5)));

        // The bar at its right end gives B what he and the pool hold, up to his leadership.
        ClickEntry(list, 1);
        MoveOver(bar, bar->fullScale());
        const double expected = std::min(membersB + membersA - 5, world().HumanLeadership[b]);
        QCOMPARE(world().HumanMembers[b], expected);
        QCOMPARE(box->text(), QString::fromStdString(FormatNumber(expected)));

        // A click on the district already shown, and a turn end, list the people standing there
        // now and keep the pool; one of them has left meanwhile.
        const double pool = menu().reorg.ReorgPool;
        QVERIFY(pool > 0);
        world().HumanCity[b] = "백수동네";
        ClickDistrict(kJongno);
        QCOMPARE(menu().reorg.ReorgPool, pool);
        QCOMPARE(Figure(reset, 2), QString::fromStdString(FormatNumber(pool)));
        QVERIFY(!Entries(list).contains(QString::fromStdString(world().HumanName[b])));
        QVERIFY(!bar->isEnabled());
        map_->EndTurnClicked();
        Settle();
        QCOMPARE(screens_->dialog("Reset"), reset);
        QCOMPARE(menu().reorg.ReorgPool, pool);
        QCOMPARE(Entries(list), Names(world(), ReorgList(world(), menu())));

        // Closing loses what is left in the pool.
        reset->close();
        Settle();
        QVERIFY(!menu().reorg.open);
    }

    void movingSelectsEveryoneWithOneButton() {
        world().CityMoney[kJongno] = 5000;
        ClickDistrict(kJongno);
        CommandDialog* move = Choose("행동_이동", "MoveCity");
        auto* people = move->findChild<QListWidget*>("LL1");
        auto* toggle = move->findChild<QPushButton*>("Command3");
        QCOMPARE(toggle->text(), QString("모두 선택"));
        // The list taking the focus points at nobody: OK still asks for a person.
        move->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(move));
        people->setFocus(Qt::TabFocusReason);
        QVERIFY(people->hasFocus());
        QVERIFY(!people->currentItem());
        QTest::mouseClick(move->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCOMPARE(platform_->informed, QStringList{"사람을 선택해주세요."});
        platform_->informed.clear();
        const std::vector<int> listed = MovingPeople(world(), menu());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QString("모두 해제"));
        QCOMPARE(people->selectedItems().size(), int(listed.size()));
        auto* targets = move->findChild<QListWidget*>("LL2");
        QCOMPARE(Entries(targets), (QStringList{"용산", "중구"}));
        ClickEntry(targets, 1);
        Control<QLineEdit>(move, "Text1", 3)->setText("5000");
        // Everybody leaving 종로 empties it: the game asks first.
        platform_->answer = true;
        QTest::mouseClick(move->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCOMPARE(platform_->asked.size(), 1);
        QCOMPARE(platform_->informed, QStringList{"수송이 완료되었습니다."});
        for (int h : listed)
            QCOMPARE(world().HumanCity[h], std::string("중구"));
        QCOMPARE(world().CityMoney[kJongno], 0.0);
        QVERIFY(PanelRow(kPeopleRow).isEmpty());
    }

    void aTypedAmountBeyondTheBarIsRefused() {
        ClickDistrict(kJongno);
        const double knives = world().CityKnife[kJongno];
        CommandDialog* sell = Choose("거래_무기매출", "ArmsSell");
        ClickEntry(sell->findChild<QListWidget*>("LL"), 0);
        auto* knifeBox = Control<QLineEdit>(sell, "Text1", 1);
        QTest::keyClicks(knifeBox, "-3x");  // the box takes digits only
        QCOMPARE(knifeBox->text(), QString("3"));
        QCOMPARE(Figure(sell, 0), QString("18000"));  // three knives at 6000
        QTest::mouseClick(sell->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCOMPARE(platform_->informed,
                 QStringList{QString::fromStdString(TypedAmountMessage(knives))});
        QCOMPARE(world().CityKnife[kJongno], knives);
    }

    void aFightClosesTheMenuAndItsDialogs() {
        ClickDistrict(kJongno);
        Choose("행동_재편성", "Reset");
        Choose("정보_조직정보", "GroupInfo");
        LockMap(world());
        world().DefenceSetupOpen = true;
        screens_->DefenceAnnounced();
        Settle();
        QVERIFY(!screens_->gameMenu());
        QVERIFY(!screens_->dialog("Reset"));
        QVERIFY(!screens_->dialog("GroupInfo"));
        // While the map is frozen no district opens its menu.
        LockMap(world());
        screens_->OpenCommandMenu(kJongno);
        QVERIFY(!screens_->gameMenu());
    }

    // An empty list says why in a note over it, the core's reason word for word; a list with
    // anybody in it shows no note.
    void anEmptyListSaysWhy_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("change");  // 0 none, 1 everybody has acted, 2 nobody there
        QTest::addColumn<QString>("why");
        // After change 1, once everybody may act again: the note then, empty for none.
        QTest::addColumn<QString>("whyAfter");
        // In the first week everybody's morale is 100: training has nobody to offer.
        QTest::newRow("훈련, all acted") << "행동_훈련"
                                         << "Train"
                                         << "LL" << 1 << kEveryoneActed << kEveryoneAtFullMorale;
        QTest::newRow("치료, all healthy") << "행동_치료"
                                           << "Heal"
                                           << "LL" << 0 << kEveryoneHealthy << "";
        QTest::newRow("돈걷기 lists people") << "도시_돈걷기"
                                             << "GiveMeMoney"
                                             << "LL" << 0 << ""
                                             << "";
        QTest::newRow("돈걷기, all acted") << "도시_돈걷기"
                                           << "GiveMeMoney"
                                           << "LL" << 1 << kEveryoneActed << "";
        QTest::newRow("재편성, nobody") << "행동_재편성"
                                        << "Reset"
                                        << "LL" << 2 << kNobodyHere << "";
        QTest::newRow("동맹취소, no ally") << "외교_동맹취소"
                                           << "AllyCancel"
                                           << "LL" << 0 << kNoAlly << "";
        QTest::newRow("원조, all acted") << "외교_원조"
                                         << "AllyHelp"
                                         << "LL1" << 1 << kEveryoneActed << "";
        QTest::newRow("인물정보, nobody") << "정보_인물정보"
                                          << "HumanInfo"
                                          << "LL" << 2 << kNobodyHere << "";
    }

    void anEmptyListSaysWhy() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        QFETCH(QString, list);
        QFETCH(int, change);
        QFETCH(QString, why);
        QFETCH(QString, whyAfter);
        for (int h = 0; h < kHumanCount; ++h) {
            // Nobody needs healing at the start; everybody stays in the district unless moved.
            world().HumanStamina[h] = world().FullStamina(h);
            if (change == 1) world().HumanCanAct[h] = false;
            if (change == 2 && world().IsIn(h, kJongno))
                world().HumanCity[h] = world().CityName[kDobong];
        }
        ClickDistrict(kJongno);
        CommandDialog* opened = Choose(item.toUtf8().constData(), dialog.toUtf8().constData());
        QVERIFY(opened);
        opened->show();
        auto* entries = opened->findChild<QListWidget*>(list);
        QVERIFY(entries);
        auto* note = entries->viewport()->findChild<QLabel*>("WhyEmpty");
        if (why.isEmpty()) {
            QVERIFY(entries->count() > 0);
            QVERIFY(!note || note->isHidden());
            return;
        }
        QCOMPARE(entries->count(), 0);
        QVERIFY(note);
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), why);
        // The note covers the list and wraps within it.
        QCOMPARE(note->geometry(), entries->viewport()->rect());
        QVERIFY(note->wordWrap());
        if (change != 1) return;
        // Refilled, the list says the new reason, or loses its note when it holds anybody.
        world().HumanCanAct.fill(true);
        opened->Open();
        if (whyAfter.isEmpty()) {
            QVERIFY(entries->count() > 0);
            QVERIFY(note->isHidden());
        } else {
            QCOMPARE(entries->count(), 0);
            QCOMPARE(note->text(), whyAfter);
        }
    }

    void reorganizingWarnsThatThePoolIsLostOnClosing() {
        ClickDistrict(kJongno);
        CommandDialog* reset = Choose("행동_재편성", "Reset");
        QVERIFY(reset);
        reset->show();
        auto* note = reset->findChild<QLabel*>("PoolNote");
        QVERIFY(note);
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QString::fromUtf8(kReorgPoolLost));
    }
};

QTEST_MAIN(CommandDialogsTest)
#include "CommandDialogsTest.moc"
