#pragma once

#include "model/Notice.h"
#include "player/Frame.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

// Result of every port and player operation; the texts are the rows of ComResultTexts.
using ComResult = quint8;
namespace ComCode {
inline constexpr ComResult Ok = 0;
inline constexpr ComResult PurgeError = 1;
inline constexpr ComResult WriteError = 2;
inline constexpr ComResult ReadError = 3;
inline constexpr ComResult OpenError = 4;
inline constexpr ComResult GetStateError = 5;
inline constexpr ComResult SetStateError = 6;
inline constexpr ComResult TimeoutsError = 7;
inline constexpr ComResult CloseError = 8;
inline constexpr ComResult NotReady = 9;
inline constexpr ComResult EepromWriteError = 10;
inline constexpr ComResult EepromReadError = 11;
} // namespace ComCode

inline constexpr quint8 PlayerAck = 0x01;

// The few things the player link needs from a serial port. The program uses QtSerialPortIo;
// tests also use an in-memory fake.
class SerialPortIo {
public:
    enum class Read { Byte, TimedOut, Failed };

    virtual ~SerialPortIo() = default;

    // Opens and configures the port: 0, or 4 (cannot open), 5, 6, 7 (settings refused).
    virtual ComResult open(const QString &name) = 0;
    // False when closing failed.
    virtual bool close() = 0;
    virtual bool isOpen() const = 0;
    // Discards both queues; false when that failed.
    virtual bool purge() = 0;
    virtual bool writeByte(quint8 byte) = 0;
    // Waits at most `timeoutMs` for one byte; 0 takes only a byte that is there.
    virtual Read readByte(quint8 &byte, int timeoutMs) = 0;
    // True once the device has reported a read, write or resource error (it has been closed).
    virtual bool lost() const = 0;
    // Why the last open failed, in words (the device is missing, in use and by whom, not
    // permitted, ...); empty when the port does not know.
    virtual Notice openFailureReason() const { return {}; }
};

// A serial port on QSerialPort. Its waits block on the device, without an event loop: the
// program keeps it on the link's own thread (LinkThread). The first read, write or resource
// error closes the port, since a vanished device would otherwise keep reporting errors in a
// tight loop.
class QtSerialPortIo : public QObject, public SerialPortIo {
    Q_OBJECT
public:
    explicit QtSerialPortIo(QObject *parent = nullptr);
    ~QtSerialPortIo() override;

    ComResult open(const QString &name) override;
    bool close() override;
    bool isOpen() const override;
    bool purge() override;
    bool writeByte(quint8 byte) override;
    Read readByte(quint8 &byte, int timeoutMs) override;
    bool lost() const override { return m_lost; }
    Notice openFailureReason() const override { return m_openFailure; }

    // True when the driver accepted low-latency mode for the open port.
    bool lowLatency() const { return m_lowLatency; }
    QString errorText() const { return m_errorText; }

private:
    void onError(QSerialPort::SerialPortError error);
    void closeLostPort();

    QSerialPort m_port;
    bool m_configuring = false;
    bool m_lost = false;
    bool m_lowLatency = false;
    QString m_errorText;
    Notice m_openFailure;
};

// The device the port `name` leads to: its canonical path, or the path itself when it does not
// exist. The port is locked by this path, whatever name was used.
QString portDevice(const QString &name);

// Why the port `name` did not open, given what the serial port reported: the device does not
// exist, another process holds its lock file (naming the process and the file), this user may
// not open it (naming its owner and group), or else the port's own text.
Notice describePortOpenFailure(const QString &name, QSerialPort::SerialPortError error, const QString &portText);

// Why this user may not open the device at `location`, read from its mode: only its owner may;
// the members of its group may, with the advice to join that group when it is not root's (the
// serial group, dialout on Debian); or its group may, which is root's.
Notice describeForbiddenPort(const QString &location, unsigned mode, unsigned groupId, const QString &owner,
                             const QString &group);

// How a run on the port ended: its code, the step that gave it, and for a failed opening why
// the port did not open (empty when the port does not know).
struct PortRun {
    enum Step { Opening, Work, Closing };
    ComResult code = ComCode::Ok;
    Step step = Work;
    Notice reason;
};

struct LinkTiming {
    // Longest wait for one acknowledgement.
    std::chrono::milliseconds watchdog{10000};
    // Longest wait for one byte: 10 ms per byte plus 50 ms.
    std::chrono::milliseconds byteTimeout{60};
};

// The player's serial operations on one port. At most one port is open at a time; the port is
// opened for one operation and closed at its end (runOnPort).
class ComLink {
public:
    explicit ComLink(SerialPortIo &io, LinkTiming timing = {});

    void setTiming(LinkTiming timing) { m_timing = timing; }
    // The watchdog's clock in milliseconds; empty for the steady clock. Tests give the virtual
    // time of an in-memory port, so that waits of seconds take no real time.
    void setWatchdogClock(std::function<qint64()> clockMs) { m_watchdogClock = std::move(clockMs); }
    LinkTiming timing() const { return m_timing; }
    bool isOpen() const { return m_io.isOpen(); }
    // The device vanished or failed since the port was opened.
    bool lost() const { return m_io.lost(); }
    QString portName() const { return m_portName; }
    // Why the last OpenComPort failed, in words; empty when it did not or the port does not know.
    Notice openFailureReason() const { return m_openFailure; }

    // Opens `name`, runs `work` on the open port and closes it; the first non-zero code of the
    // three wins. When the opening fails, `work` does not run and nothing is closed, since the
    // port may be held by someone else.
    PortRun runOnPort(const QString &name, const std::function<ComResult()> &work);

    ComResult OpenComPort(const QString &name);
    ComResult CloseComPort();
    // True when discarding failed.
    bool PurgeComPort();
    ComResult SendByteWithAck(quint8 byte);
    ComResult SendFrame(const Frame &frame);
    ComResult ReceiveFrame(Frame &frame);
    ComResult WriteRawByte(quint8 byte);
    ComResult ReadAnswerByte(quint8 &answer);
    ComResult WriteThreeBytesWithAck(quint8 b1, quint8 b2, quint8 b3);

    // Waits for the acknowledgement 0x01 under the watchdog; other bytes are ignored.
    ComResult WaitForAck();
    // Discards the queues as a command's first step: 0, or 1 (3 when the device is gone).
    ComResult purgeForCommand();

private:
    ComResult readClosingByte();

    SerialPortIo &m_io;
    LinkTiming m_timing;
    std::function<qint64()> m_watchdogClock;
    QString m_portName;
    Notice m_openFailure;
};

// Adds the ports that can be opened with the player's settings: those the system lists, then
// every path of the colon-separated QUILLON_EXTRA_PORTS (pseudo-terminals are not listed).
void ListComPorts(QStringList &ports);
