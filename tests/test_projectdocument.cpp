// Rules of the open project without a window: the modified check, the colour groups, the
// clipboard's record, and where the settings file is kept.
#include "TestSupport.h"
#include "project/ProjectDocument.h"
#include "project/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(14, 30, 10));

Project threePrograms() {
    Project p;
    for (int code : {1, 2, 3}) {
        TORBEXProg prog(Now);
        prog.Inputs = quint8(code);
        prog.Title = QStringLiteral("P%1").arg(code);
        p.Programs << prog;
    }
    return p;
}

} // namespace

using Change = std::function<void(Project &)>;
Q_DECLARE_METATYPE(Change)

class ProjectDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void isProjectModified_followsTheComparedFields_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("modified");
        QTest::newRow("nothing") << Change([](Project &) {}) << false;
        QTest::newRow("project name") << Change([](Project &p) { p.Group.ProjectName += u'x'; }) << true;
        QTest::newRow("customer case") << Change([](Project &p) { p.Group.Customer = QStringLiteral("A"); }) << true;
        QTest::newRow("property comment line")
            << Change([](Project &p) { p.Group.Comments = QStringList{QStringLiteral("..")}; }) << true;
        QTest::newRow("property comment added") << Change([](Project &p) { p.Group.Comments << QString(); }) << true;
        QTest::newRow("one program fewer") << Change([](Project &p) { p.Programs.removeLast(); }) << true;
        QTest::newRow("program comment") << Change([](Project &p) { p.Programs[1].Comments = {QStringLiteral("x")}; })
                                         << true;
        QTest::newRow("action value beyond the count")
            << Change([](Project &p) { p.Programs[0].ActionValue[5] = 9; }) << true;
        QTest::newRow("colour") << Change([](Project &p) { p.Programs[2].Color = ProgramColors[3]; }) << true;
        QTest::newRow("seconds of the time only")
            << Change([](Project &p) { p.Programs[0].Time = p.Programs[0].Time.addSecs(20); }) << false;
        QTest::newRow("moved up and down again") << Change([](Project &p) {
            p.Programs.swapItemsAt(0, 1);
            p.Programs.swapItemsAt(0, 1);
        }) << false;
        QTest::newRow("two programs swapped") << Change([](Project &p) { p.Programs.swapItemsAt(0, 1); }) << true;
    }
    void isProjectModified_followsTheComparedFields() {
        QFETCH(Change, change);
        QFETCH(bool, modified);
        const Project saved = threePrograms();
        Project live = saved;
        change(live);
        QCOMPARE(IsProjectModified(live, saved), modified);
    }

    void swappingTwoEqualPrograms_isNotAChange() {
        Project saved = threePrograms();
        saved.Programs[1] = saved.Programs[0];
        Project live = saved;
        live.Programs.swapItemsAt(0, 1);
        QVERIFY(!IsProjectModified(live, saved));
    }

    void colourGroup_countsAndFindsTheLastProgram() {
        Project p = threePrograms();
        for (int i = 0; i < 4; ++i)
            p.Programs << p.Programs[0];
        for (int i : {1, 4, 5})
            p.Programs[i].Color = ProgramColors[5];
        QCOMPARE(CountProgramsOfColor(p.Programs, ProgramColors[5]), quint8(3));
        QCOMPARE(LastProgramOfColor(p.Programs, ProgramColors[5]), 6);
        QCOMPARE(CountProgramsOfColor(p.Programs, ProgramColors[9]), quint8(0));
        QCOMPARE(LastProgramOfColor(p.Programs, ProgramColors[9]), 0);
    }

    void clipboardRecord_carriesEveryFieldButInputs() {
        TORBEXProg source(Now.addDays(-400));
        source.Inputs = 7;
        source.Priority = 1;
        source.TimerOn = 1;
        source.Active = 0;
        source.TimerMode = 2;
        source.ActionCount = 2;
        source.ActionKind = {3, 4, 7, 7, 7, 7};
        source.ActionValue = {1, 2, 3, 4, 5, 6};
        source.Title = QStringLiteral("Title");
        source.Color = ProgramColors[12];
        source.Comments = {QStringLiteral("a"), QStringLiteral("b")};
        const TORBEXProg record = ClipboardRecord(source, Now);
        QCOMPARE(record.Inputs, TORBEXProg(Now).Inputs);
        TORBEXProg withCode = record;
        withCode.Inputs = 7;
        QVERIFY(withCode.sameContent(source));

        TORBEXProg target(Now);
        target.Inputs = 42;
        CopyProgramContent(source, target);
        QCOMPARE(target.Inputs, quint8(42));
        QCOMPARE(target.Comments, source.Comments);
    }

    void loadSettings_besideAWritableProgram_createsTheFileThere() {
        QTemporaryDir dir;
        const SettingsLocation location{dir.filePath(QStringLiteral("prog.CFG")),
                                        dir.filePath(QStringLiteral("config/prog.CFG"))};
        Settings s;
        s.ExportPath = QStringLiteral("/exports/");
        QString error;
        QCOMPARE(LoadSettings(location, s, {QStringLiteral("(None)")}, &error), location.primary);
        QVERIFY(QFile::exists(location.primary));
        QVERIFY(!QFile::exists(location.fallback));
    }

    void loadSettings_whenTheProgramFolderCannotBeWritten_usesTheConfigurationFolder() {
        QTemporaryDir dir;
        const SettingsLocation location{dir.filePath(QStringLiteral("missing/prog.CFG")),
                                        dir.filePath(QStringLiteral("config/sub/prog.CFG"))};
        Settings s;
        s.CurrentLanguage = 4;
        QString error;
        QCOMPARE(LoadSettings(location, s, {QStringLiteral("(None)")}, &error), location.fallback);
        QVERIFY(readAll(location.fallback)
                    .startsWith("Settings File of ORBEX \"QuillonMessage\" Programmer\r\n"
                                "Language :\r\nGerman\r\n"));
        QCOMPARE(s.CurrentLanguage, 4);
    }

    void loadSettings_whereNothingCanBeWritten_keepsTheDefaultsAndSaysWhy() {
        QTemporaryDir dir;
        // A folder below a plain file can never be created.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const SettingsLocation location{dir.filePath(QStringLiteral("file/prog.CFG")),
                                        dir.filePath(QStringLiteral("file/config/prog.CFG"))};
        Settings s;
        s.CurrentLanguage = 5;
        QString error;
        QVERIFY(LoadSettings(location, s, {QStringLiteral("(None)")}, &error).isEmpty());
        QCOMPARE(s.CurrentLanguage, 5);
        QVERIFY2(error.contains(QDir::toNativeSeparators(location.primary)), qPrintable(error));
        QVERIFY2(error.contains(location.fallback), qPrintable(error));
    }

    void saveSettings_fallsBackWhenTheFileCannotBeWritten() {
        QTemporaryDir dir;
        const SettingsLocation location{dir.filePath(QStringLiteral("gone/prog.CFG")),
                                        dir.filePath(QStringLiteral("config/prog.CFG"))};
        Settings s;
        QString error;
        QCOMPARE(SaveSettings(location, location.primary, s, &error), location.fallback);
        QVERIFY(QFile::exists(location.fallback));
        const SettingsLocation nowhere{dir.filePath(QStringLiteral("gone/prog.CFG")), QString()};
        QVERIFY(SaveSettings(nowhere, nowhere.primary, s, &error).isEmpty());
        QVERIFY2(error.contains(nowhere.primary), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(ProjectDocumentTest)
#include "test_projectdocument.moc"
