#include "ScheduleFixtures.h"
#include "TestSupport.h"
#include "project/ProjectFile.h"

#include <QTemporaryDir>
#include <QTest>

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
        QByteArray file = emptyRecords();
        QByteArray month13 = sampleFixture(5);
        month13[13] = char(0x7D);
        QByteArray minute60 = sampleFixture(9);
        minute60[17] = char(60);
        file.replace(24 * 4, 24, month13).replace(24 * 8, 24, minute60).replace(24 * 30, 24, sampleFixture(31));
        QVERIFY(writeAll(path(QStringLiteral("odd.msg")), file));
        const CliRun run = cli({QStringLiteral("import"), QStringLiteral("odd.msg"), QStringLiteral("odd.prg")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.contains(QStringLiteral("warning")) && run.err.contains(QStringLiteral("005, 009")),
                 qPrintable(run.err));
        Project back;
        QVERIFY(ReadProjectFile(path(QStringLiteral("odd.prg")), back));
        QCOMPARE(back.Programs.size(), 3);
        QCOMPARE(back.Programs[0].Date, QDate(2025, 12, 9));
        QCOMPARE(back.Programs[1].Time, QTime(6, 59));
    }

    void failure_exitsNonZeroNamingWhatFailed_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notCreated");
        QTest::newRow("export, missing project") << "export absent.prg out" << 1 << "absent.prg"
                                                 << "";
        QTest::newRow("export, missing folder") << "export small.prg nowhere" << 1 << "nowhere/quillon.msg"
                                                << "nowhere";
        QTest::newRow("export, file as folder") << "export small.prg short.msg" << 1 << "short.msg/quillon.msg"
                                                << "";
        QTest::newRow("export, schedule file as project") << "export short.msg out" << 1 << "short.msg"
                                                          << "";
        QTest::newRow("import, missing file") << "import absent.msg a.prg" << 1 << "absent.msg"
                                              << "a.prg";
        QTest::newRow("import, one byte short") << "import short.msg b.prg" << 1 << "short.msg"
                                                << "b.prg";
        QTest::newRow("import, output folder missing") << "import out/quillon.msg nowhere/c.prg" << 1 << "nowhere/c.prg"
                                                       << "";
        QTest::newRow("show, no file") << "show" << 64 << "expected a project file or a player file"
                                       << "";
        QTest::newRow("show, unknown language") << "show small.prg --language pt" << 64 << "unknown language \"pt\""
                                                << "";
        QTest::newRow("show, language missing") << "show small.prg --language" << 64 << "--language needs one of"
                                                << "";
        QTest::newRow("show, missing file") << "show absent.prg" << 1 << "cannot open absent.prg"
                                            << "";
        QTest::newRow("show, short file") << "show short.msg" << 1 << "is neither a project file"
                                          << "";
        QTest::newRow("show, broken project") << "show broken.prg" << 1 << "\"broken.prg\", line 3: expected"
                                              << "";
        QTest::newRow("no command") << "" << 64 << "Usage: quillon-cli COMMAND"
                                    << "";
        QTest::newRow("unknown command") << "exprot" << 64 << "unknown command 'exprot'"
                                         << "";
        QTest::newRow("export, one argument") << "export small.prg" << 64 << "Usage: quillon-cli export PROJECT.prg DIR"
                                              << "";
        QTest::newRow("import, three arguments") << "import a b c" << 64 << "Usage: quillon-cli import FILE.msg OUT.prg"
                                                 << "";
        QTest::newRow("import, unknown option")
            << "import --force out/quillon.msg d.prg" << 64 << "unknown option '--force'"
            << "d.prg";
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
        QTest::newRow("help") << "help"
                              << "export|import|help";
        QTest::newRow("-h") << "-h"
                            << "export|import|help";
        QTest::newRow("export --help") << "export --help"
                                       << "Usage: quillon-cli export PROJECT.prg DIR|quillon.msg";
        QTest::newRow("--help") << "--help"
                                << "export|import|help";
        QTest::newRow("help export") << "help export"
                                     << "Usage: quillon-cli export PROJECT.prg DIR|quillon.msg";
        QTest::newRow("import a --help") << "import a --help"
                                         << "Usage: quillon-cli import FILE.msg OUT.prg|6120";
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
