#pragma once

#include "model/Language.h"

#include <QLocale>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class Clock;
class ComLink;
struct PortRun;
struct TransferContext;
class CommandWindow;
class DocumentController;
class Prompter;
class QTimer;
class QWidget;
class RemoteTrigger;
class ProjectModel;
class PcRemoteWindow;

// The player commands of the main window: Transmit, Receive, Verify, and PC remote mode with
// its window and the one-second clock of the minute check. It owns the serial link, on its own
// thread; the transfers run there, shown by the document's operation runner, and each command
// ends in the runner's report of the run: nothing waits for the player meanwhile.
class PlayerCommands : public QObject {
    Q_OBJECT

public:
    PlayerCommands(QWidget &window, CommandWindow &view, DocumentController &document, ProjectModel &model,
                   Prompter &prompter, const Clock &clock);
    ~PlayerCommands() override;

    void transmitPrograms();  // Transmit, after the question
    void receivePrograms();   // Receive, after the save and receive questions
    void verifyPrograms();    // reads the player back and says whether it holds the project
    void startPcRemote();     // PC remote mode while its window is open
    void checkRemoteMinute(); // every second: the minute check once the minute has changed

    // File > Open Player Backup...: the backup folder's file dialog, then the file chosen opened.
    // Whether a transmit first keeps a copy of the player (PlayerBackup); on unless set.
    bool backupBeforeTransmit() const { return m_backup; }
    void setBackupBeforeTransmit(bool on) { m_backup = on; }

    bool PCRemoteMode() const { return m_remoteMode; }
    void setPCRemoteMode(bool on) { m_remoteMode = on; }
    // Whether the link holds `port` open now.
    bool holdsPort(const QString &port) const;
    // The longest wait for an acknowledgement of the player; 10 s unless set.
    void setAckWatchdog(std::chrono::milliseconds limit);
    // The date format of the PC remote report.
    void setDateLocale(const QLocale &locale) { m_dateLocale = locale; }

private:
    Language language() const;
    // Runs `work` in the runner on the link; `done` gets the run's end, Undo and Redo allowed again.
    bool startTransfer(int mode, std::function<quint8(ComLink &, const TransferContext &)> work,
                       std::function<void(const PortRun &)> done);
    struct Reception;
    void takeReceived(const Reception &received);

    QWidget &m_window;
    CommandWindow &m_view;
    DocumentController &m_document;
    ProjectModel &m_model;
    Prompter &m_prompter;
    const Clock &m_clock;
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    QTimer *RemoteMinuteTimer = nullptr;
    bool m_remoteMode = false;
    bool m_backup = true;
    bool m_failureShown = false; // a failed trigger's message is on screen
    QLocale m_dateLocale = QLocale::system();
};
