#include "ProgressDialog.h"

#include "model/Prompter.h"
#include "text/LinkText.h"
#include "text/Translation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

// How often a running operation lets the window repaint.
constexpr qint64 PaintIntervalMs = 30;
constexpr int Margin = 16;

// What a run shows before its first step: the name of what it does.
QString firstText(int mode, Language language) {
    QString text;
    switch (mode) {
    case ProgressDialog::TransmitMode:
        text = translated(phrase("SendReceiveMenu", "&Transmit the Programs"), language);
        break;
    case ProgressDialog::ReceiveMode:
        text = translated(phrase("SendReceiveMenu", "&Receive the Programs"), language);
        break;
    case ProgressDialog::ExportMode:
        text = translated(phrase("FileMenu", "&Export"), language);
        break;
    case ProgressDialog::ImportMode:
        text = translated(phrase("FileMenu", "&Import"), language);
        break;
    case ProgressDialog::ReadProjectMode:
        text = translated(phrase("FileMenu", "&Open"), language);
        break;
    case ProgressDialog::DeleteColorGroupMode:
        text = translated(phrase("EditMenu", "Delete a Group of same Color"), language);
        break;
    case ProgressDialog::VerifyMode:
        text = translated(phrase("Confidence", "&Verify the Programs"), language);
        break;
    default: // clearing the project
        text = translated(phrase("Messages", "Delete Program"), language);
    }
    return CommandName(text);
}

} // namespace

ProgressDialog::ProgressDialog(Prompter &prompter, const Clock &clock, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_prompter(prompter)
    , m_clock(clock) {
    setObjectName(QStringLiteral("ProgressDialog"));
    setModal(true);
    setWindowTitle(QStringLiteral("Progress"));

    ProgressFrame = new QFrame(this);
    ProgressFrame->setObjectName(QStringLiteral("ProgressFrame"));
    ProgressFrame->setFrameShape(QFrame::Box);
    ProgressFrame->setFrameShadow(QFrame::Sunken);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(16, 18, 283, 21);
    ProgressBar->setRange(0, SlotRunMaximum);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);

    StatusLabel = new QLabel(QStringLiteral("..."), this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setGeometry(16, 18, 283, 21);
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->hide();

    // The step the run is at, also in the window: a title bar may not show it.
    StepLabel = new QLabel(this);
    StepLabel->setObjectName(QStringLiteral("StepLabel"));
    StepLabel->setAlignment(Qt::AlignCenter);
    fitWidth(0);

    CloseTimer = new QTimer(this);
    CloseTimer->setObjectName(QStringLiteral("CloseTimer"));
    CloseTimer->setInterval(CloseDelayMs);
    CloseTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    connect(CloseTimer, &QTimer::timeout, this, &ProgressDialog::closeAfterRun);
}

ProgressDialog::~ProgressDialog() = default;

ComResult ProgressDialog::run(int mode, const Work &work) {
    m_mode = mode;
    m_work = work;
    // Nothing of the run before stays: an empty bar and this run's own first text.
    m_width = 0;
    prepareProgress(mode <= ImportMode || mode == VerifyMode ? SlotRunMaximum : 1);
    showStep(firstText(mode, m_language));
    exec();
    m_work = nullptr;
    return m_result;
}

void ProgressDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_started = false;
    // The operation starts once the window is on screen, from the event loop of the modal
    // showing, so that the caller's exec() is already running.
    QTimer::singleShot(0, this, [this] {
        if (!m_started && isVisible()) {
            m_started = true;
            runOperation();
        }
    });
}

void ProgressDialog::closeEvent(QCloseEvent *event) {
    if (m_running || CloseTimer->isActive())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void ProgressDialog::keyPressEvent(QKeyEvent *event) {
    // Escape would end the showing; the window closes itself.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ProgressDialog::runOperation() {
    m_running = true;
    m_result = ComCode::Ok;
    m_sincePaint.invalidate();
    repaint();

    const bool serial = m_mode == TransmitMode || m_mode == ReceiveMode || m_mode == VerifyMode;
    if (serial) {
        const PortRun run = m_link ? m_link->runOnPort(m_portName, [this] { return runWork(); })
                                   : PortRun{ComCode::OpenError, PortRun::Opening, {}};
        m_result = run.code;
        // Transmit and receive tell their result afterwards; verify only tells a success.
        if (run.step == PortRun::Opening || (run.step == PortRun::Closing && m_mode == VerifyMode))
            m_prompter.warn(ComResultText(run.code, m_language), noticeText(run.reason, m_language));
    } else if (m_mode >= 0 && m_mode < ModeCount) {
        const ComResult result = runWork();
        if (m_mode <= ImportMode)
            m_result = result;
    }
    m_running = false;
    CloseTimer->start();
}

void ProgressDialog::closeAfterRun() {
    CloseTimer->stop();
    done(QDialog::Accepted);
}

ComResult ProgressDialog::runWork() {
    const bool transfer = m_mode == TransmitMode || m_mode == ReceiveMode || m_mode == VerifyMode;
    ProgressBar->setMaximum(m_mode <= ImportMode || m_mode == VerifyMode ? SlotRunMaximum : 1);
    const bool hideList = m_mode >= ReadProjectMode && m_list;
    const bool listShown = hideList && m_list->isVisible();
    if (hideList)
        m_list->hide();
    if (transfer)
        prepareProgress(SlotRunMaximum);
    emit workStarted();
    const ComResult result = m_work ? m_work() : ComCode::Ok;
    emit workFinished();
    if (listShown)
        m_list->show();
    return result;
}

TransferContext ProgressDialog::transferContext() {
    const Language language = m_language;
    const bool verifying = m_mode == VerifyMode;
    return TransferContext{
        m_clock,
        [this, language, verifying](int slot) {
            stepProgress(verifying ? VerifySlotCaption(slot, language) : SlotCaption(slot, language));
        },
        [this, language] { showStatus(translated(phrase("Messages", "Finalization Step..."), language)); },
        [this, language](const LinkFailure &failure) {
            m_prompter.warn(ComResultText(failure.code, language), noticeText(failure.reason, language));
        }};
}

void ProgressDialog::prepareProgress(int maximum) {
    ProgressBar->setMaximum(qMax(0, maximum));
    ProgressBar->setValue(0);
    StatusLabel->hide();
    ProgressBar->show();
}

void ProgressDialog::stepProgress(const QString &caption) {
    ProgressBar->setValue(qMin(ProgressBar->value() + 1, ProgressBar->maximum()));
    showStep(caption);
    keepPainted();
}

void ProgressDialog::showStep(const QString &text) {
    setWindowTitle(text);
    StepLabel->setText(text);
    fitWidth(StepLabel->fontMetrics().horizontalAdvance(text) + 4 * Margin);
}

// The window grows to the widest text of the run, from its 315 pixels.
void ProgressDialog::fitWidth(int wanted) {
    const int width = qMax(qMax(315, m_width), wanted);
    if (width == m_width)
        return;
    m_width = width;
    const int lineHeight = qMax(21, StepLabel->sizeHint().height());
    setFixedSize(width, 57 + lineHeight);
    ProgressFrame->setGeometry(8, 8, width - 16, 41 + lineHeight);
    ProgressBar->setGeometry(Margin, 18, width - 2 * Margin, 21);
    StatusLabel->setGeometry(ProgressBar->geometry());
    StepLabel->setGeometry(Margin, 18 + 21 + 4, width - 2 * Margin, lineHeight);
}

void ProgressDialog::showStatus(const QString &text) {
    StatusLabel->setText(text);
    ProgressBar->hide();
    StatusLabel->show();
    keepPainted();
}

void ProgressDialog::keepPainted() {
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < PaintIntervalMs)
        return;
    m_sincePaint.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
