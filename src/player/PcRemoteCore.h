#pragma once

#include "model/Clock.h"
#include "model/ProjectClasses.h"
#include "player/ComPort.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QStringList>

#include <optional>

class Prompter;

inline constexpr quint8 CommandRunProgram = 0x0E;

// A program that PC remote mode may trigger: timer on, active, first action "go to program".
bool QualifiesForRemote(const TORBEXProg &program);

// True when a qualifying program's timer falls on the minute of `now`.
bool IsDueAt(const TORBEXProg &program, const QDateTime &now);

// The position in `programs` of the first program due at `now`, if any.
std::optional<qsizetype> MinuteCheck(const QList<TORBEXProg> &programs, const QDateTime &now);

// PC remote mode: once a minute, triggers the first due program on the player and keeps the
// report list. Everything runs on the thread of the caller's one-second timer.
class PcRemote : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxReportLines = 65535;

    PcRemote(ComLink &link, Prompter &prompter, const Clock &clock, QObject *parent = nullptr);

    // The mode flag; the minute check acts only while it is set.
    bool PCRemoteMode = false;
    // The moment of the last minute check.
    QDateTime LastMinuteTick;

    void setPortName(const QString &name) { m_portName = name; }
    void setLanguage(int language) { m_language = language; }
    // The locale of the date and time in report lines (the system's by default).
    void setLocale(const QLocale &locale) { m_locale = locale; }

    // The one-second tick: runs the minute check when the minute field of the clock changed.
    void Timer2Timer(const QList<TORBEXProg> &programs);
    // Triggers the first program due now. Skipped (and logged) while the port is held by a
    // transfer or by a trigger still running, so it never re-enters itself.
    void runMinuteCheck(const QList<TORBEXProg> &programs);
    // One complete exchange: open, 0x0E and the program number, close. Messages on failure.
    ComResult SendRemoteTrigger(quint8 program);

    QString reportLine(int program, const QDateTime &at) const;
    // The report line of a minute skipped because the port was in use.
    QString skippedLine(const QDateTime &at) const;
    // Adds a line to the report, dropping the first one at the limit.
    void addReportLine(const QString &line);
    const QStringList &report() const { return m_report; }
    void ClearReport();
    int skippedMinutes() const { return m_skipped; }

signals:
    void reportLineAdded(const QString &line);
    void reportFirstLineRemoved();
    void reportCleared();
    void minuteSkipped(const QDateTime &at);

private:
    ComLink &m_link;
    Prompter &m_prompter;
    const Clock &m_clock;
    QString m_portName;
    int m_language = 2;
    QLocale m_locale = QLocale::system();
    QStringList m_report;
    bool m_triggerRunning = false;
    int m_skipped = 0;
};
