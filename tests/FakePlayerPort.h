#pragma once

#include "SimulatedPlayer.h"
#include "player/ComPort.h"

#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>

// An in-memory serial port with the simulated player behind it; faults can be scripted. With
// virtualTime set, time passes only in reads: a read that waits moves the clock on to its
// time-out or to the next byte's arrival, without sleeping; give nowMs() to the watchdog.
class FakePlayerPort : public SerialPortIo {
public:
    explicit FakePlayerPort(const SimulatedPlayer::Options &options = {})
        : player(options) {}

    SimulatedPlayer player;
    QByteArray written; // every byte the PC wrote
    bool refuseOpen = false, failPurge = false, failClose = false;
    int failWriteAt = -1;   // the write with this index (0-based) fails
    int failReadAfter = -1; // after this many bytes read, the device reports a read error
    std::function<QByteArray(const QByteArray &)> rewriteAnswer;
    bool virtualTime = false;

    qint64 nowMs() const { return virtualTime ? m_virtualNow : QDeadlineTimer::current().deadline() - m_startMs; }

    ComResult open(const QString &) override {
        if (refuseOpen || m_open)
            return ComCode::OpenError;
        m_open = true, m_lost = false;
        return ComCode::Ok;
    }
    bool close() override { return !std::exchange(m_open, false) || !failClose; }
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
        const QByteArray answer = player.receive(byte);
        m_lost = player.vanished();
        m_open = !m_lost;
        for (char c : rewriteAnswer ? rewriteAnswer(answer) : answer)
            m_queue.emplace_back(quint8(c), nowMs() + player.options().answerDelayMs);
        return true;
    }
    Read readByte(quint8 &byte, int timeoutMs) override {
        const QDeadlineTimer deadline(timeoutMs);
        const qint64 end = m_virtualNow + std::max(timeoutMs, 1); // a virtual wait takes at least 1 ms
        for (;;) {
            if (failReadAfter >= 0 && m_readCount >= failReadAfter)
                m_lost = true, m_open = false;
            if (m_lost || !m_open)
                return Read::Failed;
            if (virtualTime && !m_queue.empty() && m_queue.front().second <= end)
                m_virtualNow = std::max(m_virtualNow, m_queue.front().second);
            if (!m_queue.empty() && m_queue.front().second <= nowMs()) {
                byte = m_queue.front().first;
                m_queue.pop_front();
                ++m_readCount;
                return Read::Byte;
            }
            if (virtualTime)
                m_virtualNow = end;
            if (virtualTime || deadline.hasExpired())
                return Read::TimedOut;
            QThread::usleep(500);
        }
    }
    bool lost() const override { return m_lost; }

private:
    std::deque<std::pair<quint8, qint64>> m_queue; // the bytes to the PC, each with the time it is due
    const qint64 m_startMs = QDeadlineTimer::current().deadline();
    bool m_open = false, m_lost = false;
    int m_readCount = 0;
    qint64 m_virtualNow = 0;
};
