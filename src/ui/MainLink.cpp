// The main window's player link: Transmit, Receive, Verify and PC remote mode with its window and
// the one-second clock of the minute check.
#include "Main.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ComPort.h"
#include "player/PlayerLink.h"
#include "player/RemoteTrigger.h"
#include "player/ScheduleFile.h"
#include "player/VerifyPlayer.h"
#include "text/LinkText.h"
#include "text/text.h"
#include "ui/PCRemote.h"
#include "ui/ProgessBar.h"

#include <QFileDialog>
#include <QTimer>

struct TForm1::PlayerLinkParts {
    explicit PlayerLinkParts(const Clock &clock)
        : link(io)
        , remote(link, clock)
        , window(std::make_unique<TOKBottomDlg6>(remote)) {}

    QtSerialPortIo io;
    ComLink link;
    RemoteTrigger remote;
    // No parent: the window stays on screen while the main window is minimized.
    std::unique_ptr<TOKBottomDlg6> window;
    bool transferRunning = false;
};

void TForm1::PlayerLinkPartsDeleter::operator()(PlayerLinkParts *parts) const {
    delete parts;
}

void TForm1::createPlayerLink() {
    m_playerLink.reset(new PlayerLinkParts(m_clock));
    RemoteTrigger &remote = m_playerLink->remote;
    connect(&remote, &RemoteTrigger::triggering, this, [this, &remote](quint8 program, const QDateTime &at) {
        remote.addReportLine(RemoteReportLine(program, at, CurrentLanguage, m_dateLocale));
    });
    connect(&remote, &RemoteTrigger::minuteSkipped, this, [this, &remote](const QDateTime &at) {
        remote.addReportLine(RemoteSkippedLine(at, CurrentLanguage, m_dateLocale));
    });
    connect(&remote, &RemoteTrigger::triggerFailed, this,
            [this](ComResult code) { m_prompter.warn(ComResultText(code, CurrentLanguage)); });
    if (ProgressWindow)
        ProgressWindow->setLink(&m_playerLink->link);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();
}

ComLink &TForm1::portHandle() {
    return m_playerLink->link;
}

void TForm1::setAckWatchdog(std::chrono::milliseconds limit) {
    ComLink &link = m_playerLink->link;
    link.setTiming({limit, link.timing().byteTimeout});
}

RemoteTrigger &TForm1::pcRemote() {
    return m_playerLink->remote;
}

TOKBottomDlg6 *TForm1::PCRemoteWindow() const {
    return m_playerLink->window.get();
}

// ---------------------------------------------------------------------------------------
// PC remote mode

namespace {

// The mode and port of the window as they are at this tick.
void takeRemoteSettings(RemoteTrigger &remote, const TForm1 &window) {
    remote.PCRemoteMode = window.PCRemoteMode;
    remote.setPortName(window.SelectedPortName);
}

} // namespace

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
    RemoteTrigger &remote = m_playerLink->remote;
    // Most ticks end here, without a copy of the project.
    if (m_clock.now().time().minute() == remote.LastMinuteTick.time().minute())
        return;
    takeRemoteSettings(remote, *this);
    remote.Timer2Timer(currentProject().Programs);
}

void TForm1::MinuteCheck() {
    RemoteTrigger &remote = m_playerLink->remote;
    takeRemoteSettings(remote, *this);
    remote.runMinuteCheck(currentProject().Programs);
}

// ---------------------------------------------------------------------------------------
// Transmit and receive

namespace {

// Marks a transfer as running for as long as it lives.
class RunningTransfer {
public:
    explicit RunningTransfer(bool &flag)
        : m_flag(flag) {
        m_flag = true;
    }
    ~RunningTransfer() { m_flag = false; }
    RunningTransfer(const RunningTransfer &) = delete;
    RunningTransfer &operator=(const RunningTransfer &) = delete;

private:
    bool &m_flag;
};

} // namespace

void TForm1::SpeedButton3Click() {
    if (m_playerLink->transferRunning)
        return;
    const RunningTransfer running(m_playerLink->transferRunning);
    if (!m_prompter.confirm(LanguageText(MessageRow::TransmitQuestion, CurrentLanguage)))
        return;
    const Project project = currentProject();
    const ComResult result = runOperation(TOKBottomDlg1::TransmitMode, [&] {
        return TransmitRun(m_playerLink->link, project, ProgressWindow->transferContext());
    });
    m_prompter.warn(ComResultText(result, CurrentLanguage));
}

void TForm1::VerifyPrograms1Click() {
    if (m_playerLink->transferRunning)
        return;
    const RunningTransfer running(m_playerLink->transferRunning);
    const Project project = currentProject();
    VerifyResult verified;
    const ComResult result = runOperation(TOKBottomDlg1::VerifyMode, [&] {
        verified = VerifyRun(m_playerLink->link, project, ProgressWindow->transferContext());
        return verified.result;
    });
    // A failed run has already shown the link's message.
    if (result == ComCode::Ok)
        m_prompter.warn(VerifyReport(verified, CurrentLanguage));
}

void TForm1::SpeedButton4Click() {
    if (m_playerLink->transferRunning)
        return;
    const RunningTransfer running(m_playerLink->transferRunning);
    AskSaveIfModified();
    if (!m_prompter.confirm(LanguageText(MessageRow::ReceiveQuestion, CurrentLanguage)))
        return;
    // The port must open before the project is given up for the programs of the player.
    ComLink &port = m_playerLink->link;
    if (const PortRun probe = port.runOnPort(SelectedPortName, [] { return ComCode::Ok; }); probe.code != ComCode::Ok) {
        m_prompter.warn(ComResultText(probe.code, CurrentLanguage));
        return;
    }

    ResetPropertyDialog();
    ClearProject();
    ReceivedPrograms received;
    const ComResult result = runOperation(TOKBottomDlg1::ReceiveMode, [&] {
        received = ReceiveRun(port, ProgressWindow->transferContext());
        return received.result;
    });
    if (!received.programs.isEmpty())
        loadPrograms(received.programs);
    m_prompter.warn(ComResultText(result, CurrentLanguage));
    if (const QString corrected = CorrectedSlotsWarning(received.correctedSlots); !corrected.isEmpty())
        m_prompter.warn(corrected);

    QString name;
    const TransferContext shown{m_clock, {}, {}, [this](const LinkFailure &failure) {
                                    m_prompter.warn(ComResultText(failure.code, CurrentLanguage));
                                }};
    if (ReadProjectName(port, SelectedPortName, name, shown) == ComCode::Ok) {
        ProjectGroup.ProjectName = ShownProjectName(name);
        if (m_prompter.confirm(LanguageText(MessageRow::LoadProjectQuestion, CurrentLanguage) +
                               LanguageText(MessageRow::AssociatedProjectName, CurrentLanguage) +
                               ProjectGroup.ProjectName)) {
            QFileDialog dialog(this);
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setNameFilter(QStringLiteral("Program (*.prg)"));
            // The file is read and checked before it replaces the received programs.
            if (const QString path = runFileDialog(dialog); !path.isEmpty())
                openProjectFile(path);
        }
    }
    SelectFirstProgram();
    TakeSnapshot();
    UpdateCommandState();
}
