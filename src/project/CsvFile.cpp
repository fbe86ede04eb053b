#include "CsvFile.h"

#include "model/AtomicWrite.h"
#include "model/Windows1252.h"
#include "project/LineReader.h"
#include "project/ProjectFile.h"
#include "text/text.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <array>
#include <optional>

namespace {

enum Column { Code, Title, Colour, Active, Priority, TimerOnColumn, Mode, Date, Time, Weekday, ActionCount };
constexpr int FixedColumns = ActionCount + 1;
constexpr int ColumnCount = FixedColumns + 3 * MaxActions + 1;
constexpr int CommentsColumn = ColumnCount - 1;
constexpr int MaxShownErrors = 20;

constexpr std::array<const char *, FixedColumns> FixedNames = {"code",     "title",    "colour",      "active",
                                                               "priority", "timer_on", "timer_mode",  "date",
                                                               "time",     "weekday",  "action_count"};
constexpr std::array<const char *, 4> ModeNames = {"date", "daily", "weekly", "hourly"};
constexpr std::array<const char *, 13> KindNames = {
    "timer-file", "directory", "sleep",      "transport", "volume", "internal-output", "external-output", "none",
    "go-to",      "activate",  "deactivate", "ftp",       "email"};

QString columnName(int column) {
    if (column < FixedColumns)
        return QString::fromLatin1(FixedNames[column]);
    if (column == CommentsColumn)
        return QStringLiteral("comments");
    static const char *const Parts[] = {"kind", "param", "value"};
    const int k = column - FixedColumns;
    return QStringLiteral("action%1_%2").arg(k / 3 + 1).arg(QLatin1String(Parts[k % 3]));
}

template <std::size_t N> QString named(const std::array<const char *, N> &names, quint8 value) {
    return value < N ? QString::fromLatin1(names[value]) : QString::number(value);
}

QString colourCell(quint32 color) {
    for (int group = 1; group <= ProgramColorCount; ++group)
        if (ProgramColors[group] == color)
            return QString::number(group);
    const quint32 rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    return QLatin1Char('#') +
           QStringLiteral("%1").arg((color & 0xFF000000) | rgb, color >> 24 ? 8 : 6, 16, QLatin1Char('0')).toUpper();
}

QString quoted(const QString &field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')) && field.trimmed() == field)
        return field;
    return QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QStringList rowOf(const TORBEXProg &p) {
    const auto yesNo = [](quint8 flag) { return flag == 1 ? QStringLiteral("yes") : QStringLiteral("no"); };
    QStringList row{
        QString::number(p.Inputs),
        p.Title,
        colourCell(p.Color),
        yesNo(p.Active),
        yesNo(p.Priority),
        yesNo(p.TimerOn),
        named(ModeNames, p.TimerMode),
        p.Date.toString(QStringLiteral("yyyy-MM-dd")),
        QStringLiteral("%1:%2").arg(p.GetHour(), 2, 10, QLatin1Char('0')).arg(p.GetMinute(), 2, 10, QLatin1Char('0')),
        QString::number(p.DayOftheWeek),
        QString::number(p.ActionCount)};
    for (int k = 0; k < MaxActions; ++k)
        row << named(KindNames, p.ActionKind[k]) << QString::number(p.ActionParam[k])
            << QString::number(p.ActionValue[k]);
    // A last comment line that is empty gets a line break of its own, so that it is kept.
    const bool emptyLast = !p.Comments.isEmpty() && p.Comments.last().isEmpty();
    row << p.Comments.join(QLatin1Char('\n')) + (emptyLast ? QStringLiteral("\n") : QString());
    return row;
}

// RFC 4180 records; a quoted field may hold separators, quotes ("") and line breaks. Returns
// false (and the row) when a quoted field does not end.
bool splitRecords(const QString &text, QChar separator, QList<QStringList> &records, int *badRow) {
    QStringList record;
    QString field;
    bool quotedField = false, inQuotes = false, any = false;
    const auto endField = [&] {
        record << field;
        field.clear();
        quotedField = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
            continue;
        }
        any = true;
        if (c == u'"' && field.isEmpty() && !quotedField) {
            inQuotes = quotedField = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endField();
            records << record;
            record.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (inQuotes) {
        *badRow = int(records.size()) + 1;
        return false;
    }
    if (any) {
        endField();
        records << record;
    }
    return true;
}

// One row's cells, checked one by one; each wrong cell adds a line.
class RowReader {
public:
    RowReader(const QStringList &cells, const std::array<int, ColumnCount> &index, int row, QStringList &errors)
        : m_cells(cells)
        , m_index(index)
        , m_row(row)
        , m_errors(errors) {}

    QString cell(int column) const { return m_cells.value(m_index[column]); }

    void fail(int column, const QString &expected) {
        m_errors << NoticeText(NoticeRow::CsvCell).arg(m_row).arg(columnName(column), expected, cell(column));
    }

    std::optional<quint8> byte(int column, int low = 0, int high = 255, std::optional<NoticeRow> what = {}) {
        bool ok = false;
        const int value = cell(column).trimmed().toInt(&ok);
        if (ok && value >= low && value <= high)
            return quint8(value);
        fail(column, what ? NoticeText(*what) : NoticeText(NoticeRow::CsvNumber).arg(low).arg(high));
        return std::nullopt;
    }

    quint8 flag(int column) {
        const QString v = cell(column).trimmed().toLower();
        if (v == u"yes" || v == u"no")
            return v == u"yes" ? 1 : 0;
        fail(column, NoticeText(NoticeRow::CsvYesNo));
        return 0;
    }

    template <std::size_t N> quint8 name(int column, const std::array<const char *, N> &names, NoticeRow what) {
        const QString v = cell(column).trimmed();
        for (std::size_t i = 0; i < N; ++i)
            if (v.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
                return quint8(i);
        return byte(column, 0, 255, what).value_or(0);
    }

    QString text(int column, const QString &value) {
        qsizetype bad = 0;
        if (value.contains(QLatin1Char('\r')) || value.contains(QChar(0x1A)) || !Windows1252::encode(value, &bad))
            fail(column, NoticeText(NoticeRow::CsvText));
        return value;
    }

private:
    const QStringList &m_cells;
    const std::array<int, ColumnCount> &m_index;
    int m_row;
    QStringList &m_errors;
};

TORBEXProg readRow(RowReader &r) {
    TORBEXProg p(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    p.Inputs = r.byte(Code).value_or(0);
    p.Title = r.text(Title, r.cell(Title));
    if (p.Title.contains(QLatin1Char('\n')))
        r.fail(Title, NoticeText(NoticeRow::CsvOneLine));
    const QString colour = r.cell(Colour).trimmed();
    bool ok = false;
    if (const int group = colour.toInt(&ok); ok && group >= 1 && group <= ProgramColorCount) {
        p.Color = ProgramColors[group];
    } else if (const quint32 rgb = colour.mid(1).toUInt(&ok, 16);
               ok && colour.startsWith(QLatin1Char('#')) && (colour.size() == 7 || colour.size() == 9)) {
        p.Color = (rgb & 0xFF000000) | (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
    } else {
        r.fail(Colour, NoticeText(NoticeRow::CsvColour));
    }
    p.Active = r.flag(Active);
    p.Priority = r.flag(Priority);
    p.TimerOn = r.flag(TimerOnColumn);
    p.TimerMode = r.name(Mode, ModeNames, NoticeRow::CsvMode);
    const QDate date = QDate::fromString(r.cell(Date).trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || !p.SetDate(date))
        r.fail(Date, NoticeText(NoticeRow::CsvDate));
    const QTime time = QTime::fromString(r.cell(Time).trimmed(), QStringLiteral("hh:mm"));
    if (time.isValid())
        p.Time = time;
    else
        r.fail(Time, NoticeText(NoticeRow::CsvTime));
    p.DayOftheWeek = r.byte(Weekday).value_or(0);
    p.ActionCount = r.byte(ActionCount).value_or(0);
    for (int k = 0; k < MaxActions; ++k) {
        const int column = FixedColumns + 3 * k;
        p.ActionKind[k] = r.name(column, KindNames, NoticeRow::CsvKind);
        p.ActionParam[k] = r.byte(column + 1).value_or(0);
        p.ActionValue[k] = r.byte(column + 2).value_or(0);
    }
    const QString comments = r.text(CommentsColumn, r.cell(CommentsColumn));
    p.Comments = comments.isEmpty()
                     ? QStringList()
                     : (comments.endsWith(QLatin1Char('\n')) ? comments.chopped(1) : comments).split(QLatin1Char('\n'));
    if (p.Comments.size() > MaxStoredCommentLines)
        r.fail(CommentsColumn, NoticeText(NoticeRow::CsvCommentLines).arg(MaxStoredCommentLines));
    return p;
}

} // namespace

QStringList CsvColumnNames() {
    QStringList names;
    for (int column = 0; column < ColumnCount; ++column)
        names << columnName(column);
    return names;
}

QByteArray ProgramsToCsv(const QList<TORBEXProg> &programs) {
    QString out = CsvColumnNames().join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const TORBEXProg &p : programs) {
        QStringList row = rowOf(p);
        for (QString &field : row)
            field = quoted(field);
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

bool ProgramsFromCsv(const QByteArray &bytes, QList<TORBEXProg> &programs, QStringList *errors) {
    QStringList found;
    const auto done = [&](bool ok) {
        if (errors)
            *errors = found.size() > MaxShownErrors
                          ? found.first(MaxShownErrors)
                                << NoticeText(NoticeRow::CsvMore).arg(found.size() - MaxShownErrors)
                          : found;
        return ok;
    };
    const auto refuse = [&](const QString &why) {
        found << why;
        return done(false);
    };
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return refuse(NoticeText(NoticeRow::CsvNotUtf8));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QChar separator = firstLine.contains(QLatin1Char(',')) || !firstLine.contains(QLatin1Char(';'))
                                ? QLatin1Char(',')
                                : QLatin1Char(';');
    QList<QStringList> records;
    if (int badRow = 0; !splitRecords(text, separator, records, &badRow))
        return refuse(NoticeText(NoticeRow::CsvQuote).arg(badRow));
    if (records.isEmpty())
        return refuse(NoticeText(NoticeRow::CsvNoHeader));

    std::array<int, ColumnCount> index;
    index.fill(-1);
    const QStringList header = records.first(), names = CsvColumnNames();
    for (qsizetype i = 0; i < header.size(); ++i) {
        const int column = int(names.indexOf(header[i].trimmed()));
        if (column < 0)
            found << NoticeText(NoticeRow::CsvUnknownColumn).arg(header[i]);
        else if (index[column] >= 0)
            found << NoticeText(NoticeRow::CsvColumnTwice).arg(names[column]);
        else
            index[column] = int(i);
    }
    for (int column = 0; column < ColumnCount; ++column)
        if (index[column] < 0)
            found << NoticeText(NoticeRow::CsvColumnMissing).arg(names[column]);
    if (!found.isEmpty())
        return done(false);
    if (records.size() - 1 > SlotCount)
        return refuse(NoticeText(NoticeRow::CsvTooMany).arg(SlotCount + 2).arg(SlotCount));

    QList<TORBEXProg> read;
    for (qsizetype row = 1; row < records.size(); ++row) {
        if (records[row].size() != header.size()) {
            found << NoticeText(NoticeRow::CsvRowWidth).arg(row + 1).arg(records[row].size()).arg(header.size());
            continue;
        }
        RowReader reader(records[row], index, int(row + 1), found);
        read << readRow(reader);
    }
    if (!found.isEmpty())
        return done(false);
    programs = read;
    return done(true);
}

bool ReadCsvFile(const QString &path, QList<TORBEXProg> &programs, QString *error, FileFailure *failure,
                 QStringList *wrongCells) {
    const auto fail = [&](FileFailure kind, const QString &message) {
        if (error)
            *error = message;
        if (failure)
            *failure = kind;
        return false;
    };
    QFile file;
    QString why;
    if (!openRegularFile(file, path, &why))
        return fail(FileFailure::NoInput, why);
    QByteArray bytes;
    if (!readAtMost(file, LineReader::DefaultMaxFileBytes + 1, bytes, &why))
        return fail(FileFailure::IoError, why);
    if (bytes.size() > LineReader::DefaultMaxFileBytes)
        return fail(FileFailure::NoInput,
                    NoticeText(NoticeRow::CsvTooLarge).arg(path).arg(LineReader::DefaultMaxFileBytes));
    QStringList wrong;
    if (!ProgramsFromCsv(bytes, programs, &wrong)) {
        const QString sentence = NoticeText(NoticeRow::CsvNotTable).arg(path);
        if (wrongCells)
            *wrongCells = wrong;
        return fail(FileFailure::NoInput,
                    wrongCells ? sentence : sentence + QLatin1Char('\n') + wrong.join(QLatin1Char('\n')));
    }
    if (failure)
        *failure = FileFailure::None;
    return true;
}

bool WriteCsvFile(const QString &path, const QList<TORBEXProg> &programs, QString *error) {
    return writeFileAtomically(path, ProgramsToCsv(programs), error);
}
