#include "ScheduleFixtures.h"
#include "TestSupport.h"
#include "model/FileAccess.h"
#include "project/ProjectFile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The warnings of a shared code (%1) and of code 000, each after the command's name.
const QString SharedCode = u"warning: Codes carried by more than one program: %1. A transmit or an export sends only "
                           "the last program of each.\n"_s;
const QString CodeZero = u"warning: 1 program(s) have code 000, which is no slot of the player: a transmit or an "
                         "export leaves them out.\n"_s;

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs quillon-cli in the temporary folder, so that relative names land there.
    CliRun cli(const QStringList &args) const { return runCli(args, m_dir.path()); }
    // Runs `script` in the temporary folder with quillon-cli, the simulated player and the
    // snapshot tool as $0, $1 and $2.
    CliRun shell(const char *script) const {
        QProcess sh;
        sh.setWorkingDirectory(m_dir.path());
        sh.start(u"/bin/sh"_s, {u"-c"_s, QString::fromLatin1(script), QStringLiteral(QUILLON_CLI_PATH),
                                QStringLiteral(PLAYER_SIM_PATH), QStringLiteral(SNAPSHOT_PATH)});
        if (!sh.waitForFinished(60000) || sh.exitStatus() != QProcess::NormalExit)
            return {};
        return {sh.exitCode(), QString::fromUtf8(sh.readAllStandardOutput()),
                QString::fromUtf8(sh.readAllStandardError())};
    }
    // Empty when quillon-cli exited 0 with nothing on standard error, else its status and message.
    static QString failure(const CliRun &run) {
        return run.exitCode == 0 && run.err.isEmpty() ? QString() : u"%1: %2"_s.arg(run.exitCode).arg(run.err);
    }
    // The project in the temporary folder's file `name`; an empty one when it cannot be read.
    Project readProject(const QString &name) const {
        Project read;
        return ReadProjectFile(path(name), read) ? read : Project();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(u"out"_s));
        QVERIFY(WriteProjectFile(path(u"small.prg"_s), {ProjectProperties(), {sampleProgram(2)}}));
        QVERIFY(writeAll(path(u"short.msg"_s), emptyRecords().chopped(1)));
        QVERIFY(writeAll(path(u"broken.prg"_s), "Group Of Program File of ORBEX\r\n*****\r\n"));
        QVERIFY(writeAll(path(u"big.prg"_s),
                         QByteArray("Group Of Program File of ORBEX\r\n").leftJustified(64 * 1024, '0')));
        QVERIFY(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600) == 0);
        QVERIFY(QFile::link(u"loop"_s, path(u"loop"_s)));
        QVERIFY(QDir(m_dir.path()).mkdir(u"full"_s) && QDir(m_dir.path()).mkdir(u"names"_s));
        QVERIFY(english(nonRegularKind(path(u"fifo"_s))).contains(u"FIFO"));
    }

    // Export writes each code's last program into its slot; import gives back, in slot order,
    // every field a slot carries, in a new project.
    void exportThenImport_givesBackEveryCarriedField() {
        Project project;
        project.Properties.ProjectName = u"Shop announcements"_s;
        Program late = sampleProgram(200), last = sampleProgram(17);
        late.Title = u"Closing time"_s;
        last.Active = 0, last.TimerMode = 3;
        project.Programs = {sampleProgram(17), late, last};
        QVERIFY(WriteProjectFile(path(u"source.prg"_s), project));
        QCOMPARE(failure(cli({"export", "source.prg", "out"})), QString());
        const QByteArray image = readAll(path(u"out/quillon.msg"_s));
        QVERIFY(image.size() > 6120); // the records, then the date stamp
        QCOMPARE(image.mid(24 * 199, 24), sampleFixture(200));
        QCOMPARE(image.mid(24 * 2 + 1, 2), bytes({3, 0x81}));
        QCOMPARE(failure(cli({"import", "out/quillon.msg", "imported.prg"})), QString());
        const Project back = readProject(u"imported.prg"_s);
        ProjectProperties cleared;
        cleared.ProjectName = u"New Project"_s;
        late.Title = u"..."_s; // a slot carries no title
        QVERIFY(back.Properties == cleared && back.Programs.size() == 2);
        QVERIFY(back.Programs[0].sameContent(last) && back.Programs[1].sameContent(late));
    }

    // Import keeps records of a shared code or code 000 and names them, after one warning that
    // names the slots it corrected; export warns of code 000 and counts the programs it writes.
    void import_namesCorrectedSlotsAndCodeConflicts() {
        QByteArray file = emptyRecords(); // slots 1..9: code 9, month 13, code 000, minute 60, code 9
        for (const auto &[slot, code, at, value] :
             {std::tuple{1, 9, 0, 0}, {3, 3, 13, 0x7D}, {5, 5, 1, 0}, {7, 7, 17, 60}, {9, 9, 0, 0}})
            file.replace(24 * (slot - 1), 24, sampleFixture(code).replace(at, 1, QByteArray(1, char(value))));
        QVERIFY(writeAll(path(u"codes.msg"_s), file));
        const CliRun imported = cli({u"import"_s, u"codes.msg"_s, u"codes.prg"_s});
        QVERIFY2(imported.exitCode == 0 && imported.err.section(u'\n', 0, 0).contains(u"warning"_s) &&
                     imported.err.section(u'\n', 0, 0).contains(u"003, 007"_s),
                 qPrintable(imported.err));
        QCOMPARE(imported.err.section(u'\n', 1), u"import: "_s + SharedCode.arg(u"009") + u"import: "_s + CodeZero);
        QCOMPARE(readProject(u"codes.prg"_s).Programs.size(), 5);
        const CliRun exported = cli({u"export"_s, u"codes.prg"_s, u"out"_s});
        QVERIFY2(exported.exitCode == 0 && exported.err == u"export: "_s + CodeZero, qPrintable(exported.err));
        QVERIFY2(exported.out.endsWith(u" (3 program(s), 255 slots).\n"_s), qPrintable(exported.out));
    }

    // A player file is read up to the end of its records, whatever follows them and however
    // long it is (one byte short is refused: see the failures).
    void playerFile_isReadUpToTheEndOfItsRecords_data() {
        QTest::addColumn<qint64>("size");
        for (const qint64 size : {6120LL, 7145LL, 64LL * 1024, 4LL << 30}) // the last one sparse
            QTest::addRow("%lld bytes", size) << size;
    }
    void playerFile_isReadUpToTheEndOfItsRecords() {
        QFETCH(qint64, size);
        const QByteArray tail = sampleFixture(9).repeated(64 * 1024 / 24).left(qMin<qint64>(size, 64 * 1024) - 6120);
        QVERIFY(writeAll(path(u"sized.msg"_s), emptyRecords().replace(24 * 4, 24, sampleFixture(5)) + tail));
        QVERIFY(QFile::resize(path(u"sized.msg"_s), size));
        QCOMPARE(failure(cli({u"import"_s, u"sized.msg"_s, u"sized.prg"_s})), QString());
        const Project back = readProject(u"sized.prg"_s);
        QVERIFY(back.Programs.size() == 1 && back.Programs[0].Code == 5);
        const CliRun shown = cli({u"show"_s, u"sized.msg"_s});
        QVERIFY2(shown.exitCode == 0 && shown.out.startsWith(u"005\t"_s) && shown.out.count(u'\n') == 1,
                 qPrintable(shown.err));
    }

    // A table written and read back into the project gives the same file; a wrong cell writes nothing;
    // shared codes and code 000 are warned of.
    void csvRoundTrip_givesTheSameProjectFile() {
        Project project;
        project.Properties.ProjectName = u"Boutique"_s;
        project.Programs = {sampleProgram(17), sampleProgram(3), sampleProgram(0), sampleProgram(3)};
        for (Program &p : project.Programs)
            p.ActionCount = 3; // the go-to in slot 3 ends the list
        project.Programs[0].Title = u"Soldes, « hiver »"_s;
        QVERIFY(WriteProjectFile(path(u"shop.prg"_s), project));
        const QByteArray before = readAll(path(u"shop.prg"_s));
        QCOMPARE(cli({"csv-export", "shop.prg", "shop.csv"}).exitCode, 0);
        const CliRun imported = cli({"csv-import", "shop.csv", "shop.prg"});
        QCOMPARE(u"%1 "_s.arg(imported.exitCode) + imported.err,
                 u"0 csv-import: "_s + SharedCode.arg(u"003") + u"csv-import: "_s + CodeZero);
        QCOMPARE(readAll(path(u"shop.prg"_s)), before);
        QCOMPARE(cli({"csv-import", "shop.csv", "new.prg"}).exitCode, 0);
        QCOMPARE(readProject(u"new.prg"_s).Properties.ProjectName, u"New Project"_s);
        QVERIFY(writeAll(path(u"bad.csv"_s), readAll(path(u"shop.csv"_s)).replace(",yes,", ",maybe,")));
        const CliRun bad = cli({"csv-import", "bad.csv", "shop.prg"});
        QVERIFY2(bad.exitCode == 66 && bad.err.contains(u"row 2, column active: yes or no was expected"_s),
                 qPrintable(bad.err));
        QCOMPARE(readAll(path(u"shop.prg"_s)), before);
    }

    // The printed schedule without a display: the table's pages, then the week plan's.
    void print_writesThePdfWithoutADisplay_data() {
        QTest::addColumn<int>("programs");
        QTest::addColumn<int>("pages");
        QTest::newRow("one past the first page") << 24 << 3;
        QTest::newRow("255 programs") << 255 << 11;
    }
    void print_writesThePdfWithoutADisplay() {
        QFETCH(int, programs);
        Project project;
        for (int code = 1; code <= programs; ++code)
            project.Programs << sampleProgram(code);
        QVERIFY(WriteProjectFile(path(u"print.prg"_s), project));
        const CliRun run = cli({"print", "print.prg", "print.pdf", "--language", "de"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString pdf = QString::fromLatin1(readAll(path(u"print.pdf"_s)));
        QVERIFY(pdf.startsWith(u"%PDF-"_s) && pdf.trimmed().endsWith(u"%%EOF"_s));
        QTEST(int(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s))), "pages");
    }

    // Every command against missing, special, oversized and wrong-kind files: the exit status
    // tells the kind of failure (66 input, 73 output, 74 part way, 64 usage), the message names
    // the file and what it is, nothing waits on a FIFO, and a FIFO named as output stays one.
    void failure_exitsWithItsStatusNamingWhatFailed_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("notCreated");
        const auto row = [](const char *name, const QString &args, int exitCode, const QString &message,
                            const QString &notCreated = {}) {
            QTest::newRow(name) << args << exitCode << message << notCreated;
        };
        const QString noPort = u" --port /dev/quillon-no-such-port"_s;
        row("export, missing project", "export absent.prg out", 66, "\"absent.prg\" could not be opened");
        row("export, missing folder", "export small.prg nowhere", 73, "nowhere/quillon.msg", "nowhere");
        row("export, file as folder", "export small.prg short.msg", 73, "\"short.msg\" is not a folder");
        row("export, player file", "export out/quillon.msg out", 66, "is a player file, not a project");
        row("export, short file", "export short.msg out", 66, "is not a project file: its first line");
        row("export, FIFO", "export fifo out", 66, "\"fifo\" could not be opened: it is a FIFO");
        row("export, disk full", "export small.prg full", 74, "only 4096 of 61", "full/quillon.msg");
        row("import, missing file", "import absent.msg a.prg", 66, "absent.msg", "a.prg");
        row("import, one byte short", "import short.msg b.prg", 66, "6119 bytes, where", "b.prg");
        row("import, project file", "import small.prg b.prg", 66, "is a project file, not a player", "b.prg");
        row("import, project file of 64 KiB", "import big.prg b.prg", 66, "is a project file, not a", "b.prg");
        row("import, FIFO", "import fifo b.prg", 66, "it is a FIFO", "b.prg");
        row("import, output folder missing", "import out/quillon.msg nowhere/c.prg", 73, "nowhere/c.prg");
        row("import, FIFO as output", "import out/quillon.msg fifo", 73, "\"fifo\" could not be created: it is a FIFO");
        row("import, link loop as output", "import out/quillon.msg loop", 73,
            "\"loop\" could not be created: it is a symbolic link that leads back to itself");
        row("csv-import, folder as output", "csv-import absent.csv out", 73,
            "\"out\" could not be created: it is a folder");
        row("show, missing file", "show absent.prg", 66, "\"absent.prg\" could not be opened");
        row("show, short file", "show short.msg", 66, "is neither a project file");
        row("show, broken project", "show broken.prg", 66, "\"broken.prg\", line 3: expected");
        row("show, endless device", "show /dev/zero", 66, "it is a character device");
        row("check, FIFO", "check fifo", 66, "it is a FIFO");
        row("check, folder", "check out", 66, "it is a folder");
        row("transmit, FIFO", "transmit fifo" + noPort, 66, "it is a FIFO");
        row("transmit, player file", "transmit out/quillon.msg" + noPort, 66, "is a player file");
        row("receive, FIFO as output, before the port", "receive fifo" + noPort, 73, "it is a FIFO");
        row("receive, output folder missing", "receive nowhere/r.prg" + noPort, 73, "nowhere/r.prg");
        row("show, no file", "show", 64, "expected a project file or a player file");
        row("show, unknown language", "show small.prg --language pt", 64, "unknown language \"pt\"");
        row("show, language missing", "show small.prg --language", 64, "--language needs one of");
        row("no command", "", 64, "Usage: quillon-cli COMMAND");
        row("unknown command", "exprot", 64, "unknown command 'exprot'");
        row("export, one argument", "export small.prg", 64, "Usage: quillon-cli export PROJECT.prg DIR");
        row("import, three arguments", "import a b c", 64, "Usage: quillon-cli import FILE.msg OUT.prg");
        row("import, unknown option", "import --force out/quillon.msg d.prg", 64, "unknown option '--force'", "d.prg");
    }
    void failure_exitsWithItsStatusNamingWhatFailed() {
        QFETCH(QString, args);
        QFETCH(QString, message);
        QFETCH(QString, notCreated);
        if (!QFile::exists(path(u"out/quillon.msg"_s)))
            QCOMPARE(cli({u"export"_s, u"small.prg"_s, u"out"_s}).exitCode, 0);
        // The folder "full" stands for a full disk: no file may grow past 4 KiB.
        const auto fullDisk = [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
        };
        const CliRun run =
            runCli(args.split(u' ', Qt::SkipEmptyParts), m_dir.path(), QProcessEnvironment::systemEnvironment(),
                   args.endsWith(u" full") ? fullDisk : std::function<void()>());
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.err.contains(message) && run.out.isEmpty(), qPrintable(run.err + run.out));
        QVERIFY(notCreated.isEmpty() || !QFile::exists(path(notCreated)));
    }

    // Names that are not valid UTF-8 are read and written under their own bytes; such names,
    // and the control characters of a title, are printed as visible escapes.
    void hostileNames_areKeptAsBytesAndPrintedSafely() {
        Program titled = sampleProgram(1);
        titled.Title = QString::fromLatin1("A\x1B[2J\0B\tC", 9);
        QVERIFY(WriteProjectFile(path(fileNameFromBytes("\xFF\x1B.prg")), {ProjectProperties(), {titled}}));
        // The names reach quillon-cli as bytes through the shell: QProcess would pass them as UTF-8.
        const CliRun shown = shell("exec \"$0\" show \"$(printf '\\377\\033.prg')\"");
        QVERIFY2(shown.exitCode == 0 && shown.out.startsWith(u"001\tA\\x1B[2J\\x00B\\x09C\t"_s), qPrintable(shown.out));
        QCOMPARE(failure(shell("exec \"$0\" export \"$(printf '\\377\\033.prg')\" names")), QString());
        const CliRun imported = shell("exec \"$0\" import names/quillon.msg \"$(printf 'back\\376.prg')\"");
        QVERIFY2(imported.exitCode == 0 && imported.out.endsWith(u"into back\\xFE.prg.\n"_s), qPrintable(imported.out));
        const QByteArray folder = QFile::encodeName(m_dir.path());
        QVERIFY(::unlink(folder + "/back\xFE.prg") == 0); // also for QTemporaryDir, which cannot name it
        QVERIFY(::unlink(folder + "/\xFF\x1B.prg") == 0);
        const CliRun missing = shell("exec \"$0\" check \"$(printf 'gone\\377')\"");
        QVERIFY2(missing.exitCode == 66 && missing.err.contains(u"\"gone\\xFF\" could not be opened"_s),
                 qPrintable(missing.err));
    }

    void help_explainsTheCommands_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--help") << u"--help"_s << u"export|import|help|  66 |too large|  73 |  74 "_s;
        QTest::newRow("-h") << u"-h"_s << u"export|import|help"_s;
        QTest::newRow("help export") << u"help export"_s << u"Usage: quillon-cli export PROJECT.prg DIR|quillon.msg"_s;
        QTest::newRow("import a --help") << u"import a --help"_s
                                         << u"Usage: quillon-cli import FILE.msg OUT.prg|6120"_s;
    }
    void help_explainsTheCommands() {
        QFETCH(QString, args);
        QFETCH(QString, expected);
        const CliRun run = cli(args.split(u' '));
        QCOMPARE(failure(run), QString());
        for (const QString &text : expected.split(u'|'))
            QVERIFY2(run.out.contains(text), qPrintable(run.out));
    }

    // The manual page has every command of the help in its NAME, SYNOPSIS and DESCRIPTION, each
    // with the options of its usage, and under OPTIONS each option naming its commands; the
    // simulated player's page has the options of its help.
    void manualPages_holdEveryCommandAndOptionOfTheHelp() {
        const auto page = [](const char *name) {
            return QString::fromUtf8(readAll(QStringLiteral(QUILLON_MAN_DIR "/") + QLatin1String(name)))
                .replace(u"\\-"_s, u"-"_s);
        };
        const auto section = [](const QString &text, const char *title) {
            return text.section(u".SH "_s + QLatin1String(title) + u'\n', 1).section(u"\n.SH "_s, 0, 0);
        };
        const auto options = [](const QString &text) { // sorted, each once
            std::set<QString> found;
            for (const QRegularExpressionMatch &m : QRegularExpression(u"--[a-z-]+"_s).globalMatch(text))
                found.insert(m.captured());
            return QStringList(found.begin(), found.end());
        };
        const QString manual = page("quillon-cli.1"), optionsPart = section(manual, "OPTIONS");
        QStringList commands, synopsis;
        for (const QString &line :
             cli({u"--help"_s}).out.section(u"Commands:\n"_s, 1).section(u"\n\n"_s, 0, 0).split(u'\n'))
            commands << line.simplified().section(u' ', 0, 0);
        for (const QString &block : section(manual, "SYNOPSIS").split(u"\n.br\n"_s))
            if (const QString command = QRegularExpression(u"^\\.B quillon-cli ([a-z-]+)"_s).match(block).captured(1);
                !command.isEmpty()) {
                synopsis << command;
                if (command == u"help")
                    continue;
                const QString usage = cli({command, u"--help"_s}).out.section(u'\n', 0, 0);
                QCOMPARE(options(block), options(usage));
                QVERIFY2(!usage.endsWith(u' '), qPrintable(usage));
                QVERIFY2(section(manual, "NAME").contains(command + u',') || section(manual, "NAME").endsWith(command),
                         qPrintable(command));
                QVERIFY2(section(manual, "DESCRIPTION").contains(u".TP\n.B "_s + command + u'\n'), qPrintable(command));
                for (const QString &option : options(usage))
                    QVERIFY2(
                        optionsPart.section(option + u' ', 1).section(u".TP"_s, 0, 0).contains(u"\\fB"_s + command),
                        qPrintable(command + u' ' + option));
            }
        synopsis.sort();
        commands.sort();
        QCOMPARE(synopsis, commands);
        const CliRun sim = shell("exec \"$1\" --help");
        QCOMPARE(failure(sim), QString());
        QCOMPARE(options(section(page("quillon-player-sim.1"), "OPTIONS")), options(sim.out.section(u"Options:"_s, 1)));
    }

    void snapshotHelp_printsTheUsageAndDrawsNothing() {
        const CliRun snapshot = shell("cd out && exec \"$2\" --help");
        QVERIFY2(snapshot.exitCode == 0 && snapshot.out.startsWith(u"Usage: quillon-ui-snapshot "_s),
                 qPrintable(snapshot.err));
        QVERIFY(!QFile::exists(path(u"out/--help"_s)));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
