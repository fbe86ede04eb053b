// Figures of the project document on the offscreen platform, in a 255-program project:
// opening the project file (read, clear, fill), clearing the project, and deleting a colour
// group. Each figure is the operation inside the progress window, without its 100 ms close.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_document
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectFile.h"
#include "text/Translation.h"
#include "ui/MainWindow.h"
#include "ui/ProgramTile.h"
#include "ui/ProgressDialog.h"

#include <QAction>
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
    Timed(ProgressDialog &runner, int mode) {
        QObject::connect(&runner, &ProgressDialog::workStarted, &m_context, [this, &runner, mode] {
            if (runner.operationMode() == mode)
                m_timer.start();
        });
        QObject::connect(&runner, &ProgressDialog::workFinished, &m_context, [this, &runner, mode] {
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
    MainWindow w(prompter, clock);
    w.show();

    QTemporaryDir dir;
    Project project;
    for (int code = 1; code <= SlotCount; ++code) {
        Program p(clock.now());
        p.Code = quint8(code);
        p.Title = QStringLiteral("Program %1").arg(code);
        p.Color = ProgramColors[std::size_t(3 - code % 2)]; // groups 2 (odd codes, 128) and 3 (even, 127)
        p.Comments = {QStringLiteral("first line"), QStringLiteral("second line")};
        project.Programs << p;
    }
    const QString path = dir.filePath(QStringLiteral("full.prg"));
    Notice error;
    if (!WriteProjectFile(path, project, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(noticeText(error, Language::English)));
        return 1;
    }

    ProgressDialog &runner = *w.findChild<ProgressDialog *>();
    // The commands as a user gives them: New project with the properties accepted, Delete Group
    // Of Color with its question answered Yes.
    w.setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
    const auto trigger = [&w](const char *name) { w.findChild<QAction *>(QLatin1String(name))->trigger(); };
    Stats openCommand;
    {
        Timed open(runner, ProgressDialog::ReadProjectMode);
        Timed clear(runner, ProgressDialog::ClearProjectMode);
        Timed group(runner, ProgressDialog::DeleteColorGroupMode);
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer t;
            t.start();
            w.openProjectFile(path); // the first round opens into an empty project
            openCommand.samples.push_back(double(t.nsecsElapsed()) / 1e6);
            trigger("NewProject"); // the project is as saved: no save question, then cleared
            w.openProjectFile(path);
            prompter.queueAnswers({Prompter::Answer::Yes});
            trigger("DeleteColourGroup2"); // 128 of the 255 programs
            prompter.queueAnswers({Prompter::Answer::Yes});
            trigger("DeleteColourGroup3"); // the other 127
        }
        std::printf("255-program project, %d rounds\n", Rounds);
        print("open (read, clear 255 when open, fill 255)", open.stats);
        print("clear 255 programs", clear.stats);
        print("delete a colour group (128 or 127 programs)", group.stats);
    }
    print("open command with the window's 100 ms close", openCommand);
    // Every round deletes both groups, so the last one leaves no tile; no message but the
    // colour-group questions was shown.
    const auto warnings = std::count_if(prompter.shown.cbegin(), prompter.shown.cend(),
                                        [](const auto &shown) { return shown.kind != Prompter::Kind::Question; });
    if (!w.currentProject().Programs.isEmpty() || warnings != 0 || prompter.shown.size() != 2 * Rounds) {
        std::fprintf(stderr, "left %lld tiles and %lld messages: %s\n",
                     static_cast<long long>(w.currentProject().Programs.size()),
                     static_cast<long long>(prompter.shown.size()),
                     qPrintable(prompter.texts().join(QStringLiteral(" | "))));
        return 1;
    }
    return 0;
}
