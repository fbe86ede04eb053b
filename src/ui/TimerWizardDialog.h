#pragma once

#include <QDialog>
#include <QSpinBox>

#include <array>
#include <functional>

class Prompter;
class Program;
class TimerWizardChoices;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

// A spin edit whose value changes by its arrows (mouse, Up and Down keys) only: its text
// cannot be typed into.
class StepOnlySpinBox : public QSpinBox {
    Q_OBJECT

public:
    StepOnlySpinBox(int minimum, int maximum, QWidget *parent = nullptr);
};

// The timer-mode wizard: seven steps (year, months, days, hours, minutes, actions, final)
// that fill one TimerWizardChoices. Its texts are fixed and do not follow the language setting.
class TimerWizardDialog : public QDialog {
    Q_OBJECT

public:
    explicit TimerWizardDialog(Prompter &prompter, QWidget *parent = nullptr);

    // The choices being edited; set by the wizard command before the dialog is shown.
    void setWizard(TimerWizardChoices *wizard) { Wizard = wizard; }
    // Finish asks this for each program it creates (nullptr when the project is full).
    void setNewProgram(std::function<Program *()> newProgram) { NewProgram = std::move(newProgram); }

    // The buttons of the bottom row.
    void goToNextStep();     // "Next >" / "Finish"
    void goToPreviousStep(); // "< Previous"
    void showStep();

signals:
    // Finish made `program` an hourly timer; its tile needs redrawing.
    void programGenerated(Program *program);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QFrame *makePanel();
    QButtonGroup *makeRadioPair(QFrame *panel, QRadioButton *&first, const QString &firstCaption, QRadioButton *&second,
                                const QString &secondCaption, int top2, std::function<void(int)> onTag);
    QListWidget *makeCheckList(QFrame *panel, const QStringList &items, const QRect &geometry,
                               std::function<void()> onCheck);
    void selectRadio(QRadioButton *first, QRadioButton *second, quint8 mode);
    static void setChecks(QListWidget *list, const std::function<quint8(int)> &mark);
    static bool anyChecked(const QListWidget *list);
    void yearChange(int value);
    void minuteChange(StepOnlySpinBox *spin, quint16 &field, QLabel *display, int value);
    void methodClick(int tag);

    Prompter &m_prompter;
    TimerWizardChoices *Wizard = nullptr;
    std::function<Program *()> NewProgram;
    quint8 WizardStep = 1; // the step shown, 1..7
    // Fixed parts, then the widgets of steps 1 (year) to 7 (title, priority, colour).
    QFrame *StepFrame = nullptr;
    QLabel *Heading = nullptr;
    QPushButton *PreviousButton = nullptr, *CancelButton = nullptr, *NextButton = nullptr;
    std::array<QFrame *, 7> StepPanels{};                             // steps 1..7 at 0..6
    QRadioButton *EveryYearRadio = nullptr, *OnlyYearRadio = nullptr; // tags 1, 2
    QLabel *YearDisplay = nullptr;
    StepOnlySpinBox *YearSpin = nullptr;
    QRadioButton *EveryMonthRadio = nullptr, *SomeMonthsRadio = nullptr;
    QListWidget *MonthList = nullptr;
    QRadioButton *EveryDayRadio = nullptr, *SomeDaysRadio = nullptr;
    QListWidget *DayList = nullptr;
    QRadioButton *EveryHourRadio = nullptr, *SomeHoursRadio = nullptr;
    QLabel *MorningLabel = nullptr, *AfternoonLabel = nullptr;
    QListWidget *MorningList = nullptr, *AfternoonList = nullptr; // "00".."11", "12".."23"
    QRadioButton *AtMinuteRadio = nullptr, *EveryMinutesRadio = nullptr;
    QLabel *AtMinuteDisplay = nullptr, *EveryMinutesDisplay = nullptr;
    StepOnlySpinBox *AtMinuteSpin = nullptr, *EveryMinutesSpin = nullptr;
    std::array<QPushButton *, 3> MethodButtons{}; // tags 1..3
    std::array<QLabel *, 6> ActionIcons{}, ActionLabels{};
    std::array<QToolButton *, 6> ActionKindButtons{}, ActionValueButtons{};
    QLabel *TitleText = nullptr;
    QCheckBox *PriorityBox = nullptr;
    QLabel *ColorLabel = nullptr;
    QFrame *ColorSwatch = nullptr;
};
