// Renders the main window with a few varied programs to a PNG, on the offscreen platform:
//   quillon-ui-snapshot docs/main-window.png
#include "ui/Main.h"

#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/TileList.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace {

TORBEXProg program(const QDateTime &now, quint8 inputs, const QString &title, int color) {
    TORBEXProg p(now);
    p.Inputs = inputs;
    p.Title = title;
    p.Color = ProgramColors[color];
    return p;
}

QList<TORBEXProg> samplePrograms(const QDateTime &now) {
    QList<TORBEXProg> list;
    TORBEXProg opening = program(now, 1, QStringLiteral("Shop opening announcement"), 1);
    opening.TimerOn = 1;
    opening.TimerMode = TimerDaily;
    opening.Time = QTime(8, 55);
    opening.ActionCount = 3;
    opening.ActionKind = {KindVolume, KindPlayTimerFile, KindGoToProgram, 1, 1, 1};
    opening.ActionParam = {6, 12, 4, 0, 0, 0};
    list << opening;

    TORBEXProg sale = program(now, 2, QStringLiteral("Winter sale"), 10);
    sale.TimerOn = 1;
    sale.TimerMode = TimerOnDate;
    sale.Date = QDate(2026, 12, 5);
    sale.Time = QTime(14, 30);
    sale.Priority = 1;
    sale.ActionCount = 2;
    sale.ActionKind = {KindPlayTimerFile, KindSleep, 1, 1, 1, 1};
    sale.ActionParam = {5, 0, 0, 0, 0, 0};
    list << sale;

    TORBEXProg weekly = program(now, 3, QStringLiteral("Monday delivery reminder"), 16);
    weekly.TimerOn = 1;
    weekly.TimerMode = TimerWeekly;
    weekly.DayOftheWeek = 1;
    weekly.Time = QTime(7, 15);
    weekly.ActionCount = 4;
    weekly.ActionKind = {KindTransport, KindExternalOutput, KindInternalOutput, KindPlayDirectory, 1, 1};
    weekly.ActionParam = {3, 17, 2, 4, 0, 0};
    weekly.ActionValue = {255, 128, 255, 255, 255, 255};
    list << weekly;

    TORBEXProg hourly = program(now, 4, QStringLiteral("Hourly chime"), 13);
    hourly.TimerOn = 1;
    hourly.TimerMode = TimerHourly;
    hourly.Time = QTime(0, 30);
    hourly.ActionCount = 1;
    hourly.ActionKind = {KindPlayDirectory, 1, 1, 1, 1, 1};
    hourly.ActionParam = {0, 0, 0, 0, 0, 0};
    list << hourly;

    TORBEXProg off = program(now, 16, QStringLiteral("Staff message (inactive)"), 7);
    off.Active = 0;
    off.ActionCount = 6;
    off.ActionKind = {KindActivateProgram, KindDeactivateProgram, KindSendEmail,
                      KindTransport,       KindTransport,         KindFtpClient};
    off.ActionParam = {2, 3, 7, 1, 12, 2};
    list << off;

    TORBEXProg closing = program(now, 255, QStringLiteral("Closing time"), 22);
    closing.TimerOn = 1;
    closing.TimerMode = TimerDaily;
    closing.Time = QTime(19, 0);
    list << closing;
    return list;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main-window.png");

    ScriptedPrompter prompter;
    ManualClock clock(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
    TForm1 window(prompter, clock);
    window.LanguageClick(English);
    window.setPortNames({QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")});
    window.loadPrograms(samplePrograms(clock.now()));
    window.SelectProgramAt(2);
    window.findChild<TileList *>()->setScrollPosition(0);
    window.UpdateCommandState();
    window.show();
    QApplication::processEvents();

    const QPixmap picture = window.grab();
    if (!picture.save(out)) {
        std::fprintf(stderr, "quillon-ui-snapshot: cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s: %dx%d\n", qPrintable(out), picture.width(), picture.height());
    return 0;
}
