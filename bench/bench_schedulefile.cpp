// Prints how long building and reading the player's schedule file takes for a full project.
//
//   build/default/bench/bench_schedulefile [rounds]

#include "player/ScheduleFile.h"
#include "project/ProgramsFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 2000;
    const ManualClock clock;

    Project project;
    for (int code = 255; code >= 1; --code) { // worst order for the slot search
        Program p(clock.now());
        p.Code = quint8(code);
        project.Programs.append(p);
    }

    QTextStream out(stdout);
    QElapsedTimer timer;
    qint64 sink = 0;

    timer.start();
    for (int i = 0; i < rounds; ++i)
        sink += BuildScheduleRecords(project, clock.now()).size();
    const double buildUs = timer.nsecsElapsed() / 1000.0 / rounds;

    QStringList log;
    timer.restart();
    for (int i = 0; i < rounds; ++i)
        sink += BuildScheduleRecords(project, clock.now(), &log).size();
    const double buildLogUs = timer.nsecsElapsed() / 1000.0 / rounds;

    const QByteArray records = BuildScheduleRecords(project, clock.now());
    ScheduleImport imported;
    timer.restart();
    for (int i = 0; i < rounds; ++i) {
        ImportScheduleRecords(records, clock.now(), imported, nullptr);
        sink += imported.Programs.size();
    }
    const double importUs = timer.nsecsElapsed() / 1000.0 / rounds;

    QTemporaryDir dir;
    const int fileRounds = qMax(1, rounds / 10);
    Notice error;
    timer.restart();
    for (int i = 0; i < fileRounds; ++i)
        sink += ExportRun(project, dir.path(), clock, &error) ? 1 : 0;
    const double exportUs = timer.nsecsElapsed() / 1000.0 / fileRounds;
    timer.restart();
    for (int i = 0; i < fileRounds; ++i)
        sink += ImportRun(ScheduleFilePath(dir.path()), clock, imported, &error) ? 1 : 0;
    const double importFileUs = timer.nsecsElapsed() / 1000.0 / fileRounds;

    out << "255 programs, " << rounds << " rounds (" << fileRounds << " for files)\n";
    out << QStringLiteral("build records:           %1 us\n").arg(buildUs, 0, 'f', 1);
    out << QStringLiteral("build records with log:  %1 us\n").arg(buildLogUs, 0, 'f', 1);
    out << QStringLiteral("decode records:          %1 us\n").arg(importUs, 0, 'f', 1);
    out << QStringLiteral("ExportRun (to file):     %1 us\n").arg(exportUs, 0, 'f', 1);
    out << QStringLiteral("ImportRun (from file):   %1 us\n").arg(importFileUs, 0, 'f', 1);
    out << "(checksum " << sink << ")\n";
    return 0;
}
