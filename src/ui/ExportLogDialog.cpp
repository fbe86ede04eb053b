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
    LogEdit = new QPlainTextEdit(this);
    LogEdit->setReadOnly(true);
    LogEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(LogEdit);
}

void ExportLogDialog::setLines(const QStringList &lines) {
    LogEdit->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList ExportLogDialog::lines() const {
    const QString text = LogEdit->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}
