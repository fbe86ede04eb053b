// PC remote mode: which program is due in a minute, and the trigger with its report list.

#include "FakePlayerPort.h"
#include "model/Prompter.h"
#include "player/PcRemoteCore.h"
#include "text/text.h"

#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// 9 March 2026 is a Monday; 8 March a Sunday.
QDateTime at(int day, int hour, int minute, int month = 3, int year = 2026) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

// A qualifying program: timer on, active, first action "go to program" `target`.
TORBEXProg remoteProgram(quint8 timerMode, QTime time, quint8 target = 12) {
    TORBEXProg p(at(1, 0, 0));
    p.TimerOn = 1;
    p.Active = 1;
    p.TimerMode = timerMode;
    p.Time = time;
    p.Date = QDate(2026, 3, 9);
    p.DayOftheWeek = 1;
    p.ActionKind[0] = KindGoToProgram;
    p.ActionParam[0] = target;
    return p;
}

} // namespace

class PcRemoteTest : public QObject {
    Q_OBJECT
private slots:
    void dueRule_data() {
        QTest::addColumn<int>("timerMode");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("due");
        const QTime half(8, 30);
        QTest::newRow("date: its minute") << 0 << half << 1 << at(9, 8, 30) << true;
        QTest::newRow("date: next day") << 0 << half << 1 << at(10, 8, 30) << false;
        QTest::newRow("date: next year") << 0 << half << 1 << at(9, 8, 30, 3, 2027) << false;
        QTest::newRow("date: next minute") << 0 << half << 1 << at(9, 8, 31) << false;
        QTest::newRow("daily: any day") << 1 << half << 1 << at(21, 8, 30, 7) << true;
        QTest::newRow("daily: other hour") << 1 << half << 1 << at(9, 9, 30) << false;
        QTest::newRow("weekly 7: Sunday") << 2 << half << 7 << at(8, 8, 30) << true;
        QTest::newRow("weekly 7: Monday") << 2 << half << 7 << at(9, 8, 30) << false;
        QTest::newRow("weekly 1: Monday") << 2 << half << 1 << at(9, 8, 30) << true;
        QTest::newRow("hourly :00 at 09:00") << 3 << QTime(14, 0) << 1 << at(9, 9, 0) << true;
        QTest::newRow("hourly :00 at 23:00") << 3 << QTime(14, 0) << 1 << at(12, 23, 0) << true;
        QTest::newRow("hourly :00 at 23:01") << 3 << QTime(14, 0) << 1 << at(12, 23, 1) << false;
        QTest::newRow("mode 4 never") << 4 << half << 1 << at(9, 8, 30) << false;
    }
    void dueRule() {
        QFETCH(int, timerMode);
        QFETCH(QTime, time);
        QFETCH(int, weekday);
        QFETCH(QDateTime, now);
        QFETCH(bool, due);
        TORBEXProg p = remoteProgram(quint8(timerMode), time);
        p.DayOftheWeek = quint8(weekday);
        QCOMPARE(IsDueAt(p, now), due);
        QCOMPARE(MinuteCheck({p}, now).has_value(), due);
    }

    void programsThatDoNotQualify_neverFire_data() {
        QTest::addColumn<TORBEXProg>("program");
        TORBEXProg inactive = remoteProgram(1, QTime(8, 30));
        inactive.Active = 0;
        TORBEXProg timerOff = remoteProgram(1, QTime(8, 30));
        timerOff.TimerOn = 0;
        TORBEXProg secondActionGoTo = remoteProgram(1, QTime(8, 30));
        secondActionGoTo.ActionKind = {KindPlayDirectory, KindGoToProgram, 1, 1, 1, 1};
        TORBEXProg activates = remoteProgram(1, QTime(8, 30));
        activates.ActionKind[0] = KindActivateProgram;
        QTest::newRow("inactive") << inactive;
        QTest::newRow("timer off") << timerOff;
        QTest::newRow("go to as second action") << secondActionGoTo;
        QTest::newRow("activate program") << activates;
    }
    void programsThatDoNotQualify_neverFire() {
        QFETCH(TORBEXProg, program);
        QVERIFY(!MinuteCheck({program}, at(9, 8, 30)));
    }

    void onlyFirstDueProgramInProjectOrder_fires() {
        const QList<TORBEXProg> programs = {remoteProgram(1, QTime(9, 0), 1), remoteProgram(1, QTime(8, 30), 2),
                                            remoteProgram(3, QTime(0, 30), 3)};
        QCOMPARE(MinuteCheck(programs, at(9, 8, 30)), std::optional<qsizetype>(1));
        QCOMPARE(MinuteCheck(programs, at(9, 7, 30)), std::optional<qsizetype>(2));
        QVERIFY(!MinuteCheck({}, at(9, 8, 30)));
    }

    void newMinute_triggersOnceAndReports() {
        FakePlayerPort port;
        ComLink link(port, {300ms, 60ms});
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 29).addSecs(58));
        PcRemote remote(link, prompter, clock);
        remote.setLanguage(English);
        remote.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        remote.PCRemoteMode = true;
        const QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 12)};

        for (int second = 0; second < 130; ++second) { // 08:29:58 .. 08:32:07
            remote.Timer2Timer(programs);
            clock.advance(1000);
        }
        QCOMPARE(port.player.triggeredPrograms(), QList<quint8>{12});
        QCOMPARE(port.written, QByteArray::fromHex("0e0c"));
        QCOMPARE(remote.report().size(), 1);
        QVERIFY2(remote.report().first().startsWith(QStringLiteral("Program : 012 at : 09/03/2026 08:30:00")),
                 qPrintable(remote.report().first()));
        QVERIFY(!link.isOpen());
        QVERIFY(prompter.shown.isEmpty());
    }

    void modeOff_triggersNothingButMinutesAdvance() {
        FakePlayerPort port;
        ComLink link(port);
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 29));
        PcRemote remote(link, prompter, clock);
        clock.set(at(9, 8, 30));
        remote.Timer2Timer({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(remote.LastMinuteTick, at(9, 8, 30));
        remote.PCRemoteMode = true;
        remote.Timer2Timer({remoteProgram(1, QTime(8, 30))}); // same minute: no backlog
        QVERIFY(port.written.isEmpty());
        QVERIFY(remote.report().isEmpty());
    }

    void portHeldByTransfer_skipsTheMinute() {
        FakePlayerPort port;
        ComLink link(port);
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 29));
        PcRemote remote(link, prompter, clock);
        remote.PCRemoteMode = true;
        QCOMPARE(link.OpenComPort(QStringLiteral("fake")), ComCode::Ok);
        clock.set(at(9, 8, 30));
        remote.Timer2Timer({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(remote.skippedMinutes(), 1);
        QVERIFY(port.written.isEmpty());
        QVERIFY(remote.report().isEmpty());
    }

    void minuteDuringTrigger_isSkippedNotReentered() {
        SimulatedPlayer::Options late;
        late.answerDelayMs = 80;
        FakePlayerPort port(late);
        ComLink link(port, {1000ms, 60ms});
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 29));
        PcRemote remote(link, prompter, clock);
        remote.PCRemoteMode = true;
        const QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 5), remoteProgram(1, QTime(8, 31), 6)};
        QTimer::singleShot(20, [&] {
            clock.set(at(9, 8, 31));
            remote.Timer2Timer(programs);
        });
        clock.set(at(9, 8, 30));
        remote.Timer2Timer(programs);
        QCOMPARE(port.player.triggeredPrograms(), QList<quint8>{5});
        QCOMPARE(remote.skippedMinutes(), 1);
        QCOMPARE(remote.report().size(), 1);
    }

    void failedTrigger_isReportedAndShown() {
        SimulatedPlayer::Options silent;
        silent.silent = true;
        FakePlayerPort port(silent);
        ComLink link(port, {100ms, 60ms});
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 30));
        PcRemote remote(link, prompter, clock);
        remote.PCRemoteMode = true;
        remote.runMinuteCheck({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(remote.report().size(), 1);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Transmission Error : MP3 player not ready")});
        QVERIFY(!link.isOpen());

        port.refuseOpen = true;
        QCOMPARE(remote.SendRemoteTrigger(3), ComCode::OpenError);
        QCOMPARE(prompter.texts().last(), QStringLiteral("Opening Error of COM port"));
    }

    void reportList_keepsAtMost65535Lines() {
        FakePlayerPort port;
        ComLink link(port);
        ScriptedPrompter prompter;
        ManualClock clock(at(9, 8, 30));
        PcRemote remote(link, prompter, clock);
        remote.PCRemoteMode = true;
        int removed = 0;
        connect(&remote, &PcRemote::reportFirstLineRemoved, [&] { ++removed; });
        QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 1)};
        for (int i = 1; i <= 65537; ++i) {
            programs[0].ActionParam[0] = quint8(i % 256);
            remote.runMinuteCheck(programs);
        }
        QCOMPARE(remote.report().size(), 65535);
        QCOMPARE(removed, 2);
        // Lines 1 and 2 went; line 3 (program 3) is now the first.
        QVERIFY(remote.report().first().startsWith(QStringLiteral("Program : 003")));
        remote.ClearReport();
        QVERIFY(remote.report().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PcRemoteTest)
#include "test_pcremote.moc"
