// The project document driven through the main window on the offscreen platform: New, Open,
// Save, Save as, Properties, Export, Import, the program commands, start-up and shut-down,
// the about window and the web links. The prompt seam answers the questions and the dialog
// seam fills and confirms the dialogs.
#include "MainWindowFixture.h"
#include "model/Clock.h"
#include "model/Prompter.h"
#include "player/Trame.h"
#include "text/text.h"
#include "ui/DirSelect.h"
#include "ui/Help.h"
#include "ui/LittleOneProg.h"
#include "ui/Main.h"
#include "ui/ProgessBar.h"
#include "ui/ProjetProperty.h"
#include "ui/VerifTrame.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>

#include <memory>

namespace {

using Answer = Prompter::Answer;
const QString Caption = QStringLiteral("ORBEX Quillon Programmer : ");

QByteArray crlf(const QStringList &lines) {
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

// One program block of a project file.
QStringList programLines(int code, const QString &title, int hour = 7) {
    QStringList lines{QString::number(code), "no", "no", "yes", QString::number(hour), "5",
                      "05/03/2009",          "1",  "0",  "1"};
    for (int i = 0; i < 6; ++i)
        lines << "1";
    for (int i = 0; i < 6; ++i)
        lines << "0";
    for (int i = 0; i < 6; ++i)
        lines << "255";
    lines << title << "33023"
          << "1"
          << "..."
          << "*****";
    return lines;
}

QByteArray projectFile(const QString &name, const QList<QStringList> &programs) {
    QStringList lines{"Group Of Program File of ORBEX",
                      "*****",
                      name,
                      "Subject",
                      "Author",
                      "Rights",
                      "Customer",
                      "01/01/2026",
                      "02/02/2026",
                      "1",
                      "...",
                      "*****",
                      QString::number(programs.size()),
                      "*****"};
    for (const QStringList &p : programs)
        lines << p;
    return crlf(lines);
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString message(int row) {
    return LanguageText(TextTable::MessageTexts, row, English);
}

struct FileDialogSeen {
    QFileDialog::AcceptMode mode;
    QStringList filters;
    QString suffix;
    bool confirmsOverwrite;
};

struct Fixture {
    ScriptedPrompter prompter;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 30))};
    QTemporaryDir dir;
    std::unique_ptr<TForm1> window;
    TForm1 &w;

    // Scripted dialogs: the files chosen (an empty name cancels), the properties entered
    // (nullopt cancels), the export folder (empty cancels).
    QStringList files;
    QList<FileDialogSeen> fileDialogs;
    std::function<bool(TForm3 &)> onProperties = [](TForm3 &) { return false; };
    QString exportFolder;
    QString exportStart;
    QStringList runnerCaptions;
    QList<QUrl> urls;

    explicit Fixture(std::unique_ptr<TForm1> made = nullptr)
        : window(made ? std::move(made) : std::make_unique<TForm1>(prompter, clock))
        , w(*window) {
        w.CurrentLanguage = English;
        init();
    }
    // A window with a settings file, which chooses the language.
    explicit Fixture(const SettingsLocation &location)
        : window(std::make_unique<TForm1>(prompter, clock, location))
        , w(*window) {
        init();
    }

    void init() {
        w.setDialogRunner([this](QDialog &d) { return runDialog(d); });
        w.setUrlOpener([this](const QUrl &url) { urls << url; });
        QObject::connect(w.ProgressWindow, &QWidget::windowTitleChanged,
                         [this](const QString &title) { runnerCaptions << title; });
        w.show();
        w.activateWindow();
        QTRY_VERIFY(!w.firstActivationPending());
    }

    int runDialog(QDialog &d) {
        if (auto *fd = qobject_cast<QFileDialog *>(&d)) {
            fileDialogs << FileDialogSeen{fd->acceptMode(), fd->nameFilters(), fd->defaultSuffix(),
                                          !fd->testOption(QFileDialog::DontConfirmOverwrite)};
            const QString file = files.isEmpty() ? QString() : files.takeFirst();
            if (file.isEmpty())
                return QDialog::Rejected;
            fd->selectFile(file);
            return QDialog::Accepted;
        }
        if (auto *pd = qobject_cast<TForm3 *>(&d))
            return onProperties(*pd) ? QDialog::Accepted : QDialog::Rejected;
        if (auto *dd = qobject_cast<TOKBottomDlg2 *>(&d)) {
            exportStart = dd->directory();
            if (exportFolder.isEmpty())
                return QDialog::Rejected;
            dd->setDirectory(exportFolder);
            return QDialog::Accepted;
        }
        if (qobject_cast<TForm2 *>(&d)) {
            d.show();
            d.hide();
            return QDialog::Accepted;
        }
        return QDialog::Rejected;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    void addWithCodes(std::initializer_list<int> codes) {
        QList<TORBEXProg> list;
        for (int code : codes) {
            TORBEXProg p(clock.now());
            p.Inputs = quint8(code);
            p.Title = QStringLiteral("P%1").arg(code);
            list << p;
        }
        w.loadPrograms(list);
    }

    QList<int> codes() const {
        QList<int> out;
        for (const TFrame1 *t : tilesOf(w))
            out << t->program().Inputs;
        return out;
    }

    // Tiles stacked in list order, one tile high each.
    bool stacked() const {
        for (int i = 0; i < int(w.currentProject().Programs.size()); ++i)
            if (tilesOf(w)[i]->y() != i * TFrame1::TileHeight)
                return false;
        return true;
    }
};

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    // ---- New and Properties

    void new_confirmed_clearsTheProjectAndTakesTheEnteredProperties() {
        Fixture f;
        f.addWithCodes({1, 2, 3});
        f.w.TakeSnapshot();
        f.w.ProjectPath = f.path("old.prg");
        f.onProperties = [](TForm3 &d) {
            [&] {
                QCOMPARE(d.Edits[0]->text(), QStringLiteral("New Project"));
                QVERIFY(d.Edits[1]->text().isEmpty());
                QCOMPARE(d.Memo1->toPlainText(), QStringLiteral("..."));
            }();
            d.Edits[0]->setText(QStringLiteral("Hall"));
            d.Edits[2]->setText(QStringLiteral("Ann"));
            d.Memo1->setPlainText(QStringLiteral("one\ntwo"));
            return true;
        };
        f.w.New2Click();
        QVERIFY(f.w.currentProject().Programs.isEmpty());
        QCOMPARE(selectedTile(f.w), nullptr);
        QCOMPARE(f.w.windowTitle(), Caption + "Hall");
        QCOMPARE(f.w.ProjectGroup.ProjectName, QStringLiteral("Hall"));
        QCOMPARE(f.w.ProjectGroup.Author, QStringLiteral("Ann"));
        QCOMPARE(f.w.ProjectGroup.Comments, (QStringList{"one", "two"}));
        QVERIFY(f.w.ProjectPath.isEmpty());
        QVERIFY(!f.w.IsProjectModified());
        QVERIFY(!f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->isVisible());
        QVERIFY(f.prompter.shown.isEmpty());
        // The clearing counted down the programs: "Delete Program" + remaining + " to " + 3.
        QVERIFY(f.runnerCaptions.contains(QStringLiteral("Delete Program0 to 3")));
    }

    void new_cancelled_leavesEverythingAsItWas() {
        Fixture f;
        f.addWithCodes({4, 5});
        f.w.ProjectPath = f.path("kept.prg");
        f.w.ProjectGroup.ProjectName = QStringLiteral("Kept");
        f.w.setWindowTitle(Caption + "Kept");
        f.prompter.queueAnswers({Answer::No});
        f.w.New2Click();
        QCOMPARE(f.codes(), (QList<int>{4, 5}));
        QCOMPARE(f.w.ProjectPath, f.path("kept.prg"));
        QCOMPARE(f.w.ProjectGroup.ProjectName, QStringLiteral("Kept"));
        QCOMPARE(f.w.windowTitle(), Caption + "Kept");
        // The modified project was offered for saving first.
        QCOMPARE(f.prompter.texts(), QStringList{message(5)});
    }

    void properties_ok_rewritesTheCaptionAndMakesTheProjectModified() {
        Fixture f;
        f.w.ProjectGroup.Customer = QStringLiteral("Shop");
        f.w.TakeSnapshot();
        f.onProperties = [](TForm3 &d) {
            [&] { QCOMPARE(d.Edits[4]->text(), QStringLiteral("Shop")); }();
            d.Edits[0]->setText(QStringLiteral("Renamed"));
            return true;
        };
        f.w.Property1Click();
        QCOMPARE(f.w.windowTitle(), Caption + "Renamed");
        QCOMPARE(f.w.ProjectGroup.Customer, QStringLiteral("Shop"));
        QVERIFY(f.w.IsProjectModified());
    }

    void properties_cancel_changesNothing() {
        Fixture f;
        f.onProperties = [](TForm3 &d) {
            d.Edits[0]->setText(QStringLiteral("Other"));
            return false;
        };
        f.w.Property1Click();
        QCOMPARE(f.w.ProjectGroup.ProjectName, QStringLiteral("New Project"));
        QCOMPARE(f.w.windowTitle(), Caption + "New Project");
        QVERIFY(!f.w.IsProjectModified());
    }

    void propertyDialog_takesItsTextsInTheCurrentLanguageAndLimitsTheName() {
        Fixture f;
        TForm3 &d = *f.w.PropertyDialog;
        d.Language = French;
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Propriétés du Projet"));
        QCOMPARE(d.Labels[0]->text(), QStringLiteral(" Nom du Projet :"));
        QCOMPARE(d.OKBtn->text(), LanguageText(TextTable::PropertyTexts, 9, French));
        QCOMPARE(d.focusWidget(), d.Edits[0]);
        d.Edits[0]->clear();
        QTest::keyClicks(d.Edits[0], QString(65, u'n'));
        QCOMPARE(d.Edits[0]->text().size(), 64);
        QTest::keyClicks(d.Edits[1], QString(300, u's'));
        QCOMPARE(d.Edits[1]->text().size(), 300);
        d.hide();
    }

    // ---- Save, Save as, Open

    void saveAs_writesTheProjectFileAndTakesTheSavePoint() {
        Fixture f;
        f.w.ProjectGroup.Comments = {QStringLiteral("...")};
        f.w.ProjectGroup.Subject = QStringLiteral("S");
        f.files << f.path("empty");
        f.w.SaveAs1Click();
        QCOMPARE(f.fileDialogs.size(), 1);
        QCOMPARE(f.fileDialogs[0].mode, QFileDialog::AcceptSave);
        QCOMPARE(f.fileDialogs[0].filters, QStringList{"Program (*.prg)"});
        QCOMPARE(f.fileDialogs[0].suffix, QStringLiteral("prg"));
        QVERIFY(!f.fileDialogs[0].confirmsOverwrite);
        QCOMPARE(f.w.ProjectPath, f.path("empty.prg"));
        QCOMPARE(readFile(f.path("empty.prg")), crlf({"Group Of Program File of ORBEX", "*****", "New Project", "S", "",
                                                      "", "", "", "", "1", "...", "*****", "0", "*****"}));
        QVERIFY(!f.w.IsProjectModified());
        QCOMPARE(f.w.windowTitle(), Caption + "New Project");
    }

    void saveAs_cancelled_writesNothing() {
        Fixture f;
        f.addWithCodes({1});
        f.w.SaveAs1Click();
        QVERIFY(f.w.ProjectPath.isEmpty());
        QVERIFY(f.w.IsProjectModified());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
    }

    void save_withAnExistingFile_writesWithoutAskingAndAfterItsRemovalAsksForAName() {
        Fixture f;
        f.addWithCodes({9});
        writeFile(f.path("p.prg"), "old");
        f.w.ProjectPath = f.path("p.prg");
        f.w.Save1Click();
        QVERIFY(f.fileDialogs.isEmpty());
        QVERIFY(readFile(f.path("p.prg")).startsWith("Group Of Program File of ORBEX\r\n"));
        QVERIFY(!f.w.IsProjectModified());

        QFile::remove(f.path("p.prg"));
        f.files << f.path("q.prg");
        f.w.Save1Click();
        QCOMPARE(f.fileDialogs.size(), 1);
        QCOMPARE(f.w.ProjectPath, f.path("q.prg"));
        QVERIFY(QFile::exists(f.path("q.prg")));
    }

    void save_thatFails_reportsTheFileAndStaysModified() {
        Fixture f;
        f.addWithCodes({1});
        f.files << f.path("missing-folder/p.prg");
        f.w.SaveAs1Click();
        QVERIFY(f.w.ProjectPath.isEmpty());
        QVERIFY(f.w.IsProjectModified());
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY2(f.prompter.shown[0].text.contains(f.path("missing-folder/p.prg")), qPrintable(f.prompter.texts()[0]));
    }

    void open_readsTheFileShowsItsNameAndSelectsTheFirstProgram() {
        Fixture f;
        writeFile(f.path("hall.prg"), projectFile("Hall", {programLines(12, "First"), programLines(3, "Second"),
                                                           programLines(40, "Third")}));
        f.files << f.path("hall.prg");
        f.w.Open1Click();
        QCOMPARE(f.fileDialogs[0].mode, QFileDialog::AcceptOpen);
        QCOMPARE(f.fileDialogs[0].filters, QStringList{"Program (*.prg)"});
        QCOMPARE(f.codes(), (QList<int>{12, 3, 40}));
        QCOMPARE(tilesOf(f.w)[1]->program().Title, QStringLiteral("Second"));
        QCOMPARE(tilesOf(f.w)[1]->program().GetDay(), quint16(5));
        QCOMPARE(selectedTile(f.w), tilesOf(f.w).first());
        QVERIFY(tilesOf(f.w).first()->isHighlighted());
        QVERIFY(f.stacked());
        QCOMPARE(f.w.windowTitle(), Caption + "Hall");
        QCOMPARE(f.w.ProjectGroup.Customer, QStringLiteral("Customer"));
        QCOMPARE(f.w.ProjectPath, f.path("hall.prg"));
        QVERIFY(!f.w.IsProjectModified());
        QVERIFY(f.w.findChild<QFrame *>(QStringLiteral("EditorPanel"))->isVisible());
        QVERIFY(f.w.findChild<QWidget *>(QStringLiteral("TileBox"))->isVisible());
        QCOMPARE(f.runnerCaptions.mid(f.runnerCaptions.size() - 3),
                 (QStringList{"Open : 1 to 3", "Open : 2 to 3", "Open : 3 to 3"}));
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void openProjectFile_givesItsOutcome() {
        Fixture f;
        writeFile(f.path("one.prg"), projectFile("One", {programLines(5, "X")}));
        QVERIFY(f.w.openProjectFile(f.path("one.prg")));
        QVERIFY(!f.w.openProjectFile(f.path("none.prg")));
        QCOMPARE(f.codes(), QList<int>{5});
        QVERIFY2(f.prompter.texts().value(0).contains(f.path("none.prg")), qPrintable(f.prompter.texts().join('|')));
    }

    // ---- Program commands

    void paste_intoAFullList_addsNothingAndSaysNothing() {
        Fixture f;
        f.w.SpeedButton1Click();
        f.w.Copier1Click();
        QList<TORBEXProg> many;
        for (int i = 2; i <= MaxPrograms; ++i) {
            TORBEXProg p(f.clock.now());
            p.Inputs = quint8(i);
            many << p;
        }
        f.w.loadPrograms(many);
        QCOMPARE(int(f.w.currentProject().Programs.size()), MaxPrograms);
        f.w.Coller1Click();
        QCOMPARE(int(f.w.currentProject().Programs.size()), MaxPrograms);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.w.ProgramClipboard.size(), 1);
    }

    // ---- Export and import

    void export_writesThePlayerFileTheLogAndTheMessage() {
        Fixture f;
        f.addWithCodes({3, 200});
        f.w.ExportPath = f.dir.path() + QLatin1Char('/');
        QDir(f.dir.path()).mkdir(QStringLiteral("out"));
        f.exportFolder = f.path("out");
        f.w.Export1Click();
        QCOMPARE(f.exportStart, f.dir.path() + QLatin1Char('/'));
        QCOMPARE(f.w.ExportPath, f.path("out"));
        const QByteArray bytes = readFile(f.path("out/quillon.msg"));
        QVERIFY(bytes.size() > 6120);
        Frame frame;
        EncodeProgram(tilesOf(f.w)[1]->program(), frame, false);
        QCOMPARE(bytes.mid(24 * 199, 24), frameBytes(frame));
        QCOMPARE(quint8(bytes[24 * 0 + 2]) & 0x80, 0x80);
        QCOMPARE(f.prompter.texts(), QStringList{message(10)});
        const QStringList log = f.w.VerificationWindow->lines();
        QCOMPARE(log.size(), 255);
        QVERIFY(log[0].startsWith(u' '));
        QCOMPARE(f.runnerCaptions.last(), QStringLiteral("Program(s) : 255 to 255 "));
        QCOMPARE(f.w.ProgressWindow->Label1->text(), message(4));
    }

    void export_cancelledOrFailing_showsNoSuccess() {
        Fixture f;
        const QString start = f.w.ExportPath;
        f.w.Export1Click();
        QCOMPARE(f.w.ExportPath, start);
        QVERIFY(f.prompter.shown.isEmpty());
        f.exportFolder = f.path("not-there");
        f.w.Export1Click();
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY2(f.prompter.texts()[0].contains(QStringLiteral("quillon.msg")), qPrintable(f.prompter.texts()[0]));
    }

    void import_replacesTheProjectWithTheSlotsInOrder() {
        Fixture f;
        QByteArray records;
        TORBEXProg empty(f.clock.now());
        empty.DefaultInActiveProg(f.clock.now());
        for (int slot = 1; slot <= 255; ++slot) {
            Frame frame;
            TORBEXProg p = empty;
            p.Inputs = quint8(slot);
            const bool used = slot == 4 || slot == 9;
            p.Active = 1;
            p.TimerMode = slot == 4 ? 2 : 0;
            EncodeProgram(p, frame, !used);
            if (slot == 9) // month 13: corrected on import
                frame[13].Value = quint8((frame[13].Value & 0xF0) | 13);
            records += frameBytes(frame);
        }
        writeFile(f.path("quillon.msg"), records + "07/12/2026 14:30:00");
        f.addWithCodes({1, 2});
        f.w.ProjectGroup.ProjectName = QStringLiteral("Before");
        f.w.TakeSnapshot();
        f.files << f.path("quillon.msg");
        f.w.Import1Click();
        QCOMPARE(f.fileDialogs[0].filters, QStringList{"fichier d'import Quillon (*.msg)"});
        QCOMPARE(f.codes(), (QList<int>{4, 9}));
        QCOMPARE(tilesOf(f.w)[0]->program().TimerMode, quint8(2));
        QCOMPARE(selectedTile(f.w), tilesOf(f.w)[0]);
        QCOMPARE(f.w.ProjectGroup.ProjectName, QStringLiteral("New Project"));
        QCOMPARE(f.w.windowTitle(), Caption + "New Project");
        QVERIFY(f.w.IsProjectModified());
        QCOMPARE(f.prompter.texts().size(), 2);
        QCOMPARE(f.prompter.texts()[0], message(14));
        QVERIFY2(f.prompter.texts()[1].contains(QStringLiteral("009")) && !f.prompter.texts()[1].contains("004"),
                 qPrintable(f.prompter.texts()[1]));
        QCOMPARE(f.runnerCaptions.last(), QStringLiteral("Program(s) : 255 to 255 "));
    }

    void import_ofAShortFile_leavesTheOpenProjectUntouched() {
        Fixture f;
        writeFile(f.path("short.msg"), QByteArray(6119, '\0'));
        f.addWithCodes({1, 2});
        f.w.ProjectPath = f.path("mine.prg");
        f.w.TakeSnapshot();
        f.files << f.path("short.msg");
        f.w.Import1Click();
        QCOMPARE(f.codes(), (QList<int>{1, 2}));
        QCOMPARE(f.w.ProjectPath, f.path("mine.prg"));
        QVERIFY(!f.w.IsProjectModified());
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY2(f.prompter.texts()[0].contains(f.path("short.msg")), qPrintable(f.prompter.texts()[0]));
    }

    void import_cancelled_changesNothing() {
        Fixture f;
        f.addWithCodes({1});
        f.w.TakeSnapshot();
        f.w.Import1Click();
        QCOMPARE(f.codes(), QList<int>{1});
        QVERIFY(f.prompter.shown.isEmpty());
    }

    // ---- Start-up and shut-down

    void firstRun_writesTheDefaultsAndClosingAfterNewForgetsTheProject() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("prog.CFG");
        Fixture f(SettingsLocation{settings, dir.filePath("config/prog.CFG")});
        QVERIFY(readFile(settings).startsWith("Settings File of ORBEX \"QuillonMessage\" Programmer\r\n"));
        f.w.ProjectPath = dir.filePath("x.prg");
        f.onProperties = [](TForm3 &) { return true; };
        f.w.New2Click();
        f.w.close();
        const QList<QByteArray> lines = readFile(settings).split('\n');
        QCOMPARE(lines.value(6), QByteArray("\r"));
    }

    void startUp_withADeletedOrBrokenLastProject_startsEmpty_data() {
        QTest::addColumn<bool>("exists");
        QTest::newRow("deleted") << false;
        QTest::newRow("broken") << true;
    }
    void startUp_withADeletedOrBrokenLastProject_startsEmpty() {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString project = dir.filePath("last.prg");
        if (exists)
            writeFile(project, "Group Of Program File of ORBEX\r\n");
        const QString settings = dir.filePath("prog.CFG");
        writeFile(settings, crlf({"x", "x", "English", "x", "(None)", "x", project}));
        Fixture f(SettingsLocation{settings, dir.filePath("config/prog.CFG")});
        QVERIFY(f.w.currentProject().Programs.isEmpty());
        QCOMPARE(f.w.windowTitle(), Caption + "New Project");
        // A broken file is not the empty project's file; a deleted one is kept in the settings.
        QCOMPARE(f.w.ProjectPath, exists ? QString() : project);
        QCOMPARE(f.prompter.shown.size(), exists ? 1 : 0);
    }

    void startUp_whereTheSettingsCannotBeKept_saysSoOnceAndGoesOn() {
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "");
        Fixture f(SettingsLocation{dir.filePath("file/prog.CFG"), dir.filePath("file/config/prog.CFG")});
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY(f.w.settingsPath().isEmpty());
        f.w.close();
        QCOMPARE(f.prompter.shown.size(), 1);
    }

    void startUp_withAReadOnlyProgramFolder_keepsTheSettingsInTheConfigurationFolder() {
        QTemporaryDir dir;
        const SettingsLocation location{dir.filePath("no-such-folder/prog.CFG"), dir.filePath("config/prog.CFG")};
        Fixture f(location);
        QCOMPARE(f.w.settingsPath(), location.fallback);
        QVERIFY(f.prompter.shown.isEmpty());
        f.w.PCRemoteMode = true;
        f.w.close();
        QVERIFY(readFile(location.fallback).endsWith("PC Remote Mode\r\nTRUE\r\n"));
    }

    void close_ofAModifiedProjectWithoutFile_asksForANameAndMayBeCancelled() {
        Fixture f;
        f.w.SpeedButton1Click();
        f.prompter.queueAnswers({Answer::Yes});
        f.w.close();
        QCOMPARE(f.prompter.texts(), QStringList{message(5)});
        QCOMPARE(f.fileDialogs.size(), 1);
        QVERIFY(!f.w.isVisible());
    }

    // ---- About window and web links

    void aboutWindow_showsTheVersionInTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("version");
        QTest::newRow("English") << int(English) << "Version 2.7";
        QTest::newRow("German") << int(German) << "Version 2.7";
        QTest::newRow("Spanish") << int(Spanish) << "Versión 2.7";
        QTest::newRow("Italian") << int(Italian) << "Versione 2.7";
    }
    void aboutWindow_showsTheVersionInTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QString, version);
        Fixture f;
        f.w.CurrentLanguage = language;
        f.w.About1Click();
        QCOMPARE(f.w.AboutWindow->Label2->text(), version);
        QCOMPARE(f.w.AboutWindow->windowTitle(), LanguageText(TextTable::AboutTexts, 0, language));
        QCOMPARE(f.w.AboutWindow->Label3->text(), MakerWebAddress.toString());
    }

    void webLinks_openTheHomePageAndAMessageToSupport() {
        Fixture f;
        f.w.HomePage1->trigger();
        f.w.SendEmailToSupport1->trigger();
        QCOMPARE(f.urls.size(), 2);
        QCOMPARE(f.urls[0], QUrl(MakerWebAddress.toString()));
        QCOMPARE(f.urls[1].scheme(), QStringLiteral("mailto"));
        QCOMPARE(f.urls[1].path(), SupportEmailAddress.toString());
        const QUrlQuery query(f.urls[1]);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Subject : ORBEX Support Request"));
        QVERIFY(query.hasQueryItem(QStringLiteral("body")));
        QVERIFY(query.queryItemValue(QStringLiteral("body")).isEmpty());
    }

    void exportDirectoryDialog_andVerificationWindow_haveTheirTexts() {
        Fixture f;
        TOKBottomDlg2 &d = *f.w.ExportDirDialog;
        d.Language = French;
        d.setDirectory(f.dir.path());
        d.show();
        QCOMPARE(d.windowTitle(), LanguageText(TextTable::ExportDirTexts, 1, French));
        QCOMPARE(d.Panel1->text(), LanguageText(TextTable::ExportDirTexts, 0, French));
        QCOMPARE(d.CancelBtn->text(), QStringLiteral("Annuler"));
        QCOMPARE(d.directory(), f.dir.path());
        d.hide();
        QCOMPARE(f.w.VerificationWindow->windowTitle(), QStringLiteral("Vérif"));
        QCOMPARE(f.w.VerificationWindow->size(), QSize(464, 436));
    }
};

QTEST_MAIN(DocumentTest)
#include "test_ui_document.moc"
