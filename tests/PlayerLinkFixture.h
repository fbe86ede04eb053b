#pragma once

// What the link suites share: two programs and their frames written out by hand, and a test
// object that starts a simulated player on a backend the subclass chooses, with a link to it,
// a scripted prompter, a manual clock, and the slots and the end a run reported.

#include "LinkBackends.h"
#include "model/Prompter.h"
#include "player/PlayerLink.h"
#include "text/text.h"

#include <QCoreApplication>
#include <QObject>
#include <QTest>

#include <chrono>
#include <memory>

namespace LinkFixtures {

// The moment of every run: 9 March 2026, 10:45.
inline const QDateTime Now(QDate(2026, 3, 9), QTime(10, 45));

// Inputs 3, active, timer on, priority, 3 actions, weekly; kinds 4 0 8 0 0 0; 29 Feb 2024 07:05.
inline const QByteArray FrameThree = QByteArray::fromHex("00033312408000"
                                                         "0a000c000000"
                                                         "121d180705"
                                                         "140000000000");
// Inputs 200, active, timer off, daily; kinds 3 1 1 1 1 1; Saturday 5 Dec 2026 14:30.
inline const QByteArray FrameTwoHundred = QByteArray::fromHex("00c82101311111"
                                                              "050000000000"
                                                              "6c051a0e1e"
                                                              "ffffffffffff");

inline QByteArray frameOf(const TORBEXProg &p) {
    Frame f;
    EncodeProgram(p, f, false);
    return frameBytes(f);
}

} // namespace LinkFixtures

class PlayerLinkFixture : public QObject {
    Q_OBJECT
public:
    // `timing` is the link's unless a test gives its own.
    explicit PlayerLinkFixture(LinkTiming timing)
        : m_timing(timing) {}

protected:
    virtual std::unique_ptr<PlayerBackend> makeBackend() = 0;

    std::unique_ptr<PlayerBackend> player;
    std::unique_ptr<ComLink> link;
    ScriptedPrompter prompter;
    ManualClock clock{LinkFixtures::Now};
    QList<int> slotsDone;
    int finalized = 0;

    [[nodiscard]] bool startPlayer(const QStringList &options) { return startPlayer(options, m_timing); }
    [[nodiscard]] bool startPlayer(const QStringList &options, LinkTiming timing) {
        player = makeBackend();
        if (!player->start(options))
            return false;
        link = std::make_unique<ComLink>(player->io(), timing);
        return true;
    }
    [[nodiscard]] bool openPort() { return link->OpenComPort(player->portName()) == ComCode::Ok; }
    TransferContext context() {
        return TransferContext{prompter, English, clock, [this](int n) { slotsDone.append(n); },
                               [this] { ++finalized; }};
    }

private slots:
    void init() {
        prompter.shown.clear();
        slotsDone.clear();
        finalized = 0;
    }
    void cleanup() {
        if (link && link->isOpen())
            link->CloseComPort();
        link.reset();
        player.reset();
    }

private:
    LinkTiming m_timing;
};

template <typename Suite> int runLinkSuite(int argc, char *argv[]) {
    Suite suite;
    return QTest::qExec(&suite, argc, argv);
}

// Runs each suite in turn (one per backend) under one application; non-zero when any failed.
template <typename... Suites> int runLinkSuites(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    int status = 0;
    ((status |= runLinkSuite<Suites>(argc, argv)), ...);
    return status;
}
