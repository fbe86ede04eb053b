#pragma once

#include "model/Clock.h"
#include "model/Language.h"
#include "player/ComPort.h"
#include "player/PlayerLink.h"

#include <QDialog>
#include <QElapsedTimer>

#include <functional>

class Prompter;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

// The operation runner: the small modal progress window that every long operation runs in.
//
// run(mode, work) shows the window modally, runs `work` as soon as the window is on screen and
// painted (a zero-time timer after it is shown) and returns its result; the rest of the program
// takes no input meanwhile, and 100 ms after the work ends CloseTimer closes the window. The work
// captures whatever else it produces.
//
// Transmit, receive and verify (modes 0, 1 and 7) open the port on the link before the work and
// close it after, the first non-zero code winning; a port that does not open shows its message
// and the work does not run. Their work reports through transferContext(). Other work reports its
// progress through prepareProgress, stepProgress and showStatus.
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

    ProgressDialog(Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    ~ProgressDialog() override;

    // The language of the captions and messages, and the port modes 0, 1 and 7 open.
    void setLanguage(Language language) { m_language = language; }
    void setPortName(const QString &name) { m_portName = name; }
    // The port of modes 0, 1 and 7 (not owned); without one they fail as a port that does not open.
    void setLink(ComLink *link) { m_link = link; }
    ComLink *link() const { return m_link; }
    // A widget hidden from view while modes 4 to 6 run (the program list).
    void setListWidget(QWidget *list) { m_list = list; }

    // Runs `work` in `mode` as above and returns OperationResult: the work's code (with the
    // port's for modes 0, 1 and 7) in modes 0 to 3 and 7, 0 in modes 4 to 6. An unknown mode, or
    // no work, runs nothing.
    ComResult run(int mode, const Work &work = {});
    int operationMode() const { return m_mode; }
    ComResult operationResult() const { return m_result; }
    bool isRunning() const { return m_running; }

    // ---- For the work while it runs.
    // What a transfer in modes 0, 1 and 7 reports, as this window shows it: the caption after each
    // slot, "Finalization Step..." and the message of a failure.
    TransferContext transferContext();
    // Bar at 0 and shown, status label hidden, maximum `maximum`.
    void prepareProgress(int maximum);
    // Advances the bar by one (it stays full at its maximum) and shows `caption` in the window and
    // as its caption.
    void stepProgress(const QString &caption);
    // The status label with `text` in place of the bar.
    void showStatus(const QString &text);
    // Lets the window repaint and timers run, without user input; at most every few ms.
    void keepPainted();

signals:
    // Around the work of each run, for whoever times it.
    void workStarted();
    void workFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void runOperation();
    void closeAfterRun();
    ComResult runWork();
    void showStep(const QString &text);
    void fitWidth(int wanted);

    Prompter &m_prompter;
    const Clock &m_clock;
    ComLink *m_link = nullptr;
    QWidget *m_list = nullptr;
    Language m_language = Language::English;
    QString m_portName;
    int m_mode = 0;
    ComResult m_result = ComCode::Ok;
    Work m_work;
    bool m_started = false;
    bool m_running = false;
    QElapsedTimer m_sincePaint;
    QFrame *ProgressFrame = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *StatusLabel = nullptr;
    QLabel *StepLabel = nullptr;
    int m_width = 0; // as wide as the run's widest text needs
    QTimer *CloseTimer = nullptr;
};
