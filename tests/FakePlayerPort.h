#pragma once

#include "SimulatedPlayer.h"
#include "player/ComPort.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <deque>
#include <functional>

// An in-memory serial port with the simulated player behind it. Faults can be scripted: a
// port that does not open or purge, a write or read that fails, answers rewritten on the way.
// With virtualTime set, time passes only in reads: a read that waits moves the clock on by
// its time-out, or to the arrival of the next byte, without sleeping; give virtualClock() to
// the link's watchdog.
class FakePlayerPort : public SerialPortIo {
public:
    explicit FakePlayerPort(const SimulatedPlayer::Options &options = SimulatedPlayer::Options())
        : player(options) {
        m_clock.start();
    }

    SimulatedPlayer player;
    QByteArray written;      // every byte the PC wrote
    int opens = 0;           // successful openings
    bool refuseOpen = false; // open gives 4
    bool failPurge = false;  // discarding the queues fails
    int failWriteAt = -1;    // the write with this index (0-based) fails
    int failReadAfter = -1;  // after this many bytes read, the device reports a read error
    std::function<QByteArray(const QByteArray &)> rewriteAnswer;
    bool virtualTime = false;

    qint64 nowMs() const { return virtualTime ? m_virtualNow : m_clock.elapsed(); }
    std::function<qint64()> virtualClock() const {
        return [this] { return m_virtualNow; };
    }

    ComResult open(const QString &) override {
        if (refuseOpen || m_open)
            return ComCode::OpenError;
        m_open = true;
        m_lost = false;
        ++opens;
        return ComCode::Ok;
    }
    bool close() override {
        m_open = false;
        return true;
    }
    bool isOpen() const override { return m_open; }
    bool purge() override {
        if (!m_open || failPurge)
            return false;
        m_queue.clear();
        return true;
    }
    bool writeByte(quint8 byte) override {
        if (!m_open || m_lost || written.size() == failWriteAt)
            return false;
        written.append(char(byte));
        QByteArray answer = player.receive(byte);
        if (player.vanished()) {
            m_lost = true;
            m_open = false;
            return true;
        }
        if (rewriteAnswer)
            answer = rewriteAnswer(answer);
        const qint64 due = nowMs() + player.options().answerDelayMs;
        for (char c : answer)
            m_queue.push_back({quint8(c), due});
        return true;
    }
    Read readByte(quint8 &byte, int timeoutMs) override {
        if (virtualTime)
            return readVirtually(byte, timeoutMs);
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            if (m_lost || !m_open)
                return Read::Failed;
            if (failReadAfter >= 0 && m_readCount >= failReadAfter) {
                m_lost = true;
                m_open = false;
                return Read::Failed;
            }
            if (!m_queue.empty() && m_queue.front().due <= m_clock.elapsed()) {
                byte = m_queue.front().byte;
                m_queue.pop_front();
                ++m_readCount;
                return Read::Byte;
            }
            if (deadline.hasExpired())
                return Read::TimedOut;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            QThread::usleep(500);
        }
    }
    bool lost() const override { return m_lost; }

private:
    Read readVirtually(quint8 &byte, int timeoutMs) {
        if (m_lost || !m_open)
            return Read::Failed;
        if (failReadAfter >= 0 && m_readCount >= failReadAfter) {
            m_lost = true;
            m_open = false;
            return Read::Failed;
        }
        // A wait of 0 still lets a millisecond pass, so that a loop of waits always ends.
        const qint64 end = m_virtualNow + std::max(timeoutMs, 1);
        if (m_queue.empty() || m_queue.front().due > end) {
            m_virtualNow = end;
            return Read::TimedOut;
        }
        m_virtualNow = std::max(m_virtualNow, m_queue.front().due);
        byte = m_queue.front().byte;
        m_queue.pop_front();
        ++m_readCount;
        return Read::Byte;
    }

    struct Pending {
        quint8 byte;
        qint64 due;
    };
    std::deque<Pending> m_queue;
    QElapsedTimer m_clock;
    bool m_open = false;
    bool m_lost = false;
    int m_readCount = 0;
    qint64 m_virtualNow = 0;
};
