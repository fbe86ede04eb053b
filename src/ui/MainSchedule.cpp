// The next run of the programs (the editor's line and the tiles' tooltips) and the schedule
// check command of the main window.
#include "LittleOneProg.h"
#include "Main.h"
#include "ScheduleCheckDialog.h"
#include "model/Clock.h"
#include "player/PcRemoteCore.h"
#include "project/ScheduleCheck.h"
#include "text/text.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTimer>

namespace {

QDateTime minuteOf(const QDateTime &t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

} // namespace

void TForm1::createScheduleCheck() {
    // Under the last timer mode, across the timer area.
    NextRunLine = new QLabel(EditorPanel);
    NextRunLine->setObjectName(QStringLiteral("NextRunLine"));
    NextRunLine->setGeometry(315, 231, 288, 16);
    NextRunLine->hide();
    NextRunTimer = new QTimer(this);
    NextRunTimer->setObjectName(QStringLiteral("NextRunTimer"));
    NextRunTimer->setInterval(1000);
    connect(NextRunTimer, &QTimer::timeout, this, &TForm1::NextRunTick);
    NextRunTimer->start();

    Edit1->addSeparator();
    CheckSchedule1 = Edit1->addAction(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
    CheckSchedule1->setObjectName(QStringLiteral("CheckSchedule1"));
    connect(CheckSchedule1, &QAction::triggered, this, &TForm1::CheckSchedule1Click);

    connect(this, &TForm1::languageApplied, this, [this] {
        CheckSchedule1->setText(LanguageText(TextTable::ConfidenceTexts, CheckMenuCaption, CurrentLanguage));
        RefreshNextRun();
    });
}

void TForm1::attachNextRun(TFrame1 *tile) {
    tile->setNextRunSource(&m_clock, &m_dateLocale);
    // Every change of the selected program redraws its tile; the line follows.
    connect(tile, &TFrame1::refreshed, this, [this](TFrame1 *refreshed) {
        if (refreshed == CurrentTile)
            RefreshNextRun();
    });
}

void TForm1::setDateLocale(const QLocale &locale) {
    m_dateLocale = locale;
    pcRemote().setLocale(locale);
    RefreshNextRun();
}

void TForm1::RefreshNextRun() {
    const QDateTime now = m_clock.now();
    m_nextRunMinute = minuteOf(now);
    const QString line = CurrentTile && !Tiles.isEmpty()
                             ? NextRunText(CurrentTile->Prog, now, CurrentLanguage, m_dateLocale)
                             : QString();
    NextRunLine->setText(line);
    NextRunLine->setVisible(!line.isEmpty());
}

void TForm1::NextRunTick() {
    if (minuteOf(m_clock.now()) != m_nextRunMinute)
        RefreshNextRun();
}

void TForm1::CheckSchedule1Click() {
    const Project project = currentProject();
    TScheduleCheckDlg dialog(this);
    dialog.setFindings(CheckSchedule(project, m_clock.now()), project, CurrentLanguage, m_dateLocale);
    connect(&dialog, &TScheduleCheckDlg::programChosen, this, [this](int index) {
        SelectProgramAt(index);
        if (CurrentTile)
            ScrollBox1->ensureWidgetVisible(CurrentTile, 0, 0);
    });
    runDialog(dialog);
}
