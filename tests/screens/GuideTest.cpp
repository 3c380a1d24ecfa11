// The player's guide inside the game: it names every menu and command exactly as the windows show
// them, under the menu that holds them, its key table agrees with the README's and with the
// menus' shortcuts, and 도움말 and every 안내서 보기 button show it in a window
// of the game, with no browser needed.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "ScreenTestSupport.h"
#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/map/MainGame.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "screens/title/HomePage.h"
#include "screens/title/MainMenu.h"
#include "screens/title/help.h"
#include "screens/title/infor.h"
#include "session/Session.h"
#include "support/TestWorld.h"

using namespace golmok;
using namespace golmok::screens;
using namespace golmok::screens::testing;

namespace {

// One line a menu: its caption, then its items in order ("옵션: 전투 › 리얼타임, ..."); an item
// of a submenu reads "전투 › 리얼타임".
using Menus = QStringList;

QString MenuLine(const QString& caption, const QStringList& items) {
    return items.isEmpty() ? caption : caption + ": " + items.join(", ");
}

QString Plain(QString html) {
    html.remove(QRegularExpression("<[^>]*>"));
    return html.simplified();
}

// The menus a section of the guide names: each <h3> a menu, each <dt> under it an item.
Menus GuideMenus(const QString& guide, const QString& section) {
    const QRegularExpression block(
        QStringLiteral("<section id=\"%1\">(.*?)</section>").arg(section),
        QRegularExpression::DotMatchesEverythingOption);
    const QString text = block.match(guide).captured(1);
    Menus menus;
    const QRegularExpression tag("<h3>(.*?)</h3>|<dt>(.*?)</dt>",
                                 QRegularExpression::DotMatchesEverythingOption);
    QStringList captions;
    QList<QStringList> items;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(1).isEmpty()) {
            captions << Plain(match.captured(1));
            items.append(QStringList{});
        } else if (!items.isEmpty()) {
            items.last() << Plain(match.captured(2));
        }
    }
    for (qsizetype i = 0; i < captions.size(); ++i)
        menus << MenuLine(captions[i], items[i]);
    return menus;
}

void AddItems(const QMenu* menu, const QString& path, QStringList& items) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const QString caption = path.isEmpty() ? action->text() : path + " › " + action->text();
        if (action->menu()) {
            AddItems(action->menu(), caption, items);
        } else {
            items << caption;
        }
    }
}

// The menus a window's menu bar shows; an item standing on the bar itself is a menu of none.
Menus BarMenus(const QMenuBar* bar) {
    Menus menus;
    for (const QAction* action : bar->actions()) {
        QStringList items;
        if (action->menu()) AddItems(action->menu(), QString(), items);
        menus << MenuLine(action->text(), items);
    }
    return menus;
}

// The rows of a key table as "key | where": the guide's (its section "keys") and the README's (the
// table under "### Keys"). What a key does is told in each one's own language; the keys and the
// places must agree.
QStringList GuideKeys(const QString& guide) {
    const QRegularExpression block("<section id=\"keys\">(.*?)</section>",
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression row("<tr><td>(.*?)</td><td>(.*?)</td><td>",
                                 QRegularExpression::DotMatchesEverythingOption);
    QStringList keys;
    for (auto it = row.globalMatch(block.match(guide).captured(1)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        keys << Plain(match.captured(1)) + " | " + Plain(match.captured(2));
    }
    return keys;
}

QStringList ReadmeKeys(const QString& readme) {
    QStringList keys;
    const qsizetype start = readme.indexOf("### Keys");
    if (start < 0) return keys;
    const qsizetype end = readme.indexOf("\n#", start + 1);
    const QStringList lines = readme.mid(start, end < 0 ? -1 : end - start).split('\n');
    for (const QString& line : lines) {
        if (!line.startsWith("| ") || line.startsWith("| Key ")) continue;
        const QStringList cells = line.split('|');
        if (cells.size() < 4) continue;
        keys << cells[1].trimmed() + " | " + cells[2].trimmed();
    }
    return keys;
}

QString ShippedGuide() {
    QFile file(kGuideResource);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class GuideTest : public QObject, public GameOnScreen {
    Q_OBJECT

  private slots:
    void init() { StartGame(); }
    void cleanup() { StopGame(); }

    void theGuideIsTheShippedOne() {
        QFile source(QStringLiteral(GOLMOK_TESTS_DIR "/../assets/guide/guide.html"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QCOMPARE(ShippedGuide(), QString::fromUtf8(source.readAll()));
    }

    void theGuideNamesTheMenusAsTheWindowsShowThem() {
        const QString guide = ShippedGuide();
        MainGame* map = StartOnMap(0);
        const Menus mapMenus = BarMenus(map->findChild<QMenuBar*>());
        QVERIFY(mapMenus.size() >= 5);
        QCOMPARE(GuideMenus(guide, "map-menus"), mapMenus);

        QTest::mouseClick(Control<QPushButton>(map, "Cmd", 7), Qt::LeftButton);
        const Menus commandMenus = BarMenus(screens_->gameMenu()->findChild<QMenuBar*>());
        QCOMPARE(commandMenus.size(), 6);
        QCOMPARE(GuideMenus(guide, "command-menus"), commandMenus);
    }

    // The guide's key table and the README's list the same keys in the same places, and every
    // shortcut of the map's menus is among them, for the map and the command menu alike.
    void theKeyTablesAgreeWithEachOtherAndTheMenus() {
        const QString guide = ShippedGuide();
        QFile readmeFile(QStringLiteral(GOLMOK_TESTS_DIR "/../README.md"));
        QVERIFY(readmeFile.open(QIODevice::ReadOnly));
        const QString readme = QString::fromUtf8(readmeFile.readAll());
        const QStringList keys = GuideKeys(guide);
        QVERIFY(keys.size() >= 10);
        QCOMPARE(ReadmeKeys(readme), keys);

        MainGame* map = StartOnMap(0);
        int shortcuts = 0;
        for (const QAction* action : map->findChildren<QAction*>()) {
            if (action->shortcut().isEmpty()) continue;
            ++shortcuts;
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            QVERIFY2(keys.contains(key + " | 지도, 명령 메뉴"), qPrintable(key));
        }
        QVERIFY(shortcuts >= 5);

        // A row changed on one side only is caught.
        QString changed = guide;
        changed.replace("<td>F3</td>", "<td>F4</td>");
        QVERIFY(GuideKeys(changed) != ReadmeKeys(readme));
    }

    // A reader that finds a name the windows do not show fails: the check is not blind.
    void aWrongNameInTheGuideIsCaught() {
        QString guide = ShippedGuide();
        const Menus right = GuideMenus(guide, "command-menus");
        guide.replace("<dt>동맹취소</dt>", "<dt>동맹 파기</dt>");
        QVERIFY(GuideMenus(guide, "command-menus") != right);
        guide = ShippedGuide();
        guide.replace("<h3>행동</h3>", "<h3>거래</h3>");
        QVERIFY(GuideMenus(guide, "command-menus") != right);
    }

    // Every 안내서 보기 button and 도움말 show the guide in the help window; only its own second
    // button hands it to the browser.
    void everyGuideButtonShowsTheGuideInTheGame() {
        for (int k = 0; k < 4; ++k)
            screens_->gameLogo()->TitleStep();
        MainMenu* title = screens_->mainMenu();
        QVERIFY(title);
        Click(title->findChild<QPushButton*>("Command1"));
        help* shown = screens_->helpScreen();
        QVERIFY(shown && shown->isVisible());
        auto* guide = shown->findChild<QTextBrowser*>("Guide");
        QVERIFY(guide);
        QVERIFY(guide->toPlainText().contains("명령 메뉴"));
        QVERIFY(guide->toPlainText().contains("행동대장 스카웃"));
        shown->close();
        Settle();

        MainGame* map = StartOnMap(0);
        for (const char* button : {"Command1", "Command2"}) {  // 안내서 보기, 도움말
            Click(map->findChild<QPushButton*>(button));
            QVERIFY(screens_->helpScreen());
            screens_->helpScreen()->close();
            Settle();
        }
        map->findChild<QAction*>("도움말_정보")->trigger();
        Click(screens_->inforScreen()->findChild<QPushButton*>("Command1"));
        QVERIFY(screens_->helpScreen());
        QCOMPARE(platform_->homePages, 0);
        auto* browser = screens_->helpScreen()->findChild<QPushButton*>("Command1");
        QCOMPARE(browser->text(), QString(kBrowserCaption));
        Click(browser);
        QCOMPARE(platform_->homePages, 1);
    }
};

QTEST_MAIN(GuideTest)
#include "GuideTest.moc"
