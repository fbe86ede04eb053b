// Draws the main window of a project that uses every action kind and every timer mode, and
// its week plan, to PNG files on the offscreen platform:
//   quillon-ui-snapshot [--language fr|en|es|de|it] [--dark] [--collapsed] [--week-plan] OUT.png
//   quillon-ui-snapshot --all docs   (every picture of the README, each in a process of its own:
//                                     five languages, scale factor 2, a dark palette, the week plan)
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/Translation.h"
#include "ui/MainWindow.h"
#include "ui/ProgramListView.h"
#include "ui/WeekPlanView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QProcess>
#include <QStyleFactory>

#include <cstdio>

namespace {

constexpr char Usage[] =
    "Usage: quillon-ui-snapshot [--language fr|en|es|de|it] [--dark] [--collapsed] [--week-plan] [OUT.png]\n"
    "       quillon-ui-snapshot --all FOLDER\n"
    "\n"
    "Draws the main window of a sample project that uses every action kind and every timer mode\n"
    "(or, with --week-plan, its week plan) on the offscreen platform, into OUT.png (window-en.png\n"
    "when not given). --dark uses a dark palette; --collapsed collapses the editor panel to its\n"
    "header line. --all draws the eight window and week plan\n"
    "pictures of the README into FOLDER, each in a process of its own; the printed schedule and\n"
    "the installed package's picture are made as the README says.\n";

Program program(const QDateTime &now, quint8 inputs, const QString &title, int color) {
    Program p(now);
    p.Code = inputs;
    p.Title = title;
    p.Color = ProgramColors[color];
    return p;
}

QList<Program> samplePrograms(const QDateTime &now) {
    QList<Program> list;
    Program opening = program(now, 1, QStringLiteral("Shop opening announcement"), 1);
    opening.TimerOn = 1;
    opening.TimerMode = TimerDaily;
    opening.Time = QTime(8, 55);
    opening.ActionCount = 3;
    opening.ActionKind = {KindVolume, KindPlayTimerFile, KindGoToProgram, 1, 1, 1};
    opening.ActionParam = {6, 12, 4, 0, 0, 0};
    list << opening;

    Program sale = program(now, 2, QStringLiteral("Winter sale"), 10);
    sale.TimerOn = 1;
    sale.TimerMode = TimerOnDate;
    sale.Date = QDate(2026, 12, 5);
    sale.Time = QTime(14, 30);
    sale.Priority = 1;
    sale.ActionCount = 2;
    sale.ActionKind = {KindPlayTimerFile, KindSleep, 1, 1, 1, 1};
    sale.ActionParam = {5, 0, 0, 0, 0, 0};
    list << sale;

    Program weekly = program(now, 3, QStringLiteral("Monday delivery reminder"), 16);
    weekly.TimerOn = 1;
    weekly.TimerMode = TimerWeekly;
    weekly.DayOftheWeek = 1;
    weekly.Time = QTime(7, 15);
    weekly.ActionCount = 4;
    weekly.ActionKind = {KindTransport, KindExternalOutput, KindInternalOutput, KindPlayDirectory, 1, 1};
    weekly.ActionParam = {3, 17, 2, 4, 0, 0};
    weekly.ActionValue = {255, 128, 255, 255, 255, 255};
    list << weekly;

    Program hourly = program(now, 4, QStringLiteral("Hourly chime"), 13);
    hourly.TimerOn = 1;
    hourly.TimerMode = TimerHourly;
    hourly.Time = QTime(0, 30);
    hourly.ActionCount = 1;
    hourly.ActionKind = {KindPlayDirectory, 1, 1, 1, 1, 1};
    hourly.ActionParam = {0, 0, 0, 0, 0, 0};
    list << hourly;

    Program off = program(now, 16, QStringLiteral("Staff message (inactive)"), 7);
    off.Active = 0;
    off.ActionCount = 6;
    off.ActionKind = {KindActivateProgram, KindDeactivateProgram, KindSendEmail,
                      KindTransport,       KindTransport,         KindFtpClient};
    off.ActionParam = {2, 3, 7, 1, 12, 2};
    list << off;

    Program closing = program(now, 255, QStringLiteral("Closing time"), 22);
    closing.TimerOn = 1;
    closing.TimerMode = TimerDaily;
    closing.Time = QTime(19, 0);
    list << closing;
    return list;
}

// Fusion with the dark colours a dark desktop gives.
void useDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabled(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    QApplication::setPalette(p);
}

// Runs this tool once per picture of the README, each in its own process since the scale factor
// is read at start-up.
int drawAll(const QString &program, const QString &folder) {
    struct Picture {
        const char *file;
        QStringList arguments;
        const char *scale;
    };
    const QList<Picture> pictures = {
        {"window-en.png", {"--language", "en"}, "1"},
        {"window-fr.png", {"--language", "fr"}, "1"},
        {"window-es.png", {"--language", "es"}, "1"},
        {"window-de.png", {"--language", "de"}, "1"},
        {"window-it.png", {"--language", "it"}, "1"},
        {"window-en-scale2.png", {"--language", "en"}, "2"},
        {"window-en-dark.png", {"--language", "en", "--dark"}, "1"},
        {"week-plan.png", {"--week-plan"}, "1"},
    };
    for (const Picture &picture : pictures) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(picture.scale));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, QStringList(picture.arguments)
                                   << QDir(folder).filePath(QString::fromLatin1(picture.file)));
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (arguments.size() == 2 && arguments.first() == u"--all")
        return drawAll(app.applicationFilePath(), arguments.last());
    Language language = Language::English;
    bool weekPlan = false;
    bool collapsed = false;
    const QStringList codes = {"fr", "en", "es", "de", "it"}; // in the order of the languages
    while (arguments.size() > 1) {
        const QString option = arguments.takeFirst();
        if (option == u"--language" && codes.contains(arguments.first()))
            language = Languages[std::size_t(codes.indexOf(arguments.takeFirst()))];
        else if (option == u"--dark")
            useDarkPalette();
        else if (option == u"--week-plan")
            weekPlan = true;
        else if (option == u"--collapsed")
            collapsed = true;
        else {
            std::fprintf(stderr, "quillon-ui-snapshot: unknown option %s\n", qPrintable(option));
            return 2;
        }
    }
    const QString out = arguments.value(0, QStringLiteral("window-en.png"));
    if (out.startsWith(u'-')) {
        std::fprintf(stderr, "quillon-ui-snapshot: unknown option %s\n%s", qPrintable(out), Usage);
        return 2;
    }

    ScriptedPrompter prompter;
    ManualClock clock(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
    MainWindow window(prompter, clock);
    window.chooseLanguage(language);
    window.setPortNames({QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")});
    window.loadPrograms(samplePrograms(clock.now()));
    window.SelectProgramAt(2);
    window.findChild<ProgramListView *>()->setScrollPosition(0);
    window.updateCommandState();
    window.show();
    if (collapsed) // as a click on the editor's collapse image
        QMetaObject::invokeMethod(window.findChild<QWidget *>(QStringLiteral("CollapseImage")), "clicked");
    QApplication::processEvents();

    QWidget *shown = &window;
    if (weekPlan) {
        window.findChild<QAction *>(QStringLiteral("WeekPlan"))->trigger();
        shown = window.findChild<TWeekPlanDlg *>();
        shown->resize(shown->sizeHint()); // the offscreen screen is smaller than a desktop's
        QApplication::processEvents();
    }
    const QPixmap picture = shown->grab();
    if (!picture.save(out)) {
        std::fprintf(stderr, "quillon-ui-snapshot: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s: %dx%d\n", qPrintable(out), picture.width(), picture.height());
    return 0;
}
