#include "RemoteTrigger.h"

#include "model/TimerRule.h"
#include "player/PlayerLink.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRemote, "quillon.remote")

namespace {

// The wall-clock minute of `at`, as the clock reads it (the same reading twice after the clock
// went back gives the same number).
qint64 wallMinute(const QDateTime &at) {
    const QTime time = at.time();
    return at.date().toJulianDay() * 1440 + time.hour() * 60 + time.minute();
}

QDateTime minuteAt(qint64 minute) {
    return QDateTime(QDate::fromJulianDay(minute / 1440), QTime(int(minute % 1440 / 60), int(minute % 60)));
}

// A step back of the clock longer than this is a corrected clock, not summer time ending.
constexpr qint64 LongestStepBack = 60;
// The minutes of a jump that are looked through for missed programs (a longer sleep names
// the programs of its last day).
constexpr qint64 LongestMissedSpan = 24 * 60;

} // namespace

RemoteTrigger::RemoteTrigger(LinkThread &link, const Clock &clock, QObject *parent)
    : QObject(parent)
    , LastMinuteTick(clock.now())
    , m_link(link)
    , m_clock(clock)
    , m_lastMinute(wallMinute(LastMinuteTick)) {}

bool RemoteTrigger::isNewMinute() const {
    const qint64 minute = wallMinute(m_clock.now());
    return minute > m_lastMinute || m_lastMinute - minute > LongestStepBack;
}

void RemoteTrigger::checkMinute(const QList<Program> &programs) {
    const QDateTime now = m_clock.now();
    const qint64 minute = wallMinute(now);
    if (!isNewMinute())
        return; // examined already
    const qint64 previous = m_lastMinute;
    m_lastMinute = minute;
    LastMinuteTick = now;
    if (PCRemoteMode && !programs.isEmpty() && minute > previous + 1) {
        for (qint64 away = qMax(previous + 1, minute - LongestMissedSpan); away < minute; ++away) {
            const QDateTime at = minuteAt(away);
            if (const auto due = FirstDueProgram(programs, at)) {
                qCInfo(lcRemote, "Program due at %s missed: the clock jumped over that minute",
                       qPrintable(at.toString(Qt::ISODate)));
                emit missedWhileAway(programs[*due].ActionParam[0], at);
            }
        }
    }
    runMinuteCheck(programs);
}

void RemoteTrigger::runMinuteCheck(const QList<Program> &programs) {
    if (!PCRemoteMode || programs.isEmpty())
        return;
    const QDateTime now = m_clock.now();
    const auto due = FirstDueProgram(programs, now);
    if (m_link.isBusy()) {
        ++m_skipped;
        qCInfo(lcRemote, "Minute check of %s skipped: the serial port is in use",
               qPrintable(now.toString(Qt::ISODate)));
        emit minuteSkipped(now, due ? int(programs[*due].ActionParam[0]) : -1);
        return;
    }
    if (!due)
        return;
    const quint8 target = programs[*due].ActionParam[0];
    emit triggering(target, now);
    SendRemoteTrigger(target);
}

bool RemoteTrigger::SendRemoteTrigger(quint8 program) {
    const QDateTime at = m_clock.now();
    const auto exchange = [program, port = m_portName](ComLink &link, const TransferContext &) {
        return link.runOnPort(port, [&] { return SendCommandPair(link, PlayerCommand::RunProgram, program); });
    };
    return m_link.start(m_portName, exchange, {{}, {}, {}, [this, program, at](const PortRun &run) {
                                                   if (run.code != ComCode::Ok)
                                                       emit triggerFailed(run.code, program, at, run.reason);
                                               }});
}

void RemoteTrigger::ClearReport() {
    m_report.clear();
    emit reportCleared();
}

void RemoteTrigger::addReportLine(const QString &line) {
    if (m_report.size() >= MaxReportLines) {
        m_report.removeFirst();
        emit reportFirstLineRemoved();
    }
    m_report.append(line);
    emit reportLineAdded(line);
}
