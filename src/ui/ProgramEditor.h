#pragma once

#include "model/Language.h"
#include "model/Program.h"

#include <QDateTime>
#include <QFrame>
#include <QList>
#include <QLocale>

#include <array>
#include <functional>

class ActionRowsEditor;
class ChoiceMenu;
class Clock;
class ClickLabel;
class CodeView;
class CommentsDialog;
class EditorGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTimeEdit;
class QTimer;
class TitleDialog;

// The editor panel at the bottom of the main window: a header line with the program's title,
// the fields of one program in three groups (the left column, the Timer Mode group and the
// Actions group), and the pop-up menus from which it picks the code and the colour. Qt's layouts
// size it for the texts of its language. It edits its own copy of the program and tells each
// change (programEdited); the window keeps the list up to date. The fields are made when a
// program is first shown, the menus filled when first opened.
class ProgramEditor : public QFrame {
    Q_OBJECT

public:
    // Modal dialogs (comments, title) run through this.
    using DialogRunner = std::function<int(QDialog &)>;
    // The codes 1..255 the programs of the list use; the code menu offers the others.
    using CodesInUse = std::function<QList<quint8>()>;

    // `clock` gives the next-run line's "now"; `language` the texts of the panel until setLanguage.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureBuilt();
    QWidget *createHeader();
    QWidget *createLeftColumn();
    EditorGroup *createTimerGroup();
    void relabel();
    void leaveNoFocus();
    void fill();
    void edited();
    void editedByMenu();
    void refreshNextRun();
    void checkNextRunMinute();

    // Field handlers.
    void setActive();
    void setPriority();
    void setTimerOn();
    void setTimerMode(int mode);
    void setClock();
    void setDate();
    void setDay();
    void setMinute();
    void editComments();
    void editTitle();
    void chooseColour();
    void setColour(int k);
    void chooseCode();
    void setCode(int code);
    void takeActions(const Program &edited);
    void collapsePanel();
    void expandPanel();

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

    QWidget *m_contents = nullptr; // everything the panel shows, however high the panel
    ClickLabel *m_titleText = nullptr;
    QCheckBox *m_activeBox = nullptr, *m_priorityBox = nullptr, *m_timerOnBox = nullptr;
    QLabel *m_colourLabel = nullptr, *m_clockLabel = nullptr, *m_minuteDisplay = nullptr, *m_nextRunLine = nullptr;
    ClickLabel *m_colourSwatch = nullptr, *m_codePanel = nullptr;
    EditorGroup *m_commentsGroup = nullptr, *m_codeGroup = nullptr, *m_timerGroup = nullptr;
    QPlainTextEdit *m_commentsMemo = nullptr;
    CodeView *m_inputDots = nullptr;
    std::array<QRadioButton *, 4> m_modeRadios{}; // by timer mode 0..3
    QTimeEdit *m_clockEdit = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QComboBox *m_dayBox = nullptr;
    QSpinBox *m_minuteSpin = nullptr;
    QTimer *m_nextRunTimer = nullptr;
    ActionRowsEditor *m_actions = nullptr;
    ChoiceMenu *m_codeMenu = nullptr;
    ChoiceMenu *m_colourMenu = nullptr;
    CommentsDialog *m_commentsDialog = nullptr;
    TitleDialog *m_titleDialog = nullptr;
};
