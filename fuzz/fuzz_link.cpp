// The player dialogues fed arbitrary player answers through the in-memory port. Every
// dialogue must end with one of its documented codes, within a short watchdog, having sent
// exactly the bytes of the protocol up to where it stopped, and a run must report and keep
// only what it finished, and its failure once.
//
// Input: byte 0 picks the dialogue; bytes 1-2 and 3-4 (little endian, 0xFFFF for none) make
// the read with that index fail and the write with that index fail; byte 5 says what the
// player does once the script is used up (answer honestly, go silent, or vanish). Then, for
// every byte the PC writes, one script byte: 00xxxxxx the player's honest answer,
// 01nnnnnn n garbage bytes (taken from the input) before the honest answer, 10nnnnnn n
// input bytes instead of the answer, 11xxxxxx no answer.
#include "FakePlayerPort.h"
#include "player/PlayerLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;

namespace {

const QDateTime Now(QDate(2026, 3, 9), QTime(10, 45));
// Every wait of the dialogue is bounded by these; one input may take no longer than the limit.
const LinkTiming FuzzTiming{2ms, 0ms};
constexpr qint64 HangLimitMs = 3000;

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "fuzz_link: %s\n", what);
    std::abort();
}

enum Dialogue {
    Send,
    Receive,
    End,
    WriteMemory,
    ReadMemory,
    CommandPair,
    Transmit,
    ReceiveAll,
    ReadName,
    DialogueCount
};

enum class AfterScript { Honest, Silent, Vanish };

class ScriptedAnswerPort : public FakePlayerPort {
public:
    ScriptedAnswerPort(const QByteArray &script, AfterScript after)
        : m_script(script)
        , m_after(after) {
        m_started.start();
        rewriteAnswer = [this](const QByteArray &honest) { return answerFor(honest); };
    }

    bool writeByte(quint8 byte) override {
        checkTime();
        return FakePlayerPort::writeByte(byte);
    }
    Read readByte(quint8 &byte, int timeoutMs) override {
        checkTime();
        const Read r = FakePlayerPort::readByte(byte, timeoutMs);
        if (r == Read::Byte)
            ++m_bytesRead;
        return r;
    }

private:
    void checkTime() const {
        if (m_started.elapsed() > HangLimitMs)
            fail("a dialogue is still running after 3 s");
    }
    QByteArray take(int n) {
        const QByteArray bytes = m_script.mid(m_pos, n);
        m_pos += bytes.size();
        return bytes;
    }
    QByteArray answerFor(const QByteArray &honest) {
        if (m_pos >= m_script.size()) {
            switch (m_after) {
            case AfterScript::Honest:
                return honest;
            case AfterScript::Silent:
                return {};
            case AfterScript::Vanish:
                failReadAfter = m_bytesRead;
                return {};
            }
        }
        const quint8 control = quint8(m_script.at(m_pos++));
        const int n = control & 0x3F;
        switch (control >> 6) {
        case 0:
            return honest;
        case 1:
            return take(n) + honest;
        case 2:
            return take(n);
        default:
            return {};
        }
    }

    QByteArray m_script;
    qsizetype m_pos = 0;
    AfterScript m_after;
    int m_bytesRead = 0;
    QElapsedTimer m_started;
};

struct Outcome {
    int code = 0;
    QByteArray written;
};

Frame programFrame() {
    Program p(Now);
    p.Code = 3;
    p.ActionCount = 3;
    p.ActionKind = {4, 0, 8, 0, 0, 0};
    Frame frame;
    EncodeProgram(p, frame, false);
    return frame;
}

Project sampleProject() {
    Project project;
    project.Properties.ProjectName = QStringLiteral("Hall B");
    Program p(Now);
    p.Code = 200;
    project.Programs.append(p);
    return project;
}

struct Observed {
    ManualClock clock{Now};
    QList<int> slotsDone;
    int finalized = 0;
    QList<ComResult> failures;
    TransferContext context() {
        return TransferContext{clock, [this](int n) { slotsDone.append(n); }, [this] { ++finalized; },
                               [this](const LinkFailure &failure) { failures.append(failure.code); }};
    }
};

ComResult runDialogue(Dialogue dialogue, ComLink &link, Observed &observed, ReceivedPrograms *received) {
    const TransferContext context = observed.context();
    switch (dialogue) {
    case Send:
        return SendProgram(link, programFrame());
    case Receive: {
        Frame frame;
        EncodeProgram(Program(Now), frame, false);
        const ComResult code = ReceiveProgram(link, 3, frame);
        if (frame.size() != FrameSize)
            fail("a received frame is not 24 cells long");
        return code;
    }
    case End:
        return EndTransfer(link);
    case WriteMemory:
        return WriteEepromByte(link, 0x60, 0x21, 0xA7);
    case ReadMemory: {
        quint8 answer = 0;
        return ReadEepromByte(link, 0x60, 0x21, answer);
    }
    case CommandPair:
        return SendCommandPair(link, 0x0E, 12);
    case Transmit:
        return TransmitRun(link, sampleProject(), context);
    case ReceiveAll:
        *received = ReceiveRun(link, context);
        return received->result;
    case ReadName: {
        link.CloseComPort();
        QString name;
        const ComResult code = ReadProjectName(link, QStringLiteral("fake"), name, context);
        if (code == ComCode::Ok && name.size() != NameLength)
            fail("a name read is not 64 characters long");
        if (link.isOpen())
            fail("the port stays open after the name was read");
        return code;
    }
    case DialogueCount:
        break;
    }
    return ComCode::Ok;
}

// The bytes a whole dialogue sends to a player that answers everything.
QByteArray fullSequence(Dialogue dialogue) {
    FakePlayerPort port;
    ComLink link(port, FuzzTiming);
    link.OpenComPort(QStringLiteral("fake"));
    Observed observed;
    ReceivedPrograms received;
    if (runDialogue(dialogue, link, observed, &received) != ComCode::Ok)
        fail("a dialogue fails against an honest player");
    return port.written;
}

bool allowed(Dialogue dialogue, int code) {
    switch (dialogue) {
    case End:
        return code == 0 || code == 2 || code == 3 || code == 9;
    case Transmit:
        return code <= 3 || code == 9 || code == 10;
    case ReadName:
        return code == 0 || code == 1 || code == 4 || code == 8 || code == 11;
    default:
        return code <= 3 || code == 9;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const auto expected = [] {
        std::array<QByteArray, DialogueCount> sequences;
        for (int d = 0; d < DialogueCount; ++d)
            sequences[std::size_t(d)] = fullSequence(Dialogue(d));
        return sequences;
    }();
    if (size < 6)
        return 0;
    const auto dialogue = Dialogue(data[0] % DialogueCount);
    const int readFault = data[1] | data[2] << 8;
    const int writeFault = data[3] | data[4] << 8;
    const auto after = AfterScript(data[5] % 3);
    const QByteArray script(reinterpret_cast<const char *>(data) + 6, qsizetype(size) - 6);

    ScriptedAnswerPort port(script, after);
    ComLink link(port, FuzzTiming);
    if (link.OpenComPort(QStringLiteral("fake")) != ComCode::Ok)
        fail("the in-memory port did not open");
    port.failReadAfter = readFault == 0xFFFF ? -1 : readFault;
    port.failWriteAt = writeFault == 0xFFFF ? -1 : writeFault;

    Observed observed;
    ReceivedPrograms received;
    const int code = runDialogue(dialogue, link, observed, &received);

    if (!allowed(dialogue, code))
        fail("a dialogue ended with a code it does not document");
    const QByteArray &full = expected[std::size_t(dialogue)];
    if (!full.startsWith(port.written))
        fail("the PC sent bytes outside the protocol");
    const bool whole = port.written == full;
    // Transmit and receive end with the end command, whose result is not looked at: a run
    // succeeds whether or not its final 0x0C could be sent.
    const bool endCommandOnlyUnsent = (dialogue == Transmit || dialogue == ReceiveAll) &&
                                      full.endsWith(char(PlayerCommand::EndTransfer)) &&
                                      port.written == full.chopped(1);
    if (code == ComCode::Ok && !whole && !endCommandOnlyUnsent)
        fail("a dialogue succeeded without sending all its bytes");

    const int lastSlot = observed.slotsDone.isEmpty() ? 0 : observed.slotsDone.last();
    for (qsizetype i = 0; i < observed.slotsDone.size(); ++i)
        if (observed.slotsDone[i] != i + 1)
            fail("slots were reported out of order");
    switch (dialogue) {
    case Transmit:
    case ReceiveAll:
    case ReadName: {
        const QList<ComResult> expectedFailures =
            code == ComCode::Ok ? QList<ComResult>() : QList<ComResult>{ComResult(code)};
        if (observed.failures != expectedFailures)
            fail("a run did not report exactly its result's failure");
        break;
    }
    default:
        if (!observed.failures.isEmpty())
            fail("a single dialogue reported a failure");
    }
    if (dialogue == Transmit || dialogue == ReceiveAll) {
        const bool slotsFinished = code == ComCode::Ok || code == ComCode::EepromWriteError;
        if ((slotsFinished && lastSlot != SlotCount) || lastSlot < 1 || observed.finalized != (slotsFinished ? 1 : 0))
            fail("the slots reported do not match how the run ended");
    }
    if (dialogue == ReceiveAll) {
        if (code != ComCode::Ok && received.programs.size() >= lastSlot)
            fail("a failed receive kept a program of the failing slot");
        for (const Program &p : received.programs)
            if (!p.Date.isValid() || !p.Time.isValid())
                fail("a received program holds an invalid date or time");
    }
    return 0;
}
