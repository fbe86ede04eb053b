// Time of a language switch of the main window holding 255 programs, on the offscreen
// platform: the menu command with everything it relabels, then the same with the repaint
// the user sees.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_language
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/Translation.h"
#include "ui/MainWindow.h"
#include "ui/ProgramTile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double TargetMs = 50.0;

double ms(const QElapsedTimer &t) {
    return double(t.nsecsElapsed()) / 1e6;
}

struct Stats {
    std::vector<double> samples;
    void add(double v) { samples.push_back(v); }
    double max() const { return *std::max_element(samples.begin(), samples.end()); }
    double median() const {
        std::vector<double> v = samples;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
};

void row(const char *what, double value, const char *target = "") {
    std::printf("  %-56s %9.3f ms %s\n", what, value, target);
}

// 255 programs of every timer mode, with actions in several rows, so every tile has a
// schedule line in words and the selected program has several captions to relabel.
QList<Program> programs(const QDateTime &now) {
    QList<Program> list;
    for (int i = 1; i <= SlotCount; ++i) {
        Program p(now);
        p.Code = quint8(i);
        p.TimerOn = 1;
        p.TimerMode = quint8(i % 4);
        p.DayOftheWeek = quint8(1 + i % 7);
        p.Time = QTime(i % 24, i % 60);
        p.ActionKind = {KindTransport, KindExternalOutput, KindVolume, KindPlayTimerFile, KindSleep, KindPlayDirectory};
        p.ActionParam = {quint8(1 + i % 10), quint8(i), quint8(i % 72), quint8(i), 0, 0};
        p.ActionValue = {255, quint8(i), 255, 255, 255, 255};
        p.ActionCount = 5;
        list << p;
    }
    return list;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    ManualClock clock;
    std::printf("Language switch benchmark (offscreen), %d cores\n", QThread::idealThreadCount());

    MainWindow w(prompter, clock);
    w.setPortNames({});
    w.show();
    w.loadPrograms(programs(clock.now()));
    w.SelectFirstProgram();
    QApplication::processEvents();
    std::printf("  %lld programs, the first selected\n", static_cast<long long>(w.currentProject().Programs.size()));

    const Language order[] = {Language::French, Language::English, Language::Spanish, Language::German,
                              Language::Italian};
    // The first switch into each language loads Qt's translation file once.
    Stats first, command, painted;
    for (Language language : order) {
        QElapsedTimer t;
        t.start();
        w.chooseLanguage(language);
        first.add(ms(t));
        QApplication::processEvents();
    }
    for (int round = 0; round < 10; ++round) {
        for (Language language : order) {
            QElapsedTimer t;
            t.start();
            w.chooseLanguage(language);
            command.add(ms(t));
            QApplication::processEvents();
            painted.add(ms(t));
        }
    }
    row("first switch into a language (worst of 5)", first.max(), "(target < 50 ms)");
    row("switch, the command alone (median of 50)", command.median(), "(target < 50 ms)");
    row("switch, the command alone (worst of 50)", command.max(), "(target < 50 ms)");
    row("switch with its repaint (median of 50)", painted.median(), "(target < 50 ms)");
    row("switch with its repaint (worst of 50)", painted.max());

    const bool ok = first.max() < TargetMs && command.max() < TargetMs && painted.median() < TargetMs;
    std::printf("%s\n", ok ? "All within target." : "Some figures are over target.");
    return ok ? 0 : 1;
}
