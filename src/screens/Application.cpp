#include "screens/Application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/About.h"
#include "screens/look/Art.h"
#include "screens/look/Platform.h"

namespace golmok::screens {

namespace {

constexpr const char* kProgram = "golmok";
constexpr const char* kVersion = GOLMOK_VERSION;

struct Option {
    QStringList names;
    QString valueName;  // empty: a switch
    QString description;
    bool listed = true;  // shown by --help
};

const std::vector<Option>& Options() {
    static const std::vector<Option> options = {
        {{"dir"},
         "폴더",
         "기록 파일, theme.wav, guide.html을 이 폴더에서 읽고 저장 칸도 여기에 둡니다."},
        {{"h", "help"}, {}, "이 도움말을 보여 주고 끝냅니다."},
        {{"v", "version"}, {}, "판 번호를 보여 주고 끝냅니다."},
        // The whole-program measurements in bench/ use these.
        {{"startup-probe"}, {}, "제목 화면이 처음 그려지면 끝냅니다.", false},
        {{"bench-map"}, {}, "제목을 건너뛰고 거지파로 새 게임의 지도를 엽니다.", false},
        {{"bench-fight"}, {}, "--bench-map에 이어 서초에서 도봉으로 맞짱을 겁니다.", false},
    };
    return options;
}

// Qt's own options, which QApplication takes off the command line: the game reads its command
// line before any display is opened, so it must know them to let them through.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},     {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"geometry", true},   {"qwindowtitle", true},       {"title", true},
    {"qwindowicon", true}, {"icon", true},              {"style", true},
    {"stylesheet", true}, {"session", true},            {"display", true},
    {"name", true},       {"visual", true},             {"ncols", true},
    {"im", true},         {"reverse", false},           {"widgetcount", false},
    {"nograb", false},    {"dograb", false},            {"cmap", false},
    {"sync", false},
};

void AddOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : Options()) {
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
    }
    for (const QtOption& option : kQtOptions) {
        QCommandLineOption qt(QString::fromLatin1(option.name), QString(),
                              option.takesValue ? QStringLiteral("value") : QString());
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
}

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The columns a text takes in a terminal: Hangul and other wide letters take two.
int Columns(const QString& text) {
    int columns = 0;
    for (QChar c : text)
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    return columns;
}

QString HelpText() {
    QString text = QStringLiteral("사용법: %1 [--dir 폴더]\n").arg(kProgram);
    text += QString::fromUtf8(kGameTitle) +
            ": 1930년 경성, 일곱 조직이 서울의 스물다섯 구역을 두고 싸우는 턴제 전략 게임.\n\n"
            "옵션:\n";
    QStringList heads;
    int widest = 0;
    for (const Option& option : Options()) {
        QStringList dashed;
        for (const QString& name : option.names)
            dashed << Dashed(name);
        QString head = dashed.join(", ");
        if (!option.valueName.isEmpty()) head += ' ' + option.valueName;
        heads << head;
        if (option.listed) widest = std::max(widest, Columns(head));
    }
    for (std::size_t i = 0; i < Options().size(); ++i) {
        if (!Options()[i].listed) continue;
        const QString& head = heads[static_cast<qsizetype>(i)];
        const QString padding(widest - Columns(head), QLatin1Char(' '));
        text += QStringLiteral("  %1%2  %3\n").arg(head, padding, Options()[i].description);
    }
    return text + '\n' + QString::fromUtf8(kReportFaults);
}

CommandLineAnswer Refusal(const QString& why) {
    return {kUsageError, QString(),
            QStringLiteral("%1: %2\n'%1 --help'로 쓰는 법을 볼 수 있습니다.\n").arg(kProgram, why)};
}

}  // namespace

std::optional<CommandLineAnswer> AnswerWithoutWindows(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    // Options this parser does not know may still be Qt's own: they are judged later.
    parser.parse(arguments);
    if (parser.isSet("help")) return CommandLineAnswer{0, HelpText(), QString()};
    if (parser.isSet("version")) {
        return CommandLineAnswer{0, QString::fromStdString(VersionText(kProgram, kVersion)),
                                 QString()};
    }
    return std::nullopt;
}

std::variant<GameOptions, CommandLineAnswer> ReadGameOptions(const QStringList& arguments) {
    if (auto answer = AnswerWithoutWindows(arguments)) return *answer;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return Refusal(
                QStringLiteral("알 수 없는 옵션입니다: %1").arg(Dashed(unknown.first())));
        }
        // The only other fault is an option whose value is missing: the last word, --dir or
        // one of Qt's (-platform).
        QString last = arguments.isEmpty() ? QString() : arguments.last();
        while (last.startsWith('-'))
            last.remove(0, 1);
        if (last == QStringLiteral("dir")) {
            return Refusal(QStringLiteral("--dir 뒤에 폴더를 적어야 합니다."));
        }
        return Refusal(QStringLiteral("%1 뒤에 값을 적어야 합니다.").arg(arguments.last()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refusal(
            QStringLiteral("알 수 없는 인자입니다: %1").arg(parser.positionalArguments().first()));
    }
    GameOptions options;
    options.dir = parser.value("dir");
    options.startupProbe = parser.isSet("startup-probe");
    options.benchFight = parser.isSet("bench-fight");
    options.benchMap = options.benchFight || parser.isSet("bench-map");
    return options;
}

DisplayEnvironment DisplayEnvironment::Current() {
    return {qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("QT_QPA_PLATFORM")};
}

QString UnreachableDisplayMessage(const DisplayEnvironment& environment) {
    const auto value = [](const QString& variable) {
        return variable.isEmpty() ? QStringLiteral("(없음)") : variable;
    };
    QString shown = QStringLiteral("DISPLAY=%1, WAYLAND_DISPLAY=%2")
                        .arg(value(environment.display), value(environment.waylandDisplay));
    if (!environment.platform.isEmpty()) shown += ", QT_QPA_PLATFORM=" + environment.platform;
    return QStringLiteral(
               "%1: 창을 열 화면에 연결할 수 없습니다 (%2).\n"
               "X11이나 Wayland 화면이 있는 세션에서 실행하십시오. "
               "터미널에서는 golmok-console로 같은 게임을 할 수 있습니다.\n")
        .arg(kProgram, shown);
}

std::optional<QString> NoDisplayMessage(const QStringList& arguments,
                                        const DisplayEnvironment& environment) {
    // Qt takes -platform (or --platform) on the command line over $QT_QPA_PLATFORM.
    QString platforms = environment.platform;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("-platform") ||
            arguments[i] == QStringLiteral("--platform")) {
            platforms = arguments[i + 1];
        }
    }
    const bool x11 = !environment.display.isEmpty();
    const bool wayland = !environment.waylandDisplay.isEmpty();
    // Without a choice Qt opens the desktop's own: X11 or Wayland.
    if (platforms.isEmpty()) {
        if (x11 || wayland) return std::nullopt;
        return UnreachableDisplayMessage(environment);
    }
    // "wayland;xcb" tries each in turn; "offscreen:configfile=..." carries its options.
    for (const QString& platform : platforms.split(';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(':', 0, 0).trimmed();
        bool reachable = true;  // offscreen, minimal, vnc, eglfs ... need no display
        if (name == QStringLiteral("xcb")) reachable = x11;
        if (name.startsWith(QStringLiteral("wayland"))) reachable = wayland;
        if (reachable) return std::nullopt;
    }
    return UnreachableDisplayMessage(environment);
}

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// A message Qt gave while the application opened, kept until it is known to have opened.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// While the application opens: when no platform can reach its display Qt says so in its own
// words ("could not connect to display", then its advice to reinstall) and ends on a fatal
// message; the game says it in Korean instead and exits with status 1. Until then Qt's messages
// are held, and given on once the application is open.
void OpeningMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(
            UnreachableDisplayMessage(DisplayEnvironment::Current()).toLocal8Bit().constData(),
            stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back(
        {type, context.file, context.function, context.category, context.line, message});
}

// The game's own Korean for the standard buttons it shows, where Qt's translations are not
// installed; the same texts as Qt's own.
class ButtonTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0) return {};
        static const std::pair<const char*, const char*> kTexts[] = {
            {"OK", "확인"}, {"&Yes", "예(&Y)"}, {"&No", "아니요(&N)"}, {"Cancel", "취소"}};
        for (const auto& [english, korean] : kTexts) {
            if (qstrcmp(sourceText, english) == 0) return QString::fromUtf8(korean);
        }
        return {};
    }

    bool isEmpty() const override { return false; }
};

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
    qtMessageHandler = qInstallMessageHandler(OpeningMessageHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        if (qtMessageHandler) qtMessageHandler(held.type, context, held.text);
    }
    heldMessages.clear();
    return app;
}

QTranslator* KoreanButtonTexts(QObject* parent, const QString& folder, bool& qtFound) {
    auto* qt = new QTranslator(parent);
    qtFound = qt->load(QLocale(QLocale::Korean, QLocale::SouthKorea), "qtbase", "_", folder);
    if (qtFound) return qt;
    delete qt;
    return new ButtonTexts(parent);
}

bool SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(kProgram);
    QApplication::setApplicationVersion(kVersion);
    // No display name: the window system would add it to every caption ("맞짱 — 골목패권기"),
    // and each window's caption is exactly its own.
    // The desktop entry this window belongs to, for the icon in task bars.
    QApplication::setDesktopFileName("org.golmok.golmok");
    // Every window shows the game's own icon, not the window manager's generic one.
    QApplication::setWindowIcon(GameIcon());
    QApplication::setFont(QFont("NanumGothic", 10));
    // The game speaks Korean whatever the desktop's language: Qt's own texts too.
    bool found = false;
    QApplication::installTranslator(
        KoreanButtonTexts(&app, QLibraryInfo::path(QLibraryInfo::TranslationsPath), found));
    return found;
}

}  // namespace golmok::screens
