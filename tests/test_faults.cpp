// Faults on the player link, on the in-memory port and on the simulated player behind a
// pseudo-terminal: a player that vanishes at any stage of a run, answers at the edge of the
// watchdog, stays silent on receive, sends bytes before its acknowledgements or a frame
// whose date does not exist. Each run ends with its code and message, and a receive keeps
// only the programs of the slots before the one that failed.

#include "PlayerLinkFixture.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

using namespace LinkFixtures;

namespace {

QString resultText(int code) {
    return LanguageText(TextTable::ComResultTexts, code, English);
}

QString slotOption(int slot, const QByteArray &frame) {
    return QStringLiteral("%1=%2").arg(slot).arg(QString::fromLatin1(frame.toHex()));
}

// Where the PC's bytes of a transmit lie: 25 per slot (command, 24 frame bytes), then 4 per
// name byte (command, bank, address, byte), then the end command.
constexpr int transmitSlotCommand(int slot) {
    return 25 * (slot - 1);
}
constexpr int TransmitNameStart = 25 * 255;
constexpr int TransmitEnd = TransmitNameStart + 4 * 64;
// A receive sends 2 bytes per slot (command, slot number), then the end command.
constexpr int receiveSlotCommand(int slot) {
    return 2 * (slot - 1);
}
constexpr int ReceiveEnd = 2 * 255;

} // namespace

class FaultSuite : public PlayerLinkFixture {
    Q_OBJECT
public:
    FaultSuite()
        : PlayerLinkFixture({1000ms, 60ms}) {}

protected:
    static Project twoProgramProject() {
        Project project;
        project.Group.ProjectName = QStringLiteral("Hall B");
        TORBEXProg three(Now);
        three.Inputs = 3;
        TORBEXProg twoHundred(Now);
        twoHundred.Inputs = 200;
        project.Programs = {twoHundred, three};
        return project;
    }
    // Slot 2 holds program 3, slot 5 program 200.
    static QStringList playerWithTwoPrograms() {
        return {QStringLiteral("--set-slot"), slotOption(2, FrameThree), QStringLiteral("--set-slot"),
                slotOption(5, FrameTwoHundred)};
    }
    static QStringList vanishingAt(int byte) { return {QStringLiteral("--disconnect-at-byte"), QString::number(byte)}; }
    static QList<QByteArray> framesOf(const QList<TORBEXProg> &programs) {
        QList<QByteArray> frames;
        for (const TORBEXProg &p : programs)
            frames.append(frameOf(p));
        return frames;
    }

private slots:
    void disconnectDuringTransmit_endsWithItsCode_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("lastSlot");
        QTest::addColumn<int>("finalized");
        QTest::newRow("command of slot 1") << transmitSlotCommand(1) << 3 << 1 << 0;
        QTest::newRow("frame of slot 2") << transmitSlotCommand(2) + 13 << 3 << 2 << 0;
        QTest::newRow("command of slot 255") << transmitSlotCommand(255) << 3 << 255 << 0;
        QTest::newRow("last frame byte of slot 255") << transmitSlotCommand(255) + 24 << 3 << 255 << 0;
        QTest::newRow("command of name byte 1") << TransmitNameStart << 10 << 255 << 1;
        QTest::newRow("value of name byte 64") << TransmitNameStart + 4 * 63 + 3 << 10 << 255 << 1;
        // The end command's result is not looked at: the programs and the name are in.
        QTest::newRow("end command") << TransmitEnd << 0 << 255 << 1;
    }
    void disconnectDuringTransmit_endsWithItsCode() {
        QFETCH(int, byte);
        QFETCH(int, result);
        QFETCH(int, lastSlot);
        QFETCH(int, finalized);
        QVERIFY(startPlayer(vanishingAt(byte)));
        QVERIFY(openPort());

        QCOMPARE(int(TransmitRun(*link, twoProgramProject(), context())), result);

        QCOMPARE(slotsDone.size(), lastSlot);
        QCOMPARE(slotsDone.last(), lastSlot);
        QCOMPARE(this->finalized, finalized);
        QCOMPARE(prompter.texts(), result == 0 ? QStringList() : QStringList{resultText(result)});
        // Nothing is sent once the player has gone.
        QCOMPARE(player->pcBytes().size(), byte + 1);
        QVERIFY(!link->isOpen());
    }

    void disconnectDuringReceive_keepsOnlyEarlierSlots_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("lastSlot");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::newRow("command of slot 1") << receiveSlotCommand(1) << 3 << 1 << QList<QByteArray>{};
        QTest::newRow("slot number of slot 2") << receiveSlotCommand(2) + 1 << 3 << 2 << QList<QByteArray>{};
        QTest::newRow("command of slot 5") << receiveSlotCommand(5) << 3 << 5 << QList<QByteArray>{FrameThree};
        QTest::newRow("slot number of slot 5") << receiveSlotCommand(5) + 1 << 3 << 5 << QList<QByteArray>{FrameThree};
        QTest::newRow("command of slot 255")
            << receiveSlotCommand(255) << 3 << 255 << QList<QByteArray>{FrameThree, FrameTwoHundred};
        // The end command's result is not looked at.
        QTest::newRow("end command") << ReceiveEnd << 0 << 255 << QList<QByteArray>{FrameThree, FrameTwoHundred};
    }
    void disconnectDuringReceive_keepsOnlyEarlierSlots() {
        QFETCH(int, byte);
        QFETCH(int, result);
        QFETCH(int, lastSlot);
        QFETCH(QList<QByteArray>, frames);
        QVERIFY(startPlayer(playerWithTwoPrograms() + vanishingAt(byte)));
        QVERIFY(openPort());

        const ReceivedPrograms received = ReceiveRun(*link, context());

        QCOMPARE(int(received.result), result);
        QCOMPARE(framesOf(received.programs), frames);
        QCOMPARE(slotsDone.last(), lastSlot);
        QCOMPARE(finalized, lastSlot == 255 && result == 0 ? 1 : 0);
        QCOMPARE(prompter.texts(), result == 0 ? QStringList() : QStringList{resultText(result)});
        QCOMPARE(player->pcBytes().size(), byte + 1);
    }

    void disconnectDuringNameRead_givesMemoryReadError_data() {
        QTest::addColumn<int>("byte");
        QTest::newRow("command of name byte 1") << 0;
        QTest::newRow("address of name byte 30") << 3 * 29 + 2;
        QTest::newRow("command of name byte 64") << 3 * 63;
    }
    void disconnectDuringNameRead_givesMemoryReadError() {
        QFETCH(int, byte);
        QVERIFY(startPlayer(vanishingAt(byte)));
        QString name = QStringLiteral("unchanged");
        QCOMPARE(ReadProjectName(*link, player->portName(), name, context()), ComCode::EepromReadError);
        QCOMPARE(name, QStringLiteral("unchanged"));
        QCOMPARE(prompter.texts(), QStringList{resultText(ComCode::EepromReadError)});
        QVERIFY(!link->isOpen());
    }

    void silentPlayer_failsReceiveAtSlotOneWithNothingKept() {
        QVERIFY(startPlayer(playerWithTwoPrograms() + QStringList{QStringLiteral("--silent")}, {300ms, 60ms}));
        QVERIFY(openPort());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::NotReady);
        QVERIFY(received.programs.isEmpty());
        QCOMPARE(slotsDone, QList<int>{1});
        QCOMPARE(finalized, 0);
        QCOMPARE(prompter.texts(), QStringList{resultText(ComCode::NotReady)});
        QCOMPARE(player->pcBytes(), QByteArray(1, char(0x0B)));
    }

    void garbageBeforeEveryAcknowledgement_changesNothing_data() {
        QTest::addColumn<QString>("garbage");
        QTest::newRow("one zero byte") << QStringLiteral("00");
        QTest::newRow("command bytes") << QStringLiteral("0a0b0c080e09");
        QTest::newRow("more than a frame") << QStringLiteral("ff").repeated(30);
    }
    void garbageBeforeEveryAcknowledgement_changesNothing() {
        QFETCH(QString, garbage);
        QVERIFY(startPlayer({QStringLiteral("--garbage"), garbage}));
        QVERIFY(openPort());
        QCOMPARE(TransmitRun(*link, twoProgramProject(), context()), ComCode::Ok);
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QCOMPARE(received.programs.size(), 2);
        QCOMPARE(received.programs[0].Inputs, quint8(3));
        QCOMPARE(received.programs[1].Inputs, quint8(200));
        QCOMPARE(link->CloseComPort(), ComCode::Ok);
        QString name;
        QCOMPARE(ReadProjectName(*link, player->portName(), name, context()), ComCode::Ok);
        QCOMPARE(ShownProjectName(name), QStringLiteral("Hall B"));
        QVERIFY(prompter.shown.isEmpty());
    }

    void impossibleDateInFrame_isCorrectedAndNamed_data() {
        QTest::addColumn<QByteArray>("dateBytes"); // bytes 13..17 of the frame
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("day 0") << QByteArray::fromHex("6c001a0e1e") << QDate(2026, 12, 1) << QTime(14, 30);
        QTest::newRow("31 April") << QByteArray::fromHex("641f1a0e1e") << QDate(2026, 4, 30) << QTime(14, 30);
        QTest::newRow("29 February 2025") << QByteArray::fromHex("621d190e1e") << QDate(2025, 2, 28) << QTime(14, 30);
        QTest::newRow("month 0") << QByteArray::fromHex("60051a0e1e") << QDate(2026, 1, 5) << QTime(14, 30);
        QTest::newRow("24:60") << QByteArray::fromHex("6c051a183c") << QDate(2026, 12, 5) << QTime(23, 59);
    }
    void impossibleDateInFrame_isCorrectedAndNamed() {
        QFETCH(QByteArray, dateBytes);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QByteArray frame = FrameTwoHundred;
        frame.replace(13, 5, dateBytes);
        QVERIFY(startPlayer({QStringLiteral("--set-slot"), slotOption(9, frame)}));
        QVERIFY(openPort());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QCOMPARE(received.programs.size(), 1);
        QCOMPARE(received.programs[0].Date, date);
        QCOMPARE(received.programs[0].Time, time);
        QCOMPARE(received.programs[0].DayOftheWeek, quint8(6));
        QCOMPARE(received.correctedSlots, QList<int>{9});
        QVERIFY(prompter.shown.isEmpty());
    }
};

class FakePortFaultTest : public FaultSuite {
    Q_OBJECT
protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<FakeBackend>(); }
    FakePlayerPort &fake() { return static_cast<FakeBackend &>(*player).fake(); }

private slots:
    // The real 10-second watchdog on the port's virtual time: no real waiting.
    void answerAtTheWatchdogsEdge_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("elapsedMs");
        QTest::newRow("9.9 s: just in time")
            << QStringList{QStringLiteral("--delay"), QStringLiteral("9900")} << int(ComCode::Ok) << 9900;
        QTest::newRow("10.1 s: too late")
            << QStringList{QStringLiteral("--delay"), QStringLiteral("10100")} << int(ComCode::NotReady) << 10000;
        QTest::newRow("silent") << QStringList{QStringLiteral("--silent")} << int(ComCode::NotReady) << 10000;
    }
    void answerAtTheWatchdogsEdge() {
        QFETCH(QStringList, options);
        QFETCH(int, result);
        QFETCH(int, elapsedMs);
        QVERIFY(startPlayer(options));
        fake().virtualTime = true;
        link->setTiming({10000ms, 60ms});
        link->setWatchdogClock(fake().virtualClock());
        QVERIFY(openPort());
        QElapsedTimer real;
        real.start();
        QCOMPARE(int(link->SendByteWithAck(0x0C)), result);
        QCOMPARE(fake().nowMs(), elapsedMs);
        QVERIFY(real.elapsed() < 1000);
    }

    // The player goes while its answer is on the way: the read of the given answer byte fails.
    void lostDeviceInTheMiddleOfAFrame_keepsOnlyEarlierSlots_data() {
        QTest::addColumn<int>("bytesRead");
        QTest::addColumn<QList<QByteArray>>("frames");
        // Each slot reads 27 bytes: two acknowledgements, 24 frame bytes, the closing byte.
        QTest::newRow("frame byte 1 of slot 2") << 27 + 2 << QList<QByteArray>{};
        QTest::newRow("frame byte 13 of slot 5") << 4 * 27 + 2 + 12 << QList<QByteArray>{FrameThree};
        QTest::newRow("closing byte of slot 5") << 4 * 27 + 26 << QList<QByteArray>{FrameThree};
    }
    void lostDeviceInTheMiddleOfAFrame_keepsOnlyEarlierSlots() {
        QFETCH(int, bytesRead);
        QFETCH(QList<QByteArray>, frames);
        QVERIFY(startPlayer(playerWithTwoPrograms()));
        QVERIFY(openPort());
        fake().failReadAfter = bytesRead;
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::ReadError);
        QCOMPARE(framesOf(received.programs), frames);
        QCOMPARE(slotsDone.last(), bytesRead / 27 + 1);
        QCOMPARE(prompter.texts(), QStringList{resultText(ComCode::ReadError)});
    }
};

class PtyFaultTest : public FaultSuite {
    Q_OBJECT
protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<PtyBackend>(); }

private slots:
    // Two processes in real time: the watchdog scaled down ten times (1000 ms), answers 10 %
    // inside and outside it, since a wake-up on a loaded machine can come 10 ms late.
    void answerNearTheWatchdog_data() {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("result");
        QTest::newRow("9 s: in time") << 900 << int(ComCode::Ok);
        QTest::newRow("11 s: too late") << 1100 << int(ComCode::NotReady);
    }
    void answerNearTheWatchdog() {
        QFETCH(int, delayMs);
        QFETCH(int, result);
        QVERIFY(startPlayer({QStringLiteral("--delay"), QString::number(delayMs)}, {1000ms, 60ms}));
        QVERIFY(openPort());
        QCOMPARE(int(link->SendByteWithAck(0x0C)), result);
        QCOMPARE(link->CloseComPort(), ComCode::Ok);
    }
};

int main(int argc, char *argv[]) {
    return runLinkSuites<FakePortFaultTest, PtyFaultTest>(argc, argv);
}

#include "test_faults.moc"
