// Figures of the main window on the offscreen platform: creation, appending 255 programs,
// repainting, selecting and key presses, and the memory that 255 programs take.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_mainwindow
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectModel.h"
#include "ui/MainWindow.h"
#include "ui/ProgramListView.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr double FrameMs = 1000.0 / 60.0;

double ms(const QElapsedTimer &t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// A /proc/self/status field in kB (VmRSS, VmHWM).
long statusKb(const char *field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

struct Stats {
    std::vector<double> samples;
    void add(double v) { samples.push_back(v); }
    double max() const { return *std::max_element(samples.begin(), samples.end()); }
    double mean() const {
        double s = 0;
        for (double v : samples)
            s += v;
        return s / double(samples.size());
    }
    double median() const {
        std::vector<double> v = samples;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
};

// The same menus as the main window, on a bare QMainWindow.
std::unique_ptr<QMainWindow> bareWindow() {
    auto w = std::make_unique<QMainWindow>();
    const std::vector<std::pair<const char *, std::vector<const char *>>> menus = {
        {"&File",
         {"New Project", "Project Properties...", "", "Open", "Save", "Save as...", "", "Export", "Import", "",
          "Exit"}},
        {"&Edit",
         {"New Program", "Delete Program", "", "Cut", "Copy", "Paste", "", "Delete Group Of Color", "",
          "Move Program Up", "Move Program Down", "", "Wizard"}},
        {"&Send-Receive", {"Transmit Programs", "Receive Programs"}},
        {"&Options", {"Language", "", "RS232 - Port COM", "", "Player Options", "", "PC Remote"}},
        {"&Help", {"About...", "", "Web"}},
    };
    for (const auto &[title, items] : menus) {
        QMenu *m = w->menuBar()->addMenu(QString::fromUtf8(title));
        for (const char *item : items) {
            if (*item)
                m->addAction(QString::fromUtf8(item));
            else
                m->addSeparator();
        }
    }
    w->resize(987, 648);
    return w;
}

void row(const char *what, double value, const char *unit, const char *target = "") {
    std::printf("  %-52s %10.3f %-3s %s\n", what, value, unit, target);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompter prompter;
    ManualClock clock;
    std::printf("Main window benchmark (offscreen), %d cores\n", QThread::idealThreadCount());

    // Creation: the first includes loading fonts and icons; then repeated creations.
    Stats bare, full;
    double firstFull = 0;
    for (int i = 0; i < 6; ++i) {
        QElapsedTimer t;
        t.start();
        auto b = bareWindow();
        bare.add(ms(t));
        t.restart();
        auto w = std::make_unique<MainWindow>(prompter, clock);
        const double elapsed = ms(t);
        if (i == 0)
            firstFull = elapsed;
        else
            full.add(elapsed);
    }
    std::printf("Creation\n");
    row("bare QMainWindow with the same menus (median)", bare.median(), "ms");
    row("main window, first in process", firstFull, "ms", "(target < 150 ms)");
    row("main window (median of 5)", full.median(), "ms", "(target < 150 ms)");

    // The editor's pop-up menus are filled when they first open: what that first opening costs.
    {
        MainWindow fresh(prompter, clock);
        // The editor makes its fields and menus when it first shows a program.
        fresh.loadPrograms({Program(clock.now())});
        fresh.SelectProgramAt(0);
        std::printf("Filling the editor's menus at their first opening\n");
        for (const char *name : {"ActionMenu", "ValueMenu", "CodeMenu", "ColourMenu"}) {
            QMenu *menu = fresh.findChild<QMenu *>(QString::fromLatin1(name));
            QElapsedTimer t;
            t.start();
            emit menu->aboutToShow();
            row(name, ms(t), "ms");
        }
    }

    const long rssBefore = statusKb("VmRSS");
    MainWindow w(prompter, clock);
    w.setPortNames({});
    w.show();
    QApplication::processEvents();
    ProgramListView &list = *w.findChild<ProgramListView *>();
    ProjectModel &model = *w.findChild<ProjectModel *>();
    QWidget &tileBox = *w.findChild<QWidget *>(QStringLiteral("TileBox"));
    const long rssEmpty = statusKb("VmRSS");

    // Appending 255 programs one by one, each followed by the repaint the user would see.
    Stats add;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < SlotCount; ++i) {
        QElapsedTimer t;
        t.start();
        w.addProgram();
        QApplication::processEvents();
        add.add(ms(t));
    }
    const double addTotal = ms(total);
    const long rssFull = statusKb("VmRSS");
    std::printf("Appending 255 programs one by one (each with its repaint)\n");
    row("all 255", addTotal, "ms");
    row("one program, mean", add.mean(), "ms", "(target < 16.7 ms)");
    row("one program, worst", add.max(), "ms", "(target < 16.7 ms)");
    row("the 255th program (at 254)", add.samples.back(), "ms", "(target < 16.7 ms)");

    // A full repaint: every tile redrawn from its program and painted.
    QImage canvas(tileBox.size(), QImage::Format_ARGB32_Premultiplied);
    Stats repaint;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        for (int t = 0; t < list.count(); ++t)
            list.refresh(t);
        QPainter p(&canvas);
        tileBox.render(&p);
        p.end();
        repaint.add(ms(t));
    }
    std::printf("Repaint\n");
    row("refresh and paint all 255 tiles (median of 5)", repaint.median(), "ms");

    // Selecting each tile in turn, as a click does, with the repaint.
    Stats select;
    for (int i = 0; i < list.count(); ++i) {
        QElapsedTimer t;
        t.start();
        model.select(i);
        QApplication::processEvents();
        select.add(ms(t));
    }
    std::printf("Selecting each of 255 tiles in turn\n");
    row("one selection, mean", select.mean(), "ms", "(target < 16.7 ms)");
    row("one selection, worst", select.max(), "ms", "(target < 16.7 ms)");

    // Key presses: Home, then Down through the list.
    Stats keys;
    list.handleListKey(Qt::Key_Home);
    for (int i = 0; i < SlotCount - 1; ++i) {
        QElapsedTimer t;
        t.start();
        list.handleListKey(Qt::Key_Down);
        QApplication::processEvents();
        keys.add(ms(t));
    }
    std::printf("Key Down through 255 tiles\n");
    row("one key press, mean", keys.mean(), "ms", "(target < 16.7 ms)");
    row("one key press, worst", keys.max(), "ms", "(target < 16.7 ms)");

    std::printf("Memory (resident)\n");
    row("process before the measured window", double(rssBefore) / 1024.0, "MB");
    row("with 0 programs", double(rssEmpty) / 1024.0, "MB");
    row("with 255 programs", double(rssFull) / 1024.0, "MB");
    row("255 programs add", double(rssFull - rssEmpty) / 1024.0, "MB", "(target < 5 MB)");
    row("peak of the process (VmHWM)", double(statusKb("VmHWM")) / 1024.0, "MB");

    const bool ok = full.median() < 150 && add.max() < FrameMs && select.max() < FrameMs && keys.max() < FrameMs &&
                    (rssFull - rssEmpty) < 5 * 1024;
    std::printf("%s\n", ok ? "All targets met." : "Some target missed (see above).");
    return 0;
}
