// The document commands of the main window: New, Open, Save, Save as, Properties, Export,
// Import, the program commands' questions, start-up and shut-down, the about window and the web
// links. The project and its history are the model's.
#include "DocumentController.h"

#include "CommandWindow.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ScheduleFile.h"
#include "project/CsvFile.h"
#include "project/PlayerBackup.h"
#include "project/ProgramsFile.h"
#include "project/ProjectFile.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"
#include "ui/AboutDialog.h"
#include "ui/ExportFolderDialog.h"
#include "ui/ExportLogDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/ProjectPropertiesDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString ProjectFilter = QStringLiteral("Program (*.prg)");
const QString ImportFilter = QStringLiteral("fichier d'import Quillon (*.msg)");
const QString CsvFilter = QStringLiteral("CSV (*.csv)");

// Runs startUp at the window's first activation and shutDown when it closes, without
// taking the window's own event handlers.
class DocumentEvents : public QObject {
public:
    DocumentEvents(QWidget &window, DocumentController &document)
        : QObject(&document)
        , m_window(window)
        , m_document(document) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &m_window) {
            if (event->type() == QEvent::WindowActivate)
                m_document.startUp();
            else if (event->type() == QEvent::Close)
                m_document.shutDown();
        }
        return false;
    }

private:
    QWidget &m_window;
    DocumentController &m_document;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

DocumentController::DocumentController(QWidget &window, CommandWindow &view, ProjectModel &model, QWidget &list,
                                       Prompter &prompter, const Clock &clock)
    : QObject(&window)
    , m_window(window)
    , m_view(view)
    , m_model(model)
    , m_prompter(prompter)
    , m_clock(clock) {
    ExportPath = DefaultExportFolder(QCoreApplication::applicationFilePath());
    m_urlOpener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    ProgressWindow = new ProgressDialog(m_prompter, m_clock, &window);
    ProgressWindow->setListWidget(&list);
    window.installEventFilter(new DocumentEvents(window, *this));
}

DocumentController::~DocumentController() = default;

QString DocumentController::captionFor(const QString &projectName) {
    return QStringLiteral("ORBEX Quillon Programmer : ") + projectName;
}

// The dialogs are made when first needed.
template <typename Dialog> Dialog &DocumentController::lazyDialog(Dialog *&made) {
    if (!made)
        made = new Dialog(&m_window);
    return *made;
}

Language DocumentController::language() const {
    return m_view.language();
}

std::optional<Settings> DocumentController::readSettingsAtStart(const SettingsLocation &location,
                                                                const QStringList &portCaptions, bool *created) {
    m_settingsLocation = location;
    Settings s = m_view.windowSettings();
    s.ProjectPath = m_model.filePath();
    s.ExportPath = ExportPath;
    Notice error;
    m_settingsPath = LoadSettings(m_settingsLocation, s, portCaptions, &error, created);
    if (m_settingsPath.isEmpty()) {
        m_prompter.warn(noticeText(error, language()));
        return std::nullopt;
    }
    m_model.setFilePath(s.ProjectPath);
    ExportPath = s.ExportPath;
    return s;
}

void DocumentController::startUp() {
    if (!m_firstActivation)
        return;
    if (ProgressWindow->isVisible()) {
        // Activated while an operation runs: the start-up steps follow once it has ended.
        connect(
            ProgressWindow, &QDialog::finished, this, [this] { startUp(); },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    m_firstActivation = false;
    if (const QString last = m_model.filePath(); !last.isEmpty() && QFile::exists(last)) {
        // A last project that no longer reads is not the empty project's file.
        if (!openProjectFile(last))
            m_model.setFilePath({});
    }
    m_view.applyLanguage();
    m_view.updateCommandState();
    m_model.takeSavePoint();
}

void DocumentController::shutDown() {
    AskSaveIfModified();
    if (m_settingsPath.isEmpty())
        return;
    Settings s = m_view.windowSettings();
    s.ProjectPath = m_model.filePath();
    s.ExportPath = ExportPath;
    Notice error;
    const QString written = SaveSettings(m_settingsLocation, m_settingsPath, s, &error);
    if (written.isEmpty())
        m_prompter.warn(noticeText(error, language()));
    else
        m_settingsPath = written;
}

// ---------------------------------------------------------------------------------------
// The project

Project DocumentController::currentProject() const {
    return m_model.project();
}

// ---------------------------------------------------------------------------------------
// Save point

void DocumentController::AskSaveIfModified() {
    if (!m_model.isModified())
        return;
    if (m_prompter.confirm(translated(
            phrase("Messages", "The current programmation has been modified. Do you want to save these changes?"),
            language())))
        saveProject();
}

quint8 DocumentController::runOperation(int mode, const std::function<quint8()> &work) {
    ProgressWindow->setLanguage(language());
    ProgressWindow->setPortName(m_view.portName());
    beginOperation();
    const quint8 result = ProgressWindow->run(mode, work);
    endOperation();
    return result;
}

void DocumentController::beginOperation() {
    if (m_operations++ == 0)
        emit operationRunningChanged();
}

void DocumentController::endOperation() {
    if (--m_operations == 0)
        emit operationRunningChanged();
}

// ---------------------------------------------------------------------------------------
// Clearing and filling

void DocumentController::ClearProject() {
    runOperation(ProgressDialog::ClearProjectMode, [this] {
        m_model.clear(runnerProgress());
        return quint8(0);
    });
}

ProjectModel::Progress DocumentController::runnerProgress(const QString &fillCaption) {
    ProgressDialog &runner = *ProgressWindow;
    const QString to = translated(phrase("Messages", " to "), language());
    const QString deleting = translated(phrase("Messages", "Delete Program"), language());
    ProjectModel::Progress progress;
    progress.begin = [&runner, fillCaption](ProjectModel::Phase phase, int total) {
        if (phase != ProjectModel::Phase::Filling || !fillCaption.isEmpty())
            runner.prepareProgress(total);
    };
    progress.step = [&runner, fillCaption, to, deleting](ProjectModel::Phase phase, int shown, int total) {
        if (phase != ProjectModel::Phase::Filling)
            runner.stepProgress(deleting + QString::number(shown) + to + QString::number(total));
        else if (!fillCaption.isEmpty())
            runner.stepProgress(fillCaption + QString::number(shown) + to + QString::number(total));
    };
    progress.finishing = [this, &runner] {
        runner.showStatus(translated(phrase("Messages", "Finalization Step..."), language()));
    };
    return progress;
}

bool DocumentController::readProjectRun(const QString &path) {
    Project read;
    Notice error;
    if (!ReadProjectFile(path, read, &error)) {
        m_prompter.warn(noticeText(error, language()));
        return false;
    }
    m_model.open(path, read, runnerProgress(translated(phrase("Messages", "Open : "), language())));
    m_view.updateCommandState();
    return true;
}

bool DocumentController::openProjectFile(const QString &path) {
    bool read = false;
    // A copy: `path` may be the model's own file path, which clearing the project empties.
    runOperation(ProgressDialog::ReadProjectMode, [&, file = path] {
        read = readProjectRun(file);
        return quint8(0);
    });
    if (read) {
        m_model.selectFirst();
        warnOfCodeConflicts();
    }
    return read;
}

void DocumentController::warnOfCodeConflicts() {
    if (const QString warning = CodeConflictWarning(currentProject().Programs, language()); !warning.isEmpty())
        m_prompter.warn(warning);
}

// ---------------------------------------------------------------------------------------
// File commands

QString DocumentController::runFileDialog(QFileDialog &dialog) {
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (m_view.runDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void DocumentController::ResetPropertyDialog() {
    lazyDialog(PropertyDialog).ResetPropertyDialog();
}

void DocumentController::newProject() {
    AskSaveIfModified();
    ResetPropertyDialog();
    lazyDialog(PropertyDialog).setLanguage(language());
    if (m_view.runDialog(lazyDialog(PropertyDialog)) == QDialog::Accepted) {
        ClearProject();
        m_model.startNewProject(lazyDialog(PropertyDialog).group());
    }
    m_view.updateCommandState();
}

void DocumentController::openProject() {
    AskSaveIfModified();
    openChosenProject();
    m_view.updateCommandState();
}

void DocumentController::openPlayerBackup() {
    AskSaveIfModified();
    const QString folder = PlayerBackup::folder();
    QDir().mkpath(folder);
    openChosenProject(folder);
    m_view.updateCommandState();
}

void DocumentController::openChosenProject(const QString &folder) {
    QFileDialog dialog(&m_window, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ProjectFilter);
    if (const QString path = runFileDialog(dialog); !path.isEmpty())
        openProjectFile(path);
}

void DocumentController::saveProject() {
    if (const QString path = m_model.filePath(); !path.isEmpty() && QFile::exists(path)) {
        Notice error, warning;
        if (WriteProjectFile(path, currentProject(), &error, &warning)) {
            m_model.markSaved(path);
            if (!warning.isNull())
                m_prompter.warn(noticeText(warning, language()));
        } else
            m_prompter.warn(noticeText(error, language()));
        return;
    }
    saveProjectAs();
}

void DocumentController::saveProjectAs() {
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ProjectFilter);
    dialog.setDefaultSuffix(QStringLiteral("prg"));
    const QString path = runFileDialog(dialog);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    Notice error, warning;
    if (info.exists() && !info.isWritable())
        error = Notice(phrase("Notice", "\"%1\" was not saved: %2"))
                    .arg(path, Notice(phrase("Notice", "the file is read-only")));
    else if (WriteProjectFile(path, currentProject(), &error, &warning)) {
        m_model.markSaved(path);
        if (warning.isNull())
            return;
        error = warning;
    }
    m_prompter.warn(noticeText(error, language()));
}

void DocumentController::editProperties() {
    lazyDialog(PropertyDialog).setGroup(m_model.properties());
    lazyDialog(PropertyDialog).setLanguage(language());
    if (m_view.runDialog(lazyDialog(PropertyDialog)) != QDialog::Accepted)
        return;
    m_model.setProperties(lazyDialog(PropertyDialog).group());
}

void DocumentController::exportPlayerFile() {
    if (const QString warning = CodeZeroWarning(currentProject().Programs, language()); !warning.isEmpty())
        m_prompter.warn(warning);
    lazyDialog(ExportDirDialog).setLanguage(language());
    lazyDialog(ExportDirDialog).setPrompter(m_prompter);
    lazyDialog(ExportDirDialog).setDirectory(ExportPath);
    if (m_view.runDialog(lazyDialog(ExportDirDialog)) != QDialog::Accepted)
        return;
    ExportPath = lazyDialog(ExportDirDialog).directory();
    bool written = false;
    runOperation(ProgressDialog::ExportMode, [&] {
        written = exportRun();
        return quint8(0);
    });
    if (written)
        m_prompter.warn(translated(phrase("Messages", "Export in 'quillon.msg' file OK"), language()));
}

bool DocumentController::exportRun() {
    ProgressDialog &runner = *ProgressWindow;
    lazyDialog(VerificationWindow).setLines({});
    runner.prepareProgress(ProgressDialog::SlotRunMaximum);
    const QString programs = translated(phrase("Messages", "Program(s) : "), language());
    const QString to = translated(phrase("Messages", " to 255 "), language());
    ScheduleProgress progress;
    progress.slotDone = [&](int slot, int) { runner.stepProgress(programs + QString::number(slot) + to); };
    progress.finalizing = [&] {
        runner.showStatus(translated(phrase("Messages", "Finalization Step..."), language()));
    };
    QStringList log;
    Notice error;
    const bool written = ExportRun(currentProject(), ExportPath, m_clock, &error, &log, progress);
    lazyDialog(VerificationWindow).setLines(log);
    if (!written)
        m_prompter.warn(noticeText(error, language()));
    return written;
}

void DocumentController::importPlayerFile() {
    AskSaveIfModified();
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ImportFilter);
    dialog.setDirectory(ExportPath); // where the player's file was last written
    const QString path = runFileDialog(dialog);
    if (path.isEmpty())
        return;
    const ProjectModel::StepScope step(m_model, EditKind::Import);
    bool imported = false;
    QList<int> correctedSlots;
    runOperation(ProgressDialog::ImportMode, [&] {
        imported = importRun(path, correctedSlots);
        return quint8(0);
    });
    if (imported) {
        m_prompter.warn(translated(phrase("Messages", "Import from 'quillon.msg' file OK"), language()));
        const Notice corrected = CorrectedSlotsWarning(correctedSlots);
        if (!corrected.isNull())
            m_prompter.warn(noticeText(corrected, language()));
        warnOfCodeConflicts();
        m_model.selectFirst();
    }
    m_view.updateCommandState();
}

void DocumentController::exportTable() {
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(CsvFilter);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (const QFileInfo project(m_model.filePath()); !m_model.filePath().isEmpty())
        dialog.selectFile(project.path() + QLatin1Char('/') + project.completeBaseName() + QStringLiteral(".csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (m_view.runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    Notice error;
    if (!WriteCsvFile(dialog.selectedFiles().constFirst(), currentProject().Programs, &error))
        m_prompter.warn(noticeText(error, language()));
}

void DocumentController::importTable() {
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(CsvFilter);
    const QString path = runFileDialog(dialog);
    if (path.isEmpty())
        return;
    QList<Program> programs;
    Notice error;
    if (!ReadCsvFile(path, programs, &error)) {
        m_prompter.warn(noticeText(error, language()));
        return;
    }
    // The programs are replaced, as one step; the properties, the file and the save point stay.
    const ProjectModel::StepScope step(m_model, EditKind::ImportCsv);
    runOperation(ProgressDialog::ImportMode, [&] {
        m_model.replacePrograms(programs, runnerProgress(translated(phrase("Messages", "Open : "), language())));
        m_view.updateCommandState();
        return quint8(0);
    });
    m_prompter.warn(translated(phrase("Plan", "Import from CSV file OK"), language()));
    warnOfCodeConflicts();
    m_model.selectFirst();
    m_view.updateCommandState();
}

bool DocumentController::importRun(const QString &path, QList<int> &correctedSlots) {
    lazyDialog(VerificationWindow).setLines({});
    ScheduleImport imported;
    Notice error;
    if (!ImportRun(path, m_clock, imported, &error)) {
        m_prompter.warn(noticeText(error, language()));
        return false;
    }
    ResetPropertyDialog();
    m_model.clear(runnerProgress());
    // Every record becomes a program, in record order; the bar counts the 255 slots.
    ProgressDialog &runner = *ProgressWindow;
    runner.prepareProgress(ProgressDialog::SlotRunMaximum);
    const QString caption = translated(phrase("Messages", "Program(s) : "), language());
    const QString to = translated(phrase("Messages", " to 255 "), language());
    QList<Program> programs;
    for (int slot = 1, next = 0; slot <= SlotCount; ++slot) {
        for (; next < imported.Programs.size() && imported.Slots.value(next, SlotCount) == slot; ++next)
            programs.append(imported.Programs[next]);
        runner.stepProgress(caption + QString::number(slot) + to);
    }
    m_model.fill(programs, runnerProgress());
    m_view.updateCommandState();
    correctedSlots = imported.CorrectedSlots;
    return true;
}

// ---------------------------------------------------------------------------------------
// Program commands

void DocumentController::deleteSelectedProgram() {
    if (m_model.selected() >= 0 &&
        m_prompter.confirm(translated(phrase("Messages", "Do you want to delete the selected program?"), language())))
        m_model.deleteSelected();
    m_view.updateCommandState();
}

void DocumentController::copyProgram() {
    m_model.copySelected();
}

void DocumentController::cutProgram() {
    m_model.cutSelected();
    m_view.updateCommandState();
}

void DocumentController::pastePrograms() {
    m_model.paste();
}

void DocumentController::moveProgramUp() {
    m_model.moveSelectedUp();
    m_view.updateCommandState();
}

void DocumentController::moveProgramDown() {
    m_model.moveSelectedDown();
    m_view.updateCommandState();
}

void DocumentController::deleteColourGroup(int k) {
    if (m_model.selected() >= 0 &&
        m_prompter.confirm(translated(
            phrase("Messages", "Do you want to delete all programs that have the specified color?"), language()))) {
        runOperation(ProgressDialog::DeleteColorGroupMode, [&] {
            m_model.deleteColourGroup(k, runnerProgress());
            return quint8(0);
        });
    }
    m_view.updateCommandState();
}

// ---------------------------------------------------------------------------------------
// About window and web links

void DocumentController::showAbout() {
    lazyDialog(AboutWindow).setLanguage(language());
    m_view.runDialog(lazyDialog(AboutWindow));
}

void DocumentController::setUrlOpener(UrlOpener opener) {
    m_urlOpener = std::move(opener);
}

void DocumentController::openHomePage() {
    m_urlOpener(QUrl(MakerWebAddress.toString()));
}

void DocumentController::writeToSupport() {
    m_urlOpener(QUrl(QStringLiteral("mailto:%1?subject=%2&body=")
                         .arg(SupportEmailAddress.toString(), QStringLiteral("Subject : ORBEX Support Request"))));
}
