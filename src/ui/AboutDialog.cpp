#include "AboutDialog.h"

#include "text/Translation.h"
#include "ui/Icons.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setFixedSize(431, 124);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(8, 8, 415, 75);
    LogoImage = new QLabel(frame);
    LogoImage->setGeometry(8, 13, 48, 48);
    LogoImage->setPixmap(Icons::pixmap(QStringLiteral("about"), 48));
    ProgramImage = new QLabel(frame);
    ProgramImage->setGeometry(359, 13, 48, 48);
    ProgramImage->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.25);
    large.setBold(true);
    ProductLabel = new QLabel(frame);
    ProductLabel->setFont(large);
    VersionLabel = new QLabel(frame);
    WebLabel = new QLabel(frame);
    WebLabel->setFont(large);
    int top = 6;
    for (QLabel *label : {ProductLabel, VersionLabel, WebLabel}) {
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(64, top, 287, 21);
        top += 21;
    }
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(178, 91, 75, 25);
    OkButton->setDefault(true);
    ProductLabel->setObjectName(QStringLiteral("ProductLabel"));
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    WebLabel->setObjectName(QStringLiteral("WebLabel"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent *event) {
    setWindowTitle(translated(phrase("AboutDialog", "About ORBEX \"Quillon\" Programmer"), m_language));
    ProductLabel->setText(translated(phrase("AboutDialog", "ORBEX \"Quillon\" Programmer"), m_language));
    VersionLabel->setText(translated(phrase("AboutDialog", "Version 2.7"), m_language));
    WebLabel->setText(translated(phrase("AboutDialog", "http://www.example.com"), m_language));
    QDialog::showEvent(event);
}
