#pragma once

#include <QDateTime>

// Where "now" comes from: the system clock in the program, a settable one in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    // The process-wide system clock.
    static const Clock &system();
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that reads what it was set to; advance() moves it on.
class ManualClock : public Clock {
public:
    explicit ManualClock(const QDateTime &start = QDateTime(QDate(2026, 12, 5), QTime(14, 30)))
        : m_now(start) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advance(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};
