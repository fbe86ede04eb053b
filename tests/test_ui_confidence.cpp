// The next run of the programs in the main window (the editor's line and the tiles' tooltips)
// and the schedule check window, on the offscreen platform with a set clock.
#include "MainWindowFixture.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/EditorWidgets.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/ScheduleCheckDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QToolTip>

Q_DECLARE_METATYPE(TORBEXProg)

namespace {

const QLocale BritishDates(QLocale::English, QLocale::UnitedKingdom); // dd/MM/yyyy
const QLocale GermanDates(QLocale::German, QLocale::Germany);         // dd.MM.yy

struct Fixture : MainWindowFixture {
    Fixture() { w.setDateLocale(BritishDates); }

    const TORBEXProg &current() { return selectedTile(w)->program(); }

    // The timer of the selected program set through the editor panel, as a user sets it.
    void setTimer(int mode, const QDate &date, const QTime &time, int weekday) {
        if (!w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->isChecked())
            w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->click();
        w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (mode)))->click();
        w.findChild<QTimeEdit *>(QStringLiteral("DateTimePicker1"))->setTime(time);
        w.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(date);
        w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(weekday - 1);
        w.findChild<QSpinBox *>(QStringLiteral("SpinEdit1"))->setValue(time.minute());
    }

    QString line() const {
        return w.findChild<QLabel *>(QStringLiteral("NextRunLine"))->isVisible()
                   ? w.findChild<QLabel *>(QStringLiteral("NextRunLine"))->text()
                   : QString();
    }

    // The tooltip the platform asks a tile for, and what it shows.
    QString toolTipOf(TFrame1 *tile) {
        QToolTip::hideText();
        const QPoint at(500, 10);
        QHelpEvent event(QEvent::ToolTip, at, tile->mapToGlobal(at));
        QCoreApplication::sendEvent(tile, &event);
        // An event no widget takes shows nothing (a tip shown before fades out by itself).
        return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    static TORBEXProg program(int code, const QString &title) {
        TORBEXProg p(QDateTime(QDate(2026, 12, 7), QTime(14, 30)));
        p.Inputs = quint8(code);
        p.Title = title;
        return p;
    }
    static TORBEXProg timed(int code, const QString &title, int mode, const QTime &time) {
        TORBEXProg p = program(code, title);
        p.TimerOn = 1;
        p.TimerMode = quint8(mode);
        p.Time = time;
        return p;
    }
    static TORBEXProg goTo(int code, const QString &title, const QTime &time, int target) {
        TORBEXProg p = timed(code, title, 1, time);
        p.ActionKind[0] = KindGoToProgram;
        p.ActionParam[0] = quint8(target);
        return p;
    }

    // Runs Edit > Check the Schedule; `inside` drives the open window before it is closed.
    QStringList runCheck(const std::function<void(TScheduleCheckDlg &)> &inside = {}) {
        QStringList lines;
        w.setDialogRunner([&](QDialog &d) {
            auto *dialog = qobject_cast<TScheduleCheckDlg *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            d.show();
            for (int i = 0; i < dialog->FindingList->count(); ++i)
                lines << dialog->FindingList->item(i)->text();
            if (inside)
                inside(*dialog);
            QTest::mouseClick(dialog->CloseBtn, Qt::LeftButton);
            return d.result();
        });
        w.CheckSchedule1->trigger();
        return lines;
    }
};

} // namespace

class ConfidenceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void nextRun_showsTheMomentForEachTimerMode_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QString>("expected");
        const QDateTime monday(QDate(2026, 12, 7), QTime(14, 30, 20));
        QTest::newRow("date ahead") << monday << 0 << QDate(2026, 12, 25) << QTime(8, 0) << 1
                                    << "Next run : 25/12/2026 08:00";
        QTest::newRow("date in this minute has passed")
            << monday << 0 << QDate(2026, 12, 7) << QTime(14, 30) << 1 << "Next run : never";
        QTest::newRow("date on 29 February")
            << monday << 0 << QDate(2028, 2, 29) << QTime(12, 0) << 1 << "Next run : 29/02/2028 12:00";
        QTest::newRow("every day, later today")
            << monday << 1 << QDate(2026, 12, 7) << QTime(14, 31) << 1 << "Next run : 07/12/2026 14:31";
        QTest::newRow("every day, across the month end")
            << QDateTime(QDate(2026, 11, 30), QTime(23, 59)) << 1 << QDate(2026, 11, 30) << QTime(0, 0) << 1
            << "Next run : 01/12/2026 00:00";
        QTest::newRow("every day, across the year end")
            << QDateTime(QDate(2026, 12, 31), QTime(23, 30)) << 1 << QDate(2026, 12, 31) << QTime(8, 15) << 1
            << "Next run : 01/01/2027 08:15";
        QTest::newRow("weekday, this minute is next week")
            << monday << 2 << QDate(2026, 12, 7) << QTime(14, 30) << 1 << "Next run : 14/12/2026 14:30";
        QTest::newRow("weekday, 29 February") << QDateTime(QDate(2028, 2, 28), QTime(10, 0)) << 2 << QDate(2028, 2, 28)
                                              << QTime(9, 0) << 2 << "Next run : 29/02/2028 09:00";
        QTest::newRow("every hour, across the year end")
            << QDateTime(QDate(2026, 12, 31), QTime(23, 45)) << 3 << QDate(2026, 12, 31) << QTime(23, 10) << 1
            << "Next run : 01/01/2027 00:10";
        QTest::newRow("every hour, from 29 February into March")
            << QDateTime(QDate(2028, 2, 29), QTime(23, 50)) << 3 << QDate(2028, 2, 29) << QTime(23, 5) << 1
            << "Next run : 01/03/2028 00:05";
    }
    void nextRun_showsTheMomentForEachTimerMode() {
        QFETCH(QDateTime, now);
        QFETCH(int, mode);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(int, weekday);
        QFETCH(QString, expected);
        Fixture f;
        f.clock.set(now);
        f.w.SpeedButton1Click();
        f.setTimer(mode, date, time, weekday);
        QCOMPARE(f.current().TimerMode, quint8(mode));
        QCOMPARE(f.line(), expected);
        QCOMPARE(selectedTile(f.w)->nextRunText(), expected);
        QCOMPARE(f.toolTipOf(selectedTile(f.w)), expected);
    }

    void nextRun_followsEditsAtOnce() {
        Fixture f;
        f.w.SpeedButton1Click();
        TFrame1 *tile = selectedTile(f.w);
        QCOMPARE(f.line(), QString()); // a new program's timer is off
        QVERIFY(f.w.findChild<QLabel *>(QStringLiteral("NextRunLine"))->isHidden());
        QCOMPARE(f.toolTipOf(tile), QString());

        f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->click(); // on, date mode, dated this very minute
        QCOMPARE(f.line(), QStringLiteral("Next run : never"));
        f.w.findChild<QTimeEdit *>(QStringLiteral("DateTimePicker1"))->setTime(QTime(16, 45));
        QCOMPARE(f.line(), QStringLiteral("Next run : 07/12/2026 16:45"));
        f.w.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2027, 1, 3));
        QCOMPARE(f.line(), QStringLiteral("Next run : 03/01/2027 16:45"));
        f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (1)))->click(); // every day
        QCOMPARE(f.line(), QStringLiteral("Next run : 07/12/2026 16:45"));
        f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (2)))->click(); // every Monday
        f.w.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setCurrentIndex(4);
        QCOMPARE(f.line(), QStringLiteral("Next run : 11/12/2026 16:45"));                    // Friday
        f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (3)))->click(); // every hour
        f.w.findChild<QSpinBox *>(QStringLiteral("SpinEdit1"))->setValue(20);
        QCOMPARE(f.line(), QStringLiteral("Next run : 07/12/2026 15:20"));
        QCOMPARE(f.toolTipOf(tile), QStringLiteral("Next run : 07/12/2026 15:20"));

        f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->click(); // off
        QCOMPARE(f.line(), QString());
        QVERIFY(f.w.findChild<QLabel *>(QStringLiteral("NextRunLine"))->isHidden());
        QCOMPARE(f.toolTipOf(tile), QString());
    }

    void nextRun_followsTheLanguageAndTheDateFormat() {
        Fixture f;
        f.w.SpeedButton1Click();
        f.setTimer(1, QDate(2026, 12, 7), QTime(9, 5), 1);
        QCOMPARE(f.line(), QStringLiteral("Next run : 08/12/2026 09:05"));
        f.w.LanguageClick(French);
        QCOMPARE(f.line(), QStringLiteral("Prochaine exécution : 08/12/2026 09:05"));
        QCOMPARE(f.toolTipOf(selectedTile(f.w)), QStringLiteral("Prochaine exécution : 08/12/2026 09:05"));
        f.w.setDateLocale(GermanDates);
        f.w.LanguageClick(German);
        QCOMPARE(f.line(), QStringLiteral("Nächster Start : 08.12.26 09:05"));
        QCOMPARE(f.toolTipOf(selectedTile(f.w)), QStringLiteral("Nächster Start : 08.12.26 09:05"));
        f.w.findChild<QDateEdit *>(QStringLiteral("DateTimePicker2"))->setDate(QDate(2026, 1, 1)); // a passed date
        f.w.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(1 + (0)))->click();
        QCOMPARE(f.line(), QStringLiteral("Nächster Start : nie"));
    }

    void nextRun_showsTheSelectedProgramAndEachTileItsOwn() {
        Fixture f;
        f.w.loadPrograms(
            {Fixture::timed(1, QStringLiteral("Bell"), 1, QTime(18, 0)), Fixture::program(2, QStringLiteral("Quiet"))});
        TFrame1 *bell = tilesOf(f.w).at(0);
        TFrame1 *quiet = tilesOf(f.w).at(1);
        QCOMPARE(selectedTile(f.w), quiet); // the last loaded is selected
        QCOMPARE(f.line(), QString());
        QCOMPARE(f.toolTipOf(bell), QStringLiteral("Next run : 07/12/2026 18:00"));
        QCOMPARE(f.toolTipOf(quiet), QString());
        f.w.SelectProgramAt(0);
        QCOMPARE(f.line(), QStringLiteral("Next run : 07/12/2026 18:00"));
        f.w.SelectProgramAt(1);
        QCOMPARE(f.line(), QString());
    }

    void checkMenu_isRelabelledWithTheLanguage() {
        Fixture f;
        QCOMPARE(f.w.CheckSchedule1->text(), QStringLiteral("Check the &Schedule..."));
        QVERIFY(f.w.Edit1->actions().contains(f.w.CheckSchedule1));
        f.w.LanguageClick(German);
        QCOMPARE(f.w.CheckSchedule1->text(), QStringLiteral("&Zeitplan prüfen..."));
    }

    void check_namesEachFinding_data() {
        QTest::addColumn<QList<TORBEXProg>>("programs");
        QTest::addColumn<QStringList>("lines");
        using F = Fixture;
        {
            TORBEXProg a = F::goTo(1, QStringLiteral("Bell A"), QTime(9, 0), 1);
            TORBEXProg b = F::goTo(2, QStringLiteral("Bell B"), QTime(9, 0), 2);
            QTest::newRow("two go-to programs in one minute")
                << QList<TORBEXProg>{a, b}
                << QStringList{QStringLiteral("001 \"Bell A\" and 002 \"Bell B\" can fall due in the same minute; "
                                              "PC remote mode fires only 001 \"Bell A\".")};
        }
        {
            TORBEXProg a = F::program(4, QStringLiteral("Jump"));
            a.ActionCount = 2;
            a.ActionKind[0] = KindVolume; // a continuing action, so that a second follows
            a.ActionKind[1] = KindActivateProgram;
            a.ActionParam[1] = 77;
            QTest::newRow("an action naming a missing code")
                << QList<TORBEXProg>{F::program(1, QStringLiteral("Start")), a}
                << QStringList{QStringLiteral(
                       "004 \"Jump\": action 2 names program 077, which no program of the project has.")};
        }
        {
            TORBEXProg a = F::timed(9, QStringLiteral("Sleeper"), 1, QTime(7, 0));
            a.Active = 0;
            QTest::newRow("timer on, inactive")
                << QList<TORBEXProg>{a}
                << QStringList{QStringLiteral("009 \"Sleeper\" has its timer on but is inactive: it never runs.")};
        }
        {
            TORBEXProg a = F::timed(5, QStringLiteral("Old fair"), 0, QTime(10, 15));
            a.Date = QDate(2026, 2, 28);
            QTest::newRow("a date that has passed")
                << QList<TORBEXProg>{a}
                << QStringList{QStringLiteral(
                       "005 \"Old fair\" is set for a date that has passed (28/02/2026 10:15): it never runs again.")};
        }
        {
            QTest::newRow("a code used twice")
                << QList<TORBEXProg>{F::program(3, QStringLiteral("First")), F::program(8, QStringLiteral("Other")),
                                     F::program(3, QStringLiteral("Second"))}
                << QStringList{QStringLiteral("Code 003 is used by 003 \"First\", 003 \"Second\"; only the last, "
                                              "003 \"Second\", is transmitted.")};
        }
    }
    void check_namesEachFinding() {
        QFETCH(QList<TORBEXProg>, programs);
        QFETCH(QStringList, lines);
        Fixture f;
        f.w.loadPrograms(programs);
        QString caption, close;
        const QStringList shown = f.runCheck([&](TScheduleCheckDlg &d) {
            caption = d.windowTitle();
            close = d.CloseBtn->text();
        });
        QCOMPARE(shown, lines);
        QCOMPARE(caption, QStringLiteral("Schedule check"));
        QCOMPARE(close, QStringLiteral("Close"));
    }

    void check_inTheWindowsLanguage() {
        Fixture f;
        f.w.LanguageClick(French);
        QString caption;
        const QStringList shown = f.runCheck([&](TScheduleCheckDlg &d) { caption = d.windowTitle(); });
        QCOMPARE(shown, QStringList{QStringLiteral("Aucune remarque : la programmation se déroulera comme prévu.")});
        QCOMPARE(caption, QStringLiteral("Vérification de la programmation"));
    }
};

QTEST_MAIN(ConfidenceWindowTest)
#include "test_ui_confidence.moc"
