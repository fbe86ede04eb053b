#include "ScheduleCheckDialog.h"

#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

TScheduleCheckDlg::TScheduleCheckDlg(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TScheduleCheckDlg"));
    resize(640, 320);
    auto *layout = new QVBoxLayout(this);
    FindingList = new QListWidget(this);
    FindingList->setWordWrap(true);
    FindingList->setAlternatingRowColors(true);
    FindingList->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(FindingList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    CloseBtn = new QPushButton(this);
    CloseBtn->setDefault(true);
    buttons->addWidget(CloseBtn);
    layout->addLayout(buttons);
    FindingList->setObjectName(QStringLiteral("FindingList"));
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(FindingList, &QListWidget::currentRowChanged, this, &TScheduleCheckDlg::choose);
    connect(FindingList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { choose(FindingList->row(item)); });
}

void TScheduleCheckDlg::setFindings(const QList<ScheduleFinding> &findings, const Project &project, Language language,
                                    const QLocale &locale) {
    setWindowTitle(translated(phrase("Confidence", "Schedule check"), language));
    CloseBtn->setText(translated(phrase("Confidence", "Close"), language));
    m_programs.clear();
    for (const ScheduleFinding &f : findings)
        m_programs.append(f.program);
    const QSignalBlocker blocker(FindingList);
    FindingList->clear();
    FindingList->addItems(ScheduleReport(findings, project, language, locale));
    if (findings.isEmpty())
        m_programs.append(-1);
}

int TScheduleCheckDlg::programOfLine(int row) const {
    return row >= 0 && row < m_programs.size() ? m_programs.at(row) : -1;
}

void TScheduleCheckDlg::choose(int row) {
    const int program = programOfLine(row);
    if (program >= 0)
        emit programChosen(program);
}
