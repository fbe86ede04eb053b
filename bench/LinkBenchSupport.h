#pragma once

// What the link benchmarks share: the simulated player as a process, the bytes of a transfer and
// the event loop's longest gap while a transfer runs.

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <functional>

constexpr double ByteSeconds = 10.0 / 57600.0;
constexpr int TransmitBytes = 255 * (25 + 2) + 64 * (4 + 2) + 3; // 7272
constexpr int ReceiveBytes = 255 * (2 + 27) + 3 + 64 * (3 + 3);  // 7782

// quillon-player-sim with `options`, its port in `path`; stopped (and its log complete) when it goes.
class SimulatedPlayerProcess {
public:
    explicit SimulatedPlayerProcess(const QStringList &options) {
        m_process.start(QStringLiteral(PLAYER_SIM_PATH), options);
        m_process.waitForStarted(5000);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimulatedPlayerProcess() { stop(); }
    SimulatedPlayerProcess(const SimulatedPlayerProcess &) = delete;
    SimulatedPlayerProcess &operator=(const SimulatedPlayerProcess &) = delete;
    void stop() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    QString path;

private:
    QProcess m_process;
};

// The longest gap between two ticks of a 10 ms timer while `work` runs, in ms.
inline double worstTimerGap(const std::function<void()> &work) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 worst = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worst = std::max(worst, now - last);
        last = now;
    });
    timer.start();
    work();
    worst = std::max(worst, clock.nsecsElapsed() - last);
    return double(worst) / 1e6;
}
