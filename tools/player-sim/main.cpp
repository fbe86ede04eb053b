// quillon-player-sim: the simulated player on a pseudo-terminal.

#include "SimulatedPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using SteadyClock = std::chrono::steady_clock;
using Nanoseconds = std::chrono::nanoseconds;

// One byte on a 57600 baud 8N1 line: start bit, 8 data bits, stop bit.
constexpr Nanoseconds ByteTime{10'000'000'000LL / 57600};

class PtyFrontEnd {
public:
    explicit PtyFrontEnd(SimulatedPlayer &player)
        : m_player(player)
        , m_start(SteadyClock::now()) {}

    ~PtyFrontEnd() {
        if (m_log.isOpen())
            m_log.flush();
        // The link goes first: once the programmer sees the device hang up, its name is gone,
        // even if the system hands the pseudo-terminal's number to another program at once.
        if (!m_player.options().linkPath.isEmpty())
            ::unlink(QFile::encodeName(m_player.options().linkPath).constData());
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }

    // Creates the device; its path on success, an empty string and `error` otherwise.
    QString open(QString *error) {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
            *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
            return {};
        }
        const QString path = QString::fromLocal8Bit(::ptsname(m_master));
        // Holding the other end open keeps the device alive between the programmer's openings
        // and lets us make it raw before anyone opens it.
        m_slave = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_slave < 0) {
            *error = QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
            return {};
        }
        termios raw{};
        ::tcgetattr(m_slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(m_slave, TCSANOW, &raw);
        const QString &link = m_player.options().linkPath;
        if (!link.isEmpty()) {
            const QByteArray linkName = QFile::encodeName(link);
            struct stat info {};
            if (::lstat(linkName.constData(), &info) == 0 && S_ISLNK(info.st_mode))
                ::unlink(linkName.constData());
            if (::symlink(QFile::encodeName(path).constData(), linkName.constData()) != 0) {
                *error =
                    QStringLiteral("cannot make the link %1: %2").arg(link, QString::fromLocal8Bit(strerror(errno)));
                return {};
            }
        }
        if (!m_player.options().logPath.isEmpty()) {
            m_log.setFileName(m_player.options().logPath);
            if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                *error = QStringLiteral("cannot write the log %1: %2").arg(m_log.fileName(), m_log.errorString());
                return {};
            }
        }
        return path;
    }

    // Serves the programmer until a signal arrives on `stopFd` or the player vanishes.
    int run(int stopFd) {
        ::prctl(PR_SET_TIMERSLACK, 1UL);
        for (;;) {
            writeDueBytes();
            timespec wait{};
            timespec *timeout = nullptr;
            if (!m_out.empty()) {
                const auto left = std::max(Nanoseconds(0), m_out.front().due - SteadyClock::now());
                wait.tv_sec = time_t(left.count() / 1'000'000'000);
                wait.tv_nsec = long(left.count() % 1'000'000'000);
                timeout = &wait;
            } else if (m_log.isOpen()) {
                m_log.flush();
            }
            pollfd fds[2] = {{m_master, POLLIN, 0}, {stopFd, POLLIN, 0}};
            const int ready = ::ppoll(fds, 2, timeout, nullptr);
            if (ready < 0 && errno != EINTR)
                return 1;
            if (fds[1].revents & POLLIN)
                return 0;
            if (fds[0].revents & POLLIN) {
                if (!readBytes())
                    return 0;
            }
        }
    }

private:
    struct Pending {
        quint8 byte;
        SteadyClock::time_point due;
    };

    void writeDueBytes() {
        QByteArray batch;
        const auto now = SteadyClock::now();
        while (!m_out.empty() && m_out.front().due <= now) {
            batch.append(char(m_out.front().byte));
            logByte('<', m_out.front().byte, m_out.front().due);
            m_out.pop_front();
        }
        if (!batch.isEmpty() && ::write(m_master, batch.constData(), size_t(batch.size())) < 0)
            std::fprintf(stderr, "quillon-player-sim: write failed: %s\n", strerror(errno));
    }

    bool readBytes() {
        unsigned char buffer[256];
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            return errno == EINTR || errno == EAGAIN;
        const bool paced = m_player.options().paced;
        const auto now = SteadyClock::now();
        for (ssize_t i = 0; i < n; ++i) {
            const auto arrival = paced ? std::max(now, m_inFreeAt) + ByteTime : now;
            m_inFreeAt = arrival;
            logByte('>', buffer[i], arrival);
            const QByteArray answer = m_player.receive(buffer[i]);
            if (m_player.vanished()) {
                if (m_log.isOpen())
                    QTextStream(&m_log) << "vanished\n";
                return false;
            }
            auto start = std::max(arrival + std::chrono::milliseconds(m_player.options().answerDelayMs), m_outFreeAt);
            for (char c : answer) {
                if (paced)
                    start += ByteTime;
                m_out.push_back({quint8(c), start});
            }
            if (!answer.isEmpty())
                m_outFreeAt = start;
        }
        return true;
    }

    void logByte(char direction, quint8 byte, SteadyClock::time_point at) {
        if (!m_log.isOpen())
            return;
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(at - m_start).count();
        char line[48];
        const int size = std::snprintf(line, sizeof line, "%lld %c %02x\n", static_cast<long long>(micros), direction,
                                       unsigned(byte));
        m_log.write(line, size);
    }

    SimulatedPlayer &m_player;
    SteadyClock::time_point m_start;
    SteadyClock::time_point m_inFreeAt{};
    SteadyClock::time_point m_outFreeAt{};
    std::deque<Pending> m_out;
    QFile m_log;
    int m_master = -1;
    int m_slave = -1;
};

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QString error;
    const auto options = SimulatedPlayer::parseArguments(app.arguments(), &error);
    if (!options) {
        err << "quillon-player-sim: " << error << "\n" << SimulatedPlayer::helpText();
        return 2;
    }
    if (options->help) {
        QTextStream(stdout) << SimulatedPlayer::helpText();
        return 0;
    }
    SimulatedPlayer player(*options);
    if (!options->messageFile.isEmpty() && !player.loadMessageFile(options->messageFile, &error)) {
        err << "quillon-player-sim: " << error << "\n";
        return 1;
    }
    // --set-slot wins over the loaded file.
    for (const auto &[n, frame] : options->slotChanges)
        player.setSlot(n, frame);

    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int stopFd = ::signalfd(-1, &stopSignals, SFD_CLOEXEC);

    PtyFrontEnd frontEnd(player);
    const QString path = frontEnd.open(&error);
    if (path.isEmpty()) {
        err << "quillon-player-sim: " << error << "\n";
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    const int status = frontEnd.run(stopFd);
    ::close(stopFd);
    return status;
}
