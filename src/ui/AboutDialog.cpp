#include "AboutDialog.h"

#include "text/LanguageTables.h"
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
    Image1 = new QLabel(frame);
    Image1->setGeometry(8, 13, 48, 48);
    Image1->setPixmap(Icons::pixmap(QStringLiteral("about"), 48));
    Image2 = new QLabel(frame);
    Image2->setGeometry(359, 13, 48, 48);
    Image2->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.25);
    large.setBold(true);
    Label1 = new QLabel(frame);
    Label1->setFont(large);
    Label2 = new QLabel(frame);
    Label3 = new QLabel(frame);
    Label3->setFont(large);
    int top = 6;
    for (QLabel *label : {Label1, Label2, Label3}) {
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(64, top, 287, 21);
        top += 21;
    }
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(178, 91, 75, 25);
    OKBtn->setDefault(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showEvent(QShowEvent *event) {
    setWindowTitle(LanguageText(AboutRow::Caption, m_language));
    Label1->setText(LanguageText(AboutRow::Product, m_language));
    Label2->setText(LanguageText(AboutRow::Version, m_language));
    Label3->setText(LanguageText(AboutRow::WebAddress, m_language));
    QDialog::showEvent(event);
}
