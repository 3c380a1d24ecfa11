// Pictures of the command menu and four of its dialogs for the documentation: runs the windowed
// game on the shipped data, plays a few clicks and saves each window as PNG.
//   golmok-screenshots OUTDIR SUFFIX    (e.g. docs "" at 100 %, docs "-200" with QT_SCALE_FACTOR=2)
//   golmok-screenshots OUTDIR SUFFIX all   every dialog of the menu as well, for a look at them
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "game/NewWorld.h"
#include "session/Session.h"
#include "screens/CommandDialog.h"
#include "screens/GameLogo.h"
#include "screens/GameMenu.h"
#include "screens/GroupSelectMenu.h"
#include "screens/MainGame.h"
#include "screens/Platform.h"
#include "screens/Screens.h"
#include "support/TestWorld.h"

using namespace golmok;
using namespace golmok::screens;

namespace {

class QuietPlatform : public Platform {
  public:
    void Inform(QWidget*, const QString&) override {}
    bool Ask(QWidget*, const QString&, const QString&) override { return false; }
    void OpenHomePage() override {}
    void EndProgram() override {}
};

void Pick(QWidget* dialog, const char* list, int row) {
    auto* widget = dialog->findChild<QListWidget*>(list);
    if (widget && row < widget->count()) widget->item(row)->setSelected(true);
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
    CommandDialog* reset = open("행동_재편성", "Reset");
    Pick(reset, "LL", 1);
    ok &= Save(reset, folder + "/screenshot-reorganizing" + suffix + ".png");
    reset->close();

    CommandDialog* move = open("행동_이동", "MoveCity");
    move->findChild<QPushButton*>("Command3")->click();
    Pick(move, "LL2", 0);
    Type(move, 3, "300000");
    ok &= Save(move, folder + "/screenshot-moving" + suffix + ".png");
    move->close();

    CommandDialog* ally = open("외교_동맹", "AllyOk");
    Pick(ally, "LL1", 0);
    Pick(ally, "LL2", 2);
    Type(ally, 3, "500000");
    ok &= Save(ally, folder + "/screenshot-alliance" + suffix + ".png");
    ally->close();

    CommandDialog* buy = open("거래_무기매입", "ArmsBuy");
    Pick(buy, "LL", 0);
    Type(buy, 0, "2");
    Type(buy, 1, "5");
    ok &= Save(buy, folder + "/screenshot-arms-buying" + suffix + ".png");
    buy->close();

    if (argc > 3 && QString(argv[3]) == "all") {
        for (QAction* item : screens.gameMenu()->findChildren<QAction*>()) {
            if (!item->isEnabled() || !item->objectName().contains('_')) continue;
            item->trigger();
            for (const char* name :
                 {"MoveCity", "Transport", "StaffScout", "Train", "Reset", "Heal", "Scout", "Prize",
                  "Dismiss", "AllyOk", "AllyHelp", "AllyCancel", "HumanInfo", "GroupInfo",
                  "ArmsBuy", "ArmsSell", "Trade", "GiveMeMoney"}) {
                CommandDialog* dialog = screens.dialog(name);
                if (!dialog) continue;
                ok &= Save(dialog, folder + "/dialog-" + name + suffix + ".png");
                dialog->close();
            }
        }
    }
    return ok ? 0 : 1;
}
