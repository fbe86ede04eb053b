// Transmit and receive against quillon-player-sim paced at 57600 baud, compared with the time
// the same bytes need on the wire; and how long the caller's event loop goes unserved while the
// link's thread runs them.

#include "LinkBenchSupport.h"
#include "player/LinkThread.h"
#include "player/PlayerLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Where a paced run's time goes beyond the wire, from the simulator's byte log: the line stands
// idle between the player's last answer byte and the PC's next byte (the PC's turnaround, the
// simulator's wake-ups included), and between two bytes of one PC step that the PC wrote more
// slowly than the line carries them.
void printIdleTime(const QString &logPath) {
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly)) {
        std::printf("  no byte log\n");
        return;
    }
    const double byteMicros = ByteSeconds * 1e6;
    QList<double> turnarounds;
    QList<double> writeGaps;
    double last = -1;
    char lastDirection = 0;
    while (!log.atEnd()) {
        const QList<QByteArray> fields = log.readLine().trimmed().split(' ');
        if (fields.size() != 3)
            continue;
        const double at = fields[0].toDouble();
        const char direction = fields[1].at(0);
        if (direction == '>' && last >= 0) {
            const double idle = at - last - byteMicros;
            (lastDirection == '<' ? turnarounds : writeGaps).append(std::max(0.0, idle));
        }
        last = at;
        lastDirection = direction;
    }
    const auto report = [](const char *what, QList<double> gaps) {
        if (gaps.isEmpty())
            return;
        std::sort(gaps.begin(), gaps.end());
        double total = 0;
        for (double g : gaps)
            total += g;
        std::printf("  %-40s %5lld times, %8.1f ms in all, median %6.1f us, 90th percentile %6.1f us\n", what,
                    static_cast<long long>(gaps.size()), total / 1000, gaps[gaps.size() / 2],
                    gaps[gaps.size() * 9 / 10]);
    };
    report("PC turnaround after an answer:", turnarounds);
    report("line idle inside a PC step:", writeGaps);
}

// The line's own cost: one byte to a child process that only echoes it back over a fresh
// pseudo-terminal in raw mode, as the simulator's line is made, and back again; the median
// round trip, through the bare descriptor and through the program's own port.
struct EchoRoundTrips {
    double bare = -1;
    double port = -1;
};
EchoRoundTrips echoRoundTripMicros() {
    EchoRoundTrips medians;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return medians;
    const QString path = QString::fromLocal8Bit(::ptsname(master));
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    const pid_t echo = ::fork();
    if (echo == 0) {
        ::close(slave); // the echo ends when the other side closes
        unsigned char byte = 0;
        while (::read(master, &byte, 1) == 1 && ::write(master, &byte, 1) == 1) {
        }
        ::_exit(0);
    }
    const auto median = [](const std::function<bool()> &roundTrip) {
        QList<double> trips;
        QElapsedTimer clock;
        for (int i = 0; i < 2000; ++i) {
            clock.start();
            if (!roundTrip())
                return -1.0;
            trips.append(double(clock.nsecsElapsed()) / 1e3);
        }
        std::sort(trips.begin(), trips.end());
        return trips[trips.size() / 2];
    };
    pollfd ready{slave, POLLIN, 0};
    medians.bare = median([&] {
        unsigned char byte = 0x55;
        return ::write(slave, &byte, 1) == 1 && ::poll(&ready, 1, 1000) == 1 && ::read(slave, &byte, 1) == 1;
    });
    QtSerialPortIo io; // opened before the bare side closes: the last close hangs the line up
    const bool opened = io.open(path) == ComCode::Ok;
    ::close(slave);
    if (opened) {
        medians.port = median([&] {
            quint8 byte = 0x55;
            return io.writeByte(byte) && io.readByte(byte, 1000) == SerialPortIo::Read::Byte;
        });
        io.close();
    }
    ::close(master);
    ::kill(echo, SIGTERM);
    ::waitpid(echo, nullptr, 0);
    return medians;
}

// The simulator sends each answer byte when its wire time is over, from a timed poll: how late
// such a poll wakes after one byte time, median.
double timedWakeLateMicros() {
    ::prctl(PR_SET_TIMERSLACK, 1UL); // as the simulator does
    QList<double> late;
    QElapsedTimer clock;
    for (int i = 0; i < 2000; ++i) {
        const timespec byteTime{0, long(ByteSeconds * 1e9)};
        clock.start();
        ::ppoll(nullptr, 0, &byteTime, nullptr);
        late.append(double(clock.nsecsElapsed()) / 1e3 - ByteSeconds * 1e6);
    }
    std::sort(late.begin(), late.end());
    return late[late.size() / 2];
}

Project sampleProject() {
    Project project;
    project.Properties.ProjectName = QStringLiteral("Benchmark project");
    for (int i = 1; i <= 40; ++i) {
        Program p;
        p.Code = quint8(i * 6);
        p.TimerOn = 1;
        p.TimerMode = quint8(i % 4);
        project.Programs.append(p);
    }
    return project;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const TransferContext context;
    const Project project = sampleProject();
    std::printf("cores: %d\n", QThread::idealThreadCount());

    {
        SimulatedPlayerProcess player({QStringLiteral("--paced")});
        QtSerialPortIo io;
        ComLink link(io);
        const double transmitWire = TransmitBytes * ByteSeconds;
        const double receiveWire = ReceiveBytes * ByteSeconds;

        QElapsedTimer clock;
        ComResult code = 0;
        double seconds = 0;
        LinkThread thread(Clock::system());
        const double transmitGap = worstTimerGap([&] {
            bool done = false;
            clock.start();
            thread.start(player.path,
                         [&project, &player](ComLink &l, const TransferContext &c) {
                             return l.runOnPort(player.path, [&] { return TransmitRun(l, project, c); });
                         },
                         {{}, {}, {}, [&](const PortRun &run) {
                              code = run.code;
                              seconds = double(clock.nsecsElapsed()) / 1e9;
                              done = true;
                          }});
            while (!done)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
        std::printf("transmit: result %d, %d bytes, %.4f s, wire %.4f s, ratio %.3f\n", code, TransmitBytes, seconds,
                    transmitWire, seconds / transmitWire);
        std::printf("caller's event loop worst gap during paced transmit on the link thread: %.2f ms\n", transmitGap);

        clock.start();
        ReceivedPrograms received;
        link.runOnPort(player.path, [&] {
            received = ReceiveRun(link, context);
            return received.result;
        });
        const double slotSeconds = double(clock.nsecsElapsed()) / 1e9;
        QString name;
        const ComResult nameCode = ReadProjectName(link, player.path, name, context);
        seconds = double(clock.nsecsElapsed()) / 1e9;
        std::printf("receive with name: result %d/%d, %lld programs, %d bytes, %.4f s, wire %.4f s, ratio %.3f\n",
                    received.result, nameCode, static_cast<long long>(received.programs.size()), ReceiveBytes, seconds,
                    receiveWire, seconds / receiveWire);
        const double slotWire = (ReceiveBytes - 64 * 6) * ByteSeconds;
        std::printf("  of which 255 slots and end: %.4f s (wire %.4f s, ratio %.3f); name: %.4f s (wire %.4f s)\n",
                    slotSeconds, slotWire, slotSeconds / slotWire, seconds - slotSeconds, receiveWire - slotWire);

        // Where the rest goes: the port opening, and the cost of one exchange without pacing.
        clock.start();
        link.OpenComPort(player.path);
        std::printf("port opening: %.3f ms\n", double(clock.nsecsElapsed()) / 1e6);
        link.CloseComPort();
    }
    {
        SimulatedPlayerProcess player({});
        QtSerialPortIo io;
        ComLink link(io);
        link.OpenComPort(player.path);
        QElapsedTimer clock;
        clock.start();
        const ComResult code = TransmitRun(link, project, context);
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        link.CloseComPort();
        const int roundTrips = 255 * 2 + 64 * 2 + 2;
        std::printf("unpaced transmit: result %d, %.4f s, %.1f us per acknowledged step (%d steps)\n", code, seconds,
                    seconds * 1e6 / roundTrips, roundTrips);
    }
    {
        // The same paced runs once more, with the simulator's byte log, to see where the time
        // beyond the wire goes.
        QTemporaryDir dir;
        const QString transmitLog = dir.filePath(QStringLiteral("transmit.log"));
        const QString receiveLog = dir.filePath(QStringLiteral("receive.log"));
        QElapsedTimer clock;
        double transmitSeconds = 0;
        double receiveSeconds = 0;
        {
            SimulatedPlayerProcess player({QStringLiteral("--paced"), QStringLiteral("--log"), transmitLog});
            QtSerialPortIo io;
            ComLink link(io);
            link.runOnPort(player.path, [&] {
                clock.start();
                TransmitRun(link, project, context);
                transmitSeconds = double(clock.nsecsElapsed()) / 1e9;
                return ComCode::Ok;
            });
        }
        {
            SimulatedPlayerProcess player({QStringLiteral("--paced"), QStringLiteral("--log"), receiveLog});
            QtSerialPortIo io;
            ComLink link(io);
            link.runOnPort(player.path, [&] {
                clock.start();
                ReceiveRun(link, context);
                receiveSeconds = double(clock.nsecsElapsed()) / 1e9;
                return ComCode::Ok;
            });
        }
        const double slotWire = (ReceiveBytes - 64 * 6) * ByteSeconds;
        std::printf("idle line time of a paced transmit (logged run: %.4f s, ratio %.3f):\n", transmitSeconds,
                    transmitSeconds / (TransmitBytes * ByteSeconds));
        printIdleTime(transmitLog);
        std::printf("idle line time of a paced receive of the slots (logged run: %.4f s, ratio %.3f):\n",
                    receiveSeconds, receiveSeconds / slotWire);
        printIdleTime(receiveLog);
    }
    {
        const EchoRoundTrips echo = echoRoundTripMicros();
        std::printf("pseudo-terminal round trip to a bare echo process: median %.1f us (%.1f us through the port); 638 "
                    "of them are a transmit ratio of %.3f, 510 a receive's slots of %.3f\n",
                    echo.bare, echo.port, 1 + 638 * echo.bare / 1e6 / (TransmitBytes * ByteSeconds),
                    1 + 510 * echo.bare / 1e6 / ((ReceiveBytes - 64 * 6) * ByteSeconds));
        std::printf("a timed poll of one byte time wakes late by: median %.1f us\n", timedWakeLateMicros());
    }
    {
        SimulatedPlayerProcess player({QStringLiteral("--silent")});
        LinkThread thread(Clock::system());
        thread.setTiming({2000ms, 60ms});
        ComResult code = 0;
        const double silentGap = worstTimerGap([&] {
            bool done = false;
            thread.start(player.path,
                         [&player](ComLink &l, const TransferContext &) {
                             return l.runOnPort(player.path, [&] { return l.SendByteWithAck(0x0A); });
                         },
                         {{}, {}, {}, [&](const PortRun &run) {
                              code = run.code;
                              done = true;
                          }});
            while (!done)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
        std::printf("event loop worst gap while waiting 2 s on a silent player: %.2f ms (result %d)\n", silentGap,
                    code);
    }
    return 0;
}
