// The program editor panel of the main window: layout, ShowSelectedProgram and the field
// handlers. Every change goes straight into the selected program and redraws its tile.
#include "ChoiceGrid.h"
#include "EditorWidgets.h"
#include "LittleOneProg.h"
#include "Main.h"
#include "text/ScheduleText.h"
#include "text/text.h"
#include "ui/Comments.h"
#include "ui/HeaderString.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QToolButton>

namespace {

constexpr int PanelHeight = 254;
constexpr int CollapsedHeight = 30;

// A group of the panel: a framed area with its title on a dark strip.
QLabel *addGroup(QWidget *panel, const QRect &frame, const QString &title, bool lightContents) {
    auto *box = new QFrame(panel);
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
    label->setForegroundRole(QPalette::Light);
    label->setIndent(4);
    return label;
}

} // namespace

void TForm1::createEditorPanel() {
    EditorPanel = new QFrame(centralWidget());
    EditorPanel->setObjectName(QStringLiteral("EditorPanel"));
    EditorPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    EditorPanel->setMinimumHeight(CollapsedHeight);
    EditorPanel->setMaximumHeight(PanelHeight);
    EditorPanel->setFixedHeight(PanelHeight);
    EditorPanel->setMinimumWidth(979);
    centralWidget()->layout()->addWidget(EditorPanel);
    QWidget *panel = EditorPanel;

    // Header line.
    Image16 = new ClickLabel(panel);
    Image16->setGeometry(8, 8, 16, 16);
    Image16->setPixmap(Icons::pixmap(QStringLiteral("collapse"), 16));
    connect(Image16, &ClickLabel::clicked, this, &TForm1::Image16Click);
    Image19 = new ClickLabel(panel);
    Image19->setGeometry(24, 8, 16, 16);
    Image19->setPixmap(Icons::pixmap(QStringLiteral("expand"), 16));
    connect(Image19, &ClickLabel::clicked, this, &TForm1::Image19Click);
    StaticText1 = new ClickLabel(panel);
    StaticText1->setGeometry(50, 9, 910, 14);
    StaticText1->setFrameStyle(QFrame::Box | QFrame::Plain);
    StaticText1->setAutoFillBackground(true);
    StaticText1->setBackgroundRole(QPalette::Base);
    StaticText1->setIndent(2);
    StaticText1->setCursor(Qt::PointingHandCursor);
    connect(StaticText1, &ClickLabel::clicked, this, &TForm1::StaticText1Click);

    // Left column.
    CheckBox1 = new QCheckBox(QStringLiteral("Activate"), panel);
    CheckBox1->move(33, 34);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::activeClick);
    CheckBox2 = new QCheckBox(QStringLiteral("Prioritary"), panel);
    CheckBox2->move(33, 61);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm1::priorityClick);
    Label7 = new QLabel(QStringLiteral("Color : "), panel);
    Label7->move(240, 33);
    Shape8 = new ClickLabel(panel);
    Shape8->setGeometry(225, 54, 65, 17);
    Shape8->setCursor(Qt::PointingHandCursor);
    connect(Shape8, &ClickLabel::pressed, this, &TForm1::Shape8MouseDown);

    Label3 = addGroup(panel, QRect(9, 86, 288, 73), QStringLiteral("Comments :"), false);
    Memo1 = new QPlainTextEdit(panel);
    Memo1->setGeometry(11, 103, 284, 54);
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->viewport()->setCursor(Qt::PointingHandCursor);
    Memo1->viewport()->installEventFilter(this);

    Label5 = addGroup(panel, QRect(9, 169, 288, 80), QStringLiteral("Inputs :"), false);
    InputsBoxes = new InputsView(panel);
    Panel2 = new ClickLabel(panel);
    Panel2->setGeometry(20, 193, 49, 47);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAlignment(Qt::AlignCenter);
    QFont big = Panel2->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    Panel2->setFont(big);
    Panel2->setCursor(Qt::PointingHandCursor);
    connect(Panel2, &ClickLabel::clicked, this, &TForm1::Panel2Click);

    // Timer Mode group.
    Label1 = addGroup(panel, QRect(306, 32, 303, 217), QStringLiteral("Timer Mode"), true);
    CheckBox3 = new QCheckBox(QStringLiteral("On/Off"), panel);
    CheckBox3->move(315, 61);
    connect(CheckBox3, &QCheckBox::clicked, this, &TForm1::timerOnClick);
    Label17 = new QLabel(QStringLiteral("Clock :"), panel);
    Label17->setGeometry(440, 86, 54, 18);
    DateTimePicker1 = new QTimeEdit(panel);
    DateTimePicker1->setGeometry(496, 84, 100, 22);
    DateTimePicker1->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    connect(DateTimePicker1, &QTimeEdit::timeChanged, this, &TForm1::clockChange);
    auto *modes = new QButtonGroup(this);
    const std::array<std::pair<QString, int>, 4> radios = {
        std::pair{QStringLiteral("Date :"), 117}, std::pair{QStringLiteral("Every Day"), 149},
        std::pair{QStringLiteral("Every :"), 181}, std::pair{QStringLiteral("Start at :"), 213}};
    for (int tag = 1; tag <= 4; ++tag) {
        auto *radio = new QRadioButton(radios[tag - 1].first, panel);
        radio->move(336, radios[tag - 1].second - 3);
        modes->addButton(radio, tag);
        RadioButtons[tag - 1] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, tag] { timerModeClick(tag); });
    }
    DateTimePicker2 = new QDateEdit(panel);
    DateTimePicker2->setGeometry(496, 112, 100, 22);
    DateTimePicker2->setCalendarPopup(true);
    DateTimePicker2->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    connect(DateTimePicker2, &QDateEdit::dateChanged, this, &TForm1::dateChange);
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setGeometry(496, 175, 100, 22);
    for (int d = 0; d < 7; ++d)
        ComboBox1->addItem(LanguageText(TextTable::DayNames, d, CurrentLanguage));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::dayChange);
    auto *xx = new QLabel(QStringLiteral("XX :"), panel);
    xx->move(520, 213);
    MinuteDisplay = new QLabel(QStringLiteral("00"), panel);
    MinuteDisplay->setGeometry(548, 207, 25, 22);
    MinuteDisplay->setAlignment(Qt::AlignCenter);
    MinuteDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MinuteDisplay->setAutoFillBackground(true);
    MinuteDisplay->setBackgroundRole(QPalette::Base);
    SpinEdit1 = new QSpinBox(panel);
    SpinEdit1->setGeometry(574, 207, 18, 22); // arrows only: the display shows the minute
    SpinEdit1->setRange(0, 59);
    SpinEdit1->setSingleStep(1);
    SpinEdit1->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    SpinEdit1->findChild<QLineEdit *>()->setReadOnly(true);
    SpinEdit1->findChild<QLineEdit *>()->setMaxLength(2);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm1::minuteChange);

    // Actions group: six rows.
    Label2 = addGroup(panel, QRect(617, 32, 344, 217), QStringLiteral("Actions :"), true);
    for (int k = 1; k <= MaxActions; ++k) {
        const int y = 56 + 32 * (k - 1);
        auto *back = new QFrame(panel);
        back->setGeometry(624, y + 11, 329, 15);
        back->setAutoFillBackground(true);
        back->setBackgroundRole(QPalette::Light);
        back->setFrameStyle(QFrame::NoFrame);
        ActionRowBacks[k - 1] = back;
        auto *rowIcon = new QLabel(panel);
        rowIcon->setGeometry(623, y + 11, 17, 17);
        rowIcon->setPixmap(Icons::pixmap(QStringLiteral("action-row"), 16));
        ActionRowIcons[k - 1] = rowIcon;
        auto *kind = new QToolButton(panel);
        kind->setGeometry(645, y, 156, 22);
        kind->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        kind->setIconSize(QSize(16, 16));
        kind->setFocusPolicy(Qt::NoFocus);
        kind->setProperty("tag", k);
        connect(kind, &QToolButton::clicked, this, [this, k] { SpeedButton12Click(k); });
        KindButtons[k - 1] = kind;
        auto *value = new QToolButton(panel);
        value->setGeometry(813, y, 132, 22);
        value->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        value->setIconSize(QSize(16, 16));
        value->setFocusPolicy(Qt::NoFocus);
        value->setProperty("tag", k);
        connect(value, &QToolButton::clicked, this, [this, k] { SpeedButton18Click(k); });
        ValueButtons[k - 1] = value;
    }
    ResetActionRows();
    EditorPanel->hide();
}

void TForm1::ShowSelectedProgram() {
    if (Tiles.isEmpty() || !CurrentTile) {
        EditorPanel->hide();
        return;
    }
    EditorPanel->show();
    TORBEXProg &prog = CurrentTile->Prog;
    const QList<QObject *> fields = {CheckBox1,       CheckBox2,       CheckBox3,      DateTimePicker1,
                                     ComboBox1,       DateTimePicker2, SpinEdit1,      RadioButtons[0],
                                     RadioButtons[1], RadioButtons[2], RadioButtons[3]};
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject *o : fields)
        blockers.push_back(std::make_unique<QSignalBlocker>(o));

    Panel2->setText(QString::asprintf("%.3d", int(prog.Inputs)));
    StaticText1->setText(prog.Title);
    Shape8->setFillColor(colorOfRecord(prog.Color));
    Memo1->clear();
    Memo1->setPlainText(prog.Comments.join(QLatin1Char('\n')));
    NormalizeActions(prog);
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
    MinuteDisplay->setText(QString::asprintf("%.2d", minute));

    ResetActionRows();
    for (int k = 1; k <= MaxActions && prog.ActionCount >= k; ++k) {
        ShowActionRow(k, prog.ActionKind[k - 1], prog.ActionParam[k - 1], prog.ActionValue[k - 1]);
        if (k <= 5)
            OfferNextActionRow(k + 1, prog.ActionKind[k - 1]);
    }

    m_editorDots = 0;
    for (int k = 8; k >= 1; --k)
        if (InputBit(k, prog.Inputs))
            m_editorDots |= quint8(1u << (k - 1));
    InputsBoxes->setDots(m_editorDots);
    RefreshNextRun();
    leaveNoFocus();
}

void TForm1::activeClick() {
    if (TORBEXProg *prog = currentProgram()) {
        prog->Active = CheckBox1->isChecked() ? 1 : 0;
        CurrentTile->RefreshTile();
    }
}

void TForm1::priorityClick() {
    if (TORBEXProg *prog = currentProgram()) {
        prog->Priority = CheckBox2->isChecked() ? 1 : 0;
        CurrentTile->RefreshTile();
    }
}

void TForm1::timerOnClick() {
    if (TORBEXProg *prog = currentProgram()) {
        prog->TimerOn = CheckBox3->isChecked() ? 1 : 0;
        CurrentTile->RefreshTile();
    }
}

void TForm1::timerModeClick(int tag) {
    TORBEXProg *prog = currentProgram();
    if (!prog || tag < 1 || tag > 4)
        return;
    if (RadioButtons[tag - 1]->isChecked())
        prog->TimerMode = quint8(tag - 1);
    CurrentTile->RefreshTile();
}

void TForm1::clockChange() {
    if (TORBEXProg *prog = currentProgram()) {
        prog->Time = DateTimePicker1->time();
        CurrentTile->RefreshTile();
    }
}

void TForm1::dateChange() {
    if (TORBEXProg *prog = currentProgram()) {
        const QDate d = DateTimePicker2->date();
        prog->SetDate(d.year(), d.month(), d.day());
        CurrentTile->RefreshTile();
    }
}

void TForm1::dayChange() {
    TORBEXProg *prog = currentProgram();
    if (!prog || ComboBox1->currentIndex() < 0)
        return;
    prog->DayOftheWeek = quint8(ComboBox1->currentIndex() + 1);
    CurrentTile->RefreshTile();
}

void TForm1::minuteChange() {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    const QTime clock = DateTimePicker1->time();
    int minute = 0;
    if (SpinEdit1->value() > 0) {
        minute = SpinEdit1->value();
    } else {
        const QSignalBlocker blocker(SpinEdit1);
        SpinEdit1->setValue(0);
    }
    MinuteDisplay->setText(QString::asprintf("%.2d", minute));
    const QTime time(clock.hour(), minute, clock.second(), clock.msec());
    {
        const QSignalBlocker blocker(DateTimePicker1);
        DateTimePicker1->setTime(time);
    }
    prog->Time = time;
    CurrentTile->RefreshTile();
}

void TForm1::Memo1Click() {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    CommentsDialog->Language = CurrentLanguage;
    CommentsDialog->setLines(Memo1->toPlainText().split(QLatin1Char('\n')));
    if (runDialog(*CommentsDialog) != QDialog::Accepted)
        return;
    const QStringList lines = CommentsDialog->lines();
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    prog->Comments = lines;
    CurrentTile->RefreshTile();
    activateWindow();
    leaveNoFocus();
}

void TForm1::StaticText1Click() {
    TORBEXProg *prog = currentProgram();
    if (!prog)
        return;
    TitleDialog->Language = CurrentLanguage;
    TitleDialog->Edit1->setText(StaticText1->text());
    if (runDialog(*TitleDialog) != QDialog::Accepted)
        return;
    StaticText1->setText(TitleDialog->Edit1->text());
    prog->Title = TitleDialog->Edit1->text();
    CurrentTile->RefreshTile();
    activateWindow();
    leaveNoFocus();
}

void TForm1::Shape8MouseDown() {
    PopupMenu4->popup(QCursor::pos());
}

void TForm1::Color1Click(int k) {
    TORBEXProg *prog = currentProgram();
    if (!prog || k < 1 || k > ProgramColorCount)
        return;
    prog->Color = ProgramColors[k];
    CurrentTile->RefreshTile();
    ShowSelectedProgram();
}

void TForm1::Panel2Click() {
    for (QAction *entry : InputsEntries)
        entry->setEnabled(true);
    for (const TFrame1 *tile : Tiles)
        if (tile->Prog.Inputs >= 1)
            InputsEntries[tile->Prog.Inputs - 1]->setEnabled(false);
    PopupMenu3->popup(QCursor::pos());
}

void TForm1::SetInputsClick(int k) {
    TORBEXProg *prog = currentProgram();
    if (!prog || k < 1 || k > 255)
        return;
    prog->Inputs = quint8(k);
    CurrentTile->RefreshTile();
    ShowSelectedProgram();
}

void TForm1::Image16Click() {
    EditorPanel->setFixedHeight(CollapsedHeight);
}

void TForm1::Image19Click() {
    EditorPanel->setFixedHeight(PanelHeight);
}
