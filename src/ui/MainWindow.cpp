#include "MainWindow.h"

#include "ChoiceGrid.h"
#include "DocumentController.h"
#include "Icons.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ProgramTile.h"
#include "ProjectHistory.h"
#include "TileList.h"
#include "model/ActionList.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectStep.h"
#include "text/LanguageTables.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

MainWindow::MainWindow(Prompter &prompter, const Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_clock(clock)
    , m_dialogRunner([](QDialog &dialog) { return dialog.exec(); })
    , CurrentLanguage(::DefaultLanguage(QLocale::system()))
    , m_tiles(new TileList(clock, CurrentLanguage))
    , m_editor(new ProgramEditor(
          clock, [this](QDialog &dialog) { return runDialog(dialog); },
          [tiles = m_tiles] {
              QList<quint8> codes;
              for (int i = 0; i < tiles->count(); ++i)
                  codes.append(tiles->program(i).Code);
              return codes;
          },
          CurrentLanguage)) {
    // A selection shows its program; an edit goes into the list.
    connect(m_tiles, &TileList::selectionChanged, this, [this] {
        m_document->history().closeTyping();
        ShowSelectedProgram();
        leaveNoFocus();
        UpdateCommandState();
    });
    connect(m_editor, &ProgramEditor::programEdited, this, &MainWindow::programEdited);
    m_document = new DocumentController(*this, *this, *m_tiles, prompter, clock);
    m_player = new PlayerCommands(*this, *this, *m_document, *m_tiles, prompter, clock);
    createToolBar();
    createMenus();
    addPlayerBackupItems();
    connect(&m_document->history(), &ProjectHistory::changed, this, &MainWindow::updateHistoryCommands);
    updateHistoryCommands();
    createCentralArea();
    // Listing the ports takes longer than drawing the window: "(None)" until the first frame.
    setPortNames({});
    m_portsListed = false;
    createScheduleCheck();
    applyHints();
    nameWidgets();

    resize(987, 648);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::MainWindow(Prompter &prompter, const Clock &clock, const SettingsLocation &settings, QWidget *parent)
    : MainWindow(prompter, clock, parent) {
    // The stored port is kept as written until the ports are listed; a new settings file holds
    // "(None)" until then, and the first port is checked once they are.
    bool created = false;
    if (const std::optional<Settings> read = m_document->readSettingsAtStart(settings, {}, &created)) {
        applySettings(*read);
        if (created)
            m_startPort.reset();
    }
    // The first frame shows the language read (the first activation relabels once more).
    ApplyLanguage();
}

MainWindow::~MainWindow() = default;

Settings MainWindow::windowSettings() const {
    Settings s;
    s.CurrentLanguage = CurrentLanguage;
    s.SelectedPortName = m_portsListed ? SelectedPortName : m_startPort.value_or(QStringLiteral("(None)"));
    s.IOOptionEnabled = IOOptionEnabled;
    s.EthernetOptionEnabled = EthernetOptionEnabled;
    s.PCRemoteMode = m_player->PCRemoteMode();
    s.BackupBeforeTransmit = m_player->backupBeforeTransmit();
    return s;
}

// File > Open Player Backup... and Options > Backup Before Transmit, after the menus.
void MainWindow::addPlayerBackupItems() {
    QAction *open = new QAction(QStringLiteral("Open Player Backup..."), this);
    open->setObjectName(QStringLiteral("OpenPlayerBackup1"));
    File1->insertAction(Export1, open);
    connect(open, &QAction::triggered, m_player, &PlayerCommands::openPlayerBackup);
    BackupBeforeTransmit1 = new QAction(QStringLiteral("Backup Before Transmit"), this);
    BackupBeforeTransmit1->setObjectName(QStringLiteral("BackupBeforeTransmit1"));
    BackupBeforeTransmit1->setCheckable(true);
    BackupBeforeTransmit1->setChecked(m_player->backupBeforeTransmit());
    Options1->addAction(BackupBeforeTransmit1);
    connect(BackupBeforeTransmit1, &QAction::toggled, m_player, &PlayerCommands::setBackupBeforeTransmit);
}

void MainWindow::applySettings(const Settings &s) {
    CurrentLanguage = s.CurrentLanguage;
    languageItem(CurrentLanguage)->setChecked(true); // the items are one exclusive group
    m_startPort = s.SelectedPortName;
    IOOptionEnabled = s.IOOptionEnabled;
    IOOption1->setChecked(IOOptionEnabled);
    EthernetOptionEnabled = s.EthernetOptionEnabled;
    Ethernet1->setChecked(EthernetOptionEnabled);
    m_player->setPCRemoteMode(s.PCRemoteMode);
    BackupBeforeTransmit1->setChecked(s.BackupBeforeTransmit);
}

const QIcon &MainWindow::icon(const QString &name) {
    auto it = m_icons.find(name);
    if (it == m_icons.end())
        it = m_icons.insert(name, Icons::icon(name));
    return *it;
}

void MainWindow::setDialogRunner(DialogRunner runner) {
    m_dialogRunner = std::move(runner);
}

int MainWindow::runDialog(QDialog &dialog) {
    return m_dialogRunner(dialog);
}

// ---------------------------------------------------------------------------------------
// Layout

QToolButton *MainWindow::addToolButton(const QString &iconName) {
    auto *button = new QToolButton(ToolBar1);
    button->setAutoRaise(true);
    button->setFixedSize(40, 34);
    button->setIconSize(QSize(24, 24));
    button->setIcon(icon(iconName));
    button->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addWidget(button);
    return button;
}

void MainWindow::createToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setFixedHeight(36);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->layout()->setSpacing(0);
    ToolBar1->layout()->setContentsMargins(0, 1, 0, 1);
    ToolBar1->toggleViewAction()->setVisible(false);
    auto gap = [this] {
        auto *spacer = new QWidget(ToolBar1);
        spacer->setFixedSize(8, 34);
        ToolBar1->addWidget(spacer);
    };

    NewProjectButton = addToolButton(QStringLiteral("new-project"));
    OpenProjectButton = addToolButton(QStringLiteral("open-project"));
    SaveProjectButton = addToolButton(QStringLiteral("save-project"));
    gap();
    NewProgramButton = addToolButton(QStringLiteral("new-program"));
    DeleteProgramButton = addToolButton(QStringLiteral("delete-program"));
    gap();
    CutButton = addToolButton(QStringLiteral("cut"));
    CopyButton = addToolButton(QStringLiteral("copy"));
    PasteButton = addToolButton(QStringLiteral("paste"));
    MoveUpButton = addToolButton(QStringLiteral("move-up"));
    MoveDownButton = addToolButton(QStringLiteral("move-down"));
    WizardButton = addToolButton(QStringLiteral("wizard"));
    gap();
    TransmitButton = addToolButton(QStringLiteral("transmit"));
    ReceiveButton = addToolButton(QStringLiteral("receive"));
    gap();
    ExportButton = addToolButton(QStringLiteral("export"));
    ImportButton = addToolButton(QStringLiteral("import"));
    gap();
    PcRemoteButton = addToolButton(QStringLiteral("pc-remote"));

    for (QToolButton *b : {CutButton, CopyButton, PasteButton, MoveUpButton, MoveDownButton, WizardButton,
                           TransmitButton, ReceiveButton})
        b->setEnabled(false);
    // The wizard's button is hidden: a QToolBar hides a widget through its action.
    for (QAction *a : ToolBar1->actions())
        if (ToolBar1->widgetForAction(a) == WizardButton)
            a->setVisible(false);

    connect(NewProjectButton, &QToolButton::clicked, m_document, &DocumentController::newProject);
    connect(OpenProjectButton, &QToolButton::clicked, m_document, &DocumentController::openProject);
    connect(SaveProjectButton, &QToolButton::clicked, m_document, &DocumentController::saveProject);
    connect(NewProgramButton, &QToolButton::clicked, this, &MainWindow::addProgram);
    connect(DeleteProgramButton, &QToolButton::clicked, m_document, &DocumentController::deleteSelectedProgram);
    connect(CutButton, &QToolButton::clicked, m_document, &DocumentController::cutProgram);
    connect(CopyButton, &QToolButton::clicked, m_document, &DocumentController::copyProgram);
    connect(PasteButton, &QToolButton::clicked, m_document, &DocumentController::pastePrograms);
    connect(MoveUpButton, &QToolButton::clicked, m_document, &DocumentController::moveProgramUp);
    connect(MoveDownButton, &QToolButton::clicked, m_document, &DocumentController::moveProgramDown);
    connect(WizardButton, &QToolButton::clicked, this, &MainWindow::runTimerWizard);
    connect(TransmitButton, &QToolButton::clicked, m_player, &PlayerCommands::transmitPrograms);
    connect(ReceiveButton, &QToolButton::clicked, m_player, &PlayerCommands::receivePrograms);
    connect(ExportButton, &QToolButton::clicked, m_document, &DocumentController::exportPlayerFile);
    connect(ImportButton, &QToolButton::clicked, m_document, &DocumentController::importPlayerFile);
    connect(PcRemoteButton, &QToolButton::clicked, m_player, &PlayerCommands::startPcRemote);
}

void MainWindow::applyHints() {
    const std::array<QToolButton *, 16> targets = {
        TransmitButton, ReceiveButton,    NewProgramButton,  DeleteProgramButton, CutButton,    CopyButton,
        PasteButton,    NewProjectButton, OpenProjectButton, SaveProjectButton,   ExportButton, ImportButton,
        MoveUpButton,   MoveDownButton,   WizardButton,      PcRemoteButton};
    for (int row = 0; row < int(targets.size()); ++row)
        targets[row]->setToolTip(LanguageText(TextTable::HintTexts, row, CurrentLanguage));
}

void MainWindow::createMenus() {
    // A menu item whose handler is the window's or one of its command parts'.
    auto item = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut, auto handler,
                       const QString &iconName = {}) {
        QAction *a = menu->addAction(caption);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        if (!iconName.isEmpty())
            a->setIcon(icon(iconName));
        using Handler = decltype(handler);
        if constexpr (std::is_same_v<Handler, void (DocumentController::*)()>)
            connect(a, &QAction::triggered, m_document, handler);
        else if constexpr (std::is_same_v<Handler, void (PlayerCommands::*)()>)
            connect(a, &QAction::triggered, m_player, handler);
        else
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenuBar *bar = menuBar();

    File1 = bar->addMenu(QStringLiteral("&File"));
    New2 = item(File1, QStringLiteral("New Project"), QKeySequence(Qt::CTRL | Qt::Key_N),
                &DocumentController::newProject, QStringLiteral("new-project"));
    Property1 = item(File1, QStringLiteral("Project Properties..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                     &DocumentController::editProperties, QStringLiteral("properties"));
    File1->addSeparator();
    Open1 = item(File1, QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &DocumentController::openProject,
                 QStringLiteral("open-project"));
    Save1 = item(File1, QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &DocumentController::saveProject,
                 QStringLiteral("save-project"));
    SaveAs1 = item(File1, QStringLiteral("Save as..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
                   &DocumentController::saveProjectAs);
    File1->addSeparator();
    Export1 = item(File1, QStringLiteral("Export"), QKeySequence(Qt::Key_F9), &DocumentController::exportPlayerFile,
                   QStringLiteral("export"));
    Import1 = item(File1, QStringLiteral("Import"), QKeySequence(Qt::Key_F12), &DocumentController::importPlayerFile,
                   QStringLiteral("import"));
    File1->addSeparator();
    Exit1 = item(File1, QStringLiteral("Exit"), {}, &MainWindow::exitProgram, QStringLiteral("exit"));

    Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    Undo1 = Edit1->addAction(icon(QStringLiteral("undo")), QString());
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(Undo1, &QAction::triggered, this, [this] { m_document->history().undo(); });
    Redo1 = Edit1->addAction(icon(QStringLiteral("redo")), QString());
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Redo1, &QAction::triggered, this, [this] { m_document->history().redo(); });
    Edit1->addSeparator();
    New1 = item(Edit1, QStringLiteral("New Program"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N),
                &MainWindow::addProgram, QStringLiteral("new-program"));
    Delete1 = item(Edit1, QStringLiteral("Delete Program"), QKeySequence(Qt::Key_Delete),
                   &DocumentController::deleteSelectedProgram, QStringLiteral("delete-program"));
    Edit1->addSeparator();
    Couper1 = item(Edit1, QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), &DocumentController::cutProgram,
                   QStringLiteral("cut"));
    Copier1 = item(Edit1, QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), &DocumentController::copyProgram,
                   QStringLiteral("copy"));
    Coller1 = item(Edit1, QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                   &DocumentController::pastePrograms, QStringLiteral("paste"));
    Edit1->addSeparator();
    // Delete Group Of Color: 26 items "001".."026", a new column at item 14; the colour
    // images are drawn when the sub-menu first opens.
    for (int k = 1; k <= ProgramColorCount; ++k) {
        auto *a = new QAction(QString::number(k).rightJustified(3, u'0'), this);
        a->setData(k);
        connect(a, &QAction::triggered, m_document, [this, k] { m_document->deleteColourGroup(k); });
        ColorGroupItems.append(a);
    }
    DeleteGroupOfColor1 = makeGridMenu(ColorGroupItems, 13, this);
    DeleteGroupOfColor1->setTitle(QStringLiteral("Delete Group Of Color"));
    connect(DeleteGroupOfColor1, &QMenu::aboutToShow, this, [this] {
        for (int k = 1; k <= ProgramColorCount; ++k)
            if (QAction *item = ColorGroupItems[k - 1]; item->icon().isNull())
                item->setIcon(Icons::colorSwatch(colorOfRecord(ProgramColors[k])));
    });
    Edit1->addMenu(DeleteGroupOfColor1);
    Edit1->addSeparator();
    MoveProgramUp1 = item(Edit1, QStringLiteral("Move Program Up"), QKeySequence(Qt::CTRL | Qt::Key_U),
                          &DocumentController::moveProgramUp, QStringLiteral("move-up"));
    MoveProgramDown1 = item(Edit1, QStringLiteral("Move Program Down"), QKeySequence(Qt::CTRL | Qt::Key_D),
                            &DocumentController::moveProgramDown, QStringLiteral("move-down"));
    WizardSeparator = Edit1->addSeparator();
    WizardSeparator->setVisible(false);
    Wizzard1 = item(Edit1, QStringLiteral("Wizard"), QKeySequence(Qt::CTRL | Qt::Key_W), &MainWindow::runTimerWizard,
                    QStringLiteral("wizard"));
    Wizzard1->setVisible(false);
    for (QAction *a : {Couper1, Copier1, Coller1, MoveProgramUp1, MoveProgramDown1, Wizzard1})
        a->setEnabled(false);

    Functions1 = bar->addMenu(QStringLiteral("&Send-Receive"));
    Transmit1 = item(Functions1, QStringLiteral("Transmit Programs"), QKeySequence(Qt::Key_F10),
                     &PlayerCommands::transmitPrograms, QStringLiteral("transmit"));
    Receive1 = item(Functions1, QStringLiteral("Receive Programs"), QKeySequence(Qt::Key_F11),
                    &PlayerCommands::receivePrograms, QStringLiteral("receive"));
    VerifyPrograms1 = item(Functions1, QStringLiteral("&Verify the Programs"), {}, &PlayerCommands::verifyPrograms);

    Options1 = bar->addMenu(QStringLiteral("&Options"));
    Language1 = Options1->addMenu(QStringLiteral("Language"));
    auto *languages = new QActionGroup(this);
    const std::array<std::pair<QString, Language>, 5> languageItems = {
        std::pair{QStringLiteral("&English"), Language::English},
        std::pair{QStringLiteral("&Français"), Language::French},
        std::pair{QStringLiteral("E&spañol"), Language::Spanish},
        std::pair{QStringLiteral("&Deutsch"), Language::German},
        std::pair{QStringLiteral("&Italiano"), Language::Italian}};
    for (const auto &entry : languageItems) {
        const Language language = entry.second;
        QAction *a = Language1->addAction(entry.first);
        a->setCheckable(true);
        a->setChecked(language == CurrentLanguage);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
        (language == Language::English   ? English1
         : language == Language::French  ? French1
         : language == Language::Spanish ? Espaol1
         : language == Language::German  ? Deutsch1
                                         : Italian1) = a;
    }
    Options1->addSeparator();
    RS232PortCOM1 = Options1->addMenu(QStringLiteral("RS232 - Port COM"));
    connect(RS232PortCOM1, &QMenu::aboutToShow, this, &MainWindow::RefreshPortMenu);
    Options1->addSeparator();
    PlayerOptions1 = Options1->addMenu(QStringLiteral("Player Options"));
    IOOption1 = PlayerOptions1->addAction(QStringLiteral("I/O"));
    IOOption1->setCheckable(true);
    IOOption1->setChecked(IOOptionEnabled);
    connect(IOOption1, &QAction::triggered, this, &MainWindow::toggleIoCard);
    Ethernet1 = PlayerOptions1->addAction(QStringLiteral("Ethernet"));
    Ethernet1->setCheckable(true);
    Ethernet1->setChecked(EthernetOptionEnabled);
    connect(Ethernet1, &QAction::triggered, this, &MainWindow::toggleEthernet);
    Options1->addSeparator();
    PCRemote1 =
        item(Options1, QStringLiteral("PC Remote"), {}, &PlayerCommands::startPcRemote, QStringLiteral("pc-remote"));

    Help1 = bar->addMenu(QStringLiteral("&Help"));
    About1 = item(Help1, QStringLiteral("About..."), QKeySequence(Qt::Key_F1), &DocumentController::showAbout,
                  QStringLiteral("about"));
    Help1->addSeparator();
    Web1 = Help1->addMenu(QStringLiteral("Web"));
    HomePage1 = item(Web1, QStringLiteral("Home Page"), {}, &DocumentController::openHomePage);
    SendEmailToSupport1 = item(Web1, QStringLiteral("Send Email To Support"), {}, &DocumentController::writeToSupport,
                               QStringLiteral("email"));
}

void MainWindow::createCentralArea() {
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tiles, 1);
    layout->addWidget(m_editor);
    setCentralWidget(central);
}

// ---------------------------------------------------------------------------------------
// The project

Project MainWindow::currentProject() const {
    return m_document->currentProject();
}

void MainWindow::loadPrograms(const QList<Program> &programs) {
    m_document->loadPrograms(programs);
}

bool MainWindow::openProjectFile(const QString &path) {
    return m_document->openProjectFile(path);
}

void MainWindow::setUrlOpener(std::function<void(const QUrl &)> opener) {
    m_document->setUrlOpener(std::move(opener));
}

void MainWindow::setAckWatchdog(std::chrono::milliseconds limit) {
    m_player->setAckWatchdog(limit);
}

// ---------------------------------------------------------------------------------------
// The list and the editor panel

void MainWindow::addProgram() {
    if (m_tiles->count() >= SlotCount) {
        m_prompter.warn(LanguageText(ProgramLimitRow::Message, CurrentLanguage));
        UpdateCommandState();
        return;
    }
    m_document->history().record(HistoryStep::NewProgram, [this] {
        Program program(m_clock.now());
        program.Code = m_tiles->firstFreeCode();
        m_tiles->appendProgram(program);
        m_tiles->scrollToCurrent();
        ShowSelectedProgram();
    });
    UpdateCommandState();
}

void MainWindow::SelectFirstProgram() {
    m_tiles->SelectFirstProgram();
    leaveNoFocus();
}

void MainWindow::SelectProgramAt(int index) {
    m_tiles->SelectProgramAt(index);
    leaveNoFocus();
}

void MainWindow::ShowSelectedProgram() {
    const int i = m_tiles->currentIndex();
    if (i < 0) {
        m_editor->showNone();
        return;
    }
    // The record keeps its action slots consistent from the moment it is shown.
    Program program = m_tiles->program(i);
    if (NormalizeActions(program))
        m_tiles->setProgram(i, program);
    m_editor->showProgram(program);
}

// The user changed the selected program in the editor panel.
// Typing in the clock, the date or the day merges into one step per field and program.
void MainWindow::programEdited(const Program &program) {
    const int i = m_tiles->currentIndex();
    if (i < 0)
        return;
    const TypedField field = typedFieldChanged(m_tiles->program(i), program);
    m_document->history().record(
        HistoryStep::EditProgram, [&] { m_tiles->setProgram(i, program); },
        field == TypedField::None ? -1 : i * 4 + int(field));
    UpdateCommandState();
}

void MainWindow::updateHistoryCommands() {
    const ProjectHistory &history = m_document->history();
    Undo1->setText(HistoryCaption(false, history.canUndo() ? history.undoStep() : std::nullopt, CurrentLanguage));
    Redo1->setText(HistoryCaption(true, history.canRedo() ? history.redoStep() : std::nullopt, CurrentLanguage));
    Undo1->setEnabled(history.canUndo());
    Redo1->setEnabled(history.canRedo());
}

// The window itself takes the focus, so that no control has it: the list keys work at once, and
// still after the window was left and activated again (Qt would otherwise give the first
// control of the tab chain the focus), until the user clicks or tabs into a field.
void MainWindow::leaveNoFocus() {
    setFocus(Qt::OtherFocusReason);
}

bool MainWindow::event(QEvent *event) {
    if (event->type() == QEvent::Paint && !m_firstPaintSeen) {
        m_firstPaintSeen = true;
        QMetaObject::invokeMethod(this, &MainWindow::listPortsAtStart, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event) {
    // The list keys reach the list only while no control of the window has the focus.
    QWidget *focused = focusWidget();
    if ((focused == nullptr || focused == this) && m_tiles->FormKeyDown(event->key())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::wheelEvent(QWheelEvent *event) {
    m_tiles->wheelStep(event->angleDelta().y());
    event->accept();
}

// Every widget, menu and action a user reaches carries the name the program's handlers use, so
// that tests and accessibility tools find it whatever part of the window owns it; the list and
// the editor panel name their own.
void MainWindow::nameWidgets() {
    const std::pair<QObject *, const char *> named[] = {
        {ToolBar1, "ToolBar1"},
        {NewProgramButton, "NewProgramButton"},
        {DeleteProgramButton, "DeleteProgramButton"},
        {TransmitButton, "TransmitButton"},
        {ReceiveButton, "ReceiveButton"},
        {PasteButton, "PasteButton"},
        {CopyButton, "CopyButton"},
        {CutButton, "CutButton"},
        {OpenProjectButton, "OpenProjectButton"},
        {SaveProjectButton, "SaveProjectButton"},
        {NewProjectButton, "NewProjectButton"},
        {ExportButton, "ExportButton"},
        {ImportButton, "ImportButton"},
        {MoveUpButton, "MoveUpButton"},
        {MoveDownButton, "MoveDownButton"},
        {WizardButton, "WizardButton"},
        {PcRemoteButton, "PcRemoteButton"},
        {File1, "File1"},
        {Edit1, "Edit1"},
        {Functions1, "Functions1"},
        {Options1, "Options1"},
        {Help1, "Help1"},
        {New2, "New2"},
        {Property1, "Property1"},
        {Open1, "Open1"},
        {Save1, "Save1"},
        {SaveAs1, "SaveAs1"},
        {Export1, "Export1"},
        {Import1, "Import1"},
        {Exit1, "Exit1"},
        {Undo1, "Undo1"},
        {Redo1, "Redo1"},
        {New1, "New1"},
        {Delete1, "Delete1"},
        {Couper1, "Couper1"},
        {Copier1, "Copier1"},
        {Coller1, "Coller1"},
        {MoveProgramUp1, "MoveProgramUp1"},
        {MoveProgramDown1, "MoveProgramDown1"},
        {Wizzard1, "Wizzard1"},
        {WizardSeparator, "WizardSeparator"},
        {DeleteGroupOfColor1, "DeleteGroupOfColor1"},
        {Transmit1, "Transmit1"},
        {Receive1, "Receive1"},
        {Language1, "Language1"},
        {RS232PortCOM1, "RS232PortCOM1"},
        {PlayerOptions1, "PlayerOptions1"},
        {Web1, "Web1"},
        {French1, "French1"},
        {English1, "English1"},
        {Espaol1, "Espaol1"},
        {Deutsch1, "Deutsch1"},
        {Italian1, "Italian1"},
        {IOOption1, "IOOption1"},
        {Ethernet1, "Ethernet1"},
        {PCRemote1, "PCRemote1"},
        {About1, "About1"},
        {HomePage1, "HomePage1"},
        {SendEmailToSupport1, "SendEmailToSupport1"},
        {NONE1, "NONE1"},
        {VerifyPrograms1, "VerifyPrograms1"},
        {CheckSchedule1, "CheckSchedule1"},
    };
    for (const auto &entry : named)
        if (entry.first)
            entry.first->setObjectName(QLatin1String(entry.second));
    for (int k = 0; k < ColorGroupItems.size(); ++k)
        ColorGroupItems[k]->setObjectName(QStringLiteral("ColorGroup%1").arg(k + 1));
}
