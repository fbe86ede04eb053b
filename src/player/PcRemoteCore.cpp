#include "PcRemoteCore.h"

#include "model/Prompter.h"
#include "model/TimerRule.h"
#include "player/PlayerLink.h"
#include "text/text.h"

#include <QLoggingCategory>

#include <array>

Q_LOGGING_CATEGORY(lcRemote, "quillon.remote")

bool QualifiesForRemote(const TORBEXProg &program) {
    return program.TimerOn == 1 && program.Active == 1 && program.ActionKind[0] == KindGoToProgram;
}

bool IsDueAt(const TORBEXProg &p, const QDateTime &now) {
    return QualifiesForRemote(p) && TimerFallsOn(p, now);
}

std::optional<qsizetype> MinuteCheck(const QList<TORBEXProg> &programs, const QDateTime &now) {
    for (qsizetype i = 0; i < programs.size(); ++i)
        if (IsDueAt(programs[i], now))
            return i;
    return std::nullopt;
}

PcRemote::PcRemote(ComLink &link, Prompter &prompter, const Clock &clock, QObject *parent)
    : QObject(parent)
    , LastMinuteTick(clock.now())
    , m_link(link)
    , m_prompter(prompter)
    , m_clock(clock) {}

void PcRemote::Timer2Timer(const QList<TORBEXProg> &programs) {
    const QDateTime now = m_clock.now();
    if (now.time().minute() == LastMinuteTick.time().minute())
        return;
    LastMinuteTick = now;
    runMinuteCheck(programs);
}

void PcRemote::runMinuteCheck(const QList<TORBEXProg> &programs) {
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
    const auto due = MinuteCheck(programs, now);
    if (!due)
        return;
    const quint8 target = programs[*due].ActionParam[0];
    addReportLine(reportLine(target, now));
    SendRemoteTrigger(target);
}

ComResult PcRemote::SendRemoteTrigger(quint8 program) {
    m_triggerRunning = true;
    const auto show = [this](ComResult code) {
        m_prompter.warn(LanguageText(TextTable::ComResultTexts, code, m_language));
    };
    ComResult code = m_link.OpenComPort(m_portName);
    if (code != ComCode::Ok) {
        show(code);
    } else {
        code = SendCommandPair(m_link, CommandRunProgram, program);
        if (code != ComCode::Ok) {
            show(code);
            m_link.CloseComPort();
        } else {
            code = m_link.CloseComPort();
            if (code != ComCode::Ok)
                show(code);
        }
    }
    m_triggerRunning = false;
    return code;
}

QString PcRemote::reportLine(int program, const QDateTime &at) const {
    return LanguageText(TextTable::RemoteTexts, 2, m_language) + QString::asprintf("%.3d", program) +
           LanguageText(TextTable::RemoteTexts, 3, m_language) + m_locale.toString(at.date(), QLocale::ShortFormat) +
           QLatin1Char(' ') + m_locale.toString(at.time(), QLocale::LongFormat);
}

QString PcRemote::skippedLine(const QDateTime &at) const {
    return LanguageText(TextTable::ConfidenceTexts, RemoteMinuteSkipped, m_language) +
           m_locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           m_locale.toString(at.time(), QLocale::LongFormat);
}

void PcRemote::ClearReport() {
    m_report.clear();
    emit reportCleared();
}

void PcRemote::addReportLine(const QString &line) {
    if (m_report.size() >= MaxReportLines) {
        m_report.removeFirst();
        emit reportFirstLineRemoved();
    }
    m_report.append(line);
    emit reportLineAdded(line);
}
