#pragma once

#include "model/Clock.h"
#include "model/ProjectClasses.h"
#include "player/ComPort.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

// PC remote mode: once a minute, triggers the first due program on the player (TimerRule's
// FirstDueProgram) and keeps the report list. Everything runs on the thread of the caller's
// one-second timer. What happens goes out as signals; the owner words the report lines and
// shows the failures.
class RemoteTrigger : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxReportLines = 65535;

    RemoteTrigger(ComLink &link, const Clock &clock, QObject *parent = nullptr);

    // The mode flag; the minute check acts only while it is set.
    bool PCRemoteMode = false;
    // The moment of the last minute check.
    QDateTime LastMinuteTick;

    void setPortName(const QString &name) { m_portName = name; }

    // The one-second tick: runs the minute check when the minute field of the clock changed.
    void Timer2Timer(const QList<TORBEXProg> &programs);
    // Triggers the first program due now. Skipped while the port is held by a transfer or by a
    // trigger still running, so it never re-enters itself.
    void runMinuteCheck(const QList<TORBEXProg> &programs);
    // One complete exchange: open, 0x0E and the program number, close. A failure is signalled
    // before the next minute check can start.
    ComResult SendRemoteTrigger(quint8 program);

    // Adds a line to the report, dropping the first one at the limit.
    void addReportLine(const QString &line);
    const QStringList &report() const { return m_report; }
    void ClearReport();
    int skippedMinutes() const { return m_skipped; }

signals:
    // A program fell due: `program` is the number sent to the player, before the exchange.
    void triggering(quint8 program, const QDateTime &at);
    // The trigger's exchange failed with `code` (opening, the command or closing).
    void triggerFailed(ComResult code);
    // A minute check was skipped because the port was in use.
    void minuteSkipped(const QDateTime &at);
    void reportLineAdded(const QString &line);
    void reportFirstLineRemoved();
    void reportCleared();

private:
    ComLink &m_link;
    const Clock &m_clock;
    QString m_portName;
    QStringList m_report;
    bool m_triggerRunning = false;
    int m_skipped = 0;
};
