#pragma once

#include "model/Clock.h"
#include "model/Language.h"
#include "player/ComPort.h"
#include "player/LinkThread.h"
#include "player/PlayerLink.h"

#include <QDialog>
#include <QList>

#include <functional>

class Prompter;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

// The operation runner: the small modal progress window that every long operation runs in. It
// never runs an event loop of its own: the rest of the program takes no input while it shows,
// and 100 ms after the work ends CloseTimer closes it.
//
// run(mode, work) runs the document's work (modes 2 to 6) at once, on the caller's thread, with
// the window shown, and returns its result; the work reports its progress through
// prepareProgress, stepProgress and showStatus, and captures whatever else it produces.
//
// startTransfer(mode, work, done) runs transmit, receive and verify (modes 0, 1 and 7) on the
// link's thread: once the window is on screen it opens the port, runs the work and closes the
// port, the first non-zero code winning; a port that does not open shows its message and the
// work does not run. The window shows each slot and "Finalization Step..." as they come, then
// the message of a failure, and `done` gets the result once the window has closed.
class ProgressDialog : public QDialog {
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
    // The bar's maximum in the runs over all slots: it is full from the next-to-last slot on.
    static constexpr int SlotRunMaximum = SlotCount - 1;

    using Work = std::function<ComResult()>;
    using TransferWork = std::function<ComResult(ComLink &link, const TransferContext &context)>;

    ProgressDialog(Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    ~ProgressDialog() override;

    // The language of the captions and messages, and the port modes 0, 1 and 7 open.
    void setLanguage(Language language) { m_language = language; }
    void setPortName(const QString &name) { m_portName = name; }
    // The link of modes 0, 1 and 7 (not owned); without one they fail as a port that does not open.
    void setLink(LinkThread *link) { m_link = link; }
    // A widget hidden from view while modes 4 to 6 run (the program list).
    void setListWidget(QWidget *list) { m_list = list; }

    // Runs `work` in `mode` (2 to 6) as above and returns OperationResult: the work's code in
    // modes 2 and 3, 0 in modes 4 to 6. Another mode, or no work, runs nothing.
    ComResult run(int mode, const Work &work = {});
    // Starts `work` in `mode` (0, 1 or 7) as above and returns at once; false, and nothing
    // starts, while a run is going. `done` gets how the run ended; its code is OperationResult.
    bool startTransfer(int mode, TransferWork work, std::function<void(const PortRun &run)> done);
    int operationMode() const { return m_mode; }
    ComResult operationResult() const { return m_result; }
    bool isRunning() const { return m_running; }

    // ---- For the work while it runs.
    // Bar at 0 and shown, status label hidden, maximum `maximum`.
    void prepareProgress(int maximum);
    // Advances the bar by one (it stays full at its maximum) and shows `caption` in the window and
    // as its caption.
    void stepProgress(const QString &caption);
    // The status label with `text` in place of the bar.
    void showStatus(const QString &text);

signals:
    // Around the work of each run, for whoever times it.
    void workStarted();
    void workFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void begin(int mode);
    void startOnLink();
    void transferFinished(const PortRun &run);
    void closeAfterRun();
    ComResult runWork();
    void showStep(const QString &text);
    void fitWidth(int wanted);

    Prompter &m_prompter;
    const Clock &m_clock;
    LinkThread *m_link = nullptr;
    QWidget *m_list = nullptr;
    Language m_language = Language::English;
    QString m_portName;
    int m_mode = 0;
    ComResult m_result = ComCode::Ok;
    Work m_work;
    TransferWork m_transfer;
    std::function<void(const PortRun &)> m_done;
    PortRun m_run;
    QList<LinkFailure> m_failures; // of the transfer going, shown at its end
    bool m_running = false;
    QFrame *ProgressFrame = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *StatusLabel = nullptr;
    QLabel *StepLabel = nullptr;
    int m_width = 0; // as wide as the run's widest text needs
    QTimer *CloseTimer = nullptr;
};
