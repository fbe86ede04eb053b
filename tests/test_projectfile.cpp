#include "TestSupport.h"
#include "project/LineReader.h"
#include "project/ProjectFile.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using Change = std::function<void(Project &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QByteArray Head = "Group Of Program File of ORBEX\r\n*****\r\n";

// The empty project: header, properties, the comment "...", no program.
const QByteArray EmptyFile = Head + "New Project\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n...\r\n*****\r\n0\r\n*****\r\n";

// One new program with the code 1, made on 5 March 2009 at 07:05.
const QByteArray NewProgramFile = Head +
                                  "New Project\r\n\r\n\r\n\r\n\r\n\r\n\r\n1\r\n...\r\n*****\r\n1\r\n*****\r\n"
                                  "1\r\nno\r\nno\r\nyes\r\n7\r\n5\r\n05/03/2009\r\n1\r\n0\r\n1\r\n"
                                  "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                                  "255\r\n255\r\n255\r\n255\r\n255\r\n255\r\n...\r\n33023\r\n1\r\n...\r\n*****\r\n";

// Windows-1252 texts, empty texts and lines, unpadded numbers, padded dates, negative colours.
const QByteArray OddFile = Head + "No\xebl \x96 \xab\x80\xbb\r\nSe\xf1ora\r\n\r\n\xa9 2009 \x99\r\n\x8c\x9f\r\n"
                                  "05/03/2009\r\n\r\n3\r\npremi\xe8re\r\n\r\n  espaces  \r\n*****\r\n2\r\n*****\r\n"
                                  "255\r\nno\r\nyes\r\nno\r\n0\r\n9\r\n29/02/2000\r\n7\r\n2\r\n6\r\n"
                                  "0\r\n3\r\n4\r\n6\r\n8\r\n12\r\n1\r\n12\r\n30\r\n200\r\n17\r\n255\r\n"
                                  "0\r\n1\r\n2\r\n128\r\n254\r\n0\r\n\r\n-16777216\r\n0\r\n*****\r\n"
                                  "17\r\nyes\r\nyes\r\nyes\r\n23\r\n59\r\n01/01/0999\r\n1\r\n3\r\n0\r\n"
                                  "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                                  "255\r\n255\r\n255\r\n255\r\n255\r\n255\r\n"
                                  "Fermeture \253derni\350re\273\r\n-1\r\n2\r\na\r\n\xdf\x80\r\n*****\r\n";

// A new project holding `programs` new programs made on 5 March 2009 at 07:05:42.
Project newProject(int programs = 1) {
    Project p;
    p.Properties.ProjectName = u"New Project"_s;
    p.Programs = QList<Program>(programs, Program(QDateTime(QDate(2009, 3, 5), QTime(7, 5, 42))));
    return p;
}

// The lines of `bytes` joined by "|" ("<long>" for one over `limit`), then "<end>" twice for
// the two lines asked for past the end ("<large>" past the file limit); "out of sequence" when a line number is wrong.
QString readLines(const QByteArray &bytes, qsizetype limit, qint64 fileLimit) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, limit, fileLimit);
    using S = LineReader::Status;
    QStringList out;
    for (int n = 1; out.count(u"<end>"_s) + out.count(u"<large>"_s) < 2; ++n) {
        const LineReader::Line l = reader.next();
        if (l.number != n)
            return u"out of sequence"_s;
        out << (l.status == S::Ok         ? QString::fromLatin1(l.bytes)
                : l.status == S::TooLong  ? u"<long>"_s
                : l.status == S::TooLarge ? u"<large>"_s
                                          : u"<end>"_s);
    }
    return out.join(u'|');
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private slots:
    void lineReader_splitsLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("fileLimit");
        QTest::addColumn<QString>("lines");
        const int mb = int(LineReader::DefaultMaxLineBytes);
        const int all = int(LineReader::DefaultMaxFileBytes);
        QTest::newRow("empty file") << QByteArray() << mb << all << "<end>|<end>";
        QTest::newRow("crlf") << QByteArray("a\r\nbc\r\n") << mb << all << "a|bc|<end>|<end>";
        QTest::newRow("lone lf") << QByteArray("a\nb\r\nc\n") << mb << all << "a|b|c|<end>|<end>";
        QTest::newRow("lone cr") << QByteArray("a\rb\r\r\nc") << mb << all << "a|b||c|<end>|<end>";
        QTest::newRow("lf then cr") << QByteArray("a\n\rb") << mb << all << "a||b|<end>|<end>";
        QTest::newRow("0x1a ends the file") << QByteArray("a\r\n\032b\r\n") << mb << all << "a|<end>|<end>";
        QTest::newRow("0x1a inside a line") << QByteArray("ab\032cd\r\n") << mb << all << "ab|<end>|<end>";
        QTest::newRow("0x1a after cr") << QByteArray("a\r\032\n") << mb << all << "a|<end>|<end>";
        QTest::newRow("nul kept") << QByteArray("a\0b\r\n", 5) << mb << all
                                  << QString::fromLatin1("a\0b|<end>|<end>", 15);
        QTest::newRow("cr lf across chunks")
            << QByteArray(65535, 'x') + "\r\nz" << mb << all << QString(65535, u'x') + "|z|<end>|<end>";
        QTest::newRow("at the limit") << QByteArray("12345678\r\nab") << 8 << all << "12345678|ab|<end>|<end>";
        QTest::newRow("over the limit") << QByteArray("123456789\r\nab") << 8 << all << "<long>|ab|<end>|<end>";
        QTest::newRow("over, lf") << QByteArray("123456789\nab") << 8 << all << "<long>|ab|<end>|<end>";
        QTest::newRow("over, to the end") << QByteArray("123456789") << 8 << all << "<long>|<end>|<end>";
        QTest::newRow("over, then 0x1a") << QByteArray("123456789\032ab") << 8 << all << "<long>|<end>|<end>";
        QTest::newRow("over, across chunks")
            << QByteArray(200 * 1024, 'y') + "\r\nz" << 1024 << all << "<long>|z|<end>|<end>";
        QTest::newRow("file at its limit") << QByteArray("ab\r\ncd") << mb << 6 << "ab|cd|<end>|<end>";
        QTest::newRow("file past its limit") << QByteArray("ab\r\ncde") << mb << 6 << "ab|<large>|<large>";
        QTest::newRow("file past its limit in a line end") << QByteArray("ab\r\n") << mb << 3 << "ab|<large>|<large>";
        QTest::newRow("endless file") << QByteArray(300 * 1024, '\0') << mb << 70000 << "<large>|<large>";
    }
    void lineReader_splitsLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, limit);
        QFETCH(int, fileLimit);
        QTEST(readLines(bytes, limit, fileLimit), "lines");
    }

    void newProject_isWrittenAsTheGoldenFiles() {
        QCOMPARE(projectFileBytes(newProject(0)), EmptyFile);
        Project project = newProject();
        QCOMPARE(projectFileBytes(project), NewProgramFile);
        project.Programs[0].Priority = 2; // only 1 is written "yes"
        QCOMPARE(projectFileBytes(project), NewProgramFile);
    }

    // Each golden file reads back, whatever follows its last line, to a project written as the same bytes.
    void goldenFile_readsBackToTheSameBytes_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty project") << EmptyFile << QByteArray() << "New Project";
        QTest::newRow("0x1a and garbage after it") << EmptyFile << QByteArray("\032\xff\0garbage", 10) << "New Project";
        QTest::newRow("empty lines after it") << EmptyFile << QByteArray("\r\n\r\n") << "New Project";
        QTest::newRow("more text after it") << EmptyFile << QByteArray("text\r\n12\r\n") << "New Project";
        QTest::newRow("new program") << NewProgramFile << QByteArray() << "New Project";
        QTest::newRow("odd values") << OddFile << QByteArray() << "Noël – «€»";
    }
    void goldenFile_readsBackToTheSameBytes() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, tail);
        Project back{ProjectProperties(), {Program()}}; // its program is replaced, not added to
        Notice error;
        QVERIFY2(ReadProjectData(file + tail, u"g.prg"_s, back, &error), qPrintable(english(error)));
        QTEST(back.Properties.ProjectName, "name");
        QCOMPARE(projectFileBytes(back, &error), file);
    }

    // Saving replaces an older, longer file; reading reports each program read.
    void savedFile_replacesTheOldOneAndReadsBack() {
        Project project, back;
        QVERIFY(ReadProjectData(OddFile, u"odd"_s, project));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"p.prg"_s);
        QVERIFY(writeAll(path, QByteArray(10000, 'z')));
        Notice error;
        QVERIFY2(WriteProjectFile(path, project, &error), qPrintable(english(error)));
        QCOMPARE(readAll(path), OddFile);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"p.prg"_s});
        QList<std::pair<int, int>> calls;
        const auto progress = [&](int done, int total) { calls.append({done, total}); };
        QVERIFY2(ReadProjectFile(path, back, &error, progress), qPrintable(english(error)));
        QCOMPARE(projectFileBytes(back), OddFile);
        QCOMPARE(calls, (QList<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
        QVERIFY(!ReadProjectFile(dir.filePath(u"gone.prg"_s), back, &error));
        QVERIFY2(english(error).startsWith(u"\"%1/gone.prg\" could not be opened: "_s.arg(dir.path())),
                 qPrintable(english(error)));
    }

    void unstorableProject_isRefusedAndTheOldFileKept_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message");
        const QString most = u"; a project file holds at most 255"_s, morning = u"program 042 \"Morning"_s;
        const QString page = u"\", which cannot be written in Windows-1252"_s, props = u"the project properties: "_s;
        const auto row = [](const char *name, const QString &message, Change change) {
            QTest::newRow(name) << change << message;
        };
        row("256 program comment lines", morning + "\": 256 comment lines" + most,
            [](Project &p) { p.Programs[0].Comments = QStringList(256, u"x"_s); });
        row("256 project comment lines", props + "256 comment lines" + most,
            [](Project &p) { p.Properties.Comments = QStringList(256, u"x"_s); });
        row("title outside the code page", morning + "\u4e2d\": the title holds the character \"\u4e2d" + page,
            [](Project &p) { p.Programs[0].Title += u'\u4e2d'; });
        row("comment outside the code page", morning + "\": comment line 2 holds the character \"\U0001F600" + page,
            [](Project &p) {
                p.Programs[0].Comments = QStringList{u"ok"_s, u"\U0001F600"_s};
            });
        row("author outside the code page", props + "the author holds the character \"\u0416" + page,
            [](Project &p) { p.Properties.Author = u"\u0416"_s; });
        row("line break in a title",
            "program 042 \"a\nb\": the title holds a line break or control character that a project file cannot store",
            [](Project &p) { p.Programs[0].Title = u"a\nb"_s; });
        row("placeholder in a title", "program 042 \"50%2 off\": 256 comment lines" + most, [](Project &p) {
            p.Programs[0].Title = u"50%2 off"_s;
            p.Programs[0].Comments = QStringList(256, u"x"_s);
        });
        row("256 programs", "the project holds 256 programs" + most,
            [](Project &p) { p.Programs = QList<Program>(256, p.Programs[0]); });
        row("a line too long",
            props + "the subject is longer than 1048576 bytes, the longest line a project file can hold",
            [](Project &p) { p.Properties.Subject = QString(MaxLineBytes + 1, u'x'); });
        row("over 64 MiB", "the project takes more than 64 MiB, more than a project file can hold", [](Project &p) {
            p.Programs[0].Title = QString(MaxLineBytes, u'x');
            p.Programs = QList<Program>(64, p.Programs[0]);
        });
    }
    void unstorableProject_isRefusedAndTheOldFileKept() {
        QFETCH(Change, change);
        QFETCH(QString, message);
        Project project = newProject();
        project.Programs[0].Code = 42, project.Programs[0].Title = u"Morning"_s;
        change(project);
        Notice error;
        QVERIFY(projectFileBytes(project, &error).isEmpty());
        QCOMPARE(english(error), message);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"old.prg"_s);
        QVERIFY(writeAll(path, "old contents"));
        QVERIFY(!WriteProjectFile(path, project, &error));
        QCOMPARE(english(error), u"\"%1\" was not saved: %2"_s.arg(path, message));
        QCOMPARE(readAll(path), QByteArray("old contents"));
    }

    // One line of NewProgramFile replaced: the file reads and the value is written back as
    // `result`, or the read fails with `result`, naming the file and the line, and leaves the
    // project it was given untouched.
    void changedLine_isReadAsItsFieldOrRefused_data() {
        QTest::addColumn<int>("line"); // the program block starts at line 15
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *name, int line, const QByteArray &text, const QString &result) {
            QTest::newRow(name) << line << text << result;
        };
        const QString code = u"line 15: expected the program code (a number), found "_s;
        const QString date = u"line 21: expected the date (dd/mm/yyyy), found "_s;
        row("Yes is not yes", 18, "Yes", "no");
        row("yes with a blank", 18, "yes ", "no");
        row("yes", 16, "yes", "yes");
        row("300 keeps its low 8 bits", 15, "300", "44");
        row("leading spaces", 23, "  3", "3");
        row("plus sign", 24, "+4", "4");
        row("lowest colour", 44, "-2147483648", "-2147483648");
        row("highest colour", 44, "2147483647", "2147483647");
        row("date, other separators", 21, "29-02-2000", "29/02/2000");
        row("date, text after it", 21, "05/11/2009 12:00", "05/11/2009");
        row("date, short year", 21, "05/03/20", "05/03/0020");
        row("hour 24", 19, "24", "line 19: expected the hour (0..23), found \"24\"");
        row("minute 60", 20, "60", "line 20: expected the minute (0..59), found \"60\"");
        row("31 February", 21, "31/02/2009", date + "\"31/02/2009\"");
        row("date unpadded", 21, "5/3/2009", date + "\"5/3/2009\"");
        row("year 0", 21, "01/01/0000", date + "\"01/01/0000\"");
        row("date cut", 21, "05/03", date + "\"05/03\"");
        row("not a number", 15, "abc", code + "\"abc\"");
        row("trailing blank", 15, "7 ", code + "\"7 \"");
        row("hexadecimal", 15, "$1F", code + "\"$1F\"");
        row("long text cut", 15, QByteArray(100, 'q'), code + '"' + QString(40, u'q') + "...\"");
        row("windows-1252 text", 15, "\x80\xe9", code + "\"€é\"");
        row("colour beyond 32 bits", 44, "2147483648", "line 44: expected the colour (a number), found \"2147483648\"");
        row("256 programs", 13, "256", "line 13: expected the number of programs (0..255), found \"256\"");
        row("negative comment count", 10, "-1",
            "line 10: expected the number of project comment lines (0..65535), found \"-1\"");
        row("65535 comment lines", 45, "65535", "line 48: expected comment line 3 of 65535, found the end of the file");
        row("65536 comment lines", 45, "65536",
            "line 45: expected the number of comment lines (0..65535), found \"65536\"");
        row("line too long", 3, QByteArray(LineReader::DefaultMaxLineBytes + 1, 'n'),
            "line 3: expected the project name, found a line longer than 1048576 bytes");
    }
    void changedLine_isReadAsItsFieldOrRefused() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, result);
        QList<QByteArray> lines = crlfLines(NewProgramFile);
        lines[line - 1] = text;
        Project out;
        out.Properties.ProjectName = u"untouched"_s;
        Notice error;
        // A placeholder in the file name is shown as it is.
        const bool read = ReadProjectData(crlf(lines), u"/x/%2a.prg"_s, out, &error);
        QCOMPARE(read ? QString::fromLatin1(crlfLines(projectFileBytes(out)).value(line - 1)) : english(error),
                 result.startsWith(u"line "_s) ? "\"/x/%2a.prg\", " + result : result);
        QVERIFY(read || (out.Properties.ProjectName == u"untouched"_s && out.Programs.isEmpty()));
    }

    // A file cut anywhere before its last line fails; cut at a line end, it names the missing line.
    void truncatedFile_failsAtTheMissingLine() {
        const qsizetype lastLineStart = OddFile.lastIndexOf("\r\n", OddFile.size() - 3) + 2;
        for (qsizetype n = 0; n <= OddFile.size(); ++n) {
            const QByteArray cut = OddFile.left(n);
            Project out;
            Notice error;
            QCOMPARE(ReadProjectData(cut, u"t.prg"_s, out, &error), n > lastLineStart);
            if (n <= lastLineStart && (n == 0 || cut.endsWith('\n'))) {
                QVERIFY2(english(error).startsWith(u"\"t.prg\", line %1: expected "_s.arg(cut.count('\n') + 1)) &&
                             english(error).endsWith(u", found the end of the file"_s),
                         qPrintable(english(error)));
            }
        }
    }

    // Lines as long as the reader takes are written and read back; more than 255 comment lines
    // are read but not written.
    void longestLinesAndCommentLists_areReadBack() {
        Project project = newProject(), back;
        project.Properties.Subject = project.Programs[0].Title = QString(MaxLineBytes, u'x');
        const QByteArray bytes = projectFileBytes(project);
        QVERIFY(!bytes.isEmpty() && ReadProjectData(bytes, u"long.prg"_s, back));
        QCOMPARE(projectFileBytes(back), bytes);
        QList<QByteArray> lines = crlfLines(NewProgramFile);
        lines[44] = "300"; // the program's comment count
        lines.insert(45, 299, "c");
        Notice error;
        QVERIFY2(ReadProjectData(crlf(lines), u"c.prg"_s, back, &error), qPrintable(english(error)));
        QCOMPARE(back.Programs[0].Comments.size(), 300);
        back.Programs[0].Comments.resize(255);
        QVERIFY(!projectFileBytes(back).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_projectfile.moc"
