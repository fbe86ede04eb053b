#include "ExportLogDialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

ExportLogDialog::ExportLogDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ExportLogDialog"));
    setWindowTitle(QStringLiteral("Vérif"));
    setFixedSize(464, 436);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(Memo1);
}

void ExportLogDialog::setLines(const QStringList &lines) {
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList ExportLogDialog::lines() const {
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
