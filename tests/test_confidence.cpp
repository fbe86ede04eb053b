// The user's confidence checks: when a program runs next, what in a schedule will surprise,
// and whether the player holds what the project would send.
#include "FakePlayerPort.h"
#include "LinkBackends.h"
#include "model/Prompter.h"
#include "model/TimerRule.h"
#include "player/PlayerLink.h"
#include "player/ScheduleFile.h"
#include "player/Verify.h"
#include "project/ScheduleCheck.h"
#include "text/text.h"

#include <QRegularExpression>
#include <QTest>

namespace {

TORBEXProg timer(quint8 mode, QTime at, QDate date = QDate(2026, 12, 5), quint8 weekday = 1) {
    TORBEXProg p(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    p.TimerOn = 1;
    p.TimerMode = mode;
    p.Time = at;
    p.Date = date;
    p.DayOftheWeek = weekday;
    return p;
}

TORBEXProg goTo(quint8 code, quint8 target, TORBEXProg p) {
    p.Inputs = code;
    p.ActionKind[0] = KindGoToProgram;
    p.ActionParam[0] = target;
    return p;
}

} // namespace

class TestConfidence : public QObject {
    Q_OBJECT

private slots:
    void nextRun_data() {
        QTest::addColumn<TORBEXProg>("program");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("expected"); // invalid: never

        const QDateTime sat1430(QDate(2026, 12, 5), QTime(14, 30, 20)); // a Saturday
        QTest::newRow("date ahead") << timer(0, QTime(9, 0), QDate(2027, 1, 2)) << sat1430
                                    << QDateTime(QDate(2027, 1, 2), QTime(9, 0));
        QTest::newRow("date this minute is past") << timer(0, QTime(14, 30)) << sat1430 << QDateTime();
        QTest::newRow("date next minute")
            << timer(0, QTime(14, 31)) << sat1430 << QDateTime(QDate(2026, 12, 5), QTime(14, 31));
        QTest::newRow("date 29 February")
            << timer(0, QTime(6, 0), QDate(2028, 2, 29)) << sat1430 << QDateTime(QDate(2028, 2, 29), QTime(6, 0));
        QTest::newRow("daily later today")
            << timer(1, QTime(18, 0)) << sat1430 << QDateTime(QDate(2026, 12, 5), QTime(18, 0));
        QTest::newRow("daily tomorrow") << timer(1, QTime(8, 0)) << sat1430
                                        << QDateTime(QDate(2026, 12, 6), QTime(8, 0));
        QTest::newRow("daily across month end")
            << timer(1, QTime(0, 0)) << QDateTime(QDate(2026, 11, 30), QTime(23, 59))
            << QDateTime(QDate(2026, 12, 1), QTime(0, 0));
        QTest::newRow("daily across year end") << timer(1, QTime(0, 5)) << QDateTime(QDate(2026, 12, 31), QTime(23, 0))
                                               << QDateTime(QDate(2027, 1, 1), QTime(0, 5));
        QTest::newRow("daily into 29 February") << timer(1, QTime(7, 0)) << QDateTime(QDate(2028, 2, 28), QTime(8, 0))
                                                << QDateTime(QDate(2028, 2, 29), QTime(7, 0));
        QTest::newRow("weekly Monday from Saturday")
            << timer(2, QTime(8, 0), {}, 1) << sat1430 << QDateTime(QDate(2026, 12, 7), QTime(8, 0));
        QTest::newRow("weekly Saturday later today")
            << timer(2, QTime(20, 0), {}, 6) << sat1430 << QDateTime(QDate(2026, 12, 5), QTime(20, 0));
        QTest::newRow("weekly Saturday earlier today")
            << timer(2, QTime(8, 0), {}, 6) << sat1430 << QDateTime(QDate(2026, 12, 12), QTime(8, 0));
        QTest::newRow("weekly across year end") << timer(2, QTime(10, 0), {}, 5)                // Friday
                                                << QDateTime(QDate(2026, 12, 31), QTime(12, 0)) // Thursday
                                                << QDateTime(QDate(2027, 1, 1), QTime(10, 0));
        QTest::newRow("weekly day 0 never") << timer(2, QTime(8, 0), {}, 0) << sat1430 << QDateTime();
        QTest::newRow("hourly this hour")
            << timer(3, QTime(0, 45)) << sat1430 << QDateTime(QDate(2026, 12, 5), QTime(14, 45));
        QTest::newRow("hourly next hour")
            << timer(3, QTime(0, 30)) << sat1430 << QDateTime(QDate(2026, 12, 5), QTime(15, 30));
        QTest::newRow("hourly across year end")
            << timer(3, QTime(0, 10)) << QDateTime(QDate(2026, 12, 31), QTime(23, 50))
            << QDateTime(QDate(2027, 1, 1), QTime(0, 10));
        QTest::newRow("mode 4 never") << timer(4, QTime(8, 0)) << sat1430 << QDateTime();
        TORBEXProg off = timer(1, QTime(18, 0));
        off.TimerOn = 0;
        QTest::newRow("timer off never") << off << sat1430 << QDateTime();
    }
    void nextRun() {
        QFETCH(TORBEXProg, program);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, expected);
        const auto next = NextRun(program, now);
        QCOMPARE(next.has_value(), expected.isValid());
        if (next) {
            QCOMPARE(*next, expected);
            QVERIFY(TimerFallsOn(program, *next)); // the same rule as the minute check
        }
    }

    void canFallDueTogether_data() {
        QTest::addColumn<TORBEXProg>("a");
        QTest::addColumn<TORBEXProg>("b");
        QTest::addColumn<bool>("together");
        const QDate future(2027, 3, 1); // a Monday
        QTest::newRow("daily, daily same time") << timer(1, QTime(8, 30)) << timer(1, QTime(8, 30)) << true;
        QTest::newRow("daily, daily other minute") << timer(1, QTime(8, 30)) << timer(1, QTime(8, 31)) << false;
        QTest::newRow("hourly, daily same minute") << timer(3, QTime(0, 30)) << timer(1, QTime(8, 30)) << true;
        QTest::newRow("hourly, hourly other minute") << timer(3, QTime(0, 30)) << timer(3, QTime(5, 31)) << false;
        QTest::newRow("weekly Monday, weekly Tuesday")
            << timer(2, QTime(8, 0), {}, 1) << timer(2, QTime(8, 0), {}, 2) << false;
        QTest::newRow("weekly, daily") << timer(2, QTime(8, 0), {}, 3) << timer(1, QTime(8, 0)) << true;
        QTest::newRow("date Monday, weekly Monday")
            << timer(0, QTime(8, 0), future) << timer(2, QTime(8, 0), {}, 1) << true;
        QTest::newRow("date Monday, weekly Sunday")
            << timer(0, QTime(8, 0), future) << timer(2, QTime(8, 0), {}, 7) << false;
        QTest::newRow("date, same date") << timer(0, QTime(8, 0), future) << timer(0, QTime(8, 0), future) << true;
        QTest::newRow("date, other date")
            << timer(0, QTime(8, 0), future) << timer(0, QTime(8, 0), future.addDays(1)) << false;
        QTest::newRow("passed date, daily")
            << timer(0, QTime(8, 0), QDate(2020, 1, 1)) << timer(1, QTime(8, 0)) << false;
    }
    void canFallDueTogether() {
        QFETCH(TORBEXProg, a);
        QFETCH(TORBEXProg, b);
        QFETCH(bool, together);
        const QDateTime now(QDate(2026, 12, 5), QTime(14, 30));
        QCOMPARE(CanFallDueTogether(a, b, now), together);
        QCOMPARE(CanFallDueTogether(b, a, now), together);
    }

    void cleanProject_hasOneLineSayingSo() {
        Project project;
        project.Programs = {goTo(1, 2, timer(1, QTime(8, 0))), goTo(2, 1, timer(1, QTime(9, 0)))};
        const QDateTime now(QDate(2026, 12, 5), QTime(14, 30));
        QVERIFY(CheckSchedule(project, now).isEmpty());
        QCOMPARE(ScheduleReport({}, project, English),
                 QStringList{QStringLiteral("No finding: the schedule will behave as written.")});
    }

    void eachFinding_isReportedOnceAndNamesItsPrograms() {
        Project project;
        TORBEXProg a = goTo(3, 12, timer(1, QTime(8, 30)));
        a.Title = QStringLiteral("Daily %2 bell"); // a marker in a title stays as written
        TORBEXProg b = goTo(4, 3, timer(3, QTime(0, 30)));
        b.Title = QStringLiteral("Hourly");
        TORBEXProg c = timer(0, QTime(9, 0), QDate(2020, 1, 1));
        c.Inputs = 3;
        c.Active = 0;
        c.Title = QStringLiteral("Old");
        TORBEXProg d(QDateTime(QDate(2026, 1, 1), QTime(0, 0))); // timer off, active, kind 1: nothing to say
        d.Inputs = 9;
        d.ActionCount = 2;
        d.ActionKind[1] = KindDeactivateProgram;
        d.ActionParam[1] = 4; // exists
        d.ActionKind[2] = KindActivateProgram;
        d.ActionParam[2] = 77; // beyond the action count: not counted
        project.Programs = {a, b, c, d};

        const QDateTime now(QDate(2026, 12, 5), QTime(14, 30));
        const QList<ScheduleFinding> findings = CheckSchedule(project, now);
        const QList<ScheduleFinding> expected = {
            {ScheduleFinding::SameMinute, 0, {1}, 0, 0},     {ScheduleFinding::MissingTarget, 0, {}, 1, 12},
            {ScheduleFinding::TimerOnInactive, 2, {}, 0, 0}, {ScheduleFinding::DatePassed, 2, {}, 0, 0},
            {ScheduleFinding::DuplicateCode, 0, {2}, 0, 3},
        };
        QCOMPARE(findings, expected);

        const QStringList lines = ScheduleReport(findings, project, English, QLocale(QLocale::English));
        QCOMPARE(lines.at(0), QStringLiteral("003 \"Daily %2 bell\" and 004 \"Hourly\" can fall due in the same "
                                             "minute; PC remote mode fires only 003 \"Daily %2 bell\"."));
        QCOMPARE(lines.at(1), QStringLiteral("003 \"Daily %2 bell\": action 1 names program 012, which no program "
                                             "of the project has."));
        QCOMPARE(lines.at(2), QStringLiteral("003 \"Old\" has its timer on but is inactive: it never runs."));
        QVERIFY2(lines.at(3).startsWith(QStringLiteral("003 \"Old\" is set for a date that has passed (")),
                 qPrintable(lines.at(3)));
        QVERIFY(lines.at(3).endsWith(QStringLiteral(" 09:00): it never runs again.")));
        QCOMPARE(lines.at(4), QStringLiteral("Code 003 is used by 003 \"Daily %2 bell\", 003 \"Old\"; only the last, "
                                             "003 \"Old\", is transmitted."));
    }

    void findingTexts_keepTheirMarkersInEveryLanguage() {
        // A translation that lost or added a %N would put the wrong program in the line.
        static const QRegularExpression marker(QStringLiteral("%\\d"));
        for (int row :
             {CheckSameMinute, CheckMissingTarget, CheckTimerOnInactive, CheckDatePassed, CheckDuplicateCode}) {
            auto markers = [&](int language) {
                QStringList found;
                auto it = marker.globalMatch(LanguageText(TextTable::ConfidenceTexts, row, language));
                while (it.hasNext())
                    found.append(it.next().captured());
                found.sort();
                return found;
            };
            for (int language = French; language <= Italian; ++language)
                QCOMPARE(markers(language), markers(English));
        }
    }

    void compareFrames_classifiesFields() {
        TORBEXProg p(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        p.Inputs = 17;
        Frame expected;
        EncodeProgram(p, expected, false);

        Frame actual = expected;
        QVERIFY(!differs(CompareFrames(17, expected, actual)));
        actual[0].Value = 0x55; // the first byte is not compared
        QVERIFY(!differs(CompareFrames(17, expected, actual)));

        actual = expected;
        actual[16].Value = 3;     // hour
        actual[5].Value = 0x13;   // kind of action 3 (high nibble of byte 5) -> 1 stays, action 4 -> 3
        actual[18 + 5].Value = 7; // value of action 6
        SlotDifference d = CompareFrames(17, expected, actual);
        QVERIFY(d.schedule);
        QVERIFY(!d.flags);
        QVERIFY(!d.code);
        QCOMPARE(d.actions, (QList<int>{4, 6}));

        actual = expected;
        actual[3].Value = quint8(actual[3].Value | 0x10); // priority
        d = CompareFrames(17, expected, actual);
        QVERIFY(d.flags);
        QVERIFY(!d.schedule);
    }

    void emptyFrames_matchWhateverTheirDate() {
        TORBEXProg e(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        e.DefaultInActiveProg(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        e.Inputs = 5;
        Frame a, b;
        EncodeProgram(e, a, true);
        e.DefaultInActiveProg(QDateTime(QDate(2019, 3, 1), QTime(2, 2)));
        e.Inputs = 5;
        EncodeProgram(e, b, true);
        QVERIFY(!differs(CompareFrames(5, a, b)));
        b[2].Value = 0x21; // no longer empty
        QVERIFY(differs(CompareFrames(5, a, b)));
    }

    void verifyAfterTransmit_matchesOverThePseudoTerminal() {
        PtyBackend player;
        QVERIFY(player.start({}));
        ComLink link(player.io(), {std::chrono::milliseconds(2000)});
        QCOMPARE(link.OpenComPort(player.portName()), ComCode::Ok);
        ScriptedPrompter prompter;
        const TransferContext context{prompter, English, Clock::system(), {}, {}};
        const Project project = sampleProject();
        QCOMPARE(TransmitRun(link, project, context), ComCode::Ok);
        const VerifyResult result = VerifyRun(link, project, context);
        link.CloseComPort();
        QCOMPARE(result.result, ComCode::Ok);
        QVERIFY(result.differing.isEmpty());
        QVERIFY(!result.nameDiffers);
        QCOMPARE(VerifyReport(result, English),
                 QStringLiteral("All 255 slots and the project name of the player match the project."));
        QVERIFY(prompter.shown.isEmpty());
    }

    void changedSlot17_isTheOneReportedWithItsFields() {
        FakeBackend player;
        QVERIFY(player.start({}));
        ComLink link(player.io(), {std::chrono::milliseconds(2000)});
        QCOMPARE(link.OpenComPort(QStringLiteral("fake")), ComCode::Ok);
        ScriptedPrompter prompter;
        const TransferContext context{prompter, English, Clock::system(), {}, {}};
        const Project project = sampleProject();
        QCOMPARE(TransmitRun(link, project, context), ComCode::Ok);

        QByteArray slot17 = player.fake().player.slot(17);
        slot17[17] = char(slot17[17] + 1); // minute
        slot17[8] = 99;                    // parameter of action 2
        player.fake().player.setSlot(17, slot17);

        Project renamed = project;
        renamed.Group.ProjectName = QStringLiteral("Other name");
        const VerifyResult result = VerifyRun(link, renamed, context);
        QCOMPARE(result.result, ComCode::Ok);
        QCOMPARE(result.differing.size(), 1);
        QCOMPARE(result.differing[0].slot, 17);
        QVERIFY(result.differing[0].schedule);
        QVERIFY(!result.differing[0].flags);
        QVERIFY(!result.differing[0].code);
        QCOMPARE(result.differing[0].actions, QList<int>{2});
        QVERIFY(result.nameDiffers);
        QCOMPARE(result.playerName, QStringLiteral("Shop"));
        QCOMPARE(VerifyReport(result, English),
                 QStringLiteral("Slots of the player that differ from the project:\n017: schedule, action 2\n"
                                "The project name differs; the player holds: \"Shop\""));
    }

    void silentPlayer_givesCode9() {
        FakeBackend player;
        QVERIFY(player.start({QStringLiteral("--silent")}));
        ComLink link(player.io(), {std::chrono::milliseconds(150)});
        QCOMPARE(link.OpenComPort(QStringLiteral("fake")), ComCode::Ok);
        ScriptedPrompter prompter;
        const VerifyResult result =
            VerifyRun(link, sampleProject(), TransferContext{prompter, English, Clock::system(), {}, {}});
        QCOMPARE(result.result, ComCode::NotReady);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Transmission Error : MP3 player not ready")});
        QCOMPARE(player.pcBytes(), QByteArray("\x0B", 1)); // nothing after the first command
    }

private:
    static Project sampleProject() {
        Project project;
        project.Group.ProjectName = QStringLiteral("Shop");
        TORBEXProg a = timer(1, QTime(8, 15));
        a.Inputs = 17;
        a.ActionCount = 2;
        a.ActionKind[1] = KindTransport;
        a.ActionParam[1] = 3;
        TORBEXProg b = timer(2, QTime(20, 0), {}, 5);
        b.Inputs = 200;
        project.Programs = {a, b};
        return project;
    }
};

QTEST_GUILESS_MAIN(TestConfidence)
#include "test_confidence.moc"
