#include "model/ProjectClasses.h"
#include "model/Windows1252.h"

#include <QTest>

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void newProgram_hasDocumentedDefaults() {
        const QDateTime now(QDate(2009, 3, 5), QTime(7, 5, 42));
        TORBEXProg p(now);
        QCOMPARE(p.Active, 1);
        QCOMPARE(p.TimerOn, 0);
        QCOMPARE(p.Priority, 0);
        QCOMPARE(p.ActionCount, 1);
        QCOMPARE(p.ActionKind, (std::array<quint8, 6>{1, 1, 1, 1, 1, 1}));
        QCOMPARE(p.ActionParam, (std::array<quint8, 6>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(p.ActionValue, (std::array<quint8, 6>{255, 255, 255, 255, 255, 255}));
        QCOMPARE(p.Color, 0x0080FFu);
        QCOMPARE(p.Title, QStringLiteral("..."));
        QCOMPARE(p.Comments, QStringList{QStringLiteral("...")});
        QCOMPARE(p.Date, QDate(2009, 3, 5));
        QCOMPARE(p.GetHour(), 7);
        QCOMPARE(p.GetMinute(), 5);
        QCOMPARE(p.DayOftheWeek, 1);
    }

    void defaultInActive_keepsCommentsAndSwitchesOff() {
        TORBEXProg p;
        p.Comments = {QStringLiteral("first"), QStringLiteral("second")};
        p.Active = 1;
        p.TimerOn = 1;
        p.ActionCount = 4;
        p.Title = QStringLiteral("Morning");
        p.DefaultInActiveProg(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        QCOMPARE(p.Color, 0x808000u);
        QCOMPARE(p.Active, 0);
        QCOMPARE(p.TimerOn, 0);
        QCOMPARE(p.ActionCount, 1);
        QCOMPARE(p.Comments, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(p.Date, QDate(2026, 12, 5));
    }

    void twoDigitYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("expected");
        QTest::newRow("2009") << 2009 << 9;
        QTest::newRow("2000") << 2000 << 0;
        QTest::newRow("2026") << 2026 << 26;
        QTest::newRow("1999") << 1999 << 99;
    }
    void twoDigitYear() {
        QFETCH(int, year);
        QFETCH(int, expected);
        TORBEXProg p;
        QVERIFY(p.SetDate(year, 6, 1));
        QCOMPARE(p.Get2DigitFormatYear(), expected);
    }

    void setMinuteThenHour_dropsSeconds() {
        TORBEXProg p;
        p.Time = QTime(14, 7, 45);
        QVERIFY(p.SetMinute(30));
        QCOMPARE(p.Time, QTime(14, 30, 0));
        QVERIFY(p.SetHour(9));
        QCOMPARE(p.Time, QTime(9, 30, 0));
    }

    void impossibleValues_areRefusedAndKeepPrevious() {
        TORBEXProg p;
        QVERIFY(p.SetDate(2009, 1, 31));
        QVERIFY(!p.SetMonth(2));
        QCOMPARE(p.Date, QDate(2009, 1, 31));
        QVERIFY(!p.SetMonth(13));
        QVERIFY(!p.SetDay(32));
        QVERIFY(!p.SetDate(2009, 2, 30));
        QCOMPARE(p.Date, QDate(2009, 1, 31));
        QVERIFY(p.SetDate(2024, 2, 29));
        QVERIFY(!p.SetYear(2023)); // 29 February 2023 does not exist
        QCOMPARE(p.Date, QDate(2024, 2, 29));

        p.Time = QTime(10, 20);
        QVERIFY(!p.SetHour(24));
        QVERIFY(!p.SetMinute(60));
        QVERIFY(!p.SetHour(-1));
        QCOMPARE(p.Time, QTime(10, 20));
    }

    void copies_areDeep() {
        TORBEXProg a;
        TORBEXProg b = a;
        b.Comments.append(QStringLiteral("more"));
        b.Title = QStringLiteral("other");
        QCOMPARE(a.Comments.size(), 1);
        QCOMPARE(a.Title, QStringLiteral("..."));
    }

    void sameContent_ignoresSecondsOnly() {
        TORBEXProg a(QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
        TORBEXProg b = a;
        b.Time = QTime(8, 0, 59);
        QVERIFY(a.sameContent(b));
        b.ActionValue[5] = 7; // beyond ActionCount, still part of the content
        QVERIFY(!a.sameContent(b));
        b = a;
        b.Comments[0] = QStringLiteral("changed");
        QVERIFY(!a.sameContent(b));
    }

    void newGroup_holdsOneCommentLine() {
        TORBEXGroup g;
        QVERIFY(g.ProjectName.isEmpty());
        QCOMPARE(g.Comments, QStringList{QStringLiteral("...")});
    }

    void programColors_tableEnds() {
        QCOMPARE(ProgramColors[1], 0x0080FFu);
        QCOMPARE(ProgramColors[8], 0x000000u);
        QCOMPARE(ProgramColors[19], 0x00FFFFu);
        QCOMPARE(ProgramColors[26], 0x808000u);
    }

    void windows1252_roundTripsEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0xA0), QChar(0x00A0));
        QCOMPARE(text.at(0xE9), QChar(0x00E9));
        const auto back = Windows1252::encode(text);
        QVERIFY(back.has_value());
        QCOMPARE(*back, all);
    }

    void windows1252_refusesCharactersOutsideThePage() {
        qsizetype bad = -1;
        QVERIFY(!Windows1252::encode(QStringLiteral("ab\u4e2dc"), &bad).has_value());
        QCOMPARE(bad, 2);
        QVERIFY(Windows1252::canEncode(QStringLiteral("Éàü€™")));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
