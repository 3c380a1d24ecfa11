// 저장하기 and 불러오기 as a player drives them, offscreen: the slot captions, loading from the
// map and from the title menu, slots that hold no game, a frozen map, and where the slots live.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/look/Art.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/SavedGames.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

namespace fs = std::filesystem;

void ClickSlot(QWidget* dialog, int slot) {
    QPushButton* button = Control<QPushButton>(dialog, "OpenList", slot);
    QVERIFY(button);
    Click(button);
}

QStringList Labels(QWidget* dialog) {
    QStringList labels;
    for (int n = 0; n < kSaveSlotCount; ++n)
        labels << Control<QPushButton>(dialog, "OpenList", n)->text();
    return labels;
}

constexpr QKeyCombination kCtrlS(Qt::ControlModifier, Qt::Key_S);
constexpr QKeyCombination kCtrlO(Qt::ControlModifier, Qt::Key_O);

}  // namespace

class SlotScreensTest : public QObject, GameOnScreen {
    Q_OBJECT

  private:
    std::unique_ptr<test::TempFolder> slots_;

    // 기능 > 종료하기 answered Yes.
    void QuitToTitle() {
        screens_->map()->findChild<QAction*>("기능_종료하기")->trigger();
        Settle();
        QVERIFY(screens_->mainMenu()->isVisible());
    }

  private slots:
    void init() {
        slots_ = std::make_unique<test::TempFolder>();
        StartGame(slots_->path());
        platform_->answer = true;  // every question answered Yes
    }

    void cleanup() {
        StopGame();
        slots_.reset();
    }

    void bothDialogsShowTheSlotsAsSaved() {
        MainGame* map = StartOnMap(3);
        map->EndTurnClicked();  // 1930년 1월 2주
        const int messages = platform_->informed.size();

        PressShortcut(map, kCtrlS);
        SaveFile* save = screens_->saveFile();
        QVERIFY(save && save->isVisible());
        QCOMPARE(save->windowTitle(), QString("저장하기"));
        for (int n = 0; n < kSaveSlotCount; ++n) {
            // 240 twips in, one every 840 twips, 4335 by 735, at 15 twips a pixel.
            QCOMPARE(Control<QPushButton>(save, "OpenList", n)->geometry(),
                     QRect(16, 16 + 56 * n, 289, 49));
        }
        QCOMPARE(Labels(save), QStringList(kSaveSlotCount, "비어있음"));

        ClickSlot(save, 2);
        const QString label = "1930년 1월 2주 영웅파";
        QCOMPARE(Labels(save),
                 (QStringList{"비어있음", "비어있음", label, "비어있음", "비어있음"}));
        QVERIFY(save->isVisible());                      // the save screen stays open
        QCOMPARE(platform_->informed.size(), messages);  // with no box to dismiss
        QCOMPARE(save->status(), "3번 칸에 저장했습니다: " + label);  // but a line that it saved
        QCOMPARE(test::ReadFile(SlotPath(slots_->path(), 2)), EncodeCp949(SaveText(world())));

        PressShortcut(map, kCtrlO);
        OpenFile* open = screens_->openFile();
        QVERIFY(open && open->isVisible());
        QCOMPARE(open->windowTitle(), QString("불러오기"));
        QCOMPARE(Labels(open), Labels(save));

        // Saving while 불러오기 is open changes its caption too.
        map->EndTurnClicked();
        ClickSlot(save, 4);
        QCOMPARE(Labels(open)[4], QString("1930년 1월 3주 영웅파"));
        QCOMPARE(Labels(open), Labels(save));

        Click(save->findChild<QPushButton*>("Command2"));
        Settle();
        QVERIFY(!screens_->saveFile());
        QVERIFY(screens_->openFile());
    }

    // As the game runs: the autosave is written behind the turn end, and one that fails is
    // shown over the map once the saving thread has given up.
    void aFailedBackgroundAutosaveIsShownOnTheMap() {
        session_->SaveInBackground(true);
        world().options.autosave = true;
        MainGame* map = StartOnMap(3);
        map->EndTurnClicked();
        QVERIFY(session_->FinishSaves().empty());
        Settle();
        const fs::path autosave = SlotPath(slots_->path(), kAutosaveSlot);
        QVERIFY(fs::is_regular_file(autosave));

        // The slot's place taken by a folder: the save fails on the saving thread.
        fs::remove(autosave);
        fs::create_directory(autosave);
        const int before = platform_->informed.size();
        map->EndTurnClicked();
        QTRY_COMPARE(platform_->informed.size(), before + 1);
        QVERIFY(platform_->informed.back().startsWith("autosave.sav에 저장하지 못했습니다"));
    }

    // The last week a save can hold: 턴 > 종료 says why and the week stays.
    void theCalendarEndsWhereTheSavesEnd() {
        MainGame* map = StartOnMap(3);
        world().Year = kLastYear;
        world().Month = 12;
        world().Week = 4;
        const World last = world();
        const int before = platform_->informed.size();
        map->EndTurnClicked();
        QCOMPARE(platform_->informed.size(), before + 1);
        QCOMPARE(platform_->informed.back(), QString::fromUtf8(kCalendarEndMessage));
        QVERIFY(world() == last);
    }

    void loadingRestoresTheSavedGameOnAFreshMap_data() {
        QTest::addColumn<bool>("fromTitle");
        QTest::newRow("from the map") << false;
        QTest::newRow("from the title menu") << true;
    }

    void loadingRestoresTheSavedGameOnAFreshMap() {
        QFETCH(bool, fromTitle);
        // A game of 마적파 a few weeks in, with a district taken and a person who has acted.
        MainGame* map = StartOnMap(5);
        map->EndTurnClicked();
        map->EndTurnClicked();
        world().SetOwner(0, 5);
        world().CityMoney[0] = 123456;
        world().HumanCanAct[7] = false;
        map->Refresh();
        const World saved = world();
        screens_->ShowSaveFile();
        ClickSlot(screens_->saveFile(), 1);
        QVERIFY(screens_->saveFile()->isVisible());

        // Another game as 거지파, with the district's window open.
        QuitToTitle();
        map = StartOnMap(0);
        map->EndTurnClicked();
        world().CityMoney[0] = 1;
        Click(Control<QPushButton>(map, "Cmd", 7));
        QVERIFY(screens_->gameMenu());
        const QPointer<MainGame> oldMap = map;
        if (fromTitle) {
            QuitToTitle();
            screens_->ShowGroupSelectMenu();  // left open beside 불러오기
        }
        const int messages = platform_->informed.size();

        if (fromTitle) {
            MainMenu* menu = screens_->mainMenu();
            MouseMove(Control<QWidget>(menu, "Button1", 1));
            Click(Control<QWidget>(menu, "Button2", 1));
        } else {
            PressShortcut(map, kCtrlO);
        }
        OpenFile* open = screens_->openFile();
        QVERIFY(open && open->isVisible());
        QCOMPARE(Labels(open)[1], QString("1930년 1월 3주 마적파"));
        ClickSlot(open, 1);
        Settle();

        // Every saved field came back; nothing was said.
        QCOMPARE(QString::fromStdString(SaveText(world())),
                 QString::fromStdString(SaveText(saved)));
        QCOMPARE(world().CityMoney[0], 123456.0);
        QVERIFY(!world().HumanCanAct[7]);
        QCOMPARE(platform_->informed.size(), messages);
        QVERIFY(session_->running());

        // The game screens closed; a new map shows the loaded game.
        QVERIFY(!oldMap);
        QVERIFY(!screens_->gameMenu());
        QVERIFY(!screens_->openFile());
        QVERIFY(!screens_->groupSelectMenu());
        QVERIFY(!screens_->mainMenu()->isVisible());
        map = screens_->map();
        QVERIFY(map && map->isVisible());
        // The map says what it loaded, until the next turn end.
        QCOMPARE(map->status(), QString("불러왔습니다: 1930년 1월 3주 마적파"));
        QCOMPARE(map->findChild<Picture*>("GroupLogo")->name(), QString("emblem5_on"));
        QStringList date;
        for (int i = 0; i < 3; ++i)
            date << Control<QLabel>(map, "Skill", i)->text();
        QCOMPARE(date, (QStringList{"1930", "1", "3"}));
        // Every district in its saved owner's colour: 종로 in 마적파's red.
        QVERIFY(Control<QPushButton>(map, "Cmd", 0)->styleSheet().contains("#ff0000"));
        for (int c = 0; c < kCityCount; ++c) {
            const Color owner = saved.CityOwnerColor[c];
            const QColor shown(owner & 0xFF, (owner >> 8) & 0xFF, (owner >> 16) & 0xFF);
            QVERIFY(Control<QPushButton>(map, "Cmd", c)->styleSheet().contains(shown.name()));
        }
        // The loaded game plays on: its menu and districts answer.
        Click(Control<QPushButton>(map, "Cmd", 0));
        QVERIFY(menu().SelectedCityIsOwn);
    }

    void aSlotWithoutAGameSaysSoAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");  // the slot file; absent when null
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << QByteArray() << "비어있음"
                                 << "빈 슬롯입니다. 불러올 게임이 없습니다.";
        QTest::newRow("empty file") << QByteArray("") << "비어있음"
                                    << "빈 슬롯입니다. 불러올 게임이 없습니다.";
        QTest::newRow("cut short") << QByteArray(" 1930\xA2\xAC 1\xA2\xAC") << "손상된 파일"
                                   << "저장된 게임이 손상되어 불러올 수 없습니다 (블록이 4개가 "
                                      "아니라 0개입니다).";
    }

    void aSlotWithoutAGameSaysSoAndChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, label);
        QFETCH(QString, message);
        if (!bytes.isNull()) test::WriteFile(SlotPath(slots_->path(), 3), bytes.toStdString());
        MainGame* map = StartOnMap(2);
        map->EndTurnClicked();
        world().CityMoney[4] = 77;
        const World before = world();

        PressShortcut(map, kCtrlO);
        OpenFile* open = screens_->openFile();
        QCOMPARE(Labels(open)[3], label);
        ClickSlot(open, 3);
        Settle();
        QCOMPARE(platform_->informed.last(), message);
        QVERIFY(world() == before);
        QCOMPARE(screens_->map(), map);
        QVERIFY(map->isVisible());
        QVERIFY(open->isVisible());
        QVERIFY(session_->running());
    }

    void aSaveThatFailsSaysWhyAndKeepsTheSlot() {
        MainGame* map = StartOnMap(0);
        // Something that is not a slot file sits where slot 3 would be written.
        const std::filesystem::path blocked = SlotPath(slots_->path(), 3);
        std::filesystem::create_directory(blocked);
        test::WriteFile(blocked / "x", "x");
        PressShortcut(map, kCtrlS);
        SaveFile* save = screens_->saveFile();
        ClickSlot(save, 3);
        QCOMPARE(platform_->informed.size(), 2);  // the start message, then the failure
        QVERIFY(platform_->informed.last().startsWith("save03.sav에 저장하지 못했습니다 ("));
        QVERIFY(platform_->informed.last().endsWith("전에 저장된 게임은 그대로 있습니다."));
        QCOMPARE(Labels(save)[3], QString("손상된 파일"));
        QVERIFY(std::filesystem::is_directory(blocked));
    }

    void aFrozenMapNeitherSavesNorLoads() {
        MainGame* map = StartOnMap(0);
        SaveFile* save = screens_->ShowSaveFile();
        ClickSlot(save, 0);
        OpenFile* open = screens_->ShowOpenFile();
        // A fight freezes the map while both screens are open.
        LockMap(world());
        map->Refresh();
        world().CityMoney[7] = 5;
        const World frozen = world();
        ClickSlot(save, 1);
        ClickSlot(open, 0);
        Settle();
        QVERIFY(!std::filesystem::exists(SlotPath(slots_->path(), 1)));
        QVERIFY(world() == frozen);
        QCOMPARE(screens_->map(), map);

        // Closed, they do not open again from the frozen map, by menu or by shortcut.
        save->close();
        open->close();
        Settle();
        PressShortcut(map, kCtrlS);
        PressShortcut(map, kCtrlO);
        map->findChild<QAction*>("기능_저장하기")->trigger();
        map->findChild<QAction*>("기능_불러오기")->trigger();
        QVERIFY(!screens_->saveFile());
        QVERIFY(!screens_->openFile());
    }

    void theSaveScreenGoesWithItsGame() {
        StartOnMap(0);
        screens_->ShowSaveFile();
        QuitToTitle();
        QVERIFY(!screens_->saveFile());
        // 불러오기 works from the title menu as well, so it stays.
        StartOnMap(0);
        screens_->ShowOpenFile();
        QuitToTitle();
        QVERIFY(screens_->openFile());
    }

    void theSlotsLiveInThePlayersFolderUnlessDirSaysOtherwise_data() {
        QTest::addColumn<QString>("dirOption");
        QTest::addColumn<QString>("programFolder");  // "<temp>": a writable folder of our own
        QTest::addColumn<QString>("expected");       // "<data>": the player's data folder
        // Cleaning a build tree must not take the player's games with it.
        QTest::newRow("build tree or copy") << ""
                                            << "<temp>"
                                            << "<data>";
        QTest::newRow("installed") << ""
                                   << "/usr/games"
                                   << "<data>";
        QTest::newRow("--dir") << "<temp>/mine"
                               << "/usr/games"
                               << "<temp>/mine";
    }

    void theSlotsLiveInThePlayersFolderUnlessDirSaysOtherwise() {
        QFETCH(QString, dirOption);
        QFETCH(QString, programFolder);
        QFETCH(QString, expected);
        test::TempFolder home;
        const QString temp = QString::fromStdString(slots_->path().string());
        const QString data = QString::fromStdString((home.path() / "golmok").string());
        const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
        const QString oldName = QCoreApplication::applicationName();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.path().string()));
        QCoreApplication::setApplicationName("golmok");
        auto fill = [&](QString text) {
            return text.replace("<temp>", temp).replace("<data>", data);
        };
        const std::filesystem::path folder = GameSlotFolder(fill(dirOption), fill(programFolder));
        qputenv("XDG_DATA_HOME", oldXdg);
        QCoreApplication::setApplicationName(oldName);
        QCOMPARE(QString::fromStdString(folder.string()), fill(expected));

        // The first save makes the folder when it is not there yet.
        screens_->SetSlotFolder(folder);
        MainGame* map = StartOnMap(1);
        PressShortcut(map, kCtrlS);
        ClickSlot(screens_->saveFile(), 0);
        QCOMPARE(platform_->informed.size(), 1);  // only the start message
        QVERIFY(std::filesystem::is_regular_file(SlotPath(folder, 0)));
    }
};

QTEST_MAIN(SlotScreensTest)
#include "SlotScreensTest.moc"
