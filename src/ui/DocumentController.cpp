// The project document of the main window: save point and modified check, New, Open, Save,
// Save as, Properties, Export, Import, the program commands (delete, cut, copy, paste, move,
// delete a colour group), start-up and shut-down, the about window and the web links.
#include "DocumentController.h"

#include "CommandWindow.h"
#include "ProjectHistory.h"
#include "TileList.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ScheduleFile.h"
#include "project/CsvFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectRules.h"
#include "project/ScheduleCheck.h"
#include "text/LanguageTables.h"
#include "ui/AboutDialog.h"
#include "ui/ExportFolderDialog.h"
#include "ui/ExportLogDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/ProjectPropertiesDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString NewProjectName = QStringLiteral("New Project");
const QString ProjectFilter = QStringLiteral("Program (*.prg)");
const QString ImportFilter = QStringLiteral("fichier d'import Quillon (*.msg)");
const QString CsvFilter = QStringLiteral("CSV (*.csv)");

// Runs FormActivate at the window's first activation and FormClose when it closes, without
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
                m_document.FormActivate();
            else if (event->type() == QEvent::Close)
                m_document.FormClose();
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

DocumentController::DocumentController(QWidget &window, CommandWindow &view, TileList &tiles, Prompter &prompter,
                                       const Clock &clock)
    : QObject(&window)
    , m_window(window)
    , m_view(view)
    , m_tiles(tiles)
    , m_prompter(prompter)
    , m_clock(clock) {
    ProjectGroup.ProjectName = NewProjectName;
    ExportPath = DefaultExportFolder(QCoreApplication::applicationFilePath());
    m_urlOpener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    ProgressWindow = new ProgressDialog(m_prompter, m_clock, &window);
    ProgressWindow->setListWidget(&m_tiles);
    window.installEventFilter(new DocumentEvents(window, *this));
    m_history = new ProjectHistory(*this, tiles, view, this);
    setCaption();
    TakeSnapshot(); // the empty project, until the first activation takes its own
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
    s.ProjectPath = ProjectPath;
    s.ExportPath = ExportPath;
    QString error;
    m_settingsPath = LoadSettings(m_settingsLocation, s, portCaptions, &error, created);
    if (m_settingsPath.isEmpty()) {
        m_prompter.warn(error);
        return std::nullopt;
    }
    ProjectPath = s.ProjectPath;
    ExportPath = s.ExportPath;
    return s;
}

void DocumentController::FormActivate() {
    if (!m_firstActivation)
        return;
    if (ProgressWindow->isVisible()) {
        // Activated while an operation runs: the start-up steps follow once it has ended.
        connect(
            ProgressWindow, &QDialog::finished, this, [this] { FormActivate(); },
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    m_firstActivation = false;
    if (!ProjectPath.isEmpty() && QFile::exists(ProjectPath)) {
        // A last project that no longer reads is not the empty project's file.
        if (!openProjectFile(ProjectPath))
            ProjectPath.clear();
    }
    m_view.applyLanguage();
    m_view.updateCommandState();
    TakeSnapshot();
}

void DocumentController::FormClose() {
    AskSaveIfModified();
    if (m_settingsPath.isEmpty())
        return;
    Settings s = m_view.windowSettings();
    s.ProjectPath = ProjectPath;
    s.ExportPath = ExportPath;
    QString error;
    const QString written = SaveSettings(m_settingsLocation, m_settingsPath, s, &error);
    if (written.isEmpty())
        m_prompter.warn(error);
    else
        m_settingsPath = written;
}

// ---------------------------------------------------------------------------------------
// The project

Project DocumentController::currentProject() const {
    Project project;
    project.Properties = ProjectGroup;
    project.Programs = m_tiles.programs();
    return project;
}

void DocumentController::setProjectName(const QString &name) {
    ProjectGroup.ProjectName = name;
}

void DocumentController::loadPrograms(const QList<Program> &programs) {
    m_history->record(HistoryStep::NewProgram, [&] {
        for (const Program &program : programs) {
            if (m_tiles.count() >= SlotCount)
                break;
            m_view.newProgram();
            m_tiles.setProgram(m_tiles.currentIndex(), program);
        }
        m_view.showSelectedProgram();
    });
}

DocumentController::FileState DocumentController::fileState() const {
    return {ProjectPath, SavedProject, m_window.windowTitle()};
}

void DocumentController::setFileState(const FileState &state) {
    ProjectPath = state.path;
    SavedProject = state.saved;
    m_window.setWindowTitle(state.caption);
}

// ---------------------------------------------------------------------------------------
// Save point

bool DocumentController::IsProjectModified() const {
    return ::IsProjectModified(currentProject(), SavedProject);
}

void DocumentController::TakeSnapshot() {
    SavedProject = currentProject();
}

void DocumentController::AskSaveIfModified() {
    if (!IsProjectModified())
        return;
    if (m_prompter.confirm(LanguageText(MessageRow::SaveQuestion, language())))
        saveProject();
}

void DocumentController::setCaption() {
    m_window.setWindowTitle(captionFor(ProjectGroup.ProjectName));
}

quint8 DocumentController::runOperation(int mode, const std::function<quint8()> &work) {
    ProgressWindow->setLanguage(language());
    ProgressWindow->setPortName(m_view.portName());
    const ProjectHistory::Busy busy(*m_history);
    return ProgressWindow->run(mode, work);
}

// ---------------------------------------------------------------------------------------
// Clearing and filling

void DocumentController::ClearProject() {
    runOperation(ProgressDialog::ClearProjectMode, [this] {
        clearProjectRun();
        return quint8(0);
    });
}

void DocumentController::RemoveCurrentProgram() {
    if (m_tiles.isEmpty())
        return;
    m_tiles.removeAt(qMax(0, m_tiles.currentIndex()));
    m_tiles.SetCurrentTile(0);
}

void DocumentController::clearProjectRun() {
    ProgressDialog &runner = *ProgressWindow;
    const int total = m_tiles.count();
    runner.prepareProgress(total);
    const QString step = LanguageText(MessageRow::ProgressDelete, language());
    const QString to = LanguageText(MessageRow::ProgressTo, language()) + QString::number(total);
    while (!m_tiles.isEmpty()) {
        RemoveCurrentProgram();
        runner.stepProgress(step + QString::number(m_tiles.count()) + to);
    }
    m_tiles.RestackTiles();
    ProjectGroup = ProjectProperties();
    ProjectGroup.ProjectName = NewProjectName;
    ProjectPath.clear();
    setCaption();
    TakeSnapshot();
}

// Appends each program as a new one and overwrites it, in the order given, up to 255. With a
// caption the bar steps once per program ("<caption><n> to <total>"); without one the caller
// has stepped it already.
void DocumentController::fillPrograms(const QList<Program> &programs, const QString &captionStart, int total) {
    ProgressDialog &runner = *ProgressWindow;
    if (!captionStart.isEmpty())
        runner.prepareProgress(total);
    const QString to = LanguageText(MessageRow::ProgressTo, language());
    for (int i = 0; i < programs.size() && m_tiles.count() < SlotCount; ++i) {
        m_tiles.appendProgram(programs[i]);
        if (!captionStart.isEmpty())
            runner.stepProgress(captionStart + QString::number(i + 1) + to + QString::number(total));
    }
    runner.showStatus(LanguageText(MessageRow::Finalization, language()));
    m_tiles.RestackTiles();
    m_tiles.scrollToCurrent();
    m_view.showSelectedProgram();
    m_view.updateCommandState();
}

bool DocumentController::readProjectRun(const QString &path) {
    Project read;
    QString error;
    if (!ReadProjectFile(path, read, &error)) {
        m_prompter.warn(error);
        return false;
    }
    clearProjectRun();
    ProjectGroup = read.Properties;
    ProjectPath = path;
    fillPrograms(read.Programs, LanguageText(MessageRow::ProgressOpen, language()), int(read.Programs.size()));
    setCaption(); // the name of the project read, not the cleared project's "New Project"
    TakeSnapshot();
    m_history->clear(); // a project opened starts its own history
    return true;
}

bool DocumentController::openProjectFile(const QString &path) {
    bool read = false;
    // A copy: `path` may be ProjectPath itself, which clearing the project empties.
    runOperation(ProgressDialog::ReadProjectMode, [&, file = path] {
        read = readProjectRun(file);
        return quint8(0);
    });
    if (read) {
        m_tiles.SelectFirstProgram();
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
        ProjectGroup = lazyDialog(PropertyDialog).group();
        setCaption();
        TakeSnapshot();
        m_history->clear();
    }
    m_view.updateCommandState();
}

void DocumentController::openProject() {
    AskSaveIfModified();
    openChosenProject();
    m_view.updateCommandState();
}

void DocumentController::openChosenProject() {
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ProjectFilter);
    if (const QString path = runFileDialog(dialog); !path.isEmpty())
        openProjectFile(path);
}

void DocumentController::saveProject() {
    if (!ProjectPath.isEmpty() && QFile::exists(ProjectPath)) {
        QString error, warning;
        if (WriteProjectFile(ProjectPath, currentProject(), &error, &warning)) {
            TakeSnapshot();
            m_history->saved();
            if (!warning.isEmpty())
                m_prompter.warn(warning);
        } else
            m_prompter.warn(error);
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
    QString error, warning;
    if (info.exists() && !info.isWritable())
        error = NoticeText(NoticeRow::NotSaved).arg(path, NoticeText(NoticeRow::ReadOnly));
    else if (WriteProjectFile(path, currentProject(), &error, &warning)) {
        ProjectPath = path;
        TakeSnapshot();
        m_history->saved();
        if (warning.isEmpty())
            return;
        error = warning;
    }
    m_prompter.warn(error);
}

void DocumentController::editProperties() {
    lazyDialog(PropertyDialog).setGroup(ProjectGroup);
    lazyDialog(PropertyDialog).setLanguage(language());
    if (m_view.runDialog(lazyDialog(PropertyDialog)) != QDialog::Accepted)
        return;
    m_history->record(HistoryStep::Properties, [this] {
        ProjectGroup = lazyDialog(PropertyDialog).group();
        setCaption();
    });
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
        m_prompter.warn(LanguageText(MessageRow::ExportDone, language()));
}

bool DocumentController::exportRun() {
    ProgressDialog &runner = *ProgressWindow;
    lazyDialog(VerificationWindow).setLines({});
    runner.prepareProgress(ProgressDialog::SlotRunMaximum);
    const QString programs = LanguageText(MessageRow::ProgressPrograms, language());
    const QString to = LanguageText(MessageRow::ProgressToLastSlot, language());
    ScheduleProgress progress;
    progress.slotDone = [&](int slot, int) { runner.stepProgress(programs + QString::number(slot) + to); };
    progress.finalizing = [&] { runner.showStatus(LanguageText(MessageRow::Finalization, language())); };
    QStringList log;
    QString error;
    const bool written = ExportRun(currentProject(), ExportPath, m_clock, &error, &log, progress);
    lazyDialog(VerificationWindow).setLines(log);
    if (!written)
        m_prompter.warn(error);
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
    const ProjectHistory::Recording step(*m_history, HistoryStep::Import);
    bool imported = false;
    QList<int> correctedSlots;
    runOperation(ProgressDialog::ImportMode, [&] {
        imported = importRun(path, correctedSlots);
        return quint8(0);
    });
    if (imported) {
        m_prompter.warn(LanguageText(MessageRow::ImportDone, language()));
        const QString corrected = CorrectedSlotsWarning(correctedSlots);
        if (!corrected.isEmpty())
            m_prompter.warn(corrected);
        warnOfCodeConflicts();
        m_tiles.SelectFirstProgram();
    }
    m_view.updateCommandState();
}

void DocumentController::exportTable() {
    QFileDialog dialog(&m_window);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(CsvFilter);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (!ProjectPath.isEmpty())
        dialog.selectFile(QFileInfo(ProjectPath).path() + QLatin1Char('/') + QFileInfo(ProjectPath).completeBaseName() +
                          QStringLiteral(".csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (m_view.runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString error;
    if (!WriteCsvFile(dialog.selectedFiles().constFirst(), currentProject().Programs, &error))
        m_prompter.warn(error);
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
    QString error;
    if (!ReadCsvFile(path, programs, &error)) {
        m_prompter.warn(error);
        return;
    }
    // The programs are replaced, as one step; the properties, the file and the save point stay.
    const ProjectHistory::Recording step(*m_history, HistoryStep::ImportCsv);
    const ProjectProperties group = ProjectGroup;
    const QString file = ProjectPath;
    const Project saved = SavedProject;
    runOperation(ProgressDialog::ImportMode, [&] {
        clearProjectRun();
        ProjectGroup = group;
        ProjectPath = file;
        SavedProject = saved;
        setCaption();
        fillPrograms(programs, LanguageText(MessageRow::ProgressOpen, language()), int(programs.size()));
        return quint8(0);
    });
    m_prompter.warn(LanguageText(PlanRow::CsvImportDone, language()));
    warnOfCodeConflicts();
    m_tiles.SelectFirstProgram();
    m_view.updateCommandState();
}

bool DocumentController::importRun(const QString &path, QList<int> &correctedSlots) {
    lazyDialog(VerificationWindow).setLines({});
    ScheduleImport imported;
    QString error;
    if (!ImportRun(path, m_clock, imported, &error)) {
        m_prompter.warn(error);
        return false;
    }
    ResetPropertyDialog();
    clearProjectRun();
    // Every record becomes a program, in record order; the bar counts the 255 slots.
    ProgressDialog &runner = *ProgressWindow;
    runner.prepareProgress(ProgressDialog::SlotRunMaximum);
    const QString caption = LanguageText(MessageRow::ProgressPrograms, language());
    const QString to = LanguageText(MessageRow::ProgressToLastSlot, language());
    QList<Program> programs;
    for (int slot = 1, next = 0; slot <= SlotCount; ++slot) {
        for (; next < imported.Programs.size() && imported.Slots.value(next, SlotCount) == slot; ++next)
            programs.append(imported.Programs[next]);
        runner.stepProgress(caption + QString::number(slot) + to);
    }
    fillPrograms(programs, {}, 0);
    correctedSlots = imported.CorrectedSlots;
    m_view.showSelectedProgram();
    return true;
}

// ---------------------------------------------------------------------------------------
// Program commands

void DocumentController::DeleteCurrentProgram() {
    m_tiles.DeleteCurrentProgram();
}

void DocumentController::deleteSelectedProgram() {
    if (m_tiles.hasCurrent() && m_prompter.confirm(LanguageText(MessageRow::DeleteProgramQuestion, language()))) {
        m_history->record(HistoryStep::DeleteProgram, [this] {
            DeleteCurrentProgram();
            if (m_tiles.hasCurrent()) {
                m_tiles.SelectProgramAt(m_tiles.currentIndex());
                m_tiles.refreshCurrent();
                m_tiles.scrollToCurrent();
            }
            m_view.showSelectedProgram();
        });
    }
    m_view.updateCommandState();
}

void DocumentController::CopySelectedProgram() {
    const Program *selected = m_tiles.currentProgram(); // the highlighted one
    if (!selected)
        return;
    ProgramClipboard = {ClipboardRecord(*selected, m_clock.now())};
    m_view.updateCommandState();
}

void DocumentController::copyProgram() {
    CopySelectedProgram();
}

void DocumentController::DeleteSelectedProgram() {
    if (m_tiles.hasCurrent()) {
        DeleteCurrentProgram();
        m_tiles.refreshCurrent();
        m_tiles.scrollToCurrent();
        m_view.showSelectedProgram();
    }
    m_view.updateCommandState();
}

void DocumentController::cutProgram() {
    CopySelectedProgram();
    m_history->record(HistoryStep::Cut, [this] { DeleteSelectedProgram(); });
}

void DocumentController::PasteClipboard() {
    for (const Program &record : std::as_const(ProgramClipboard)) {
        if (m_tiles.count() >= SlotCount)
            continue;
        m_view.newProgram();
        Program pasted = *m_tiles.currentProgram();
        CopyProgramContent(record, pasted);
        m_tiles.setProgram(m_tiles.currentIndex(), pasted);
        m_tiles.scrollToCurrent();
        m_view.showSelectedProgram();
        m_view.updateCommandState();
    }
}

void DocumentController::pastePrograms() {
    m_history->record(HistoryStep::Paste, [this] { PasteClipboard(); });
}

void DocumentController::moveProgramUp() {
    m_history->record(HistoryStep::MoveUp, [this] { m_tiles.moveCurrentUp(); });
    m_view.updateCommandState();
}

void DocumentController::moveProgramDown() {
    m_history->record(HistoryStep::MoveDown, [this] { m_tiles.moveCurrentDown(); });
    m_view.updateCommandState();
}

void DocumentController::deleteColourGroup(int k) {
    if (m_tiles.hasCurrent() && m_prompter.confirm(LanguageText(MessageRow::DeleteColorGroupQuestion, language()))) {
        ColorGroupToDelete = k;
        m_history->record(HistoryStep::DeleteColorGroup, [this] {
            runOperation(ProgressDialog::DeleteColorGroupMode, [this] {
                DeleteColorGroup();
                return quint8(0);
            });
        });
    }
    m_view.updateCommandState();
}

void DocumentController::DeleteColorGroup() {
    ProgressDialog &runner = *ProgressWindow;
    const quint32 color = ProgramColors[std::size_t(qBound(1, ColorGroupToDelete, ProgramColorCount))];
    QList<Program> programs = currentProject().Programs;
    const int count = CountProgramsOfColor(programs, color);
    runner.prepareProgress(count);
    const QString step = LanguageText(MessageRow::ProgressDelete, language());
    const QString to = LanguageText(MessageRow::ProgressTo, language()) + QString::number(count);
    for (int s = 1; s <= count; ++s) {
        if (!m_tiles.isEmpty()) {
            const int p = LastProgramOfColor(programs, color);
            programs.removeAt(p - 1);
            m_tiles.removeAt(p - 1);
        }
        runner.stepProgress(step + QString::number(s) + to);
    }
    m_tiles.SetCurrentTile(0);
    m_tiles.RestackTiles();
    if (m_tiles.hasCurrent()) {
        m_tiles.SelectProgramAt(m_tiles.currentIndex());
        m_tiles.refreshCurrent();
        m_tiles.scrollToCurrent();
    }
    m_view.showSelectedProgram();
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
