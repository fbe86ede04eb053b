#include "model/Program.h"
#include "model/Windows1252.h"

#include <QTest>

// The defaults of a new program and of a new group are checked byte for byte by the project
// file's golden files.
class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void defaultInActive_keepsCommentsAndSwitchesOff() {
        Program p;
        p.Comments = {QStringLiteral("first"), QStringLiteral("second")};
        p.Active = p.TimerOn = 1;
        p.ActionCount = 4;
        p.makeInactiveDefault(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        Program expected(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        expected.Active = 0;
        expected.Color = 0x808000;
        expected.Comments = p.Comments;
        QVERIFY(p.sameContent(expected));
        QCOMPARE(p.Comments, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    }

    // Each setter changes one part and drops the seconds; a combination that does not exist
    // is refused and the record keeps its value. The frame carries the year in two digits.
    void setters_changeOnePartOrRefuse() {
        Program p;
        p.Time = QTime(14, 7, 45);
        QVERIFY(p.SetMinute(30) && p.Time == QTime(14, 30, 0));
        QVERIFY(p.SetHour(9) && !p.SetHour(24) && !p.SetHour(-1) && !p.SetMinute(60));
        QCOMPARE(p.Time, QTime(9, 30, 0));
        QVERIFY(p.SetDate(2009, 1, 31));
        QVERIFY(!p.SetMonth(2) && !p.SetMonth(13) && !p.SetDay(32) && !p.SetDate(2009, 2, 30));
        QCOMPARE(p.Date, QDate(2009, 1, 31));
        QVERIFY(p.SetDate(2024, 2, 29) && !p.SetYear(2023) && p.Date == QDate(2024, 2, 29));
        QVERIFY(p.SetYear(2028) && p.SetMonth(3) && p.SetDay(1));
        QCOMPARE(p.Date, QDate(2028, 3, 1));
        for (const auto &[year, twoDigits] : {std::pair{2009, 9}, {2000, 0}, {1999, 99}})
            QVERIFY(p.SetDate(year, 6, 1) && p.Get2DigitFormatYear() == twoDigits);
    }

    void windows1252_decodesAndEncodesEveryByte() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.mid(0x80, 0x20), QStringLiteral("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        QCOMPARE(text.mid(0xA0, 2) + text.at(0xE9) + text.at(0xFF), QStringLiteral("\u00A0¡éÿ"));
        QCOMPARE(Windows1252::encode(text).value_or(QByteArray()), all);
        qsizetype bad = -1;
        QVERIFY(!Windows1252::encode(QStringLiteral("ab\u4e2dc"), &bad).has_value());
        QCOMPARE(bad, 2);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
