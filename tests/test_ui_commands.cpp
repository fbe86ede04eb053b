// The main window's program commands (delete, cut, copy, paste, move, delete a colour group), its document
// commands (New, Open, Save, Save as, Properties, Export, Import) and its settings, driven as a user does.
#include "ScheduleFixtures.h"
#include "WindowFixture.h"
#include "project/CsvFile.h"
#include "ui/WeekPlanView.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTreeView>

namespace {
// A daily program at 14:30 on slot 200, its timer off, transport command 5, written out by hand.
const QByteArray FrameTwoHundred = QByteArray::fromHex("00c82101311111050000000000"
                                                       "6c051a0e1effffffffffff");
const QString Caption = u"ORBEX Quillon Programmer : "_s;
// The sixteen lines of a settings file; `values` are the export path and the three flags.
QByteArray settingsFile(const char *language, const char *port, const QString &project, const QString &values) {
    const QStringList v = values.split(u' ');
    return crlf({"Settings File of ORBEX \"QuillonMessage\" Programmer", "Language :", language,
                 "Com Port selected :", port, "Last projet used", project.toUtf8(), "Last export path", v[0].toUtf8(),
                 "I/O Option", v[1].toUtf8(), "Ethernet Option", v[2].toUtf8(), "PC Remote Mode", v[3].toUtf8(),
                 "Backup before transmit: TRUE"});
}
// Takes a step as a user does, its parts separated by "; ": "import" a player file of one program,
// "wizard" goes through the wizard to its Finish; anything else is a Window::act script.
void takeStep(Window &f, const QString &script) {
    for (const QString &part : script.split(u"; "_s)) {
        if (part == u"import"_s) {
            QVERIFY(writeAll(f.dir.filePath("one.msg"),
                             QByteArray(emptyRecords()).replace(0, FrameSize, sampleFixture(4))));
            f.triggerWith("ImportPlayerFile", chooseFile(f.dir.filePath("one.msg")));
        } else if (part == u"wizard"_s) {
            f.triggerWith("TimerWizardButton", [](QDialog &d) {
                d.show();
                for (int i = 0; i < 10 && d.isVisible(); ++i)
                    QTest::mouseClick(d.findChild<QAbstractButton *>(u"NextButton"_s), Qt::LeftButton, {}, {6, 8});
                return d.result();
            });
        } else
            f.act(part);
    }
}
// Answers the export folder dialog with `steps` ("; " between them), notes in `seen` what it sees, then
// presses OK and notes whether the dialog "closed" or stays "open" (and is then cancelled). Steps: "start"
// notes the folder it opened at, "(out of view) " before it when its row is out of view; "pick path" selects
// a folder in the tree, "go path" types it and Enter, "type path" only types it; "new" makes a folder;
// "note" notes the folder selected; "gone path" removes a folder.
DialogAnswer folderDialog(QStringList &seen, const QString &steps) {
    return [&seen, steps](QDialog &d) {
        d.show();
        auto *tree = d.findChild<QTreeView *>(u"DirectoryTree"_s);
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        auto *path = d.findChild<QLineEdit *>(u"PathEdit"_s);
        const auto loaded = [&] { // the model has read and sorted the folders around it, which moves the rows
            const QModelIndex above = tree->currentIndex().parent();
            return model->rowCount(above) ==
                   QDir(model->filePath(above)).entryList(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden).size();
        };
        for (const QString &step : steps.split(u"; "_s)) {
            const QString verb = step.section(u' ', 0, 0), folder = step.section(u' ', 1);
            if (verb == u"start"_s) {
                (void)QTest::qWaitFor(loaded, 2000);
                for (int round = 0; round < 3; ++round)
                    QCoreApplication::processEvents();
                const bool inView = tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()));
                seen << (inView ? QString() : u"(out of view) "_s) + model->filePath(tree->currentIndex());
            } else if (verb == u"pick"_s)
                tree->setCurrentIndex(model->index(folder));
            else if (verb == u"go"_s || verb == u"type"_s) {
                path->setText(folder);
                if (verb == u"go"_s)
                    QTest::keyClick(path, Qt::Key_Return);
            } else if (verb == u"new"_s)
                QTest::mouseClick(buttonOf(d, "NewFolderButton"), Qt::LeftButton);
            else if (verb == u"note"_s)
                seen << model->filePath(tree->currentIndex());
            else if (verb == u"gone"_s)
                QDir().rmdir(folder);
        }
        QTest::mouseClick(buttonOf(d, "OkButton"), Qt::LeftButton);
        seen << (d.isVisible() ? u"open"_s : u"closed"_s);
        d.hide();
        return seen.last() == u"open"_s ? int(QDialog::Rejected) : d.result();
    };
}
} // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the command, the answer, the list then (of seven programs, 004 selected, 002, 005
    // and 006 of colour 2).
    void delete_asks_andSelectsTheNextOrTheFirstOfTheGroup_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("program") << "DeleteProgram Yes 001 002 003 [005] 006 007";
        QTest::newRow("program, answered No") << "DeleteProgram No 001 002 003 [004] 005 006 007";
        QTest::newRow("colour 2") << "DeleteColourGroup2 Yes [001] 003 004 007";
        QTest::newRow("colour 2, answered No") << "DeleteColourGroup2 No 001 002 003 [004] 005 006 007";
    }
    void delete_asks_andSelectsTheNextOrTheFirstOfTheGroup() {
        QFETCH(QString, row);
        const QString item = row.section(u' ', 0, 0);
        const bool one = item == u"DeleteProgram"_s;
        Window f;
        f.open(f.programs(7, false, {1, 4, 5}));
        f.clickTile(3);
        f.captions.clear();
        f.act(row.section(u' ', 1, 1).toLower() + (one ? u"; click "_s : u"; trigger "_s) + item);
        QCOMPARE(f.messages(),
                 QStringList{one ? u"Do you want to delete the selected program?"_s
                                 : u"Do you want to delete all programs that have the specified color?"_s});
        QCOMPARE(f.list(), row.section(u' ', 2));
        QCOMPARE(f.rowTop(f.tiles().size() - 1), (f.tiles().size() - 1) * f.tiles().at(0)->height()); // no gap
        if (f.tiles().size() == 4)
            QCOMPARE(f.captions.join(u','),
                     u"Delete a Group of same Color,Delete Program1 to 3,Delete Program2 to 3,Delete Program3 to 3"_s);
        QVERIFY(one || f.text(item) == u"002"_s);
        for (qsizetype n = f.tiles().size(); n > 0; --n)
            f.act(u"yes; trigger DeleteProgram"_s);
        QVERIFY(f.tiles().isEmpty() && f.selected().isEmpty());
    }
    // A paste appends a copy of the program copied, every field but the code, with the next free
    // code, and scrolls it to the top row.
    void copyAndPaste_appendCopiesWithTheNextFreeCodes() {
        Window f;
        Program bell = sampleProgram(40);
        bell.Title = u"Bell"_s, bell.Active = 0, bell.Color = ProgramColors[12];
        bell.Comments = QStringList{u"ring"_s, u"twice"_s};
        f.open(QList<Program>{bell} + f.programs(30));
        f.act(u"click CopyProgram; click PastePrograms; trigger PastePrograms"_s); // the clipboard keeps its copy
        QVERIFY(f.selected() == u"032"_s && f.inSight(32) && !f.inSight(0));
        const Project saved = f.saved();
        Program copy = saved.Programs.value(32);
        copy.Code = 40;
        QVERIFY(copy.sameContent(saved.Programs.value(0)) && f.messages().isEmpty());
    }
    // Each row: a step | the caption of Edit > Undo then.
    void everyStep_isUndoneAndRedoneExactly_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("new program") << "click NewProgram | New Program";
        QTest::newRow("paste") << "click CopyProgram; click PastePrograms | Paste";
        QTest::newRow("move up") << "click MoveProgramUp | Move Program to Up";
        QTest::newRow("properties") << "type NameEdit Hall; trigger ProjectProperties | Project Properties";
        QTest::newRow("wizard") << "wizard | Timer Mode Program Assistant";
        QTest::newRow("import") << "import | Import";
        QTest::newRow("title") << "type TitleEdit Bell; click TitleText | Edit Program";
        QTest::newRow("colour") << "click ColourSwatch; pick ColourMenu 10 | Edit Program";
        QTest::newRow("clock") << "set ClockEdit.time 09:05:00 | Edit Program";
    }
    // The file saved, the list with its selection and scroll position, the title in the editor and
    // the caption before the step, after it, after Undo and after Redo.
    void everyStep_isUndoneAndRedoneExactly() {
        QFETCH(QString, row);
        Window f;
        f.open(f.programs(20, true, {2, 9, 16}));
        f.act(u"key End; key Up; key Up; key Up"_s); // the list scrolled, program 017 selected
        const auto state = [&f] {
            const QString path = f.dir.filePath(u"%1.prg"_s.arg(f.dialogs.size()));
            f.answers.push_front(chooseFile(path));
            f.trigger("SaveProjectAs");
            return QString::fromLatin1(readAll(path).toHex()) + u'|' + f.list() + u'|' +
                   QString::number(f.find<QScrollArea>("ScrollBox1")->verticalScrollBar()->value()) + u'|' +
                   f.text("TitleText") + u'|' + f.w.windowTitle();
        };
        const QString before = state();
        takeStep(f, row.section(u" | "_s, 0, 0));
        const QString after = state();
        QVERIFY(after != before);
        QCOMPARE(f.text("Undo"), u"&Undo "_s + row.section(u" | "_s, 1));
        f.trigger("Undo");
        QCOMPARE(state(), before);
        QCOMPARE(f.text("Redo"), u"&Redo "_s + row.section(u" | "_s, 1));
        f.trigger("Redo");
        QCOMPARE(state(), after);
    }
    // A running operation's window takes neither Escape nor its close button; the list is out of sight during
    // Open, the clearing of New and Delete a Group of same Color, and back after each. After an Open, a Transmit
    // whose port does not open shows an empty bar and its own text. The project is modified exactly when it
    // differs from its file, also when Undo and Redo cross a save or an Import; no Undo or Redo while an
    // operation runs; Open empties the history.
    void operations_startClean_keepTheirWindow_andTheModifiedStateFollowsTheHistory() {
        Window f;
        QString kept; // per caption while the window shows: it stays, and whether the list shows
        f.onCaption = [&](const QString &) {
            auto *runner = f.w.findChild<QDialog *>(u"ProgressDialog"_s);
            if (!runner->isVisible())
                return;
            QTest::keyClick(runner, Qt::Key_Escape);
            runner->close();
            kept += runner->isVisible() ? u'+' : u'!';
            kept += f.find("ScrollBox1")->isVisible() ? u"L "_s : u"- "_s;
        };
        f.open(f.programs(3, false, {1, 2}));
        takeStep(f, u"yes; trigger DeleteColourGroup2; type NameEdit Hall; trigger NewProject"_s);
        QCOMPARE(kept, u"+- +- +- +- +- +- "_s);
        QVERIFY(f.find("ScrollBox1")->isVisible() && f.tiles().isEmpty());
        f.onCaption = {};
        f.open(3);
        QString seen;
        f.prompter.whileShown = [&](const ScriptedPrompter::Shown &shown) {
            auto *runner = f.w.findChild<QDialog *>(u"ProgressDialog"_s);
            auto *step = runner->findChild<QLabel *>(u"StepLabel"_s);
            if (seen.isEmpty() && shown.text == com(4)) // the runner's, not the caller's after it
                seen = runner->windowTitle() + u'|' + (step ? step->text() : QString()) + u'|' +
                       QString::number(runner->findChild<QProgressBar *>()->isVisible()
                                           ? runner->findChild<QProgressBar *>()->value()
                                           : -1);
        };
        f.act(u"yes; trigger TransmitPrograms"_s);
        QCOMPARE(seen, u"Transmit the Programs|Transmit the Programs|0"_s);
        const QString caption = f.w.windowTitle();
        f.click("NewProgram");
        f.saved();
        f.trigger("Undo");
        QVERIFY(f.asksToSave());
        f.trigger("Redo");
        QVERIFY(!f.asksToSave());
        QStringList during;
        f.onCaption = [&](const QString &) { during << f.enabled({"Undo", "Redo"}); };
        takeStep(f, u"import"_s);
        f.onCaption = {};
        QVERIFY(!during.isEmpty() && during.filter(u"+"_s).isEmpty());
        QCOMPARE(f.enabled({"Undo", "Redo"}) + f.list(), u"+-[004]"_s);
        QVERIFY(f.asksToSave());
        f.trigger("Undo"); // back in the saved file
        QCOMPARE(f.list() + f.w.windowTitle(), u"001 002 003 [004]"_s + caption);
        QVERIFY(!f.asksToSave());
        f.trigger("Redo");
        QVERIFY(f.asksToSave());
        f.open(2);
        QCOMPARE(f.enabled({"Undo", "Redo"}) + f.text("Undo"), u"--&Undo"_s);
    }
    void newProjectAndProperties_confirmedTakeTheEnteredProperties_cancelledChangeNothing() {
        Window f;
        f.open(3);
        f.addPrograms(1);
        const QString before = f.w.windowTitle();
        f.act(u"no; cancel NameEdit Other; trigger NewProject"_s);
        QCOMPARE(f.messages(), QStringList{SaveQuestion}); // the modified project is offered for saving
        QCOMPARE(f.list() + f.w.windowTitle(), u"001 002 003 [004]"_s + before);
        f.answers.push_back(
            fillIn({{"NameEdit", u"Hall"_s}, {"CustomerEdit", u"Shop"_s}, {"CommentsEdit", u"one\ntwo"_s}}, true,
                   [](QDialog &d) {
                       QCOMPARE(d.findChild<QLineEdit *>(u"NameEdit"_s)->text() +
                                    d.findChild<QLineEdit *>(u"SubjectEdit"_s)->text() +
                                    d.findChild<QPlainTextEdit *>(u"CommentsEdit"_s)->toPlainText(),
                                u"New Project..."_s);
                   }));
        f.trigger("NewProject");
        QCOMPARE(f.list() + f.w.windowTitle() + f.captions.last(), Caption + u"Hall"_s + u"Delete Program0 to 4"_s);
        f.act(u"cancel NameEdit Other; trigger ProjectProperties"_s);
        QVERIFY(!f.asksToSave());
        f.triggerWith("ProjectProperties", fillIn({{"NameEdit", QString(65, u'n')}}, true, [](QDialog &d) {
                          QCOMPARE(d.findChild<QLineEdit *>(u"CustomerEdit"_s)->text(), u"Shop"_s);
                      }));
        QCOMPARE(f.w.windowTitle(), Caption + QString(64, u'n')); // the name takes 64 characters
        QVERIFY(f.asksToSave());
        const ProjectProperties group = f.saved().Properties;
        QCOMPARE(group.Customer + group.Comments.join(u'/'), u"Shopone/two"_s);
    }
    void save_writesTheProjectFile_andAsksForANameOnlyWhenItHasNone() {
        Window f;
        const QString path = f.dir.filePath("p.prg"), unwritable = f.dir.filePath("missing/p.prg");
        f.act(u"type SubjectEdit Subject; trigger ProjectProperties"_s);
        f.triggerWith("SaveProject", chooseFile(f.dir.filePath("p")));
        QCOMPARE(f.dialogs.last(), u"Save Program (*.prg)"_s); // no question before overwriting
        QVERIFY(readAll(path).startsWith("Group Of Program File of ORBEX\r\n*****\r\nNew Project\r\nSubject\r\n"));
        QVERIFY(!f.asksToSave());
        f.addPrograms(2);
        const qsizetype dialogs = f.dialogs.size();
        f.trigger("SaveProject"); // its file is there: written without a dialog
        Project read;
        QVERIFY(f.dialogs.size() == dialogs && ReadProjectFile(path, read) && read.Programs.size() == 2);
        QCOMPARE(f.w.windowTitle(), Caption + u"New Project"_s);
        QFile::remove(path);
        f.addPrograms(1);
        // The file is gone: a name is asked for, and cannot be written.
        f.triggerWith("SaveProject", chooseFile(unwritable));
        QCOMPARE(f.messages().size(), 1);
        QVERIFY2(f.messages().value(0).contains(unwritable), qPrintable(f.messages().value(0)));
        QVERIFY(f.asksToSave());
    }
    void openAndTables_readTheFile_andABadFileLeavesTheOpenProjectAsItWas() {
        const QByteArray two = projectFileBytes(Project{ProjectProperties(), {sampleProgram(1), sampleProgram(2)}});
        Window f;
        Project hall;
        hall.Properties.ProjectName = u"Hall"_s;
        hall.Programs = {f.program(12, u"First"_s), sampleProgram(3), f.program(0, u"Third"_s)};
        f.open(hall);
        QCOMPARE(f.dialogs.last() + u'|' + f.list() + u'|' + f.captions.last() + u'|' + f.w.windowTitle(),
                 u"Open Program (*.prg)|[012] 003 000|Open : 3 to 3|"_s + Caption + u"Hall"_s);
        QCOMPARE(f.messages(), QStringList{u"1 program(s) have code 000, which is no slot of the player: a transmit "
                                           "or an export leaves them out."_s});
        QVERIFY(!f.asksToSave());
        f.clickTile(2);
        f.addPrograms(1);
        const QString bad = f.dir.filePath("bad.prg");
        QVERIFY(writeAll(bad, two.left(two.size() - 40)));
        f.triggerWith("OpenProject", chooseFile(bad));
        QCOMPARE(f.messages().size(), 3);
        QCOMPARE(f.messages().value(1), SaveQuestion);
        QVERIFY2(f.messages().value(2).contains(bad), qPrintable(f.messages().value(2)));
        QCOMPARE(f.list() + u'|' + f.w.windowTitle(), u"012 003 000 [001]|"_s + Caption + u"Hall"_s);
        QVERIFY(f.find("TileBox")->isVisible() && f.asksToSave());
        const Project saved = f.saved();
        QVERIFY(saved.Programs.value(1).sameContent(sampleProgram(3)));
        // The programs as a table: written as the core writes them; a table with a wrong cell (a title one past
        // the longest) changes nothing, a good one (the longest title) replaces the programs, keeps the
        // properties and saves a file that opens again.
        const QString csv = f.dir.filePath("hall.csv"), wrong = f.dir.filePath("wrong.csv"),
                      good = f.dir.filePath("good.csv");
        f.triggerWith("ExportTable", chooseFile(csv));
        QCOMPARE(readAll(csv), ProgramsToCsv(saved.Programs));
        QVERIFY(
            writeAll(wrong, ProgramsToCsv({f.program(3, QString(MaxTitleChars + 1, u'x'))}).replace(",yes,", ",oui,")));
        QVERIFY(writeAll(good, ProgramsToCsv({f.program(40, QString(MaxTitleChars, u'x')), f.program(2)})));
        f.triggerWith("ImportTable", chooseFile(wrong));
        QVERIFY2(f.messages().last().contains(u"row 2, column title: at most 32767 characters was expected"_s),
                 qPrintable(f.messages().last()));
        QCOMPARE(f.list(), u"012 003 000 [001]"_s);
        QVERIFY(!f.asksToSave());
        f.triggerWith("ImportTable", chooseFile(good));
        QCOMPARE(f.messages().last(), u"Import from CSV file OK"_s);
        QCOMPARE(f.list() + u'|' + f.w.windowTitle(), u"[040] 002|"_s + Caption + u"Hall"_s);
        QVERIFY(f.asksToSave());
        QCOMPARE(f.saved().Programs.value(0).Title, QString(MaxTitleChars, u'x'));
    }
    void export_writesThePlayersFile_toAFolderPickedTypedOrMade_andTellsWhereItFails() {
        Window f;
        Program twoHundred;
        DecodeProgram(twoHundred, frameFromBytes(FrameTwoHundred));
        f.open({f.program(1), twoHundred});
        const QString dir = f.dir.path(), out = dir + u"/out"_s, typed = dir + u"/typed"_s, made = typed + u"/made"_s;
        for (const QString &folder : {out, dir + u"/gone"_s, typed})
            QVERIFY(QDir().mkdir(folder));
        for (int i = 0; i < 100; ++i) // sorted above "out": its row moves as they load
            QDir(dir).mkdir(u"a%1"_s.arg(i, 3, 10, QLatin1Char('0')));
        QStringList seen;
        f.triggerWith("ExportPlayerFile", folderDialog(seen, u"start; pick "_s + out));
        const QByteArray bytes = readAll(out + u"/quillon.msg"_s);
        QVERIFY(bytes.size() > ScheduleRecordsSize);
        QCOMPARE(bytes.mid(FrameSize * 199, FrameSize), FrameTwoHundred);
        QCOMPARE(f.messages().join(u'|') + u'|' + f.captions.last(),
                 u"Export in 'quillon.msg' file OK|Program(s) : 255 to 255 "_s);
        f.triggerWith("ImportPlayerFile", [&](QDialog &d) { // Import looks in the export folder
            seen << u"import "_s + static_cast<QFileDialog &>(d).directory().absolutePath();
            return int(QDialog::Rejected);
        });
        // The next export starts in the folder chosen last; one that vanishes is named, and the next dialog
        // starts at the nearest folder above it.
        f.answers.push_back(folderDialog(seen, u"start; pick %1/gone; gone %1/gone"_s.arg(dir)));
        f.click("ExportPlayerFile");
        QVERIFY2(f.messages().value(1).contains(u"quillon.msg"_s), qPrintable(f.messages().join(u'|')));
        f.triggerWith("ExportPlayerFile", folderDialog(seen, u"start; pick "_s + out));
        f.trigger("ExportPlayerFile"); // cancelled: nothing happens
        QCOMPARE(f.messages().size(), 3);
        // A folder is typed (Enter goes there, OK takes it) or made.
        f.triggerWith("ExportPlayerFile", folderDialog(seen, u"go %1; note; type %2/nowhere"_s.arg(typed, dir)));
        f.prompter.textAnswers = {u"made"_s, u"made"_s};
        f.triggerWith("ExportPlayerFile", folderDialog(seen, u"go %1; new; note; go %1; new"_s.arg(typed)));
        QCOMPARE(seen.join(u'|'), u"%1|closed|import %2|%2|closed|%3|closed|%4|open|%5|closed"_s.arg(
                                      QDir::cleanPath(QCoreApplication::applicationDirPath()), out, dir, typed, made));
        QVERIFY(QFileInfo(made).isDir() && QFileInfo::exists(typed + u"/quillon.msg"_s));
        QCOMPARE(f.messages().mid(3, 4).join(u'|'),
                 u"\"%1\" could not be opened: the folder does not exist|Name of the new folder in \"%2\":|Name of "
                 u"the new folder in \"%2\":|\"%3\" could not be created: %4"_s.arg(dir + u"/nowhere"_s, typed, made,
                                                                                    qt_error_string(EEXIST)));
    }
    void import_replacesTheProjectWithEveryRecordInOrder() {
        Window f;
        f.open(2);
        QByteArray records = emptyRecords(), ninth = sampleFixture(9);
        ninth[13] = char(0x7D); // month 13: corrected on import
        // Records whose codes are not in slot order, one code twice: every record is a program.
        records.replace(FrameSize * 3, FrameSize, sampleFixture(4)).replace(FrameSize * 8, FrameSize, ninth);
        records.replace(FrameSize * 1, FrameSize, FrameTwoHundred).replace(FrameSize * 4, FrameSize, sampleFixture(4));
        records.replace(FrameSize * 6, FrameSize, sampleFixture(7).replace(1, 1, QByteArray(1, '\0'))); // code 000
        QVERIFY(writeAll(f.dir.filePath("q.msg"), records + "07/12/2026 14:30:00"));
        QVERIFY(writeAll(f.dir.filePath("short.msg"), records.left(ScheduleRecordsSize - 1)));
        f.trigger("ImportPlayerFile"); // cancelled: nothing happens
        f.triggerWith("ImportPlayerFile", chooseFile(f.dir.filePath("short.msg")));
        QCOMPARE(f.list(), u"[001] 002"_s);
        QVERIFY2(f.messages().value(0).contains(f.dir.filePath("short.msg")), qPrintable(f.messages().join(u'|')));
        QVERIFY(!f.asksToSave());
        f.answers.push_back(chooseFile(f.dir.filePath("q.msg")));
        f.click("ImportPlayerFile");
        QCOMPARE(f.dialogs.last() + u'|' + f.list() + u'|' + f.w.windowTitle(),
                 u"Open fichier d'import Quillon (*.msg)|[200] 004 004 000 009|"_s + Caption + u"New Project"_s);
        QCOMPARE(f.captions.last(), u"Program(s) : 255 to 255 "_s);
        QVERIFY(f.asksToSave()); // imported programs are changes
        QCOMPARE(hexFrame(f.saved().Programs.value(0)), FrameTwoHundred.toHex());
        f.act(u"no; trigger TransmitPrograms; trigger ExportPlayerFile"_s); // the export's folder dialog cancelled
        // Code 000 is named after the import, before the transmit's question and before the export's folder.
        QCOMPARE(
            f.messages().mid(1).join(u'|'),
            u"Import from 'quillon.msg' file OK|The date or time of program(s) 009 did not exist and was corrected.|"
            u"Codes carried by more than one program: 004. A transmit or an export sends only the last program of "
            u"each.\n%1|%2|%1|%3|%1"_s.arg(u"1 program(s) have code 000, which is no slot of the player: a "
                                           u"transmit or an export leaves them out."_s,
                                           SaveQuestion, TransmitQuestion));
        f.act(u"trigger French"_s); // the messages follow the language
        f.triggerWith("ImportPlayerFile", chooseFile(f.dir.filePath("q.msg")));
        QVERIFY(f.messages().contains(
            u"La date ou l'heure du ou des programme(s) 009 n'existait pas et a été corrigée."_s));
    }
    void weekPlan_followsTheProjectAndTheClock_andAClickSelects() {
        Window f;
        Program daily = f.program(4), off = f.program(7);
        daily.TimerOn = 1, daily.TimerMode = off.TimerMode = TimerDaily;
        daily.Time = QTime(16, 0), off.Time = QTime(15, 0);
        f.open({f.program(1), daily, off});
        f.trigger("WeekPlan");
        auto *dialog = f.w.findChild<TWeekPlanDlg *>();
        const WeekPlanWidget *plan = dialog->planWidget();
        const auto marks = [plan] {
            QString out;
            for (const PlanMark &m : plan->plan().marks)
                out += QString::number(m.program) + (m.greyed ? u"g"_s : u""_s);
            return out;
        };
        QCOMPARE(marks(), u"1111111"_s); // 16:00 today (it is 14:30) and the next six days
        QCOMPARE(plan->spotToolTip(0), u"004 \"...\" 07/12/2026 16:00"_s);
        QTest::mouseClick(dialog->planWidget(), Qt::LeftButton, {}, plan->spots().at(0).rect.center().toPoint());
        QCOMPARE(f.list(), u"001 [004] 007"_s);
        f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(16, 1))); // the next minute drops what passed
        QMetaObject::invokeMethod(dialog->findChild<QTimer *>(u"MinuteTimer"_s), "timeout");
        dialog->findChild<QCheckBox *>(u"ShowGreyed"_s)->setChecked(true);
        QCOMPARE(marks(), u"2g12g12g12g12g12g1"_s);
        f.act(u"yes; click DeleteProgram"_s); // deleting 004 takes its marks away at once
        QCOMPARE(marks(), u"1g1g1g1g1g1g"_s);
    }
    // File > Print the Schedule prints, page for page, the text `quillon-cli print` writes of the
    // same project at the same minute, dates in the language's locale.
    void printSchedule_givesTheCommandLinesPages() {
        Window f;
        Program daily = f.program(4, u"Doors"_s), inactive = f.program(7, u"Closed"_s);
        daily.TimerOn = inactive.TimerOn = 1, daily.TimerMode = inactive.TimerMode = TimerDaily;
        inactive.Active = 0;
        f.open({f.program(1, u"Hall"_s), daily, inactive});
        f.act(u"trigger German"_s);
        const QString project = f.dir.filePath(u"open1.prg"_s), window = f.dir.filePath(u"window.pdf"_s);
        const auto pages = [](const QString &pdf) {
            QProcess text;
            text.start(u"pdftotext"_s, {u"-raw"_s, pdf, u"-"_s});
            QStringList out =
                text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()).split(u'\f') : QStringList();
            for (QString &page : out)
                page = page.simplified();
            return out;
        };
        QStringList printed, written;
        for (int attempt = 0; attempt < 3 && (printed.isEmpty() || printed != written); ++attempt) {
            const QDateTime now = QDateTime::currentDateTime();
            f.clock.set(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute())));
            f.triggerWith("PrintSchedule", [&](QDialog &d) {
                qobject_cast<QPrintPreviewDialog *>(&d)->printer()->setOutputFileName(window);
                d.findChild<QPrintPreviewWidget *>()->print(); // as the dialog's Print button does
                return int(QDialog::Accepted);
            });
            const CliRun run = runCli({u"print"_s, project, f.dir.filePath(u"cli.pdf"_s), u"--language"_s, u"de"_s});
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            printed = pages(window), written = pages(f.dir.filePath(u"cli.pdf"_s));
        }
        QCOMPARE(printed.size(), 3); // the table, the week plan and the end of the text
        QCOMPARE(printed, written);
        QVERIFY2(printed[0].contains(QLocale(QLocale::German).toString(f.clock.now(), QLocale::ShortFormat)) &&
                     printed[0].contains(u"nie (inaktiv)"_s),
                 qPrintable(printed[0]));
    }
    void startUp_readsTheSettings_andShutDownWritesThem() {
        QTemporaryDir dir;
        const QString project = dir.filePath("last.prg"), settings = dir.filePath("prog.CFG");
        ProjectProperties lobby;
        lobby.ProjectName = u"Lobby"_s;
        QVERIFY(WriteProjectFile(project, Project{lobby, {sampleProgram(2), sampleProgram(1)}}));
        QVERIFY(writeAll(settings, settingsFile("German", "COM7", project, u"/exports/ FALSE TRUE TRUE"_s)));
        Window f(SettingsLocation{settings, dir.filePath("config/prog.CFG")});
        // COM7 is not there; the project is read.
        QCOMPARE(f.toolButton("NewProgram")->toolTip() + u'|' + f.checkedPort() + u'|' + f.list() + f.w.windowTitle(),
                 u"Neues Programm erzeugen|(None)|[002] 001"_s + Caption + u"Lobby"_s);
        QVERIFY(f.action("German")->isChecked() && !f.action("IoCard")->isChecked() &&
                f.action("Ethernet")->isChecked());
        QVERIFY(!f.asksToSave());
        f.act(u"type TitleEdit Edited; click TitleText; yes; trigger Exit"_s);
        QCOMPARE(f.messages().last(),
                 u"Aktuelle Programmierung wurde geändert. Wünschen Sie die Änderungen zu speichern?"_s);
        QVERIFY(readAll(project).contains("\r\nEdited\r\n"));
        QCOMPARE(readAll(settings), settingsFile("German", "(None)", project, u"/exports/ FALSE TRUE TRUE"_s));
    }
    // The port line written at close, from the one read (a name; empty; "cut": the file ends
    // before it; "-": no file) with ttyS0 and ttyUSB1 listed, or closed before they were listed.
    void startPort_isWrittenAtCloseAsChosen_data() {
        QTest::addColumn<QString>("row"); // the port read, "+" when listed, the port written
        QTest::newRow("a port listed") << "ttyUSB1 + ttyUSB1";
        QTest::newRow("an empty port line") << " + (None)";
        QTest::newRow("no port line") << "cut + (None)";
        QTest::newRow("no settings file") << "- + ttyS0";
        QTest::newRow("a port, closed before the listing") << "COM7 - COM7";
        QTest::newRow("no settings file, closed before the listing") << "- - (None)";
    }
    void startPort_isWrittenAtCloseAsChosen() {
        QFETCH(QString, row);
        const QString stored = row.section(u' ', 0, 0);
        QTemporaryDir dir;
        const QString settings = dir.filePath("prog.CFG");
        const QByteArray file = settingsFile("English", qPrintable(stored), {}, u"/exports/ TRUE TRUE FALSE"_s);
        if (stored != u"-"_s)
            QVERIFY(writeAll(settings, stored == u"cut"_s ? crlf(crlfLines(file).mid(0, 4)) : file));
        const SettingsLocation location{settings, dir.filePath("config/prog.CFG")};
        if (row.section(u' ', 1, 1) == u"+"_s) {
            Window(location, {u"ttyS0"_s, u"ttyUSB1"_s}).trigger("Exit");
        } else {
            ScriptedPrompter prompter;
            ManualClock clock;
            MainWindow(prompter, clock, location).close();
        }
        QCOMPARE(QString::fromLatin1(crlfLines(readAll(settings)).value(4)), row.section(u' ', 2));
    }
    // Each row: the settings file (lines, "-" for none) | where it is written (its path in the test's
    // folder, or nowhere) | the messages at start-up | the last project line written at shut-down.
    void settings_areKeptWhereTheyCanBe_andForgetABrokenLastProject_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("first run, beside the program") << "- | prog.CFG | 0 | ";
        QTest::newRow("first run, in the configuration folder") << "- | config/prog.CFG | 0 | ";
        QTest::newRow("first run, nowhere") << "- | nowhere | 1 | ";
        QTest::newRow("a deleted last project")
            << "x,x,Language::English,x,(None),x,%1/last.prg | prog.CFG | 0 | last.prg";
        QTest::newRow("a broken last project") << "x,x,Language::English,x,(None),x,%1/broken.prg | prog.CFG | 1 | ";
    }
    void settings_areKeptWhereTheyCanBe_andForgetABrokenLastProject() {
        QFETCH(QString, row);
        const QStringList v = row.split(u" | "_s);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath("file"), "") && writeAll(dir.filePath("broken.prg"), "Group Of Program File"));
        const QString kept = v[1] == u"nowhere"_s ? QString() : dir.filePath(v[1]);
        if (v[0] != u"-"_s)
            QVERIFY(writeAll(kept, crlf(v[0].arg(dir.path()).toUtf8().split(','))));
        Window f(
            SettingsLocation{v[1] == u"prog.CFG"_s ? kept : dir.filePath(kept.isEmpty() ? "file/a" : "no/prog.CFG"),
                             dir.filePath(kept.isEmpty() ? "file/b" : "config/prog.CFG")});
        QCOMPARE(f.messages().size(), v[2].toInt()); // said once, at start-up
        QVERIFY(!kept.isEmpty() || (f.messages().value(0).contains(dir.filePath("file/a")) &&
                                    f.messages().value(0).contains(dir.filePath("file/b"))));
        QVERIFY(f.tiles().isEmpty());
        f.addPrograms(1);
        f.act(u"yes; trigger Exit"_s); // asks to save, and the save dialog is cancelled
        QCOMPARE(f.dialogs.last(), u"Save Program (*.prg)"_s);
        QCOMPARE(f.messages().size(), v[2].toInt() + 1);
        const QString last = v[3].isEmpty() ? QString() : dir.filePath(v[3]);
        if (!kept.isEmpty())
            QCOMPARE(readAll(kept).split('\n').value(6), last.toUtf8() + '\r');
        QCOMPARE(QFile::exists(dir.filePath("config/prog.CFG")), kept.endsWith(u"config/prog.CFG"_s));
        if (v[0] == u"-"_s && !kept.isEmpty())
            QCOMPARE(readAll(kept),
                     settingsFile("English", "(None)", QString(),
                                  QDir::cleanPath(QCoreApplication::applicationDirPath()) + u"/ TRUE TRUE FALSE"_s));
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "test_ui_commands.moc"
