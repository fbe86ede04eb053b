#pragma once

#include "Icons.h"
#include "QtLanguage.h"
#include "model/ProjectClasses.h"
#include "project/Project.h"
#include "project/SettingsLocation.h"

#include <QHash>
#include <QIcon>
#include <QLocale>
#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <memory>

class Clock;
class Prompter;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTimeEdit;
class QToolBar;
class QToolButton;
class ClickLabel;
class InputsView;
class TFrame1;
class TOKBottomDlg3;
class TOKBottomDlg4;
// Project document
class QFileDialog;
class QUrl;
class TForm2;
class TForm3;
class TOKBottomDlg;
class TOKBottomDlg1;
class TOKBottomDlg2;
class TOKBottomDlg6;
class ComLink;
class PcRemote;
class QTimer;

// The main window: owns the open project (the tiles and their programs, the properties) and
// every setting of the run, shows the list of tiles with the editor panel of the selected
// program below it, and offers the commands in a tool bar and a main menu.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    ~TForm1() override;

    static QString captionFor(const QString &projectName);
    // The language of the user's system: French 1, English 2, Spanish 3, German 4,
    // Italian 5; English for any other.
    static int DefaultLanguage();

    // ---- The project and the settings of the run.
    QList<TFrame1 *> Tiles; // project order; each tile owns its program
    TFrame1 *CurrentTile = nullptr;
    TORBEXGroup ProjectGroup;
    QList<TORBEXProg> ProgramClipboard;
    int CurrentLanguage = 2;
    QString SelectedPortName;
    bool IOOptionEnabled = true;
    bool EthernetOptionEnabled = true;
    bool PCRemoteMode = false;

    // The project as the files hold it: the properties and every tile's program in order.
    Project currentProject() const;
    // Appends each program as a new one (SpeedButton1Click) and then overwrites all its
    // fields, as every program that enters the list does; stops at the limit of 255.
    void loadPrograms(const QList<TORBEXProg> &programs);

    // Modal dialogs run through this seam; the default shows them with exec().
    using DialogRunner = std::function<int(QDialog &)>;
    void setDialogRunner(DialogRunner runner);
    // The serial ports the port menu offers, asked each time the menu opens; by default the
    // ports that open now (availablePortNames). Setting it rebuilds the menu at once.
    using PortLister = std::function<QStringList()>;
    void setPortLister(PortLister lister);
    // The longest wait for an acknowledgement of the player; 10 s unless set.
    void setAckWatchdog(std::chrono::milliseconds limit);

    // ---- The list of tiles.
    void SpeedButton1Click();
    quint8 FirstFreeInputs() const;
    void ActiveSelected(TFrame1 *tile);
    void ActualizeBVProg();
    void SetCurrentTile(TFrame1 *tile);
    void HighlightTile(TFrame1 *tile);
    void ScrollToTile(TFrame1 *tile);
    void RestackTiles();
    void SelectFirstProgram();
    void SelectProgramAt(int index);
    // Home, End, Up and Down on the list; false for any other key or when nothing happens.
    bool FormKeyDown(int key);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    int currentIndex() const;
    int scrollPosition() const;
    void setScrollPosition(int y);

    // ---- The editor panel.
    void ShowSelectedProgram();
    void activeClick();
    void priorityClick();
    void timerOnClick();
    void timerModeClick(int tag);
    void clockChange();
    void dateChange();
    void dayChange();
    void minuteChange();
    void Memo1Click();
    void StaticText1Click();
    void Shape8MouseDown();
    void Color1Click(int k);
    void Panel2Click();
    void SetInputsClick(int k);
    void Image16Click();
    void Image19Click();
    bool inputDotShown(int k) const { return (m_editorDots >> (k - 1)) & 1; } // weight 2^(k-1)

    // ---- The action list editor.
    void SpeedButton12Click(int row);
    void SpeedButton18Click(int row);
    void ClearActionClick();
    void SetContinuingAction(quint8 kind, int tag);
    void SetEndingAction(quint8 kind, int tag);
    void SetSleepAction();
    void SetActionValue(int tag);
    static quint8 CountActions(const TORBEXProg &prog);
    static void NormalizeActions(TORBEXProg &prog);
    static bool isEndingKind(quint8 kind);
    void ResetActionRows();
    void ShowActionRow(int k, quint8 kind, quint8 param, quint8 value);
    void OfferNextActionRow(int k, quint8 previousKind);
    void BuildChoiceMenus();
    // The kind button's caption and icon of an action, and the value button's caption.
    static QString actionCaption(quint8 kind, quint8 param, int language);
    static QString actionIconName(quint8 kind, quint8 param);
    static QString valueCaption(quint8 value, int language);

    // ---- Command state and player options.
    void UpdateCommandState();
    void IOOption1Click();
    void Ethernet1Click();
    void NONE1Click(QAction *item);
    // Rebuilds the port menu: "(None)" and one item per port; checks the first port.
    void setPortNames(const QStringList &ports);
    // Rebuilds the port menu from the ports that open now (each time the menu opens), keeping
    // the checked port when it is still there or held open by the player link; "(None)" is
    // checked when it is gone.
    void RefreshPortMenu();
    // The serial ports that open now (ListComPorts of the player link).
    static QStringList availablePortNames();

    // ---- Commands of later work: present, and doing nothing yet.
    void New2Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Property1Click();
    void Export1Click();
    void Import1Click();
    void Exit1Click();
    void SpeedButton2Click();
    void Couper1Click();
    void Copier1Click();
    void Coller1Click();
    void MoveProgramUp1Click();
    void MoveProgramDown1Click();
    void Wizzard1Click();
    void ColorGroup27Click(int k);
    void About1Click();
    void HomePage1Click();
    void SendEmailToSupport1Click();

    // ---- Project document: file commands, program commands, start-up and shut-down.
    // A window that reads its settings from `settings` at creation and writes them when it
    // closes; the constructor without it keeps no settings file.
    TForm1(Prompter &prompter, const Clock &clock, const SettingsLocation &settings, QWidget *parent = nullptr);
    // The file the project was last opened from or saved to, the folder of the last export,
    // the save point (SavedGroup and SavedPrograms), the colour 1..26 of DeleteColorGroup.
    QString ProjectPath;
    QString ExportPath;
    Project SavedProject;
    int ColorGroupToDelete = 0;
    QString settingsPath() const { return m_settingsPath; } // the file written at shut-down
    bool IsProjectModified() const;
    void TakeSnapshot();
    void AskSaveIfModified();
    void ClearProject(); // runner mode 5
    void RemoveCurrentProgram();
    void ResetPropertyDialog();
    // Reads and checks the whole file, and only then replaces the project with it (runner
    // mode 4): the caption shows its name and the first program is selected. A file that fails
    // leaves the project, ProjectPath and the caption as they were; the message names the file
    // and the line. Used by Open, the first activation and the load offer after a receive.
    bool openProjectFile(const QString &path);
    // Sets the mode (and for transmit the project) on the operation runner, shows it modally
    // and returns OperationResult.
    quint8 runOperation(int mode);
    void DeleteCurrentProgram();
    void CopySelectedProgram();
    void PasteClipboard();
    void DeleteSelectedProgram();
    void DeleteColorGroup();
    void FormActivate(); // the first activation: last project, texts, command state, save point
    bool firstActivationPending() const { return m_firstActivation; }
    void FormClose(); // the save question and the settings file
    // Web links go through this seam; the default is QDesktopServices::openUrl.
    using UrlOpener = std::function<void(const QUrl &)>;
    void setUrlOpener(UrlOpener opener);
    TOKBottomDlg *VerificationWindow = nullptr; // TOKBottomDlg
    TOKBottomDlg1 *ProgressWindow = nullptr;    // the operation runner
    TForm2 *AboutWindow = nullptr;
    TForm3 *PropertyDialog = nullptr;
    TOKBottomDlg2 *ExportDirDialog = nullptr;

    // ---- Player link: transmit, receive and PC remote mode.
    void SpeedButton3Click();  // Transmit, also Send-Receive > Transmit
    void SpeedButton4Click();  // Receive, also Send-Receive > Receive
    void SpeedButton28Click(); // PC remote mode while its window is open, also Options > PC Remote
    void Timer2Timer();        // every second: the minute check once the minute has changed
    void MinuteCheck();
    // Send-Receive > Verify the Programs: reads the player back through the operation runner and
    // shows in one message whether it holds what a transmit of the project would send.
    void VerifyPrograms1Click();
    QAction *VerifyPrograms1 = nullptr;
    // The serial port of the transfers and of PC remote mode (the program's PortHandle).
    ComLink &portHandle();
    PcRemote &pcRemote();
    TOKBottomDlg6 *PCRemoteWindow() const;
    QTimer *Timer2 = nullptr;

    // ---- Language switching.
    void French1Click();
    void English1Click();
    void Espaol1Click();
    void Deutsch1Click();
    void Italian1Click();
    // Checks the language's menu item, makes it the current language and relabels the window.
    void LanguageClick(int language);
    // Relabels the window in CurrentLanguage: menus, hints, tiles, editor panel, action menu,
    // day list and the selected program's action rows; Qt's own texts follow.
    void ApplyLanguage();
    // Writes the captions of one action row (the value button's only for an external output).
    void ActionCaption(QToolButton *kindButton, QToolButton *valueButton, quint8 value, quint8 param, quint8 kind);
    QAction *languageItem(int language) const;
    const QtLanguage &qtLanguage() const { return m_qtLanguage; }

    // ---- Next run and the schedule check.
    // Dates of the next-run lines, of the check and of the PC remote report in this locale;
    // the system's by default.
    void setDateLocale(const QLocale &locale);
    const QLocale &dateLocale() const { return m_dateLocale; }
    // The line in the timer area: the selected program's next run after the clock's now,
    // hidden when its timer is off. The tiles' tooltips work theirs out when asked.
    void RefreshNextRun();
    // Every second: refreshes the line once the clock's minute has changed.
    void NextRunTick();
    // Edit > Check the Schedule: the findings in a window; choosing a line selects its program.
    void CheckSchedule1Click();
    QLabel *NextRunLine = nullptr;
    QTimer *NextRunTimer = nullptr;
    QAction *CheckSchedule1 = nullptr;

signals:
    // Emitted at the end of ApplyLanguage, for parts of the window that relabel themselves.
    void languageApplied();

public:
    // ---- Widgets, by the names the program's handlers use.
    QToolBar *ToolBar1 = nullptr;
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr, *SpeedButton8 = nullptr,
                *SpeedButton9 = nullptr, *SpeedButton10 = nullptr, *SpeedButton11 = nullptr, *SpeedButton24 = nullptr,
                *SpeedButton25 = nullptr, *SpeedButton26 = nullptr, *SpeedButton27 = nullptr, *SpeedButton28 = nullptr;
    QList<QToolButton *> toolButtons() const; // left to right

    QMenu *File1 = nullptr, *Edit1 = nullptr, *Functions1 = nullptr, *Options1 = nullptr, *Help1 = nullptr;
    QAction *New2 = nullptr, *Property1 = nullptr, *Open1 = nullptr, *Save1 = nullptr, *SaveAs1 = nullptr,
            *Export1 = nullptr, *Import1 = nullptr, *Exit1 = nullptr;
    QAction *New1 = nullptr, *Delete1 = nullptr, *Couper1 = nullptr, *Copier1 = nullptr, *Coller1 = nullptr,
            *MoveProgramUp1 = nullptr, *MoveProgramDown1 = nullptr, *Wizzard1 = nullptr, *WizardSeparator = nullptr;
    QMenu *DeleteGroupOfColor1 = nullptr;
    QList<QAction *> ColorGroupItems; // tags 1..26
    QAction *Transmit1 = nullptr, *Receive1 = nullptr;
    QMenu *Language1 = nullptr, *RS232PortCOM1 = nullptr, *PlayerOptions1 = nullptr, *Web1 = nullptr;
    QAction *French1 = nullptr, *English1 = nullptr, *Espaol1 = nullptr, *Deutsch1 = nullptr, *Italian1 = nullptr;
    QAction *IOOption1 = nullptr, *Ethernet1 = nullptr, *PCRemote1 = nullptr;
    QAction *About1 = nullptr, *HomePage1 = nullptr, *SendEmailToSupport1 = nullptr;
    QAction *NONE1 = nullptr;
    QList<QAction *> PortItems; // "(None)" first, then the ports

    QScrollArea *ScrollBox1 = nullptr;
    QWidget *TileBox = nullptr; // the scrolled widget holding the tiles

    QFrame *EditorPanel = nullptr;
    ClickLabel *Image16 = nullptr, *Image19 = nullptr, *StaticText1 = nullptr, *Shape8 = nullptr, *Panel2 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr; // Activate, Prioritary, On/Off
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label5 = nullptr, *Label7 = nullptr,
           *Label17 = nullptr, *MinuteDisplay = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    InputsView *InputsBoxes = nullptr;
    std::array<QRadioButton *, 4> RadioButtons{}; // tags 1..4
    QTimeEdit *DateTimePicker1 = nullptr;         // clock
    QDateEdit *DateTimePicker2 = nullptr;         // date
    QComboBox *ComboBox1 = nullptr;               // day of the week
    QSpinBox *SpinEdit1 = nullptr;                // minute
    std::array<QFrame *, MaxActions> ActionRowBacks{};
    std::array<QLabel *, MaxActions> ActionRowIcons{};
    std::array<QToolButton *, MaxActions> KindButtons{};  // SpeedButton12..17
    std::array<QToolButton *, MaxActions> ValueButtons{}; // SpeedButton18..23
    QToolButton *SelectedRowButton = nullptr;
    int selectedRow() const { return m_selectedRow; }

    QMenu *PopupMenu1 = nullptr; // actions
    QMenu *PopupMenu2 = nullptr; // values
    QMenu *PopupMenu3 = nullptr; // inputs
    QMenu *PopupMenu4 = nullptr; // colours
    std::array<QAction *, 13> ActionMenuEntries{};
    std::array<QList<QAction *>, 13> ActionSubEntries;
    QList<QAction *> ValueEntries;  // tags 0..255
    QList<QAction *> InputsEntries; // tags 1..255
    QList<QAction *> ColorEntries;  // tags 1..26

    TOKBottomDlg3 *CommentsDialog = nullptr;
    TOKBottomDlg4 *TitleDialog = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBar();
    void nameWidgets();
    void createMenus();
    void createList();
    void createEditorPanel();
    void applyHints();
    const QIcon &icon(const QString &name);
    int runDialog(QDialog &dialog);
    void leaveNoFocus();
    void wheelStep(int angle);
    void resizeTileBox();
    TORBEXProg *currentProgram() const;
    void afterMenuChange();
    QToolButton *addToolButton(const QString &iconName);

    Prompter &m_prompter;
    const Clock &m_clock;
    DialogRunner m_dialogRunner;
    TileArt m_tileArt;
    QHash<QString, QIcon> m_icons;
    QActionGroup *m_portGroup = nullptr;
    PortLister m_portLister;
    int m_selectedRow = 1;
    quint8 m_editorDots = 0;
    // Language switching
    QtLanguage m_qtLanguage;
    // Player link
    void createPlayerLink();
    struct PlayerLinkParts;
    struct PlayerLinkPartsDeleter {
        void operator()(PlayerLinkParts *parts) const;
    };
    std::unique_ptr<PlayerLinkParts, PlayerLinkPartsDeleter> m_playerLink;
    // Project document
    void createDocumentWindows();
    void readSettingsAtStart();
    Settings currentSettings() const;
    QString runFileDialog(QFileDialog &dialog);
    void setCaption();
    bool readProjectRun();
    void clearProjectRun();
    void fillPrograms(const QList<TORBEXProg> &programs, bool bySlot, const QString &captionStart, int total);
    void appendTile(const TORBEXProg &program);
    void exportRun();
    void importRun();
    SettingsLocation m_settingsLocation;
    QString m_settingsPath;
    UrlOpener m_urlOpener;
    bool m_firstActivation = true;
    QString m_pendingPath;
    bool m_pendingOk = false;
    QList<int> m_correctedSlots;
    // Next run and the schedule check
    void createScheduleCheck();
    void attachNextRun(TFrame1 *tile);
    QLocale m_dateLocale = QLocale::system();
    QDateTime m_nextRunMinute; // the minute the line was worked out for
};
