#pragma once

#include "model/Language.h"
#include "model/Program.h"
#include "model/Project.h"
#include "project/SettingsLocation.h"

#include <QObject>

#include <functional>
#include <optional>

class Clock;
class CommandWindow;
class ProjectHistory;
class Prompter;
class QFileDialog;
class QUrl;
class QWidget;
class AboutDialog;
class ProjectPropertiesDialog;
class TileList;
class ExportLogDialog;
class ProgressDialog;
class ExportFolderDialog;

// The project document of the main window: its properties, the save point and the modified
// check, the file commands (New, Open, Save, Save as, Properties, Export, Import), the program
// commands (delete, cut, copy, paste, move, delete a colour group), the operation runner they
// run in, start-up and shut-down. The programs themselves are the tile list's; the rules about
// them are the core's (project/ProjectRules).
class DocumentController : public QObject {
    Q_OBJECT

public:
    DocumentController(QWidget &window, CommandWindow &view, TileList &tiles, Prompter &prompter, const Clock &clock);
    ~DocumentController() override;

    static QString captionFor(const QString &projectName);

    // The project as the files hold it: the properties and every program in list order.
    Project currentProject() const;
    void setProjectName(const QString &name);
    // The properties as an undone or redone step leaves them; the caption is set apart.
    void setGroup(const ProjectProperties &group) { ProjectGroup = group; }
    // The file, the save point and the caption, which undo and redo restore besides the programs
    // and the properties (the file and the save point for a step that replaced the project).
    struct FileState {
        QString path;
        Project saved;
        QString caption;
    };
    FileState fileState() const;
    void setFileState(const FileState &state);
    // The undo history: every change of the project is a step of it.
    ProjectHistory &history() const { return *m_history; }
    bool hasClipboard() const { return !ProgramClipboard.isEmpty(); }
    // Appends each program as a new one and then overwrites all its fields, as every program
    // that enters the list does; stops at the limit of 255.
    void loadPrograms(const QList<Program> &programs);

    // ---- File commands.
    void newProject();
    void openProject();
    void saveProject();
    void saveProjectAs();
    void editProperties();
    void exportPlayerFile();
    void importPlayerFile();
    // The programs as a spreadsheet table; importing one replaces the programs and keeps the
    // properties, and a table with a wrong cell changes nothing.
    void exportTable();
    void importTable();
    // Offers the open dialog and opens the file chosen (openProjectFile).
    void openChosenProject();
    // Reads and checks the whole file, and only then replaces the project with it (runner mode
    // 4): the caption shows its name and the first program is selected. A file that fails
    // leaves the project, its path and the caption as they were; the message names the file and
    // the line.
    bool openProjectFile(const QString &path);
    // Shows the one warning on codes shared by several programs and on code 000, if any.
    void warnOfCodeConflicts();

    // ---- Program commands.
    void deleteSelectedProgram(); // Delete, after the question
    void cutProgram();
    void copyProgram();
    void pastePrograms();
    void moveProgramUp();
    void moveProgramDown();
    void deleteColourGroup(int k); // the colour group 1..26, after the question

    // ---- Help commands.
    void showAbout();
    void openHomePage();
    void writeToSupport();
    // Web links go through this seam; the default is QDesktopServices::openUrl.
    using UrlOpener = std::function<void(const QUrl &)>;
    void setUrlOpener(UrlOpener opener);

    // ---- Save point.
    bool IsProjectModified() const;
    void TakeSnapshot();
    void AskSaveIfModified();
    void ResetPropertyDialog();
    void ClearProject(); // runner mode 5

    // ---- The operation runner.
    // Runs `work` in `mode` on the runner, with the window's language and port, and returns
    // the runner's result.
    quint8 runOperation(int mode, const std::function<quint8()> &work);
    ProgressDialog &runner() const { return *ProgressWindow; }

    // ---- Start-up and shut-down.
    // Reads the settings file: the project and export paths are taken here, the rest is
    // returned for the window; nothing when the file cannot be read (the message is shown).
    // `created` tells that there was no file: it was written from the window's settings.
    std::optional<Settings> readSettingsAtStart(const SettingsLocation &location, const QStringList &portCaptions,
                                                bool *created = nullptr);
    bool firstActivationPending() const { return m_firstActivation; }
    void FormActivate(); // the first activation: last project, texts, command state, save point
    void FormClose();    // the save question and the settings file

private:
    Language language() const;
    template <typename Dialog> Dialog &lazyDialog(Dialog *&made);
    QString runFileDialog(QFileDialog &dialog);
    void setCaption();
    bool readProjectRun(const QString &path);
    void clearProjectRun();
    void RemoveCurrentProgram();
    void fillPrograms(const QList<Program> &programs, const QString &captionStart, int total);
    bool exportRun();
    bool importRun(const QString &path, QList<int> &correctedSlots);
    void DeleteCurrentProgram();
    void CopySelectedProgram();
    void DeleteSelectedProgram();
    void PasteClipboard();
    void DeleteColorGroup();

    QWidget &m_window;
    CommandWindow &m_view;
    TileList &m_tiles;
    Prompter &m_prompter;
    const Clock &m_clock;

    ProjectProperties ProjectGroup;
    QList<Program> ProgramClipboard;
    // The file the project was last opened from or saved to, the folder of the last export,
    // the save point, the colour 1..26 of DeleteColorGroup.
    QString ProjectPath;
    QString ExportPath;
    Project SavedProject;
    int ColorGroupToDelete = 0;

    ExportLogDialog *VerificationWindow = nullptr;
    ProgressDialog *ProgressWindow = nullptr;
    AboutDialog *AboutWindow = nullptr;
    ProjectPropertiesDialog *PropertyDialog = nullptr;
    ExportFolderDialog *ExportDirDialog = nullptr;

    SettingsLocation m_settingsLocation;
    QString m_settingsPath; // the file written at shut-down
    UrlOpener m_urlOpener;
    ProjectHistory *m_history = nullptr;
    bool m_firstActivation = true;
};
