// The main window's player link: Transmit, Receive and PC remote mode with its window and the
// one-second clock of the minute check.
#include "LittleOneProg.h"
#include "Main.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ComPort.h"
#include "player/PCRemote.h"
#include "player/PcRemoteCore.h"
#include "player/PlayerLink.h"
#include "text/text.h"

#include <QTimer>

struct TForm1::PlayerLinkParts {
    PlayerLinkParts(Prompter &prompter, const Clock &clock)
        : link(io)
        , remote(link, prompter, clock)
        , window(std::make_unique<TOKBottomDlg6>(remote)) {}

    QtSerialPortIo io;
    ComLink link;
    PcRemote remote;
    // No parent: the window stays on screen while the main window is minimized.
    std::unique_ptr<TOKBottomDlg6> window;
    bool transferRunning = false;
};

void TForm1::PlayerLinkPartsDeleter::operator()(PlayerLinkParts *parts) const {
    delete parts;
}

void TForm1::createPlayerLink() {
    m_playerLink.reset(new PlayerLinkParts(m_prompter, m_clock));
    PcRemote &remote = m_playerLink->remote;
    connect(&remote, &PcRemote::minuteSkipped, this,
            [&remote](const QDateTime &at) { remote.addReportLine(remote.skippedLine(at)); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();
}

ComLink &TForm1::portHandle() {
    return m_playerLink->link;
}

PcRemote &TForm1::pcRemote() {
    return m_playerLink->remote;
}

TOKBottomDlg6 *TForm1::PCRemoteWindow() const {
    return m_playerLink->window.get();
}

// ---------------------------------------------------------------------------------------
// PC remote mode

void TForm1::SpeedButton28Click() {
    TOKBottomDlg6 &window = *m_playerLink->window;
    PCRemoteMode = true;
    showMinimized();
    window.Language = CurrentLanguage;
    runDialog(window);
    showNormal();
    PCRemoteMode = false;
}

void TForm1::Timer2Timer() {
    PcRemote &remote = m_playerLink->remote;
    remote.PCRemoteMode = PCRemoteMode;
    remote.setPortName(SelectedPortName);
    remote.setLanguage(CurrentLanguage);
    remote.Timer2Timer(currentProject().Programs);
}

void TForm1::MinuteCheck() {
    PcRemote &remote = m_playerLink->remote;
    remote.PCRemoteMode = PCRemoteMode;
    remote.setPortName(SelectedPortName);
    remote.setLanguage(CurrentLanguage);
    remote.runMinuteCheck(currentProject().Programs);
}

// ---------------------------------------------------------------------------------------
// Transmit and receive

void TForm1::SpeedButton3Click() {}

void TForm1::SpeedButton4Click() {}
