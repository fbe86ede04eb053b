#include "ProgramEditor.h"

#include "ChoiceGrid.h"
#include "EditorWidgets.h"
#include "Icons.h"
#include "ProgramTile.h"
#include "model/ActionList.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/LanguageTables.h"
#include "text/ProgramText.h"
#include "ui/CommentsDialog.h"
#include "ui/TitleDialog.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <vector>

namespace {

constexpr int PanelHeight = 254;
constexpr int CollapsedHeight = 30;
constexpr int RowsPerColumn = 32;

// The action menu's entries: the ActionTexts row of the caption and the icon.
struct MenuEntry {
    int row;
    const char *icon;
};
constexpr std::array<MenuEntry, 13> ActionMenu = {{{0, "no-action"},
                                                   {1, "timer-file"},
                                                   {2, "directory"},
                                                   {3, "sleep"},
                                                   {4, "transport"},
                                                   {5, "volume"},
                                                   {6, "internal-output"},
                                                   {7, "external-output"},
                                                   {8, "goto"},
                                                   {18, "activate"},
                                                   {19, "deactivate"},
                                                   {20, "ftp"},
                                                   {21, "email"}}};

// Transport commands by parameter: the icon of the command.
const char *transportIcon(int param) {
    static constexpr const char *icons[] = {nullptr,    "play",      "pause",    "stop",      "fwd", "rwd",
                                            "dir-plus", "dir-minus", "vol-plus", "vol-minus", "usb"};
    if (param >= 1 && param <= 10)
        return icons[param];
    if (param == 12)
        return "reset";
    return "play";
}

// The icon of an action's kind button.
QString actionIconName(quint8 kind, quint8 param) {
    if (kind == KindTransport)
        return QString::fromLatin1(transportIcon(param));
    if (kind <= KindExternalOutput)
        return QString::fromLatin1(ActionMenu[kind + 1].icon);
    if (kind >= KindGoToProgram && kind <= KindSendEmail)
        return QString::fromLatin1(ActionMenu[kind].icon);
    return QStringLiteral("no-action");
}

QString action(int row, Language language) {
    return LanguageText(TextTable::ActionTexts, row, language);
}

QString d2(int v) {
    return QString::number(v).rightJustified(2, u'0');
}

QString d3(int v) {
    return QString::number(v).rightJustified(3, u'0');
}

QDateTime minuteOf(const QDateTime &t) {
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

// A group of the panel: a framed area with its title on a dark strip.
QLabel *addGroup(QWidget *panel, const QRect &frame, const QString &title, bool lightContents,
                 QFrame **made = nullptr) {
    auto *box = new QFrame(panel);
    if (made)
        *made = box;
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(frame);
    if (lightContents) {
        box->setAutoFillBackground(true);
        box->setBackgroundRole(QPalette::Midlight);
    }
    auto *label = new QLabel(title, panel);
    label->setGeometry(frame.x() + 1, frame.y() + 1, frame.width() - 2, 15);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Dark);
    // Light text on the dark bar; in a dark palette Light is dark too, and the window's text is light.
    const QPalette &pal = panel->palette();
    const bool darkPalette = pal.color(QPalette::WindowText).lightness() > pal.color(QPalette::Window).lightness();
    label->setForegroundRole(darkPalette ? QPalette::WindowText : QPalette::Light);
    label->setIndent(4);
    return label;
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
    setMaximumHeight(PanelHeight);
    setFixedHeight(PanelHeight);
    setMinimumWidth(979);
    setObjectName(QStringLiteral("EditorPanel"));
    hide();
}

// The fields and the action rows are made when a program is first shown: until then the panel
// is hidden and costs nothing at start-up.
void ProgramEditor::ensureBuilt() {
    if (m_built)
        return;
    m_built = true;
    createFields();
    createActionRows();
    // The menus exist from the start, empty; each is filled when it first opens.
    PopupMenu1 = new QMenu(this);
    PopupMenu2 = new QMenu(this);
    PopupMenu3 = new QMenu(this);
    PopupMenu4 = new QMenu(this);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &ProgramEditor::buildActionMenu);
    connect(PopupMenu2, &QMenu::aboutToShow, this, &ProgramEditor::buildValueMenu);
    connect(PopupMenu3, &QMenu::aboutToShow, this, &ProgramEditor::buildCodeMenu);
    connect(PopupMenu4, &QMenu::aboutToShow, this, &ProgramEditor::buildColorMenu);
    nameWidgets();
    ResetActionRows();
    relabel();
}

void ProgramEditor::showEvent(QShowEvent *event) {
    ensureBuilt();
    QFrame::showEvent(event);
}

// The title line runs across the panel, however wide the window has grown.
void ProgramEditor::resizeEvent(QResizeEvent *event) {
    QFrame::resizeEvent(event);
    if (m_built)
        StaticText1->resize(width() - 69, StaticText1->height());
}

ProgramEditor::~ProgramEditor() = default;

const QIcon &ProgramEditor::icon(const QString &name) {
    auto it = m_icons.find(name);
    if (it == m_icons.end())
        it = m_icons.insert(name, Icons::icon(name));
    return *it;
}

void ProgramEditor::createFields() {
    // Header line.
    Image16 = new ClickLabel(this);
    Image16->setGeometry(8, 8, 16, 16);
    Image16->setPixmap(Icons::pixmap(QStringLiteral("collapse"), 16));
    connect(Image16, &ClickLabel::clicked, this, &ProgramEditor::collapsePanel);
    Image19 = new ClickLabel(this);
    Image19->setGeometry(24, 8, 16, 16);
    Image19->setPixmap(Icons::pixmap(QStringLiteral("expand"), 16));
    connect(Image19, &ClickLabel::clicked, this, &ProgramEditor::expandPanel);
    StaticText1 = new ClickLabel(this);
    StaticText1->setGeometry(50, 9, 910, 14);
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setBackgroundRole(QPalette::Base);
    StaticText1->setIndent(2);
    StaticText1->setCursor(Qt::PointingHandCursor);
    connect(StaticText1, &ClickLabel::clicked, this, &ProgramEditor::editTitle);

    // Left column.
    CheckBox1 = new QCheckBox(QStringLiteral("Activate"), this);
    CheckBox1->move(33, 34);
    connect(CheckBox1, &QCheckBox::clicked, this, &ProgramEditor::activeClick);
    CheckBox2 = new QCheckBox(QStringLiteral("Prioritary"), this);
    CheckBox2->move(33, 61);
    connect(CheckBox2, &QCheckBox::clicked, this, &ProgramEditor::priorityClick);
    Label7 = new QLabel(QStringLiteral("Color : "), this);
    Label7->move(240, 33);
    Shape8 = new ClickLabel(this);
    Shape8->setGeometry(225, 54, 65, 17);
    Shape8->setCursor(Qt::PointingHandCursor);
    connect(Shape8, &ClickLabel::pressed, this, &ProgramEditor::Shape8MouseDown);

    Label3 = addGroup(this, QRect(9, 86, 288, 73), QStringLiteral("Comments :"), false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(11, 103, 284, 54);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->viewport()->setCursor(Qt::PointingHandCursor);
    Memo1->viewport()->installEventFilter(this);

    Label5 = addGroup(this, QRect(9, 169, 288, 80), QStringLiteral("Inputs :"), false);
    CodeBoxes = new CodeView(this);
    Panel2 = new ClickLabel(this);
    Panel2->setGeometry(20, 193, 49, 47);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAlignment(Qt::AlignCenter);
    QFont big = Panel2->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    Panel2->setFont(big);
    Panel2->setCursor(Qt::PointingHandCursor);
    connect(Panel2, &ClickLabel::clicked, this, &ProgramEditor::chooseCode);

    // Timer Mode group.
    Label1 = addGroup(this, QRect(306, 32, 303, 217), QStringLiteral("Timer Mode"), true, &TimerBox);
    CheckBox3 = new QCheckBox(QStringLiteral("On/Off"), this);
    CheckBox3->move(315, 61);
    connect(CheckBox3, &QCheckBox::clicked, this, &ProgramEditor::timerOnClick);
    Label17 = new QLabel(QStringLiteral("Clock :"), this);
    Label17->setGeometry(440, 86, 54, 18);
    DateTimePicker1 = new QTimeEdit(this);
    DateTimePicker1->setGeometry(496, 84, 100, 22);
    DateTimePicker1->setDisplayFormat(QStringLiteral("HH:mm")); // what the project file keeps
    connect(DateTimePicker1, &QTimeEdit::timeChanged, this, &ProgramEditor::clockChange);
    auto *modes = new QButtonGroup(this);
    const std::array<std::pair<QString, int>, 4> radios = {
        std::pair{QStringLiteral("Date :"), 117}, std::pair{QStringLiteral("Every Day"), 149},
        std::pair{QStringLiteral("Every :"), 181}, std::pair{QStringLiteral("Start at :"), 213}};
    for (int tag = 1; tag <= 4; ++tag) {
        auto *radio = new QRadioButton(radios[tag - 1].first, this);
        radio->move(336, radios[tag - 1].second - 3);
        modes->addButton(radio, tag);
        RadioButtons[tag - 1] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, tag] { timerModeClick(tag); });
    }
    DateTimePicker2 = new QDateEdit(this);
    DateTimePicker2->setGeometry(496, 112, 100, 22);
    DateTimePicker2->setCalendarPopup(true);
    DateTimePicker2->setLocale(m_dateLocale);
    DateTimePicker2->setDisplayFormat(m_dateLocale.dateFormat(QLocale::ShortFormat));
    connect(DateTimePicker2, &QDateEdit::dateChanged, this, &ProgramEditor::dateChange);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(496, 175, 100, 22);
    for (int d = 0; d < 7; ++d)
        ComboBox1->addItem(LanguageText(TextTable::DayNames, d, m_language));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &ProgramEditor::dayChange);
    LabelXX = new QLabel(QStringLiteral("XX :"), this);
    LabelXX->move(520, 213);
    MinuteDisplay = new QLabel(QStringLiteral("00"), this);
    MinuteDisplay->setGeometry(548, 207, 25, 22);
    MinuteDisplay->setAlignment(Qt::AlignCenter);
    MinuteDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MinuteDisplay->setAutoFillBackground(true);
    MinuteDisplay->setBackgroundRole(QPalette::Base);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setGeometry(574, 207, 18, 22); // arrows only: the display shows the minute
    SpinEdit1->setRange(0, 59);
    SpinEdit1->setSingleStep(1);
    SpinEdit1->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    SpinEdit1->findChild<QLineEdit *>()->setReadOnly(true);
    SpinEdit1->findChild<QLineEdit *>()->setMaxLength(2);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &ProgramEditor::minuteChange);
    // A field takes the wheel only once the user has entered it; until then a wheel step over
    // it moves through the list (eventFilter).
    for (QWidget *field : std::initializer_list<QWidget *>{DateTimePicker1, DateTimePicker2, ComboBox1, SpinEdit1}) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(this);
    }

    // The next run of the program, under the last timer mode, across the timer area.
    NextRunLine = new QLabel(this);
    NextRunLine->setGeometry(315, 231, 288, 16);
    NextRunLine->hide();
    NextRunTimer = new QTimer(this);
    NextRunTimer->setInterval(1000);
    connect(NextRunTimer, &QTimer::timeout, this, &ProgramEditor::NextRunTick);
    NextRunTimer->start();
}

void ProgramEditor::createActionRows() {
    Label2 = addGroup(this, QRect(617, 32, 344, 217), QStringLiteral("Actions :"), true, &ActionsBox);
    const QPixmap rowIcon = Icons::pixmap(QStringLiteral("action-row"), 16);
    for (int k = 1; k <= MaxActions; ++k) {
        const int y = 56 + 32 * (k - 1);
        auto *back = new QFrame(this);
        back->setGeometry(624, y + 11, 329, 15);
        back->setAutoFillBackground(true);
        back->setBackgroundRole(QPalette::Light);
        back->setFrameStyle(QFrame::NoFrame);
        QPalette pal = back->palette(); // a row not offered is greyed: the list ends above it
        pal.setColor(QPalette::Disabled, QPalette::Light, pal.color(QPalette::Mid));
        back->setPalette(pal);
        ActionRowBacks[k - 1] = back;
        auto *rowImage = new QLabel(this);
        rowImage->setGeometry(623, y + 11, 17, 17);
        rowImage->setPixmap(rowIcon);
        RowImages[k - 1] = rowImage;
        auto *kind = new QToolButton(this);
        kind->setGeometry(645, y, 156, 22);
        kind->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        kind->setIconSize(QSize(16, 16));
        kind->setFocusPolicy(Qt::NoFocus);
        kind->setProperty("tag", k);
        connect(kind, &QToolButton::clicked, this, [this, k] { openActionMenu(k); });
        KindButtons[k - 1] = kind;
        auto *value = new QToolButton(this);
        value->setGeometry(813, y, 132, 22);
        value->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        value->setIconSize(QSize(16, 16));
        value->setFocusPolicy(Qt::NoFocus);
        value->setProperty("tag", k);
        value->setIcon(icon(QStringLiteral("value")));
        connect(value, &QToolButton::clicked, this, [this, k] { openValueMenu(k); });
        ValueButtons[k - 1] = value;
    }
}

// Every control a user reaches carries the name the program's handlers use.
void ProgramEditor::nameWidgets() {
    const std::pair<QObject *, const char *> named[] = {
        {Image16, "Image16"},
        {Image19, "Image19"},
        {StaticText1, "StaticText1"},
        {Shape8, "Shape8"},
        {Panel2, "Panel2"},
        {CheckBox1, "CheckBox1"},
        {CheckBox2, "CheckBox2"},
        {CheckBox3, "CheckBox3"},
        {Label1, "Label1"},
        {Label2, "Label2"},
        {Label3, "Label3"},
        {Label5, "Label5"},
        {Label7, "Label7"},
        {Label17, "Label17"},
        {MinuteDisplay, "MinuteDisplay"},
        {Memo1, "Memo1"},
        {CodeBoxes, "CodeBoxes"},
        {DateTimePicker1, "DateTimePicker1"},
        {DateTimePicker2, "DateTimePicker2"},
        {ComboBox1, "ComboBox1"},
        {SpinEdit1, "SpinEdit1"},
        {NextRunLine, "NextRunLine"},
        {NextRunTimer, "NextRunTimer"},
        {PopupMenu1, "PopupMenu1"},
        {PopupMenu2, "PopupMenu2"},
        {PopupMenu3, "PopupMenu3"},
        {PopupMenu4, "PopupMenu4"},
    };
    for (const auto &[object, name] : named)
        object->setObjectName(QLatin1String(name));
    for (int k = 0; k < MaxActions; ++k) {
        KindButtons[k]->setObjectName(QStringLiteral("ActionKindButton%1").arg(k + 1));
        ValueButtons[k]->setObjectName(QStringLiteral("ActionValueButton%1").arg(k + 1));
        ActionRowBacks[k]->setObjectName(QStringLiteral("RowBack%1").arg(1 + k));
    }
    for (int k = 0; k < int(RadioButtons.size()); ++k)
        RadioButtons[k]->setObjectName(QStringLiteral("RadioButton%1").arg(k + 1));
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
        RefreshNextRun();
}

void ProgramEditor::fill() {
    const Program &prog = m_program;
    const QList<QObject *> fields = {CheckBox1,       CheckBox2,       CheckBox3,      DateTimePicker1,
                                     ComboBox1,       DateTimePicker2, SpinEdit1,      RadioButtons[0],
                                     RadioButtons[1], RadioButtons[2], RadioButtons[3]};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject *o : fields)
        blockers.push_back(std::make_unique<QSignalBlocker>(o));

    Panel2->setText(d3(prog.Code));
    StaticText1->setText(prog.Title);
    Shape8->setFillColor(colorOfRecord(prog.Color));
    Memo1->clear();
    Memo1->setPlainText(prog.Comments.join(QLatin1Char('\n')));
    CheckBox2->setChecked(prog.Priority != 0);
    CheckBox3->setChecked(prog.TimerOn != 0);
    CheckBox1->setChecked(prog.Active != 0);
    const int radio = prog.TimerMode <= 3 ? prog.TimerMode : 0;
    RadioButtons[radio]->setChecked(true);
    DateTimePicker1->setTime(prog.Time);
    DateTimePicker2->setDate(prog.Date);
    ComboBox1->setCurrentIndex(prog.DayOftheWeek >= 1 && prog.DayOftheWeek <= 7 ? prog.DayOftheWeek - 1 : -1);
    const int minute = DateTimePicker1->time().minute();
    SpinEdit1->setValue(minute);
    MinuteDisplay->setText(d2(minute));

    ResetActionRows();
    for (int k = 1; k <= MaxActions && prog.ActionCount >= k; ++k) {
        ShowActionRow(k, prog.ActionKind[k - 1], prog.ActionParam[k - 1], prog.ActionValue[k - 1]);
        if (k <= 5)
            OfferNextActionRow(k + 1, prog.ActionKind[k - 1]);
    }

    quint8 dots = 0;
    for (int k = 8; k >= 1; --k)
        if (InputBit(k, prog.Code))
            dots |= quint8(1u << (k - 1));
    CodeBoxes->setDots(dots);
    RefreshNextRun();
    leaveNoFocus();
}

// A field changed the program: the window learns it, the next-run line follows.
void ProgramEditor::edited() {
    emit programEdited(m_program);
    RefreshNextRun();
}

// A menu changed the program: its slots are kept consistent and the panel shows it anew.
void ProgramEditor::editedByMenu() {
    NormalizeActions(m_program);
    emit programEdited(m_program);
    fill();
}

// ---------------------------------------------------------------------------------------
// The fields

void ProgramEditor::activeClick() {
    if (!m_hasProgram)
        return;
    m_program.Active = CheckBox1->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::priorityClick() {
    if (!m_hasProgram)
        return;
    m_program.Priority = CheckBox2->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::timerOnClick() {
    if (!m_hasProgram)
        return;
    m_program.TimerOn = CheckBox3->isChecked() ? 1 : 0;
    edited();
}

void ProgramEditor::timerModeClick(int tag) {
    if (!m_hasProgram || tag < 1 || tag > 4)
        return;
    if (RadioButtons[tag - 1]->isChecked())
        m_program.TimerMode = quint8(tag - 1);
    edited();
}

void ProgramEditor::clockChange() {
    if (!m_hasProgram)
        return;
    const QTime clock = DateTimePicker1->time();
    m_program.Time = QTime(clock.hour(), clock.minute());
    edited();
}

void ProgramEditor::dateChange() {
    if (!m_hasProgram)
        return;
    const QDate d = DateTimePicker2->date();
    m_program.SetDate(d.year(), d.month(), d.day());
    edited();
}

void ProgramEditor::dayChange() {
    if (!m_hasProgram || ComboBox1->currentIndex() < 0)
        return;
    m_program.DayOftheWeek = quint8(ComboBox1->currentIndex() + 1);
    edited();
}

void ProgramEditor::minuteChange() {
    if (!m_hasProgram)
        return;
    const QTime clock = DateTimePicker1->time();
    int minute = 0;
    if (SpinEdit1->value() > 0) {
        minute = SpinEdit1->value();
    } else {
        const QSignalBlocker blocker(SpinEdit1);
        SpinEdit1->setValue(0);
    }
    MinuteDisplay->setText(d2(minute));
    const QTime time(clock.hour(), minute, clock.second(), clock.msec());
    {
        const QSignalBlocker blocker(DateTimePicker1);
        DateTimePicker1->setTime(time);
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
    m_commentsDialog->setLines(Memo1->toPlainText().split(QLatin1Char('\n')));
    if (m_runDialog(*m_commentsDialog) != QDialog::Accepted)
        return;
    const QStringList lines = m_commentsDialog->lines();
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
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
    m_titleDialog->setTitle(StaticText1->text());
    if (m_runDialog(*m_titleDialog) != QDialog::Accepted)
        return;
    StaticText1->setText(m_titleDialog->title());
    m_program.Title = m_titleDialog->title();
    edited();
    window()->activateWindow();
    leaveNoFocus();
}

void ProgramEditor::Shape8MouseDown() {
    buildColorMenu();
    PopupMenu4->popup(QCursor::pos());
}

void ProgramEditor::setColour(int k) {
    if (!m_hasProgram || k < 1 || k > ProgramColorCount)
        return;
    m_program.Color = ProgramColors[k];
    editedByMenu();
}

void ProgramEditor::chooseCode() {
    buildCodeMenu();
    for (QAction *entry : std::as_const(CodeEntries))
        entry->setEnabled(true);
    for (const quint8 code : m_codesInUse())
        if (code >= 1)
            CodeEntries[code - 1]->setEnabled(false);
    PopupMenu3->popup(QCursor::pos());
}

void ProgramEditor::setCode(int k) {
    if (!m_hasProgram || k < 1 || k > 255)
        return;
    m_program.Code = quint8(k);
    editedByMenu();
}

void ProgramEditor::collapsePanel() {
    setFixedHeight(CollapsedHeight);
}

void ProgramEditor::expandPanel() {
    setFixedHeight(PanelHeight);
}

bool ProgramEditor::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Wheel && watched != Memo1->viewport()) {
        const auto *field = static_cast<QWidget *>(watched);
        const QWidget *focused = QApplication::focusWidget();
        if (focused && (focused == field || field->isAncestorOf(focused)))
            return false;
        QCoreApplication::sendEvent(window(), event); // the list's wheel step
        return true;
    }
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            editComments();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// The next-run line

void ProgramEditor::setDateLocale(const QLocale &locale) {
    m_dateLocale = locale;
    if (!m_built)
        return;
    DateTimePicker2->setLocale(locale);
    DateTimePicker2->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    fitTexts();
    RefreshNextRun();
}

// The shown program's next run after the clock's now, hidden when its timer is off.
void ProgramEditor::RefreshNextRun() {
    const QDateTime now = m_clock.now();
    m_nextRunMinute = minuteOf(now);
    const QString line = m_hasProgram ? NextRunText(m_program, now, m_language, m_dateLocale) : QString();
    NextRunLine->setText(line);
    NextRunLine->setVisible(!line.isEmpty());
}

// Every second: the line is worked out anew once the clock's minute has changed.
void ProgramEditor::NextRunTick() {
    if (minuteOf(m_clock.now()) != m_nextRunMinute)
        RefreshNextRun();
}

// ---------------------------------------------------------------------------------------
// The action rows

void ProgramEditor::ResetActionRows() {
    KindButtons[0]->setText(action(11, m_language));
    KindButtons[0]->setIcon(icon(QStringLiteral("directory")));
    for (int k = 2; k <= MaxActions; ++k) {
        KindButtons[k - 1]->setText(action(0, m_language));
        KindButtons[k - 1]->setIcon(icon(QStringLiteral("no-action")));
    }
    for (QToolButton *value : ValueButtons) {
        value->setText(QStringLiteral("..."));
        value->hide();
    }
    KindButtons[0]->show();
    for (int k = 2; k <= MaxActions; ++k) {
        KindButtons[k - 1]->hide();
        ActionRowBacks[k - 1]->setEnabled(false);
    }
}

void ProgramEditor::ShowActionRow(int k, quint8 kind, quint8 param, quint8 value) {
    if (k < 1 || k > MaxActions)
        return;
    QToolButton *button = KindButtons[k - 1];
    button->show();
    ActionRowBacks[k - 1]->setEnabled(true);
    button->setText(actionCaption(kind, param, m_language));
    button->setIcon(icon(actionIconName(kind, param)));
    if (kind == KindExternalOutput) {
        QToolButton *valueButton = ValueButtons[k - 1];
        valueButton->show();
        valueButton->setText(valueCaption(value, m_language));
        valueButton->setIcon(icon(QStringLiteral("value")));
    }
}

void ProgramEditor::OfferNextActionRow(int k, quint8 previousKind) {
    if (k < 1 || k > MaxActions || isEndingKind(previousKind))
        return;
    QToolButton *button = KindButtons[k - 1];
    button->show();
    button->setText(action(0, m_language));
    button->setIcon(icon(QStringLiteral("no-action")));
    ActionRowBacks[k - 1]->setEnabled(true);
}

// The captions of row k only; for every kind but an external output the value button keeps its.
void ProgramEditor::ActionCaption(int k, quint8 value, quint8 param, quint8 kind) {
    KindButtons[k - 1]->setText(actionCaption(kind, param, m_language));
    if (kind == KindExternalOutput)
        ValueButtons[k - 1]->setText(valueCaption(value, m_language));
}

void ProgramEditor::openActionMenu(int row) {
    if (row < 1 || row > MaxActions)
        return;
    buildActionMenu();
    m_selectedRow = row;
    ActionMenuEntries[0]->setEnabled(row != 1);
    PopupMenu1->popup(QCursor::pos());
}

void ProgramEditor::openValueMenu(int row) {
    if (row < 1 || row > MaxActions)
        return;
    buildValueMenu();
    m_selectedRow = row;
    PopupMenu2->popup(QCursor::pos());
}

void ProgramEditor::clearAction() {
    if (!m_hasProgram)
        return;
    const int r = m_selectedRow;
    m_program.ActionKind[r - 1] = KindPlayDirectory;
    m_program.ActionParam[r - 1] = 0;
    if (r >= 2)
        m_program.ActionCount = quint8(r - 1);
    editedByMenu();
}

void ProgramEditor::SetContinuingAction(quint8 kind, int tag) {
    if (!m_hasProgram)
        return;
    const int r = m_selectedRow;
    m_program.ActionKind[r - 1] = kind;
    m_program.ActionParam[r - 1] = quint8(tag);
    m_program.ActionCount = CountActions(m_program);
    editedByMenu();
}

void ProgramEditor::SetEndingAction(quint8 kind, int tag) {
    if (!m_hasProgram)
        return;
    const int r = m_selectedRow;
    m_program.ActionKind[r - 1] = kind;
    m_program.ActionParam[r - 1] = quint8(tag);
    m_program.ActionCount = quint8(r);
    editedByMenu();
}

void ProgramEditor::SetSleepAction() {
    SetEndingAction(KindSleep, 0);
}

void ProgramEditor::SetActionValue(int tag) {
    if (!m_hasProgram)
        return;
    m_program.ActionValue[m_selectedRow - 1] = quint8(tag);
    editedByMenu();
}

// ---------------------------------------------------------------------------------------
// The pop-up menus

QAction *ProgramEditor::entry(const QString &caption, int tag, const QIcon &entryIcon, std::function<void()> handler) {
    auto *a = new QAction(entryIcon, caption, this);
    a->setData(tag);
    connect(a, &QAction::triggered, this, std::move(handler));
    return a;
}

void ProgramEditor::buildActionMenu() {
    if (!PopupMenu1->isEmpty())
        return;
    const Language lang = m_language;
    // One sub-list of the action menu: `count` entries from `first`, captioned by `caption`.
    const auto subList = [this](int menuIndex, int first, int count, auto caption, auto handler) {
        const QIcon &subIcon = icon(QString::fromLatin1(ActionMenu[menuIndex].icon));
        QList<QAction *> list;
        list.reserve(count);
        for (int j = first; j < first + count; ++j)
            list.append(entry(caption(j), j, subIcon, [handler, j] { handler(j); }));
        return list;
    };
    const auto continuing = [this](quint8 kind) { return [this, kind](int tag) { SetContinuingAction(kind, tag); }; };
    const auto ending = [this](quint8 kind) { return [this, kind](int tag) { SetEndingAction(kind, tag); }; };

    ActionSubEntries[1] = subList(
        1, 1, 255, [](int j) { return QStringLiteral("T") + d3(j); }, continuing(KindPlayTimerFile));
    ActionSubEntries[2] = subList(
        2, 0, 256, [](int j) { return j == 0 ? TransportCommandNames(0) : QStringLiteral("F") + d3(j); },
        ending(KindPlayDirectory));
    for (int p : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}) {
        const int row = p == 12 ? 13 : p;
        ActionSubEntries[4].append(entry(TransportCommandNames(row), p, icon(QString::fromLatin1(transportIcon(p))),
                                         [this, p] { SetContinuingAction(KindTransport, p); }));
    }
    ActionSubEntries[5] = subList(
        5, 0, 72, [](int i) { return QStringLiteral("-") + d2(i) + QStringLiteral(" dB"); }, continuing(KindVolume));
    ActionSubEntries[6] = subList(
        6, 0, 16, [lang](int i) { return action(9, lang) + d2(i); }, continuing(KindInternalOutput));
    ActionSubEntries[7] = subList(
        7, 1, 255, [lang](int j) { return action(9, lang) + d3(j); }, continuing(KindExternalOutput));
    ActionSubEntries[8] = subList(8, 1, 255, d3, ending(KindGoToProgram));
    ActionSubEntries[9] = subList(9, 1, 255, d3, continuing(KindActivateProgram));
    ActionSubEntries[10] = subList(10, 1, 255, d3, continuing(KindDeactivateProgram));
    ActionSubEntries[11] = subList(
        11, 1, 8, [](int j) { return TransportCommandNames(11) + QString::number(j); }, ending(KindFtpClient));
    ActionSubEntries[12] = subList(
        12, 1, 255, [](int j) { return TransportCommandNames(12) + d3(j); }, continuing(KindSendEmail));

    for (int i = 0; i < int(ActionMenu.size()); ++i) {
        const QString caption = action(ActionMenu[i].row, lang);
        const QIcon &entryIcon = icon(QString::fromLatin1(ActionMenu[i].icon));
        const QList<QAction *> &subs = ActionSubEntries[i];
        if (subs.isEmpty()) {
            QAction *a = PopupMenu1->addAction(entryIcon, caption);
            if (i == 0)
                connect(a, &QAction::triggered, this, &ProgramEditor::clearAction);
            else
                connect(a, &QAction::triggered, this, &ProgramEditor::SetSleepAction);
            ActionMenuEntries[i] = a;
            continue;
        }
        QMenu *sub = nullptr;
        if (subs.size() > RowsPerColumn) {
            sub = makeGridMenu(subs, RowsPerColumn, PopupMenu1);
        } else {
            sub = new QMenu(PopupMenu1);
            sub->addActions(subs);
        }
        sub->setTitle(caption);
        sub->setIcon(entryIcon);
        ActionMenuEntries[i] = PopupMenu1->addMenu(sub);
    }
    applyPlayerOptions();
}

// The action menu's captions in the current language: entries 0..8 are ActionTexts rows
// 0..8, entries 9..12 rows 18..21; the outputs' entries carry the word too.
void ProgramEditor::relabelActionMenu() {
    const auto text = [this](TextTable table, int row) { return LanguageText(table, row, m_language); };
    for (int i = 0; i < int(ActionMenuEntries.size()); ++i)
        ActionMenuEntries[i]->setText(text(TextTable::ActionTexts, i <= 8 ? i : i + 9));
    ActionSubEntries[2].first()->setText(TransportCommandNames(0));
    for (int i = 0; i < int(ActionSubEntries[4].size()); ++i)
        ActionSubEntries[4][i]->setText(TransportCommandNames(i < 10 ? i + 1 : 13));
    const QString output = LanguageText(ActionRow::OutputPrefix, m_language);
    for (int i = 0; i < int(ActionSubEntries[6].size()); ++i)
        ActionSubEntries[6][i]->setText(output + d2(i));
    for (int i = 0; i < int(ActionSubEntries[7].size()); ++i)
        ActionSubEntries[7][i]->setText(output + d3(i + 1));
    if (ChoiceGrid *grid = gridOf(ActionMenuEntries[7]->menu()))
        grid->relayout(); // the captions' width changed with the words
}

void ProgramEditor::buildValueMenu() {
    if (!PopupMenu2->isEmpty())
        return;
    const QIcon &valueIcon = icon(QStringLiteral("value"));
    QList<QAction *> entries;
    entries.reserve(256);
    for (int i = 0; i <= 255; ++i)
        entries.append(entry(d3(i), i, valueIcon, [this, i] { SetActionValue(i); }));
    fillGridMenu(PopupMenu2, entries, RowsPerColumn);
}

void ProgramEditor::buildCodeMenu() {
    if (!PopupMenu3->isEmpty())
        return;
    // Codes with a single input have their own icon.
    const QIcon &numberIcon = icon(QStringLiteral("program-number"));
    const QIcon &singleIcon = icon(QStringLiteral("single-input"));
    CodeEntries.reserve(255);
    for (int j = 1; j <= 255; ++j) {
        const bool single = (j & (j - 1)) == 0;
        CodeEntries.append(entry(d3(j), j, single ? singleIcon : numberIcon, [this, j] { setCode(j); }));
    }
    fillGridMenu(PopupMenu3, CodeEntries, RowsPerColumn);
}

void ProgramEditor::buildColorMenu() {
    if (!PopupMenu4->isEmpty())
        return;
    QList<QAction *> entries;
    for (int k = 1; k <= ProgramColorCount; ++k)
        entries.append(
            entry(d2(k), k, Icons::colorSwatch(colorOfRecord(ProgramColors[k])), [this, k] { setColour(k); }));
    fillGridMenu(PopupMenu4, entries, 13); // a new column at entry 14
}

void ProgramEditor::setPlayerOptions(bool ioCard, bool ethernet) {
    m_ioCard = ioCard;
    m_ethernet = ethernet;
    applyPlayerOptions();
}

void ProgramEditor::applyPlayerOptions() {
    if (!ActionMenuEntries[0])
        return; // the menu is not filled yet: it takes the options when it is
    ActionMenuEntries[6]->setVisible(m_ioCard);
    ActionMenuEntries[7]->setVisible(m_ioCard);
    ActionMenuEntries[11]->setVisible(m_ethernet);
    ActionMenuEntries[12]->setVisible(m_ethernet);
}

// ---------------------------------------------------------------------------------------
// Language

void ProgramEditor::setLanguage(Language language) {
    m_language = language;
    if (m_built)
        relabel();
}

void ProgramEditor::relabel() {
    const Language language = m_language;
    const auto text = [language](TextTable table, int row) { return LanguageText(table, row, language); };
    CheckBox1->setText(LanguageText(EditorRow::Activate, language));
    CheckBox2->setText(LanguageText(EditorRow::Priority, language));
    CheckBox3->setText(LanguageText(EditorRow::TimerOn, language));
    Label7->setText(LanguageText(EditorRow::Color, language));
    Label1->setText(LanguageText(EditorRow::TimerMode, language));
    Label2->setText(LanguageText(EditorRow::Actions, language));
    Label3->setText(LanguageText(EditorRow::Comments, language));
    Label5->setText(LanguageText(EditorRow::Code, language));
    Label17->setText(LanguageText(EditorRow::Clock, language));
    const std::array<int, 4> modeRows = {7, 8, 9, 11};
    for (int tag = 1; tag <= 4; ++tag)
        RadioButtons[tag - 1]->setText(text(TextTable::EditorTexts, modeRows[tag - 1]));
    for (QWidget *sized :
         {static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(CheckBox2), static_cast<QWidget *>(CheckBox3),
          static_cast<QWidget *>(Label7), static_cast<QWidget *>(Label17)})
        sized->adjustSize();
    for (QRadioButton *radio : RadioButtons)
        radio->adjustSize();

    if (ActionMenuEntries[0])
        relabelActionMenu(); // a menu not filled yet is filled in the language of its day

    // The day list keeps its selection.
    {
        const QSignalBlocker blocker(ComboBox1);
        const int selected = ComboBox1->currentIndex();
        ComboBox1->clear();
        for (int d = 0; d < 7; ++d)
            ComboBox1->addItem(text(TextTable::DayNames, d));
        ComboBox1->setCurrentIndex(selected);
    }

    // The rows that show one of the program's actions; the row offered after a continuing
    // action reads "No Action..." as showing the program wrote it.
    if (m_hasProgram) {
        const Program &prog = m_program;
        const int count = qBound(0, int(prog.ActionCount), int(MaxActions));
        for (int k = 1; k <= count; ++k)
            ActionCaption(k, prog.ActionValue[k - 1], prog.ActionParam[k - 1], prog.ActionKind[k - 1]);
        if (count >= 1 && count < MaxActions && !isEndingKind(prog.ActionKind[count - 1]))
            KindButtons[count]->setText(LanguageText(ActionRow::NoAction, language));
    }
    fitTexts();
    RefreshNextRun();
}

// The widest of `captions` on `probe`, which keeps its own caption.
static int widestOn(QToolButton *probe, const QStringList &captions) {
    const QString own = probe->text();
    int widest = 0;
    for (const QString &caption : captions) {
        probe->setText(caption);
        widest = qMax(widest, probe->sizeHint().width());
    }
    probe->setText(own);
    return widest;
}

// The layout is the panel's at the default font. Where a text of the language needs more room,
// the timer fields and the action buttons widen, what follows them moves right and the panel
// widens; labels before a field end where the field begins.
void ProgramEditor::fitTexts() {
    int fieldX = 496;
    for (QRadioButton *radio : RadioButtons)
        fieldX = qMax(fieldX, radio->x() + radio->sizeHint().width() + 8);
    fieldX = qMax(fieldX, 315 + Label17->sizeHint().width() + 6);
    int fieldWidth = 100;
    for (QWidget *field : std::initializer_list<QWidget *>{DateTimePicker1, DateTimePicker2, ComboBox1})
        fieldWidth = qMax(fieldWidth, field->sizeHint().width());
    DateTimePicker1->setGeometry(fieldX, 84, fieldWidth, 22);
    DateTimePicker2->setGeometry(fieldX, 112, fieldWidth, 22);
    ComboBox1->setGeometry(fieldX, 175, fieldWidth, 22);
    Label17->setGeometry(fieldX - 2 - Label17->sizeHint().width(), 86, Label17->sizeHint().width(), 18);
    LabelXX->move(fieldX + 24, 213);
    MinuteDisplay->move(fieldX + 52, 207);
    SpinEdit1->move(fieldX + 78, 207);
    const int timerRight = qMax(609, fieldX + fieldWidth + 13);
    TimerBox->setGeometry(306, 32, timerRight - 306, 217);
    Label1->setGeometry(307, 33, timerRight - 308, 15);
    NextRunLine->setGeometry(315, 231, timerRight - 321, 16);

    QStringList kinds, values;
    for (quint8 kind = 0; kind <= KindSendEmail + 1; ++kind) // every command name, else the widest numbers
        for (int param = 0; param <= (kind == KindTransport ? 12 : 1); ++param)
            kinds << actionCaption(kind, quint8(param == 1 && kind != KindTransport ? 255 : param), m_language);
    for (int value : {0, 188, 255})
        values << valueCaption(quint8(value), m_language);
    const int kindWidth = qMax(156, widestOn(KindButtons[0], kinds));
    const int valueWidth = qMax(132, widestOn(ValueButtons[0], values));
    const int x = timerRight + 8; // the Actions group
    for (int k = 0; k < MaxActions; ++k) {
        const int y = 56 + 32 * k;
        KindButtons[k]->setGeometry(x + 28, y, kindWidth, 22);
        ValueButtons[k]->setGeometry(x + 40 + kindWidth, y, valueWidth, 22);
        ActionRowBacks[k]->setGeometry(x + 7, y + 11, kindWidth + valueWidth + 41, 15);
        RowImages[k]->move(x + 6, y + 11);
    }
    const int right = x + kindWidth + valueWidth + 56;
    ActionsBox->setGeometry(x, 32, right - x, 217);
    Label2->setGeometry(x + 1, 33, right - x - 2, 15);
    setMinimumWidth(right + 18);
    StaticText1->setGeometry(50, 9, qMax(width(), right + 18) - 69, 14);
}
