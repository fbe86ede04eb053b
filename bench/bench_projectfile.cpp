// Prints how long the project file takes to build, save and read for a full project, how fast
// the line reader goes, and how soon 100 MB files that are not projects are refused.
//
//   build/default/bench/bench_projectfile [rounds]

#include "project/LineReader.h"
#include "project/ProjectFile.h"
#include "text/Translation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

Project fullProject() {
    Project project;
    project.Properties.ProjectName = QStringLiteral("Benchmark – été");
    project.Properties.Comments = QStringList(255, QStringLiteral("Une ligne de commentaire du projet, assez longue."));
    for (int code = 1; code <= 255; ++code) {
        Program p(QDateTime(QDate(2009, 3, 5), QTime(7, 5)));
        p.Code = quint8(code);
        p.Title = QStringLiteral("Programme %1 – annonce").arg(code);
        p.Comments = QStringList(10, QStringLiteral("Commentaire du programme"));
        project.Programs.append(p);
    }
    return project;
}

// Writes 100 MB made of `chunk` repeated.
bool writeHundredMegabytes(const QString &path, const QByteArray &chunk) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (qint64 written = 0; written < 100 * 1024 * 1024; written += chunk.size())
        if (f.write(chunk) != chunk.size())
            return false;
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 50;
    QTextStream out(stdout);
    QTemporaryDir dir;
    QElapsedTimer timer;

    const Project project = fullProject();
    const QString path = dir.filePath(QStringLiteral("full.prg"));
    QByteArray bytes;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        bytes = projectFileBytes(project);
    const double buildMs = timer.nsecsElapsed() / 1e6 / rounds;

    timer.restart();
    for (int i = 0; i < rounds; ++i)
        WriteProjectFile(path, project);
    const double saveMs = timer.nsecsElapsed() / 1e6 / rounds;

    Project back;
    timer.restart();
    for (int i = 0; i < rounds; ++i)
        ReadProjectFile(path, back);
    const double readMs = timer.nsecsElapsed() / 1e6 / rounds;

    out << "full project (255 programs, " << bytes.size() << " bytes), " << rounds << " rounds\n";
    out << "  build in memory: " << buildMs << " ms\n";
    out << "  save to a file:  " << saveMs << " ms\n";
    out << "  read the file:   " << readMs << " ms\n";

    // Line reader throughput over 100 MB of 79-byte lines.
    const QString lines = dir.filePath(QStringLiteral("lines.txt"));
    QByteArray line(77, 'l');
    line += "\r\n";
    if (writeHundredMegabytes(lines, line.repeated(1024))) {
        QFile f(lines);
        f.open(QIODevice::ReadOnly);
        LineReader reader(f);
        qint64 count = 0;
        timer.restart();
        while (reader.next().status == LineReader::Status::Ok)
            ++count;
        const double s = timer.nsecsElapsed() / 1e9;
        out << "line reader: " << count << " lines, 100 MB in " << s * 1000 << " ms (" << 100 / s << " MB/s)\n";
        QFile::remove(lines);
    }

    // 100 MB files that are not projects.
    QByteArray random(1 << 20, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
    const std::pair<const char *, QByteArray> garbage[] = {
        {"no line ends", QByteArray(1 << 20, 'x')},
        {"random bytes", random},
        {"line ends only", QByteArray(1 << 20, '\n')},
    };
    for (const auto &[name, chunk] : garbage) {
        const QString big = dir.filePath(QStringLiteral("big.prg"));
        if (!writeHundredMegabytes(big, chunk))
            continue;
        Notice error;
        timer.restart();
        ReadProjectFile(big, back, &error);
        out << "100 MB, " << name << ": refused in " << timer.nsecsElapsed() / 1e6 << " ms ("
            << noticeText(error, Language::English).left(90) << ")\n";
        QFile::remove(big);
    }
    return 0;
}
