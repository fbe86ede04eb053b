#include "TestSupport.h"
#include "project/Settings.h"
#include "project/SettingsLocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList Ports = {u"(None)"_s, u"ttyS0"_s, u"ttyUSB1"_s};

// A stored file whose every value differs from the defaults the reading tests start from.
const QByteArray StoredFile = "Settings File of ORBEX \"QuillonMessage\" Programmer\r\nLanguage :\r\nGerman\r\n"
                              "Com Port selected :\r\nttyUSB1\r\nLast projet used\r\n/home/anna/m\xe9lodies.prg\r\n"
                              "Last export path\r\n/media/usb/\r\nI/O Option\r\nFALSE\r\nEthernet Option\r\nTRUE\r\n"
                              "PC Remote Mode\r\nTRUE\r\nBackup before transmit: FALSE\r\n";

// Language, port, project, export path, then the I/O, Ethernet, PC remote and backup flags.
QString summary(const Settings &s) {
    return QString::number(int(s.CurrentLanguage)) + u'|' + s.SelectedPortName + u'|' + s.ProjectPath + u'|' +
           s.ExportPath + u'|' + QString::number(s.IOOptionEnabled) + QString::number(s.EthernetOptionEnabled) +
           QString::number(s.PCRemoteMode) + QString::number(s.BackupBeforeTransmit);
}

Settings testDefaults() {
    Settings s;
    s.CurrentLanguage = Language::French, s.SelectedPortName = u"ttyS0"_s, s.ExportPath = u"/opt/quillon/"_s;
    s.EthernetOptionEnabled = s.BackupBeforeTransmit = false;
    return s;
}

QByteArray storedWith(int line, const QByteArray &text) {
    QList<QByteArray> lines = crlfLines(StoredFile);
    lines[line - 1] = text;
    return crlf(lines);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    // The defaults are written on the first run, then read. An unpacked copy offers the folder it
    // was put in for the first export; an installed one the user's documents (or home) folder,
    // never /usr/bin.
    void firstRun_writesTheDefaultsThenReadsThem() {
        QTemporaryDir dir;
        const QString exe = dir.filePath(u"quillon-programmer"_s);
        const Settings defaults = Settings::defaults(exe, {"ttyS0", "ttyS2"}, QLocale(QLocale::French));
        Settings s = defaults;
        Notice error;
        QVERIFY2(ReadSettings(settingsFilePath(exe), s, {"(None)", "ttyS0", "ttyS2"}, &error),
                 qPrintable(english(error)));
        QCOMPARE(readAll(exe + ".CFG"),
                 crlf({crlfLines(StoredFile)[0], "Language :", "French", "Com Port selected :", "ttyS0",
                       "Last projet used", "", "Last export path", dir.path().toLatin1() + '/', "I/O Option", "TRUE",
                       "Ethernet Option", "TRUE", "PC Remote Mode", "FALSE", "Backup before transmit: TRUE"}));
        QVERIFY(s == defaults);
        const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(dir.path()));
        qunsetenv("XDG_CONFIG_HOME"); // the documents folder is read from $HOME/.config only
        const QString installed = Settings::defaults("/usr/bin/quillon-programmer", {}, QLocale()).ExportPath;
        QVERIFY(QDir(dir.path()).mkdir("Documents"));
        QCOMPARE(installed + u'|' + Settings::defaults("/usr/bin/quillon-programmer", {}, QLocale()).ExportPath,
                 dir.path() + u"/|"_s + dir.path() + u"/Documents/"_s);
        qputenv("HOME", oldHome);
        if (!oldConfig.isNull())
            qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    void readFile_givesItsValuesOrTheDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        const auto cut = [](int kept) { return crlf(crlfLines(StoredFile).mid(0, kept)); };
        const QString stored = u"|/home/anna/mélodies.prg|/media/usb/|"_s;
        const QString project = u"4|ttyUSB1|/home/anna/mélodies.prg|"_s;
        QTest::newRow("all sixteen") << StoredFile << "4|ttyUSB1" + stored + "0110";
        QTest::newRow("lf line ends") << QByteArray(StoredFile).replace("\r\n", "\n") << "4|ttyUSB1" + stored + "0110";
        QTest::newRow("cut after 13") << cut(13) << "4|ttyUSB1" + stored + "0101";
        QTest::newRow("cut after 9") << cut(9) << "4|ttyUSB1" + stored + "1001";
        QTest::newRow("empty label") << storedWith(10, "") << "4|ttyUSB1" + stored + "1001";
        QTest::newRow("cut after 8") << cut(8) << project + "|1001";
        QTest::newRow("cut after 7") << cut(7) << project + "/opt/quillon/|1001";
        QTest::newRow("cut after 2") << cut(2) << "2|(None)||/opt/quillon/|1001";
        const std::pair<const char *, char> languages[] = {{"French", '1'},  {"English", '2'}, {"Spanish", '3'},
                                                           {"Italian", '5'}, {"italian", '2'}, {"German ", '2'}};
        for (const auto &[name, language] : languages)
            QTest::addRow("language %s", name) << storedWith(3, name) << language + ("|ttyUSB1" + stored + "0110");
        const std::pair<const char *, const char *> ports[] = {
            {"COM7", "(None)"}, {"TTYS0", "(None)"}, {"ttyS0", "ttyS0"}, {"(None)", "(None)"}};
        for (const auto &[name, port] : ports)
            QTest::addRow("port %s", name) << storedWith(5, name) << "4|" + QString::fromLatin1(port) + stored + "0110";
        for (const char *flag : {"true", "TRUE "})
            QTest::addRow("flag %s", flag) << storedWith(15, flag) << "4|ttyUSB1" + stored + "0100";
        // The sixteenth line turns the backup off only when it says so; absent, it is on.
        QTest::newRow("backup unclear") << storedWith(16, "Backup ?") << "4|ttyUSB1" + stored + "0111";
        QTest::newRow("cut after 15") << cut(15) << "4|ttyUSB1" + stored + "0111";
    }
    void readFile_givesItsValuesOrTheDefaults() {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"q.CFG"_s);
        QVERIFY(writeAll(path, file));
        Settings s = testDefaults();
        QVERIFY(ReadSettings(path, s, Ports));
        QTEST(summary(s), "expected");
        QCOMPARE(readAll(path), file); // reading never rewrites an existing file
        if (file == StoredFile) {      // what was read is written as the same bytes
            QVERIFY(WriteSettings(path + u'2', s));
            QCOMPARE(readAll(path + u'2'), StoredFile);
        }
    }

    // A path or port the file cannot hold is not written as another one: the port, project and
    // export path given, then lines 5, 7 and 9 written.
    void unstorableText_isNotWrittenAsAnotherPath_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("chinese names") << "ttyS0|/home/li/\u4e2d.prg|/home/\u5bfc/" << QByteArray("ttyS0||<dir>/");
        QTest::newRow("line breaks") << "tty\u00e9|/tmp/a\nb.prg|/tmp/\r/" << QByteArray("tty\xe9||<dir>/");
        QTest::newRow("port outside the code page")
            << "tty\u0416|/tmp/ok.prg|/tmp/" << QByteArray("(None)|/tmp/ok.prg|/tmp/");
    }
    void unstorableText_isNotWrittenAsAnotherPath() {
        QFETCH(QString, given);
        QFETCH(QByteArray, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"quillon-programmer.CFG"_s);
        Settings s;
        s.SelectedPortName = given.section(u'|', 0, 0), s.ProjectPath = given.section(u'|', 1, 1);
        s.ExportPath = given.section(u'|', 2, 2);
        QVERIFY(WriteSettings(path, s));
        const QList<QByteArray> lines = crlfLines(readAll(path));
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[4] + '|' + lines[6] + '|' + lines[8], written.replace("<dir>", dir.path().toLatin1()));
    }

    void defaultLanguage_followsTheLocale() {
        for (const auto &[name, language] :
             {std::pair{"fr_CA", 1}, {"en_GB", 2}, {"es_MX", 3}, {"de_CH", 4}, {"it_IT", 5}, {"ja_JP", 2}, {"C", 2}})
            QCOMPARE(int(DefaultLanguage(QLocale(QString::fromLatin1(name)))), language);
    }

    // A copy run from its build or unpacked folder keeps its settings beside it; an installed one
    // only in the user's configuration folder.
    void settingsLocation_isBesideTheProgramOnlyOutsideAnInstall_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("beside");
        QTest::newRow("build folder") << "build/app" << true;
        QTest::newRow("install tree") << "tree/bin" << false;
        QTest::newRow("bin folder of no install tree") << "unpacked/bin" << true;
        QTest::newRow("another user's folder") << "other" << false;
        QTest::newRow("system folder") << "/usr/bin" << false;
    }
    void settingsLocation_isBesideTheProgramOnlyOutsideAnInstall() {
        QFETCH(QString, folder);
        QFETCH(bool, beside);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(folder);
        QVERIFY(QDir().mkpath(path) && QDir().mkpath(dir.filePath("tree/share/applications")));
        QVERIFY(writeAll(dir.filePath("tree/share/applications/quillon-programmer.desktop"), "[Desktop Entry]\n"));
        if (folder == u"other" && ::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
            QSKIP("this user cannot give a folder to another user");
        const SettingsLocation location = SettingsLocation::forExecutable(path + "/quillon-programmer");
        QCOMPARE(location.primary, beside ? path + "/quillon-programmer.CFG" : QString());
        QVERIFY(location.fallback.endsWith(u"/quillon-programmer.CFG"));
    }

    void settingsFilePath_replacesTheExtension() { // each pair: the program, its settings file
        for (const QString &pair : u"/usr/bin/quillon=/usr/bin/quillon.CFG /opt/q/prog.exe=/opt/q/prog.CFG "
                                   u"/opt/q/prog.v2.bin=/opt/q/prog.v2.CFG /opt/q.d/prog=/opt/q.d/prog.CFG "
                                   u"/opt/prog.=/opt/prog.CFG /opt/.prog=/opt/.CFG"_s.split(u' '))
            QCOMPARE(settingsFilePath(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
