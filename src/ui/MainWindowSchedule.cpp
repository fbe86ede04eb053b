// The schedule commands of the main window: the check, the week plan, the printed schedule and
// the spreadsheet table; and the date format of the next-run lines (the editor panel's and the
// tiles' tooltips).
#include "MainWindow.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ProgramListView.h"
#include "ScheduleCheckDialog.h"
#include "SchedulePrint.h"
#include "WeekPlanView.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/Translation.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

void MainWindow::setDateLocale(const QLocale &locale) {
    m_dateLocale = locale;
    m_tiles->setDateLocale(locale);
    m_editor->setDateLocale(locale);
    m_player->setDateLocale(locale);
    if (m_weekPlan)
        m_weekPlan->setDateLocale(locale);
}

void MainWindow::checkSchedule() {
    const Project project = currentProject();
    TScheduleCheckDlg dialog(this);
    dialog.setFindings(CheckSchedule(project, m_clock.now()), project, CurrentLanguage, m_dateLocale);
    connect(&dialog, &TScheduleCheckDlg::programChosen, this, [this](int index) {
        SelectProgramAt(index);
        m_tiles->ensureSelectedVisible();
    });
    runDialog(dialog);
}

void MainWindow::showWeekPlan() {
    if (!m_weekPlan) {
        m_weekPlan = new TWeekPlanDlg(
            m_clock, [this] { return currentProject().Programs; }, this);
        m_weekPlan->setLanguage(CurrentLanguage);
        m_weekPlan->setDateLocale(m_dateLocale);
        connect(m_weekPlan, &TWeekPlanDlg::programClicked, this, [this](int index) {
            SelectProgramAt(index);
            m_tiles->ensureSelectedVisible();
        });
    }
    m_weekPlan->refresh();
    m_weekPlan->show();
    m_weekPlan->raise();
}

void MainWindow::refreshWeekPlan() {
    if (m_weekPlan && m_weekPlan->isVisible())
        m_weekPlan->refresh();
}

void MainWindow::showPrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(currentProject().Properties.ProjectName);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(CommandName(translated(phrase("Plan", "Print the Schedule..."), CurrentLanguage)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        printSchedule(*target, currentProject(), m_clock.now(), CurrentLanguage, m_dateLocale);
    });
    runDialog(preview);
}
