#pragma once

#include "model/Language.h"
#include "project/ScheduleCheck.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// The schedule check's window: one line per finding, or the one line saying there is none, and
// a close button. Choosing a line (a click, the arrow keys, Enter) asks for the program it
// names to be selected.
class TScheduleCheckDlg : public QDialog {
    Q_OBJECT

public:
    explicit TScheduleCheckDlg(QWidget *parent = nullptr);

    // Shows the report of `findings` on `project` in `language`, dates in `locale`.
    void setFindings(const QList<ScheduleFinding> &findings, const Project &project, Language language,
                     const QLocale &locale);
    // The position of the program line `row` names; -1 for the no-finding line.
    int programOfLine(int row) const;

signals:
    void programChosen(int index);

private:
    void choose(int row);

    QList<int> m_programs; // by line
    QListWidget *FindingList = nullptr;
    QPushButton *CloseBtn = nullptr;
};
