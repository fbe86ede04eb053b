#include "TestSupport.h"
#include "project/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList Ports = {QStringLiteral("(None)"), QStringLiteral("ttyS0"), QStringLiteral("ttyUSB1")};

// A stored file whose every value differs from the defaults used in the tests.
const QList<QByteArray> StoredLines = {
    "Settings File of ORBEX \"QuillonMessage\" Programmer",
    "Language :",
    "German",
    "Com Port selected :",
    "ttyUSB1",
    "Last projet used",
    "/home/anna/m\xe9lodies.prg",
    "Last export path",
    "/media/usb/",
    "I/O Option",
    "FALSE",
    "Ethernet Option",
    "FALSE",
    "PC Remote Mode",
    "TRUE",
};

Settings testDefaults() {
    Settings s;
    s.CurrentLanguage = 1;
    s.SelectedPortName = QStringLiteral("ttyS0");
    s.ExportPath = QStringLiteral("/opt/quillon/");
    return s;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRun_writesDefaultsThenReadsThemBack() {
        QTemporaryDir dir;
        const QString exe = dir.filePath(QStringLiteral("quillon-programmer"));
        const QString path = settingsFilePath(exe);
        QCOMPARE(path, exe + QStringLiteral(".CFG"));
        const Settings defaults =
            Settings::defaults(exe, {QStringLiteral("ttyS0"), QStringLiteral("ttyS2")}, QLocale(QLocale::French));
        Settings s = defaults;
        QString error;
        QVERIFY2(
            ReadSettings(path, s, {QStringLiteral("(None)"), QStringLiteral("ttyS0"), QStringLiteral("ttyS2")}, &error),
            qPrintable(error));
        QCOMPARE(readAll(path), crlf({
                                    "Settings File of ORBEX \"QuillonMessage\" Programmer",
                                    "Language :",
                                    "French",
                                    "Com Port selected :",
                                    "ttyS0",
                                    "Last projet used",
                                    "",
                                    "Last export path",
                                    dir.path().toLatin1() + '/',
                                    "I/O Option",
                                    "TRUE",
                                    "Ethernet Option",
                                    "TRUE",
                                    "PC Remote Mode",
                                    "FALSE",
                                }));
        QVERIFY(s == defaults);
    }

    void defaults_withoutPorts_selectNone() {
        const Settings s =
            Settings::defaults(QStringLiteral("/usr/bin/quillon-programmer"), {}, QLocale(QLocale::German));
        QCOMPARE(s.SelectedPortName, QStringLiteral("(None)"));
        QCOMPARE(s.CurrentLanguage, 4);
        QCOMPARE(s.ExportPath, QStringLiteral("/usr/bin/"));
        QVERIFY(s.ProjectPath.isEmpty());
        QVERIFY(s.IOOptionEnabled && s.EthernetOptionEnabled && !s.PCRemoteMode);
    }

    void writtenSettings_readBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        Settings stored;
        stored.CurrentLanguage = 4;
        stored.SelectedPortName = QStringLiteral("ttyUSB1");
        stored.ProjectPath = QStringLiteral("/home/anna/mélodies.prg");
        stored.ExportPath = QStringLiteral("/media/usb/");
        stored.IOOptionEnabled = false;
        stored.EthernetOptionEnabled = false;
        stored.PCRemoteMode = true;
        QVERIFY(WriteSettings(path, stored));
        QCOMPARE(readAll(path), crlf(StoredLines));
        Settings back = testDefaults();
        QVERIFY(ReadSettings(path, back, Ports));
        QVERIFY(back == stored);
    }

    void shortFile_keepsDefaultsOfMissingLines_data() {
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("exportPath");
        QTest::addColumn<bool>("io");
        QTest::addColumn<bool>("ethernet");
        QTest::addColumn<bool>("remote");
        QTest::newRow("cut after 7") << 7 << "/opt/quillon/" << true << true << false;
        QTest::newRow("cut after 8") << 8 << "" << true << true << false;
        QTest::newRow("cut after 9") << 9 << "/media/usb/" << true << true << false;
        QTest::newRow("cut after 11") << 11 << "/media/usb/" << false << true << false;
        QTest::newRow("cut after 13") << 13 << "/media/usb/" << false << false << false;
        QTest::newRow("all fifteen") << 15 << "/media/usb/" << false << false << true;
    }
    void shortFile_keepsDefaultsOfMissingLines() {
        QFETCH(int, kept);
        QFETCH(QString, exportPath);
        QFETCH(bool, io);
        QFETCH(bool, ethernet);
        QFETCH(bool, remote);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        QVERIFY(writeAll(path, crlf(StoredLines.mid(0, kept))));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QCOMPARE(s.CurrentLanguage, 4);
        QCOMPARE(s.SelectedPortName, QStringLiteral("ttyUSB1"));
        QCOMPARE(s.ProjectPath, QStringLiteral("/home/anna/mélodies.prg"));
        QCOMPARE(s.ExportPath, exportPath);
        QCOMPARE(s.IOOptionEnabled, io);
        QCOMPARE(s.EthernetOptionEnabled, ethernet);
        QCOMPARE(s.PCRemoteMode, remote);
        QCOMPARE(readAll(path), crlf(StoredLines.mid(0, kept))); // reading never rewrites an existing file
    }

    void emptyLabelLine_endsTheOptionalPart() {
        QList<QByteArray> lines = StoredLines;
        lines[9] = ""; // the "I/O Option" label
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        QVERIFY(writeAll(path, crlf(lines)));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QCOMPARE(s.ExportPath, QStringLiteral("/media/usb/"));
        QVERIFY(s.IOOptionEnabled && s.EthernetOptionEnabled && !s.PCRemoteMode);
    }

    void fewerThanSevenLines_fallBackToEnglishNoneAndNoProject() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        QVERIFY(writeAll(path, crlf(StoredLines.mid(0, 2))));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QCOMPARE(s.CurrentLanguage, 2);
        QCOMPARE(s.SelectedPortName, QStringLiteral("(None)"));
        QVERIFY(s.ProjectPath.isEmpty());
        QCOMPARE(s.ExportPath, QStringLiteral("/opt/quillon/"));
    }

    void storedValues_fallBackAsDocumented_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("remote");
        QTest::newRow("French") << 3 << QByteArray("French") << 1 << "ttyUSB1" << true;
        QTest::newRow("English") << 3 << QByteArray("English") << 2 << "ttyUSB1" << true;
        QTest::newRow("Spanish") << 3 << QByteArray("Spanish") << 3 << "ttyUSB1" << true;
        QTest::newRow("Italian") << 3 << QByteArray("Italian") << 5 << "ttyUSB1" << true;
        QTest::newRow("english lower case") << 3 << QByteArray("english") << 2 << "ttyUSB1" << true;
        QTest::newRow("italian lower case") << 3 << QByteArray("italian") << 2 << "ttyUSB1" << true;
        QTest::newRow("German with blank") << 3 << QByteArray("German ") << 2 << "ttyUSB1" << true;
        QTest::newRow("unknown port") << 5 << QByteArray("COM7") << 4 << "(None)" << true;
        QTest::newRow("port in other case") << 5 << QByteArray("TTYS0") << 4 << "(None)" << true;
        QTest::newRow("first port") << 5 << QByteArray("ttyS0") << 4 << "ttyS0" << true;
        QTest::newRow("(None) stored") << 5 << QByteArray("(None)") << 4 << "(None)" << true;
        QTest::newRow("flag true lower case") << 15 << QByteArray("true") << 4 << "ttyUSB1" << false;
        QTest::newRow("flag yes") << 15 << QByteArray("yes") << 4 << "ttyUSB1" << false;
        QTest::newRow("flag TRUE with blank") << 15 << QByteArray("TRUE ") << 4 << "ttyUSB1" << false;
    }
    void storedValues_fallBackAsDocumented() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(int, language);
        QFETCH(QString, port);
        QFETCH(bool, remote);
        QList<QByteArray> lines = StoredLines;
        lines[line - 1] = text;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        QVERIFY(writeAll(path, crlf(lines)));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QCOMPARE(s.CurrentLanguage, language);
        QCOMPARE(s.SelectedPortName, port);
        QCOMPARE(s.PCRemoteMode, remote);
    }

    void lfOnlyFile_readsLikeCrLf() {
        QByteArray bytes;
        for (const QByteArray &l : StoredLines)
            bytes += l + '\n';
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.CFG"));
        QVERIFY(writeAll(path, bytes));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QVERIFY(s.PCRemoteMode);
        QCOMPARE(s.ExportPath, QStringLiteral("/media/usb/"));
    }

    void pathsOutsideTheCodePage_areNotWrittenAsOtherPaths_data() {
        QTest::addColumn<QString>("projectPath");
        QTest::addColumn<QString>("exportPath");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QByteArray>("line5");
        QTest::addColumn<QByteArray>("line7");
        QTest::addColumn<QByteArray>("line9");
        QTest::newRow("chinese names") << QStringLiteral("/home/li/\u4e2d\u6587.prg")
                                       << QStringLiteral("/home/li/\u5bfc\u51fa/") << QStringLiteral("ttyS0")
                                       << QByteArray("ttyS0") << QByteArray() << QByteArray("<dir>/");
        QTest::newRow("line break in a path")
            << QStringLiteral("/tmp/a\nb.prg") << QStringLiteral("/tmp/\r/") << QStringLiteral("tty\u00e9")
            << QByteArray("tty\xe9") << QByteArray() << QByteArray("<dir>/");
        QTest::newRow("port outside the code page")
            << QStringLiteral("/tmp/ok.prg") << QStringLiteral("/tmp/") << QStringLiteral("tty\u0416")
            << QByteArray("(None)") << QByteArray("/tmp/ok.prg") << QByteArray("/tmp/");
    }
    void pathsOutsideTheCodePage_areNotWrittenAsOtherPaths() {
        QFETCH(QString, projectPath);
        QFETCH(QString, exportPath);
        QFETCH(QString, port);
        QFETCH(QByteArray, line5);
        QFETCH(QByteArray, line7);
        QFETCH(QByteArray, line9);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quillon-programmer.CFG"));
        line9.replace("<dir>", dir.path().toLatin1());
        Settings s;
        s.ProjectPath = projectPath;
        s.ExportPath = exportPath;
        s.SelectedPortName = port;
        QVERIFY(WriteSettings(path, s));
        const QList<QByteArray> lines = readAll(path).split('\n');
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[4], line5 + '\r');
        QCOMPARE(lines[6], line7 + '\r');
        QCOMPARE(lines[8], line9 + '\r');
    }

    void unwritableFolder_failsNamingTheFileAndKeepsDefaults() {
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("plain")), "x"));
        const QString path = dir.filePath(QStringLiteral("plain/quillon-programmer.CFG"));
        Settings s = testDefaults();
        s.ProjectPath = QStringLiteral("/keep.prg");
        const Settings before = s;
        QString error;
        QVERIFY(!ReadSettings(path, s, Ports, &error));
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)), qPrintable(error));
        QVERIFY(s == before);
        QVERIFY(!WriteSettings(path, s, &error));
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)), qPrintable(error));
    }

    void defaultLanguage_followsTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("language");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::Canada) << 1;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedKingdom) << 2;
        QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Mexico) << 3;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Switzerland) << 4;
        QTest::newRow("Italian") << QLocale(QLocale::Italian) << 5;
        QTest::newRow("Japanese") << QLocale(QLocale::Japanese) << 2;
        QTest::newRow("C") << QLocale::c() << 2;
    }
    void defaultLanguage_followsTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(int, language);
        QCOMPARE(DefaultLanguage(locale), language);
    }

    void settingsFilePath_replacesTheExtension_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("settings");
        QTest::newRow("no extension") << "/usr/bin/quillon-programmer"
                                      << "/usr/bin/quillon-programmer.CFG";
        QTest::newRow("extension") << "/opt/q/prog.exe"
                                   << "/opt/q/prog.CFG";
        QTest::newRow("two dots") << "/opt/q/prog.v2.bin"
                                  << "/opt/q/prog.v2.CFG";
        QTest::newRow("dot in the folder only") << "/opt/q.d/prog"
                                                << "/opt/q.d/prog.CFG";
        QTest::newRow("trailing dot") << "/opt/prog."
                                      << "/opt/prog.CFG";
        QTest::newRow("hidden name") << "/opt/.prog"
                                     << "/opt/.CFG";
    }
    void settingsFilePath_replacesTheExtension() {
        QFETCH(QString, executable);
        QFETCH(QString, settings);
        QCOMPARE(settingsFilePath(executable), settings);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
