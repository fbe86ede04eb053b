// Prints how long the texts of all 255 tiles take to compute: the schedule line (language
// table lookups) and six short action texts per tile, as one repaint of a full list needs.
//
//   build/default/bench/bench_tiletext [rounds]

#include "text/ProgramText.h"
#include "text/Translation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QTextStream>

#include <cstdlib>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 2000;

    QList<Program> programs;
    for (int code = 1; code <= SlotCount; ++code) {
        Program p(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        p.Code = quint8(code);
        p.TimerOn = 1;
        p.TimerMode = quint8(code % 4);
        p.DayOftheWeek = quint8(1 + code % 7);
        p.ActionCount = MaxActions;
        for (int k = 0; k < MaxActions; ++k) {
            p.ActionKind[std::size_t(k)] = quint8((code + k) % 13);
            p.ActionParam[std::size_t(k)] = quint8(code);
        }
        programs.append(p);
    }

    QTextStream out(stdout);
    QElapsedTimer timer;
    qsizetype sink = 0;

    timer.start();
    for (int i = 0; i < rounds; ++i)
        for (const Program &p : std::as_const(programs))
            sink += ScheduleText(p, Languages[std::size_t(i % LanguageCount)]).size();
    const double scheduleUs = timer.nsecsElapsed() / 1000.0 / rounds;

    timer.restart();
    for (int i = 0; i < rounds; ++i)
        for (const Program &p : std::as_const(programs))
            for (int k = 0; k < MaxActions; ++k)
                sink += ActionShortText(p.ActionKind[std::size_t(k)], p.ActionParam[std::size_t(k)]).size();
    const double actionsUs = timer.nsecsElapsed() / 1000.0 / rounds;

    timer.restart();
    for (int i = 0; i < rounds; ++i)
        for (int row = 0; row < SlotCount; ++row)
            sink += DayName(row % 7 + 1, Languages[std::size_t(i % LanguageCount)]).size();
    const double lookupUs = timer.nsecsElapsed() / 1000.0 / rounds;

    out << "255 tiles, " << rounds << " rounds\n";
    out << "  schedule lines:        " << QString::number(scheduleUs, 'f', 1) << " us per 255 tiles\n";
    out << "  short action texts:    " << QString::number(actionsUs, 'f', 1) << " us per 255 tiles (6 each)\n";
    out << "  day name lookups:      " << QString::number(lookupUs, 'f', 1) << " us per 255 lookups\n";
    out << "  (checksum " << sink << ")\n";
    return 0;
}
