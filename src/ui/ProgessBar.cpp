#include "ProgessBar.h"

#include "model/Prompter.h"
#include "text/text.h"

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

} // namespace

TOKBottomDlg1::TOKBottomDlg1(Prompter &prompter, const Clock &clock, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_prompter(prompter)
    , m_clock(clock) {
    setObjectName(QStringLiteral("TOKBottomDlg1"));
    setModal(true);
    setFixedSize(315, 57);
    setWindowTitle(QStringLiteral("Progress"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 299, 41);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(16, 18, 283, 21);
    ProgressBar1->setRange(0, 254);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Label1 = new QLabel(QStringLiteral("..."), this);
    Label1->setGeometry(16, 18, 283, 21);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(CloseDelayMs);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5 % early
    connect(Timer1, &QTimer::timeout, this, &TOKBottomDlg1::Timer1Timer);
}

TOKBottomDlg1::~TOKBottomDlg1() = default;

void TOKBottomDlg1::setOperation(int mode, Operation operation) {
    if (mode >= 0 && mode < ModeCount)
        m_operations[std::size_t(mode)] = std::move(operation);
}

TOKBottomDlg1::Operation TOKBottomDlg1::operation(int mode) const {
    return mode >= 0 && mode < ModeCount ? m_operations[std::size_t(mode)] : Operation();
}

ComResult TOKBottomDlg1::run(int mode) {
    OperationMode = mode;
    exec();
    return OperationResult;
}

void TOKBottomDlg1::showEvent(QShowEvent *event) {
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

void TOKBottomDlg1::closeEvent(QCloseEvent *event) {
    if (m_running || Timer1->isActive())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TOKBottomDlg1::keyPressEvent(QKeyEvent *event) {
    // Escape would end the showing; the window closes itself.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TOKBottomDlg1::FormActivate() {
    m_running = true;
    OperationResult = ComCode::Ok;
    m_sincePaint.invalidate();
    repaint();

    const int mode = OperationMode;
    const bool serial = mode == TransmitMode || mode == ReceiveMode || mode == VerifyMode;
    if (serial) {
        Received = ReceivedPrograms();
        Verified = VerifyResult();
        OperationResult = m_link ? m_link->OpenComPort(PortName) : ComCode::OpenError;
    }
    if (OperationResult != ComCode::Ok) {
        m_prompter.warn(LanguageText(TextTable::ComResultTexts, OperationResult, Language));
    } else if (mode >= 0 && mode < ModeCount) {
        ProgressBar1->setMaximum(mode <= ImportMode || mode == VerifyMode ? 254 : 1);
        const bool hideList = mode >= ReadProjectMode && m_list;
        const bool listShown = hideList && m_list->isVisible();
        if (hideList)
            m_list->hide();
        ComResult result = ComCode::Ok;
        if (const Operation &operation = m_operations[std::size_t(mode)])
            result = operation();
        else if (serial)
            result = runTransfer();
        if (mode <= ImportMode || mode == VerifyMode)
            OperationResult = result;
        if (listShown)
            m_list->show();
    }
    if (serial && m_link) {
        const ComResult closed = m_link->CloseComPort();
        if (OperationResult == ComCode::Ok) {
            OperationResult = closed;
            // Transmit and receive tell their result afterwards; verify only tells a success.
            if (mode == VerifyMode && closed != ComCode::Ok)
                m_prompter.warn(LanguageText(TextTable::ComResultTexts, closed, Language));
        }
    }
    m_running = false;
    Timer1->start();
}

void TOKBottomDlg1::Timer1Timer() {
    Timer1->stop();
    done(QDialog::Accepted);
}

TransferContext TOKBottomDlg1::transferContext() {
    TransferContext context{m_prompter, Language, m_clock, {}, {}};
    const QString start = OperationMode == VerifyMode
                              ? LanguageText(TextTable::ConfidenceTexts, VerifyProgressCaption, Language) +
                                    LanguageText(TextTable::MessageTexts, 2, Language)
                              : LanguageText(TextTable::MessageTexts, 2, Language);
    context.slotDone = [this, start](int slot) {
        stepProgress(start + QString::number(slot) + LanguageText(TextTable::MessageTexts, 3, Language));
    };
    context.finalizing = [this] { showStatus(LanguageText(TextTable::MessageTexts, 4, Language)); };
    return context;
}

ComResult TOKBottomDlg1::runTransfer() {
    prepareProgress(254);
    const TransferContext context = transferContext();
    if (OperationMode == TransmitMode)
        return TransmitRun(*m_link, TransmitProject, context);
    if (OperationMode == VerifyMode) {
        Verified = VerifyRun(*m_link, TransmitProject, context);
        return Verified.result;
    }
    Received = ReceiveRun(*m_link, context);
    return Received.result;
}

void TOKBottomDlg1::prepareProgress(int maximum) {
    ProgressBar1->setMaximum(qMax(0, maximum));
    ProgressBar1->setValue(0);
    Label1->hide();
    ProgressBar1->show();
}

void TOKBottomDlg1::stepProgress(const QString &caption) {
    ProgressBar1->setValue(qMin(ProgressBar1->value() + 1, ProgressBar1->maximum()));
    setWindowTitle(caption);
    keepPainted();
}

void TOKBottomDlg1::showStatus(const QString &text) {
    Label1->setText(text);
    ProgressBar1->hide();
    Label1->show();
    keepPainted();
}

void TOKBottomDlg1::keepPainted() {
    if (m_sincePaint.isValid() && m_sincePaint.elapsed() < PaintIntervalMs)
        return;
    m_sincePaint.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
