#include "TestSupport.h"
#include "player/Frame.h"
#include "player/VerifyPlayer.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Made(QDate(2026, 12, 5), QTime(14, 30));

QByteArray encode(const Program &p, bool empty = false) {
    Frame f;
    EncodeProgram(p, f, empty);
    return frameBytes(f);
}

Program program(quint8 inputs, std::array<quint8, 6> kinds, std::array<quint8, 6> params = {}) {
    Program p(Made);
    p.Code = inputs, p.ActionKind = kinds, p.ActionParam = params;
    return p;
}

} // namespace

class TestFrame : public QObject {
    Q_OBJECT

private slots:
    void encode_matchesTheFrameByHand_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("frame");
        Program flags = program(3, {4, 0, 8, 0, 0, 0}, {10, 0, 12, 0, 0, 0});
        flags.TimerOn = flags.Priority = 1, flags.ActionCount = 3, flags.TimerMode = TimerWeekly,
        flags.ActionValue[5] = 7;
        Program full = program(200, {6, 3, 1, 1, 1, 1}, {12, 8, 0, 0, 0, 0});
        full.DayOftheWeek = 6, full.ActionCount = 2, full.ActionValue[0] = 77;
        Program leap = program(1, {1, 1, 1, 1, 1, 1});
        leap.Date = QDate(2024, 2, 29), leap.Time = QTime(7, 5, 59);
        Program spill = program(1, {16, 17, 1, 1, 1, 1});
        spill.ActionCount = 0x20, spill.Active = 0; // the count spills into the active bit
        QTest::newRow("flags; 0x80 in byte 5 is no empty flag")
            << flags << false << u"00 03 33 12 40 80 00 0a 00 0c 00 00 00 1c 05 1a 0e 1e ff ff ff ff ff 07"_s;
        QTest::newRow("weekday and values")
            << full << false << u"00 c8 22 00 63 11 11 0c 08 00 00 00 00 6c 05 1a 0e 1e 4d ff ff ff ff ff"_s;
        QTest::newRow("empty slot") << EmptySlotProgram(Made) << true
                                    << u"00 01 81 00 11 11 11 00 00 00 00 00 00 1c 05 1a 0e 1e ff ff ff ff ff ff"_s;
        QTest::newRow("29 February, no seconds")
            << leap << false << u"00 01 21 00 11 11 11 00 00 00 00 00 00 12 1d 18 07 05 ff ff ff ff ff ff"_s;
        QTest::newRow("nibbles spill modulo 256")
            << spill << false << u"00 01 20 00 11 11 11 00 00 00 00 00 00 1c 05 1a 0e 1e ff ff ff ff ff ff"_s;
    }
    void encode_matchesTheFrameByHand() {
        QFETCH(Program, program);
        QFETCH(bool, empty);
        QFETCH(QString, frame);
        QCOMPARE(encode(program, empty), QByteArray::fromHex(frame.toLatin1()));
        QCOMPARE(IsEmptySlot(frameFromBytes(QByteArray::fromHex(frame.toLatin1()))), empty);
    }

    void decode_givesBackEveryCarriedFieldAndLeavesTheRest() {
        Program src(QDateTime(QDate(2032, 2, 29), QTime(23, 59, 58)));
        src.Code = 255, src.Priority = src.TimerOn = 1, src.Active = 0, src.DayOftheWeek = 7;
        src.TimerMode = TimerHourly, src.ActionCount = 6;
        src.ActionKind = {0, 12, 11, 10, 9, 8}, src.ActionParam = {1, 2, 3, 250, 254, 255};
        src.ActionValue = {0, 1, 2, 3, 4, 5};
        Program dst;
        QVERIFY(dst.SetDate(2023, 1, 31)); // 31 February never forms on the way
        dst.Title = u"kept"_s, dst.Color = 0x123456, dst.Comments = {u"a"_s};
        QVERIFY(!DecodeProgram(dst, frameFromBytes(encode(src))));
        Program expected = src;
        expected.Title = dst.Title, expected.Color = dst.Color, expected.Comments = dst.Comments;
        QVERIFY(dst.sameContent(expected));
        QCOMPARE(dst.Time, QTime(23, 59));
        QVERIFY(!DecodeProgram(dst, frameFromBytes(encode(EmptySlotProgram(Made), true))));
        QVERIFY(dst.ActionCount == 1 && dst.Active == 0 && dst.TimerOn == 0); // the empty flag never reaches it
        DecodeProgram(dst, frameFromBytes(bytes({0, 1, 0xA0}) + QByteArray(21, 0)));
        QVERIFY(dst.ActionCount == 0 && dst.Active == 1 && dst.TimerOn == 0);
        for (int b : {0x00, 0x7F, 0x80, 0x81, 0xFF})
            QCOMPARE(IsEmptySlot(frameFromBytes(bytes({0, 1, b}) + QByteArray(21, 0))), b >= 0x80);
    }

    void impossibleDateOrTime_isClampedAndReported_data() {
        QTest::addColumn<QString>("tail"); // bytes 13..17
        QTest::addColumn<QDateTime>("when");
        QTest::newRow("month 0") << u"10 0a 1a 08 00"_s << QDateTime({2026, 1, 10}, {8, 0});
        QTest::newRow("31 April") << u"14 1f 1a 08 00"_s << QDateTime({2026, 4, 30}, {8, 0});
        QTest::newRow("day 0") << u"14 00 1a 08 00"_s << QDateTime({2026, 4, 1}, {8, 0});
        QTest::newRow("29 Feb 2023") << u"12 1d 17 08 00"_s << QDateTime({2023, 2, 28}, {8, 0});
        QTest::newRow("hour 24") << u"11 01 1a 18 00"_s << QDateTime({2026, 1, 1}, {23, 0});
        QTest::newRow("minute 60") << u"11 01 1a 05 3c"_s << QDateTime({2026, 1, 1}, {5, 59});
        QTest::newRow("all 0xFF") << u"ff ff ff ff ff"_s << QDateTime({2255, 12, 31}, {23, 59});
    }
    void impossibleDateOrTime_isClampedAndReported() {
        QFETCH(QString, tail);
        Program p;
        QVERIFY(DecodeProgram(p, frameFromBytes(QByteArray(13, 0) + QByteArray::fromHex(tail.toLatin1()))));
        QTEST(QDateTime(p.Date, p.Time), "when");
    }

    void compareFrames_namesTheFieldsThatDiffer_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("fields");
        QTest::newRow("byte 0 is not compared") << 0 << 0x55 << u""_s;
        QTest::newRow("code") << 1 << 18 << u"code"_s;
        QTest::newRow("active flag") << 2 << 0x01 << u"flags"_s;
        QTest::newRow("priority") << 3 << 0x10 << u"flags"_s;
        QTest::newRow("timer mode") << 3 << 0x01 << u"schedule"_s;
        QTest::newRow("month") << 13 << 0x11 << u"schedule"_s;
        QTest::newRow("minute") << 17 << 31 << u"schedule"_s;
        QTest::newRow("kinds 3 and 4: 1 and 3") << 5 << 0x13 << u"action 4"_s;
        QTest::newRow("parameter 6") << 12 << 9 << u"action 6"_s;
        QTest::newRow("value 1") << 18 << 9 << u"action 1"_s;
        QTest::newRow("empty slots, other dates") << -1 << 0 << u""_s;
        QTest::newRow("an empty slot and a program") << -1 << 0x21 << u"flags, schedule"_s;
    }
    void compareFrames_namesTheFieldsThatDiffer() {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, fields);
        Frame expected = frameFromBytes(encode(program(17, {1, 1, 1, 1, 1, 1})));
        Frame actual = expected;
        if (offset < 0) { // empty slots match whatever date and time they carry
            expected = frameFromBytes(encode(EmptySlotProgram(Made), true));
            actual = frameFromBytes(encode(EmptySlotProgram(QDateTime(QDate(2019, 3, 1), QTime(2, 2))), true));
            offset = 2;
            value = value ? value : actual[2].Value;
        }
        actual[offset].Value = quint8(value);
        const SlotDifference d = CompareFrames(17, expected, actual);
        QStringList found;
        for (const auto &[set, name] : {std::pair{d.code, "code"}, {d.flags, "flags"}, {d.schedule, "schedule"}})
            if (set)
                found << QLatin1String(name);
        for (int k : d.actions)
            found << u"action %1"_s.arg(k);
        QCOMPARE(found.join(u", "), fields);
        QCOMPARE(differs(d), !fields.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "test_frame.moc"
