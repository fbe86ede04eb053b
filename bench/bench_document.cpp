// Figures of the project document on the offscreen platform, in a 255-program project:
// opening the project file (read, clear, fill), clearing the project, and deleting a colour
// group. Each figure is the operation inside the progress window, without its 100 ms close.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_document
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectFile.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/ProgessBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rounds = 7;

struct Stats {
    std::vector<double> samples;
    double median() const {
        std::vector<double> v = samples;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
    double max() const { return *std::max_element(samples.begin(), samples.end()); }
};

// Times the work of `mode` each time the window runs it.
class Timed {
public:
    Timed(TOKBottomDlg1 &runner, int mode) {
        QObject::connect(&runner, &TOKBottomDlg1::workStarted, &m_context, [this, &runner, mode] {
            if (runner.operationMode() == mode)
                m_timer.start();
        });
        QObject::connect(&runner, &TOKBottomDlg1::workFinished, &m_context, [this, &runner, mode] {
            if (runner.operationMode() == mode)
                stats.samples.push_back(double(m_timer.nsecsElapsed()) / 1e6);
        });
    }
    Stats stats;

private:
    QObject m_context; // ends the connections with this object
    QElapsedTimer m_timer;
};

void print(const char *what, const Stats &s) {
    std::printf("%-46s median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, s.median(), s.max(), s.samples.size());
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    ManualClock clock;
    TForm1 w(prompter, clock);
    w.show();

    QTemporaryDir dir;
    Project project;
    for (int code = 1; code <= SlotCount; ++code) {
        TORBEXProg p(clock.now());
        p.Inputs = quint8(code);
        p.Title = QStringLiteral("Program %1").arg(code);
        p.Color = ProgramColors[std::size_t(3 - code % 2)]; // groups 2 (odd codes, 128) and 3 (even, 127)
        p.Comments = {QStringLiteral("first line"), QStringLiteral("second line")};
        project.Programs << p;
    }
    const QString path = dir.filePath(QStringLiteral("full.prg"));
    QString error;
    if (!WriteProjectFile(path, project, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    TOKBottomDlg1 &runner = *w.ProgressWindow;
    Stats openCommand;
    {
        Timed open(runner, TOKBottomDlg1::ReadProjectMode);
        Timed clear(runner, TOKBottomDlg1::ClearProjectMode);
        Timed group(runner, TOKBottomDlg1::DeleteColorGroupMode);
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer t;
            t.start();
            w.openProjectFile(path); // the first round opens into an empty project
            openCommand.samples.push_back(double(t.nsecsElapsed()) / 1e6);
            w.ClearProject();
            w.openProjectFile(path);
            const auto deleteGroup = [&w] {
                w.DeleteColorGroup();
                return quint8(0);
            };
            w.ColorGroupToDelete = 2; // 128 of the 255 programs
            w.runOperation(TOKBottomDlg1::DeleteColorGroupMode, deleteGroup);
            w.ColorGroupToDelete = 3; // the other 127
            w.runOperation(TOKBottomDlg1::DeleteColorGroupMode, deleteGroup);
        }
        std::printf("255-program project, %d rounds\n", Rounds);
        print("open (read, clear 255 when open, fill 255)", open.stats);
        print("clear 255 programs", clear.stats);
        print("delete a colour group (128 or 127 programs)", group.stats);
    }
    print("open command with the window's 100 ms close", openCommand);
    // Every round deletes both groups, so the last one leaves no tile; no message was shown.
    if (!w.currentProject().Programs.isEmpty() || !prompter.shown.isEmpty()) {
        std::fprintf(stderr, "left %lld tiles and %lld messages: %s\n",
                     static_cast<long long>(w.currentProject().Programs.size()),
                     static_cast<long long>(prompter.shown.size()),
                     qPrintable(prompter.texts().join(QStringLiteral(" | "))));
        return 1;
    }
    return 0;
}
