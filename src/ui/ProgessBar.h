#pragma once

#include "model/Clock.h"
#include "player/ComPort.h"
#include "player/PlayerLink.h"
#include "player/Verify.h"
#include "project/Project.h"

#include <QDialog>
#include <QElapsedTimer>

#include <array>
#include <functional>

class Prompter;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

// The operation runner: the small modal progress window that every long operation runs in.
//
// A caller sets OperationMode (and what that operation needs), shows the window modally with
// exec(), and reads OperationResult once it has closed; run(mode) does the three steps. The
// operation starts as soon as the window is on screen and painted (a zero-time timer after it
// is shown); the rest of the program takes no input meanwhile, and 100 ms after the operation
// ends Timer1 closes the window.
//
// Modes 0 (transmit), 1 (receive) and 7 (verify) open PortName on the link before and close it
// after: mode 0 sends TransmitProject with TransmitRun, mode 1 leaves what ReceiveRun read in
// Received (programs in slot order, result, corrected slots), mode 7 compares the player with
// TransmitProject and leaves the outcome in Verified. Without a link (setLink) they
// report that the port cannot be opened. Modes 2 to 6 run what the owner registered with
// setOperation; their work reports its progress through prepareProgress, stepProgress and
// showStatus.
class TOKBottomDlg1 : public QDialog {
    Q_OBJECT

public:
    enum Mode : int {
        TransmitMode = 0,
        ReceiveMode = 1,
        ExportMode = 2,
        ImportMode = 3,
        ReadProjectMode = 4,
        ClearProjectMode = 5,
        DeleteColorGroupMode = 6,
        VerifyMode = 7,
    };
    static constexpr int ModeCount = 8;
    static constexpr int CloseDelayMs = 100;

    using Operation = std::function<ComResult()>;

    TOKBottomDlg1(Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    ~TOKBottomDlg1() override;

    int OperationMode = 0;
    ComResult OperationResult = ComCode::Ok;
    QString PortName; // the port modes 0 and 1 open
    int Language = 2; // of the captions and messages; set by the caller
    Project TransmitProject;
    ReceivedPrograms Received;
    VerifyResult Verified;

    // The port of modes 0, 1 and 7 (not owned).
    void setLink(ComLink *link) { m_link = link; }
    ComLink *link() const { return m_link; }
    // The work of `mode`; for modes 0, 1 and 7 it replaces the transfer run between opening and
    // closing the port.
    void setOperation(int mode, Operation operation);
    Operation operation(int mode) const;
    // A widget hidden from view while modes 4 to 6 run (the program list).
    void setListWidget(QWidget *list) { m_list = list; }

    // Sets OperationMode, shows the window modally and returns OperationResult.
    ComResult run(int mode);
    bool isRunning() const { return m_running; }

    // ---- For the operations while they run.
    // Bar at 0 and shown, status label hidden, maximum `maximum`.
    void prepareProgress(int maximum);
    // Advances the bar by one (it stays full at its maximum) and sets the window caption.
    void stepProgress(const QString &caption);
    // The status label with `text` in place of the bar.
    void showStatus(const QString &text);
    // Lets the window repaint and timers run, without user input; at most every few ms.
    void keepPainted();

    QFrame *Bevel1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormActivate();
    void Timer1Timer();
    ComResult runTransfer();
    TransferContext transferContext();

    Prompter &m_prompter;
    const Clock &m_clock;
    ComLink *m_link = nullptr;
    QWidget *m_list = nullptr;
    std::array<Operation, ModeCount> m_operations;
    bool m_started = false;
    bool m_running = false;
    QElapsedTimer m_sincePaint;
};
