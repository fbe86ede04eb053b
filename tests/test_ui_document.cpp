// The project document driven through the main window on the offscreen platform: New, Open,
// Save, Save as, Properties, Export, Import, the program commands, start-up and shut-down,
// the about window and the web links. The prompt seam answers the questions and the dialog
// seam fills and confirms the dialogs.
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
        for (const TFrame1 *t : w.Tiles)
            out << t->Prog.Inputs;
        return out;
    }

    // Tiles stacked in list order, one tile high each.
    bool stacked() const {
        for (int i = 0; i < w.Tiles.size(); ++i)
            if (w.Tiles[i]->y() != i * TFrame1::TileHeight)
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
        QVERIFY(f.w.Tiles.isEmpty());
        QCOMPARE(f.w.CurrentTile, nullptr);
        QCOMPARE(f.w.windowTitle(), Caption + "Hall");
        QCOMPARE(f.w.ProjectGroup.ProjectName, QStringLiteral("Hall"));
        QCOMPARE(f.w.ProjectGroup.Author, QStringLiteral("Ann"));
        QCOMPARE(f.w.ProjectGroup.Comments, (QStringList{"one", "two"}));
        QVERIFY(f.w.ProjectPath.isEmpty());
        QVERIFY(!f.w.IsProjectModified());
        QVERIFY(!f.w.EditorPanel->isVisible());
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
        QCOMPARE(f.w.Tiles[1]->Prog.Title, QStringLiteral("Second"));
        QCOMPARE(f.w.Tiles[1]->Prog.GetDay(), quint16(5));
        QCOMPARE(f.w.CurrentTile, f.w.Tiles.first());
        QVERIFY(f.w.Tiles.first()->isHighlighted());
        QVERIFY(f.stacked());
        QCOMPARE(f.w.windowTitle(), Caption + "Hall");
        QCOMPARE(f.w.ProjectGroup.Customer, QStringLiteral("Customer"));
        QCOMPARE(f.w.ProjectPath, f.path("hall.prg"));
        QVERIFY(!f.w.IsProjectModified());
        QVERIFY(f.w.EditorPanel->isVisible());
        QVERIFY(f.w.TileBox->isVisible());
        QCOMPARE(f.runnerCaptions.mid(f.runnerCaptions.size() - 3),
                 (QStringList{"Open : 1 to 3", "Open : 2 to 3", "Open : 3 to 3"}));
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void open_ofABadFile_leavesTheOpenProjectUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");
        QTest::newRow("hour 25") << projectFile("Bad", {programLines(1, "A"), programLines(2, "B", 25)})
                                 << QStringLiteral("line 52");
        QTest::newRow("ends early") << projectFile("Bad", {programLines(1, "A")}).left(200)
                                    << QStringLiteral("the end of the file");
        QTest::newRow("not a project") << QByteArray("hello\r\n") << QStringLiteral("the end of the file");
    }
    void open_ofABadFile_leavesTheOpenProjectUntouched() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        Fixture f;
        f.addWithCodes({7, 8});
        f.w.ProjectPath = f.path("mine.prg");
        f.w.ProjectGroup.ProjectName = QStringLiteral("Mine");
        f.w.setWindowTitle(Caption + "Mine");
        f.w.SelectProgramAt(1);
        const Project before = f.w.currentProject();
        writeFile(f.path("bad.prg"), bytes);
        f.files << f.path("bad.prg");
        f.prompter.queueAnswers({Answer::No});
        f.w.Open1Click();
        QCOMPARE(f.prompter.texts().size(), 2);
        QCOMPARE(f.prompter.texts()[0], message(5));
        const QString error = f.prompter.texts()[1];
        QVERIFY2(error.contains(f.path("bad.prg")) && error.contains(where), qPrintable(error));
        QCOMPARE(f.codes(), (QList<int>{7, 8}));
        QVERIFY(f.w.currentProject().Programs[1].sameContent(before.Programs[1]));
        QCOMPARE(f.w.currentIndex(), 1);
        QCOMPARE(f.w.ProjectPath, f.path("mine.prg"));
        QCOMPARE(f.w.windowTitle(), Caption + "Mine");
        QVERIFY(f.w.IsProjectModified());
        QVERIFY(f.w.TileBox->isVisible());
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

    void deleteProgram_selectsTheFollowingOrThePreviousProgram_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("remaining");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("middle of three") << 3 << 1 << true << QList<int>{1, 3} << 1;
        QTest::newRow("last of three") << 3 << 2 << true << QList<int>{1, 2} << 1;
        QTest::newRow("first of three") << 3 << 0 << true << QList<int>{2, 3} << 0;
        QTest::newRow("the only one") << 1 << 0 << true << QList<int>{} << -1;
        QTest::newRow("answered no") << 3 << 1 << false << QList<int>{1, 2, 3} << 1;
    }
    void deleteProgram_selectsTheFollowingOrThePreviousProgram() {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(bool, yes);
        QFETCH(QList<int>, remaining);
        QFETCH(int, selectedAfter);
        Fixture f;
        for (int i = 0; i < count; ++i)
            f.w.SpeedButton1Click();
        f.w.SelectProgramAt(selected);
        f.prompter.queueAnswers({yes ? Answer::Yes : Answer::No});
        f.w.SpeedButton2Click();
        QCOMPARE(f.prompter.texts(), QStringList{message(0)});
        QCOMPARE(f.codes(), remaining);
        QCOMPARE(f.w.currentIndex(), selectedAfter);
        QVERIFY(f.stacked());
        if (selectedAfter >= 0) {
            QVERIFY(f.w.CurrentTile->isHighlighted());
            QVERIFY(f.w.EditorPanel->isVisible());
        } else {
            QVERIFY(!f.w.EditorPanel->isVisible());
            QVERIFY(!f.w.SpeedButton2->isEnabled());
            QVERIFY(!f.w.Couper1->isEnabled());
        }
    }

    void copyAndPaste_appendASelectedCopyWithTheNextFreeCode() {
        Fixture f;
        f.addWithCodes({1, 2, 3, 4, 5, 6, 7});
        f.w.SelectProgramAt(6);
        TORBEXProg &source = f.w.CurrentTile->Prog;
        source.Title = QStringLiteral("Bell");
        source.Color = ProgramColors[14];
        source.Comments = {QStringLiteral("ring"), QStringLiteral("twice")};
        source.TimerMode = 3;
        source.ActionKind[0] = KindVolume;
        source.ActionValue[0] = 20;
        f.w.ShowSelectedProgram();
        QVERIFY(!f.w.Coller1->isEnabled());
        f.w.Copier1Click();
        QVERIFY(f.w.Coller1->isEnabled());
        QCOMPARE(f.w.ProgramClipboard.size(), 1);
        f.w.Coller1Click();
        f.w.Coller1Click();
        QCOMPARE(f.codes(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(f.w.currentIndex(), 8);
        TORBEXProg copy = f.w.Tiles[7]->Prog;
        copy.Inputs = 7;
        QVERIFY(copy.sameContent(f.w.Tiles[6]->Prog));
        QCOMPARE(f.w.Tiles[8]->titleText(), QStringLiteral("Bell"));
        QCOMPARE(f.w.ProgramClipboard.size(), 1);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void cut_removesWithoutAQuestionAndPastesBackAtTheEnd() {
        Fixture f;
        f.addWithCodes({1, 2, 3});
        f.w.SelectProgramAt(0);
        f.w.CurrentTile->Prog.Title = QStringLiteral("Moved");
        f.w.Couper1Click();
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.codes(), (QList<int>{2, 3}));
        QCOMPARE(f.w.currentIndex(), 0);
        QVERIFY(f.w.SpeedButton5->isEnabled());
        f.w.Coller1Click();
        QCOMPARE(f.codes(), (QList<int>{2, 3, 1}));
        QCOMPARE(f.w.CurrentTile->Prog.Title, QStringLiteral("Moved"));
    }

    void paste_intoAFullList_addsNothingAndSaysNothing() {
        Fixture f;
        f.w.SpeedButton1Click();
        f.w.Copier1Click();
        QList<TORBEXProg> many;
        for (int i = 2; i <= SlotCount; ++i) {
            TORBEXProg p(f.clock.now());
            p.Inputs = quint8(i);
            many << p;
        }
        f.w.loadPrograms(many);
        QCOMPARE(f.w.Tiles.size(), SlotCount);
        f.w.Coller1Click();
        QCOMPARE(f.w.Tiles.size(), SlotCount);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.w.ProgramClipboard.size(), 1);
    }

    void move_changesOnlyTheOrderAndKeepsTheSelection() {
        Fixture f;
        f.addWithCodes({1, 2, 3});
        f.w.TakeSnapshot();
        f.w.SelectProgramAt(0);
        QVERIFY(!f.w.MoveProgramUp1->isEnabled());
        f.w.MoveProgramUp1Click();
        QCOMPARE(f.codes(), (QList<int>{1, 2, 3}));
        f.w.MoveProgramDown1Click();
        QCOMPARE(f.codes(), (QList<int>{2, 1, 3}));
        QCOMPARE(f.w.currentIndex(), 1);
        QVERIFY(f.stacked());
        QVERIFY(f.w.IsProjectModified());
        QVERIFY(f.w.MoveProgramUp1->isEnabled());
        f.w.MoveProgramDown1Click();
        QCOMPARE(f.codes(), (QList<int>{2, 3, 1}));
        QVERIFY(!f.w.MoveProgramDown1->isEnabled());
        f.w.MoveProgramDown1Click();
        QCOMPARE(f.codes(), (QList<int>{2, 3, 1}));
        f.w.MoveProgramUp1Click();
        f.w.MoveProgramUp1Click();
        QCOMPARE(f.codes(), (QList<int>{1, 2, 3}));
        QVERIFY(f.stacked());
        QVERIFY(!f.w.IsProjectModified());
    }

    void deleteColourGroup_removesItsProgramsAndSelectsTheFirst() {
        Fixture f;
        f.addWithCodes({1, 2, 3, 4, 5, 6, 7});
        for (int i : {1, 4, 5})
            f.w.Tiles[i]->Prog.Color = ProgramColors[2];
        f.w.SelectProgramAt(3);
        f.prompter.queueAnswers({Answer::Yes});
        f.runnerCaptions.clear();
        f.w.ColorGroupItems[1]->trigger();
        QCOMPARE(f.prompter.texts(), QStringList{message(15)});
        QCOMPARE(f.codes(), (QList<int>{1, 3, 4, 7}));
        QCOMPARE(f.w.currentIndex(), 0);
        QVERIFY(f.w.Tiles[0]->isHighlighted());
        QVERIFY(f.stacked());
        QCOMPARE(f.runnerCaptions,
                 (QStringList{"Delete Program1 to 3", "Delete Program2 to 3", "Delete Program3 to 3"}));
    }

    void deleteColourGroup_answeredNoOrWithoutPrograms_removesNothing() {
        Fixture f;
        f.addWithCodes({1, 2});
        f.w.ColorGroup27Click(1); // no answer scripted: No
        QCOMPARE(f.codes(), (QList<int>{1, 2}));
        f.w.SelectProgramAt(1);
        f.prompter.queueAnswers({Answer::Yes});
        f.w.ColorGroup27Click(20);
        QCOMPARE(f.codes(), (QList<int>{1, 2}));
        QCOMPARE(f.w.currentIndex(), 0);
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
        EncodeProgram(f.w.Tiles[1]->Prog, frame, false);
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
        QCOMPARE(f.w.Tiles[0]->Prog.TimerMode, quint8(2));
        QCOMPARE(f.w.CurrentTile, f.w.Tiles[0]);
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

    void startUp_readsTheSettingsAndReopensTheLastProject() {
        QTemporaryDir dir;
        const QString project = dir.filePath("last.prg");
        writeFile(project, projectFile("Last", {programLines(2, "Two"), programLines(1, "One")}));
        const QString settings = dir.filePath("prog.CFG");
        writeFile(settings,
                  crlf({"Settings File of ORBEX \"QuillonMessage\" Programmer", "Language :", "German",
                        "Com Port selected :", "COM7", "Last projet used", project, "Last export path", "/exports/",
                        "I/O Option", "FALSE", "Ethernet Option", "TRUE", "PC Remote Mode", "TRUE"}));
        Fixture f(SettingsLocation{settings, dir.filePath("config/prog.CFG")});
        QCOMPARE(f.w.CurrentLanguage, int(German));
        QVERIFY(f.w.Deutsch1->isChecked());
        QCOMPARE(f.w.SelectedPortName, QStringLiteral("(None)"));
        QCOMPARE(f.w.ExportPath, QStringLiteral("/exports/"));
        QVERIFY(!f.w.IOOptionEnabled);
        QVERIFY(!f.w.IOOption1->isChecked());
        QVERIFY(f.w.PCRemoteMode);
        QCOMPARE(f.codes(), (QList<int>{2, 1}));
        QCOMPARE(f.w.CurrentTile, f.w.Tiles.first());
        QCOMPARE(f.w.windowTitle(), Caption + "Last");
        QVERIFY(!f.w.IsProjectModified());
        QCOMPARE(f.w.settingsPath(), settings);
        // The texts of the settings' language are on the window.
        QCOMPARE(f.w.SpeedButton1->toolTip(), LanguageText(TextTable::HintTexts, 2, German));

        f.w.CurrentTile->Prog.Title = QStringLiteral("Edited");
        f.prompter.queueAnswers({Answer::Yes});
        f.w.close();
        QCOMPARE(f.prompter.texts(), QStringList{LanguageText(TextTable::MessageTexts, 5, German)});
        QVERIFY(readFile(project).contains("\r\nEdited\r\n"));
        QCOMPARE(readFile(settings),
                 crlf({"Settings File of ORBEX \"QuillonMessage\" Programmer", "Language :", "German",
                       "Com Port selected :", "(None)", "Last projet used", project, "Last export path", "/exports/",
                       "I/O Option", "FALSE", "Ethernet Option", "TRUE", "PC Remote Mode", "TRUE"}));
    }

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
        QVERIFY(f.w.Tiles.isEmpty());
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
