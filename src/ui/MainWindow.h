#pragma once

#include "CommandTable.h"
#include "CommandWindow.h"
#include "QtLanguage.h"
#include "model/Language.h"
#include "model/Program.h"
#include "model/Project.h"
#include "project/SettingsLocation.h"

#include <QHash>
#include <QIcon>
#include <QLocale>
#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class CommandWindow;
class DocumentController;
class PlayerCommands;
class Prompter;
class ProgramEditor;
class QAction;
class QActionGroup;
class QDialog;
class QMenu;
class QToolBar;
class QUrl;
class ProgramListView;
class ProjectModel;

// The main window: shows the list of programs with the editor panel of the selected program
// below it, and offers the commands in a tool bar and a main menu. It composes parts of its
// own: the project model, the program list and the editor panel (views of the model), the
// document commands (the files, and the questions before the program commands) and the player
// commands (the serial link); it holds the settings of the run (language, port, player
// options).
class MainWindow : public QMainWindow, private CommandWindow {
    Q_OBJECT

public:
    explicit MainWindow(Prompter &prompter, const Clock &clock, QWidget *parent = nullptr);
    // A window that reads its settings from `settings` at creation and writes them when it
    // closes; the constructor without it keeps no settings file.
    MainWindow(Prompter &prompter, const Clock &clock, const SettingsLocation &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The project as the files hold it: the properties and every tile's program in order.
    Project currentProject() const;
    // Appends each program as a new one and then overwrites all its fields, as every program
    // that enters the list does; stops at the limit of 255.
    void loadPrograms(const QList<Program> &programs);
    // Opens a project file as File > Open does once the file is chosen.
    bool openProjectFile(const QString &path);

    // ---- Seams.
    // Modal dialogs run through this seam; the default shows them with exec().
    using DialogRunner = std::function<int(QDialog &)>;
    void setDialogRunner(DialogRunner runner);
    // The serial ports the port menu offers, asked each time the menu opens; by default the
    // ports that open now (availablePortNames). Setting it rebuilds the menu at once.
    using PortLister = std::function<QStringList()>;
    void setPortLister(PortLister lister);
    // The longest wait for an acknowledgement of the player; 10 s unless set.
    void setAckWatchdog(std::chrono::milliseconds limit);
    // Web links go through this seam; the default is QDesktopServices::openUrl.
    void setUrlOpener(std::function<void(const QUrl &)> opener);
    // The system's locale, QLocale::system() unless set: every date and time the window shows
    // or prints is in LanguageLocale of the chosen language and this locale.
    void setSystemLocale(const QLocale &locale);

    // ---- The list and the editor panel.
    // New program: appends a program with the first free code and selects it; at 255 the
    // limit message instead.
    void addProgram();
    void SelectFirstProgram();
    void SelectProgramAt(int index);
    // Fills the editor panel from the selected program, or hides it when there is none.
    void ShowSelectedProgram();
    // Enables and shows the commands from the list, the clipboard, the port and the player
    // options, after every command that may change them.
    void updateCommandState() override;
    // The action of a command, shared by its menu item and its tool button.
    QAction *action(Command command) const { return m_actions[int(command)]; }

    // ---- Options.
    // Rebuilds the port menu: "(None)" and one item per port; checks the first port.
    void setPortNames(const QStringList &ports);
    // The serial ports that open now (ListComPorts of the player link).
    static QStringList availablePortNames();
    // Checks the language's menu item, makes it the current language and relabels the window.
    void chooseLanguage(Language language);
    // Relabels the window in its language: menus, hints, tiles, editor panel, action menu,
    // day list and the selected program's action rows, the week plan if open.
    void relabel();

signals:
    // Emitted at the end of relabel, for parts of the window that relabel themselves.
    void languageApplied();

protected:
    bool event(QEvent *event) override;
    // On LanguageChange (the translations installed on the application changed): relabel.
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // CommandWindow: what the document and player commands ask of the window.
    Language language() const override { return CurrentLanguage; }
    QString portName() const override { return SelectedPortName; }
    int runDialog(QDialog &dialog) override;
    void applyLanguage() override { relabel(); }
    Settings windowSettings() const override;

    // One action per row of the command table, each connected to its handler.
    void createActions();
    void connectCommand(QAction *action, Command command);
    void createToolBar();
    void createMenus();
    void createCentralArea();
    void applyCommandState(const CommandState &state);
    void captionCommands();
    void applySettings(const Settings &settings);
    const QIcon &icon(const QString &name);
    void leaveNoFocus();
    void programEdited(const Program &program);
    // Edit > Undo and Redo: enabled and captioned from the history.
    void updateHistoryCommands();
    QAction *languageItem(Language language) const;
    void toggleIoCard();
    void toggleEthernet();
    void choosePort(QAction *item);
    // Rebuilds the port menu from the ports that open now (each time the menu opens), keeping
    // the checked port when it is still there or held open by the player link; "(None)" is
    // checked when it is gone.
    void refreshPortMenu();
    // Lists the ports once, just after the first frame (or when the port menu first opens) and
    // checks the start port: the stored one when it is there, the first when none was stored.
    void listPortsAtStart();
    void exitProgram();
    void runTimerWizard();
    // Edit > Check the Schedule: the findings in a window; choosing a line selects its program.
    void checkSchedule();
    void showWeekPlan();
    void showPrintPreview();
    void refreshWeekPlan();
    // The date and time locale of the next-run lines, the date field, the check, the week plan,
    // the printed schedule and the PC remote report.
    void setDateLocale(const QLocale &locale);
    // Installs the translations of the current language and relabels every window.
    void speakLanguage();

    Prompter &m_prompter;
    const Clock &m_clock;
    DialogRunner m_dialogRunner;
    PortLister m_portLister;
    QtLanguage m_qtLanguage;
    QLocale m_systemLocale = QLocale::system();
    QLocale m_dateLocale = QLocale::system();
    QHash<QString, QIcon> m_icons;

    // The settings of the run.
    Language CurrentLanguage = Language::English;
    QString SelectedPortName;
    bool IOOptionEnabled = true;
    bool EthernetOptionEnabled = true;

    // The parts: the project model, its views, the commands.
    ProjectModel *m_model = nullptr;
    ProgramListView *m_tiles = nullptr;
    ProgramEditor *m_editor = nullptr;
    DocumentController *m_document = nullptr;
    PlayerCommands *m_player = nullptr;

    // The commands and the menus that offer them.
    std::array<QAction *, CommandCount> m_actions{};
    std::array<QMenu *, MenuCount> m_menus{};
    QMenu *menu(Menu id) const { return m_menus[int(id)]; }
    QToolBar *m_toolBar = nullptr;
    QList<QAction *> m_colourGroupItems; // Delete Group Of Color, colours 1..26
    QAction *m_wizardSeparator = nullptr;
    CommandState m_commandState;
    class TWeekPlanDlg *m_weekPlan = nullptr; // made when first shown
    QAction *m_noPort = nullptr;
    QList<QAction *> m_portItems; // "(None)" first, then the ports
    QActionGroup *m_portGroup = nullptr;
    bool m_portsListed = false;
    bool m_firstPaintSeen = false;
    // The stored port, checked when the ports are listed; none without a settings file read,
    // which checks the first port.
    std::optional<QString> m_startPort;
};
