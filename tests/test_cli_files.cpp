#include "ScheduleFixtures.h"
#include "TestSupport.h"
#include "project/ProjectFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCliFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs quillon-cli in the temporary folder, so that relative names land there.
    CliRun cli(const QStringList &args) const { return runCli(args, m_dir.path()); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("out")));
        Project project;
        project.Programs = {sampleProgram(2)};
        QVERIFY(WriteProjectFile(path(QStringLiteral("small.prg")), project));
        QVERIFY(writeAll(path(QStringLiteral("short.msg")), emptyRecords().chopped(1)));
        QVERIFY(writeAll(path(QStringLiteral("broken.prg")), "Group Of Program File of ORBEX\r\n*****\r\n"));
    }

    // Export writes each code's last program into its slot; import gives back, in slot order,
    // every field a slot carries, in a new project.
    void exportThenImport_givesBackEveryCarriedField() {
        Project project;
        project.Group.ProjectName = QStringLiteral("Shop announcements");
        TORBEXProg late = sampleProgram(200), last = sampleProgram(17);
        late.Title = QStringLiteral("Closing time");
        last.Active = 0;
        last.TimerMode = 3;
        project.Programs = {sampleProgram(17), late, last};
        QVERIFY(WriteProjectFile(path(QStringLiteral("source.prg")), project));
        const CliRun exported = cli({"export", "source.prg", "out"});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY2(exported.err.isEmpty(), qPrintable(exported.err));
        const QByteArray image = readAll(path(QStringLiteral("out/quillon.msg")));
        QVERIFY(image.size() > 6120); // the records, then the date stamp
        QCOMPARE(image.mid(24 * 199, 24), sampleFixture(200));
        QCOMPARE(image.mid(24 * 2 + 1, 2), bytes({3, 0x81}));

        const CliRun imported = cli({"import", "out/quillon.msg", "imported.prg"});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.err.isEmpty(), qPrintable(imported.err));
        Project back;
        QVERIFY(ReadProjectFile(path(QStringLiteral("imported.prg")), back));
        TORBEXGroup cleared;
        cleared.ProjectName = QStringLiteral("New Project");
        late.Title = QStringLiteral("..."); // a slot carries no title
        QVERIFY(back.Group == cleared && back.Programs.size() == 2);
        QVERIFY(back.Programs[0].sameContent(last) && back.Programs[1].sameContent(late));
    }

    void import_namesCorrectedSlotsInOneWarning() {
        QByteArray file = emptyRecords(), month13 = sampleFixture(5), minute60 = sampleFixture(9);
        month13[13] = char(0x7D);
        minute60[17] = char(60);
        QVERIFY(
            writeAll(path(QStringLiteral("odd.msg")), file.replace(24 * 4, 24, month13).replace(24 * 8, 24, minute60)));
        const CliRun run = cli({QStringLiteral("import"), QStringLiteral("odd.msg"), QStringLiteral("odd.prg")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.contains(QStringLiteral("warning")) && run.err.contains(QStringLiteral("005, 009")),
                 qPrintable(run.err));
        Project back;
        QVERIFY(ReadProjectFile(path(QStringLiteral("odd.prg")), back) && back.Programs.size() == 2);
    }

    void failure_exitsNonZeroNamingWhatFailed_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notCreated");
        QTest::newRow("export, missing project") << u"export absent.prg out"_s << 1 << u"absent.prg"_s << u""_s;
        QTest::newRow("export, missing folder")
            << u"export small.prg nowhere"_s << 1 << u"nowhere/quillon.msg"_s << u"nowhere"_s;
        QTest::newRow("export, file as folder")
            << u"export small.prg short.msg"_s << 1 << u"short.msg/quillon.msg"_s << u""_s;
        QTest::newRow("export, schedule file as project") << u"export short.msg out"_s << 1 << u"short.msg"_s << u""_s;
        QTest::newRow("import, missing file") << u"import absent.msg a.prg"_s << 1 << u"absent.msg"_s << u"a.prg"_s;
        QTest::newRow("import, one byte short") << u"import short.msg b.prg"_s << 1 << u"short.msg"_s << u"b.prg"_s;
        QTest::newRow("import, output folder missing")
            << u"import out/quillon.msg nowhere/c.prg"_s << 1 << u"nowhere/c.prg"_s << u""_s;
        QTest::newRow("show, no file") << u"show"_s << 64 << u"expected a project file or a player file"_s << u""_s;
        QTest::newRow("show, unknown language")
            << u"show small.prg --language pt"_s << 64 << u"unknown language \"pt\""_s << u""_s;
        QTest::newRow("show, language missing")
            << u"show small.prg --language"_s << 64 << u"--language needs one of"_s << u""_s;
        QTest::newRow("show, missing file") << u"show absent.prg"_s << 1 << u"cannot open absent.prg"_s << u""_s;
        QTest::newRow("show, short file") << u"show short.msg"_s << 1 << u"is neither a project file"_s << u""_s;
        QTest::newRow("show, broken project")
            << u"show broken.prg"_s << 1 << u"\"broken.prg\", line 3: expected"_s << u""_s;
        QTest::newRow("no command") << u""_s << 64 << u"Usage: quillon-cli COMMAND"_s << u""_s;
        QTest::newRow("unknown command") << u"exprot"_s << 64 << u"unknown command 'exprot'"_s << u""_s;
        QTest::newRow("export, one argument")
            << u"export small.prg"_s << 64 << u"Usage: quillon-cli export PROJECT.prg DIR"_s << u""_s;
        QTest::newRow("import, three arguments")
            << u"import a b c"_s << 64 << u"Usage: quillon-cli import FILE.msg OUT.prg"_s << u""_s;
        QTest::newRow("import, unknown option")
            << u"import --force out/quillon.msg d.prg"_s << 64 << u"unknown option '--force'"_s << u"d.prg"_s;
    }
    void failure_exitsNonZeroNamingWhatFailed() {
        QFETCH(QString, args);
        QFETCH(QString, message);
        QFETCH(QString, notCreated);
        if (!QFile::exists(path(QStringLiteral("out/quillon.msg"))))
            QCOMPARE(cli({QStringLiteral("export"), QStringLiteral("small.prg"), QStringLiteral("out")}).exitCode, 0);
        const CliRun run = cli(args.split(u' ', Qt::SkipEmptyParts));
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        QVERIFY(notCreated.isEmpty() || !QFile::exists(path(notCreated)));
    }

    void help_explainsTheCommands_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("-h") << u"-h"_s << u"export|import|help"_s;
        QTest::newRow("help export") << u"help export"_s << u"Usage: quillon-cli export PROJECT.prg DIR|quillon.msg"_s;
        QTest::newRow("import a --help") << u"import a --help"_s
                                         << u"Usage: quillon-cli import FILE.msg OUT.prg|6120"_s;
    }
    void help_explainsTheCommands() {
        QFETCH(QString, args);
        QFETCH(QString, expected);
        const CliRun run = cli(args.split(u' '));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        for (const QString &text : expected.split(u'|'))
            QVERIFY2(run.out.contains(text), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
