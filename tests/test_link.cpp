// The player link against the simulated player, in memory (in virtual time) and on a pseudo-terminal,
// with the fault matrix of every run; PC remote mode in memory; quillon-cli's link commands.
#include "LinkBackends.h"
#include "TestSupport.h"
#include "player/PlayerLink.h"
#include "player/RemoteTrigger.h"
#include "player/VerifyPlayer.h"
#include "project/PlayerBackup.h"
#include "project/ProjectFile.h"
#include "text/LinkText.h"
#include "text/Translation.h"

#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 3, 9), QTime(10, 45)), Half(Now.date(), QTime(8, 30));
// Code 3, active, timer on, priority, 3 actions, weekly; kinds 4 0 8 0 0 0; 29 Feb 2024 07:05.
const QByteArray FrameThree =
    QByteArray::fromHex("00 03 33 12 40 80 00 0a 00 0c 00 00 00 12 1d 18 07 05 14 00 00 00 00 00");
// Code 200, active, timer off, daily; kinds 3 1 1 1 1 1; Saturday 5 Dec 2026 14:30.
const QByteArray FrameTwoHundred =
    QByteArray::fromHex("00 c8 21 01 31 11 11 05 00 00 00 00 00 6c 05 1a 0e 1e ff ff ff ff ff ff");

// `frame` as the player keeps it in slot `slot`: with that code.
const auto inSlot = [](int slot, QByteArray frame) { return frame.replace(1, 1, QByteArray(1, char(slot))); };

Program decoded(const QByteArray &frame) {
    Program p(Now);
    DecodeProgram(p, frameFromBytes(frame));
    return p;
}

QList<QByteArray> framesOf(const QList<Program> &programs) {
    QList<QByteArray> frames;
    for (const Program &p : programs)
        frames.append(frameBytes(BuildSlotFrame({{}, {p}}, p.Code, p)));
    return frames;
}

Project hallB() {
    Project project{{}, {decoded(FrameTwoHundred), decoded(FrameThree)}};
    project.Properties.ProjectName = QStringLiteral("Hall B");
    return project;
}

QStringList withSlot(int slot, const QByteArray &frame) {
    return {u"--set-slot"_s, QStringLiteral("%1=%2").arg(slot).arg(QString::fromLatin1(frame.toHex()))};
}

// Daily at `time`, first action "go to" `target`: a program PC remote mode triggers.
Program remoteProgram(QTime time, quint8 target) {
    Program p = decoded(FrameTwoHundred);
    p.TimerOn = 1, p.Time = time, p.ActionKind[0] = KindGoToProgram, p.ActionParam[0] = target;
    return p;
}

} // namespace

class LinkSuite : public QObject {
    Q_OBJECT
protected:
    explicit LinkSuite(LinkTiming timing)
        : m_timing(timing) {}
    const LinkTiming m_timing;
    virtual std::unique_ptr<PlayerBackend> makeBackend() = 0;
    // A fault of the in-memory port, once open: "purge", "write N" or "read N" fails, "mute N" drops
    // the answers from the PC's byte N on.
    virtual void makePortFault(const QStringList &) {}
    virtual qint64 virtualMs() const { return -1; } // the in-memory port's clock; -1 in real time
    virtual bool inMemory() const { return false; }
    // A row of the fault matrix, when this suite's port can play it: only the in-memory port fails
    // its own purge, writes or reads, or drops answers.
    void faultRow(const char *tag, const QString &row) {
        if (inMemory() || !QStringList{"purge", "write", "read", "mute"}.contains(row.section(u' ', 0, 0)))
            QTest::newRow(tag) << row;
    }
    std::unique_ptr<PlayerBackend> player;
    std::unique_ptr<ComLink> link;
    std::unique_ptr<LinkThread> thread;
    // Serves the event loop until the link thread's run has ended.
    [[nodiscard]] bool idle() {
        return QTest::qWaitFor([this] { return !thread->isBusy(); }, 20000);
    }
    ManualClock clock{Now};
    QList<int> slotsDone;
    int finalized = 0;
    QStringList failures; // "slot 6: 3", "name 4: 10", ...
    [[nodiscard]] bool startPlayer(const QStringList &options, std::optional<LinkTiming> timing = {}) {
        player = makeBackend();
        slotsDone.clear(), failures.clear(), finalized = 0;
        link = player->start(options) ? player->link(timing.value_or(m_timing)) : nullptr;
        return link != nullptr;
    }
    [[nodiscard]] bool openPort() { return link->OpenComPort(player->portName()) == ComCode::Ok; }
    TransferContext context() {
        static const char *steps[] = {"open", "slot", "name", "name", "close"};
        return TransferContext{clock, [this](int n) { slotsDone.append(n); }, [this] { ++finalized; },
                               [this](const LinkFailure &f) {
                                   failures << QStringLiteral("%1 %2: %3").arg(steps[f.step]).arg(f.index).arg(f.code);
                               }};
    }

private slots:
    void cleanup() { thread.reset(), link.reset(), player.reset(); }
    // The name is cut to 64 characters or padded with zeros. Bytes the player sends before its
    // acknowledgements are ignored (up to 31 before each: the watchdog is long enough for them).
    void transmitReceiveVerifyAndNameRead_giveBackWhatTransmitSent_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("garbage");
        QTest::newRow("honest player, 70 characters") << u"0123456789"_s.repeated(7) << QStringList();
        QTest::newRow("command bytes") << u"Hall B"_s << QStringList{"--garbage", "0a0b0c080e09"};
        QTest::newRow("more than a frame") << u"Hall B"_s << QStringList{"--garbage", u"ff"_s.repeated(30)};
    }
    void transmitReceiveVerifyAndNameRead_giveBackWhatTransmitSent() {
        QFETCH(QString, name);
        QFETCH(QStringList, garbage);
        QVERIFY(startPlayer(garbage) && openPort());
        Project project = hallB();
        project.Properties.ProjectName = name;
        QCOMPARE(TransmitRun(*link, project, context()), ComCode::Ok);
        QVERIFY(slotsDone.size() == 255 && slotsDone.last() == 255 && finalized == 1 && failures.isEmpty());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QVERIFY(received.result == ComCode::Ok && received.correctedSlots.isEmpty());
        QCOMPARE(framesOf(received.programs), (QList<QByteArray>{FrameThree, FrameTwoHundred}));
        const VerifyResult same = VerifyRun(*link, project, context());
        QVERIFY(same.result == ComCode::Ok && same.differing.isEmpty() && !same.nameDiffers);
        Project changed = project;
        changed.Properties.ProjectName = u"Hall C"_s;
        changed.Programs[1].Time = QTime(7, 6); // program 3: its minute and the parameter of action 2
        changed.Programs[1].ActionParam[1] = 99;
        const VerifyResult result = VerifyRun(*link, changed, context());
        QVERIFY(result.result == ComCode::Ok && result.nameDiffers && result.playerName == name.left(64));
        QVERIFY((result.differing == QList<SlotDifference>{{3, false, false, true, {2}}}));
        QString read;
        QVERIFY(link->CloseComPort() == ComCode::Ok &&
                ReadProjectName(*link, player->portName(), read, context()) == ComCode::Ok);
        QVERIFY(read.size() == 64 && ShownProjectName(read) == name.left(64) && !link->isOpen());
        QVERIFY(slotsDone.size() == 4 * 255 && finalized == 4 && failures.isEmpty());
        // The transmit: every slot in order, the empty ones dated at the run's start, the name, the end.
        // The second verify: its 255 slot reads, the end, its name read, then the other name read.
        const QByteArray empty =
            QByteArray::fromHex("00 00 81 00 11 11 11 00 00 00 00 00 00 13 09 1a 0a 2d ff ff ff ff ff ff");
        QByteArray sent, tail;
        for (int n = 1; n <= 255; ++n) {
            sent += char(0x0A) + (n == 3 ? FrameThree : n == 200 ? FrameTwoHundred : inSlot(n, empty));
            tail += char(0x0B) + QByteArray(1, char(n));
        }
        tail += char(0x0C);
        const QByteArray nameBytes = (name.toLatin1() + QByteArray(64, 0)).left(64);
        for (int i = 0; i < 64; ++i) {
            sent += QByteArray::fromHex("0860") + char(0x10 + i) + nameBytes.at(i);
            tail += QByteArray::fromHex("0960") + char(0x10 + i);
        }
        const QByteArray bytes = player->pcBytes();
        QCOMPARE(bytes.left(sent.size() + 1), sent + char(0x0C));
        QVERIFY(bytes.endsWith(tail + tail.right(64 * 3)));
    }
    // Where each run ends when the player or the port fails at a given point: its code, the
    // last slot it reported, its failure, the bytes the PC sent and the programs a receive
    // keeps (of slots 2 and 5, which the player holds).
    void faultMatrix_data() {
        QTest::addColumn<QString>("row");
        // A transmit sends 25 bytes per slot, then 4 per name byte (from 6375), then the end (6631).
        faultRow("transmit: silent", u"silent | 9 | 1 | slot 1: 9 | 1"_s);
        faultRow("transmit: no frame ack", u"no-frame-ack | 9 | 1 | slot 1: 9 | 25"_s);
        faultRow("transmit: purge fails", u"purge | 1 | 1 | slot 1: 1 | 0"_s);
        faultRow("transmit: write 5 fails", u"write 4 | 2 | 1 | slot 1: 2 | 4"_s);
        faultRow("transmit: read fails", u"read 0 | 3 | 1 | slot 1: 3 | 1"_s);
        faultRow("transmit: gone at slot 1", u"disconnect-at-byte 0 | 3 | 1 | slot 1: 3 | 1"_s);
        // The in-memory port fails the write; a pseudo-terminal may take the rest of the frame into
        // its buffer, and then the loss shows at the acknowledgement ("2/2,3": in memory /
        // pseudo-terminal, "?" the code given).
        faultRow("transmit: gone in frame 2", u"disconnect-at-byte 38 | 2/2,3 | 2 | slot 2: ? | 39"_s);
        faultRow("transmit: gone after 5 slots", u"disconnect-after 5 | 3 | 6 | slot 6: 3 | 126"_s);
        faultRow("transmit: gone at its last byte", u"disconnect-at-byte 6374 | 3 | 255 | slot 255: 3 | 6375"_s);
        faultRow("transmit: gone at name byte 1", u"disconnect-at-byte 6375 | 10 | 255 | name 1: 10 | 6376"_s);
        faultRow("transmit: name byte 1 unanswered", u"mute 6375 | 10 | 255 | name 1: 10 | 6376"_s);
        faultRow("transmit: gone at name byte 64", u"disconnect-at-byte 6630 | 10 | 255 | name 64: 10 | 6631"_s);
        faultRow("transmit: gone at the end", u"disconnect-at-byte 6631 | 0 | 255 |  | 6632"_s);
        // A receive sends 2 bytes per slot, then the end (510), and reads 27 bytes per slot.
        faultRow("receive: silent", u"silent | 9 | 1 | slot 1: 9 | 1 | 0"_s);
        faultRow("receive: gone at number 2", u"disconnect-at-byte 3 | 3 | 2 | slot 2: 3 | 4 | 0"_s);
        faultRow("receive: lost in frame 2", u"read 29 | 3 | 2 | slot 2: 3 | 4 | 0"_s);
        faultRow("receive: gone at slot 5", u"disconnect-at-byte 8 | 3 | 5 | slot 5: 3 | 9 | 1"_s);
        faultRow("receive: lost at closing 5", u"read 134 | 3 | 5 | slot 5: 3 | 10 | 1"_s);
        faultRow("receive: gone at slot 255", u"disconnect-at-byte 508 | 3 | 255 | slot 255: 3 | 509 | 2"_s);
        faultRow("receive: gone at the end", u"disconnect-at-byte 510 | 0 | 255 |  | 511 | 2"_s);
        // A frame whose code is not the slot asked for means a lost step: the run ends there.
        faultRow("receive: program 3 in slot 40",
                 u"set-slot 40=%1 | 3 | 40 | slot 40: 3 | 80 | 2"_s.arg(QString::fromLatin1(FrameThree.toHex())));
        // A name read sends 3 bytes per name byte; a verify reads 255 slots, ends, then the name.
        faultRow("name: silent", u"silent | 11 | 0 | name 1: 11 | 1"_s);
        faultRow("name: gone at byte 64", u"disconnect-at-byte 189 | 11 | 0 | name 64: 11 | 190"_s);
        faultRow("verify: gone at slot 5", u"disconnect-at-byte 8 | 3 | 4 | slot 5: 3 | 9"_s);
        faultRow("verify: gone at name byte 1", u"disconnect-at-byte 511 | 3 | 255 | name 1: 3 | 512"_s);
    }
    void faultMatrix() {
        QFETCH(QString, row);
        const QStringList f = row.split(u'|'), fault = f[0].trimmed().split(u' ');
        const QString run = QString::fromLatin1(QTest::currentDataTag()).section(u':', 0, 0);
        const bool portFault = QStringList{"purge", "write", "read", "mute"}.contains(fault[0]);
        QVERIFY(startPlayer(
            withSlot(2, inSlot(2, FrameThree)) + withSlot(5, inSlot(5, FrameTwoHundred)) +
            (portFault ? QStringList() : QStringList{"--" + fault[0], fault.value(1)}.first(fault.size()))));
        QString name = u"unchanged"_s;
        ReceivedPrograms received;
        QVERIFY(run == u"name" || openPort()); // a name read opens the port itself
        if (portFault)
            makePortFault(fault);
        const ComResult code = run == u"name"       ? ReadProjectName(*link, player->portName(), name, context())
                               : run == u"transmit" ? TransmitRun(*link, hallB(), context())
                               : run == u"verify"   ? VerifyRun(*link, hallB(), context()).result
                                                    : (received = ReceiveRun(*link, context())).result;
        const QString expected = f[1].trimmed().section(u'/', virtualMs() < 0 ? -1 : 0, virtualMs() < 0 ? -1 : 0);
        QVERIFY2(expected.split(u',').contains(QString::number(code)), qPrintable(QString::number(code)));
        QCOMPARE(slotsDone.isEmpty() ? 0 : slotsDone.last(), f[2].toInt());
        QCOMPARE(finalized, f[2].toInt() == 255 && !f[3].contains(u"slot") ? 1 : 0);
        QCOMPARE(failures.join(u""), f[3].trimmed().replace(u'?', QString::number(code)));
        QCOMPARE(framesOf(received.programs),
                 QList<QByteArray>({inSlot(2, FrameThree), inSlot(5, FrameTwoHundred)}).first(f.value(5).toInt()));
        QVERIFY(name == u"unchanged" &&
                link->isOpen() == (run != u"name" && !fault[0].startsWith(u"disconnect") && fault[0] != u"read"));
        QCOMPARE(player->pcBytes().size(), f[4].toInt()); // nothing after the point of failure
        QVERIFY(virtualMs() < 0 || code != ComCode::ReadError || virtualMs() < 10000); // not by the watchdog
    }
    // A player that acknowledges twice shifts the frames: the run ends at the first frame whose code
    // is not its slot's, keeping the programs before it (which the window and the command line drop).
    void receive_endsAtALostStep() {
        QVERIFY(startPlayer({"--garbage", "01"}) && openPort());
        const ReceivedPrograms received = ReceiveRun(*link, context());
        QCOMPARE(u"%1: %2, %3 kept"_s.arg(received.result).arg(failures.join(u'|')).arg(received.programs.size()),
                 u"3: slot 2: 3, 1 kept"_s);
    }
    // The link's thread waits for the player; the caller's event loop runs meanwhile and hears
    // the run's end. An answer later than the watchdog (a number: the answer's delay in ‰ of it),
    // or none, is "not ready". A port that does not open says why: its device is missing (a link an
    // unplugged adapter left behind), or this user may not open it (root gives up its rights for
    // the opening; a pseudo-terminal is crw--w----: its group may write to it, not read it).
    void linkThread_waitsOffTheCallersThread_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("ended");
        QTest::newRow("silent player") << u"silent"_s << u"9 work"_s;
        QTest::newRow("answer at 50 %") << u"500"_s << u"0 work"_s;
        QTest::newRow("answer at 200 %") << u"2000"_s << u"9 work"_s;
        if (inMemory()) { // too near the watchdog for real time
            QTest::newRow("answer at 99 %") << u"990"_s << u"0 work"_s;
            QTest::newRow("answer at 101 %") << u"1010"_s << u"9 work"_s;
        } else { // the in-memory port opens whatever its name
            QTest::newRow("missing") << u"unplugged"_s << u"4 open %1 does not exist"_s;
            QTest::newRow("not permitted")
                << u"forbidden"_s << u"4 open this user may not open %1 (owner %2; only its owner may)"_s;
        }
    }
    void linkThread_waitsOffTheCallersThread() {
        QFETCH(QString, port);
        QFETCH(QString, ended);
        const int permille = port.toInt(), delay = int(m_timing.watchdog.count()) * permille / 1000;
        const bool opens = permille || port == u"silent";
        QVERIFY(startPlayer(permille ? QStringList{"--delay", QString::number(delay)} : QStringList{"--silent"}));
        const QTemporaryDir dir;
        const bool forbidden = port == u"forbidden", root = geteuid() == 0;
        const QString name = opens       ? player->portName()
                             : forbidden ? QFileInfo(player->portName()).canonicalFilePath()
                                         : dir.filePath(port);
        const QByteArray device = QFile::encodeName(name);
        QVERIFY(port != u"unplugged" || QFile::link(u"/dev/quillon-unplugged"_s, name));
        QVERIFY(!forbidden || (root ? ::seteuid(65534) : ::chmod(device, 0)) == 0);
        thread = player->thread(clock, m_timing);
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(0);
        const auto wait = [name](ComLink &l, const TransferContext &) {
            return l.runOnPort(name, [&l] { return l.SendByteWithAck(0x0C); });
        };
        PortRun heard;
        QVERIFY(thread->start(player->portName(), wait, {{}, {}, {}, [&](const PortRun &run) { heard = run; }}));
        QVERIFY(thread->isBusy() && !thread->start(player->portName(), wait, {})); // one run at a time
        QVERIFY(idle());
        QVERIFY(!forbidden || (root ? ::seteuid(0) : ::chmod(device, 0620)) == 0);
        QCOMPARE(u"%1 %2 %3"_s.arg(heard.code)
                     .arg(heard.step == PortRun::Opening ? "open" : "work", english(heard.reason))
                     .trimmed(),
                 ended.replace(u"%1"_s, name).replace(u"%2"_s, QFileInfo(name).owner()));
        QVERIFY2(virtualMs() >= 0 ? virtualMs() == (heard.code ? 10000 : delay) : !opens || ticks >= 10,
                 qPrintable(u"%1 ticks, %2 ms"_s.arg(ticks).arg(virtualMs())));
    }
};

class FakePortLinkTest : public LinkSuite {
    Q_OBJECT
public:
    // The timing a slow player or a USB adapter gets unless told otherwise, on the window's link
    // and quillon-cli's: 10 seconds to each acknowledgement, which the thread test measures.
    FakePortLinkTest()
        : LinkSuite({}) {}

protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<FakeBackend>(); }
    FakePlayerPort &fake() const { return *static_cast<FakeBackend &>(*player).port; }
    qint64 virtualMs() const override { return fake().nowMs(); }
    bool inMemory() const override { return true; }
    void makePortFault(const QStringList &fault) override {
        const int at = fault.value(1, u"-1"_s).toInt();
        fake().failPurge = fault[0] == u"purge";
        fake().failWriteAt = fault[0] == u"write" ? at : -1;
        fake().failReadAfter = fault[0] == u"read" ? at : -1;
        if (fault[0] == u"mute") // no answer from the byte with that index on
            fake().rewriteAnswer = [this, at](const QByteArray &a) {
                return fake().written.size() > at ? QByteArray() : a;
            };
    }
    // PC remote mode on this player's link thread, from `start`; what it signals goes into `events`.
    QStringList events;
    std::unique_ptr<RemoteTrigger> remote(const QDateTime &start) {
        clock.set(start);
        events.clear();
        thread = player->thread(clock, {10000ms, 60ms});
        auto remote = std::make_unique<RemoteTrigger>(*thread, clock);
        remote->setPortName(u"fake"_s);
        remote->PCRemoteMode = true;
        connect(remote.get(), &RemoteTrigger::triggering, this, [this](quint8 program, const QDateTime &at) {
            events << QStringLiteral("trigger %1 at %2").arg(program).arg(at.toString(u"hh:mm:ss"));
        });
        connect(remote.get(), &RemoteTrigger::triggerFailed, this,
                [this](ComResult c) { events << "failed "_L1 + QString::number(c); });
        connect(remote.get(), &RemoteTrigger::minuteSkipped, this,
                [this](const QDateTime &at) { events << "skipped "_L1 + at.toString(u"hh:mm"); });
        connect(remote.get(), &RemoteTrigger::missedWhileAway, this, [this](quint8 program, const QDateTime &at) {
            events << QStringLiteral("away %1 at %2").arg(program).arg(at.toString(u"hh:mm"));
        });
        return remote;
    }

private slots:
    // The port is opened, the work runs on it, the port is closed; the first non-zero code wins.
    void runOnPort_data() {
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("step");
        QTest::newRow("all well") << QString() << 0 << int(PortRun::Work);
        QTest::newRow("held open elsewhere: not run, not closed") << u"held"_s << 4 << int(PortRun::Opening);
        QTest::newRow("work fails") << u"work"_s << 9 << int(PortRun::Work);
        QTest::newRow("closing fails") << u"close"_s << 8 << int(PortRun::Closing);
        QTest::newRow("work and closing fail") << u"work close"_s << 9 << int(PortRun::Work);
    }
    void runOnPort() {
        QFETCH(QString, faults);
        QFETCH(int, result);
        QFETCH(int, step);
        const bool held = faults.contains(u"held");
        QVERIFY(startPlayer({}) && (!held || openPort()));
        fake().failClose = faults.contains(u"close");
        int runs = 0;
        const PortRun run = link->runOnPort(u"fake"_s, [&] {
            ++runs;
            return faults.contains(u"work") ? ComCode::NotReady : ComCode::Ok;
        });
        QVERIFY(run.code == result && run.step == step && runs == !held && link->isOpen() == held);
    }
    void missingClosingByte_stillGivesTheFrameWithoutTheWatchdog() {
        QVERIFY(startPlayer(withSlot(3, FrameThree)) && openPort());
        fake().rewriteAnswer = [](const QByteArray &a) { return a.size() == 26 ? a.left(25) : a; };
        Frame frame;
        QVERIFY(ReceiveProgram(*link, 3, frame) == ComCode::Ok && frameBytes(frame) == FrameThree);
        const qint64 before = fake().nowMs();
        QCOMPARE(link->ReceiveFrame(frame), ComCode::NotReady); // 24 reads, then two for the closing byte
        QCOMPARE(fake().nowMs() - before, 26 * 60);
    }
    // One minute after another: the due program once, no backlog, a busy port skips the minute.
    // The report keeps its last 65535 lines.
    void remote_triggersTheDueProgramOncePerMinute_andKeepsTheLatestReportLines() {
        QVERIFY(startPlayer({"--delay", "80"}));
        const auto trigger = remote(Half.addSecs(-62));
        const QList<Program> programs = {remoteProgram({8, 30}, 5), remoteProgram({8, 31}, 6),
                                         remoteProgram({8, 33}, 7), remoteProgram({8, 29}, 4)};
        trigger->PCRemoteMode = false;
        for (int second = 0; second < 4; ++second, clock.advance(1000)) // 08:28:58 .. 08:29:01
            trigger->checkMinute(programs);
        QCOMPARE(trigger->LastMinuteTick, Half.addSecs(-60)); // the minutes go on with the mode off
        trigger->PCRemoteMode = true;
        trigger->checkMinute(programs); // the same minute again: no backlog
        clock.set(Half.addSecs(-1));
        for (int second = 0; second < 3; ++second, clock.advance(1000)) // 08:29:59 .. 08:30:01
            trigger->checkMinute(programs);
        clock.set(Half.addSecs(60)); // the trigger still runs
        trigger->checkMinute(programs);
        QVERIFY(idle());
        QVERIFY(thread->start(u"fake"_s, [](ComLink &, const TransferContext &) { return PortRun{}; }, {}));
        clock.set(Half.addSecs(180)); // a transfer holds the link
        trigger->checkMinute(programs);
        QVERIFY(idle());
        QCOMPARE(events, (QStringList{"trigger 5 at 08:30:00", "skipped 08:31", "skipped 08:33"}));
        QCOMPARE(trigger->skippedMinutes(), 2);
        QCOMPARE(fake().written, QByteArray::fromHex("0e05"));
        int removed = 0;
        connect(trigger.get(), &RemoteTrigger::reportFirstLineRemoved, this, [&] { ++removed; });
        for (int i = 1; i <= 65537; ++i) // the window writes the lines; here the report is empty
            trigger->addReportLine(QString::number(i));
        QVERIFY(trigger->report().size() == 65535 && removed == 2 && trigger->report().first() == u"3");
        trigger->ClearReport();
        QVERIFY(trigger->report().isEmpty());
    }
    // Each wall-clock minute is examined once: minutes the clock jumps over are reported missed,
    // not run late; minutes shown again after a step back are not examined again. A trigger that
    // fails is signalled, the port closed. Each row ticks at the times given ("a..b": every minute
    // from a to b), after the player's or the port's fault if one is named.
    void remote_examinesEachWallClockMinuteOnce_andSignalsAFailedTrigger_data() {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QStringList>("expected");
        const QStringList first = {"trigger 5 at 08:30:00"};
        QTest::newRow("every minute") << u"08:29..08:46"_s << first + QStringList{"trigger 6 at 08:45:00"};
        QTest::newRow("2-hour suspend") << u"08:30 10:31"_s
                                        << first + QStringList{"away 6 at 08:45", "away 7 at 09:40", "away 8 at 10:15"};
        QTest::newRow("back one hour") << u"08:30 08:31 07:31..08:46"_s << first + QStringList{"trigger 6 at 08:45:00"};
        QTest::newRow("back a day: a corrected clock") << u"08:30 08:31 08:29-1 08:30-1"_s << first + first;
        QTest::newRow("silent player") << u"silent 08:30"_s << first + QStringList{"failed 9"};
        QTest::newRow("port does not open") << u"refuse-open 08:30"_s << first + QStringList{"failed 4"};
        QTest::newRow("port does not close") << u"fail-close 08:30"_s << first + QStringList{"failed 8"};
    }
    void remote_examinesEachWallClockMinuteOnce_andSignalsAFailedTrigger() {
        QFETCH(QString, ticks);
        QVERIFY(startPlayer(ticks.startsWith(u"silent") ? QStringList{"--silent"} : QStringList()));
        fake().refuseOpen = ticks.startsWith(u"refuse-open");
        fake().failClose = ticks.startsWith(u"fail-close");
        const auto trigger = remote(Half.addSecs(-60));
        const QList<Program> programs = {remoteProgram({8, 30}, 5), remoteProgram({8, 45}, 6),
                                         remoteProgram({9, 40}, 7), remoteProgram({10, 15}, 8)};
        const auto at = [](const QString &hhmm) {
            const int dayBack = hhmm.endsWith(u"-1"); // "08:29-1": the day before
            return QDateTime(Half.date().addDays(-dayBack), QTime::fromString(hhmm.left(5), u"hh:mm"));
        };
        for (const QString &tick : ticks.split(u' ').filter(QRegularExpression(u"^\\d"_s))) {
            const QDateTime from = at(tick.section(u".."_s, 0, 0)), to = at(tick.section(u".."_s, -1));
            for (QDateTime t = from; t <= to; t = t.addSecs(60)) {
                clock.set(t);
                trigger->checkMinute(programs);
                QVERIFY(idle());
            }
        }
        QTEST(events, "expected");
        QVERIFY(!link->isOpen());
    }
    // Before a transmit the player's programs and name are kept as a project file beside the 20
    // latest, the oldest going; a read that fails keeps nothing and stops nothing.
    void playerBackup_keepsWhatThePlayerHeld_andTheTransmitFollows_data() {
        QTest::addColumn<bool>("silentAtFirst");
        QTest::newRow("read") << false;
        QTest::newRow("the read's first command unanswered") << true;
    }
    void playerBackup_keepsWhatThePlayerHeld_andTheTransmitFollows() {
        QFETCH(bool, silentAtFirst);
        QVERIFY(startPlayer({}) && openPort());
        QCOMPARE(TransmitRun(*link, hallB(), context()), ComCode::Ok); // what the player holds
        const qsizetype before = fake().written.size();
        if (silentAtFirst)
            fake().rewriteAnswer = [&](const QByteArray &a) {
                return fake().written.size() < before + 2 ? QByteArray() : a;
            };
        const QTemporaryDir backups;
        for (int second = 0; second < 20; ++second) // the last 20 copies are kept
            QVERIFY(writeAll(backups.filePath(u"2026-01-01 00-00-%1 old.prg"_s.arg(second, 2, 10, QChar(u'0'))), ""));
        clock.set(Now);
        const PlayerBackup::Outcome kept = PlayerBackup::readAndKeep(*link, backups.path(), context());
        Project next = hallB();
        next.Properties.ProjectName = u"Next"_s;
        QCOMPARE(TransmitRun(*link, next, context()), ComCode::Ok);
        const QStringList files = QDir(backups.path()).entryList({"*.prg"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 20); // the oldest went if one was kept:
        QVERIFY(files.first().endsWith(silentAtFirst ? u"00-00-00 old.prg" : u"00-00-01 old.prg"));
        if (silentAtFirst) {
            QCOMPARE(BackupNote(kept, Language::English),
                     u"No copy of the player was kept: reading it failed at slot 1: "_s +
                         ComResultText(9, Language::English));
        } else {
            Project back;
            QVERIFY(ReadProjectFile(kept.path, back));
            QCOMPARE(files.last() + u'|' + back.Properties.ProjectName, u"2026-03-09 10-45-00 Hall B.prg|Hall B"_s);
            QCOMPARE(framesOf(back.Programs), framesOf({hallB().Programs[1], hallB().Programs[0]})); // slot order
        }
        QCOMPARE(fake().player.nameBytes(), "Next" + QByteArray(60, 0)); // the transmit reached the player
    }
    // The name read from the player ends at its first 0x00; what a project file cannot hold
    // becomes a space, and says so. The report lines of a missed and of a failed trigger.
    void linkTexts_sayWhatThePlayerHoldsAndWhatFailed() {
        for (const auto &[read, shown, cleaned] : {std::tuple{u"Hall B\0junk"_s, u"Hall B"_s, false},
                                                   {u"Line\r\nbreak\x1A"_s, u"Line  break "_s, true},
                                                   {u"Tab\tkept"_s, u"Tab\tkept"_s, false}}) {
            bool replaced = !cleaned;
            QCOMPARE(ShownProjectName(read, &replaced), shown);
            QCOMPARE(replaced, cleaned);
        }
        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        const QDateTime at(Half.date(), Half.time(), Qt::UTC);
        QCOMPARE(RemoteMissedLine(7, at, true, Language::English, uk) + u'\n' +
                     RemoteFailedLine(7, at, 9, Language::English, uk),
                 u"Program : 007 missed (computer off or asleep) at : 09/03/2026 08:30:00 UTC\nProgram : 007 not "
                 u"triggered at : 09/03/2026 08:30:00 UTC : "_s +
                     ComResultText(9, Language::English));
        const VerifyResult result{0, {{17, false, false, true, {2, 6}}, {200, true, true, false, {}}}, true, u"Shop"_s};
        QCOMPARE(VerifyReport(result, Language::English),
                 u"Slots of the player that differ from the project:\n017: schedule, action 2, "
                 u"action 6\n200: code, flags\nThe project name differs; the player holds: \"Shop\""_s);
    }
};

class PtyLinkTest : public LinkSuite {
    Q_OBJECT
public:
    PtyLinkTest()
        : LinkSuite({1000ms, 60ms}) {}

protected:
    std::unique_ptr<PlayerBackend> makeBackend() override { return std::make_unique<PtyBackend>(); }
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    // A player that is gone fails the next command at once, at the purge before it.
    void stoppedPlayer_failsAtOnce() {
        QVERIFY(startPlayer({}, LinkTiming{5000ms, 60ms}) && openPort());
        QtSerialPortIo io;
        QCOMPARE(ComLink(io).OpenComPort(player->portName()), ComCode::OpenError); // in use
        QCOMPARE(SendCommandPair(*link, 0x0E, 1), ComCode::Ok);
        static_cast<PtyBackend &>(*player).process().kill();
        static_cast<PtyBackend &>(*player).process().waitForFinished(5000);
        const QDeadlineTimer soon(2500);
        QCOMPARE(SendCommandPair(*link, 0x0E, 2), ComCode::PurgeError);
        QVERIFY(!soon.hasExpired() && !link->isOpen());
    }
    // quillon-cli: the same runs from the command line, their texts and exit statuses; its port
    // list names its own player, through the symbolic link the list of extra ports gives.
    void cli_transmitReceiveVerifyAndPorts_giveBackTheProjectAndCompareIt() {
        QVERIFY(startPlayer({}));
        Project project = hallB();
        project.Programs[1].Code = 17;
        QVERIFY(WriteProjectFile(path("sent.prg"), project));
        const auto ended = [](const CliRun &run) { return QString::number(run.exitCode) + u' ' + run.out; };
        const CliRun transmit = runCli({"transmit", path("sent.prg"), "--port", player->portName()});
        QCOMPARE(ended(transmit), u"0 Transmission on COM port OK\n"_s);
        QVERIFY(transmit.err.contains(u"\rProgram(s) : 255 to 255 \rFinalization Step..."));
        QVERIFY(transmit.err.startsWith(u"transmit: The player's programs before the transmit were kept in "_s));
        QCOMPARE(runCli({"receive", "--port=" + player->portName(), path("back.prg")}).exitCode, 0);
        Project back;
        QVERIFY(ReadProjectFile(path("back.prg"), back));
        QCOMPARE(back.Properties.ProjectName, u"Hall B"_s);
        QCOMPARE(framesOf(back.Programs), framesOf({project.Programs[1], project.Programs[0]})); // slot order
        QCOMPARE(ended(runCli({"verify", path("sent.prg"), "--port", player->portName()})),
                 u"0 All 255 slots and the project name of the player match the project.\n"_s);
        project.Programs[1].Active = 0; // the project moves on; the player does not
        QVERIFY(WriteProjectFile(path("sent.prg"), project));
        QCOMPARE(ended(runCli({"verify", path("sent.prg"), "--port", player->portName()})),
                 u"65 Slots of the player that differ from the project:\n017: flags\n"_s);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QUILLON_EXTRA_PORTS"_s, "/dev/quillon-no-such-port:"_L1 + player->portName());
        const CliRun ports = runCli({"ports"}, {}, env);
        const QStringList lines = ports.out.split(u'\n');
        QVERIFY(ports.exitCode == 0 && lines.contains(player->portName()) &&
                !lines.contains(u"/dev/quillon-no-such-port"));
    }
    // The run's own message first, then the final status with the code as exit status, each on
    // a line of its own after the progress line; a port that does not open says why. A port held
    // through one of its names is held through all: "held A B" holds it here through A (its link
    // or its device) and asks through B.
    void cli_failures_exitWithTheirCode_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("err");
        QTest::newRow("silent player") << QString()
                                       << u"transmit: Transmission Error : MP3 player not ready\n\rProgram(s) : 1 to "
                                          u"255 \ntransmit: Transmission Error : MP3 player not ready (code 9)\n"_s;
        QTest::newRow("absent port")
            << u"/dev/quillon-no-such-port"_s
            << u"transmit: Opening Error of COM port: /dev/quillon-no-such-port does not exist (code 4)\n"_s;
        const QString held = u"transmit: Opening Error of COM port: %1 is in use by process %2 (test_link), which "
                             u"holds the lock file <dir>/LCK..%3 (code 4)\n"_s;
        QTest::newRow("held through its link, asked through its device") << u"held link device"_s << held;
        QTest::newRow("held through its device, asked through its link") << u"held device link"_s << held;
    }
    void cli_failures_exitWithTheirCode() {
        QFETCH(QString, port);
        QFETCH(QString, err);
        QVERIFY(startPlayer({"--silent"}) && WriteProjectFile(path("empty.prg"), Project()));
        const QStringList held = port.split(u' ');
        const QString device = QFileInfo(player->portName()).canonicalFilePath();
        const auto named = [&](const QString &which) { return which == u"device" ? device : player->portName(); };
        if (held.size() == 3) {
            QVERIFY(link->OpenComPort(named(held[1])) == ComCode::Ok);
            // Exclusive for every other opening too (root's excepted).
            const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            int exclusive = 0;
            QVERIFY(fd >= 0 && ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && ::close(fd) == 0 && exclusive == 1);
            port = named(held[2]);
            err = err.arg(port == device ? device : port + u" ("_s + device + u')')
                      .arg(QCoreApplication::applicationPid())
                      .arg(device.mid(5).replace(u'/', u'_'));
        }
        const CliRun transmit = runCli(
            {"transmit", path("empty.prg"), "--port", port.isEmpty() ? player->portName() : port, "--watchdog", "200"});
        const QString shown =
            QString(transmit.err).replace(QRegularExpression(u"lock file \\S*/LCK"_s), u"lock file <dir>/LCK"_s);
        QVERIFY2(shown.endsWith(err) && (port.isEmpty() || shown == err), qPrintable(transmit.err));
        QVERIFY(err.endsWith(u"(code %1)\n"_s.arg(transmit.exitCode)));
    }
};

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QTemporaryDir data; // the player backups of quillon-cli
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    FakePortLinkTest fake;
    PtyLinkTest pty;
    return QTest::qExec(&fake, argc, argv) | QTest::qExec(&pty, argc, argv);
}

#include "test_link.moc"
