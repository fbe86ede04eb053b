#include "model/ProjectClasses.h"

#include <QTest>

#include <memory>
#include <vector>

class TestWizardModel : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        TWizardProg w(QDate(2026, 12, 6));
        QCOMPARE(w.Year, 2026);
        QCOMPARE(w.YearMode, 1);
        QCOMPARE(w.MinuteMode, 1);
        QCOMPARE(w.Color, 0x0080FFu);
        QVERIFY(w.Title.isEmpty());
        for (int h = 1; h <= 24; ++h)
            QCOMPARE(w.GetHourOftheDay(h), 0);
    }

    void hourSelectionCounts_data() {
        QTest::addColumn<QList<int>>("hours"); // hours of the day marked, 0..23
        QTest::addColumn<int>("method1");
        QTest::addColumn<int>("method2");
        QTest::addColumn<int>("method3");
        QTest::newRow("00 01 23") << QList<int>{0, 1, 23} << 3 << 43 << 3;
        QTest::newRow("none") << QList<int>{} << 0 << 49 << 1;
        QList<int> all;
        for (int h = 0; h < 24; ++h)
            all << h;
        QTest::newRow("all") << all << 24 << 1 << 1;
        QTest::newRow("alternate 0 2 4") << QList<int>{0, 2, 4} << 3 << 43 << 6;
    }
    void hourSelectionCounts() {
        QFETCH(QList<int>, hours);
        TWizardProg w;
        w.HourMode = 1; // counts look at the marks whatever the mode
        for (int h : hours)
            w.SetHourOftheDay(h + 1, 1);
        QTEST(int(w.HourSelectionCount(1)), "method1");
        QTEST(int(w.HourSelectionCount(2)), "method2");
        QTEST(int(w.HourSelectionCount(3)), "method3");
    }

    void finishWithDefaults_makesHourlyProgramAtChosenMinute() {
        TWizardProg w;
        w.AtMinute = 59;
        w.Priority = true;             // plays no part
        w.Title = QStringLiteral("x"); // plays no part
        std::vector<std::unique_ptr<TORBEXProg>> made;
        TORBEXProg *p = w.GenerateWizardPrograms([&] {
            made.push_back(std::make_unique<TORBEXProg>(QDateTime(QDate(2026, 12, 6), QTime(16, 12, 33))));
            return made.back().get();
        });
        QVERIFY(p);
        QCOMPARE(made.size(), 1u);
        QCOMPARE(p->Active, 1);
        QCOMPARE(p->TimerOn, 1);
        QCOMPARE(p->TimerMode, 3);
        QCOMPARE(p->Time, QTime(16, 59, 0));
        QCOMPARE(p->Priority, 0);
        QCOMPARE(p->Title, QStringLiteral("..."));
    }

    void otherCombinations_generateNothing_data() {
        QTest::addColumn<int>("field");
        for (int f = 0; f < 5; ++f)
            QTest::addRow("mode %d set to 2", f) << f;
    }
    void otherCombinations_generateNothing() {
        QFETCH(int, field);
        TWizardProg w;
        quint8 *modes[] = {&w.YearMode, &w.MonthMode, &w.DayMode, &w.HourMode, &w.MinuteMode};
        *modes[field] = 2;
        int calls = 0;
        QVERIFY(!w.GenerateWizardPrograms([&]() -> TORBEXProg * {
            ++calls;
            return nullptr;
        }));
        QCOMPARE(calls, 0);
    }

    void fullProject_generatesNothing() {
        TWizardProg w;
        QVERIFY(!w.GenerateWizardPrograms([]() -> TORBEXProg * { return nullptr; }));
    }
};

QTEST_GUILESS_MAIN(TestWizardModel)
#include "test_wizardmodel.moc"
