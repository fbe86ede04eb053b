#include "RemoteTrigger.h"

#include "model/TimerRule.h"
#include "player/PlayerLink.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRemote, "quillon.remote")

RemoteTrigger::RemoteTrigger(ComLink &link, const Clock &clock, QObject *parent)
    : QObject(parent)
    , LastMinuteTick(clock.now())
    , m_link(link)
    , m_clock(clock) {}

void RemoteTrigger::Timer2Timer(const QList<TORBEXProg> &programs) {
    const QDateTime now = m_clock.now();
    if (now.time().minute() == LastMinuteTick.time().minute())
        return;
    LastMinuteTick = now;
    runMinuteCheck(programs);
}

void RemoteTrigger::runMinuteCheck(const QList<TORBEXProg> &programs) {
    if (!PCRemoteMode || programs.isEmpty())
        return;
    const QDateTime now = m_clock.now();
    if (m_triggerRunning || m_link.isOpen()) {
        ++m_skipped;
        qCInfo(lcRemote, "Minute check of %s skipped: the serial port is in use",
               qPrintable(now.toString(Qt::ISODate)));
        emit minuteSkipped(now);
        return;
    }
    const auto due = FirstDueProgram(programs, now);
    if (!due)
        return;
    const quint8 target = programs[*due].ActionParam[0];
    emit triggering(target, now);
    SendRemoteTrigger(target);
}

ComResult RemoteTrigger::SendRemoteTrigger(quint8 program) {
    m_triggerRunning = true;
    const PortRun run =
        m_link.runOnPort(m_portName, [&] { return SendCommandPair(m_link, PlayerCommand::RunProgram, program); });
    // Still marked running: a minute that begins while the failure is shown is skipped.
    if (run.code != ComCode::Ok)
        emit triggerFailed(run.code);
    m_triggerRunning = false;
    return run.code;
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
