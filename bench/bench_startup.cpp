// Start-up: the time from starting the program as a process to its main window's first painted
// frame, against a bare QMainWindow with the same menu bar (startup-bare-window) started the
// same way. Both are copied into a fresh folder, so the program reads and writes its settings
// file there (beside the executable) and never the user's; the user configuration folder
// (XDG_CONFIG_HOME) points into that folder as well. One start of each is not counted (it writes
// the settings file and warms the file cache); then 9 starts of each, alternating.
//   bench_startup                   (under an X display; QT_QPA_PLATFORM as inherited)
// Exits with 1 when the ratio of the medians is above 1.3, with 2 when a start fails.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 9;
constexpr double TargetRatio = 1.3;

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

// The executable at `path` copied into `folder`; empty when it cannot be.
QString copyInto(const QString &path, const QString &folder) {
    const QString copy = QDir(folder).filePath(QFileInfo(path).fileName());
    return QFile::copy(path, copy) ? copy : QString();
}

// Starts `executable` and returns the milliseconds from the start to the first frame it
// reports; a negative value when it reports none.
double startToFirstFrame(const QString &executable, const QProcessEnvironment &environment, QString *failure) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QFileInfo(executable).absolutePath());
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    process.start(executable, {});
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(30000))
        out += process.readAllStandardOutput();
    process.waitForFinished(30000);
    out += process.readAllStandardOutput();
    const int at = out.indexOf("first frame: ");
    if (at < 0) {
        *failure = QStringLiteral("%1 reported no first frame (exit %2): %3")
                       .arg(executable)
                       .arg(process.exitCode())
                       .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return -1;
    }
    const qint64 frame = out.mid(at + 13).split('\n').first().trimmed().toLongLong();
    return double(frame - std::chrono::nanoseconds(started).count()) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString list(const std::vector<double> &v) {
    QStringList parts;
    for (double x : v)
        parts << QString::number(x, 'f', 1);
    return parts.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("Start-up benchmark: process start to the first painted frame, %d cores, load %s\n",
                QThread::idealThreadCount(), qPrintable(loadAverage()));
    std::printf("platform: %s, display %s\n", platform.isEmpty() ? "default" : platform.constData(),
                qEnvironmentVariableIsEmpty("DISPLAY") ? "none" : qgetenv("DISPLAY").constData());

    QTemporaryDir folder;
    const QString program = copyInto(QStringLiteral(PROGRAM_PATH), folder.path());
    const QString bare = copyInto(QStringLiteral(BARE_WINDOW_PATH), folder.path());
    if (!folder.isValid() || program.isEmpty() || bare.isEmpty()) {
        std::printf("cannot copy the executables into %s\n", qPrintable(folder.path()));
        return 2;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLON_QUIT_AT_FIRST_FRAME"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));

    QString failure;
    std::vector<double> programMs, bareMs;
    for (int i = -1; i < Runs && failure.isEmpty(); ++i) {
        const double b = startToFirstFrame(bare, environment, &failure);
        const double p = failure.isEmpty() ? startToFirstFrame(program, environment, &failure) : -1;
        if (i >= 0 && failure.isEmpty()) {
            bareMs.push_back(b);
            programMs.push_back(p);
        }
    }
    if (!failure.isEmpty()) {
        std::printf("%s\n", qPrintable(failure));
        return 2;
    }
    if (!QFile::exists(QDir(folder.path()).filePath(QFileInfo(program).completeBaseName() + QStringLiteral(".CFG"))))
        std::printf("note: the program wrote no settings file beside its copy\n");

    const double bareMedian = median(bareMs);
    const double programMedian = median(programMs);
    const double ratio = programMedian / bareMedian;
    std::printf("bare QMainWindow, same menu bar, %d starts (ms): %s\n", Runs, qPrintable(list(bareMs)));
    std::printf("main window, %d starts (ms):                   %s\n", Runs, qPrintable(list(programMs)));
    std::printf("  %-52s %10.1f ms\n", "bare QMainWindow with the same menu bar, median", bareMedian);
    std::printf("  %-52s %10.1f ms\n", "main window, median", programMedian);
    std::printf("  %-52s %10.2f    (target <= %.1f)\n", "ratio", ratio, TargetRatio);
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    std::printf("%s\n", ratio <= TargetRatio ? "Target met." : "Target missed.");
    return ratio <= TargetRatio ? 0 : 1;
}
