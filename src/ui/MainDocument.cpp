// The project document of the main window: save point and modified check, New, Open, Save,
// Save as, Properties, Export, Import, the program commands (delete, cut, copy, paste, move,
// delete a colour group), start-up and shut-down, the about window and the web links.
#include "Main.h"
#include "ProgramEditor.h"
#include "TileList.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/ScheduleFile.h"
#include "project/ProjectDocument.h"
#include "project/ProjectFile.h"
#include "text/text.h"
#include "ui/DirSelect.h"
#include "ui/Help.h"
#include "ui/ProgessBar.h"
#include "ui/ProjetProperty.h"
#include "ui/VerifTrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QUrl>

namespace {

const QString NewProjectName = QStringLiteral("New Project");
const QString ProjectFilter = QStringLiteral("Program (*.prg)");
const QString ImportFilter = QStringLiteral("fichier d'import Quillon (*.msg)");

// Runs FormActivate at the window's first activation and FormClose when it closes, without
// taking the window's own event handlers.
class DocumentEvents : public QObject {
public:
    explicit DocumentEvents(TForm1 &window)
        : QObject(&window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &m_window) {
            if (event->type() == QEvent::WindowActivate)
                m_window.FormActivate();
            else if (event->type() == QEvent::Close)
                m_window.FormClose();
        }
        return false;
    }

private:
    TForm1 &m_window;
};

} // namespace

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

TForm1::TForm1(Prompter &prompter, const Clock &clock, const SettingsLocation &settings, QWidget *parent)
    : TForm1(prompter, clock, parent) {
    m_settingsLocation = settings;
    readSettingsAtStart();
    // New tiles and the editor's texts take the language read; the window's own texts follow
    // at the first activation.
    m_tiles->setLanguage(CurrentLanguage);
    m_editor->setLanguage(CurrentLanguage);
}

void TForm1::createDocumentWindows() {
    ProjectPath.clear();
    ExportPath = executableDirectory(QCoreApplication::applicationFilePath());
    m_urlOpener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    VerificationWindow = new TOKBottomDlg(this);
    ProgressWindow = new TOKBottomDlg1(m_prompter, m_clock, this);
    ProgressWindow->setListWidget(m_tiles);
    AboutWindow = new TForm2(this);
    PropertyDialog = new TForm3(this);
    ExportDirDialog = new TOKBottomDlg2(this);
    installEventFilter(new DocumentEvents(*this));
    TakeSnapshot(); // the empty project, until the first activation takes its own
}

Settings TForm1::currentSettings() const {
    Settings s;
    s.CurrentLanguage = CurrentLanguage;
    s.SelectedPortName = SelectedPortName;
    s.ProjectPath = ProjectPath;
    s.ExportPath = ExportPath;
    s.IOOptionEnabled = IOOptionEnabled;
    s.EthernetOptionEnabled = EthernetOptionEnabled;
    s.PCRemoteMode = PCRemoteMode;
    return s;
}

void TForm1::readSettingsAtStart() {
    Settings s = currentSettings();
    QStringList captions;
    for (const QAction *item : std::as_const(PortItems))
        captions << item->text();
    QString error;
    m_settingsPath = LoadSettings(m_settingsLocation, s, captions, &error);
    if (m_settingsPath.isEmpty()) {
        m_prompter.warn(error);
        return;
    }
    CurrentLanguage = s.CurrentLanguage;
    for (QAction *item : {French1, English1, Espaol1, Deutsch1, Italian1})
        item->setChecked(false);
    (CurrentLanguage == French    ? French1
     : CurrentLanguage == Spanish ? Espaol1
     : CurrentLanguage == German  ? Deutsch1
     : CurrentLanguage == Italian ? Italian1
                                  : English1)
        ->setChecked(true);
    for (QAction *item : std::as_const(PortItems))
        if (item->text() == s.SelectedPortName)
            item->setChecked(true);
    SelectedPortName = s.SelectedPortName;
    ProjectPath = s.ProjectPath;
    ExportPath = s.ExportPath;
    IOOptionEnabled = s.IOOptionEnabled;
    IOOption1->setChecked(IOOptionEnabled);
    EthernetOptionEnabled = s.EthernetOptionEnabled;
    Ethernet1->setChecked(EthernetOptionEnabled);
    PCRemoteMode = s.PCRemoteMode;
}

void TForm1::FormActivate() {
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
    ApplyLanguage();
    UpdateCommandState();
    TakeSnapshot();
}

void TForm1::FormClose() {
    AskSaveIfModified();
    if (m_settingsPath.isEmpty())
        return;
    Settings s = currentSettings();
    QString error;
    const QString written = SaveSettings(m_settingsLocation, m_settingsPath, s, &error);
    if (written.isEmpty())
        m_prompter.warn(error);
    else
        m_settingsPath = written;
}

// ---------------------------------------------------------------------------------------
// Save point

bool TForm1::IsProjectModified() const {
    return ::IsProjectModified(currentProject(), SavedProject);
}

void TForm1::TakeSnapshot() {
    SavedProject = currentProject();
}

void TForm1::AskSaveIfModified() {
    if (!IsProjectModified())
        return;
    if (m_prompter.confirm(LanguageText(TextTable::MessageTexts, 5, CurrentLanguage)))
        Save1Click();
}

void TForm1::setCaption() {
    setWindowTitle(captionFor(ProjectGroup.ProjectName));
}

quint8 TForm1::runOperation(int mode, const std::function<quint8()> &work) {
    ProgressWindow->setLanguage(CurrentLanguage);
    ProgressWindow->setPortName(SelectedPortName);
    return ProgressWindow->run(mode, work);
}

// ---------------------------------------------------------------------------------------
// Clearing and filling

void TForm1::ClearProject() {
    runOperation(TOKBottomDlg1::ClearProjectMode, [this] {
        clearProjectRun();
        return quint8(0);
    });
}

void TForm1::RemoveCurrentProgram() {
    if (m_tiles->isEmpty())
        return;
    m_tiles->removeAt(qMax(0, m_tiles->currentIndex()));
    m_tiles->SetCurrentTile(0);
}

void TForm1::clearProjectRun() {
    TOKBottomDlg1 &runner = *ProgressWindow;
    const int total = m_tiles->count();
    runner.prepareProgress(total);
    const QString step = LanguageText(TextTable::MessageTexts, 13, CurrentLanguage);
    const QString to = LanguageText(TextTable::MessageTexts, 11, CurrentLanguage) + QString::number(total);
    while (!m_tiles->isEmpty()) {
        RemoveCurrentProgram();
        runner.stepProgress(step + QString::number(m_tiles->count()) + to);
    }
    m_tiles->RestackTiles();
    ProjectGroup = TORBEXGroup();
    ProjectGroup.ProjectName = NewProjectName;
    ProjectPath.clear();
    setCaption();
    TakeSnapshot();
}

// Appends each program as a new one and overwrites it. With `bySlot` the caption counts the
// 255 slots, the programs being in ascending slot order; otherwise it counts the programs.
void TForm1::fillPrograms(const QList<TORBEXProg> &programs, bool bySlot, const QString &captionStart, int total) {
    TOKBottomDlg1 &runner = *ProgressWindow;
    runner.prepareProgress(total);
    const QString to = LanguageText(TextTable::MessageTexts, bySlot ? 3 : 11, CurrentLanguage);
    auto add = [this](const TORBEXProg &program) { m_tiles->appendProgram(program); };
    if (!bySlot) {
        for (int i = 0; i < programs.size() && m_tiles->count() < SlotCount; ++i) {
            add(programs[i]);
            runner.stepProgress(captionStart + QString::number(i + 1) + to + QString::number(total));
        }
    } else {
        qsizetype next = 0;
        for (int slot = 1; slot <= SlotCount; ++slot) {
            while (next < programs.size() && programs[next].Inputs == slot) {
                if (m_tiles->count() < SlotCount)
                    add(programs[next]);
                ++next;
            }
            runner.stepProgress(captionStart + QString::number(slot) + to);
        }
    }
    runner.showStatus(LanguageText(TextTable::MessageTexts, 4, CurrentLanguage));
    m_tiles->RestackTiles();
    m_tiles->scrollToCurrent();
    ShowSelectedProgram();
    UpdateCommandState();
}

bool TForm1::readProjectRun(const QString &path) {
    Project read;
    QString error;
    if (!ReadProjectFile(path, read, &error)) {
        m_prompter.warn(error);
        return false;
    }
    clearProjectRun();
    ProjectGroup = read.Group;
    ProjectPath = path;
    fillPrograms(read.Programs, false, LanguageText(TextTable::MessageTexts, 12, CurrentLanguage),
                 int(read.Programs.size()));
    setCaption();
    TakeSnapshot();
    return true;
}

bool TForm1::openProjectFile(const QString &path) {
    bool read = false;
    // A copy: `path` may be ProjectPath itself, which clearing the project empties.
    runOperation(TOKBottomDlg1::ReadProjectMode, [&, file = path] {
        read = readProjectRun(file);
        return quint8(0);
    });
    if (read)
        SelectFirstProgram();
    return read;
}

// ---------------------------------------------------------------------------------------
// File commands

QString TForm1::runFileDialog(QFileDialog &dialog) {
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (runDialog(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void TForm1::ResetPropertyDialog() {
    PropertyDialog->ResetPropertyDialog();
}

void TForm1::New2Click() {
    AskSaveIfModified();
    ResetPropertyDialog();
    PropertyDialog->Language = CurrentLanguage;
    if (runDialog(*PropertyDialog) == QDialog::Accepted) {
        ClearProject();
        ProjectGroup = PropertyDialog->group();
        setCaption();
        TakeSnapshot();
    }
    UpdateCommandState();
}

void TForm1::Open1Click() {
    AskSaveIfModified();
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ProjectFilter);
    const QString path = runFileDialog(dialog);
    if (!path.isEmpty())
        openProjectFile(path);
    UpdateCommandState();
}

void TForm1::Save1Click() {
    if (!ProjectPath.isEmpty() && QFile::exists(ProjectPath)) {
        QString error;
        if (WriteProjectFile(ProjectPath, currentProject(), &error))
            TakeSnapshot();
        else
            m_prompter.warn(error);
        return;
    }
    SaveAs1Click();
}

void TForm1::SaveAs1Click() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ProjectFilter);
    dialog.setDefaultSuffix(QStringLiteral("prg"));
    const QString path = runFileDialog(dialog);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    QString error;
    if (info.exists() && !info.isWritable())
        error = QStringLiteral("\"%1\" was not saved: the file is read-only").arg(path);
    else if (WriteProjectFile(path, currentProject(), &error)) {
        ProjectPath = path;
        TakeSnapshot();
        return;
    }
    m_prompter.warn(error);
}

void TForm1::Property1Click() {
    PropertyDialog->setGroup(ProjectGroup);
    PropertyDialog->Language = CurrentLanguage;
    if (runDialog(*PropertyDialog) != QDialog::Accepted)
        return;
    ProjectGroup = PropertyDialog->group();
    setCaption();
}

void TForm1::Export1Click() {
    ExportDirDialog->Language = CurrentLanguage;
    ExportDirDialog->setDirectory(ExportPath);
    if (runDialog(*ExportDirDialog) != QDialog::Accepted)
        return;
    ExportPath = ExportDirDialog->directory();
    bool written = false;
    runOperation(TOKBottomDlg1::ExportMode, [&] {
        written = exportRun();
        return quint8(0);
    });
    if (written)
        m_prompter.warn(LanguageText(TextTable::MessageTexts, 10, CurrentLanguage));
}

bool TForm1::exportRun() {
    TOKBottomDlg1 &runner = *ProgressWindow;
    VerificationWindow->setLines({});
    runner.prepareProgress(TOKBottomDlg1::SlotRunMaximum);
    const QString programs = LanguageText(TextTable::MessageTexts, 2, CurrentLanguage);
    const QString to = LanguageText(TextTable::MessageTexts, 3, CurrentLanguage);
    ScheduleProgress progress;
    progress.slotDone = [&](int slot, int) { runner.stepProgress(programs + QString::number(slot) + to); };
    progress.finalizing = [&] { runner.showStatus(LanguageText(TextTable::MessageTexts, 4, CurrentLanguage)); };
    QStringList log;
    QString error;
    const bool written = ExportRun(currentProject(), ExportPath, m_clock, &error, &log, progress);
    VerificationWindow->setLines(log);
    if (!written)
        m_prompter.warn(error);
    return written;
}

void TForm1::Import1Click() {
    AskSaveIfModified();
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ImportFilter);
    const QString path = runFileDialog(dialog);
    if (path.isEmpty())
        return;
    bool imported = false;
    QList<int> correctedSlots;
    runOperation(TOKBottomDlg1::ImportMode, [&] {
        imported = importRun(path, correctedSlots);
        return quint8(0);
    });
    if (imported) {
        m_prompter.warn(LanguageText(TextTable::MessageTexts, 14, CurrentLanguage));
        const QString corrected = CorrectedSlotsWarning(correctedSlots);
        if (!corrected.isEmpty())
            m_prompter.warn(corrected);
        SelectFirstProgram();
    }
    UpdateCommandState();
}

bool TForm1::importRun(const QString &path, QList<int> &correctedSlots) {
    VerificationWindow->setLines({});
    ScheduleImport imported;
    QString error;
    if (!ImportRun(path, m_clock, imported, &error)) {
        m_prompter.warn(error);
        return false;
    }
    ResetPropertyDialog();
    clearProjectRun();
    fillPrograms(imported.Programs, true, LanguageText(TextTable::MessageTexts, 2, CurrentLanguage),
                 TOKBottomDlg1::SlotRunMaximum);
    correctedSlots = imported.CorrectedSlots;
    ShowSelectedProgram();
    return true;
}

// ---------------------------------------------------------------------------------------
// Program commands

void TForm1::DeleteCurrentProgram() {
    m_tiles->DeleteCurrentProgram();
}

void TForm1::SpeedButton2Click() {
    if (m_tiles->hasCurrent() && m_prompter.confirm(LanguageText(TextTable::MessageTexts, 0, CurrentLanguage))) {
        DeleteCurrentProgram();
        if (m_tiles->hasCurrent()) {
            SelectProgramAt(m_tiles->currentIndex());
            m_tiles->refreshCurrent();
            m_tiles->scrollToCurrent();
        }
        ShowSelectedProgram();
    }
    UpdateCommandState();
}

void TForm1::CopySelectedProgram() {
    const TORBEXProg *selected = m_tiles->currentProgram(); // the highlighted one
    if (!selected)
        return;
    ProgramClipboard = {ClipboardRecord(*selected, m_clock.now())};
    UpdateCommandState();
}

void TForm1::Copier1Click() {
    CopySelectedProgram();
}

void TForm1::DeleteSelectedProgram() {
    if (m_tiles->hasCurrent()) {
        DeleteCurrentProgram();
        m_tiles->refreshCurrent();
        m_tiles->scrollToCurrent();
        ShowSelectedProgram();
    }
    UpdateCommandState();
}

void TForm1::Couper1Click() {
    CopySelectedProgram();
    DeleteSelectedProgram();
}

void TForm1::PasteClipboard() {
    for (const TORBEXProg &record : std::as_const(ProgramClipboard)) {
        if (m_tiles->count() >= SlotCount)
            continue;
        SpeedButton1Click();
        TORBEXProg pasted = *m_tiles->currentProgram();
        CopyProgramContent(record, pasted);
        m_tiles->setProgram(m_tiles->currentIndex(), pasted);
        m_tiles->scrollToCurrent();
        ShowSelectedProgram();
        UpdateCommandState();
    }
}

void TForm1::Coller1Click() {
    PasteClipboard();
}

void TForm1::MoveProgramUp1Click() {
    m_tiles->moveCurrentUp();
    UpdateCommandState();
}

void TForm1::MoveProgramDown1Click() {
    m_tiles->moveCurrentDown();
    UpdateCommandState();
}

void TForm1::ColorGroup27Click(int k) {
    if (m_tiles->hasCurrent() && m_prompter.confirm(LanguageText(TextTable::MessageTexts, 15, CurrentLanguage))) {
        ColorGroupToDelete = k;
        runOperation(TOKBottomDlg1::DeleteColorGroupMode, [this] {
            DeleteColorGroup();
            return quint8(0);
        });
    }
    UpdateCommandState();
}

void TForm1::DeleteColorGroup() {
    TOKBottomDlg1 &runner = *ProgressWindow;
    const quint32 color = ProgramColors[std::size_t(qBound(1, ColorGroupToDelete, ProgramColorCount))];
    QList<TORBEXProg> programs = currentProject().Programs;
    const int count = CountProgramsOfColor(programs, color);
    runner.prepareProgress(count);
    const QString step = LanguageText(TextTable::MessageTexts, 13, CurrentLanguage);
    const QString to = LanguageText(TextTable::MessageTexts, 11, CurrentLanguage) + QString::number(count);
    for (int s = 1; s <= count; ++s) {
        if (!m_tiles->isEmpty()) {
            const int p = LastProgramOfColor(programs, color);
            programs.removeAt(p - 1);
            m_tiles->removeAt(p - 1);
        }
        runner.stepProgress(step + QString::number(s) + to);
    }
    m_tiles->SetCurrentTile(0);
    m_tiles->RestackTiles();
    if (m_tiles->hasCurrent()) {
        SelectProgramAt(m_tiles->currentIndex());
        m_tiles->refreshCurrent();
        m_tiles->scrollToCurrent();
    }
    ShowSelectedProgram();
}

// ---------------------------------------------------------------------------------------
// About window and web links

void TForm1::About1Click() {
    AboutWindow->Language = CurrentLanguage;
    runDialog(*AboutWindow);
}

void TForm1::setUrlOpener(UrlOpener opener) {
    m_urlOpener = std::move(opener);
}

void TForm1::HomePage1Click() {
    m_urlOpener(QUrl(MakerWebAddress.toString()));
}

void TForm1::SendEmailToSupport1Click() {
    m_urlOpener(QUrl(QStringLiteral("mailto:%1?subject=%2&body=")
                         .arg(SupportEmailAddress.toString(), QStringLiteral("Subject : ORBEX Support Request"))));
}
