#include "ProgressDialog.h"

#include "model/Prompter.h"
#include "text/LinkText.h"
#include "text/Translation.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

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

void ProgressDialog::begin(int mode) {
    CloseTimer->stop();
    m_mode = mode;
    m_result = ComCode::Ok;
    m_failures.clear();
    // Nothing of the run before stays: an empty bar and this run's own first text.
    m_width = 0;
    prepareProgress(mode <= ImportMode || mode == VerifyMode ? SlotRunMaximum : 1);
    showStep(firstText(mode, m_language));
    m_running = true;
    show();
}

ComResult ProgressDialog::run(int mode, const Work &work) {
    const bool document = mode >= ExportMode && mode < ModeCount && mode != VerifyMode;
    if (m_running || !document || !work)
        return ComCode::Ok;
    begin(mode);
    m_work = work;
    const ComResult result = runWork();
    m_work = nullptr;
    if (m_mode <= ImportMode)
        m_result = result;
    m_running = false;
    CloseTimer->start();
    return m_result;
}

bool ProgressDialog::startTransfer(int mode, TransferWork work, std::function<void(const PortRun &)> done) {
    if (m_running || (mode != TransmitMode && mode != ReceiveMode && mode != VerifyMode))
        return false;
    begin(mode);
    m_transfer = std::move(work);
    m_done = std::move(done);
    // The run starts once the window is on screen.
    QTimer::singleShot(0, this, &ProgressDialog::startOnLink);
    return true;
}

void ProgressDialog::startOnLink() {
    if (!m_link) {
        transferFinished({ComCode::OpenError, PortRun::Opening, {}});
        return;
    }
    const Language language = m_language;
    const bool verifying = m_mode == VerifyMode;
    const auto work = [port = m_portName, transfer = m_transfer](ComLink &link, const TransferContext &context) {
        return link.runOnPort(port, [&] { return transfer(link, context); });
    };
    LinkThread::Listener listener{
        [this, language, verifying](int slot) {
            stepProgress(verifying ? VerifySlotCaption(slot, language) : SlotCaption(slot, language));
        },
        [this, language] { showStatus(translated(phrase("Messages", "Finalization Step..."), language)); },
        [this](const LinkFailure &failure) { m_failures.append(failure); },
        [this](const PortRun &run) { transferFinished(run); }};
    // A PC remote trigger may hold the link for a moment.
    if (!m_link->start(m_portName, work, listener)) {
        QTimer::singleShot(5, this, &ProgressDialog::startOnLink);
        return;
    }
    emit workStarted();
}

void ProgressDialog::transferFinished(const PortRun &run) {
    emit workFinished();
    m_transfer = nullptr;
    m_run = run;
    m_result = run.code;
    for (const LinkFailure &failure : std::as_const(m_failures))
        m_prompter.warn(ComResultText(failure.code, m_language), noticeText(failure.reason, m_language));
    // Transmit and receive tell their result afterwards; verify only tells a success.
    if (run.step == PortRun::Opening || (run.step == PortRun::Closing && m_mode == VerifyMode))
        m_prompter.warn(ComResultText(run.code, m_language), noticeText(run.reason, m_language));
    m_running = false;
    CloseTimer->start();
}

void ProgressDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
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

void ProgressDialog::closeAfterRun() {
    CloseTimer->stop();
    done(QDialog::Accepted);
    if (const auto finished = std::exchange(m_done, nullptr))
        finished(m_run);
}

ComResult ProgressDialog::runWork() {
    const bool hideList = m_mode >= ReadProjectMode && m_list;
    const bool listShown = hideList && m_list->isVisible();
    if (hideList)
        m_list->hide();
    emit workStarted();
    const ComResult result = m_work ? m_work() : ComCode::Ok;
    emit workFinished();
    if (listShown)
        m_list->show();
    return result;
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
}
