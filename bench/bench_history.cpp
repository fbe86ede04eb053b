// Figures of the undo history on the offscreen platform, in a 255-program project: the memory a
// history of 1,000 steps holds, and one Undo or Redo with the repaint the user sees.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_history
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectModel.h"
#include "project/ProjectStep.h"
#include "text/Translation.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <vector>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;
constexpr int Steps = 1000;

struct Stats {
    std::vector<double> samples;
    double mean() const {
        double s = 0;
        for (double v : samples)
            s += v;
        return s / double(samples.size());
    }
    double max() const { return *std::max_element(samples.begin(), samples.end()); }
};

// Bytes the heap has handed out, mapped blocks included.
double heapMb() {
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

// 255 programs with a title and two comment lines; `round` makes every text its own.
Project fullProject(const QDateTime &now, int round = 0) {
    Project project;
    for (int code = 1; code <= SlotCount; ++code) {
        Program p(now);
        p.Code = quint8(code);
        p.Title = QStringLiteral("Program %1 of round %2").arg(code).arg(round);
        p.Color = ProgramColors[std::size_t(3 - code % 2)]; // groups 2 (odd codes, 128) and 3 (even, 127)
        p.Comments = {QStringLiteral("first line %1").arg(round), QStringLiteral("second line")};
        project.Programs << p;
    }
    return project;
}

void row(const char *what, double value, const char *unit, const char *target = "") {
    std::printf("  %-58s %9.3f %-3s %s\n", what, value, unit, target);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    ManualClock clock;
    QTemporaryDir dir;
    const QString projectPath = dir.filePath(QStringLiteral("full.prg"));
    Notice error;
    if (!WriteProjectFile(projectPath, fullProject(clock.now()), &error) ||
        !ExportRun(fullProject(clock.now()), dir.path(), clock, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(noticeText(error, Language::English)));
        return 1;
    }

    MainWindow w(prompter, clock);
    w.setPortNames({});
    // Every dialog is accepted: a file dialog with the player file, a text field with a new text.
    int texts = 0;
    w.setDialogRunner([&](QDialog &d) {
        if (auto *file = qobject_cast<QFileDialog *>(&d))
            file->selectFile(ScheduleFilePath(dir.path()));
        else if (auto *name = d.findChild<QLineEdit *>(QStringLiteral("NameEdit")))
            name->setText(QStringLiteral("Text %1").arg(++texts));
        else if (auto *title = d.findChild<QLineEdit *>(QStringLiteral("TitleEdit")))
            title->setText(QStringLiteral("Text %1").arg(++texts));
        return int(QDialog::Accepted);
    });
    w.show();
    w.openProjectFile(projectPath);
    QApplication::processEvents();
    ProjectModel &model = *w.findChild<ProjectModel *>();
    QAction &undo = *w.findChild<QAction *>(QStringLiteral("Undo"));
    QAction &redo = *w.findChild<QAction *>(QStringLiteral("Redo"));
    const auto trigger = [&w](const char *name) { w.findChild<QAction *>(QLatin1String(name))->trigger(); };
    const auto button = [&w](const char *name) { w.findChild<QAbstractButton *>(QLatin1String(name))->click(); };
    std::printf("Undo history benchmark (offscreen), 255 programs\n");

    // 1,000 steps as a user takes them, each on another program: editor fields (activate,
    // priority, clock, title), moves, cut and paste, the properties.
    const double heapBefore = heapMb();
    for (int k = 0; model.historySize() < Steps; ++k) {
        model.select(k * 37 % model.count());
        switch (k % 8) {
        case 0:
            button("ActiveBox");
            break;
        case 1:
            button("PriorityBox");
            break;
        case 2:
            w.findChild<QTimeEdit *>(QStringLiteral("ClockEdit"))->setTime(QTime(k % 24, k % 60));
            break;
        case 3:
            QMetaObject::invokeMethod(w.findChild<QLabel *>(QStringLiteral("TitleText")), "clicked");
            break;
        case 4:
            trigger("MoveProgramDown");
            break;
        case 5:
            trigger("MoveProgramUp");
            break;
        case 6:
            trigger("CutProgram");
            trigger("PastePrograms");
            break;
        default:
            trigger("ProjectProperties");
        }
    }
    QApplication::processEvents();
    const double heapFull = heapMb();

    // Undo all of them, then Redo all, each with its repaint.
    Stats undos, redos;
    std::map<int, double> worstOfKind; // Undo or Redo, by the step's kind
    for (Stats *stats : {&undos, &redos})
        for (int i = 0; i < Steps; ++i) {
            const int kind = int(*(stats == &undos ? model.undoKind() : model.redoKind()));
            QElapsedTimer t;
            t.start();
            (stats == &undos ? undo : redo).trigger();
            QApplication::processEvents();
            stats->samples.push_back(double(t.nsecsElapsed()) / 1e6);
            worstOfKind[kind] = std::max(worstOfKind[kind], stats->samples.back());
        }
    model.clearHistory();
    const double heapCleared = heapMb();
    std::printf("1,000 mixed steps (editor fields, moves, cut and paste, properties)\n");
    row("history held", heapFull - heapCleared, "MB", "(target < 20 MB)");
    row("heap before the steps, with them, after clearing", heapBefore, "MB");
    row("", heapFull, "MB");
    row("", heapCleared, "MB");
    row("one Undo, mean", undos.mean(), "ms", "(target < 16.7 ms)");
    row("one Undo, worst", undos.max(), "ms", "(target < 16.7 ms)");
    row("one Redo, mean", redos.mean(), "ms", "(target < 16.7 ms)");
    row("one Redo, worst", redos.max(), "ms", "(target < 16.7 ms)");
    for (const auto &[kind, worst] : worstOfKind)
        row(qPrintable(QStringLiteral("  worst of: ") +
                       HistoryCaption(false, EditKind(kind), Language::English).mid(6).remove(u'&')),
            worst, "ms");

    // The steps that change the most: Delete Group Of Color (128 of the 255 programs) and Import
    // (255 programs replaced by 255), each undone and redone five times.
    bool ok = heapFull - heapCleared < 20 && undos.max() < FrameMs && redos.max() < FrameMs;
    std::printf("Undo and Redo of the largest steps, 5 each\n");
    for (const char *command : {"DeleteColourGroup2", "ImportPlayerFile"}) {
        prompter.queueAnswers({Prompter::Answer::Yes});
        const double heapStep = heapMb();
        trigger(command);
        QApplication::processEvents();
        const double stepMb = heapMb() - heapStep;
        Stats replays;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer t;
            t.start();
            (i % 2 ? redo : undo).trigger();
            QApplication::processEvents();
            replays.samples.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        const bool group = command[0] == 'D';
        row(group ? "delete colour group: Undo or Redo, worst" : "import: Undo or Redo, worst", replays.max(), "ms",
            "(target < 16.7 ms)");
        row(group ? "delete colour group: heap after the step" : "import: heap after the step", stepMb, "MB");
        ok = ok && replays.max() < FrameMs;
    }

    // The worst history: 1,000 steps that each replace 255 programs by 255 others, every text its
    // own (Import or Receive of a new player 1,000 times), as the steps keep them.
    {
        std::vector<ProjectStep> steps;
        steps.reserve(Steps);
        Project before = fullProject(clock.now(), 0);
        const double heapStart = heapMb();
        for (int round = 1; round <= Steps; ++round) {
            Project after = fullProject(clock.now(), round);
            steps.emplace_back(before, after);
            before = std::move(after);
        }
        const double held = heapMb() - heapStart;
        std::printf("1,000 steps each replacing 255 programs by 255 others\n");
        row("steps held", held, "MB", "(target < 20 MB)");
        ok = ok && held < 20;
    }
    return ok ? 0 : 1;
}
