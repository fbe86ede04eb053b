#include "model/TimerWizardChoices.h"

#include <QTest>

#include <list>
#include <numeric>

class TestWizardModel : public QObject {
    Q_OBJECT

private slots:
    void hourSelectionCounts_data() {
        QTest::addColumn<QList<int>>("hours"); // hours of the day marked, 0..23
        QTest::addColumn<int>("method1");
        QTest::addColumn<int>("method2");
        QTest::addColumn<int>("method3");
        QList<int> all(24);
        std::iota(all.begin(), all.end(), 0);
        QTest::newRow("00 01 23") << QList<int>{0, 1, 23} << 3 << 43 << 3;
        QTest::newRow("none") << QList<int>{} << 0 << 49 << 1;
        QTest::newRow("all") << all << 24 << 1 << 1;
        QTest::newRow("alternate 0 2 4") << QList<int>{0, 2, 4} << 3 << 43 << 6;
    }
    void hourSelectionCounts() {
        QFETCH(QList<int>, hours);
        TimerWizardChoices w;
        w.HourMode = 2; // counts look at the marks whatever the mode
        for (int h : hours)
            w.SetHourOftheDay(h + 1, 1);
        QTEST(int(w.HourSelectionCount(1)), "method1");
        QTEST(int(w.HourSelectionCount(2)), "method2");
        QTEST(int(w.HourSelectionCount(3)), "method3");
    }

    // Only every year, month, day and hour at a fixed minute makes a program: the new program,
    // active, timer on, hourly at the chosen minute, nothing else changed. The wizard starts
    // in the current year.
    void finish_makesAnHourlyProgramForTheOneCombination_data() {
        QTest::addColumn<int>("mode"); // the mode set to 2, or -1
        QTest::addColumn<bool>("projectFull");
        QTest::newRow("defaults") << -1 << false;
        for (int mode = 0; mode < 5; ++mode)
            QTest::addRow("mode %d set to 2", mode) << mode << false;
        QTest::newRow("project full") << -1 << true;
    }
    void finish_makesAnHourlyProgramForTheOneCombination() {
        QFETCH(int, mode);
        QFETCH(bool, projectFull);
        const QDateTime now(QDate(2026, 12, 6), QTime(16, 12, 33));
        TimerWizardChoices w(now.date());
        QVERIFY(w.Year == 2026 && w.Color == ProgramColors[1] && w.Title.isEmpty());
        w.AtMinute = 59;
        w.Priority = true;
        w.Title = QStringLiteral("x");
        w.SetDayOftheWeek(3, 1);
        quint8 *modes[] = {&w.YearMode, &w.MonthMode, &w.DayMode, &w.HourMode, &w.MinuteMode};
        if (mode >= 0)
            *modes[mode] = 2;
        std::list<Program> asked; // each a new program, here made inactive
        Program *p = w.generateProgram([&]() -> Program * {
            asked.emplace_back(now).Active = 0;
            return projectFull ? nullptr : &asked.back();
        });
        QCOMPARE(asked.size(), std::size_t(mode < 0));
        QCOMPARE(p != nullptr, mode < 0 && !projectFull);
        if (!p)
            return;
        Program expected(now);
        expected.TimerOn = 1;
        expected.TimerMode = 3;
        expected.Time = QTime(16, 59);
        QVERIFY(p->sameContent(expected));
        QCOMPARE(p->Time.second(), 0);
    }
};

QTEST_GUILESS_MAIN(TestWizardModel)
#include "test_wizardmodel.moc"
