#pragma once

#include "player/PlayerLink.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

// The serial link on a thread of its own. The port and the dialogues live there and wait on the
// port without any event loop; the caller's thread starts one run at a time and hears of its
// progress and its end through queued calls, so nothing of the caller runs inside a run and a
// run never waits for the caller.
class LinkThread : public QObject {
    Q_OBJECT
public:
    // Makes the port, on the link's thread, when the first run starts; it is released there.
    using IoMaker = std::function<std::shared_ptr<SerialPortIo>()>;
    // One run: it opens and closes the port itself (runOnPort) and reports through the context.
    using Run = std::function<PortRun(ComLink &link, const TransferContext &context)>;
    // What the caller hears, on its own thread. Every slotDone, finalizing and failed of a run
    // arrives before its finished.
    struct Listener {
        std::function<void(int slot)> slotDone;
        std::function<void()> finalizing;
        std::function<void(const LinkFailure &failure)> failed;
        std::function<void(const PortRun &run)> finished;
    };

    // Without `makeIo`, a QtSerialPortIo.
    explicit LinkThread(const Clock &clock, IoMaker makeIo = {}, QObject *parent = nullptr);
    // Waits for a run still going to end.
    ~LinkThread() override;

    // Starts `run` on the port `port`; false, and nothing starts, while another run is going.
    bool start(const QString &port, Run run, Listener listener);
    // From start() until the run's finished has been heard.
    bool isBusy() const { return m_busy; }
    // The port of the run going; empty when none is.
    QString busyPort() const { return m_busy ? m_port : QString(); }

    // Taken by the runs that start after it is set.
    void setTiming(LinkTiming timing) { m_timing = timing; }
    LinkTiming timing() const { return m_timing; }
    // The watchdog's clock of the runs that start after it is set (see ComLink); called on the
    // link's thread.
    void setWatchdogClock(std::function<qint64()> clockMs) { m_watchdogClock = std::move(clockMs); }

private:
    class Worker;
    const Clock &m_clock;
    QThread m_thread;
    Worker *m_worker = nullptr;
    LinkTiming m_timing;
    std::function<qint64()> m_watchdogClock;
    bool m_busy = false;
    QString m_port;
};
