#pragma once

#include "QtLanguage.h"
#include "model/Project.h"
#include "model/ProjectClasses.h"
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
class QDialog;
class QMenu;
class QToolBar;
class QToolButton;
class ProgramEditor;
class TileList;
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
class RemoteTrigger;
class QTimer;

// The main window: owns the open project (the list of tiles with their programs, the
// properties) and every setting of the run, shows the list with the editor panel of the
// selected program below it, and offers the commands in a tool bar and a main menu. The list
// and the editor panel are parts of their own; the window tells each what to show.
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

    // ---- The list and the editor panel.
    // New program: appends a program with the first free code and selects it; at 255 the
    // limit message instead.
    void SpeedButton1Click();
    void SelectFirstProgram();
    void SelectProgramAt(int index);
    // Fills the editor panel from the selected program (its action slots made consistent
    // first), or hides it when there is none.
    void ShowSelectedProgram();

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

    // ---- File, edit and help commands.
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
    // Runs `work` in `mode` on the operation runner, with the window's language and port, and
    // returns the runner's result.
    quint8 runOperation(int mode, const std::function<quint8()> &work);
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
    // The serial port of the transfers and of PC remote mode.
    ComLink &portHandle();
    RemoteTrigger &pcRemote();
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
    QAction *languageItem(int language) const;
    const QtLanguage &qtLanguage() const { return m_qtLanguage; }

    // ---- Next run and the schedule check.
    // Dates of the next-run lines, of the check and of the PC remote report in this locale;
    // the system's by default.
    void setDateLocale(const QLocale &locale);
    const QLocale &dateLocale() const { return m_dateLocale; }
    // Edit > Check the Schedule: the findings in a window; choosing a line selects its program.
    void CheckSchedule1Click();
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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void createToolBar();
    void nameWidgets();
    void createMenus();
    void createCentralArea();
    void applyHints();
    const QIcon &icon(const QString &name);
    int runDialog(QDialog &dialog);
    void leaveNoFocus();
    void programEdited(const TORBEXProg &program);
    QToolButton *addToolButton(const QString &iconName);

    Prompter &m_prompter;
    const Clock &m_clock;
    DialogRunner m_dialogRunner;
    QHash<QString, QIcon> m_icons;
    QActionGroup *m_portGroup = nullptr;
    // The list of tiles and the editor panel of the selected program.
    TileList *m_tiles = nullptr;
    ProgramEditor *m_editor = nullptr;
    PortLister m_portLister;
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
    bool readProjectRun(const QString &path);
    void clearProjectRun();
    void fillPrograms(const QList<TORBEXProg> &programs, bool bySlot, const QString &captionStart, int total);
    bool exportRun();
    bool importRun(const QString &path, QList<int> &correctedSlots);
    SettingsLocation m_settingsLocation;
    QString m_settingsPath;
    UrlOpener m_urlOpener;
    bool m_firstActivation = true;
    // Next run and the schedule check
    void createScheduleCheck();
    QLocale m_dateLocale = QLocale::system();
};
