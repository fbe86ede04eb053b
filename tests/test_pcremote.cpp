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

// The minute check's surroundings: the in-memory player, a link to it, a prompter, a clock
// set to `start`, and the remote mode on them.
struct RemoteRig {
    explicit RemoteRig(const QDateTime &start, const SimulatedPlayer::Options &options = {}, LinkTiming timing = {})
        : port(options)
        , link(port, timing)
        , clock(start)
        , remote(link, prompter, clock) {}

    FakePlayerPort port;
    ComLink link;
    ScriptedPrompter prompter;
    ManualClock clock;
    PcRemote remote;
};

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
        RemoteRig rig(at(9, 8, 29).addSecs(58), {}, {300ms, 60ms});
        rig.remote.setLanguage(English);
        rig.remote.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        rig.remote.PCRemoteMode = true;
        const QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 12)};

        for (int second = 0; second < 130; ++second) { // 08:29:58 .. 08:32:07
            rig.remote.Timer2Timer(programs);
            rig.clock.advance(1000);
        }
        QCOMPARE(rig.port.player.triggeredPrograms(), QList<quint8>{12});
        QCOMPARE(rig.port.written, QByteArray::fromHex("0e0c"));
        QCOMPARE(rig.remote.report().size(), 1);
        QVERIFY2(rig.remote.report().first().startsWith(QStringLiteral("Program : 012 at : 09/03/2026 08:30:00")),
                 qPrintable(rig.remote.report().first()));
        QVERIFY(!rig.link.isOpen());
        QVERIFY(rig.prompter.shown.isEmpty());
    }

    void modeOff_triggersNothingButMinutesAdvance() {
        RemoteRig rig(at(9, 8, 29));
        rig.clock.set(at(9, 8, 30));
        rig.remote.Timer2Timer({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(rig.remote.LastMinuteTick, at(9, 8, 30));
        rig.remote.PCRemoteMode = true;
        rig.remote.Timer2Timer({remoteProgram(1, QTime(8, 30))}); // same minute: no backlog
        QVERIFY(rig.port.written.isEmpty());
        QVERIFY(rig.remote.report().isEmpty());
    }

    void portHeldByTransfer_skipsTheMinute() {
        RemoteRig rig(at(9, 8, 29));
        rig.remote.PCRemoteMode = true;
        QCOMPARE(rig.link.OpenComPort(QStringLiteral("fake")), ComCode::Ok);
        rig.clock.set(at(9, 8, 30));
        rig.remote.Timer2Timer({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(rig.remote.skippedMinutes(), 1);
        QVERIFY(rig.port.written.isEmpty());
        QVERIFY(rig.remote.report().isEmpty());
    }

    void minuteDuringTrigger_isSkippedNotReentered() {
        SimulatedPlayer::Options late;
        late.answerDelayMs = 80;
        RemoteRig rig(at(9, 8, 29), late, {1000ms, 60ms});
        rig.remote.PCRemoteMode = true;
        const QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 5), remoteProgram(1, QTime(8, 31), 6)};
        QTimer::singleShot(20, [&] {
            rig.clock.set(at(9, 8, 31));
            rig.remote.Timer2Timer(programs);
        });
        rig.clock.set(at(9, 8, 30));
        rig.remote.Timer2Timer(programs);
        QCOMPARE(rig.port.player.triggeredPrograms(), QList<quint8>{5});
        QCOMPARE(rig.remote.skippedMinutes(), 1);
        QCOMPARE(rig.remote.report().size(), 1);
    }

    void failedTrigger_isReportedAndShown() {
        SimulatedPlayer::Options silent;
        silent.silent = true;
        RemoteRig rig(at(9, 8, 30), silent, {100ms, 60ms});
        rig.remote.PCRemoteMode = true;
        rig.remote.runMinuteCheck({remoteProgram(1, QTime(8, 30))});
        QCOMPARE(rig.remote.report().size(), 1);
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("Transmission Error : MP3 player not ready")});
        QVERIFY(!rig.link.isOpen());

        rig.port.refuseOpen = true;
        QCOMPARE(rig.remote.SendRemoteTrigger(3), ComCode::OpenError);
        QCOMPARE(rig.prompter.texts().last(), QStringLiteral("Opening Error of COM port"));
    }

    void reportList_keepsAtMost65535Lines() {
        RemoteRig rig(at(9, 8, 30));
        rig.remote.PCRemoteMode = true;
        int removed = 0;
        connect(&rig.remote, &PcRemote::reportFirstLineRemoved, [&] { ++removed; });
        QList<TORBEXProg> programs = {remoteProgram(1, QTime(8, 30), 1)};
        for (int i = 1; i <= 65537; ++i) {
            programs[0].ActionParam[0] = quint8(i % 256);
            rig.remote.runMinuteCheck(programs);
        }
        QCOMPARE(rig.remote.report().size(), 65535);
        QCOMPARE(removed, 2);
        // Lines 1 and 2 went; line 3 (program 3) is now the first.
        QVERIFY(rig.remote.report().first().startsWith(QStringLiteral("Program : 003")));
        rig.remote.ClearReport();
        QVERIFY(rig.remote.report().isEmpty());
    }
};

QTEST_GUILESS_MAIN(PcRemoteTest)
#include "test_pcremote.moc"
