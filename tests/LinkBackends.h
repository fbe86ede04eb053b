#pragma once

#include "FakePlayerPort.h"
#include "player/ComPort.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A simulated player reached through a serial port interface: in memory, or the real
// quillon-player-sim on a pseudo-terminal behind QtSerialPortIo.
class PlayerBackend {
public:
    virtual ~PlayerBackend() = default;
    // Starts a player with quillon-player-sim's options; false when it did not start.
    virtual bool start(const QStringList &playerOptions) = 0;
    virtual SerialPortIo &io() = 0;
    virtual QString portName() const = 0;
    // Every byte the PC sent, in order; the player is stopped first.
    virtual QByteArray pcBytes() = 0;
};

class FakeBackend : public PlayerBackend {
public:
    bool start(const QStringList &playerOptions) override {
        QString error;
        const auto options =
            SimulatedPlayer::parseArguments(QStringList{QStringLiteral("sim")} + playerOptions, &error);
        if (!options)
            return false;
        m_port = std::make_unique<FakePlayerPort>(*options);
        return true;
    }
    SerialPortIo &io() override { return *m_port; }
    FakePlayerPort &fake() { return *m_port; }
    QString portName() const override { return QStringLiteral("fake"); }
    QByteArray pcBytes() override { return m_port->written; }

private:
    std::unique_ptr<FakePlayerPort> m_port;
};

class PtyBackend : public PlayerBackend {
public:
    ~PtyBackend() override { stop(); }
    bool start(const QStringList &playerOptions) override {
        m_logPath = m_dir.filePath(QStringLiteral("player.log"));
        m_process.setProgram(QStringLiteral(PLAYER_SIM_PATH));
        m_process.setArguments(playerOptions + QStringList{QStringLiteral("--log"), m_logPath});
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(5000))
                return false;
        m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return !m_path.isEmpty();
    }
    SerialPortIo &io() override { return m_io; }
    QString portName() const override { return m_path; }
    QByteArray pcBytes() override {
        stop();
        QFile log(m_logPath);
        QByteArray bytes;
        if (!log.open(QIODevice::ReadOnly))
            return bytes;
        while (!log.atEnd()) {
            const QList<QByteArray> fields = log.readLine().trimmed().split(' ');
            if (fields.size() == 3 && fields[1] == ">")
                bytes.append(char(fields[2].toInt(nullptr, 16)));
        }
        return bytes;
    }
    void stop() {
        m_io.close();
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QString m_logPath;
    QString m_path;
    QProcess m_process;
    QtSerialPortIo m_io;
};
