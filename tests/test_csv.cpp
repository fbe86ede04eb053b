#include "TestSupport.h"
#include "project/CsvFile.h"
#include "project/ProjectFile.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(10, 30));

// Every action kind, every timer mode, a kind without a name after the count, texts of five
// languages that need quoting or look like formulas, comments over several lines, a colour
// outside the groups.
QList<Program> everyField() {
    QList<Program> programs;
    const QStringList titles = {u"Fermé, « Soldes » à 18 h"_s, u"Closing \"now\""_s, u"Ñandú; oferta"_s,
                                u"=Größe+ändern"_s, u" Già pronto "_s};
    for (int i = 0; i < 5; ++i) {
        Program p(Now.addDays(i * 40));
        p.Code = quint8(i == 4 ? 0 : 3 + 50 * i);
        p.Title = titles[i];
        p.Color = i == 3 ? 0x00123456 : ProgramColors[1 + 5 * i];
        p.Active = quint8(i % 2), p.Priority = quint8(i == 2), p.TimerOn = quint8(i != 1), p.TimerMode = quint8(i % 4);
        p.DayOftheWeek = quint8(7 - i), p.Time = QTime(23 - i, 59 - 7 * i), p.ActionCount = quint8(i == 4 ? 0 : i + 1);
        for (int k = 0; k < MaxActions; ++k) {
            p.ActionKind[k] = quint8(i == 4 && k == 5 ? 200 : (i * MaxActions + k) % 13);
            p.ActionParam[k] = quint8(i * 40 + k);
            p.ActionValue[k] = quint8(255 - i - k);
        }
        p.Comments = i == 0   ? QStringList{u"Line one, with a comma"_s, u"«deux»"_s, QString()}
                     : i == 1 ? QStringList()
                              : QStringList{u"@Nota %1"_s.arg(i)};
        programs << p;
    }
    return programs;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes_areTheHeaderThenOneRowAProgram() {
        Program p(Now);
        p.Title = u"Doors, \"open\""_s, p.Comments = {u"..."_s};
        const QByteArray header =
            "code,title,colour,active,priority,timer_on,timer_mode,date,time,weekday,action_count,action1_kind,"
            "action1_param,action1_value,action2_kind,action2_param,action2_value,action3_kind,action3_param,"
            "action3_value,action4_kind,action4_param,action4_value,action5_kind,action5_param,action5_value,"
            "action6_kind,action6_param,action6_value,comments\r\n";
        QCOMPARE(ProgramsToCsv({p}),
                 "\xEF\xBB\xBF" + header +
                     "1,\"Doors, \"\"open\"\"\",1,yes,no,no,date,2026-12-07,10:30,1,1,directory,0,255,directory,0,"
                     "255,directory,0,255,directory,0,255,directory,0,255,directory,0,255,...\r\n");
    }

    // Written and read back, the programs give the same project file, byte for byte; every limit
    // of a cell at its edge, and 255 programs, are read.
    void roundTrip_keepsEveryField() {
        Project project;
        project.Properties.ProjectName = u"Boutique"_s;
        project.Programs = everyField();
        project.Programs[1].Title = QString(MaxTitleChars, u'x');
        project.Programs[2].Comments = {QString(MaxCommentChars, u'c')};
        project.Programs[3].Comments = QStringList(MaxStoredCommentLines, u"l"_s);
        QList<Program> back;
        QList<Notice> errors;
        QVERIFY2(ProgramsFromCsv(ProgramsToCsv(project.Programs), back, &errors),
                 qPrintable(english(errors).join(u'\n')));
        QCOMPARE(projectFileBytes({project.Properties, back}), projectFileBytes(project));
        const QList<Program> most(255, back[1]);
        QVERIFY(ProgramsFromCsv(ProgramsToCsv(most), back, &errors) && back.size() == 255);
        // As a spreadsheet saves it: semicolons, the columns in another order, a byte-order mark.
        QByteArray reordered = "\xEF\xBB\xBF";
        const QStringList names = CsvColumnNames();
        reordered += QStringList(names.crbegin(), names.crend()).join(u';').toUtf8() + "\n";
        reordered += u"...;0;1;Timer-File;0;0;none;0;0;none;0;0;none;0;0;none;0;17;go-to;1;1;12:05;2026-02-28;Hourly;"
                     "Yes;yes;no;#FF0000;\"Tom; «x»\";42\n"_s.toUtf8();
        QVERIFY2(ProgramsFromCsv(reordered, back, &errors), qPrintable(english(errors).join(u'\n')));
        QVERIFY(back.size() == 1 && back[0].Code == 42 && back[0].Title == u"Tom; «x»"_s && back[0].Color == 0x0000FF &&
                back[0].TimerMode == TimerHourly && back[0].ActionKind[0] == KindGoToProgram &&
                back[0].ActionParam[0] == 17 && back[0].Active == 0 && back[0].Date == QDate(2026, 2, 28));
    }

    // What a spreadsheet writes back reads as the table it saved: the same project file.
    void spreadsheetForms_readAsTheTableTheyStandFor_data() {
        QTest::addColumn<QString>("column"); // "" quotes every field and separates them by semicolons
        QTest::addColumn<QString>("cell");
        QTest::newRow("PM") << u"time"_s << u"10:32 PM"_s;
        QTest::newRow("seconds and pm") << u"time"_s << u" 10:32:00 pm"_s;
        QTest::newRow("TRUE") << u"active"_s << u"TRUE"_s;
        QTest::newRow("False") << u"priority"_s << u"False"_s;
        QTest::newRow("CR LF in a comment") << u"comments"_s << u"\"Nota\r\nbis\""_s;
        QTest::newRow("every field quoted, semicolons") << QString() << QString();
    }
    void spreadsheetForms_readAsTheTableTheyStandFor() {
        QFETCH(QString, column);
        QFETCH(QString, cell);
        Program p(Now);
        p.Time = QTime(22, 32), p.Active = 1, p.Priority = 0, p.Comments = {u"Nota"_s, u"bis"_s};
        QStringList rows = QString::fromUtf8(ProgramsToCsv({p})).split(u"\r\n"_s);
        for (qsizetype row = 0; row < rows.size(); ++row) {
            QStringList cells = rows[row].split(u',');
            for (QString &c : cells)
                c = !column.isEmpty() || c.startsWith(u'"') || rows[row].isEmpty() ? c : u'"' + c + u'"';
            if (!column.isEmpty() && row == 1)
                cells[CsvColumnNames().indexOf(column)] = cell;
            rows[row] = cells.join(column.isEmpty() ? u';' : u',');
        }
        QList<Program> back;
        QList<Notice> errors;
        QVERIFY2(ProgramsFromCsv(rows.join(u"\r\n"_s).toUtf8(), back, &errors),
                 qPrintable(english(errors).join(u'\n')));
        QCOMPARE(projectFileBytes({ProjectProperties(), back}), projectFileBytes({ProjectProperties(), {p}}));
    }

    // One wrong cell, or a wrong shape: nothing is read, and the line names the row and column.
    void wrongTable_isRefusedNamingRowAndColumn_data() {
        QTest::addColumn<QString>("column"); // a column to spoil, or "" for the whole table
        QTest::addColumn<QString>("cell");   // its new text, or the table's text
        QTest::addColumn<QString>("error");
        const QStringList bad = {
            u"256"_s,        u"Bell\u20AC\u0101"_s, u"27"_s, u"oui"_s, u"1"_s,    u"y"_s, u"99"_s,
            u"03/04/2026"_s, u"22:32:15"_s,         u"0"_s,  u"7"_s,   u"play"_s, u"x"_s, u"300"_s};
        const QStringList names = CsvColumnNames();
        for (int column = 0; column < names.size(); ++column) {
            const QString cell = column < 14                  ? bad[column]
                                 : column == names.size() - 1 ? u"\u0101"_s
                                                              : bad[11 + column % 3];
            QTest::addRow("%s", qPrintable(names[column]))
                << names[column] << cell << u"row 3, column %1: "_s.arg(names[column]);
        }
        const auto row = [](const char *name, const QString &column, const QString &cell, const QString &error) {
            QTest::newRow(name) << column << cell << error;
        };
        const QString r3 = u"row 3, column "_s, title = r3 + u"title: "_s;
        row("weekday 8", "weekday", "8", r3 + "weekday");
        row("kind 13 counted", "action2_kind", "13", r3 + "action2_kind");
        row("action after an ending one", "action1_kind", "directory,1,3,volume,20,0",
            r3 + "action2_kind: no action after a directory, sleep, go-to or ftp action");
        row("transport 11", "action1_kind", "transport,11", r3 + "action1_param: a transport command 1 to 10 or 12");
        row("title too long", "title", QString(MaxTitleChars + 1, u'x'), title + u"at most 32767 characters"_s);
        row("comments too long", "comments", QString(MaxCommentChars + 1, u'x'),
            r3 + "comments: at most 512 characters");
        row("256 comment lines", "comments", u'"' + QStringList(256, u"x"_s).join(u'\n') + u'"',
            r3 + "comments: at most 255 comment lines");
        const QString quote = u"a quote inside a cell that does not begin with one, or text after the closing"_s;
        row("quote inside", "title", "Mor\"ning", title + quote);
        row("text after a closing quote", "title", "\"Mor\"ning", title + quote);
        row("blank before a quote", "title", " \"Morning\"", title + quote);
        row("line break in an unquoted cell", "title", "Mor\nning",
            title + u"a line break ends the row before its last column"_s);
        row("cell too long for its column", "code", QString(1000, u'1'), r3 + "code: at most 64 characters");
        row("wide header", "", QString(30, u';'), "row 1: more than 30 cells");
        row("wide row", "", CsvColumnNames().join(u',') + u"\n"_s + QString(31, u','), "row 2: more than 30 cells");
        row("unknown column", "", "code,colour,extra\r\n", "row 1: unknown column \"extra\"");
        row("missing column", "", "code\r\n", "row 1: column title is missing");
        row("quote not closed", "", CsvColumnNames().join(u',') + u"\r\n\"1"_s, "row 2: a quoted field does not end");
        row("not UTF-8", "", u"\xff"_s, "the file is not UTF-8 text");
        row("short row", "code", QString(), r3 + "action6_value: a line break ends the row");
        row("256 programs", "256", QString(), "row 257: a project holds at most 255 programs");
    }
    void wrongTable_isRefusedNamingRowAndColumn() {
        QFETCH(QString, column);
        QFETCH(QString, cell);
        QFETCH(QString, error);
        QList<Program> programs = everyField().first(2);
        QByteArray table = ProgramsToCsv(programs);
        if (column == u"256"_s) {
            table += (QString::fromUtf8(table).section(u"\r\n"_s, 2, 2).toUtf8() + "\r\n").repeated(254);
        } else if (column.isEmpty()) {
            table = cell == u"\xff"_s ? QByteArray("\xff") : cell.toUtf8();
        } else { // the second program's row, the cell of `column`
            QStringList rows = QString::fromUtf8(table).split(u"\r\n"_s);
            QStringList cells = rows[2].split(u',');
            const int at = int(CsvColumnNames().indexOf(column));
            const QStringList parts = cell.isNull() ? QStringList() : cell.split(u','); // none: the cell goes
            cells = cells.mid(0, at) + parts + cells.mid(at + qMax(1, parts.size()));
            rows[2] = cells.join(u',');
            table = rows.join(u"\r\n"_s).toUtf8();
        }
        const QList<Program> before = programs;
        QList<Notice> errors;
        QVERIFY(!ProgramsFromCsv(table, programs, &errors));
        QVERIFY2((errors.size() == 1 || column.isEmpty()) && english(errors).value(0).startsWith(error),
                 qPrintable(english(errors).join(u'\n')));
        QCOMPARE(programs.size(), before.size());
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
