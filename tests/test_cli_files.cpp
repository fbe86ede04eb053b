#include "ScheduleFixtures.h"
#include "TestSupport.h"
#include "project/ProjectFile.h"

#include <QFile>
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
        QVERIFY(writeAll(path(QStringLiteral("plain-file")), "x"));

        Project project;
        project.Programs = {sampleProgram(2)};
        QString error;
        QVERIFY2(WriteProjectFile(path(QStringLiteral("small.prg")), project, &error), qPrintable(error));
        QByteArray shortFile = emptyRecords();
        shortFile.chop(1);
        QVERIFY(writeAll(path(QStringLiteral("short.msg")), shortFile));
    }

    void exportThenImport_givesBackEveryCarriedField() {
        Project project;
        project.Group.ProjectName = QStringLiteral("Shop announcements");
        project.Group.Author = QStringLiteral("Someone");
        project.Group.Comments = {QStringLiteral("first"), QStringLiteral("second")};
        TORBEXProg late = sampleProgram(200);
        late.Title = QStringLiteral("Closing time");
        late.Color = ProgramColors[13];
        late.Comments = {QStringLiteral("said at 19:00")};
        TORBEXProg early(QDateTime(QDate(2031, 7, 14), QTime(23, 59, 30)));
        early.Inputs = 17;
        early.Active = 0;
        early.ActionCount = 6;
        early.ActionKind = {12, 11, 10, 9, 5, 4};
        early.ActionParam = {1, 2, 3, 4, 5, 255};
        early.ActionValue = {0, 9, 8, 7, 6, 5};
        early.TimerMode = 3;
        early.DayOftheWeek = 4;
        TORBEXProg replaced = sampleProgram(17); // an earlier program with the same code is not exported
        project.Programs = {replaced, late, early};
        QString error;
        QVERIFY2(WriteProjectFile(path(QStringLiteral("source.prg")), project, &error), qPrintable(error));

        const CliRun exported = cli({QStringLiteral("export"), QStringLiteral("source.prg"), QStringLiteral("out")});
        QCOMPARE(exported.exitCode, 0);
        QVERIFY2(exported.err.isEmpty(), qPrintable(exported.err));
        QFile msg(path(QStringLiteral("out/quillon.msg")));
        QVERIFY(msg.open(QIODevice::ReadOnly));
        const QByteArray image = msg.readAll();
        QVERIFY(image.size() > 6120); // the records, then the date stamp
        QCOMPARE(image.mid(24 * 199, 24), sampleFixture(200));
        QCOMPARE(image.mid(24 * 16 + 1, 2), bytes({17, 0x06}));
        QCOMPARE(quint8(image[24 * 2 + 2]), quint8(0x81));

        const CliRun imported =
            cli({QStringLiteral("import"), QStringLiteral("out/quillon.msg"), QStringLiteral("imported.prg")});
        QCOMPARE(imported.exitCode, 0);
        QVERIFY2(imported.err.isEmpty(), qPrintable(imported.err));

        Project back;
        QVERIFY2(ReadProjectFile(path(QStringLiteral("imported.prg")), back, &error), qPrintable(error));
        QCOMPARE(back.Group.ProjectName, QStringLiteral("New Project"));
        for (const QString &text : {back.Group.Subject, back.Group.Author, back.Group.RightsNotice, back.Group.Customer,
                                    back.Group.CreationDate, back.Group.DiffusionDate})
            QVERIFY(text.isEmpty());
        QCOMPARE(back.Group.Comments, QStringList{QStringLiteral("...")});
        QCOMPARE(back.Programs.size(), 2);
        const QList<TORBEXProg> inSlotOrder = {early, late};
        for (int i = 0; i < 2; ++i) {
            TORBEXProg expected = inSlotOrder[i];
            expected.Title = QStringLiteral("...");
            expected.Color = 33023;
            expected.Comments = QStringList{QStringLiteral("...")};
            QVERIFY2(back.Programs[i].sameContent(expected), qPrintable(QString::number(expected.Inputs)));
        }
    }

    void import_namesCorrectedSlotsInOneWarning() {
        QByteArray file = emptyRecords();
        QByteArray month13 = sampleFixture(5);
        month13[13] = char(0x7D);
        QByteArray minute60 = sampleFixture(9);
        minute60[17] = char(60);
        file.replace(24 * 4, 24, month13);
        file.replace(24 * 8, 24, minute60);
        file.replace(24 * 30, 24, sampleFixture(31));
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
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notCreated");
        const QString exp = QStringLiteral("export");
        const QString imp = QStringLiteral("import");
        QTest::newRow("export, missing project")
            << QStringList{exp, QStringLiteral("absent.prg"), QStringLiteral("out")} << 1
            << QStringLiteral("absent.prg") << QString();
        QTest::newRow("export, missing folder")
            << QStringList{exp, QStringLiteral("small.prg"), QStringLiteral("nowhere")} << 1
            << QStringLiteral("nowhere/quillon.msg") << QStringLiteral("nowhere");
        QTest::newRow("export, file in place of folder")
            << QStringList{exp, QStringLiteral("small.prg"), QStringLiteral("plain-file")} << 1
            << QStringLiteral("plain-file/quillon.msg") << QString();
        QTest::newRow("export, schedule file as project")
            << QStringList{exp, QStringLiteral("short.msg"), QStringLiteral("out")} << 1 << QStringLiteral("short.msg")
            << QString();
        QTest::newRow("import, missing file") << QStringList{imp, QStringLiteral("absent.msg"), QStringLiteral("a.prg")}
                                              << 1 << QStringLiteral("absent.msg") << QStringLiteral("a.prg");
        QTest::newRow("import, one byte short")
            << QStringList{imp, QStringLiteral("short.msg"), QStringLiteral("b.prg")} << 1
            << QStringLiteral("short.msg") << QStringLiteral("b.prg");
        QTest::newRow("import, output in missing folder")
            << QStringList{imp, QStringLiteral("out/quillon.msg"), QStringLiteral("nowhere/c.prg")} << 1
            << QStringLiteral("nowhere/c.prg") << QString();
        QTest::newRow("no command") << QStringList{} << 64 << QStringLiteral("Usage: quillon-cli COMMAND") << QString();
        QTest::newRow("unknown command") << QStringList{QStringLiteral("exprot")} << 64
                                         << QStringLiteral("unknown command 'exprot'") << QString();
        QTest::newRow("export, one argument")
            << QStringList{exp, QStringLiteral("small.prg")} << 64
            << QStringLiteral("Usage: quillon-cli export PROJECT.prg DIR") << QString();
        QTest::newRow("import, three arguments")
            << QStringList{imp, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")} << 64
            << QStringLiteral("Usage: quillon-cli import FILE.msg OUT.prg") << QString();
        QTest::newRow("import, unknown option")
            << QStringList{imp, QStringLiteral("--force"), QStringLiteral("out/quillon.msg"), QStringLiteral("d.prg")}
            << 64 << QStringLiteral("unknown option '--force'") << QStringLiteral("d.prg");
    }

    void failure_exitsNonZeroNamingWhatFailed() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QString, notCreated);
        if (args.contains(QStringLiteral("out/quillon.msg")) && !QFile::exists(path(QStringLiteral("out/quillon.msg"))))
            QVERIFY(cli({QStringLiteral("export"), QStringLiteral("small.prg"), QStringLiteral("out")}).exitCode == 0);

        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        if (!notCreated.isEmpty())
            QVERIFY(!QFile::exists(path(notCreated)));
    }

    void export_intoReadOnlyFolder_failsNamingTheFile() {
        const QString folder = path(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("this user can write into read-only folders");
        }
        const CliRun run = cli({QStringLiteral("export"), QStringLiteral("small.prg"), QStringLiteral("locked")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("locked/quillon.msg")), qPrintable(run.err));
    }

    void help_explainsTheCommands_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("expected");
        const QStringList overview = {QStringLiteral("export"), QStringLiteral("import"), QStringLiteral("help")};
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << overview;
        QTest::newRow("help") << QStringList{QStringLiteral("help")} << overview;
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << overview;
        const QStringList exportHelp = {QStringLiteral("Usage: quillon-cli export PROJECT.prg DIR"),
                                        QStringLiteral("quillon.msg")};
        QTest::newRow("export --help") << QStringList{QStringLiteral("export"), QStringLiteral("--help")} << exportHelp;
        QTest::newRow("help export") << QStringList{QStringLiteral("help"), QStringLiteral("export")} << exportHelp;
        QTest::newRow("import a --help") << QStringList{QStringLiteral("import"), QStringLiteral("a"),
                                                        QStringLiteral("--help")}
                                         << QStringList{QStringLiteral("Usage: quillon-cli import FILE.msg OUT.prg"),
                                                        QStringLiteral("6120")};
    }

    void help_explainsTheCommands() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        for (const QString &text : expected)
            QVERIFY2(run.out.contains(text), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
