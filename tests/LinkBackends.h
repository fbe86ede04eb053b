#pragma once

#include "FakePlayerPort.h"
#include "player/LinkThread.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A simulated player behind a serial port: in memory (in virtual time, so that the watchdog's
// seconds take none), or quillon-player-sim on a pseudo-terminal behind QtSerialPortIo.
class PlayerBackend {
public:
    virtual ~PlayerBackend() = default;
    // Starts a player with quillon-player-sim's options; false when it did not start.
    virtual bool start(const QStringList &playerOptions) = 0;
    virtual SerialPortIo &io() = 0;
    virtual QString portName() const = 0;
    // Every byte the PC sent, in order; the player is stopped first.
    virtual QByteArray pcBytes() = 0;
    // The watchdog's clock (empty: the real one), and the port of the link's thread (empty: one
    // of its own; the in-memory one is shared).
    virtual std::function<qint64()> watchdogClock() { return {}; }
    virtual LinkThread::IoMaker threadPort() { return {}; }
    std::unique_ptr<ComLink> link(LinkTiming timing) {
        auto link = std::make_unique<ComLink>(io(), timing);
        link->setWatchdogClock(watchdogClock());
        return link;
    }
    std::unique_ptr<LinkThread> thread(const Clock &clock, LinkTiming timing) {
        auto thread = std::make_unique<LinkThread>(clock, threadPort());
        thread->setTiming(timing);
        thread->setWatchdogClock(watchdogClock());
        return thread;
    }
};

class FakeBackend : public PlayerBackend {
public:
    bool start(const QStringList &playerOptions) override {
        QString error;
        const auto options = SimulatedPlayer::parseArguments(QStringList{"sim"} + playerOptions, &error);
        port = options ? std::make_unique<FakePlayerPort>(*options) : nullptr;
        return port && (port->virtualTime = true);
    }
    SerialPortIo &io() override { return *port; }
    QString portName() const override { return QStringLiteral("fake"); }
    QByteArray pcBytes() override { return port->written; }
    std::function<qint64()> watchdogClock() override {
        return [p = port.get()] { return p->nowMs(); };
    }
    LinkThread::IoMaker threadPort() override {
        return [p = port.get()] { return std::shared_ptr<SerialPortIo>(p, [](SerialPortIo *) {}); };
    }
    std::unique_ptr<FakePlayerPort> port;
};

class PtyBackend : public PlayerBackend {
public:
    ~PtyBackend() override { stop(); }
    // The port is reached through a link of its own, as an adapter is through its name under
    // /dev/serial/by-id.
    bool start(const QStringList &playerOptions) override {
        const qsizetype link = playerOptions.indexOf(u"--link"_qs);
        m_path = link >= 0 ? playerOptions.value(link + 1) : m_dir.filePath("port");
        m_process.start(QStringLiteral(PLAYER_SIM_PATH),
                        playerOptions + QStringList{"--link", m_path, "--log", m_dir.filePath("log")});
        while (m_process.waitForStarted(5000) && !m_process.canReadLine())
            if (!m_process.waitForReadyRead(5000))
                return false;
        return !m_process.readLine().trimmed().isEmpty();
    }
    SerialPortIo &io() override { return m_io; }
    QString portName() const override { return m_path; }
    QByteArray pcBytes() override {
        stop();
        QFile log(m_dir.filePath("log"));
        QByteArray bytes;
        if (log.open(QIODevice::ReadOnly))
            while (!log.atEnd())
                if (const QList<QByteArray> f = log.readLine().trimmed().split(' '); f.size() == 3 && f[1] == ">")
                    bytes.append(char(f[2].toInt(nullptr, 16)));
        return bytes;
    }
    void stop() {
        m_io.close();
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QProcess m_process;
    QtSerialPortIo m_io;
};
