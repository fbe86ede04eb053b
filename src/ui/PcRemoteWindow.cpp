#include "PcRemoteWindow.h"

#include "player/RemoteTrigger.h"
#include "text/LanguageTables.h"

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

    Panel2 = new QLabel(this);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Raised);
    Panel2->setFixedHeight(41);
    QFont bold = Panel2->font();
    bold.setBold(true);
    Panel2->setFont(bold);
    Panel2->setAutoFillBackground(true);
    layout->addWidget(Panel2);

    auto *labelPanel = new QFrame(this);
    labelPanel->setFrameShape(QFrame::Panel);
    labelPanel->setFrameShadow(QFrame::Raised);
    auto *labelLayout = new QHBoxLayout(labelPanel);
    labelLayout->setContentsMargins(8, 2, 8, 2);
    Label1 = new QLabel(labelPanel);
    labelLayout->addWidget(Label1);
    layout->addWidget(labelPanel);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The document drops its first line itself once the limit is reached, as the report does.
    Memo1->setMaximumBlockCount(int(RemoteTrigger::MaxReportLines));
    layout->addWidget(Memo1, 1);

    auto *buttons = new QFrame(this);
    buttons->setFrameShape(QFrame::Panel);
    buttons->setFrameShadow(QFrame::Raised);
    auto *buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->setContentsMargins(8, 6, 8, 6);
    BitBtn1 = new QPushButton(buttons);
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(buttons);
    BitBtn2->setAutoDefault(false);
    buttonLayout->addWidget(BitBtn1);
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(BitBtn2);
    layout->addWidget(buttons);

    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn1, &QPushButton::clicked, this, &PcRemoteWindow::clearReport);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);

    for (const QString &line : m_remote.report())
        Memo1->appendPlainText(line);
    connect(&m_remote, &RemoteTrigger::reportLineAdded, Memo1, &QPlainTextEdit::appendPlainText);
    connect(&m_remote, &RemoteTrigger::reportCleared, Memo1, &QPlainTextEdit::clear);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &PcRemoteWindow::Timer1Timer);
    Timer1->start();
    setHeaderColor(palette().color(QPalette::Button));
}

void PcRemoteWindow::FormActivate() {
    setWindowTitle(LanguageText(RemoteRow::Caption, m_language));
    BitBtn1->setText(LanguageText(RemoteRow::Clear, m_language));
    BitBtn2->setText(LanguageText(RemoteRow::Exit, m_language));
    Panel2->setText(LanguageText(RemoteRow::Header, m_language));
    Label1->setText(LanguageText(RemoteRow::ReportList, m_language));
}

void PcRemoteWindow::showEvent(QShowEvent *event) {
    FormActivate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void PcRemoteWindow::clearReport() {
    m_remote.ClearReport();
}

void PcRemoteWindow::Timer1Timer() {
    if (Timer1Tag == 1) {
        setHeaderColor(palette().color(QPalette::Button));
        Timer1Tag = 0;
    } else {
        setHeaderColor(HeaderGreen);
        Timer1Tag = 1;
    }
}

QColor PcRemoteWindow::headerColor() const {
    return Panel2->palette().color(QPalette::Window);
}

void PcRemoteWindow::setHeaderColor(const QColor &color) {
    QPalette pal = Panel2->palette();
    pal.setColor(QPalette::Window, color);
    Panel2->setPalette(pal);
}
