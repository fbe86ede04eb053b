// The player commands of the main window: Transmit, Receive, Verify and PC remote mode with its
// window and the one-second clock of the minute check.
#include "PlayerCommands.h"

#include "CommandWindow.h"
#include "DocumentController.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ComPort.h"
#include "player/LinkThread.h"
#include "player/PlayerLink.h"
#include "player/RemoteTrigger.h"
#include "player/ScheduleFile.h"
#include "player/VerifyPlayer.h"
#include "project/PlayerBackup.h"
#include "project/ProjectModel.h"
#include "project/ScheduleCheck.h"
#include "text/LinkText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"
#include "ui/PcRemoteWindow.h"
#include "ui/ProgressDialog.h"

#include <QTimer>
#include <QWidget>

#include <optional>

struct PlayerCommands::Parts {
    Parts(const Clock &clock, QObject *owner)
        : link(clock, {}, owner)
        , remote(link, clock) {
        link.setObjectName(QStringLiteral("PlayerLink"));
    }

    LinkThread link;
    RemoteTrigger remote;
    // Made when PC remote mode first starts. No parent: the window stays on screen while the
    // main window is minimized.
    std::unique_ptr<PcRemoteWindow> window;
    // From the question of a transfer until its last message.
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
    , m_parts(std::make_unique<Parts>(clock, this)) {
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
            [this, &remote](ComResult code, quint8 program, const QDateTime &at, const Notice &reason) {
                remote.addReportLine(RemoteFailedLine(program, at, code, language(), m_dateLocale));
                if (m_failureShown)
                    return;
                m_failureShown = true;
                m_prompter.warn(ComResultText(code, language()), noticeText(reason, language()));
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
    return !port.isEmpty() && m_parts->link.busyPort() == port;
}

void PlayerCommands::setAckWatchdog(std::chrono::milliseconds limit) {
    LinkThread &link = m_parts->link;
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

bool PlayerCommands::startTransfer(int mode, ProgressDialog::TransferWork work,
                                   std::function<void(const PortRun &)> done) {
    ProgressDialog &runner = m_document.runner();
    runner.setLanguage(language());
    runner.setPortName(m_view.portName());
    // No Undo or Redo while a transfer runs.
    m_document.beginOperation();
    const bool started = runner.startTransfer(mode, std::move(work), [this, done](const PortRun &run) {
        m_document.endOperation();
        done(run);
    });
    if (!started)
        m_document.endOperation();
    return started;
}

void PlayerCommands::transmitPrograms() {
    if (m_parts->transferRunning)
        return;
    m_parts->transferRunning = true;
    if (const QString warning = CodeZeroWarning(m_model.project().Programs, language()); !warning.isEmpty())
        m_prompter.warn(warning);
    if (!m_prompter.confirm(
            translated(phrase("Messages", "Do you want to transmit the programs to the player?"), language()))) {
        m_parts->transferRunning = false;
        return;
    }
    const Project project = m_model.project();
    // The player's programs and name first, kept as a project file; a read that fails stops nothing.
    const auto backup = std::make_shared<std::optional<PlayerBackup::Outcome>>();
    const auto transmit = [project, backup, keep = m_backup,
                           folder = PlayerBackup::folder()](ComLink &link, const TransferContext &context) {
        if (keep)
            *backup = PlayerBackup::readAndKeep(link, folder, context);
        return TransmitRun(link, project, context);
    };
    m_parts->transferRunning =
        startTransfer(ProgressDialog::TransmitMode, transmit, [this, backup](const PortRun &run) {
            m_prompter.warn(ComResultText(run.code, language()),
                            *backup ? BackupNote(**backup, language()) : QString());
            m_parts->transferRunning = false;
        });
}

void PlayerCommands::verifyPrograms() {
    if (m_parts->transferRunning)
        return;
    const Project project = m_model.project();
    const auto verified = std::make_shared<VerifyResult>();
    const auto verify = [project, verified](ComLink &link, const TransferContext &context) {
        *verified = VerifyRun(link, project, context);
        return verified->result;
    };
    m_parts->transferRunning = startTransfer(ProgressDialog::VerifyMode, verify, [this, verified](const PortRun &run) {
        // A failed run has already shown the link's message.
        if (run.code == ComCode::Ok)
            m_prompter.warn(VerifyReport(*verified, language()));
        m_parts->transferRunning = false;
    });
}

// What a receive brings: the programs, then the project name read on a fresh opening.
struct PlayerCommands::Reception {
    ReceivedPrograms programs;
    ComResult nameCode = ComCode::Ok;
    QString name;
    std::optional<LinkFailure> nameFailure;
};

void PlayerCommands::receivePrograms() {
    if (m_parts->transferRunning)
        return;
    m_parts->transferRunning = true;
    m_document.AskSaveIfModified();
    if (!m_prompter.confirm(
            translated(phrase("Messages", "Do you want to Receive the programs from the player?"), language()))) {
        m_parts->transferRunning = false;
        return;
    }
    const auto reception = std::make_shared<Reception>();
    const auto receive = [reception](ComLink &link, const TransferContext &context) {
        reception->programs = ReceiveRun(link, context);
        return reception->programs.result;
    };
    const QString port = m_view.portName();
    m_parts->transferRunning =
        startTransfer(ProgressDialog::ReceiveMode, receive, [this, reception, port](const PortRun &run) {
            // A port that did not open has said so; the open project stays as it was.
            if (run.step != PortRun::Opening)
                m_prompter.warn(ComResultText(run.code, language()));
            if (run.code != ComCode::Ok) {
                m_view.updateCommandState();
                m_parts->transferRunning = false;
                return;
            }
            const auto readName = [reception, port](ComLink &link, const TransferContext &context) {
                const TransferContext noted{context.clock, {}, {}, [reception](const LinkFailure &failure) {
                                                reception->nameFailure = failure;
                                            }};
                reception->nameCode = ReadProjectName(link, port, reception->name, noted);
                return PortRun{};
            };
            const bool started = m_parts->link.start(
                port, readName, {{}, {}, {}, [this, reception](const PortRun &) { takeReceived(*reception); }});
            if (!started) { // cannot happen: the receive has just left the link
                reception->nameCode = ComCode::OpenError;
                reception->nameFailure = LinkFailure{LinkFailure::Opening, ComCode::OpenError, 0, {}};
                takeReceived(*reception);
            }
        });
}

void PlayerCommands::takeReceived(const Reception &received) {
    // The programs received, their name and a project opened for them are one step.
    const ProjectModel::StepScope step(m_model, EditKind::Receive);
    m_document.ResetPropertyDialog();
    m_document.ClearProject();
    m_model.appendPrograms(received.programs.programs);
    if (const Notice corrected = CorrectedSlotsWarning(received.programs.correctedSlots); !corrected.isNull())
        m_prompter.warn(noticeText(corrected, language()));
    m_document.warnOfCodeConflicts();
    if (received.nameFailure)
        m_prompter.warn(ComResultText(received.nameFailure->code, language()),
                        noticeText(received.nameFailure->reason, language()));
    if (received.nameCode == ComCode::Ok) {
        bool cleaned = false;
        const QString shownName = ShownProjectName(received.name, &cleaned);
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
    m_parts->transferRunning = false;
}
