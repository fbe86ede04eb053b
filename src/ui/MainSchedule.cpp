// The schedule check command of the main window, and the date format of the next-run lines
// (the editor panel's and the tiles' tooltips).
#include "Main.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ScheduleCheckDialog.h"
#include "TileList.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/text.h"

#include <QAction>
#include <QMenu>

void TForm1::createScheduleCheck() {
    Edit1->addSeparator();
    CheckSchedule1 = Edit1->addAction(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
    CheckSchedule1->setObjectName(QStringLiteral("CheckSchedule1"));
    connect(CheckSchedule1, &QAction::triggered, this, &TForm1::CheckSchedule1Click);

    connect(this, &TForm1::languageApplied, this, [this] {
        CheckSchedule1->setText(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
    });
}

void TForm1::setDateLocale(const QLocale &locale) {
    m_dateLocale = locale;
    m_tiles->setDateLocale(locale);
    m_editor->setDateLocale(locale);
    m_player->setDateLocale(locale);
}

void TForm1::CheckSchedule1Click() {
    const Project project = currentProject();
    TScheduleCheckDlg dialog(this);
    dialog.setFindings(CheckSchedule(project, m_clock.now()), project, CurrentLanguage, m_dateLocale);
    connect(&dialog, &TScheduleCheckDlg::programChosen, this, [this](int index) {
        SelectProgramAt(index);
        m_tiles->ensureCurrentVisible();
    });
    runDialog(dialog);
}
