#include "TestSupport.h"
#include "player/Trame.h"

#include <QTest>

namespace {

QByteArray encode(const TORBEXProg &p, bool empty = false) {
    Frame f;
    EncodeProgram(p, f, empty);
    return frameBytes(f);
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT

private slots:
    void flagsAndKinds_packAsDocumented() {
        TORBEXProg p(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        p.Active = 1;
        p.TimerOn = 1;
        p.ActionCount = 3;
        p.TimerMode = 2;
        p.Priority = 1;
        p.ActionKind = {4, 0, 8, 0, 0, 0};
        const QByteArray f = encode(p);
        QCOMPARE(f.size(), 24);
        QCOMPARE(quint8(f[2]), 0x33);
        QCOMPARE(quint8(f[3]), 0x12);
        QCOMPARE(quint8(f[4]), 0x40);
        QCOMPARE(quint8(f[5]), 0x80);
        QCOMPARE(quint8(f[6]), 0x00);
        Frame frame = frameFromBytes(f);
        QVERIFY(!IsEmptySlot(frame)); // 0x80 in byte 5 is not the empty flag
    }

    void fullProgram_matchesFixture() {
        TORBEXProg p(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        p.Inputs = 200;
        p.DayOftheWeek = 6;
        p.ActionCount = 2;
        p.ActionKind = {6, 3, 1, 1, 1, 1};
        p.ActionParam = {12, 8, 0, 0, 0, 0};
        p.ActionValue = {77, 255, 255, 255, 255, 255};
        QCOMPARE(encode(p), bytes({0x00, 200,  0x22, 0x00, 0x63, 0x11, 0x11, 12,   8,    0,    0,    0,
                                   0,    0x6C, 5,    26,   14,   30,   77,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }

    void leapDay_encodesAndDecodesInOneStep() {
        TORBEXProg p;
        QVERIFY(p.SetDate(2024, 2, 29));
        p.Time = QTime(7, 5);
        p.DayOftheWeek = 1;
        const QByteArray f = encode(p);
        QCOMPARE(f.mid(13, 5), bytes({0x12, 29, 24, 7, 5}));

        TORBEXProg target;
        QVERIFY(target.SetDate(2023, 1, 31));
        QVERIFY(!DecodeProgram(target, frameFromBytes(f)));
        QCOMPARE(target.Date, QDate(2024, 2, 29));
    }

    void emptySlotFrame_fixture() {
        TORBEXProg empty;
        empty.DefaultInActiveProg(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
        empty.Inputs = 17;
        QCOMPARE(encode(empty, true), bytes({0x00, 17,   0x81, 0x00, 0x11, 0x11, 0x11, 0,    0,    0,    0,    0,
                                             0,    0x1C, 5,    26,   14,   30,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    }

    void isEmptySlot_data() {
        QTest::addColumn<int>("byte2");
        QTest::addColumn<bool>("empty");
        QTest::newRow("0x80") << 0x80 << true;
        QTest::newRow("0x81") << 0x81 << true;
        QTest::newRow("0xFF") << 0xFF << true;
        QTest::newRow("0x7F") << 0x7F << false;
        QTest::newRow("0x00") << 0x00 << false;
    }
    void isEmptySlot() {
        QFETCH(int, byte2);
        QFETCH(bool, empty);
        Frame f(FrameSize);
        f[2].Value = quint8(byte2);
        QCOMPARE(IsEmptySlot(f), empty);
    }

    void emptyFlag_neverReachesProgram() {
        TORBEXProg p;
        Frame f(FrameSize);
        f[2].Value = 0x81;
        f[13].Value = 0x11;
        f[14].Value = 1;
        DecodeProgram(p, f);
        QCOMPARE(p.ActionCount, 1);
        QCOMPARE(p.Active, 0);
        QCOMPARE(p.TimerOn, 0);
    }

    void roundTrip_keepsCarriedFieldsAndLeavesTheRest() {
        TORBEXProg src(QDateTime(QDate(2031, 7, 14), QTime(23, 59, 58)));
        src.Inputs = 255;
        src.Priority = 1;
        src.TimerOn = 1;
        src.Active = 0;
        src.DayOftheWeek = 7;
        src.TimerMode = 3;
        src.ActionCount = 6;
        src.ActionKind = {0, 12, 11, 10, 9, 8};
        src.ActionParam = {1, 2, 3, 250, 254, 255};
        src.ActionValue = {0, 1, 2, 3, 4, 5};
        Frame f;
        EncodeProgram(src, f, false);

        TORBEXProg dst;
        dst.Title = QStringLiteral("kept");
        dst.Color = 0x123456;
        dst.Comments = {QStringLiteral("a"), QStringLiteral("b")};
        QVERIFY(!DecodeProgram(dst, f));
        TORBEXProg expected = src;
        expected.Title = dst.Title;
        expected.Color = dst.Color;
        expected.Comments = dst.Comments;
        QVERIFY(dst.sameContent(expected));
        QCOMPARE(dst.Time, QTime(23, 59, 0));
        QCOMPARE(dst.Title, QStringLiteral("kept"));
    }

    void nibbleOverflow_spillsModulo256() {
        TORBEXProg p;
        p.ActionKind = {16, 17, 1, 1, 1, 1};
        p.ActionCount = 0x20; // spills into the active bit
        p.Active = 0;
        const QByteArray f = encode(p);
        QCOMPARE(quint8(f[4]), quint8((16 * 16 + 17) & 0xFF));
        QCOMPARE(quint8(f[2]), 0x20);
    }

    void impossibleDateOrTime_isClampedAndReported_data() {
        QTest::addColumn<QByteArray>("tail"); // bytes 13..17
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("month 0") << bytes({0x10, 10, 26, 8, 0}) << QDate(2026, 1, 10) << QTime(8, 0);
        QTest::newRow("month 13") << bytes({0x1D, 10, 26, 8, 0}) << QDate(2026, 12, 10) << QTime(8, 0);
        QTest::newRow("31 April") << bytes({0x14, 31, 26, 8, 0}) << QDate(2026, 4, 30) << QTime(8, 0);
        QTest::newRow("day 0") << bytes({0x14, 0, 26, 8, 0}) << QDate(2026, 4, 1) << QTime(8, 0);
        QTest::newRow("29 Feb 2023") << bytes({0x12, 29, 23, 8, 0}) << QDate(2023, 2, 28) << QTime(8, 0);
        QTest::newRow("hour 24") << bytes({0x11, 1, 26, 24, 0}) << QDate(2026, 1, 1) << QTime(23, 0);
        QTest::newRow("minute 60") << bytes({0x11, 1, 26, 5, 60}) << QDate(2026, 1, 1) << QTime(5, 59);
        QTest::newRow("all 0xFF") << bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) << QDate(2255, 12, 31) << QTime(23, 59);
    }
    void impossibleDateOrTime_isClampedAndReported() {
        QFETCH(QByteArray, tail);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        Frame f(FrameSize);
        for (int i = 0; i < 5; ++i)
            f[13 + i].Value = quint8(tail[i]);
        TORBEXProg p;
        QVERIFY(DecodeProgram(p, f));
        QCOMPARE(p.Date, date);
        QCOMPARE(p.Time, time);
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "test_frame.moc"
