#include "MainWindow.h"

#include "ChoiceGrid.h"
#include "DocumentController.h"
#include "Icons.h"
#include "PlayerCommands.h"
#include "ProgramEditor.h"
#include "ProgramListView.h"
#include "ProgramTile.h"
#include "model/ActionList.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "project/ProjectModel.h"
#include "text/Translation.h"

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
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include <variant>

MainWindow::MainWindow(Prompter &prompter, const Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_clock(clock)
    , m_dialogRunner([](QDialog &dialog) { return dialog.exec(); })
    , CurrentLanguage(::DefaultLanguage(QLocale::system()))
    , m_model(new ProjectModel(clock, this))
    , m_tiles(new ProgramListView(*m_model, clock, CurrentLanguage))
    , m_editor(new ProgramEditor(
          clock, [this](QDialog &dialog) { return runDialog(dialog); },
          [model = m_model] { return model->codesInUse(); }, CurrentLanguage)) {
    m_model->setViewAnchor(m_tiles);
    // A selection shows its program; an edit goes into the model.
    connect(m_model, &ProjectModel::selectionChanged, this, [this] {
        ShowSelectedProgram();
        leaveNoFocus();
        updateCommandState();
    });
    connect(m_model, &ProjectModel::clipboardChanged, this, &MainWindow::updateCommandState);
    connect(m_model, &ProjectModel::captionChanged, this,
            [this](const QString &name) { setWindowTitle(DocumentController::captionFor(name)); });
    setWindowTitle(DocumentController::captionFor(m_model->captionName()));
    connect(m_editor, &ProgramEditor::programEdited, this, &MainWindow::programEdited);
    m_document = new DocumentController(*this, *this, *m_model, *m_tiles, prompter, clock);
    m_player = new PlayerCommands(*this, *this, *m_document, *m_model, prompter, clock);
    createActions();
    createToolBar();
    createMenus();
    captionCommands();
    connect(m_model, &ProjectModel::historyChanged, this, [this] {
        updateHistoryCommands();
        updateCommandState();
    });
    connect(m_document, &DocumentController::operationRunningChanged, this, &MainWindow::updateHistoryCommands);
    updateHistoryCommands();
    createCentralArea();
    // Listing the ports takes longer than drawing the window: "(None)" until the first frame.
    setPortNames({});
    m_portsListed = false;
    applyCommandState(commandState({}));

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
    speakLanguage();
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

void MainWindow::applySettings(const Settings &s) {
    CurrentLanguage = s.CurrentLanguage;
    languageItem(CurrentLanguage)->setChecked(true); // the items are one exclusive group
    m_startPort = s.SelectedPortName;
    IOOptionEnabled = s.IOOptionEnabled;
    action(Command::IoCard)->setChecked(IOOptionEnabled);
    EthernetOptionEnabled = s.EthernetOptionEnabled;
    action(Command::Ethernet)->setChecked(EthernetOptionEnabled);
    m_player->setPCRemoteMode(s.PCRemoteMode);
    action(Command::BackupBeforeTransmit)->setChecked(s.BackupBeforeTransmit);
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

void MainWindow::createActions() {
    for (const CommandRow &entry : CommandTable) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(entry.objectName));
        if (*entry.keys)
            a->setShortcuts(QKeySequence::listFromString(QLatin1String(entry.keys), QKeySequence::PortableText));
        if (entry.icon)
            a->setIcon(icon(QLatin1String(entry.icon)));
        connectCommand(a, entry.id);
        m_actions[int(entry.id)] = a;
    }
    for (Command c : {Command::English, Command::French, Command::Spanish, Command::German, Command::Italian,
                      Command::IoCard, Command::Ethernet, Command::BackupBeforeTransmit})
        action(c)->setCheckable(true);
    auto *languages = new QActionGroup(this); // one language checked at a time
    for (Command c : {Command::English, Command::French, Command::Spanish, Command::German, Command::Italian})
        languages->addAction(action(c));
    languageItem(CurrentLanguage)->setChecked(true);
    action(Command::IoCard)->setChecked(IOOptionEnabled);
    action(Command::Ethernet)->setChecked(EthernetOptionEnabled);
    action(Command::BackupBeforeTransmit)->setChecked(m_player->backupBeforeTransmit());
}

// A full switch over the commands: a new command without a handler does not compile.
void MainWindow::connectCommand(QAction *a, Command command) {
    const auto to = [a](auto *receiver, auto handler) { QObject::connect(a, &QAction::triggered, receiver, handler); };
    DocumentController *document = m_document;
    PlayerCommands *player = m_player;
    switch (command) {
    case Command::NewProject:
        return to(document, &DocumentController::newProject);
    case Command::ProjectProperties:
        return to(document, &DocumentController::editProperties);
    case Command::OpenProject:
        return to(document, &DocumentController::openProject);
    case Command::OpenPlayerBackup:
        return to(document, &DocumentController::openPlayerBackup);
    case Command::SaveProject:
        return to(document, &DocumentController::saveProject);
    case Command::SaveProjectAs:
        return to(document, &DocumentController::saveProjectAs);
    case Command::ExportPlayerFile:
        return to(document, &DocumentController::exportPlayerFile);
    case Command::ImportPlayerFile:
        return to(document, &DocumentController::importPlayerFile);
    case Command::PrintSchedule:
        return to(this, &MainWindow::showPrintPreview);
    case Command::ExportTable:
        return to(document, &DocumentController::exportTable);
    case Command::ImportTable:
        return to(document, &DocumentController::importTable);
    case Command::Exit:
        return to(this, &MainWindow::exitProgram);
    case Command::Undo:
        return to(m_model, [this] { m_model->undo(); });
    case Command::Redo:
        return to(m_model, [this] { m_model->redo(); });
    case Command::NewProgram:
        return to(this, &MainWindow::addProgram);
    case Command::DeleteProgram:
        return to(document, &DocumentController::deleteSelectedProgram);
    case Command::CutProgram:
        return to(document, &DocumentController::cutProgram);
    case Command::CopyProgram:
        return to(document, &DocumentController::copyProgram);
    case Command::PastePrograms:
        return to(document, &DocumentController::pastePrograms);
    case Command::MoveProgramUp:
        return to(document, &DocumentController::moveProgramUp);
    case Command::MoveProgramDown:
        return to(document, &DocumentController::moveProgramDown);
    case Command::TimerWizard:
    case Command::TimerWizardButton:
        return to(this, &MainWindow::runTimerWizard);
    case Command::CheckSchedule:
        return to(this, &MainWindow::checkSchedule);
    case Command::WeekPlan:
        return to(this, &MainWindow::showWeekPlan);
    case Command::TransmitPrograms:
    case Command::TransmitButton:
        return to(player, &PlayerCommands::transmitPrograms);
    case Command::ReceivePrograms:
    case Command::ReceiveButton:
        return to(player, &PlayerCommands::receivePrograms);
    case Command::VerifyPrograms:
        return to(player, &PlayerCommands::verifyPrograms);
    case Command::English:
        return to(this, [this] { chooseLanguage(Language::English); });
    case Command::French:
        return to(this, [this] { chooseLanguage(Language::French); });
    case Command::Spanish:
        return to(this, [this] { chooseLanguage(Language::Spanish); });
    case Command::German:
        return to(this, [this] { chooseLanguage(Language::German); });
    case Command::Italian:
        return to(this, [this] { chooseLanguage(Language::Italian); });
    case Command::IoCard:
        return to(this, &MainWindow::toggleIoCard);
    case Command::Ethernet:
        return to(this, &MainWindow::toggleEthernet);
    case Command::PcRemote:
        return to(player, &PlayerCommands::startPcRemote);
    case Command::BackupBeforeTransmit:
        QObject::connect(a, &QAction::toggled, player, &PlayerCommands::setBackupBeforeTransmit);
        return;
    case Command::About:
        return to(document, &DocumentController::showAbout);
    case Command::HomePage:
        return to(document, &DocumentController::openHomePage);
    case Command::WriteToSupport:
        return to(document, &DocumentController::writeToSupport);
    case Command::Count:
        break;
    }
    qFatal("No handler for command %d", int(command));
}

void MainWindow::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Tools"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setFixedHeight(36);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->layout()->setSpacing(0);
    m_toolBar->layout()->setContentsMargins(0, 1, 0, 1);
    m_toolBar->toggleViewAction()->setVisible(false);
    using C = Command;
    const std::initializer_list<Command> groups[] = {
        {C::NewProject, C::OpenProject, C::SaveProject},
        {C::NewProgram, C::DeleteProgram},
        {C::CutProgram, C::CopyProgram, C::PastePrograms, C::MoveProgramUp, C::MoveProgramDown, C::TimerWizardButton},
        {C::TransmitButton, C::ReceiveButton},
        {C::ExportPlayerFile, C::ImportPlayerFile},
        {C::PcRemote}};
    for (const std::initializer_list<Command> &group : groups) {
        if (&group != groups) { // 8 pixels between groups
            auto *gap = new QWidget(m_toolBar);
            gap->setFixedSize(8, 34);
            m_toolBar->addWidget(gap);
        }
        for (Command c : group) {
            m_toolBar->addAction(action(c));
            QWidget *button = m_toolBar->widgetForAction(action(c));
            button->setFixedSize(40, 34);
            button->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void MainWindow::createMenus() {
    // Delete Group Of Color: 26 items "001".."026", a new column at item 14; the colour
    // images are drawn when the sub-menu first opens.
    for (int k = 1; k <= ProgramColorCount; ++k) {
        auto *a = new QAction(QString::number(k).rightJustified(3, u'0'), this);
        a->setObjectName(QStringLiteral("DeleteColourGroup%1").arg(k));
        a->setData(k);
        connect(a, &QAction::triggered, m_document, [this, k] { m_document->deleteColourGroup(k); });
        m_colourGroupItems.append(a);
    }
    for (const MenuRow &entry : MenuTable) {
        QMenu *m = entry.id == Menu::DeleteColourGroup ? makeGridMenu(m_colourGroupItems, 13, this) : new QMenu(this);
        m->setObjectName(QLatin1String(entry.objectName));
        m_menus[int(entry.id)] = m;
    }
    connect(menu(Menu::DeleteColourGroup), &QMenu::aboutToShow, this, [this] {
        for (int k = 1; k <= ProgramColorCount; ++k)
            if (QAction *item = m_colourGroupItems[k - 1]; item->icon().isNull())
                item->setIcon(Icons::colorSwatch(colorOfRecord(ProgramColors[k])));
    });
    connect(menu(Menu::Port), &QMenu::aboutToShow, this, &MainWindow::refreshPortMenu);

    // Each menu's commands in order; a separator where none is given, a sub-menu where one is.
    using C = Command;
    using Entry = std::variant<std::monostate, Command, Menu>;
    const auto fill = [this](Menu id, std::initializer_list<Entry> entries) {
        QMenu *m = menu(id);
        for (const Entry &e : entries) {
            if (const Command *c = std::get_if<Command>(&e))
                m->addAction(action(*c));
            else if (const Menu *sub = std::get_if<Menu>(&e))
                m->addMenu(menu(*sub));
            else
                m->addSeparator();
        }
    };
    const Entry Separator;
    fill(Menu::File, {C::NewProject, C::ProjectProperties, Separator, C::OpenProject, C::OpenPlayerBackup,
                      C::SaveProject, C::SaveProjectAs, Separator, C::ExportPlayerFile, C::ImportPlayerFile, Separator,
                      C::PrintSchedule, C::ExportTable, C::ImportTable, Separator, C::Exit});
    fill(Menu::Edit,
         {C::Undo, C::Redo, Separator, C::NewProgram, C::DeleteProgram, Separator, C::CutProgram, C::CopyProgram,
          C::PastePrograms, Separator, Menu::DeleteColourGroup, Separator, C::MoveProgramUp, C::MoveProgramDown});
    m_wizardSeparator = menu(Menu::Edit)->addSeparator();
    m_wizardSeparator->setObjectName(QStringLiteral("WizardSeparator"));
    fill(Menu::Edit, {C::TimerWizard, Separator, C::CheckSchedule, C::WeekPlan});
    fill(Menu::SendReceive, {C::TransmitPrograms, C::ReceivePrograms, C::VerifyPrograms});
    fill(Menu::Language, {C::English, C::French, C::Spanish, C::German, C::Italian});
    fill(Menu::PlayerOptions, {C::IoCard, C::Ethernet});
    fill(Menu::Options, {Menu::Language, Separator, Menu::Port, Separator, Menu::PlayerOptions, Separator, C::PcRemote,
                         Separator, C::BackupBeforeTransmit});
    fill(Menu::Web, {C::HomePage, C::WriteToSupport});
    fill(Menu::Help, {C::About, Separator, Menu::Web});
    for (Menu id : {Menu::File, Menu::Edit, Menu::SendReceive, Menu::Options, Menu::Help})
        menuBar()->addMenu(menu(id));
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
    return m_model->project();
}

void MainWindow::loadPrograms(const QList<Program> &programs) {
    m_model->appendPrograms(programs);
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
    // A program added brings its own updates through the model's signals.
    if (!m_model->addProgram())
        m_prompter.warn(
            translated(phrase("ProgramLimit", "You cannot create more than 255 programs!"), CurrentLanguage));
}

void MainWindow::SelectFirstProgram() {
    m_model->selectFirst();
    leaveNoFocus();
}

void MainWindow::SelectProgramAt(int index) {
    if (m_model->count() > 0)
        m_model->select(index % 256);
    leaveNoFocus();
}

void MainWindow::ShowSelectedProgram() {
    if (const Program *program = m_model->selectedProgram())
        m_editor->showProgram(*program);
    else
        m_editor->showNone();
}

// The user changed the selected program in the editor panel.
void MainWindow::programEdited(const Program &program) {
    m_model->editProgram(m_model->selected(), program);
}

void MainWindow::updateHistoryCommands() {
    // No Undo or Redo while an operation runs.
    const bool free = !m_document->isOperationRunning();
    const bool canUndo = free && m_model->canUndo(), canRedo = free && m_model->canRedo();
    QAction *undo = action(Command::Undo), *redo = action(Command::Redo);
    undo->setText(HistoryCaption(false, canUndo ? m_model->undoKind() : std::nullopt, CurrentLanguage));
    redo->setText(HistoryCaption(true, canRedo ? m_model->redoKind() : std::nullopt, CurrentLanguage));
    undo->setEnabled(canUndo);
    redo->setEnabled(canRedo);
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
    if ((focused == nullptr || focused == this) && m_tiles->handleListKey(event->key())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::wheelEvent(QWheelEvent *event) {
    m_tiles->wheelStep(event->angleDelta().y());
    event->accept();
}
