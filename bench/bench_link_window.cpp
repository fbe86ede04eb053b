// Transmit and receive through the main window against quillon-player-sim paced at 57600 baud:
// the time from the first byte on the line to the last, from the simulator's byte log, against
// the time the bytes need on the wire; and the longest gap of the window's event loop meanwhile.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_link_window
#include "LinkBenchSupport.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// Seconds from the first logged byte to the end of the last one, and the number of bytes.
std::pair<double, int> lineSpan(const QString &path) {
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {0, 0};
    double first = -1, last = 0;
    int bytes = 0;
    while (!log.atEnd()) {
        const QList<QByteArray> fields = log.readLine().trimmed().split(' ');
        if (fields.size() != 3)
            continue;
        const double at = double(fields[0].toLongLong()) / 1e6; // whole microseconds
        if (first < 0)
            first = at;
        last = at;
        ++bytes;
    }
    // A byte's time in the log is the end of its last bit; the first one started a byte earlier.
    return {last - first + ByteSeconds, bytes};
}

// Runs `command` in the window and serves its event loop until `messages` texts were shown;
// the longest gap between two ticks of a 10 ms timer meanwhile, in ms.
double runInWindow(QApplication &app, QAction &command, ScriptedPrompter &prompter, qsizetype messages) {
    return worstTimerGap([&] {
        command.trigger();
        while (prompter.shown.size() < messages)
            app.processEvents(QEventLoop::WaitForMoreEvents);
    });
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    ManualClock clock;
    MainWindow w(prompter, clock);
    w.show();
    QList<Program> programs;
    for (int i = 1; i <= 40; ++i) {
        Program p(clock.now());
        p.Code = quint8(i * 6);
        p.TimerOn = 1;
        p.TimerMode = quint8(i % 4);
        programs.append(p);
    }
    w.loadPrograms(programs);
    QAction *transmit = w.findChild<QAction *>(QStringLiteral("TransmitPrograms"));
    QAction *receive = w.findChild<QAction *>(QStringLiteral("ReceivePrograms"));
    // The transmit alone, as before the copy of the player; and no copies in the user's folder.
    w.findChild<QAction *>(QStringLiteral("BackupBeforeTransmit"))->setChecked(false);
    QTemporaryDir dir;
    const int runs =
        qMax(1, qEnvironmentVariableIntValue("BENCH_RUNS") ? qEnvironmentVariableIntValue("BENCH_RUNS") : 3);
    for (int run = 1; run <= runs; ++run) {
        const QString transmitLog = dir.filePath(QStringLiteral("t%1.log").arg(run));
        const QString receiveLog = dir.filePath(QStringLiteral("r%1.log").arg(run));
        double transmitGap = 0, receiveGap = 0;
        {
            SimulatedPlayerProcess player({QStringLiteral("--paced"), QStringLiteral("--log"), transmitLog});
            w.setPortNames({player.path});
            prompter.shown.clear();
            prompter.queueAnswers({Prompter::Answer::Yes}); // the transmit question
            transmitGap = runInWindow(app, *transmit, prompter, 2);
            std::printf("run %d transmit: %s\n", run, qPrintable(prompter.shown.last().text));
            player.stop();
        }
        {
            SimulatedPlayerProcess player({QStringLiteral("--paced"), QStringLiteral("--log"), receiveLog});
            w.setPortNames({player.path});
            w.loadPrograms(programs); // modified: the save question comes first
            prompter.shown.clear();
            // Not saved; received; the player's project file not loaded.
            prompter.queueAnswers({Prompter::Answer::No, Prompter::Answer::Yes, Prompter::Answer::No});
            receiveGap = runInWindow(app, *receive, prompter, 4);
            player.stop();
        }
        const auto [transmitSeconds, transmitBytes] = lineSpan(transmitLog);
        const auto [receiveSeconds, receiveBytes] = lineSpan(receiveLog);
        std::printf("run %d: transmit %d bytes %.4f s, ratio %.3f, worst event loop gap %.2f ms\n", run, transmitBytes,
                    transmitSeconds, transmitSeconds / (TransmitBytes * ByteSeconds), transmitGap);
        std::printf("run %d: receive with name %d bytes %.4f s, ratio %.3f, worst event loop gap %.2f ms\n", run,
                    receiveBytes, receiveSeconds, receiveSeconds / (ReceiveBytes * ByteSeconds), receiveGap);
    }
    return 0;
}
