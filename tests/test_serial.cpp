// The player link against the simulated player: the same suite runs on the in-memory port and
// on a pseudo-terminal through QSerialPort.

#include "PlayerLinkFixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace std::chrono_literals;

using namespace LinkFixtures;

namespace {

const QString NotReady = QStringLiteral("Transmission Error : MP3 player not ready");
const QString ReadingError = QStringLiteral("Reading Error on COM port");

// Slot n as an empty frame made at Now (9 March 2026, 10:45).
QByteArray emptyFrameAtNow(int n) {
    QByteArray f = QByteArray::fromHex("00008100111111000000000000"
                                       "13091a0a2d"
                                       "ffffffffffff");
    f[1] = char(n);
    return f;
}

// Active, timer on, priority, 3 actions, weekly; kinds 4 0 8 0 0 0; 29 Feb 2024 07:05.
TORBEXProg programThree() {
    TORBEXProg p(Now);
    p.Inputs = 3;
    p.Active = 1;
    p.TimerOn = 1;
    p.Priority = 1;
    p.ActionCount = 3;
    p.TimerMode = 2;
    p.ActionKind = {4, 0, 8, 0, 0, 0};
    p.ActionParam = {10, 0, 12, 0, 0, 0};
    p.ActionValue = {20, 0, 0, 0, 0, 0};
    p.DayOftheWeek = 1;
    p.Date = QDate(2024, 2, 29);
    p.Time = QTime(7, 5);
    return p;
}

// Active, timer off, daily; kinds 3 1 1 1 1 1; Saturday 5 Dec 2026 14:30.
TORBEXProg programTwoHundred() {
    TORBEXProg p(Now);
    p.Inputs = 200;
    p.Active = 1;
    p.TimerOn = 0;
    p.ActionCount = 1;
    p.TimerMode = 1;
    p.ActionKind = {3, 1, 1, 1, 1, 1};
    p.ActionParam = {5, 0, 0, 0, 0, 0};
    p.ActionValue = {255, 255, 255, 255, 255, 255};
    p.DayOftheWeek = 6;
    p.Date = QDate(2026, 12, 5);
    p.Time = QTime(14, 30);
    return p;
}

} // namespace

class LinkSuite : public PlayerLinkFixture {
    Q_OBJECT
public:
    LinkSuite()
        : PlayerLinkFixture({300ms, 60ms}) {}

protected:
    Project twoProgramProject(const QString &name) {
        Project project;
        project.Group.ProjectName = name;
        project.Programs = {programTwoHundred(), programThree()};
        return project;
    }

private slots:
    void fixtures_matchTheCodec() {
        QCOMPARE(frameOf(programThree()), FrameThree);
        QCOMPARE(frameOf(programTwoHundred()), FrameTwoHundred);
    }

    void fullTransmit_sendsSlotsInOrderThenNameThenEnd_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("nameBytes");
        const QString seventy = QStringLiteral("0123456789").repeated(7);
        QTest::newRow("70 characters are cut to 64") << seventy << seventy.left(64).toLatin1();
        QTest::newRow("5 characters are padded with zeros")
            << QStringLiteral("Hello") << QByteArray("Hello") + QByteArray(59, '\0');
    }
    void fullTransmit_sendsSlotsInOrderThenNameThenEnd() {
        QFETCH(QString, name);
        QFETCH(QByteArray, nameBytes);
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());

        QCOMPARE(TransmitRun(*link, twoProgramProject(name), context()), ComCode::Ok);

        QByteArray expected;
        for (int n = 1; n <= 255; ++n)
            expected += char(0x0A) + (n == 3 ? FrameThree : n == 200 ? FrameTwoHundred : emptyFrameAtNow(n));
        for (int i = 0; i < 64; ++i)
            expected += QByteArray::fromHex("0860") + char(0x10 + i) + nameBytes.at(i);
        expected += char(0x0C);
        QCOMPARE(player->pcBytes(), expected);
        QCOMPARE(slotsDone.size(), 255);
        QCOMPARE(slotsDone.last(), 255);
        QCOMPARE(finalized, 1);
        QVERIFY(prompter.shown.isEmpty());
    }

    void receive_givesBackWhatTransmitSent() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        const QString name = QStringLiteral("Hall B");
        QCOMPARE(TransmitRun(*link, twoProgramProject(name), context()), ComCode::Ok);
        slotsDone.clear();

        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QCOMPARE(received.programs.size(), 2);
        QCOMPARE(frameOf(received.programs[0]), FrameThree);
        QCOMPARE(frameOf(received.programs[1]), FrameTwoHundred);
        QVERIFY(received.correctedSlots.isEmpty());
        QCOMPARE(slotsDone.size(), 255);
        QCOMPARE(link->CloseComPort(), ComCode::Ok);

        QString read;
        QCOMPARE(ReadProjectName(*link, player->portName(), read, context()), ComCode::Ok);
        QCOMPARE(read.size(), 64);
        QCOMPARE(ShownProjectName(read), name);
        QVERIFY(!link->isOpen());
        QVERIFY(prompter.shown.isEmpty());

        // After the transmit: 255 slot reads, the end command, then 64 memory reads.
        QByteArray tail;
        for (int n = 1; n <= 255; ++n)
            tail += char(0x0B) + QByteArray(1, char(n));
        tail += char(0x0C);
        for (int i = 0; i < 64; ++i)
            tail += QByteArray::fromHex("0960") + char(0x10 + i);
        QVERIFY(player->pcBytes().endsWith(tail));
    }

    void receive_namesSlotsWhoseDateWasCorrected() {
        // Slot 17 holds month 13 and minute 61; slot 40 a valid program.
        QVERIFY(startPlayer({QStringLiteral("--set-slot"),
                             QStringLiteral("17=00112101311111000000000000") + "1d0f1a083d" + "ffffffffffff",
                             QStringLiteral("--set-slot"),
                             QStringLiteral("40=") + QString::fromLatin1(FrameThree.toHex())}));
        QVERIFY(openPort());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QCOMPARE(received.programs.size(), 2);
        QCOMPARE(received.programs[0].Inputs, quint8(17));
        QCOMPARE(received.programs[0].Date, QDate(2026, 12, 15));
        QCOMPARE(received.programs[0].Time, QTime(8, 59));
        QCOMPARE(received.correctedSlots, QList<int>{17});
        // The frame carries 3 in byte 1, whatever slot it was read from.
        QCOMPARE(received.programs[1].Inputs, quint8(3));
    }

    void emptyPlayer_receivesNoPrograms() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QVERIFY(received.programs.isEmpty());
        QCOMPARE(finalized, 1);
    }

    void silentPlayer_failsWithNotReadyOnFirstCommand() {
        QVERIFY(startPlayer({QStringLiteral("--silent")}));
        QVERIFY(openPort());
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(TransmitRun(*link, twoProgramProject(QStringLiteral("x")), context()), ComCode::NotReady);
        QVERIFY(elapsed.elapsed() >= 300);
        QCOMPARE(player->pcBytes(), QByteArray(1, char(0x0A)));
        QCOMPARE(prompter.texts(), QStringList{NotReady});
        QCOMPARE(slotsDone, QList<int>{1});
        QCOMPARE(finalized, 0);
    }

    void silentPlayer_failsNameReadWithEepromMessage() {
        QVERIFY(startPlayer({QStringLiteral("--silent")}));
        QString name;
        QCOMPARE(ReadProjectName(*link, player->portName(), name, context()), ComCode::EepromReadError);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Reading in EEPROM Error")});
        QVERIFY(!link->isOpen());
    }

    void playerWithoutFrameAck_stopsAtSlotOne() {
        QVERIFY(startPlayer({QStringLiteral("--no-frame-ack")}));
        QVERIFY(openPort());
        QCOMPARE(TransmitRun(*link, twoProgramProject(QStringLiteral("x")), context()), ComCode::NotReady);
        QCOMPARE(player->pcBytes(), char(0x0A) + emptyFrameAtNow(1));
        QCOMPARE(prompter.texts(), QStringList{NotReady});
    }

    void nameWriteFailure_showsEepromMessageAndSendsNoEnd() {
        // 255 slot exchanges and 3 name bytes, then the player vanishes.
        QVERIFY(startPlayer({QStringLiteral("--disconnect-after"), QStringLiteral("258")}));
        QVERIFY(openPort());
        QCOMPARE(TransmitRun(*link, Project(), context()), ComCode::EepromWriteError);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Writing in EEPROM Error")});
        QVERIFY(!player->pcBytes().endsWith(char(0x0C)));
    }

    void vanishingPlayer_failsWithReadErrorAtOnce() {
        QVERIFY(startPlayer({QStringLiteral("--disconnect-after"), QStringLiteral("5")}, {5000ms, 60ms}));
        QVERIFY(openPort());
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(TransmitRun(*link, Project(), context()), ComCode::ReadError);
        QVERIFY2(elapsed.elapsed() < 2500, "the lost device was noticed only by the watchdog");
        QCOMPARE(slotsDone.last(), 6);
        QCOMPARE(prompter.texts(), QStringList{ReadingError});
    }

    void garbageBeforeAcknowledgements_isIgnored() {
        QVERIFY(startPlayer({QStringLiteral("--garbage"), QStringLiteral("00ff5502")}));
        QVERIFY(openPort());
        QCOMPARE(TransmitRun(*link, twoProgramProject(QStringLiteral("G")), context()), ComCode::Ok);
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(received.result, ComCode::Ok);
        QCOMPARE(received.programs.size(), 2);
        QCOMPARE(frameOf(received.programs[0]), FrameThree);
    }

    void lateAnswer_data() {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("watchdogMs");
        QTest::addColumn<int>("result");
        QTest::newRow("within the watchdog") << 40 << 400 << int(ComCode::Ok);
        QTest::newRow("beyond the watchdog") << 300 << 100 << int(ComCode::NotReady);
    }
    void lateAnswer() {
        QFETCH(int, delayMs);
        QFETCH(int, watchdogMs);
        QFETCH(int, result);
        QVERIFY(startPlayer({QStringLiteral("--delay"), QString::number(delayMs)},
                            {std::chrono::milliseconds(watchdogMs), 60ms}));
        QVERIFY(openPort());
        QCOMPARE(int(SendCommandPair(*link, 0x0E, 12)), result);
    }

    void commandPair_sendsCommandThenValue() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        QCOMPARE(SendCommandPair(*link, 0x0E, 12), ComCode::Ok);
        QCOMPARE(EndTransfer(*link), ComCode::Ok);
        QCOMPARE(player->pcBytes(), QByteArray::fromHex("0e0c0c"));
    }

    void memoryByte_readsBackWhatWasWritten() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        QCOMPARE(WriteEepromByte(*link, 0x60, 0x21, 0xA7), ComCode::Ok);
        quint8 answer = 0;
        QCOMPARE(ReadEepromByte(*link, 0x60, 0x21, answer), ComCode::Ok);
        QCOMPARE(answer, quint8(0xA7));
    }

    void acknowledgementWait_keepsEventLoopServed() {
        QVERIFY(startPlayer({QStringLiteral("--silent")}));
        QVERIFY(openPort());
        int ticks = 0;
        QTimer timer;
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start();
        QCOMPARE(link->SendByteWithAck(0x0C), ComCode::NotReady);
        QVERIFY2(ticks >= 10, qPrintable(QStringLiteral("only %1 ticks of a 10 ms timer in 300 ms").arg(ticks)));
    }
};

class FakePortLinkTest : public LinkSuite {
    Q_OBJECT
protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<FakeBackend>(); }
    FakePlayerPort &fake() { return static_cast<FakeBackend &>(*player).fake(); }

private slots:
    void portThatDoesNotOpen_givesOpenError() {
        QVERIFY(startPlayer({}));
        fake().refuseOpen = true;
        QCOMPARE(link->OpenComPort(QStringLiteral("fake")), ComCode::OpenError);
        QVERIFY(!link->isOpen());
    }

    void failedPurge_givesInitializationErrorBeforeSending() {
        QVERIFY(startPlayer({}));
        QCOMPARE(link->OpenComPort(QStringLiteral("fake")), ComCode::Ok);
        fake().failPurge = true;
        Frame frame;
        EncodeProgram(programThree(), frame, false);
        QCOMPARE(SendProgram(*link, frame), ComCode::PurgeError);
        QVERIFY(fake().written.isEmpty());
    }

    void failedWrite_givesWriteError() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        fake().failWriteAt = 4;
        Frame frame;
        EncodeProgram(programThree(), frame, false);
        QCOMPARE(SendProgram(*link, frame), ComCode::WriteError);
        QCOMPARE(fake().written.size(), 4);
    }

    void readFailureDuringWait_givesReadErrorAtOnce() {
        QVERIFY(startPlayer({QStringLiteral("--silent")}, {5000ms, 60ms}));
        QVERIFY(openPort());
        fake().failReadAfter = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(link->SendByteWithAck(0x0A), ComCode::ReadError);
        QVERIFY(elapsed.elapsed() < 1000);
    }

    void missingClosingByte_stillGivesTheFrame() {
        QVERIFY(startPlayer(
            {QStringLiteral("--set-slot"), QStringLiteral("3=") + QString::fromLatin1(FrameThree.toHex())}));
        QVERIFY(openPort());
        // Drop the closing 0x01 after the 24 frame bytes.
        fake().rewriteAnswer = [](const QByteArray &a) { return a.size() == 26 ? a.left(25) : a; };
        Frame frame;
        QCOMPARE(ReceiveProgram(*link, 3, frame), ComCode::Ok);
        QCOMPARE(frameBytes(frame), FrameThree);
        QCOMPARE(link->ReceiveFrame(frame), ComCode::NotReady); // nothing more: two reads, no watchdog
    }

    void acknowledgementAfterOtherBytes_ends() {
        QVERIFY(startPlayer({QStringLiteral("--garbage"), QStringLiteral("0000")}));
        QVERIFY(openPort());
        QCOMPARE(link->SendByteWithAck(0x0E), ComCode::Ok);
    }
};

class PtyLinkTest : public LinkSuite {
    Q_OBJECT
protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<PtyBackend>(); }

private slots:
    void absentDevice_givesOpenError() {
        QtSerialPortIo io;
        ComLink absent(io);
        QCOMPARE(absent.OpenComPort(QStringLiteral("/dev/quillon-no-such-port")), ComCode::OpenError);
        QVERIFY(!absent.isOpen());
    }

    void portInUse_givesOpenError() {
        QVERIFY(startPlayer({}));
        QVERIFY(openPort());
        QtSerialPortIo second;
        ComLink other(second);
        QCOMPARE(other.OpenComPort(player->portName()), ComCode::OpenError);
    }

    void portList_holdsExtraPortsThatOpen() {
        QVERIFY(startPlayer({}));
        const QString absent = QStringLiteral("/dev/quillon-no-such-port");
        qputenv("QUILLON_EXTRA_PORTS", (absent + QLatin1Char(':') + player->portName()).toLocal8Bit());
        QStringList ports;
        ListComPorts(ports);
        qunsetenv("QUILLON_EXTRA_PORTS");
        QVERIFY(ports.contains(player->portName()));
        QVERIFY(!ports.contains(absent));
    }

    void symbolicLink_reachesThePlayer() {
        QTemporaryDir dir;
        const QString linkPath = dir.filePath(QStringLiteral("player"));
        QVERIFY(startPlayer({QStringLiteral("--link"), linkPath}));
        QCOMPARE(link->OpenComPort(linkPath), ComCode::Ok);
        QCOMPARE(SendCommandPair(*link, 0x0E, 7), ComCode::Ok);
    }

    void stoppedPlayer_failsWithReadErrorAtOnce() {
        QVERIFY(startPlayer({}, {5000ms, 60ms}));
        QVERIFY(openPort());
        QCOMPARE(SendCommandPair(*link, 0x0E, 1), ComCode::Ok);
        auto &pty = static_cast<PtyBackend &>(*player);
        pty.process().kill();
        pty.process().waitForFinished(5000);
        QElapsedTimer elapsed;
        elapsed.start();
        const ComResult code = SendCommandPair(*link, 0x0E, 2);
        QVERIFY2(code == ComCode::ReadError, qPrintable(QString::number(code)));
        QVERIFY(elapsed.elapsed() < 2500);
        QVERIFY(!link->isOpen());
    }
};

int main(int argc, char *argv[]) {
    return runLinkSuites<FakePortLinkTest, PtyLinkTest>(argc, argv);
}

#include "test_serial.moc"
