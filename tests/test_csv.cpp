// The programs as a spreadsheet table: the bytes written, the round trip through every field, and
// every wrong cell or shape named by its row and column.
#include "TestSupport.h"
#include "project/CsvFile.h"
#include "project/ProjectFile.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 12, 7), QTime(10, 30));

// Every action kind, every timer mode (and numbers without a name), texts of five languages that
// need quoting, comments over several lines, a colour outside the groups.
QList<TORBEXProg> everyField() {
    QList<TORBEXProg> programs;
    const QStringList titles = {u"Fermé, « Soldes » à 18 h"_s, u"Closing \"now\""_s, u"Ñandú; oferta"_s,
                                u"Größe ändern"_s, u" Già pronto "_s};
    for (int i = 0; i < 5; ++i) {
        TORBEXProg p(Now.addDays(i * 40));
        p.Inputs = quint8(i == 4 ? 0 : 3 + 50 * i);
        p.Title = titles[i];
        p.Color = i == 3 ? 0x00123456 : ProgramColors[1 + 5 * i];
        p.Active = quint8(i % 2);
        p.Priority = quint8(i == 2);
        p.TimerOn = quint8(i != 1);
        p.TimerMode = quint8(i == 4 ? 9 : i);
        p.DayOftheWeek = quint8(i == 4 ? 0 : 7 - i);
        p.Time = QTime(23 - i, 59 - 7 * i);
        p.ActionCount = quint8(i == 4 ? 6 : i + 1);
        for (int k = 0; k < MaxActions; ++k) {
            p.ActionKind[k] = quint8(i == 4 && k == 5 ? 200 : (i * MaxActions + k) % 13);
            p.ActionParam[k] = quint8(i * 40 + k);
            p.ActionValue[k] = quint8(255 - i - k);
        }
        p.Comments = i == 0   ? QStringList{u"Line one, with a comma"_s, u"«deux»"_s, QString()}
                     : i == 1 ? QStringList()
                              : QStringList{u"Nota %1"_s.arg(i)};
        programs << p;
    }
    return programs;
}

} // namespace

class TestCsv : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes_areTheHeaderThenOneRowAProgram() {
        TORBEXProg p(Now);
        p.Title = u"Doors, \"open\""_s;
        p.Comments = {u"..."_s};
        const QByteArray header =
            "code,title,colour,active,priority,timer_on,timer_mode,date,time,weekday,action_count,action1_kind,"
            "action1_param,action1_value,action2_kind,action2_param,action2_value,action3_kind,action3_param,"
            "action3_value,action4_kind,action4_param,action4_value,action5_kind,action5_param,action5_value,"
            "action6_kind,action6_param,action6_value,comments\r\n";
        QCOMPARE(ProgramsToCsv({p}),
                 header + "1,\"Doors, \"\"open\"\"\",1,yes,no,no,date,2026-12-07,10:30,1,1,directory,0,255,directory,0,"
                          "255,directory,0,255,directory,0,255,directory,0,255,directory,0,255,...\r\n");
    }

    // Written and read back, the programs give the same project file, byte for byte.
    void roundTrip_keepsEveryField() {
        Project project;
        project.Group.ProjectName = u"Boutique"_s;
        project.Programs = everyField();
        QList<TORBEXProg> back;
        QStringList errors;
        QVERIFY2(ProgramsFromCsv(ProgramsToCsv(project.Programs), back, &errors), qPrintable(errors.join(u'\n')));
        const QByteArray before = projectFileBytes(project);
        project.Programs = back;
        QCOMPARE(projectFileBytes(project), before);
        // As a spreadsheet saves it: semicolons, the columns in another order, a byte-order mark.
        QByteArray reordered = "\xEF\xBB\xBF";
        const QStringList names = CsvColumnNames();
        reordered += QStringList(names.crbegin(), names.crend()).join(u';').toUtf8() + "\n";
        reordered += u"...;0;1;Timer-File;0;0;none;0;0;none;0;0;none;0;0;none;0;17;go-to;1;1;12:05;2026-02-28;Hourly;"
                     "Yes;yes;no;#FF0000;\"Tom; «x»\";42\n"_s.toUtf8();
        QVERIFY2(ProgramsFromCsv(reordered, back, &errors), qPrintable(errors.join(u'\n')));
        QVERIFY(back.size() == 1 && back[0].Inputs == 42 && back[0].Title == u"Tom; «x»"_s &&
                back[0].Color == 0x0000FF && back[0].TimerMode == TimerHourly &&
                back[0].ActionKind[0] == KindGoToProgram && back[0].ActionParam[0] == 17 && back[0].Active == 0 &&
                back[0].Date == QDate(2026, 2, 28));
    }

    // One wrong cell, or a wrong shape: nothing is read, and the line names the row and column.
    void wrongTable_isRefusedNamingRowAndColumn_data() {
        QTest::addColumn<QString>("column"); // a column to spoil, or "" for the whole table
        QTest::addColumn<QString>("cell");   // its new text, or the table's text
        QTest::addColumn<QString>("error");
        const QStringList bad = {u"256"_s,     u"Bell\u20AC\u0101"_s,
                                 u"27"_s,      u"oui"_s,
                                 u"1"_s,       u"y"_s,
                                 u"weekly2"_s, u"2026-02-29"_s,
                                 u"24:00"_s,   u"-1"_s,
                                 u"7.5"_s,     u"play"_s,
                                 u"x"_s,       u"300"_s};
        const QStringList names = CsvColumnNames();
        for (int column = 0; column < names.size(); ++column) {
            const QString cell = column < 14                  ? bad[column]
                                 : column == names.size() - 1 ? u"\u0101"_s
                                                              : bad[11 + column % 3];
            QTest::addRow("%s", qPrintable(names[column]))
                << names[column] << cell << u"row 3, column %1: "_s.arg(names[column]);
        }
        QTest::newRow("unknown column") << QString() << u"code,colour,extra\r\n"_s
                                        << u"row 1: unknown column \"extra\""_s;
        QTest::newRow("missing column") << QString() << u"code\r\n"_s << u"row 1: column title is missing"_s;
        QTest::newRow("quote not closed") << QString() << u"code\r\n\"1"_s << u"row 2: a quoted field does not end"_s;
        QTest::newRow("not UTF-8") << QString() << u"\xff"_s << u"the file is not UTF-8 text"_s;
        QTest::newRow("short row") << u"code"_s << QString() << u"row 3: 29 cells, where the header row has 30"_s;
        QTest::newRow("256 programs") << u"256"_s << QString() << u"row 257: a project holds at most 255 programs"_s;
    }
    void wrongTable_isRefusedNamingRowAndColumn() {
        QFETCH(QString, column);
        QFETCH(QString, cell);
        QFETCH(QString, error);
        QList<TORBEXProg> programs = everyField().first(2);
        QByteArray table = ProgramsToCsv(programs);
        if (column == u"256"_s) {
            const QByteArray row = QString::fromUtf8(table).section(u"\r\n"_s, 2, 2).toUtf8() + "\r\n";
            for (int i = 0; i < 254; ++i)
                table += row;
        } else if (column.isEmpty()) {
            table = cell == u"\xff"_s ? QByteArray("\xff") : cell.toUtf8();
        } else { // the second program's row, the cell of `column`
            QStringList rows = QString::fromUtf8(table).split(u"\r\n"_s);
            QStringList cells = rows[2].split(u',');
            const int at = int(CsvColumnNames().indexOf(column));
            if (cell.isNull())
                cells.removeAt(at);
            else
                cells[at] = cell;
            rows[2] = cells.join(u',');
            table = rows.join(u"\r\n"_s).toUtf8();
        }
        const QList<TORBEXProg> before = programs;
        QStringList errors;
        QVERIFY(!ProgramsFromCsv(table, programs, &errors));
        QVERIFY2((errors.size() == 1 || column.isEmpty()) && errors.value(0).startsWith(error),
                 qPrintable(errors.join(u'\n')));
        QCOMPARE(programs.size(), before.size());
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
