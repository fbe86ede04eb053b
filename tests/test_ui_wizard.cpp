// The timer-mode wizard driven as a user drives it, on the offscreen platform: the wizard
// command of the main window opens the seven-step dialog through the dialog seam, and the
// tests click through the steps.
#include "model/Clock.h"
#include "model/Prompter.h"
#include "text/text.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/TileList.h"
#include "wizard/WizardStep1.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

const QString MonthWarning = QStringLiteral("Vous devez sélectionnez au moins un mois dans la liste!");
const QString DayWarning = QStringLiteral("Vous devez sélectionnez au moins un jour dans la liste!");
const QString HourWarning = QStringLiteral("Vous devez sélectionnez au moins une heure dans l'une des deux listex!");

using Drive = std::function<void(TOKBottomDlg5 &)>;

struct Fixture {
    ScriptedPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30, 27))};
    TForm1 w{prompter, clock};
    int runs = 0;
    int result = -1;

    TileList &list() { return *w.findChild<TileList *>(); }

    Fixture() {
        w.CurrentLanguage = English;
        w.setPortNames({});
        w.show();
    }

    // Runs the wizard command; `drive` plays the user while the dialog is open.
    void wizard(const Drive &drive) {
        w.setDialogRunner([&](QDialog &d) {
            ++runs;
            auto *dialog = qobject_cast<TOKBottomDlg5 *>(&d);
            if (!dialog)
                return -1;
            d.show();
            drive(*dialog);
            result = d.result();
            d.hide();
            return result;
        });
        w.Wizzard1Click();
    }
};

void next(TOKBottomDlg5 &d) {
    QTest::mouseClick(d.NextBtn, Qt::LeftButton);
}

void nextTimes(TOKBottomDlg5 &d, int times) {
    for (int i = 0; i < times; ++i)
        next(d);
}

// A click on the round mark of a radio button.
void choose(QRadioButton *radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

void mark(QListWidget *list, int row) {
    list->item(row)->setCheckState(Qt::Checked);
}

int visiblePanel(const TOKBottomDlg5 &d) {
    int shown = 0;
    for (int i = 0; i < 7; ++i)
        if (d.StepPanels[std::size_t(i)]->isVisible())
            shown = shown * 10 + i + 1;
    return shown;
}

} // namespace

class TestUiWizard : public QObject {
    Q_OBJECT

private slots:
    void opening_showsStepOneWithFreshChoices() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            QCOMPARE(d.size(), QSize(441, 343));
            QCOMPARE(d.windowTitle(), QStringLiteral("Wizard-Assistant Step 1"));
            QCOMPARE(d.Heading->text(), QStringLiteral("Voulez-vous que le programme soit répété :"));
            QCOMPARE(d.PreviousBtn->text(), QStringLiteral("< Previous"));
            QCOMPARE(d.CancelBtn->text(), QStringLiteral("Cancel"));
            QCOMPARE(d.NextBtn->text(), QStringLiteral("Next >"));
            QCOMPARE(d.PreviousBtn->geometry(), QRect(8, 309, 75, 25));
            QCOMPARE(d.CancelBtn->geometry(), QRect(214, 309, 75, 25));
            QCOMPARE(d.NextBtn->geometry(), QRect(304, 309, 75, 25));
            QVERIFY(!d.PreviousBtn->isVisible());
            QCOMPARE(visiblePanel(d), 1);
            QVERIFY(d.EveryYearRadio->isChecked());
            QCOMPARE(d.EveryYearRadio->text(), QStringLiteral("Tous les ans."));
            QCOMPARE(d.OnlyYearRadio->text(), QStringLiteral("Uniquement l'année :"));
            QCOMPARE(d.Wizard->Year, 2026); // the year of the clock
            QCOMPARE(d.YearSpin->value(), 2026);
            QCOMPARE(d.YearDisplay->text(), QStringLiteral("2026"));
        });
        QCOMPARE(f.runs, 1);
    }

    void nextAndPrevious_walkTheSevenSteps() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            for (int step = 2; step <= 7; ++step) {
                next(d);
                QCOMPARE(int(d.WizardStep), step);
                QCOMPARE(d.windowTitle(), QStringLiteral("Wizard-Assistant Step %1").arg(step));
                QCOMPARE(visiblePanel(d), step);
                QVERIFY(d.PreviousBtn->isVisible());
                QCOMPARE(d.NextBtn->text(), step == 7 ? QStringLiteral("Finish") : QStringLiteral("Next >"));
            }
            QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
            QCOMPARE(int(d.WizardStep), 6);
            QCOMPARE(d.NextBtn->text(), QStringLiteral("Next >"));
            for (int step = 5; step >= 1; --step)
                QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
            QCOMPARE(d.windowTitle(), QStringLiteral("Wizard-Assistant Step 1"));
            QCOMPARE(visiblePanel(d), 1);
            QVERIFY(!d.PreviousBtn->isVisible());
        });
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void stepTexts_areFixedFrench() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            auto texts = [](const QListWidget *list) {
                QStringList out;
                for (int i = 0; i < list->count(); ++i)
                    out << list->item(i)->text();
                return out;
            };
            QCOMPARE(d.EveryMonthRadio->text(), QStringLiteral("Tous les mois de l'année?"));
            QCOMPARE(d.SomeMonthsRadio->text(), QStringLiteral("Le ou les mois suivant(s) :"));
            QCOMPARE(texts(d.MonthList).join(QLatin1Char(',')),
                     QStringLiteral("Janvier,Fevrier,Mars,Avril,Mai,Juin,Juillet,Aout,Septembre,Octobre,Novembre,"
                                    "Décembre"));
            QCOMPARE(d.EveryDayRadio->text(), QStringLiteral("Tous les jours de la semaine."));
            QCOMPARE(d.SomeDaysRadio->text(), QStringLiteral("Le ou les jour(s) suivant(s) : "));
            QCOMPARE(texts(d.DayList).join(QLatin1Char(',')),
                     QStringLiteral("Lundi,Mardi,Mercredi,Jeudi,Vendredi,Samedi,Dimanche"));
            QCOMPARE(d.EveryHourRadio->text(), QStringLiteral("Toutes les heures."));
            QCOMPARE(d.SomeHoursRadio->text(), QStringLiteral("A heure(s) : "));
            QCOMPARE(d.MorningLabel->text(), QStringLiteral("Matin"));
            QCOMPARE(d.AfternoonLabel->text(), QStringLiteral("Après midi"));
            QCOMPARE(texts(d.MorningList).join(QLatin1Char(',')),
                     QStringLiteral("00,01,02,03,04,05,06,07,08,09,10,11"));
            QCOMPARE(texts(d.AfternoonList).join(QLatin1Char(',')),
                     QStringLiteral("12,13,14,15,16,17,18,19,20,21,22,23"));
            QCOMPARE(d.AtMinuteRadio->text(), QStringLiteral("A la nième minute de l'heure : "));
            QCOMPARE(d.EveryMinutesRadio->text(), QStringLiteral("Toutes les X minutes :"));
            QCOMPARE(d.MethodButtons[0]->text(), QStringLiteral("Méthode 1 = "));
            QCOMPARE(d.MethodButtons[1]->text(), QStringLiteral("Méthode 2 = "));
            QCOMPARE(d.MethodButtons[2]->text(), QStringLiteral("Méthode 3 = "));
            QCOMPARE(d.ActionKindButtons[5]->text(), QStringLiteral("..."));
            QCOMPARE(d.ActionValueButtons[0]->text(), QStringLiteral("..."));
            QCOMPARE(d.TitleText->text(), QStringLiteral("..."));
            QCOMPARE(d.PriorityBox->text(), QStringLiteral("Priority"));
            QCOMPARE(d.ColorLabel->text(), QStringLiteral("Color :"));
        });
    }

    // Each radio pair writes its tag into its mode field; on the list steps it also enables
    // the step's list(s) for tag 2 only.
    void radioPairs_writeTheirTagAndEnableLists_data() {
        QTest::addColumn<int>("step");
        for (int step = 1; step <= 5; ++step)
            QTest::addRow("step %d", step) << step;
    }
    void radioPairs_writeTheirTagAndEnableLists() {
        QFETCH(int, step);
        Fixture f;
        f.wizard([step](TOKBottomDlg5 &d) {
            nextTimes(d, step - 1);
            struct Pair {
                QRadioButton *first, *second;
                quint8 *mode;
                QList<QListWidget *> lists;
            };
            TWizardProg &m = *d.Wizard;
            const Pair pairs[] = {
                {d.EveryYearRadio, d.OnlyYearRadio, &m.YearMode, {}},
                {d.EveryMonthRadio, d.SomeMonthsRadio, &m.MonthMode, {d.MonthList}},
                {d.EveryDayRadio, d.SomeDaysRadio, &m.DayMode, {d.DayList}},
                {d.EveryHourRadio, d.SomeHoursRadio, &m.HourMode, {d.MorningList, d.AfternoonList}},
                {d.AtMinuteRadio, d.EveryMinutesRadio, &m.MinuteMode, {}},
            };
            const Pair &p = pairs[step - 1];
            QVERIFY(p.first->isChecked());
            for (QListWidget *list : p.lists)
                QVERIFY(!list->isEnabled());
            choose(p.second);
            QVERIFY(p.second->isChecked());
            QCOMPARE(*p.mode, 2);
            for (QListWidget *list : p.lists)
                QVERIFY(list->isEnabled());
            choose(p.first);
            QCOMPARE(*p.mode, 1);
            for (QListWidget *list : p.lists)
                QVERIFY(!list->isEnabled());
            // Shown again, the step selects the radio of the mode held.
            choose(p.second);
            if (step > 1) {
                QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
                next(d);
            } else {
                next(d);
                QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
            }
            QCOMPARE(int(d.WizardStep), step);
            QVERIFY(p.second->isChecked());
        });
    }

    void checkLists_copyTheirMarksIntoTheChoices() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            TWizardProg &m = *d.Wizard;
            next(d);
            choose(d.SomeMonthsRadio);
            mark(d.MonthList, 2);  // Mars
            mark(d.MonthList, 11); // Décembre
            for (int i = 1; i <= 12; ++i)
                QCOMPARE(int(m.GetMonth(i)), (i == 3 || i == 12) ? 1 : 0);
            d.MonthList->item(2)->setCheckState(Qt::Unchecked);
            QCOMPARE(int(m.GetMonth(3)), 0);
            next(d);
            choose(d.SomeDaysRadio);
            mark(d.DayList, 6); // Dimanche
            QCOMPARE(int(m.GetDayOftheWeek(7)), 1);
            QCOMPARE(int(m.GetDayOftheWeek(1)), 0);
            next(d);
            choose(d.SomeHoursRadio);
            mark(d.MorningList, 0);    // 00
            mark(d.AfternoonList, 11); // 23
            for (int h = 1; h <= 24; ++h)
                QCOMPARE(int(m.GetHourOftheDay(h)), (h == 1 || h == 24) ? 1 : 0);
            // Back and forth, the lists show the marks held.
            QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
            QTest::mouseClick(d.PreviousBtn, Qt::LeftButton);
            QCOMPARE(d.MonthList->item(11)->checkState(), Qt::Checked);
            QCOMPARE(d.MonthList->item(2)->checkState(), Qt::Unchecked);
            nextTimes(d, 2);
            QCOMPARE(int(d.WizardStep), 4);
            QCOMPARE(d.AfternoonList->item(11)->checkState(), Qt::Checked);
        });
    }

    // Leaving a step whose "only these" choice has no mark shows its warning and stays; one
    // mark, or the "every" choice with no mark, passes.
    void validation_keepsUserOnStepWithEmptyList_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("some"); // the second radio
        QTest::addColumn<int>("list");  // index among the step's lists, -1 for none
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("warning");
        QTest::newRow("months, none marked") << 2 << true << -1 << 0 << MonthWarning;
        QTest::newRow("months, Janvier") << 2 << true << 0 << 0 << QString();
        QTest::newRow("every month, none marked") << 2 << false << -1 << 0 << QString();
        QTest::newRow("days, none marked") << 3 << true << -1 << 0 << DayWarning;
        QTest::newRow("days, Dimanche") << 3 << true << 0 << 6 << QString();
        QTest::newRow("every day, none marked") << 3 << false << -1 << 0 << QString();
        QTest::newRow("hours, none marked") << 4 << true << -1 << 0 << HourWarning;
        QTest::newRow("hours, 23 only") << 4 << true << 1 << 11 << QString();
        QTest::newRow("hours, 00 only") << 4 << true << 0 << 0 << QString();
        QTest::newRow("every hour, none marked") << 4 << false << -1 << 0 << QString();
    }
    void validation_keepsUserOnStepWithEmptyList() {
        QFETCH(int, step);
        QFETCH(bool, some);
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(QString, warning);
        Fixture f;
        f.wizard([&](TOKBottomDlg5 &d) {
            nextTimes(d, step - 1);
            const QList<QRadioButton *> seconds = {d.SomeMonthsRadio, d.SomeDaysRadio, d.SomeHoursRadio};
            const QList<QList<QListWidget *>> lists = {{d.MonthList}, {d.DayList}, {d.MorningList, d.AfternoonList}};
            if (some)
                choose(seconds[step - 2]);
            if (list >= 0)
                mark(lists[step - 2][list], row);
            next(d);
            const int expected = warning.isEmpty() ? step + 1 : step;
            QCOMPARE(int(d.WizardStep), expected);
            QCOMPARE(visiblePanel(d), expected);
            QCOMPARE(d.windowTitle(), QStringLiteral("Wizard-Assistant Step %1").arg(expected));
        });
        if (warning.isEmpty()) {
            QVERIFY(f.prompter.shown.isEmpty());
        } else {
            QCOMPARE(f.prompter.texts(), QStringList{warning});
            QCOMPARE(f.prompter.shown.first().kind, Prompter::Kind::Warning);
        }
    }

    // The arrows (and the Up and Down keys) move the spin edits; typing does nothing, and no
    // value goes below the lower bound.
    void spinEdits_stepWithoutTypingAndKeepTheirBounds() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            TWizardProg &m = *d.Wizard;
            d.YearSpin->setFocus();
            QTest::keyClicks(d.YearSpin, QStringLiteral("1999"));
            QCOMPARE(d.YearSpin->value(), 2026);
            QCOMPARE(m.Year, 2026);
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(d.YearSpin, Qt::Key_Down);
            QCOMPARE(d.YearSpin->value(), 2000);
            QCOMPARE(m.Year, 2000);
            QCOMPARE(d.YearDisplay->text(), QStringLiteral("2000"));
            QTest::keyClick(d.YearSpin, Qt::Key_Up);
            QCOMPARE(m.Year, 2001);
            QCOMPARE(d.YearDisplay->text(), QStringLiteral("2001"));
            d.YearSpin->stepBy(200);
            QCOMPARE(m.Year, 2099);

            nextTimes(d, 4);
            QCOMPARE(int(d.WizardStep), 5);
            QCOMPARE(d.AtMinuteDisplay->text(), QStringLiteral("00"));
            QCOMPARE(d.EveryMinutesDisplay->text(), QStringLiteral("00"));
            for (StepOnlySpinBox *spin : {d.AtMinuteSpin, d.EveryMinutesSpin}) {
                spin->setFocus();
                QTest::keyClicks(spin, QStringLiteral("42"));
                QCOMPARE(spin->value(), 0);
                QTest::keyClick(spin, Qt::Key_Down);
                QCOMPARE(spin->value(), 0);
            }
            QCOMPARE(m.AtMinute, 0);
            QCOMPARE(m.EveryMinutes, 0);
            d.AtMinuteSpin->stepBy(7);
            QCOMPARE(m.AtMinute, 7);
            QCOMPARE(d.AtMinuteDisplay->text(), QStringLiteral("07"));
            QTest::keyClick(d.EveryMinutesSpin, Qt::Key_Up);
            QCOMPARE(m.EveryMinutes, 1);
            QCOMPARE(d.EveryMinutesDisplay->text(), QStringLiteral("01"));
            d.AtMinuteSpin->stepBy(100);
            QCOMPARE(m.AtMinute, 59);
            d.AtMinuteSpin->stepBy(-100);
            QCOMPARE(m.AtMinute, 0);
            QCOMPARE(d.AtMinuteDisplay->text(), QStringLiteral("00"));
        });
    }

    void countButtons_showTheHourSelectionCounts_data() {
        QTest::addColumn<QList<int>>("hours"); // marked hours of the day
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("00 01 23") << QList<int>{0, 1, 23} << QStringList{"3", "43", "3"};
        QTest::newRow("none") << QList<int>{} << QStringList{"0", "49", "1"};
    }
    void countButtons_showTheHourSelectionCounts() {
        QFETCH(QList<int>, hours);
        QFETCH(QStringList, captions);
        Fixture f;
        f.wizard([&](TOKBottomDlg5 &d) {
            nextTimes(d, 3);
            choose(d.SomeHoursRadio);
            for (int h : hours)
                mark(h < 12 ? d.MorningList : d.AfternoonList, h % 12);
            choose(d.EveryHourRadio); // the counts look at the marks whatever the mode
            next(d);
            QCOMPARE(int(d.WizardStep), 5);
            for (int k = 0; k < 3; ++k) {
                QTest::mouseClick(d.MethodButtons[std::size_t(k)], Qt::LeftButton);
                QCOMPARE(d.MethodButtons[std::size_t(k)]->text(), captions[k]);
            }
            QCOMPARE(int(d.WizardStep), 5); // a count button is not a step button
        });
    }

    void finishWithDefaults_addsOneHourlyProgramAtTheEnd_data() {
        QTest::addColumn<int>("minute");
        QTest::newRow("minute 00") << 0;
        QTest::newRow("minute 07") << 7;
        QTest::newRow("minute 59") << 59;
    }
    void finishWithDefaults_addsOneHourlyProgramAtTheEnd() {
        QFETCH(int, minute);
        Fixture f;
        for (int i = 0; i < 3; ++i)
            f.w.SpeedButton1Click();
        f.w.SelectProgramAt(0);
        f.wizard([&](TOKBottomDlg5 &d) {
            nextTimes(d, 4);
            d.AtMinuteSpin->stepBy(minute);
            nextTimes(d, 2);
            QCOMPARE(d.NextBtn->text(), QStringLiteral("Finish"));
            next(d);
        });
        QCOMPARE(f.result, int(QDialog::Accepted));
        QCOMPARE(f.list().count(), 4);
        QCOMPARE(f.list().currentIndex(), 3);
        const TORBEXProg &p = *f.list().currentProgram();
        QCOMPARE(p.Inputs, 4);
        QCOMPARE(p.Active, 1);
        QCOMPARE(p.TimerOn, 1);
        QCOMPARE(p.TimerMode, 3);
        QCOMPARE(p.Time, QTime(14, minute, 0)); // the hour of creation
        QCOMPARE(p.Priority, 0);
        QCOMPARE(p.Title, QStringLiteral("..."));
        QCOMPARE(p.Color, 0x0080FFu);
        // The editor shows the program as generated.
        QVERIFY(f.w.findChild<QCheckBox *>(QStringLiteral("CheckBox3"))->isChecked());
        QVERIFY(f.prompter.shown.isEmpty());
        // The wizard's entries stay hidden whatever the command state.
        QVERIFY(!f.w.Wizzard1->isVisible());
        QVERIFY(!f.w.Wizzard1->isEnabled());
        for (QAction *a : f.w.ToolBar1->actions())
            if (f.w.ToolBar1->widgetForAction(a) == f.w.SpeedButton27)
                QVERIFY(!a->isVisible());
    }

    // Any "only" choice, or a repetition every so many minutes, generates nothing; Finish
    // still closes the dialog.
    void finishWithOtherChoices_addsNothing_data() {
        QTest::addColumn<int>("step");
        for (int step = 1; step <= 5; ++step)
            QTest::addRow("step %d second choice", step) << step;
    }
    void finishWithOtherChoices_addsNothing() {
        QFETCH(int, step);
        Fixture f;
        f.w.SpeedButton1Click();
        f.w.SpeedButton1Click();
        f.w.SelectProgramAt(0);
        const Project before = f.w.currentProject();
        f.wizard([&](TOKBottomDlg5 &d) {
            const QList<QRadioButton *> seconds = {d.OnlyYearRadio, d.SomeMonthsRadio, d.SomeDaysRadio,
                                                   d.SomeHoursRadio, d.EveryMinutesRadio};
            const QList<QListWidget *> lists = {nullptr, d.MonthList, d.DayList, d.AfternoonList, nullptr};
            nextTimes(d, step - 1);
            choose(seconds[step - 1]);
            if (QListWidget *list = lists[step - 1])
                mark(list, 0);
            nextTimes(d, 7 - step);
            QCOMPARE(int(d.WizardStep), 7);
            next(d);
        });
        QCOMPARE(f.result, int(QDialog::Accepted));
        QCOMPARE(f.list().count(), 2);
        QCOMPARE(f.list().currentIndex(), 0);
        const Project after = f.w.currentProject();
        for (int i = 0; i < 2; ++i)
            QVERIFY(after.Programs[i].sameContent(before.Programs[i]));
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void cancel_addsNothingAndNextRunStartsAfresh() {
        Fixture f;
        f.wizard([](TOKBottomDlg5 &d) {
            next(d);
            choose(d.SomeMonthsRadio);
            mark(d.MonthList, 4);
            nextTimes(d, 5);
            QCOMPARE(int(d.WizardStep), 7);
            QTest::mouseClick(d.CancelBtn, Qt::LeftButton);
        });
        QCOMPARE(f.result, int(QDialog::Rejected));
        QVERIFY(f.list().isEmpty());
        f.wizard([](TOKBottomDlg5 &d) {
            QCOMPARE(int(d.WizardStep), 1);
            QCOMPARE(d.Wizard->MonthMode, 1);
            next(d);
            QVERIFY(d.EveryMonthRadio->isChecked());
            QCOMPARE(d.MonthList->item(4)->checkState(), Qt::Unchecked);
            d.close();
        });
        QCOMPARE(f.result, int(QDialog::Rejected));
        QVERIFY(f.list().isEmpty());
        QCOMPARE(f.runs, 2);
    }

    void finishAtTheLimit_showsTheMessageOnceAndChangesNothing() {
        Fixture f;
        QList<TORBEXProg> full;
        for (int i = 0; i < MaxPrograms; ++i)
            full << TORBEXProg(f.clock.now());
        f.w.loadPrograms(full);
        QCOMPARE(f.list().count(), MaxPrograms);
        f.w.SelectProgramAt(10);
        const Project before = f.w.currentProject();
        f.wizard([](TOKBottomDlg5 &d) {
            nextTimes(d, 4);
            d.AtMinuteSpin->stepBy(30);
            nextTimes(d, 2);
            next(d);
        });
        QCOMPARE(f.result, int(QDialog::Accepted));
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("You cannot create more than 255 programs!")});
        QCOMPARE(f.prompter.shown.first().kind, Prompter::Kind::Warning);
        QCOMPARE(f.list().count(), MaxPrograms);
        QCOMPARE(f.list().currentIndex(), 10);
        const Project after = f.w.currentProject();
        for (int i = 0; i < MaxPrograms; ++i)
            QVERIFY(after.Programs[i].sameContent(before.Programs[i]));
    }
};

QTEST_MAIN(TestUiWizard)
#include "test_ui_wizard.moc"
