// Figures of the week plan and the spreadsheet table at 255 programs, on the offscreen platform:
// the plan of 255 hourly programs (42,840 marks) computed, and computed and painted at the
// window's size; a table of 255 programs written and read back (CSV import). Targets: the plan
// computed and painted, and the CSV import, each under 50 ms.
//   QT_QPA_PLATFORM=offscreen build/default/bench/bench_plan
#include "project/CsvFile.h"
#include "project/WeekPlan.h"
#include "ui/WeekPlanView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 9;

double medianMs(const std::function<void()> &work, double *worst) {
    std::vector<double> samples;
    for (int i = 0; i < Rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    *worst = samples.back();
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QDateTime now(QDate(2026, 12, 7), QTime(0, 0));
    QList<Program> programs;
    for (int code = 1; code <= SlotCount; ++code) {
        Program p(now);
        p.Code = quint8(code);
        p.TimerOn = 1;
        p.TimerMode = TimerHourly;
        p.Time = QTime(0, code % 60);
        p.Title = QStringLiteral("Announcement %1, « shop »").arg(code);
        p.Comments = {QStringLiteral("first line"), QStringLiteral("second, line")};
        programs << p;
    }
    bool ok = true;
    double worst = 0;
    qsizetype marks = 0;
    const double computed = medianMs([&] { marks = BuildWeekPlan(programs, now, false).marks.size(); }, &worst);
    std::printf("week plan of 255 hourly programs (%lld marks): computed  median %6.2f ms  worst %6.2f ms\n",
                qlonglong(marks), computed, worst);
    ok = ok && marks == 42840;
    QImage image(900, 620, QImage::Format_ARGB32_Premultiplied);
    const QLocale locale(QLocale::English);
    const double painted = medianMs(
        [&] {
            const WeekPlan plan = BuildWeekPlan(programs, now, false);
            QPainter painter(&image);
            paintWeekPlan(painter, image.rect(), plan, programs, locale, 3);
        },
        &worst);
    std::printf("week plan computed and painted at 900 x 620:           median %6.2f ms  worst %6.2f ms  (target 50)\n",
                painted, worst);
    ok = ok && painted < 50;

    const QByteArray table = ProgramsToCsv(programs);
    const double written = medianMs([&] { (void)ProgramsToCsv(programs); }, &worst);
    std::printf("CSV of 255 programs (%lld bytes) written:             median %6.2f ms  worst %6.2f ms\n",
                qlonglong(table.size()), written, worst);
    QList<Program> back;
    const double read = medianMs([&] { ok = ProgramsFromCsv(table, back) && ok; }, &worst);
    std::printf("CSV of 255 programs read and checked (import):         median %6.2f ms  worst %6.2f ms  (target 50)\n",
                read, worst);
    ok = ok && read < 50 && back.size() == SlotCount;
    return ok ? 0 : 1;
}
