#include "ProgressDialog.h"

#include "model/Prompter.h"
#include "text/LanguageTables.h"
#include "text/LinkText.h"

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
        text = LanguageText(SendReceiveMenuRow::Transmit, language);
        break;
    case ProgressDialog::ReceiveMode:
        text = LanguageText(SendReceiveMenuRow::Receive, language);
        break;
    case ProgressDialog::ExportMode:
        text = LanguageText(FileMenuRow::Export, language);
        break;
    case ProgressDialog::ImportMode:
        text = LanguageText(FileMenuRow::Import, language);
        break;
    case ProgressDialog::ReadProjectMode:
        text = LanguageText(FileMenuRow::Open, language);
        break;
    case ProgressDialog::DeleteColorGroupMode:
        text = LanguageText(EditMenuRow::DeleteColorGroup, language);
        break;
    case ProgressDialog::VerifyMode:
        text = LanguageText(VerifyMenuCaption, language);
        break;
    default: // clearing the project
        text = LanguageText(MessageRow::ProgressDelete, language);
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

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(16, 18, 283, 21);
    ProgressBar1->setRange(0, SlotRunMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Label1 = new QLabel(QStringLiteral("..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 18, 283, 21);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->hide();

    // The step the run is at, also in the window: a title bar may not show it.
    StepLabel = new QLabel(this);
    StepLabel->setObjectName(QStringLiteral("StepLabel"));
    StepLabel->setAlignment(Qt::AlignCenter);
    fitWidth(0);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(CloseDelayMs);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    connect(Timer1, &QTimer::timeout, this, &ProgressDialog::Timer1Timer);
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
            FormActivate();
        }
    });
}

void ProgressDialog::closeEvent(QCloseEvent *event) {
    if (m_running || Timer1->isActive())
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

void ProgressDialog::FormActivate() {
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
            m_prompter.warn(ComResultText(run.code, m_language), run.reason);
    } else if (m_mode >= 0 && m_mode < ModeCount) {
        const ComResult result = runWork();
        if (m_mode <= ImportMode)
            m_result = result;
    }
    m_running = false;
    Timer1->start();
}

void ProgressDialog::Timer1Timer() {
    Timer1->stop();
    done(QDialog::Accepted);
}

ComResult ProgressDialog::runWork() {
    const bool transfer = m_mode == TransmitMode || m_mode == ReceiveMode || m_mode == VerifyMode;
    ProgressBar1->setMaximum(m_mode <= ImportMode || m_mode == VerifyMode ? SlotRunMaximum : 1);
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
    return TransferContext{m_clock,
                           [this, language, verifying](int slot) {
                               stepProgress(verifying ? VerifySlotCaption(slot, language)
                                                      : SlotCaption(slot, language));
                           },
                           [this, language] { showStatus(LanguageText(MessageRow::Finalization, language)); },
                           [this, language](const LinkFailure &failure) {
                               m_prompter.warn(ComResultText(failure.code, language), failure.reason);
                           }};
}

void ProgressDialog::prepareProgress(int maximum) {
    ProgressBar1->setMaximum(qMax(0, maximum));
    ProgressBar1->setValue(0);
    Label1->hide();
    ProgressBar1->show();
}

void ProgressDialog::stepProgress(const QString &caption) {
    ProgressBar1->setValue(qMin(ProgressBar1->value() + 1, ProgressBar1->maximum()));
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
    Bevel1->setGeometry(8, 8, width - 16, 41 + lineHeight);
    ProgressBar1->setGeometry(Margin, 18, width - 2 * Margin, 21);
    Label1->setGeometry(ProgressBar1->geometry());
    StepLabel->setGeometry(Margin, 18 + 21 + 4, width - 2 * Margin, lineHeight);
}

void ProgressDialog::showStatus(const QString &text) {
    Label1->setText(text);
    ProgressBar1->hide();
    Label1->show();
    keepPainted();
}

void ProgressDialog::keepPainted() {
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < PaintIntervalMs)
        return;
    m_sincePaint.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
