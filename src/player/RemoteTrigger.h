#pragma once

#include "model/Clock.h"
#include "model/Program.h"
#include "player/LinkThread.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

// PC remote mode: once a minute, triggers the first due program on the player (TimerRule's
// FirstDueProgram) and keeps the report list. The minute checks run on the thread of the
// caller's one-second timer, the exchange with the player on the link's thread. What happens
// goes out as signals; the owner words the report lines and shows the failures.
class RemoteTrigger : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxReportLines = 65535;

    RemoteTrigger(LinkThread &link, const Clock &clock, QObject *parent = nullptr);

    // The mode flag; the minute check acts only while it is set.
    bool PCRemoteMode = false;
    // The moment of the last minute check.
    QDateTime LastMinuteTick;

    void setPortName(const QString &name) { m_portName = name; }

    // Whether the clock shows a wall-clock minute not examined yet (cheap: for every second).
    bool isNewMinute() const;
    // The one-second tick: examines each wall-clock minute once. Minutes the clock jumped over
    // (the computer slept, the clock was put forward) are not run late: the programs due in them
    // are reported missed (missedWhileAway). Minutes shown again after the clock went back by up
    // to an hour (summer time ending) were examined already and are not examined again; a longer
    // step back is a corrected clock, examined from then on.
    void checkMinute(const QList<Program> &programs);
    // Triggers the first program due now. Skipped, with the due program reported missed, while
    // the link runs a transfer or a trigger still running.
    void runMinuteCheck(const QList<Program> &programs);
    // Starts one complete exchange on the link: open, 0x0E and the program number, close; false
    // when the link is busy. The link is free again when a failure is signalled, so the minutes
    // that follow are examined as usual while the failure is shown.
    bool SendRemoteTrigger(quint8 program);

    // Adds a line to the report, dropping the first one at the limit.
    void addReportLine(const QString &line);
    const QStringList &report() const { return m_report; }
    void ClearReport();
    int skippedMinutes() const { return m_skipped; }

signals:
    // A program fell due: `program` is the number sent to the player, before the exchange.
    void triggering(quint8 program, const QDateTime &at);
    // The trigger of `program` at `at` failed with `code` (opening, the command or closing);
    // `reason` says why a port did not open, when the port knows.
    void triggerFailed(ComResult code, quint8 program, const QDateTime &at, const Notice &reason);
    // A minute check was skipped because the port was in use; `missed` is the number of the
    // program that was due then, or -1.
    void minuteSkipped(const QDateTime &at, int missed);
    // `program` was due at `at`, a minute the clock jumped over.
    void missedWhileAway(quint8 program, const QDateTime &at);
    void reportLineAdded(const QString &line);
    void reportFirstLineRemoved();
    void reportCleared();

private:
    LinkThread &m_link;
    const Clock &m_clock;
    QString m_portName;
    QStringList m_report;
    int m_skipped = 0;
    qint64 m_lastMinute; // the last wall-clock minute examined, counted from the Julian day 0
};
