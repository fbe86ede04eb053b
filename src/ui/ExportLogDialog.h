#pragma once

#include <QDialog>

class QPlainTextEdit;

// The verification window: the log of the last export, one line per slot with the 24 byte
// values of its frame. No command opens it.
class ExportLogDialog : public QDialog {
    Q_OBJECT

public:
    explicit ExportLogDialog(QWidget *parent = nullptr);

    void setLines(const QStringList &lines);
    QStringList lines() const;

private:
    QPlainTextEdit *LogEdit = nullptr;
};
