// The schedule commands of the main window: the check, the week plan, the printed schedule and
// the spreadsheet table; and the date format of the next-run lines (the editor panel's and the
// tiles' tooltips).
#include "DocumentController.h"
#include "MainWindow.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ProgramListView.h"
#include "ScheduleCheckDialog.h"
#include "SchedulePrint.h"
#include "WeekPlanView.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/LanguageTables.h"

#include <QAction>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>

void MainWindow::createScheduleCheck() {
    Edit1->addSeparator();
    CheckSchedule1 = Edit1->addAction(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
    CheckSchedule1->setObjectName(QStringLiteral("CheckSchedule1"));
    connect(CheckSchedule1, &QAction::triggered, this, &MainWindow::checkSchedule);
    WeekPlan1 = Edit1->addAction(QString());
    connect(WeekPlan1, &QAction::triggered, this, &MainWindow::showWeekPlan);
    // File: print and the table, before Exit.
    QAction *beforeExit = File1->actions().value(File1->actions().indexOf(Exit1) - 1);
    PrintSchedule1 = new QAction(File1);
    ExportCsv1 = new QAction(File1);
    ImportCsv1 = new QAction(File1);
    File1->insertActions(beforeExit, {PrintSchedule1, ExportCsv1, ImportCsv1});
    File1->insertSeparator(PrintSchedule1);
    connect(PrintSchedule1, &QAction::triggered, this, &MainWindow::showPrintPreview);
    connect(ExportCsv1, &QAction::triggered, m_document, &DocumentController::exportTable);
    connect(ImportCsv1, &QAction::triggered, m_document, &DocumentController::importTable);
    WeekPlan1->setObjectName(QStringLiteral("WeekPlan1"));
    PrintSchedule1->setObjectName(QStringLiteral("PrintSchedule1"));
    ExportCsv1->setObjectName(QStringLiteral("ExportCsv1"));
    ImportCsv1->setObjectName(QStringLiteral("ImportCsv1"));

    const auto relabel = [this] {
        CheckSchedule1->setText(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
        WeekPlan1->setText(LanguageText(PlanRow::WeekPlanMenu, CurrentLanguage));
        PrintSchedule1->setText(LanguageText(PlanRow::PrintMenu, CurrentLanguage));
        ExportCsv1->setText(LanguageText(PlanRow::CsvExportMenu, CurrentLanguage));
        ImportCsv1->setText(LanguageText(PlanRow::CsvImportMenu, CurrentLanguage));
        if (m_weekPlan)
            m_weekPlan->setLanguage(CurrentLanguage);
    };
    relabel();
    connect(this, &MainWindow::languageApplied, this, relabel);
}

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
    preview.setWindowTitle(CommandName(LanguageText(PlanRow::PrintMenu, CurrentLanguage)));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        printSchedule(*target, currentProject(), m_clock.now(), CurrentLanguage, m_dateLocale);
    });
    runDialog(preview);
}
