#include "ProgramEditor.h"

#include "ActionRowsEditor.h"
#include "ChoiceMenus.h"
#include "EditorWidgets.h"
#include "Icons.h"
#include "ProgramTile.h"
#include "model/ActionList.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/ProgramText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"
#include "ui/CommentsDialog.h"
#include "ui/TitleDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QGridLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

constexpr int PanelHeight = 254;
constexpr int CollapsedHeight = 30;
constexpr int GroupsHeight = 217;
constexpr int FieldHeight = 22;

QString d2(int v) {
    return QString::number(v).rightJustified(2, u'0');
}

QString d3(int v) {
    return QString::number(v).rightJustified(3, u'0');
}

QDateTime minuteOf(const QDateTime &t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

template <typename T> T *named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

ProgramEditor::ProgramEditor(const Clock &clock, DialogRunner runDialog, CodesInUse codesInUse, Language language,
                             QWidget *parent)
    : QFrame(parent)
    , m_clock(clock)
    , m_runDialog(std::move(runDialog))
    , m_codesInUse(std::move(codesInUse))
    , m_language(language) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumHeight(CollapsedHeight);
    setFixedHeight(PanelHeight);
    setObjectName(QStringLiteral("EditorPanel"));
    hide();
}

ProgramEditor::~ProgramEditor() = default;

// The fields and the action rows are made when a program is first shown: until then the panel
// is hidden and costs nothing at start-up.
void ProgramEditor::ensureBuilt() {
    if (m_built)
        return;
    m_built = true;
    // The contents keep their full height when the panel is collapsed: the panel clips them
    // to the header line.
    m_contents = new QWidget(this);
    m_contents->setFixedHeight(PanelHeight - 2 * frameWidth());
    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(m_contents, 0, Qt::AlignTop);
    auto *contents = new QVBoxLayout(m_contents);
    contents->setContentsMargins(7, 7, 17, 4);
    contents->setSpacing(8);
    contents->addWidget(createHeader());
    auto *groups = new QHBoxLayout;
    groups->setSpacing(8);
    groups->addWidget(createLeftColumn());
    groups->addWidget(createTimerGroup());
    m_actions = new ActionRowsEditor(m_language, m_contents);
    m_actions->setMinimumWidth(344);
    m_actions->setFixedHeight(GroupsHeight);
    m_actions->setPlayerOptions(m_ioCard, m_ethernet);
    connect(m_actions, &ActionRowsEditor::actionsEdited, this, &ProgramEditor::takeActions);
    groups->addWidget(m_actions);
    groups->addStretch(1); // a wider window widens the title line only
    contents->addLayout(groups);

    // The menus exist from the start, empty; each is filled when it first opens.
    m_codeMenu = named(makeCodeMenu(this), "CodeMenu");
    connect(m_codeMenu, &ChoiceMenu::chosen, this, &ProgramEditor::setCode);
    m_colourMenu = named(makeColourMenu(this), "ColourMenu");
    connect(m_colourMenu, &ChoiceMenu::chosen, this, &ProgramEditor::setColour);
    relabel();
}

void ProgramEditor::showEvent(QShowEvent *event) {
    ensureBuilt();
    QFrame::showEvent(event);
}

// The header line: the collapse and expand images, then the title across the panel.
QWidget *ProgramEditor::createHeader() {
    auto *header = new QWidget(m_contents);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(0, 0, 1, 0);
    layout->setSpacing(0);
    auto *collapse = named(new ClickLabel(header), "CollapseImage");
    collapse->setPixmap(Icons::pixmap(QStringLiteral("collapse"), 16));
    collapse->setFixedSize(16, 16);
    connect(collapse, &ClickLabel::clicked, this, &ProgramEditor::collapsePanel);
    auto *expand = named(new ClickLabel(header), "ExpandImage");
    expand->setPixmap(Icons::pixmap(QStringLiteral("expand"), 16));
    expand->setFixedSize(16, 16);
    connect(expand, &ClickLabel::clicked, this, &ProgramEditor::expandPanel);
    m_titleText = named(new ClickLabel(header), "TitleText");
    m_titleText->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_titleText->setAutoFillBackground(true);
    m_titleText->setBackgroundRole(QPalette::Base);
    m_titleText->setIndent(2);
    m_titleText->setCursor(Qt::PointingHandCursor);
    m_titleText->setFixedHeight(14);
    m_titleText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed); // a long title is cut, as on a tile
    connect(m_titleText, &ClickLabel::clicked, this, &ProgramEditor::editTitle);
    layout->addWidget(collapse);
    layout->addWidget(expand);
    layout->addSpacing(10);
    layout->addWidget(m_titleText, 1);
    return header;
}

// Activate, Prioritary and the colour above the Comments and Inputs groups.
QWidget *ProgramEditor::createLeftColumn() {
    auto *column = new QWidget(m_contents);
    column->setMinimumWidth(290);
    column->setFixedHeight(GroupsHeight);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(1, 0, 1, 0);
    layout->setSpacing(0);

    auto *top = new QHBoxLayout;
    top->setContentsMargins(24, 0, 7, 0);
    auto *boxes = new QVBoxLayout;
    boxes->setContentsMargins(0, 2, 0, 0);
    boxes->setSpacing(7);
    m_activeBox = named(new QCheckBox(column), "ActiveBox");
    connect(m_activeBox, &QCheckBox::clicked, this, &ProgramEditor::setActive);
    m_priorityBox = named(new QCheckBox(column), "PriorityBox");
    connect(m_priorityBox, &QCheckBox::clicked, this, &ProgramEditor::setPriority);
    for (QCheckBox *box : {m_activeBox, m_priorityBox}) {
        box->setFixedHeight(20);
        boxes->addWidget(box);
    }
    boxes->addStretch(1);
    auto *colour = new QVBoxLayout;
    colour->setContentsMargins(0, 1, 0, 0);
    colour->setSpacing(4);
    m_colourLabel = named(new QLabel(column), "ColourLabel");
    m_colourSwatch = named(new ClickLabel(column), "ColourSwatch");
    m_colourSwatch->setFixedSize(65, 17);
    m_colourSwatch->setCursor(Qt::PointingHandCursor);
    connect(m_colourSwatch, &ClickLabel::pressed, this, &ProgramEditor::chooseColour);
    colour->addWidget(m_colourLabel, 0, Qt::AlignHCenter);
    colour->addWidget(m_colourSwatch);
    colour->addStretch(1);
    top->addLayout(boxes);
    top->addStretch(1);
    top->addLayout(colour);
    layout->addLayout(top, 1);

    auto *comments = new QVBoxLayout;
    m_commentsGroup = new EditorGroup(false, column);
    m_commentsGroup->setContents(comments, QMargins(1, 1, 1, 1));
    m_commentsGroup->title()->setObjectName(QStringLiteral("CommentsTitle"));
    m_commentsGroup->setFixedHeight(73);
    m_commentsMemo = named(new QPlainTextEdit(m_commentsGroup), "CommentsMemo");
    m_commentsMemo->setReadOnly(true);
    m_commentsMemo->setFrameStyle(QFrame::NoFrame);
    m_commentsMemo->setFocusPolicy(Qt::NoFocus);
    m_commentsMemo->setTextInteractionFlags(Qt::NoTextInteraction);
    m_commentsMemo->viewport()->setCursor(Qt::PointingHandCursor);
    m_commentsMemo->viewport()->installEventFilter(this);
    comments->addWidget(m_commentsMemo);
    layout->addWidget(m_commentsGroup);
    layout->addSpacing(10);

    auto *code = new QHBoxLayout;
    code->setSpacing(7);
    m_codeGroup = new EditorGroup(false, column);
    m_codeGroup->setContents(code, QMargins(10, 5, 0, 1));
    m_codeGroup->title()->setObjectName(QStringLiteral("CodeTitle"));
    m_codeGroup->setFixedHeight(80);
    m_codePanel = named(new ClickLabel(m_codeGroup), "CodePanel");
    m_codePanel->setFixedSize(49, 47);
    m_codePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_codePanel->setAlignment(Qt::AlignCenter);
    QFont big = m_codePanel->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    m_codePanel->setFont(big);
    m_codePanel->setCursor(Qt::PointingHandCursor);
    connect(m_codePanel, &ClickLabel::clicked, this, &ProgramEditor::chooseCode);
    auto *panelPlace = new QVBoxLayout;
    panelPlace->setContentsMargins(0, 3, 0, 0);
    panelPlace->addWidget(m_codePanel);
    panelPlace->addStretch(1);
    m_inputDots = named(new CodeView(m_codeGroup), "InputDots");
    code->addLayout(panelPlace);
    code->addWidget(m_inputDots, 0, Qt::AlignTop);
    code->addStretch(1);
    layout->addWidget(m_codeGroup);
    return column;
}

// The Timer Mode group: On/Off, the clock, the four modes with their fields, the next-run line.
EditorGroup *ProgramEditor::createTimerGroup() {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    m_timerGroup = new EditorGroup(true, m_contents);
    m_timerGroup->setContents(grid, QMargins(8, 11, 12, 0));
    QWidget *group = m_timerGroup;
    group->setMinimumWidth(303);
    group->setFixedHeight(GroupsHeight);
    m_timerGroup->title()->setObjectName(QStringLiteral("TimerModeTitle"));

    m_timerOnBox = named(new QCheckBox(group), "TimerOnBox");
    connect(m_timerOnBox, &QCheckBox::clicked, this, &ProgramEditor::setTimerOn);
    m_clockLabel = named(new QLabel(group), "ClockLabel");
    m_clockEdit = named(new QTimeEdit(group), "ClockEdit");
    m_clockEdit->setDisplayFormat(QStringLiteral("HH:mm")); // what the project file keeps
    connect(m_clockEdit, &QTimeEdit::timeChanged, this, &ProgramEditor::setClock);
    auto *modes = new QButtonGroup(group);
    const char *radioNames[] = {"OnDateRadio", "DailyRadio", "WeeklyRadio", "HourlyRadio"};
    for (int mode = 0; mode < 4; ++mode) {
        auto *radio = named(new QRadioButton(group), radioNames[mode]);
        modes->addButton(radio, mode);
        m_modeRadios[std::size_t(mode)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, mode] { setTimerMode(mode); });
    }
    m_dateEdit = named(new QDateEdit(group), "DateEdit");
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setLocale(m_dateLocale);
    m_dateEdit->setDisplayFormat(m_dateLocale.dateFormat(QLocale::ShortFormat));
    connect(m_dateEdit, &QDateEdit::dateChanged, this, &ProgramEditor::setDate);
    m_dayBox = named(new QComboBox(group), "DayBox");
    m_dayBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_dayBox, &QComboBox::currentIndexChanged, this, &ProgramEditor::setDay);
    auto *minuteLabel = named(new QLabel(QStringLiteral("XX :"), group), "HourlyMinuteLabel");
    m_minuteDisplay = named(new QLabel(QStringLiteral("00"), group), "MinuteDisplay");
    m_minuteDisplay->setFixedSize(25, FieldHeight);
    m_minuteDisplay->setAlignment(Qt::AlignCenter);
    m_minuteDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_minuteDisplay->setAutoFillBackground(true);
    m_minuteDisplay->setBackgroundRole(QPalette::Base);
    m_minuteSpin = named(new QSpinBox(group), "MinuteSpin");
    m_minuteSpin->setFixedSize(18, FieldHeight); // arrows only: the display shows the minute
    m_minuteSpin->setRange(0, 59);
    m_minuteSpin->setSingleStep(1);
    m_minuteSpin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_minuteSpin->findChild<QLineEdit *>()->setReadOnly(true);
    m_minuteSpin->findChild<QLineEdit *>()->setMaxLength(2);
    connect(m_minuteSpin, &QSpinBox::valueChanged, this, &ProgramEditor::setMinute);
    // A field takes the wheel only once the user has entered it; until then a wheel step over
    // it moves through the list (eventFilter).
    for (QWidget *field : std::initializer_list<QWidget *>{m_clockEdit, m_dateEdit, m_dayBox, m_minuteSpin}) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(this);
    }
    for (QWidget *field : std::initializer_list<QWidget *>{m_clockEdit, m_dateEdit, m_dayBox}) {
        field->setFixedHeight(FieldHeight);
        field->setMinimumWidth(100);
    }
    auto *minute = new QHBoxLayout;
    minute->setContentsMargins(24, 0, 4, 0);
    minute->setSpacing(1);
    minute->addWidget(minuteLabel);
    minute->addStretch(1);
    minute->addWidget(m_minuteDisplay);
    minute->addWidget(m_minuteSpin);

    // The next run of the program, under the last timer mode, across the timer area.
    m_nextRunLine = named(new QLabel(group), "NextRunLine");
    m_nextRunLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_nextRunLine->setFixedHeight(16);
    m_nextRunLine->hide();
    m_nextRunTimer = named(new QTimer(this), "NextRunTimer");
    m_nextRunTimer->setInterval(1000);
    connect(m_nextRunTimer, &QTimer::timeout, this, &ProgramEditor::checkNextRunMinute);
    m_nextRunTimer->start();

    // Column 0 indents the modes under On/Off; the fields line up in column 2.
    grid->setColumnMinimumWidth(0, 15);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_timerOnBox, 0, 0, 1, 3);
    grid->addWidget(m_clockLabel, 1, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(m_clockEdit, 1, 2);
    for (int mode = 0; mode < 4; ++mode)
        grid->addWidget(m_modeRadios[std::size_t(mode)], 2 + mode, 1);
    grid->addWidget(m_dateEdit, 2, 2);
    grid->addWidget(m_dayBox, 4, 2);
    grid->addLayout(minute, 5, 2);
    grid->addWidget(m_nextRunLine, 6, 0, 1, 3);
    const int rowHeights[] = {24, 25, 32, 32, 32, 28, 16};
    for (int row = 0; row < int(std::size(rowHeights)); ++row)
        grid->setRowMinimumHeight(row, rowHeights[row]);
    return m_timerGroup;
}

// The window itself keeps the focus (see MainWindow::leaveNoFocus).
void ProgramEditor::leaveNoFocus() {
    window()->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------
// Showing a program

void ProgramEditor::showProgram(const Program &program) {
    ensureBuilt();
    m_program = program;
    m_hasProgram = true;
    show();
    fill();
}

void ProgramEditor::showNone() {
    m_hasProgram = false;
    hide();
    if (m_built)
        refreshNextRun();
}

void ProgramEditor::fill() {
    const Program &prog = m_program;
    const QList<QObject *> fields = {m_activeBox,     m_priorityBox,   m_timerOnBox,   m_clockEdit,
                                     m_dayBox,        m_dateEdit,      m_minuteSpin,   m_modeRadios[0],
                                     m_modeRadios[1], m_modeRadios[2], m_modeRadios[3]};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject *o : fields)
        blockers.push_back(std::make_unique<QSignalBlocker>(o));

    m_codePanel->setText(d3(prog.Code));
    m_titleText->setText(prog.Title);
    m_colourSwatch->setFillColor(colorOfRecord(prog.Color));
    m_commentsMemo->clear();
    m_commentsMemo->setPlainText(prog.Comments.join(QLatin1Char('\n')));
    m_priorityBox->setChecked(prog.Priority != 0);
    m_timerOnBox->setChecked(prog.TimerOn != 0);
    m_activeBox->setChecked(prog.Active != 0);
    m_modeRadios[prog.TimerMode <= 3 ? prog.TimerMode : 0]->setChecked(true);
    m_clockEdit->setTime(prog.Time);
    m_dateEdit->setDate(prog.Date);
    m_dayBox->setCurrentIndex(prog.DayOftheWeek >= 1 && prog.DayOftheWeek <= 7 ? prog.DayOftheWeek - 1 : -1);
    const int minute = m_clockEdit->time().minute();
    m_minuteSpin->setValue(minute);
    m_minuteDisplay->setText(d2(minute));

    m_actions->showActions(prog);

    quint8 dots = 0;
    for (int k = 8; k >= 1; --k)
        if (InputBit(k, prog.Code))
            dots |= quint8(1u << (k - 1));
    m_inputDots->setDots(dots);
    refreshNextRun();
    leaveNoFocus();
}

// A field changed the program: the window learns it, the next-run line follows.
void ProgramEditor::edited() {
    emit programEdited(m_program);
    refreshNextRun();
}

// A menu changed the program: its slots are kept consistent and the panel shows it anew.
void ProgramEditor::editedByMenu() {
    NormalizeActions(m_program);
    emit programEdited(m_program);
    fill();
}

// ---------------------------------------------------------------------------------------
// The fields

void ProgramEditor::setActive() {
    if (!m_hasProgram)
        return;
    m_program.Active = m_activeBox->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::setPriority() {
    if (!m_hasProgram)
        return;
    m_program.Priority = m_priorityBox->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::setTimerOn() {
    if (!m_hasProgram)
        return;
    m_program.TimerOn = m_timerOnBox->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::setTimerMode(int mode) {
    if (!m_hasProgram || mode < 0 || mode > 3)
        return;
    if (m_modeRadios[std::size_t(mode)]->isChecked())
        m_program.TimerMode = quint8(mode);
    edited();
}

void ProgramEditor::setClock() {
    if (!m_hasProgram)
        return;
    const QTime clock = m_clockEdit->time();
    m_program.Time = QTime(clock.hour(), clock.minute());
    edited();
}

void ProgramEditor::setDate() {
    if (!m_hasProgram)
        return;
    const QDate d = m_dateEdit->date();
    m_program.SetDate(d.year(), d.month(), d.day());
    edited();
}

void ProgramEditor::setDay() {
    if (!m_hasProgram || m_dayBox->currentIndex() < 0)
        return;
    m_program.DayOftheWeek = quint8(m_dayBox->currentIndex() + 1);
    edited();
}

// The minute of the hourly mode, which is the clock's minute too.
void ProgramEditor::setMinute() {
    if (!m_hasProgram)
        return;
    const QTime clock = m_clockEdit->time();
    int minute = 0;
    if (m_minuteSpin->value() > 0) {
        minute = m_minuteSpin->value();
    } else {
        const QSignalBlocker blocker(m_minuteSpin);
        m_minuteSpin->setValue(0);
    }
    m_minuteDisplay->setText(d2(minute));
    const QTime time(clock.hour(), minute, clock.second(), clock.msec());
    {
        const QSignalBlocker blocker(m_clockEdit);
        m_clockEdit->setTime(time);
    }
    m_program.Time = time;
    edited();
}

void ProgramEditor::editComments() {
    if (!m_hasProgram)
        return;
    if (!m_commentsDialog)
        m_commentsDialog = new CommentsDialog(this);
    m_commentsDialog->setLanguage(m_language);
    m_commentsDialog->setLines(m_commentsMemo->toPlainText().split(QLatin1Char('\n')));
    if (m_runDialog(*m_commentsDialog) != QDialog::Accepted)
        return;
    const QStringList lines = m_commentsDialog->lines();
    m_commentsMemo->setPlainText(lines.join(QLatin1Char('\n')));
    m_program.Comments = lines;
    edited();
    window()->activateWindow();
    leaveNoFocus();
}

void ProgramEditor::editTitle() {
    if (!m_hasProgram)
        return;
    if (!m_titleDialog)
        m_titleDialog = new TitleDialog(this);
    m_titleDialog->setLanguage(m_language);
    m_titleDialog->setTitle(m_titleText->text());
    if (m_runDialog(*m_titleDialog) != QDialog::Accepted)
        return;
    m_titleText->setText(m_titleDialog->title());
    m_program.Title = m_titleDialog->title();
    edited();
    window()->activateWindow();
    leaveNoFocus();
}

void ProgramEditor::chooseColour() {
    m_colourMenu->popup(QCursor::pos());
}

void ProgramEditor::setColour(int k) {
    if (!m_hasProgram || k < 1 || k > ProgramColorCount)
        return;
    m_program.Color = ProgramColors[k];
    editedByMenu();
}

// Only the codes no program of the list uses can be chosen, the shown program's own included.
void ProgramEditor::chooseCode() {
    for (int code = 1; code <= 255; ++code)
        m_codeMenu->entry(code)->setEnabled(true);
    for (const quint8 code : m_codesInUse())
        if (code >= 1)
            m_codeMenu->entry(code)->setEnabled(false);
    m_codeMenu->popup(QCursor::pos());
}

void ProgramEditor::setCode(int code) {
    if (!m_hasProgram || code < 1 || code > 255)
        return;
    m_program.Code = quint8(code);
    editedByMenu();
}

// An action or a value chosen in the Actions group.
void ProgramEditor::takeActions(const Program &edited) {
    if (!m_hasProgram)
        return;
    m_program.ActionKind = edited.ActionKind;
    m_program.ActionParam = edited.ActionParam;
    m_program.ActionValue = edited.ActionValue;
    m_program.ActionCount = edited.ActionCount;
    editedByMenu();
}

void ProgramEditor::collapsePanel() {
    setFixedHeight(CollapsedHeight);
}

void ProgramEditor::expandPanel() {
    setFixedHeight(PanelHeight);
}

bool ProgramEditor::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Wheel && watched != m_commentsMemo->viewport()) {
        const auto *field = static_cast<QWidget *>(watched);
        const QWidget *focused = QApplication::focusWidget();
        if (focused && (focused == field || field->isAncestorOf(focused)))
            return false;
        QCoreApplication::sendEvent(window(), event); // the list's wheel step
        return true;
    }
    if (watched == m_commentsMemo->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            editComments();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Language

void ProgramEditor::setLanguage(Language language) {
    m_language = language;
    if (m_built)
        relabel();
}

void ProgramEditor::setPlayerOptions(bool ioCard, bool ethernet) {
    m_ioCard = ioCard;
    m_ethernet = ethernet;
    if (m_built)
        m_actions->setPlayerOptions(ioCard, ethernet);
}

// Every text of the panel; each field is named after its label, in the same language.
void ProgramEditor::relabel() {
    const Language language = m_language;
    const auto text = [language](const Phrase &row) { return translated(row, language); };
    m_activeBox->setText(text(phrase("ProgramEditor", "Activate")));
    m_priorityBox->setText(text(phrase("ProgramEditor", "Prioritary")));
    m_timerOnBox->setText(text(phrase("ProgramEditor", "On/Off")));
    m_colourLabel->setText(text(phrase("ProgramEditor", "Color : ")));
    m_timerGroup->title()->setText(text(phrase("ProgramEditor", "Timer Mode")));
    m_commentsGroup->title()->setText(text(phrase("ProgramEditor", "Comments :")));
    m_codeGroup->title()->setText(text(phrase("ProgramEditor", "Inputs :")));
    m_clockLabel->setText(text(phrase("ProgramEditor", "Clock :")));
    const std::array<Phrase, 4> modeRows = {phrase("ProgramEditor", "Date :"), phrase("ProgramEditor", "Every Day"),
                                            phrase("ProgramEditor", "Every :"), phrase("ProgramEditor", "Start at :")};
    for (std::size_t mode = 0; mode < modeRows.size(); ++mode)
        m_modeRadios[mode]->setText(text(modeRows[mode]));

    const std::pair<QWidget *, Phrase> fields[] = {{m_activeBox, phrase("ProgramEditor", "Activate")},
                                                   {m_priorityBox, phrase("ProgramEditor", "Prioritary")},
                                                   {m_timerOnBox, phrase("ProgramEditor", "On/Off")},
                                                   {m_modeRadios[0], phrase("ProgramEditor", "Date :")},
                                                   {m_modeRadios[1], phrase("ProgramEditor", "Every Day")},
                                                   {m_modeRadios[2], phrase("ProgramEditor", "Every :")},
                                                   {m_modeRadios[3], phrase("ProgramEditor", "Start at :")},
                                                   {m_clockEdit, phrase("ProgramEditor", "Clock :")},
                                                   {m_dateEdit, phrase("ProgramEditor", "Date :")},
                                                   {m_dayBox, phrase("ProgramEditor", "Every :")},
                                                   {m_minuteSpin, phrase("ProgramEditor", "Start at :")},
                                                   {m_titleText, phrase("ProgramEditor", "Title : ")},
                                                   {m_colourSwatch, phrase("ProgramEditor", "Color : ")},
                                                   {m_commentsMemo, phrase("ProgramEditor", "Comments :")},
                                                   {m_codePanel, phrase("ProgramEditor", "Inputs :")}};
    for (const auto &[field, row] : fields)
        field->setAccessibleName(nameOfLabel(text(row)));

    // The day list keeps its selection.
    {
        const QSignalBlocker blocker(m_dayBox);
        const int selected = m_dayBox->currentIndex();
        m_dayBox->clear();
        for (int d = 0; d < 7; ++d)
            m_dayBox->addItem(DayName(d + 1, language));
        m_dayBox->setCurrentIndex(selected);
    }
    m_actions->setLanguage(language);
    refreshNextRun();
}

// ---------------------------------------------------------------------------------------
// The next-run line

void ProgramEditor::setDateLocale(const QLocale &locale) {
    m_dateLocale = locale;
    if (!m_built)
        return;
    m_dateEdit->setLocale(locale);
    m_dateEdit->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    m_dateEdit->updateGeometry(); // its width follows the format
    refreshNextRun();
}

// The shown program's next run after the clock's now, hidden when its timer is off.
void ProgramEditor::refreshNextRun() {
    const QDateTime now = m_clock.now();
    m_nextRunMinute = minuteOf(now);
    const QString line = m_hasProgram ? NextRunText(m_program, now, m_language, m_dateLocale) : QString();
    m_nextRunLine->setText(line);
    m_nextRunLine->setVisible(!line.isEmpty());
}

// Every second: the line is worked out anew once the clock's minute has changed.
void ProgramEditor::checkNextRunMinute() {
    if (minuteOf(m_clock.now()) != m_nextRunMinute)
        refreshNextRun();
}
