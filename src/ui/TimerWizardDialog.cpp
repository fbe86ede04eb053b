#include "TimerWizardDialog.h"

#include "Icons.h"
#include "model/Prompter.h"
#include "model/TimerWizardChoices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int value) {
    return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}

QLabel *makeDisplay(QWidget *parent, const QRect &geometry) {
    auto *display = new QLabel(parent);
    display->setGeometry(geometry);
    display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display->setAlignment(Qt::AlignCenter);
    return display;
}

} // namespace

StepOnlySpinBox::StepOnlySpinBox(int minimum, int maximum, QWidget *parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(1);
    lineEdit()->setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

TimerWizardDialog::TimerWizardDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setWindowTitle(QStringLiteral("Wizard-Assistant Step 1"));
    setWindowIcon(Icons::icon(QStringLiteral("wizard")));
    setFixedSize(441, 343);

    StepFrame = new QFrame(this);
    StepFrame->setGeometry(9, 8, 376, 289);
    StepFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Heading = new QLabel(QStringLiteral("Voulez-vous que le programme soit répété :"), this);
    Heading->setGeometry(9, 14, 376, 17);
    Heading->setAlignment(Qt::AlignCenter);

    PreviousButton = new QPushButton(QStringLiteral("< Previous"), this);
    PreviousButton->setGeometry(8, 309, 75, 25);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(214, 309, 75, 25);
    NextButton = new QPushButton(QStringLiteral("Next >"), this);
    NextButton->setGeometry(304, 309, 75, 25);
    NextButton->setDefault(true);
    connect(PreviousButton, &QPushButton::clicked, this, &TimerWizardDialog::goToPreviousStep);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(NextButton, &QPushButton::clicked, this, &TimerWizardDialog::goToNextStep);

    for (QFrame *&panel : StepPanels)
        panel = makePanel();

    // Step 1: the year.
    QFrame *year = StepPanels[0];
    makeRadioPair(year, EveryYearRadio, QStringLiteral("Tous les ans."), OnlyYearRadio,
                  QStringLiteral("Uniquement l'année :"), 48, [this](int tag) { Wizard->YearMode = quint8(tag); });
    YearDisplay = makeDisplay(year, QRect(176, 46, 44, 21));
    YearDisplay->setText(QStringLiteral("2000"));
    YearSpin = new StepOnlySpinBox(2000, 2099, year);
    YearSpin->setGeometry(224, 46, 20, 21);
    connect(YearSpin, &QSpinBox::valueChanged, this, &TimerWizardDialog::yearChange);

    // Step 2: the months.
    QFrame *months = StepPanels[1];
    makeRadioPair(months, EveryMonthRadio, QStringLiteral("Tous les mois de l'année?"), SomeMonthsRadio,
                  QStringLiteral("Le ou les mois suivant(s) :"), 32, [this](int tag) {
                      Wizard->MonthMode = quint8(tag);
                      MonthList->setEnabled(tag == 2);
                  });
    MonthList = makeCheckList(months,
                              {QStringLiteral("Janvier"), QStringLiteral("Fevrier"), QStringLiteral("Mars"),
                               QStringLiteral("Avril"), QStringLiteral("Mai"), QStringLiteral("Juin"),
                               QStringLiteral("Juillet"), QStringLiteral("Aout"), QStringLiteral("Septembre"),
                               QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")},
                              QRect(40, 56, 160, 186), [this] {
                                  for (int i = 1; i <= 12; ++i)
                                      Wizard->SetMonth(i, MonthList->item(i - 1)->checkState() == Qt::Checked);
                              });

    // Step 3: the days of the week.
    QFrame *days = StepPanels[2];
    makeRadioPair(days, EveryDayRadio, QStringLiteral("Tous les jours de la semaine."), SomeDaysRadio,
                  QStringLiteral("Le ou les jour(s) suivant(s) : "), 32, [this](int tag) {
                      Wizard->DayMode = quint8(tag);
                      DayList->setEnabled(tag == 2);
                  });
    DayList = makeCheckList(days,
                            {QStringLiteral("Lundi"), QStringLiteral("Mardi"), QStringLiteral("Mercredi"),
                             QStringLiteral("Jeudi"), QStringLiteral("Vendredi"), QStringLiteral("Samedi"),
                             QStringLiteral("Dimanche")},
                            QRect(40, 56, 160, 130), [this] {
                                for (int i = 1; i <= 7; ++i)
                                    Wizard->SetDayOftheWeek(i, DayList->item(i - 1)->checkState() == Qt::Checked);
                            });

    // Step 4: the hours, morning and afternoon side by side.
    QFrame *hours = StepPanels[3];
    makeRadioPair(hours, EveryHourRadio, QStringLiteral("Toutes les heures."), SomeHoursRadio,
                  QStringLiteral("A heure(s) : "), 32, [this](int tag) {
                      Wizard->HourMode = quint8(tag);
                      MorningList->setEnabled(tag == 2);
                      AfternoonList->setEnabled(tag == 2);
                  });
    MorningLabel = new QLabel(QStringLiteral("Matin"), hours);
    MorningLabel->setGeometry(40, 56, 140, 17);
    AfternoonLabel = new QLabel(QStringLiteral("Après midi"), hours);
    AfternoonLabel->setGeometry(196, 56, 140, 17);
    QStringList morning, afternoon;
    for (int h = 0; h < 12; ++h) {
        morning << twoDigits(h);
        afternoon << twoDigits(h + 12);
    }
    MorningList = makeCheckList(hours, morning, QRect(40, 74, 140, 168), [this] {
        for (int i = 1; i <= 12; ++i)
            Wizard->SetHourOftheDay(i, MorningList->item(i - 1)->checkState() == Qt::Checked);
    });
    AfternoonList = makeCheckList(hours, afternoon, QRect(196, 74, 140, 168), [this] {
        for (int i = 1; i <= 12; ++i)
            Wizard->SetHourOftheDay(i + 12, AfternoonList->item(i - 1)->checkState() == Qt::Checked);
    });

    // Step 5: the minutes, and the three hour-selection counts.
    QFrame *minutes = StepPanels[4];
    makeRadioPair(minutes, AtMinuteRadio, QStringLiteral("A la nième minute de l'heure : "), EveryMinutesRadio,
                  QStringLiteral("Toutes les X minutes :"), 48, [this](int tag) { Wizard->MinuteMode = quint8(tag); });
    AtMinuteDisplay = makeDisplay(minutes, QRect(236, 14, 28, 21));
    AtMinuteDisplay->setText(QStringLiteral("00"));
    AtMinuteSpin = new StepOnlySpinBox(0, 59, minutes);
    AtMinuteSpin->setGeometry(268, 14, 20, 21);
    EveryMinutesDisplay = makeDisplay(minutes, QRect(236, 46, 28, 21));
    EveryMinutesDisplay->setText(QStringLiteral("00"));
    EveryMinutesSpin = new StepOnlySpinBox(0, 59, minutes);
    EveryMinutesSpin->setGeometry(268, 46, 20, 21);
    connect(AtMinuteSpin, &QSpinBox::valueChanged, this,
            [this](int v) { minuteChange(AtMinuteSpin, Wizard->AtMinute, AtMinuteDisplay, v); });
    connect(EveryMinutesSpin, &QSpinBox::valueChanged, this,
            [this](int v) { minuteChange(EveryMinutesSpin, Wizard->EveryMinutes, EveryMinutesDisplay, v); });
    for (int tag = 1; tag <= 3; ++tag) {
        auto *button = new QPushButton(QStringLiteral("Méthode %1 = ").arg(tag), minutes);
        button->setGeometry(16, 96 + (tag - 1) * 36, 120, 25);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, tag] { methodClick(tag); });
        MethodButtons[std::size_t(tag - 1)] = button;
    }

    // Step 6: the actions (shown, not yet part of the model).
    QFrame *actions = StepPanels[5];
    const QPixmap rowIcon = Icons::pixmap(QStringLiteral("action-row"), 24);
    for (std::size_t k = 0; k < ActionIcons.size(); ++k) {
        const int top = 8 + int(k) * 39;
        ActionIcons[k] = new QLabel(actions);
        ActionIcons[k]->setGeometry(8, top, 24, 24);
        ActionIcons[k]->setPixmap(rowIcon);
        ActionLabels[k] = new QLabel(QStringLiteral("Action %1").arg(k + 1), actions);
        ActionLabels[k]->setGeometry(40, top + 4, 200, 17);
        ActionKindButtons[k] = new QToolButton(actions);
        ActionValueButtons[k] = new QToolButton(actions);
        for (QToolButton *b : {ActionKindButtons[k], ActionValueButtons[k]}) {
            b->setText(QStringLiteral("..."));
            b->setAutoRaise(true);
        }
        ActionKindButtons[k]->setGeometry(250, top, 44, 25);
        ActionValueButtons[k]->setGeometry(300, top, 44, 25);
    }

    // Step 7: title, priority and colour (shown, not yet part of the model).
    QFrame *final = StepPanels[6];
    TitleText = new QLabel(QStringLiteral("..."), final);
    TitleText->setGeometry(16, 16, 329, 21);
    TitleText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PriorityBox = new QCheckBox(QStringLiteral("Priority"), final);
    PriorityBox->setGeometry(16, 52, 200, 17);
    ColorLabel = new QLabel(QStringLiteral("Color :"), final);
    ColorLabel->setGeometry(16, 86, 48, 17);
    ColorSwatch = new QFrame(final);
    ColorSwatch->setGeometry(68, 84, 40, 21);
    ColorSwatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    const quint32 bgr = ProgramColors[1];
    ColorSwatch->setStyleSheet(
        QStringLiteral("background-color: %1;").arg(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name()));

    // The names by which users' tools and the tests find the widgets.
    setObjectName(QStringLiteral("TimerWizardDialog"));
    const std::pair<QObject *, const char *> named[] = {
        {Heading, "Heading"},
        {PreviousButton, "PreviousButton"},
        {CancelButton, "CancelButton"},
        {NextButton, "NextButton"},
        {EveryYearRadio, "EveryYearRadio"},
        {OnlyYearRadio, "OnlyYearRadio"},
        {YearDisplay, "YearDisplay"},
        {YearSpin, "YearSpin"},
        {EveryMonthRadio, "EveryMonthRadio"},
        {SomeMonthsRadio, "SomeMonthsRadio"},
        {MonthList, "MonthList"},
        {EveryDayRadio, "EveryDayRadio"},
        {SomeDaysRadio, "SomeDaysRadio"},
        {DayList, "DayList"},
        {EveryHourRadio, "EveryHourRadio"},
        {SomeHoursRadio, "SomeHoursRadio"},
        {MorningList, "MorningList"},
        {AfternoonList, "AfternoonList"},
        {AtMinuteRadio, "AtMinuteRadio"},
        {EveryMinutesRadio, "EveryMinutesRadio"},
        {AtMinuteDisplay, "AtMinuteDisplay"},
        {AtMinuteSpin, "AtMinuteSpin"},
        {EveryMinutesDisplay, "EveryMinutesDisplay"},
        {EveryMinutesSpin, "EveryMinutesSpin"},
        {MethodButtons[0], "MethodButton1"},
        {MethodButtons[1], "MethodButton2"},
        {MethodButtons[2], "MethodButton3"},
        {TitleText, "TitleText"},
        {PriorityBox, "PriorityBox"},
    };
    for (const auto &[object, name] : named)
        object->setObjectName(QLatin1String(name));

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QFrame *TimerWizardDialog::makePanel() {
    auto *panel = new QFrame(this);
    panel->setGeometry(17, 38, 361, 249);
    panel->hide();
    return panel;
}

QButtonGroup *TimerWizardDialog::makeRadioPair(QFrame *panel, QRadioButton *&first, const QString &firstCaption,
                                               QRadioButton *&second, const QString &secondCaption, int top2,
                                               std::function<void(int)> onTag) {
    first = new QRadioButton(firstCaption, panel);
    first->setGeometry(16, 16, 220, 17);
    second = new QRadioButton(secondCaption, panel);
    second->setGeometry(16, top2, 220, 17);
    if (top2 < 40) // the pair sits above a check list: tighter rows
        first->move(16, 8);
    auto *pair = new QButtonGroup(panel);
    pair->addButton(first, 1);
    pair->addButton(second, 2);
    connect(pair, &QButtonGroup::idToggled, this, [onTag = std::move(onTag)](int tag, bool checked) {
        if (checked)
            onTag(tag);
    });
    return pair;
}

QListWidget *TimerWizardDialog::makeCheckList(QFrame *panel, const QStringList &items, const QRect &geometry,
                                              std::function<void()> onCheck) {
    auto *list = new QListWidget(panel);
    list->setGeometry(geometry);
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(list, &QListWidget::itemChanged, this, [onCheck = std::move(onCheck)] { onCheck(); });
    return list;
}

void TimerWizardDialog::showEvent(QShowEvent *event) {
    WizardStep = 1;
    showStep();
    QDialog::showEvent(event);
}

void TimerWizardDialog::goToNextStep() {
    if (WizardStep == 7) {
        if (Program *made = Wizard->generateProgram(NewProgram))
            emit programGenerated(made);
        accept();
        return;
    }
    ++WizardStep;
    // Leaving a step whose "only these" choice has no mark keeps the user on that step.
    if (WizardStep == 3 && Wizard->MonthMode == 2 && !anyChecked(MonthList)) {
        m_prompter.warn(QStringLiteral("Vous devez sélectionnez au moins un mois dans la liste!"));
        WizardStep = 2;
    }
    if (WizardStep == 4 && Wizard->DayMode == 2 && !anyChecked(DayList)) {
        m_prompter.warn(QStringLiteral("Vous devez sélectionnez au moins un jour dans la liste!"));
        WizardStep = 3;
    }
    if (WizardStep == 5 && Wizard->HourMode == 2 && !anyChecked(MorningList) && !anyChecked(AfternoonList)) {
        m_prompter.warn(QStringLiteral("Vous devez sélectionnez au moins une heure dans l'une des deux listex!"));
        WizardStep = 4;
    }
    showStep();
}

void TimerWizardDialog::goToPreviousStep() {
    if (WizardStep > 1)
        --WizardStep;
    showStep();
}

void TimerWizardDialog::showStep() {
    setWindowTitle(QStringLiteral("Wizard-Assistant Step %1").arg(WizardStep));
    for (QFrame *panel : StepPanels)
        panel->hide();
    NextButton->setText(QStringLiteral("Next >"));
    PreviousButton->setVisible(WizardStep > 1);
    StepPanels[std::size_t(WizardStep - 1)]->show();

    switch (WizardStep) {
    case 1:
        selectRadio(EveryYearRadio, OnlyYearRadio, Wizard->YearMode);
        YearSpin->setValue(Wizard->Year);
        YearDisplay->setText(fourDigits(Wizard->Year));
        break;
    case 2:
        selectRadio(EveryMonthRadio, SomeMonthsRadio, Wizard->MonthMode);
        MonthList->setEnabled(Wizard->MonthMode == 2);
        setChecks(MonthList, [this](int i) { return Wizard->GetMonth(i); });
        break;
    case 3:
        selectRadio(EveryDayRadio, SomeDaysRadio, Wizard->DayMode);
        DayList->setEnabled(Wizard->DayMode == 2);
        setChecks(DayList, [this](int i) { return Wizard->GetDayOftheWeek(i); });
        break;
    case 4:
        selectRadio(EveryHourRadio, SomeHoursRadio, Wizard->HourMode);
        MorningList->setEnabled(Wizard->HourMode == 2);
        AfternoonList->setEnabled(Wizard->HourMode == 2);
        setChecks(MorningList, [this](int i) { return Wizard->GetHourOftheDay(i); });
        setChecks(AfternoonList, [this](int i) { return Wizard->GetHourOftheDay(i + 12); });
        break;
    case 5:
        selectRadio(AtMinuteRadio, EveryMinutesRadio, Wizard->MinuteMode);
        AtMinuteSpin->setValue(Wizard->AtMinute);
        AtMinuteDisplay->setText(twoDigits(Wizard->AtMinute));
        EveryMinutesSpin->setValue(Wizard->EveryMinutes);
        EveryMinutesDisplay->setText(twoDigits(Wizard->EveryMinutes));
        break;
    case 7:
        NextButton->setText(QStringLiteral("Finish"));
        break;
    default:
        break;
    }
}

void TimerWizardDialog::selectRadio(QRadioButton *first, QRadioButton *second, quint8 mode) {
    (mode == 2 ? second : first)->setChecked(true);
}

// Marks set from the model are not a change by the user: the list's handler stays quiet.
void TimerWizardDialog::setChecks(QListWidget *list, const std::function<quint8(int)> &mark) {
    const QSignalBlocker quiet(list);
    for (int i = 1; i <= list->count(); ++i)
        list->item(i - 1)->setCheckState(mark(i) ? Qt::Checked : Qt::Unchecked);
}

bool TimerWizardDialog::anyChecked(const QListWidget *list) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            return true;
    return false;
}

void TimerWizardDialog::yearChange(int value) {
    if (value > 2000) {
        Wizard->Year = quint16(value);
    } else {
        Wizard->Year = 2000;
        YearSpin->setValue(2000);
    }
    YearDisplay->setText(fourDigits(Wizard->Year));
}

void TimerWizardDialog::minuteChange(StepOnlySpinBox *spin, quint16 &field, QLabel *display, int value) {
    if (value > 0) {
        field = quint16(value);
    } else {
        field = 0;
        spin->setValue(0);
    }
    display->setText(twoDigits(field));
}

void TimerWizardDialog::methodClick(int tag) {
    MethodButtons[std::size_t(tag - 1)]->setText(QString::number(Wizard->HourSelectionCount(tag)));
}
