#include "ComPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSerialPortInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#endif

QtSerialPortIo::QtSerialPortIo(QObject *parent)
    : QObject(parent) {
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPortIo::onError);
}

QtSerialPortIo::~QtSerialPortIo() {
    if (m_port.isOpen())
        m_port.close();
}

ComResult QtSerialPortIo::open(const QString &name) {
    if (m_port.isOpen())
        return ComCode::OpenError;
    m_lost = false;
    m_lowLatency = false;
    m_errorText.clear();
    m_openFailure = {};
    // QSerialPort takes a lock file named after the path it opens and sets the device exclusive
    // (TIOCEXCL, which root may pass). Opening the device the name leads to gives two names of
    // one device (a link under /dev/serial/by-id and the device itself) one lock file.
    m_port.setPortName(portDevice(name));
    m_configuring = true;
    const auto done = [this](ComResult code) {
        if (code != ComCode::Ok && m_port.isOpen())
            m_port.close();
        m_port.clearError();
        m_configuring = false;
        return code;
    };
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_errorText = m_port.errorString();
        m_openFailure = describePortOpenFailure(name, m_port.error(), m_errorText);
        return done(ComCode::OpenError);
    }
#ifdef Q_OS_LINUX
    termios current{};
    if (::tcgetattr(int(m_port.handle()), &current) != 0)
        return done(ComCode::GetStateError);
#endif
    const bool set = m_port.setBaudRate(57600) && m_port.setDataBits(QSerialPort::Data8) &&
                     m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
                     m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!set) {
        m_errorText = m_port.errorString();
        return done(ComCode::SetStateError);
    }
    // Modem lines do not exist on a pseudo-terminal: a refusal here is not an error.
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
#ifdef Q_OS_LINUX
    // A USB adapter otherwise holds each answer for its 16 ms latency timer.
    serial_struct serial{};
    if (::ioctl(int(m_port.handle()), TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        m_lowLatency = ::ioctl(int(m_port.handle()), TIOCSSERIAL, &serial) == 0;
    }
#endif
    return done(ComCode::Ok);
}

bool QtSerialPortIo::close() {
    if (!m_port.isOpen())
        return true;
    // Only an error of the closing itself counts: the polls of readByte leave a timeout behind.
    m_port.clearError();
    m_port.close();
    const bool ok = m_port.error() == QSerialPort::NoError;
    m_port.clearError();
    return ok;
}

bool QtSerialPortIo::isOpen() const {
    return m_port.isOpen();
}

bool QtSerialPortIo::purge() {
    if (!m_port.isOpen() || m_lost)
        return false;
    const bool cleared = m_port.clear(QSerialPort::AllDirections);
    closeLostPort();
    return cleared && !m_lost;
}

bool QtSerialPortIo::writeByte(quint8 byte) {
    if (!m_port.isOpen() || m_lost)
        return false;
    const char c = char(byte);
    if (m_port.write(&c, 1) != 1)
        return false;
    m_port.flush();
    closeLostPort();
    return !m_lost;
}

SerialPortIo::Read QtSerialPortIo::readByte(quint8 &byte, int timeoutMs) {
    if (m_lost || !m_port.isOpen()) {
        closeLostPort();
        return Read::Failed;
    }
    // A blocking wait on the device: the port lives on a thread that does nothing else.
    if (m_port.bytesAvailable() == 0 && timeoutMs > 0)
        m_port.waitForReadyRead(timeoutMs);
    if (m_lost) {
        closeLostPort();
        return Read::Failed;
    }
    char c = 0;
    if (!m_port.getChar(&c))
        return Read::TimedOut;
    byte = quint8(c);
    return Read::Byte;
}

void QtSerialPortIo::onError(QSerialPort::SerialPortError error) {
    if (m_configuring)
        return;
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError && error != QSerialPort::ResourceError)
        return;
    if (!m_lost)
        m_errorText = m_port.errorString();
    m_lost = true;
    // Closing inside the port's own signal would delete its notifier under it.
    QMetaObject::invokeMethod(this, &QtSerialPortIo::closeLostPort, Qt::QueuedConnection);
}

void QtSerialPortIo::closeLostPort() {
    if (m_lost && m_port.isOpen()) {
        m_port.close();
        m_port.clearError();
    }
}

ComLink::ComLink(SerialPortIo &io, LinkTiming timing)
    : m_io(io)
    , m_timing(timing) {}

PortRun ComLink::runOnPort(const QString &name, const std::function<ComResult()> &work) {
    if (const ComResult opened = OpenComPort(name); opened != ComCode::Ok)
        return {opened, PortRun::Opening, m_openFailure};
    const ComResult worked = work();
    const ComResult closed = CloseComPort();
    if (worked != ComCode::Ok)
        return {worked, PortRun::Work, {}};
    return {closed, closed == ComCode::Ok ? PortRun::Work : PortRun::Closing, {}};
}

ComResult ComLink::OpenComPort(const QString &name) {
    m_openFailure = {};
    const ComResult opened = m_io.open(name);
    if (opened != ComCode::Ok) {
        m_openFailure = m_io.openFailureReason();
        return opened;
    }
    if (PurgeComPort()) {
        m_io.close();
        return ComCode::PurgeError;
    }
    m_portName = name;
    return ComCode::Ok;
}

ComResult ComLink::CloseComPort() {
    return m_io.close() ? ComCode::Ok : ComCode::CloseError;
}

bool ComLink::PurgeComPort() {
    return !m_io.purge();
}

// The code names the step that failed: a purge that fails, on a device that is gone or not, is 1.
ComResult ComLink::purgeForCommand() {
    if (m_io.lost() || PurgeComPort())
        return ComCode::PurgeError;
    return ComCode::Ok;
}

ComResult ComLink::SendByteWithAck(quint8 byte) {
    if (const ComResult written = WriteRawByte(byte); written != ComCode::Ok)
        return written;
    return WaitForAck();
}

ComResult ComLink::SendFrame(const Frame &frame) {
    for (const FrameCell &cell : frame)
        for (int i = 0; i < cell.Size; ++i)
            if (const ComResult written = WriteRawByte(cell.Value); written != ComCode::Ok)
                return written;
    return WaitForAck();
}

ComResult ComLink::ReceiveFrame(Frame &frame) {
    frame.resize(FrameSize);
    const int timeout = int(m_timing.byteTimeout.count());
    for (FrameCell &cell : frame) {
        cell.Size = 1;
        quint8 byte = 0;
        const SerialPortIo::Read r = m_io.readByte(byte, timeout);
        if (r == SerialPortIo::Read::Failed)
            return ComCode::ReadError;
        // A byte that never came leaves the cell as it was.
        if (r == SerialPortIo::Read::Byte)
            cell.Value = byte;
    }
    return readClosingByte();
}

ComResult ComLink::WriteRawByte(quint8 byte) {
    if (m_io.writeByte(byte))
        return ComCode::Ok;
    // A write that fails is 2, whether the device is gone or not.
    return ComCode::WriteError;
}

ComResult ComLink::ReadAnswerByte(quint8 &answer) {
    answer = 0;
    quint8 byte = 0;
    const SerialPortIo::Read r = m_io.readByte(byte, int(m_timing.byteTimeout.count()));
    if (r == SerialPortIo::Read::Failed)
        return ComCode::ReadError;
    if (r == SerialPortIo::Read::Byte)
        answer = byte;
    return readClosingByte();
}

ComResult ComLink::WriteThreeBytesWithAck(quint8 b1, quint8 b2, quint8 b3) {
    for (quint8 b : {b1, b2, b3})
        if (const ComResult written = WriteRawByte(b); written != ComCode::Ok)
            return written;
    return WaitForAck();
}

ComResult ComLink::WaitForAck() {
    QElapsedTimer steady;
    steady.start();
    const std::function<qint64()> clockMs = m_watchdogClock ? m_watchdogClock : [&steady] { return steady.elapsed(); };
    const qint64 end = clockMs() + m_timing.watchdog.count();
    for (;;) {
        quint8 byte = 0;
        const int wait = int(std::clamp<qint64>(end - clockMs(), 0, m_timing.byteTimeout.count()));
        const SerialPortIo::Read r = m_io.readByte(byte, wait);
        if (r == SerialPortIo::Read::Failed)
            return ComCode::ReadError;
        if (r == SerialPortIo::Read::Byte && byte == PlayerAck)
            return ComCode::Ok;
        if (m_io.lost())
            return ComCode::ReadError;
        if (clockMs() >= end)
            return ComCode::NotReady;
    }
}

ComResult ComLink::readClosingByte() {
    // Not watched by the watchdog: at most two reads.
    const int timeout = int(m_timing.byteTimeout.count());
    quint8 byte = 0;
    SerialPortIo::Read r = m_io.readByte(byte, timeout);
    if (r == SerialPortIo::Read::Failed)
        return ComCode::ReadError;
    if (r == SerialPortIo::Read::Byte && byte == PlayerAck)
        return ComCode::Ok;
    r = m_io.readByte(byte, timeout);
    if (r == SerialPortIo::Read::Failed)
        return ComCode::ReadError;
    return ComCode::NotReady;
}

QString portDevice(const QString &name) {
    // As QSerialPort names the device: a bare name is under /dev.
    const QString location = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    const QString device = QFileInfo(location).canonicalFilePath();
    return device.isEmpty() ? location : device;
}

namespace {

// The lock file QSerialPort keeps for `location` while it has the port open, when one exists.
QString existingLockFile(const QString &location) {
    QString name = location.startsWith(QLatin1String("/dev/")) ? location.mid(5) : location;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString dirs[] = {
        QStringLiteral("/var/lock"),         QStringLiteral("/etc/locks"), QStringLiteral("/var/spool/locks"),
        QStringLiteral("/var/spool/uucp"),   QStringLiteral("/tmp"),       QStringLiteral("/var/tmp"),
        QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock"),  QDir::tempPath()};
    for (const QString &dir : dirs) {
        const QString file = dir + QStringLiteral("/LCK..") + name;
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

} // namespace

Notice describePortOpenFailure(const QString &name, QSerialPort::SerialPortError error, const QString &portText) {
    const QString location = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    if (error == QSerialPort::DeviceNotFoundError || !QFileInfo::exists(location))
        return Notice(phrase("Notice", "%1 does not exist")).arg(location);
    // The name the user gave, and the device when the name is another one's.
    const QString device = portDevice(name);
    const QByteArray path = QFile::encodeName(device);
    const QString shown = device == location ? location : QStringLiteral("%1 (%2)").arg(location, device);
    if (const QString lock = existingLockFile(device); !lock.isEmpty()) {
        qint64 pid = 0;
        QString host, application;
        // A lock whose process is gone is stale: the port takes it over and it explains nothing.
        if (QLockFile(lock).getLockInfo(&pid, &host, &application) && pid > 0 &&
            (::kill(pid_t(pid), 0) == 0 || errno == EPERM))
            return Notice(phrase("Notice", "%1 is in use by process %2 (%3), which holds the lock file %4"))
                .arg(shown, QString::number(pid), application.isEmpty() ? QStringLiteral("?") : application, lock);
    }
    // The effective user is the one the opening was refused to.
    if (::faccessat(AT_FDCWD, path.constData(), R_OK | W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        const QFileInfo info(device);
        struct stat st {};
        if (::stat(path.constData(), &st) != 0)
            st.st_mode = S_IRGRP | S_IWGRP;
        return describeForbiddenPort(shown, st.st_mode, st.st_gid, info.owner(), info.group());
    }
    if (error == QSerialPort::PermissionError && portText.isEmpty())
        return Notice(phrase("Notice", "%1 is busy or not permitted")).arg(shown);
    return Notice::verbatim(QStringLiteral("%1: %2").arg(shown, portText));
}

Notice describeForbiddenPort(const QString &location, unsigned mode, unsigned groupId, const QString &owner,
                             const QString &group) {
    if ((mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return Notice(phrase("Notice", "this user may not open %1 (owner %2; only its owner may)"))
            .arg(location, owner);
    return Notice(groupId != 0
                      ? phrase("Notice", "this user may not open %1 (owner %2, group %3; a member of group %3 may): "
                                         "add your account to the group %3 and log in again")
                      : phrase("Notice", "this user may not open %1 (owner %2, group %3; a member of group %3 may)"))
        .arg(location, owner, group);
}

void ListComPorts(QStringList &ports) {
    QStringList candidates;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        candidates.append(info.portName());
    const QString extra = qEnvironmentVariable("QUILLON_EXTRA_PORTS");
    for (const QString &path : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (!candidates.contains(path))
            candidates.append(path);

    QtSerialPortIo io;
    ComLink link(io);
    for (const QString &name : candidates) {
        if (link.OpenComPort(name) == ComCode::Ok) {
            ports.append(name);
            link.CloseComPort();
        }
    }
}
