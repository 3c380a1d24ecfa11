// Pictures of the command menu and all nineteen of its dialogs, the week's news and the chronicle
// for the documentation: runs the windowed game on the shipped data, plays a few clicks and turn
// ends and saves each window as PNG.
//   golmok-screenshots OUTDIR SUFFIX    (e.g. docs "" at 100 %, docs "-200" with QT_SCALE_FACTOR=2)
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "game/NewWorld.h"
#include "screens/Screens.h"
#include "screens/chronicle/ChronicleChart.h"
#include "screens/dialogs/CommandDialog.h"
#include "screens/dialogs/GameMenu.h"
#include "screens/fight/FightSetupScreen.h"
#include "screens/look/Platform.h"
#include "screens/map/MainGame.h"
#include "screens/map/News.h"
#include "screens/title/GameLogo.h"
#include "screens/title/GroupSelectMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"

using namespace golmok;
using namespace golmok::screens;

namespace {

class QuietPlatform : public Platform {
  public:
    void Inform(QWidget*, const QString&) override {}
    void InformDetail(QWidget*, const QString&, const QString&) override {}
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    bool OpenHomePage() override { return true; }
    void EndProgram() override {}
};

void Pick(QWidget* dialog, const char* list, int row) {
    auto* widget = dialog->findChild<QListWidget*>(list);
    if (!widget || row >= widget->count()) return;
    // Clicked as a player clicks it, so that the dialog shows what the entry chooses.
    widget->scrollToItem(widget->item(row));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(row)).center());
}

void Type(QWidget* dialog, int box, const char* text) {
    for (auto* edit : dialog->findChildren<QLineEdit*>("Text1")) {
        if (edit->property("index").toInt() == box) edit->setText(text);
    }
}

bool Save(QWidget* window, const QString& path) {
    QTest::qWait(200);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.toUtf8().constData());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: golmok-screenshots OUTDIR [SUFFIX]\n");
        return 2;
    }
    const QString folder = argv[1];
    const QString suffix = argc > 2 ? argv[2] : "";
    Session session(BuildNewWorld(test::ShippedData()));
    QuietPlatform platform;
    Screens screens(session, platform, QString());
    screens.Start();
    for (int k = 0; k < 4; ++k)
        screens.gameLogo()->TitleStep();
    GroupSelectMenu* select = screens.ShowGroupSelectMenu();
    select->Choose(4);  // 종로파
    select->Start();
    // A few weeks into the game: some of 종로's people are hurt, restless or short of members,
    // so that the healing, prize and recruiting dialogs have someone to list.
    World& world = screens.world();
    for (int h = 0; h < kHumanCount; ++h) {
        if (!world.IsIn(h, 0)) continue;
        world.HumanStamina[h] = std::floor(world.HumanStamina[h] * 0.8);
        world.HumanLoyalty[h] = std::min(world.HumanLoyalty[h], 90.0);
        world.HumanMembers[h] = std::floor(world.HumanLeadership[h] * 0.7);
    }
    screens.OpenCommandMenu(0);  // 종로
    bool ok = Save(screens.gameMenu(), folder + "/screenshot-command-menu" + suffix + ".png");
    // The 행동 menu opened, to show its seven items.
    auto* action = screens.gameMenu()->findChild<QMenu*>("행동");
    action->popup(screens.gameMenu()->mapToGlobal(QPoint(0, 24)));
    ok &= Save(action, folder + "/screenshot-command-menu-items" + suffix + ".png");
    action->hide();

    auto open = [&](const char* item, const char* name) {
        screens.gameMenu()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
        return screens.dialog(QString::fromUtf8(name));
    };
    // Every dialog of the menu, filled as a player fills it: the first person (or gang, or
    // district) chosen, a few amounts typed.
    struct Shot {
        const char* item;
        const char* dialog;
        std::vector<std::pair<const char*, int>> picks;
        std::vector<std::pair<int, const char*>> amounts;
    };
    const Shot shots[] = {
        {"행동_이동", "MoveCity", {{"LL1", 0}, {"LL1", 2}, {"LL2", 3}}, {{3, "300000"}}},
        {"행동_수송", "Transport", {{"LL1", 0}, {"LL2", 1}}, {{0, "3"}, {3, "100000"}}},
        {"행동_조직원모집", "StaffScout", {{"LL", 0}}, {{0, "200000"}}},
        {"행동_훈련", "Train", {{"LL", 0}}, {}},
        {"행동_재편성", "Reset", {{"LL", 1}}, {}},
        {"행동_치료", "Heal", {{"LL", 0}}, {}},
        {"인사_행동대장모집", "Scout", {{"LL1", 0}, {"LL3", 1}, {"LL2", 0}}, {{0, "500000"}}},
        {"인사_포상", "Prize", {{"LL", 0}}, {{0, "50000"}}},
        {"인사_해고", "Dismiss", {{"LL", 2}}, {}},
        {"외교_동맹", "AllyOk", {{"LL1", 0}, {"LL2", 2}}, {{3, "500000"}}},
        {"외교_원조", "AllyHelp", {{"LL1", 0}}, {}},
        {"외교_동맹취소", "AllyCancel", {}, {}},
        {"정보_인물정보", "HumanInfo", {{"LL", 0}}, {}},
        {"정보_조직정보", "GroupInfo", {{"LL", 4}}, {}},
        {"거래_무기매입", "ArmsBuy", {{"LL", 0}}, {{0, "2"}, {1, "5"}}},
        {"거래_무기매출", "ArmsSell", {{"LL", 0}}, {}},
        {"도시_상업개발", "Trade", {{"LL", 0}}, {{0, "100000"}}},
        {"도시_돈걷기", "GiveMeMoney", {{"LL", 0}}, {}},
    };
    for (const Shot& shot : shots) {
        CommandDialog* dialog = open(shot.item, shot.dialog);
        for (const auto& [list, row] : shot.picks)
            Pick(dialog, list, row);
        for (const auto& [box, text] : shot.amounts)
            Type(dialog, box, text);
        ok &= Save(dialog, folder + "/dialog-" + shot.dialog + suffix + ".png");
        dialog->close();
    }
    // 맞짱 opens the attack set-up, a screen of its own.
    screens.gameMenu()->findChild<QAction*>("행동_싸움")->trigger();
    Attack* attack = screens.attack();
    Pick(attack, "LL1", 0);
    ok &= Save(attack, folder + "/dialog-Attack" + suffix + ".png");
    attack->close();
    // Forty weeks of the gangs' wars; the attacks on the player are not fought here, the map is
    // simply unfrozen. The last turn end is the map's own, which opens the news.
    screens.gameMenu()->close();
    for (int week = 0; week < 39; ++week) {
        session.EndTurn({});
        session.world().MapLocked = false;
        session.world().DefenceSetupOpen = false;
    }
    screens.map()->EndTurnClicked();
    if (News* news = screens.news()) {
        ok &= Save(news, folder + "/screenshot-news" + suffix + ".png");
    } else {
        ok = false;
    }
    ok &= Save(screens.ShowChronicle(), folder + "/screenshot-chronicle" + suffix + ".png");

    return ok ? 0 : 1;
}
