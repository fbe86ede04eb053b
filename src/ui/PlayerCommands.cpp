// The player commands of the main window: Transmit, Receive, Verify and PC remote mode with its
// window and the one-second clock of the minute check.
#include "PlayerCommands.h"

#include "CommandWindow.h"
#include "DocumentController.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ComPort.h"
#include "player/PlayerLink.h"
#include "player/RemoteTrigger.h"
#include "player/ScheduleFile.h"
#include "player/VerifyPlayer.h"
#include "project/ProjectModel.h"
#include "project/ScheduleCheck.h"
#include "text/LinkText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"
#include "ui/PcRemoteWindow.h"
#include "ui/ProgressDialog.h"

#include <QTimer>
#include <QWidget>

struct PlayerCommands::Parts {
    explicit Parts(const Clock &clock)
        : link(io)
        , remote(link, clock) {}

    QtSerialPortIo io;
    ComLink link;
    RemoteTrigger remote;
    // Made when PC remote mode first starts. No parent: the window stays on screen while the
    // main window is minimized.
    std::unique_ptr<PcRemoteWindow> window;
    bool transferRunning = false;
};

PlayerCommands::PlayerCommands(QWidget &window, CommandWindow &view, DocumentController &document, ProjectModel &model,
                               Prompter &prompter, const Clock &clock)
    : QObject(&window)
    , m_window(window)
    , m_view(view)
    , m_document(document)
    , m_model(model)
    , m_prompter(prompter)
    , m_clock(clock)
    , m_parts(std::make_unique<Parts>(clock)) {
    RemoteTrigger &remote = m_parts->remote;
    connect(&remote, &RemoteTrigger::triggering, this, [this, &remote](quint8 program, const QDateTime &at) {
        remote.addReportLine(RemoteReportLine(program, at, language(), m_dateLocale));
    });
    connect(&remote, &RemoteTrigger::minuteSkipped, this, [this, &remote](const QDateTime &at, int missed) {
        remote.addReportLine(missed < 0 ? RemoteSkippedLine(at, language(), m_dateLocale)
                                        : RemoteMissedLine(missed, at, false, language(), m_dateLocale));
    });
    connect(&remote, &RemoteTrigger::missedWhileAway, this, [this, &remote](quint8 program, const QDateTime &at) {
        remote.addReportLine(RemoteMissedLine(program, at, true, language(), m_dateLocale));
    });
    // Every failure goes into the report; one message at a time is shown, the minutes going on
    // behind it.
    connect(&remote, &RemoteTrigger::triggerFailed, this,
            [this, &remote](ComResult code, quint8 program, const QDateTime &at) {
                remote.addReportLine(RemoteFailedLine(program, at, code, language(), m_dateLocale));
                if (m_failureShown)
                    return;
                m_failureShown = true;
                m_prompter.warn(ComResultText(code, language()),
                                code == ComCode::OpenError ? noticeText(m_parts->link.openFailureReason(), language())
                                                           : QString());
                m_failureShown = false;
            });
    m_document.runner().setLink(&m_parts->link);
    RemoteMinuteTimer = new QTimer(this);
    RemoteMinuteTimer->setObjectName(QStringLiteral("RemoteMinuteTimer"));
    RemoteMinuteTimer->setInterval(1000);
    connect(RemoteMinuteTimer, &QTimer::timeout, this, &PlayerCommands::checkRemoteMinute);
    RemoteMinuteTimer->start();
}

PlayerCommands::~PlayerCommands() = default;

Language PlayerCommands::language() const {
    return m_view.language();
}

bool PlayerCommands::holdsPort(const QString &port) const {
    return m_parts->link.isOpen() && m_parts->link.portName() == port;
}

void PlayerCommands::setAckWatchdog(std::chrono::milliseconds limit) {
    ComLink &link = m_parts->link;
    link.setTiming({limit, link.timing().byteTimeout});
}

// ---------------------------------------------------------------------------------------
// PC remote mode

namespace {

// The mode and port of the window as they are at this tick.
void takeRemoteSettings(RemoteTrigger &remote, bool mode, const QString &port) {
    remote.PCRemoteMode = mode;
    remote.setPortName(port);
}

} // namespace

void PlayerCommands::startPcRemote() {
    if (!m_parts->window)
        m_parts->window = std::make_unique<PcRemoteWindow>(m_parts->remote);
    PcRemoteWindow &window = *m_parts->window;
    m_remoteMode = true;
    m_window.showMinimized();
    window.setLanguage(language());
    m_view.runDialog(window);
    m_window.showNormal();
    m_remoteMode = false;
}

void PlayerCommands::checkRemoteMinute() {
    RemoteTrigger &remote = m_parts->remote;
    // Most ticks end here, without a copy of the project.
    if (!remote.isNewMinute())
        return;
    takeRemoteSettings(remote, m_remoteMode, m_view.portName());
    remote.checkMinute(m_model.project().Programs);
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

void PlayerCommands::transmitPrograms() {
    if (m_parts->transferRunning)
        return;
    const RunningTransfer running(m_parts->transferRunning);
    if (const QString warning = CodeZeroWarning(m_model.project().Programs, language()); !warning.isEmpty())
        m_prompter.warn(warning);
    if (!m_prompter.confirm(
            translated(phrase("Messages", "Do you want to transmit the programs to the player?"), language())))
        return;
    const Project project = m_model.project();
    const ComResult result = m_document.runOperation(ProgressDialog::TransmitMode, [&] {
        return TransmitRun(m_parts->link, project, m_document.runner().transferContext());
    });
    m_prompter.warn(ComResultText(result, language()));
}

void PlayerCommands::verifyPrograms() {
    if (m_parts->transferRunning)
        return;
    const RunningTransfer running(m_parts->transferRunning);
    const Project project = m_model.project();
    VerifyResult verified;
    const ComResult result = m_document.runOperation(ProgressDialog::VerifyMode, [&] {
        verified = VerifyRun(m_parts->link, project, m_document.runner().transferContext());
        return verified.result;
    });
    // A failed run has already shown the link's message.
    if (result == ComCode::Ok)
        m_prompter.warn(VerifyReport(verified, language()));
}

void PlayerCommands::receivePrograms() {
    if (m_parts->transferRunning)
        return;
    const RunningTransfer running(m_parts->transferRunning);
    m_document.AskSaveIfModified();
    if (!m_prompter.confirm(
            translated(phrase("Messages", "Do you want to Receive the programs from the player?"), language())))
        return;
    // The port must open before the project is given up for the programs of the player.
    ComLink &port = m_parts->link;
    if (const PortRun probe = port.runOnPort(m_view.portName(), [] { return ComCode::Ok; });
        probe.code != ComCode::Ok) {
        m_prompter.warn(ComResultText(probe.code, language()), noticeText(probe.reason, language()));
        return;
    }

    ReceivedPrograms received;
    const ComResult result = m_document.runOperation(ProgressDialog::ReceiveMode, [&] {
        received = ReceiveRun(port, m_document.runner().transferContext());
        return received.result;
    });
    m_prompter.warn(ComResultText(result, language()));
    // A receive that did not end well changes nothing: the open project stays as it was.
    if (result != ComCode::Ok) {
        m_view.updateCommandState();
        return;
    }
    // The programs received, their name and a project opened for them are one step.
    const ProjectModel::StepScope step(m_model, EditKind::Receive);
    m_document.ResetPropertyDialog();
    m_document.ClearProject();
    m_model.appendPrograms(received.programs);
    if (const Notice corrected = CorrectedSlotsWarning(received.correctedSlots); !corrected.isNull())
        m_prompter.warn(noticeText(corrected, language()));
    m_document.warnOfCodeConflicts();

    QString name;
    const TransferContext shown{m_clock, {}, {}, [this](const LinkFailure &failure) {
                                    m_prompter.warn(ComResultText(failure.code, language()),
                                                    noticeText(failure.reason, language()));
                                }};
    if (ReadProjectName(port, m_view.portName(), name, shown) == ComCode::Ok) {
        bool cleaned = false;
        const QString shownName = ShownProjectName(name, &cleaned);
        m_model.setProjectName(shownName);
        if (cleaned)
            m_prompter.warn(translated(phrase("Confidence", "The project name read from the player held line breaks or "
                                                            "control characters; they were replaced by spaces."),
                                       language()));
        // The file is read and checked before it replaces the received programs.
        if (m_prompter.confirm(
                translated(
                    phrase(
                        "Messages",
                        "Do you want to load the project file associated to the current programmation of the player? "),
                    language()) +
                translated(phrase("Messages", "Associated Project name\u00A0: "), language()) + shownName))
            m_document.openChosenProject();
    }
    m_model.selectFirst();
    m_model.takeSavePoint();
    m_view.updateCommandState();
}
