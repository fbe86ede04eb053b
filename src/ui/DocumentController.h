#pragma once

#include "model/Language.h"
#include "model/Program.h"
#include "model/Project.h"
#include "project/ProjectModel.h"
#include "project/SettingsLocation.h"

#include <QObject>

#include <functional>
#include <optional>

class Clock;
class CommandWindow;
class Prompter;
class QFileDialog;
class QUrl;
class QWidget;
class AboutDialog;
class ProjectPropertiesDialog;
class ExportLogDialog;
class ProgressDialog;
class ExportFolderDialog;

// The document commands of the main window: the file commands (New, Open, Save, Save as,
// Properties, Export, Import), the program commands with their questions (delete, cut, copy,
// paste, move, delete a colour group), the operation runner they run in, start-up and
// shut-down. Each command changes the project through the model (project/ProjectModel), which
// holds the project, its file and save point, and the undo history.
class DocumentController : public QObject {
    Q_OBJECT

public:
    // `list` is the view the operation runner hides while it changes the list.
    DocumentController(QWidget &window, CommandWindow &view, ProjectModel &model, QWidget &list, Prompter &prompter,
                       const Clock &clock);
    ~DocumentController() override;

    static QString captionFor(const QString &projectName);

    // The project as the files hold it: the properties and every program in list order.
    Project currentProject() const;

    // ---- File commands.
    void newProject();
    void openProject();
    // File > Open Player Backup...: the open dialog in the folder of the copies kept before a transmit.
    void openPlayerBackup();
    void saveProject();
    void saveProjectAs();
    void editProperties();
    void exportPlayerFile();
    void importPlayerFile();
    // The programs as a spreadsheet table; importing one replaces the programs and keeps the
    // properties, and a table with a wrong cell changes nothing.
    void exportTable();
    void importTable();
    // Offers the open dialog (in `folder` when given) and opens the file chosen (openProjectFile).
    void openChosenProject(const QString &folder = {});
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
    void AskSaveIfModified();
    void ResetPropertyDialog();
    void ClearProject(); // runner mode 5

    // ---- The operation runner.
    // Runs `work` in `mode` on the runner, with the window's language and port, and returns
    // the runner's result.
    quint8 runOperation(int mode, const std::function<quint8()> &work);
    // Around a run that ends later (a transfer on the link's thread): an operation runs from
    // the first call until the matching second one.
    void beginOperation();
    void endOperation();
    ProgressDialog &runner() const { return *ProgressWindow; }
    // True while an operation runs: the window offers no Undo or Redo meanwhile.
    bool isOperationRunning() const { return m_operations > 0; }

    // ---- Start-up and shut-down.
    // Reads the settings file: the project and export paths are taken here, the rest is
    // returned for the window; nothing when the file cannot be read (the message is shown).
    // `created` tells that there was no file: it was written from the window's settings.
    std::optional<Settings> readSettingsAtStart(const SettingsLocation &location, const QStringList &portCaptions,
                                                bool *created = nullptr);
    bool firstActivationPending() const { return m_firstActivation; }
    void startUp();  // the first activation: last project, texts, command state, save point
    void shutDown(); // the save question and the settings file

signals:
    // An operation started or ended (isOperationRunning).
    void operationRunningChanged();

private:
    Language language() const;
    template <typename Dialog> Dialog &lazyDialog(Dialog *&made);
    QString runFileDialog(QFileDialog &dialog);
    // The runner's bar and captions for the model's long commands: "Delete n to m" while it
    // clears or deletes a colour group, `fillCaption` "n to m" while it fills (none without).
    ProjectModel::Progress runnerProgress(const QString &fillCaption = {});
    bool readProjectRun(const QString &path);
    bool exportRun();
    bool importRun(const QString &path, QList<int> &correctedSlots);

    QWidget &m_window;
    CommandWindow &m_view;
    ProjectModel &m_model;
    Prompter &m_prompter;
    const Clock &m_clock;

    // The folder of the last export.
    QString ExportPath;

    ExportLogDialog *VerificationWindow = nullptr;
    ProgressDialog *ProgressWindow = nullptr;
    AboutDialog *AboutWindow = nullptr;
    ProjectPropertiesDialog *PropertyDialog = nullptr;
    ExportFolderDialog *ExportDirDialog = nullptr;

    SettingsLocation m_settingsLocation;
    QString m_settingsPath; // the file written at shut-down
    UrlOpener m_urlOpener;
    bool m_firstActivation = true;
    int m_operations = 0; // running now
};
