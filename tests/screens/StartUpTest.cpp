// How golmok starts: its command line (--help, --version, the game's own options, anything else
// refused), a missing display seen before Qt aborts, the Korean of Qt's standard buttons with or
// without Qt's translations, and every window's caption exactly as the game names it, with
// nothing added by the window system.
#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <memory>
#include <variant>

#include "ScreenTestSupport.h"
#include "game/About.h"
#include "game/NewWorld.h"
#include "screens/Application.h"
#include "screens/Music.h"
#include "screens/Screens.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/dialogs/OpenFile.h"
#include "screens/dialogs/SaveFile.h"
#include "screens/fight/FightField.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/map/MainGame.h"
#include "screens/title/Credit.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/MainMenu.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

Q_DECLARE_METATYPE(golmok::screens::GameOptions)

namespace {

QStringList Line(const QString& words) {
    return QStringList{"golmok"} + words.split(' ', Qt::SkipEmptyParts);
}

// The texts of the buttons of the message box on screen, and the box's caption; then `answer`.
struct SeenBox {
    QString caption;
    QStringList buttons;
};

// Answers the next message box by a key pressed on it.
void PressOnNextBox(Qt::Key key) {
    QTimer::singleShot(0, [key] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, key);
    });
}

void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.caption = box->windowTitle();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
        box->button(answer)->click();
    });
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

  private slots:
    // Whether Qt's translations are installed is the business of messageBoxesSpeakKorean's first
    // row: the rest runs either way.
    void initTestCase() { SetUpApplication(*qApp); }

    void helpAndVersionAnswerWithoutWindows_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--help") << "--help"
                                << "사용법: golmok [--dir 폴더]";
        QTest::newRow("-h") << "-h"
                            << "  --dir 폴더";
        QTest::newRow("help after an option") << "--dir /tmp --help"
                                              << "-v, --version";
        QTest::newRow("--version") << "--version"
                                   << "golmok " GOLMOK_TEST_VERSION "\n";
        QTest::newRow("-v") << "-v"
                            << "golmok " GOLMOK_TEST_VERSION "\n";
    }

    void helpAndVersionAnswerWithoutWindows() {
        QFETCH(QString, line);
        QFETCH(QString, printed);
        const auto answer = AnswerWithoutWindows(Line(line));
        QVERIFY(answer);
        QCOMPARE(answer->exitCode, 0);
        QVERIFY2(answer->out.contains(printed), qPrintable(answer->out));
        QVERIFY(answer->err.isEmpty());
        // The switches that serve the measurements stay out of the help.
        QVERIFY(!answer->out.contains("bench"));
    }

    // GNU's conventions: --version gives the name and version alone on its first line, then the
    // copyright, the licences and no warranty; --help ends with where to report faults.
    void versionAndHelpFollowTheGnuConventions() {
        const QString version = AnswerWithoutWindows(Line("--version"))->out;
        QCOMPARE(version.section('\n', 0, 0), QString("golmok " GOLMOK_TEST_VERSION));
        for (const char* part :
             {"\nCopyright (C) 2026 golmok developers\n", "GPLv3+", "CC BY-SA 4.0",
              "\n법이 허락하는 데까지 어떤 보증도 없습니다.\n"}) {
            QVERIFY2(version.contains(QString::fromUtf8(part)), part);
        }
        const QString help = AnswerWithoutWindows(Line("--help"))->out;
        QVERIFY2(help.endsWith("\n\n" + QString::fromUtf8(kReportFaults)), qPrintable(help));
    }

    // Without a display QApplication would abort: the game sees it first, from the platforms Qt
    // would try and the display each needs.
    void aMissingDisplayIsSeenBeforeQt_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("refused");
        struct Case {
            const char* name;
            const char* line;
            const char* display;
            const char* wayland;
            const char* platform;
            bool refused;
        };
        const Case cases[] = {
            {"nothing at all", "", "", "", "", true},
            {"X11", "", ":0", "", "", false},
            {"Wayland", "", "", "wayland-0", "", false},
            {"offscreen", "", "", "", "offscreen", false},
            {"offscreen with options", "", "", "", "offscreen:configfile=/x.json", false},
            {"minimal", "", "", "", "minimal", false},
            {"xcb without DISPLAY", "", "", "wayland-0", "xcb", true},
            {"wayland without its socket", "", ":0", "", "wayland", true},
            {"the second of two", "", ":0", "", "wayland;xcb", false},
            {"-platform offscreen", "-platform offscreen", "", "", "", false},
            {"--platform minimal", "--dir d --platform minimal", "", "", "", false},
            {"-platform over the variable", "-platform xcb", "", "", "offscreen", true},
            {"a platform Qt judges", "-platform vnc", "", "", "", false},
        };
        for (const Case& c : cases) {
            QTest::newRow(c.name) << QString(c.line) << QString(c.display) << QString(c.wayland)
                                  << QString(c.platform) << c.refused;
        }
    }

    void aMissingDisplayIsSeenBeforeQt() {
        QFETCH(QString, line);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, platform);
        QFETCH(bool, refused);
        const auto message = NoDisplayMessage(Line(line), {display, wayland, platform});
        QCOMPARE(message.has_value(), refused);
        if (!refused) return;
        QVERIFY2(message->startsWith("golmok: 창을 열 화면에 연결할 수 없습니다 (DISPLAY="),
                 qPrintable(*message));
        QString shown = QStringLiteral("(DISPLAY=%1, WAYLAND_DISPLAY=%2")
                            .arg(display.isEmpty() ? "(없음)" : display,
                                 wayland.isEmpty() ? "(없음)" : wayland);
        shown += platform.isEmpty() ? ")" : ", QT_QPA_PLATFORM=" + platform + ")";
        QVERIFY2(message->contains(shown), qPrintable(*message));
        QVERIFY(message->endsWith('\n'));
    }

    void theGameReadsItsOptions_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("probe");
        QTest::addColumn<bool>("map");
        QTest::addColumn<bool>("fight");
        QTest::newRow("nothing") << ""
                                 << "" << false << false << false;
        QTest::newRow("--dir") << "--dir /games/golmok"
                               << "/games/golmok" << false << false << false;
        QTest::newRow("--dir=") << "--dir=/g"
                                << "/g" << false << false << false;
        QTest::newRow("probe") << "--startup-probe"
                               << "" << true << false << false;
        QTest::newRow("map") << "--bench-map --dir d"
                             << "d" << false << true << false;
        QTest::newRow("fight implies map") << "--bench-fight"
                                           << "" << false << true << true;
        // Qt's own options pass: QApplication takes them after the game has read its line.
        QTest::newRow("Qt's options") << "-platform offscreen --dir d -style Fusion -reverse"
                                      << "d" << false << false << false;
    }

    void theGameReadsItsOptions() {
        QFETCH(QString, line);
        QFETCH(QString, dir);
        QFETCH(bool, probe);
        QFETCH(bool, map);
        QFETCH(bool, fight);
        QVERIFY(!AnswerWithoutWindows(Line(line)));
        const auto read = ReadGameOptions(Line(line));
        const auto* options = std::get_if<GameOptions>(&read);
        QVERIFY(options);
        QCOMPARE(options->dir, dir);
        QCOMPARE(options->startupProbe, probe);
        QCOMPARE(options->benchMap, map);
        QCOMPARE(options->benchFight, fight);
    }

    void anythingElseIsRefused_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("why");
        QTest::newRow("unknown long") << "--fullscreen"
                                      << "알 수 없는 옵션입니다: --fullscreen";
        QTest::newRow("unknown short") << "-x"
                                       << "알 수 없는 옵션입니다: -x";
        QTest::newRow("among good ones") << "--dir d --cheat"
                                         << "알 수 없는 옵션입니다: --cheat";
        QTest::newRow("no folder") << "--dir"
                                   << "--dir 뒤에 폴더를 적어야 합니다.";
        QTest::newRow("a stray word") << "save00.sav"
                                      << "알 수 없는 인자입니다: save00.sav";
        QTest::newRow("Qt's option without its value") << "--dir d -platform"
                                                       << "-platform 뒤에 값을 적어야 합니다.";
    }

    void anythingElseIsRefused() {
        QFETCH(QString, line);
        QFETCH(QString, why);
        const auto read = ReadGameOptions(Line(line));
        const auto* answer = std::get_if<CommandLineAnswer>(&read);
        QVERIFY(answer);
        QCOMPARE(answer->exitCode, kUsageError);
        QVERIFY(answer->out.isEmpty());
        QVERIFY2(answer->err.startsWith("golmok: " + why + "\n"), qPrintable(answer->err));
        QVERIFY(answer->err.contains("golmok --help"));
    }

    // The standard buttons of the game's message boxes read Korean: from Qt's own translations,
    // and from the game's own texts where those are not installed.
    void messageBoxesSpeakKorean_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("qtFound");
        QTest::newRow("Qt's translations")
            << QLibraryInfo::path(QLibraryInfo::TranslationsPath) << true;
        QTest::newRow("the game's own") << "/nonexistent/translations" << false;
    }

    void messageBoxesSpeakKorean() {
        QFETCH(QString, folder);
        QFETCH(bool, qtFound);
        for (QTranslator* installed : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(installed);
        bool found = !qtFound;
        QTranslator* texts = KoreanButtonTexts(qApp, folder, found);
        QVERIFY2(found == qtFound, qtFound ? "qtbase_ko.qm was not found" : "");
        QCoreApplication::installTranslator(texts);

        DesktopPlatform desktop(QString{});
        SeenBox question;
        AnswerNextBox(question, QMessageBox::No);
        QVERIFY(!desktop.Ask(nullptr, "종료하기", "종료하시겠습니까?"));
        QCOMPARE(question.caption, QString("종료하기"));
        QCOMPARE(question.buttons, (QStringList{"아니요(&N)", "예(&Y)"}));
        // Enter answers 예 and Esc 아니요.
        PressOnNextBox(Qt::Key_Return);
        QVERIFY(desktop.Ask(nullptr, "해고", "해고하시겠습니까?"));
        PressOnNextBox(Qt::Key_Escape);
        QVERIFY(!desktop.Ask(nullptr, "해고", "해고하시겠습니까?"));

        SeenBox message;
        AnswerNextBox(message, QMessageBox::Ok);
        desktop.Inform(nullptr, "돈이 올라갔습니다.");
        QCOMPARE(message.caption, QString("골목패권기"));
        QCOMPARE(message.buttons, QStringList{"확인"});

        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString("취소"));
    }

    // The first title page is painted before anything else is loaded: the music and the title
    // menu come after it, and the start-up measurement ends with that first paint.
    void theTitleIsPaintedBeforeTheMusicAndTheMenuLoad() {
        Session session(BuildNewWorld(test::ShippedData()));
        FakePlatform platform;
        auto screens = std::make_unique<Screens>(session, platform, "/nonexistent/theme.wav");
        screens->Start();
        GameLogo* logo = screens->gameLogo();
        QSignalSpy painted(logo, &GameLogo::firstPainted);
        QVERIFY(!logo->painted());
        QVERIFY(!screens->mainMenu());
        QVERIFY(!logo->music().loaded());

        QVERIFY(painted.wait(5000));
        QCOMPARE(painted.count(), 1);
        QVERIFY(logo->painted());
        QVERIFY(logo->music().loaded());
        QVERIFY(screens->mainMenu());
        QVERIFY(!screens->mainMenu()->isVisible());
        logo->repaint();  // later paints send nothing more
        QCoreApplication::processEvents();
        QCOMPARE(painted.count(), 1);
    }

    // Every window's caption is its own. The window system adds the application's display name
    // to captions when one is set ("맞짱 — 골목패권기"); the game sets none, so it reads the
    // application's name, which nothing appends.
    void everyCaptionIsExactlyItsOwn() {
        QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());

        Session session(BuildNewWorld(test::ShippedData()));
        FakePlatform platform;
        auto screens = std::make_unique<Screens>(session, platform, "/nonexistent/theme.wav");
        screens->Start();
        QStringList seen{screens->gameLogo()->windowTitle()};
        for (int k = 0; k < 4; ++k)
            screens->gameLogo()->TitleStep();
        GroupSelectMenu* select = screens->ShowGroupSelectMenu();
        seen << screens->mainMenu()->windowTitle() << select->windowTitle();
        select->Choose(0);
        select->Start();
        Settle();
        MainGame* map = screens->map();
        seen << map->windowTitle();
        QTest::mouseClick(Control<QPushButton>(map, "Cmd", 7), Qt::LeftButton);
        seen << screens->gameMenu()->windowTitle();
        QCOMPARE(seen, QStringList(5, "골목패권기"));

        // Each item of the command menu opens a window captioned as the item: its dialog, or
        // for 맞짱 the set-up.
        QStringList items, titles;
        for (QAction* action : screens->gameMenu()->findChildren<QAction*>()) {
            if (action->menu() || !action->objectName().contains('_')) continue;
            const QWidgetList before = QApplication::topLevelWidgets();
            action->trigger();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!before.contains(window) && window->isVisible()) {
                    items << action->text();
                    titles << window->windowTitle();
                }
            }
        }
        QCOMPARE(items.size(), 19);
        QCOMPARE(titles, items);
        map->findChild<QAction*>("기능_저장하기")->trigger();
        map->findChild<QAction*>("기능_불러오기")->trigger();
        map->findChild<QAction*>("도움말_도움말")->trigger();
        map->findChild<QAction*>("도움말_정보")->trigger();
        map->findChild<QAction*>("도움말_제작팀소개")->trigger();
        QStringList captions;
        for (QWidget* window : {static_cast<QWidget*>(screens->saveFile()),
                                static_cast<QWidget*>(screens->openFile()),
                                static_cast<QWidget*>(screens->helpScreen()),
                                static_cast<QWidget*>(screens->inforScreen()),
                                static_cast<QWidget*>(screens->credit())}) {
            captions << window->windowTitle();
        }
        QCOMPARE(captions, (QStringList{"저장하기", "불러오기", "도움말", "정보", "제작팀소개"}));
        // The fight field is 맞짱 too.
        Attack* setup = screens->attack();
        auto* ll1 = setup->findChild<QListWidget*>("LL1");
        auto* ll2 = setup->findChild<QListWidget*>("LL2");
        ll1->item(0)->setSelected(true);
        ll1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        ll2->setCurrentItem(ll2->findItems("도봉", Qt::MatchExactly).first());
        setup->OkClicked();
        Settle();
        QVERIFY(screens->fightField());
        QCOMPARE(screens->fightField()->windowTitle(), QString("맞짱"));
        screens->DropFight();
        Settle();
        screens.reset();
        Settle();
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
