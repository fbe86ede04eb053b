#pragma once

#include "model/Language.h"
#include "model/Program.h"

#include <QDateTime>
#include <QFrame>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QLocale>

#include <array>
#include <functional>

class Clock;
class ClickLabel;
class CodeView;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialog;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTimeEdit;
class QTimer;
class QToolButton;
class CommentsDialog;
class TitleDialog;

// The editor panel at the bottom of the main window: every field of one program, the six
// action rows, and the pop-up menus from which it picks inputs, colours, actions and values.
// It edits its own copy of the program and tells each change (programEdited); the window
// keeps the list up to date. The pop-up menus are filled when first opened.
class ProgramEditor : public QFrame {
    Q_OBJECT

public:
    // Modal dialogs (comments, title) run through this.
    using DialogRunner = std::function<int(QDialog &)>;
    // The codes 1..255 the programs of the list use; the inputs menu offers the others.
    using CodesInUse = std::function<QList<quint8>()>;

    // `clock` gives the next-run line's "now"; `language` the texts of the menus when they
    // are first filled, until setLanguage.
    ProgramEditor(const Clock &clock, DialogRunner runDialog, CodesInUse codesInUse, Language language,
                  QWidget *parent = nullptr);
    ~ProgramEditor() override;

    // Fills the panel from `program` and shows it; the window keeps no focused control.
    void showProgram(const Program &program);
    // Hides the panel: no program is selected.
    void showNone();
    bool hasProgram() const { return m_hasProgram; }

    // Relabels the panel, the menus and the shown program's action captions.
    void setLanguage(Language language);
    // The action menu offers the outputs with the I/O card, FTP and e-mail with Ethernet.
    void setPlayerOptions(bool ioCard, bool ethernet);
    // The locale of the date field and of the next-run line.
    void setDateLocale(const QLocale &locale);

signals:
    // The user changed the shown program; `program` is the program as it now is.
    void programEdited(const Program &program);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureBuilt();
    void relabel();
    void fitTexts();
    void createFields();
    void createActionRows();
    void nameWidgets();
    const QIcon &icon(const QString &name);
    void leaveNoFocus();
    void fill();
    void edited();
    void editedByMenu();
    void RefreshNextRun();
    void NextRunTick();

    // Field handlers.
    void activeClick();
    void priorityClick();
    void timerOnClick();
    void timerModeClick(int tag);
    void clockChange();
    void dateChange();
    void dayChange();
    void minuteChange();
    void editComments();
    void editTitle();
    void Shape8MouseDown();
    void setColour(int k);
    void chooseCode();
    void setCode(int k);
    void collapsePanel();
    void expandPanel();

    // The action list editor.
    void openActionMenu(int row);
    void openValueMenu(int row);
    void clearAction();
    void SetContinuingAction(quint8 kind, int tag);
    void SetEndingAction(quint8 kind, int tag);
    void SetSleepAction();
    void SetActionValue(int tag);
    void ResetActionRows();
    void ShowActionRow(int k, quint8 kind, quint8 param, quint8 value);
    void OfferNextActionRow(int k, quint8 previousKind);
    void ActionCaption(int k, quint8 value, quint8 param, quint8 kind);

    // The pop-up menus, each filled when first opened.
    void buildActionMenu();
    void buildValueMenu();
    void buildCodeMenu();
    void buildColorMenu();
    void relabelActionMenu();
    void applyPlayerOptions();
    QAction *entry(const QString &caption, int tag, const QIcon &entryIcon, std::function<void()> handler);

    const Clock &m_clock;
    DialogRunner m_runDialog;
    CodesInUse m_codesInUse;
    Language m_language;
    QLocale m_dateLocale = QLocale::system();
    QDateTime m_nextRunMinute; // the minute the next-run line was worked out for
    bool m_ioCard = true;
    bool m_ethernet = true;
    Program m_program;
    bool m_hasProgram = false;
    bool m_built = false;
    int m_selectedRow = 1; // the row whose kind or value button opened a menu last
    QHash<QString, QIcon> m_icons;

    ClickLabel *Image16 = nullptr, *Image19 = nullptr, *StaticText1 = nullptr, *Shape8 = nullptr, *Panel2 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr; // Activate, Prioritary, On/Off
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label5 = nullptr, *Label7 = nullptr,
           *Label17 = nullptr, *MinuteDisplay = nullptr, *NextRunLine = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    CodeView *CodeBoxes = nullptr;
    std::array<QRadioButton *, 4> RadioButtons{}; // tags 1..4
    QTimeEdit *DateTimePicker1 = nullptr;         // clock
    QDateEdit *DateTimePicker2 = nullptr;         // date
    QComboBox *ComboBox1 = nullptr;               // day of the week
    QSpinBox *SpinEdit1 = nullptr;                // minute
    QTimer *NextRunTimer = nullptr;
    QFrame *TimerBox = nullptr, *ActionsBox = nullptr; // the groups' frames
    QLabel *LabelXX = nullptr;
    std::array<QLabel *, MaxActions> RowImages{};
    std::array<QFrame *, MaxActions> ActionRowBacks{};
    std::array<QToolButton *, MaxActions> KindButtons{};  // ActionKindButton1..6
    std::array<QToolButton *, MaxActions> ValueButtons{}; // ActionValueButton1..6

    QMenu *PopupMenu1 = nullptr; // actions
    QMenu *PopupMenu2 = nullptr; // values
    QMenu *PopupMenu3 = nullptr; // inputs
    QMenu *PopupMenu4 = nullptr; // colours
    std::array<QAction *, 13> ActionMenuEntries{};
    std::array<QList<QAction *>, 13> ActionSubEntries;
    QList<QAction *> CodeEntries; // tags 1..255
    CommentsDialog *m_commentsDialog = nullptr;
    TitleDialog *m_titleDialog = nullptr;
};
