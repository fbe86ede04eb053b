#include "PcRemoteWindow.h"

#include "player/RemoteTrigger.h"
#include "text/Translation.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

PcRemoteWindow::PcRemoteWindow(RemoteTrigger &remote, QWidget *parent)
    : QDialog(parent)
    , m_remote(remote) {
    setObjectName(QStringLiteral("PcRemoteWindow"));
    setFixedSize(256, 319);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    HeaderPanel = new QLabel(this);
    HeaderPanel->setAlignment(Qt::AlignCenter);
    HeaderPanel->setFrameShape(QFrame::Panel);
    HeaderPanel->setFrameShadow(QFrame::Raised);
    HeaderPanel->setFixedHeight(41);
    QFont bold = HeaderPanel->font();
    bold.setBold(true);
    HeaderPanel->setFont(bold);
    HeaderPanel->setAutoFillBackground(true);
    layout->addWidget(HeaderPanel);

    auto *labelPanel = new QFrame(this);
    labelPanel->setFrameShape(QFrame::Panel);
    labelPanel->setFrameShadow(QFrame::Raised);
    auto *labelLayout = new QHBoxLayout(labelPanel);
    labelLayout->setContentsMargins(8, 2, 8, 2);
    ReportLabel = new QLabel(labelPanel);
    labelLayout->addWidget(ReportLabel);
    layout->addWidget(labelPanel);

    ReportEdit = new QPlainTextEdit(this);
    ReportEdit->setReadOnly(true);
    ReportEdit->setFrameShape(QFrame::NoFrame);
    ReportEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The document drops its first line itself once the limit is reached, as the report does.
    ReportEdit->setMaximumBlockCount(int(RemoteTrigger::MaxReportLines));
    layout->addWidget(ReportEdit, 1);

    auto *buttons = new QFrame(this);
    buttons->setFrameShape(QFrame::Panel);
    buttons->setFrameShadow(QFrame::Raised);
    auto *buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->setContentsMargins(8, 6, 8, 6);
    ClearButton = new QPushButton(buttons);
    ClearButton->setAutoDefault(false);
    ExitButton = new QPushButton(buttons);
    ExitButton->setAutoDefault(false);
    buttonLayout->addWidget(ClearButton);
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(ExitButton);
    layout->addWidget(buttons);

    HeaderPanel->setObjectName(QStringLiteral("HeaderPanel"));
    ReportLabel->setObjectName(QStringLiteral("ReportLabel"));
    ReportEdit->setObjectName(QStringLiteral("ReportEdit"));
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    ExitButton->setObjectName(QStringLiteral("ExitButton"));
    connect(ClearButton, &QPushButton::clicked, this, &PcRemoteWindow::clearReport);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);

    for (const QString &line : m_remote.report())
        ReportEdit->appendPlainText(line);
    connect(&m_remote, &RemoteTrigger::reportLineAdded, ReportEdit, &QPlainTextEdit::appendPlainText);
    connect(&m_remote, &RemoteTrigger::reportCleared, ReportEdit, &QPlainTextEdit::clear);

    BlinkTimer = new QTimer(this);
    BlinkTimer->setInterval(500);
    connect(BlinkTimer, &QTimer::timeout, this, &PcRemoteWindow::blink);
    BlinkTimer->start();
    setHeaderColor(palette().color(QPalette::Button));
}

void PcRemoteWindow::start() {
    setWindowTitle(translated(phrase("PcRemoteWindow", "PC Remote"), m_language));
    ClearButton->setText(translated(phrase("PcRemoteWindow", "Clear"), m_language));
    ExitButton->setText(translated(phrase("PcRemoteWindow", "Exit"), m_language));
    HeaderPanel->setText(translated(phrase("PcRemoteWindow", "PC Remote Mode"), m_language));
    ReportLabel->setText(translated(phrase("PcRemoteWindow", "Report List :"), m_language));
}

void PcRemoteWindow::showEvent(QShowEvent *event) {
    start();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void PcRemoteWindow::clearReport() {
    m_remote.ClearReport();
}

void PcRemoteWindow::blink() {
    if (Timer1Tag == 1) {
        setHeaderColor(palette().color(QPalette::Button));
        Timer1Tag = 0;
    } else {
        setHeaderColor(HeaderGreen);
        Timer1Tag = 1;
    }
}

QColor PcRemoteWindow::headerColor() const {
    return HeaderPanel->palette().color(QPalette::Window);
}

void PcRemoteWindow::setHeaderColor(const QColor &color) {
    QPalette pal = HeaderPanel->palette();
    pal.setColor(QPalette::Window, color);
    HeaderPanel->setPalette(pal);
}
