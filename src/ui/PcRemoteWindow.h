#pragma once

#include "model/Language.h"

#include <QColor>
#include <QDialog>

class RemoteTrigger;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The PC Remote window: open while PC remote mode is on. Its report list mirrors the report of
// the minute check and keeps its lines from one opening to the next, since the window is made
// once; its header blinks every 500 ms. Takes its texts in its language each time it is
// shown.
class PcRemoteWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr QColor HeaderGreen = QColor(0x00, 0xFF, 0x00);

    explicit PcRemoteWindow(RemoteTrigger &remote, QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing

    void start();
    void clearReport(); // Clear
    void blink();       // the header's blink

    QColor headerColor() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setHeaderColor(const QColor &color);

    RemoteTrigger &m_remote;
    Language m_language = Language::English;
    int Timer1Tag = 0;             // 1 while green is showing
    QLabel *HeaderPanel = nullptr; // header
    QLabel *ReportLabel = nullptr;
    QPlainTextEdit *ReportEdit = nullptr; // report list
    QPushButton *ClearButton = nullptr;   // Clear
    QPushButton *ExitButton = nullptr;    // Exit
    QTimer *BlinkTimer = nullptr;
};
