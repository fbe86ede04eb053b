#include "model/TimerRule.h"
#include "project/ScheduleCheck.h"
#include "project/WeekPlan.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// 9 March 2026 is a Monday, 8 March a Sunday, 5 December a Saturday.
QDateTime at(int day, int hour, int minute, int month = 3, int year = 2026) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

Program timer(quint8 mode, QTime time, QDate date = QDate(2026, 12, 5), quint8 weekday = 1) {
    Program p(at(1, 0, 0, 1));
    p.TimerOn = 1, p.TimerMode = mode, p.Time = time, p.Date = date, p.DayOftheWeek = weekday;
    return p;
}

Program goTo(quint8 code, quint8 target, Program p) {
    p.Code = code, p.ActionKind[0] = KindGoToProgram, p.ActionParam[0] = target;
    return p;
}

// `p` with one field set.
template <typename T> Program with(Program p, T Program::*field, std::type_identity_t<T> value) {
    p.*field = value;
    return p;
}

} // namespace

class TestTimerRule : public QObject {
    Q_OBJECT

private slots:
    void dueRule_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("due");
        const QTime half(8, 30);
        const auto remote = [](quint8 mode, QTime time, QDate date = {2026, 3, 9}, quint8 weekday = 1) {
            return goTo(1, 12, timer(mode, time, date, weekday));
        };
        const Program daily = remote(TimerDaily, half);
        QTest::newRow("date: its minute") << remote(TimerOnDate, half) << at(9, 8, 30) << true;
        QTest::newRow("date: next day") << remote(TimerOnDate, half) << at(10, 8, 30) << false;
        QTest::newRow("date: next year") << remote(TimerOnDate, half, {2025, 3, 9}) << at(9, 8, 30) << false;
        QTest::newRow("daily: other hour") << daily << at(9, 9, 30) << false;
        QTest::newRow("weekly 7: Sunday") << remote(TimerWeekly, half, {}, 7) << at(8, 8, 30) << true;
        QTest::newRow("weekly 7: Monday") << remote(TimerWeekly, half, {}, 7) << at(9, 8, 30) << false;
        QTest::newRow("weekly 1: Monday") << remote(TimerWeekly, half, {}, 1) << at(9, 8, 30) << true;
        QTest::newRow("hourly :00 at 23:00") << remote(TimerHourly, {14, 0}) << at(12, 23, 0) << true;
        QTest::newRow("hourly :00 at 23:01") << remote(TimerHourly, {14, 0}) << at(12, 23, 1) << false;
        QTest::newRow("mode 4 never") << remote(4, half) << at(9, 8, 30) << false;
        QTest::newRow("inactive never") << with(daily, &Program::Active, 0) << at(9, 8, 30) << false;
        QTest::newRow("timer off never") << with(daily, &Program::TimerOn, 0) << at(9, 8, 30) << false;
        QTest::newRow("go to as second action never")
            << with(daily, &Program::ActionKind, {1, KindGoToProgram, 1, 1, 1, 1}) << at(9, 8, 30) << false;
        QTest::newRow("activate program never")
            << with(daily, &Program::ActionKind, {KindActivateProgram, 1, 1, 1, 1, 1}) << at(9, 8, 30) << false;
    }
    void dueRule() {
        QFETCH(Program, program);
        QFETCH(QDateTime, now);
        QFETCH(bool, due);
        QCOMPARE(IsDueAt(program, now), due);
        QCOMPARE(FirstDueProgram({program}, now).has_value(), due);
    }

    void nextRun_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("expected"); // invalid: never
        const QDateTime sat(QDate(2026, 12, 5), QTime(14, 30, 20));
        QTest::newRow("date ahead") << timer(TimerOnDate, {9, 0}, {2027, 1, 2}) << sat << at(2, 9, 0, 1, 2027);
        QTest::newRow("date this minute is past") << timer(TimerOnDate, {14, 30}) << sat << QDateTime();
        QTest::newRow("date next minute") << timer(TimerOnDate, {14, 31}) << sat << at(5, 14, 31, 12);
        QTest::newRow("daily later today") << timer(TimerDaily, {18, 0}) << sat << at(5, 18, 0, 12);
        QTest::newRow("daily tomorrow") << timer(TimerDaily, {8, 0}) << sat << at(6, 8, 0, 12);
        QTest::newRow("daily into 29 Feb")
            << timer(TimerDaily, {7, 0}) << at(28, 8, 0, 2, 2028) << at(29, 7, 0, 2, 2028);
        QTest::newRow("weekly Monday from Saturday") << timer(TimerWeekly, {8, 0}, {}, 1) << sat << at(7, 8, 0, 12);
        QTest::newRow("weekly Saturday, earlier") << timer(TimerWeekly, {8, 0}, {}, 6) << sat << at(12, 8, 0, 12);
        QTest::newRow("weekly across year end")
            << timer(TimerWeekly, {10, 0}, {}, 5) << at(31, 12, 0, 12) << at(1, 10, 0, 1, 2027);
        QTest::newRow("weekly day 0 never") << timer(TimerWeekly, {8, 0}, {}, 0) << sat << QDateTime();
        QTest::newRow("hourly this hour") << timer(TimerHourly, {0, 45}) << sat << at(5, 14, 45, 12);
        QTest::newRow("hourly next hour") << timer(TimerHourly, {0, 30}) << sat << at(5, 15, 30, 12);
        QTest::newRow("mode 4 never") << timer(4, {8, 0}) << sat << QDateTime();
        QTest::newRow("timer off never") << with(timer(TimerDaily, {18, 0}), &Program::TimerOn, 0) << sat
                                         << QDateTime();
        QTest::newRow("inactive never") << with(timer(TimerDaily, {18, 0}), &Program::Active, 0) << sat << QDateTime();
    }
    void nextRun() {
        QFETCH(Program, program);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, expected);
        const auto next = NextRun(program, now);
        QCOMPARE(next.value_or(QDateTime()), expected);
        QVERIFY(!next || TimerFallsOn(program, *next)); // the rule of the minute check
        // The line of the editor and the tooltip, in the language's locale.
        const QString when = program.Active != 1 ? u"nie (inaktiv)"_s
                             : next              ? QLocale(QLocale::German).toString(*next, u"dd.MM.yy HH:mm")
                                                 : u"nie"_s;
        QCOMPARE(NextRunText(program, now, Language::German, LanguageLocale(Language::German)),
                 program.TimerOn != 1 ? QString() : u"Nächster Start : "_s + when);
    }

    void canFallDueTogether_data() {
        QTest::addColumn<Program>("a");
        QTest::addColumn<Program>("b");
        QTest::addColumn<bool>("together");
        const QDate monday(2027, 3, 1);
        const auto daily = [](int h, int m) { return timer(TimerDaily, {h, m}); };
        const auto weekly = [](int day) { return timer(TimerWeekly, {8, 0}, {}, quint8(day)); };
        QTest::newRow("daily, daily same time") << daily(8, 30) << daily(8, 30) << true;
        QTest::newRow("daily, daily other minute") << daily(8, 30) << daily(8, 31) << false;
        QTest::newRow("hourly, daily same minute") << timer(TimerHourly, {0, 30}) << daily(8, 30) << true;
        QTest::newRow("weekly Monday, Tuesday") << weekly(1) << weekly(2) << false;
        QTest::newRow("weekly, daily") << weekly(3) << daily(8, 0) << true;
        QTest::newRow("date Monday, weekly Monday") << timer(TimerOnDate, {8, 0}, monday) << weekly(1) << true;
        QTest::newRow("date Monday, weekly Sunday") << timer(TimerOnDate, {8, 0}, monday) << weekly(7) << false;
        QTest::newRow("date, same date") << timer(TimerOnDate, {8, 0}, monday) << timer(TimerOnDate, {8, 0}, monday)
                                         << true;
        QTest::newRow("date, other date")
            << timer(TimerOnDate, {8, 0}, monday) << timer(TimerOnDate, {8, 0}, monday.addDays(1)) << false;
        QTest::newRow("passed date, daily") << timer(TimerOnDate, {8, 0}, {2020, 1, 1}) << daily(8, 0) << false;
    }
    void canFallDueTogether() {
        QFETCH(Program, a);
        QFETCH(Program, b);
        QFETCH(bool, together);
        QCOMPARE(CanFallDueTogether(a, b, at(5, 14, 30, 12)), together);
        QCOMPARE(CanFallDueTogether(b, a, at(5, 14, 30, 12)), together);
    }

    void scheduleCheck_reportsEachFindingOnceNamingItsPrograms() {
        Project project;
        project.Programs = {goTo(1, 2, timer(TimerDaily, {8, 0})), goTo(2, 1, timer(TimerDaily, {9, 0}))};
        QVERIFY(CheckSchedule(project, at(5, 14, 30, 12)).isEmpty());
        QCOMPARE(ScheduleReport({}, project, Language::English),
                 QStringList{"No finding: the schedule will behave as written."});

        // A marker in a title stays as written.
        const Program a = with(goTo(3, 12, timer(TimerDaily, {8, 30})), &Program::Title, u"Daily %2 bell"_s);
        const Program b = with(goTo(4, 3, timer(TimerHourly, {0, 30})), &Program::Title, u"Hourly"_s);
        Program c = with(timer(TimerOnDate, {9, 0}, {2020, 1, 1}), &Program::Title, u"Old"_s);
        c.Code = 3, c.Active = 0;
        // Timer off, active: nothing to say; it deactivates 004, which exists, and the activation
        // of 077 lies beyond its action count.
        Program d = with(Program(at(1, 0, 0, 1)), &Program::ActionKind,
                         {1, KindDeactivateProgram, KindActivateProgram, 1, 1, 1});
        d.Code = 9, d.ActionCount = 2, d.ActionParam = {0, 4, 77};
        // Code 000, twice: no slot, and not a shared code.
        const Program zero = with(with(Program(at(1, 0, 0, 1)), &Program::Code, 0), &Program::Title, u"Zero"_s);
        project.Programs = {a, b, c, d, zero, zero};
        const QList<ScheduleFinding> findings = CheckSchedule(project, at(5, 14, 30, 12));
        const QList<ScheduleFinding> expected = {
            {ScheduleFinding::SameMinute, 0, {1}, 0, 0},     {ScheduleFinding::MissingTarget, 0, {}, 1, 12},
            {ScheduleFinding::TimerOnInactive, 2, {}, 0, 0}, {ScheduleFinding::DatePassed, 2, {}, 0, 0},
            {ScheduleFinding::DuplicateCode, 0, {2}, 0, 3},  {ScheduleFinding::CodeZero, 4, {}, 0, 0},
            {ScheduleFinding::CodeZero, 5, {}, 0, 0}};
        QVERIFY(findings == expected);
        const QLocale british(QLocale::English, QLocale::UnitedKingdom);
        QCOMPARE(ScheduleReport(findings, project, Language::English, british).join(u'\n'),
                 u"003 \"Daily %2 bell\" and 004 \"Hourly\" can fall due in the same minute; PC remote mode fires "
                 "only 003 \"Daily %2 bell\".\n003 \"Daily %2 bell\": action 1 names program 012, which no program "
                 "of the project has.\n003 \"Old\" has its timer on but is inactive: it never runs.\n003 \"Old\" "
                 "is set for a date that has passed (01/01/2020 09:00): it never runs again.\nCode 003 is used by "
                 "003 \"Daily %2 bell\", 003 \"Old\"; only the last, 003 \"Old\", is transmitted.\n000 \"Zero\" "
                 "has code 000: a transmit or an export leaves it out.\n000 \"Zero\" has code 000: a transmit or "
                 "an export leaves it out."_s);
        // The warning after open, import and receive: each shared code named once.
        project.Programs << a << b; // 003 a third time, and 004 twice
        QVERIFY(CodeConflictWarning(project.Programs, Language::English)
                    .startsWith(u"Codes carried by more than one program: 003, 004."_s));
        project.Programs = {a, b};
        QVERIFY(CodeConflictWarning(project.Programs, Language::English).isEmpty() &&
                CodeZeroWarning(project.Programs, Language::English).isEmpty());
    }

    // From Saturday 26 February 2028, 10:30, to the end of Friday 3 March: a leap day and a month
    // end. Each row: the program, then "marks: first day:minute, last day:minute" and the greyed
    // marks shown on request.
    void weekPlan_marksEveryMomentOfTheSevenDays_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("marks");
        const QDate leap(2028, 2, 29);
        QTest::newRow("on the leap day") << timer(TimerOnDate, {8, 0}, leap) << u"1: 3:480 3:480 | 1"_s;
        QTest::newRow("on a date passed a minute ago") << timer(TimerOnDate, {10, 29}, leap.addDays(-3)) << u"0 | 0"_s;
        QTest::newRow("on the minute of now")
            << timer(TimerOnDate, {10, 30}, leap.addDays(-3)) << u"1: 0:630 0:630 | 1"_s;
        QTest::newRow("after the seventh day") << timer(TimerOnDate, {0, 0}, leap.addDays(4)) << u"0 | 0"_s;
        QTest::newRow("daily, passed today") << timer(TimerDaily, {9, 0}) << u"6: 1:540 6:540 | 6"_s;
        QTest::newRow("weekly on Tuesday") << timer(TimerWeekly, {7, 15}, leap, 2) << u"1: 3:435 3:435 | 1"_s;
        QTest::newRow("hourly at :45") << timer(TimerHourly, {3, 45}) << u"158: 0:645 6:1425 | 158"_s;
        QTest::newRow("inactive") << with(timer(TimerDaily, {9, 0}), &Program::Active, 0) << u"0 | 6"_s;
        QTest::newRow("timer off") << with(timer(TimerDaily, {9, 0}), &Program::TimerOn, 0) << u"0 | 6"_s;
        QTest::newRow("unknown mode") << timer(9, {9, 0}) << u"0 | 0"_s;
    }
    void weekPlan_marksEveryMomentOfTheSevenDays() {
        QFETCH(Program, program);
        const QDateTime now(QDate(2028, 2, 26), QTime(10, 30, 40));
        const WeekPlan plan = BuildWeekPlan({program}, now, false);
        const auto at = [](const PlanMark &m) { return u" %1:%2"_s.arg(m.day).arg(m.minuteOfDay); };
        QTEST(QString::number(plan.marks.size()) +
                  (plan.marks.isEmpty() ? QString() : u':' + at(plan.marks.first()) + at(plan.marks.last())) +
                  u" | "_s + QString::number(BuildWeekPlan({program}, now, true).marks.size()),
              "marks");
        for (const PlanMark &m : plan.marks) // the rule PC remote mode and the next run use
            QVERIFY(TimerFallsOn(program, plan.moment(m)) && plan.moment(m) >= plan.now);
    }

    // Marks never cover each other, in any timer mode: six programs of one hour each get a lane
    // that holds a code at the window's size; of 255 programs due in one hour as many as fit are
    // drawn and the rest counted. Two go-to programs due in one minute conflict.
    void weekPlan_spotsNeverCoverEachOther_data() {
        QTest::addColumn<int>("mode");
        for (int mode : {TimerOnDate, TimerDaily, TimerWeekly, TimerHourly})
            QTest::newRow(qPrintable(u"mode %1"_s.arg(mode))) << mode;
    }
    void weekPlan_spotsNeverCoverEachOther() {
        QFETCH(int, mode);
        const PlanLayout layout{QRectF(0, 0, 1080, 640), 62, 25}; // the window's default size
        const qreal lane = 22;
        for (int count : {6, 255}) {
            QList<Program> programs;
            for (int i = 0; i < count; ++i) // 08:00, 08:10 .. 08:50, then on through the day
                programs << goTo(quint8(i + 1), 9, timer(quint8(mode), {8 + i / 6 % 16, i % 6 * 10}, {2028, 2, 29}, 2));
            programs[1].Time = programs[0].Time; // two go-to programs in one minute: a conflict
            const WeekPlan plan = BuildWeekPlan(programs, QDateTime({2028, 2, 26}, {0, 0}), false);
            const QList<PlanSpot> spots = layout.spots(plan, lane);
            qsizetype counted = 0;
            for (qsizetype a = 0; a < spots.size(); ++a) {
                counted += std::max(1, spots[a].count);
                QVERIFY(spots[a].count > 0 || spots[a].rect.width() >= lane);
                QVERIFY(layout.grid().contains(spots[a].rect));
                for (qsizetype b = a + 1; b < spots.size(); ++b)
                    QVERIFY2(!spots[a].rect.intersects(spots[b].rect), qPrintable(u"%1 %2"_s.arg(a).arg(b)));
            }
            QCOMPARE(counted, plan.marks.size()); // each mark drawn or counted, once
            QVERIFY(plan.marks[0].conflict && plan.marks[1].conflict && (count > 6 || !plan.marks[2].conflict));
            const auto countsIn = [&](int marks) { // the spots of the first hour holding marks
                return std::count_if(spots.begin(), spots.end(),
                                     [&](const PlanSpot &s) { return s.count == marks && s.mark < 6; });
            };
            if (count == 6)
                QCOMPARE(countsIn(0), 6); // six marks, no count
            else if (mode == TimerHourly)
                QCOMPARE(countsIn(255 - 5), 1);
            QCOMPARE(PlanSpotAt(spots, spots.last().rect.center()), spots.size() - 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestTimerRule)
#include "test_timerrule.moc"
