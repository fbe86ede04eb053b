#include "CsvFile.h"

#include "model/ActionList.h"
#include "model/AtomicWrite.h"
#include "model/Windows1252.h"
#include "project/LineReader.h"
#include "project/ProjectFile.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
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

QStringList rowOf(const Program &p) {
    const auto yesNo = [](quint8 flag) { return flag == 1 ? QStringLiteral("yes") : QStringLiteral("no"); };
    QStringList row{
        QString::number(p.Code),
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

// The longest cell a column may hold, in UTF-8 bytes (three a character at most for the
// characters a project file can store): the title and the comments as the editor keeps them (the
// comments with the line break of an empty last line), 64 for every other cell and for the
// header's names.
constexpr qsizetype OtherCellChars = 64;
qsizetype maxCellChars(int column) {
    return column == Title ? MaxTitleChars : column == CommentsColumn ? MaxCommentChars + 1 : OtherCellChars;
}

// The found text of a message: at most 40 characters.
QString shown(const QString &cell) {
    constexpr qsizetype Shown = 40;
    return cell.size() > Shown ? cell.left(Shown) + QStringLiteral("...") : cell;
}

// Splits the table record by record, straight from the device: RFC 4180 fields, quoted ones
// holding separators, quotes ("") and line breaks. A quote may only open a cell and close it.
// Nothing is kept beyond the record being read, and a record stops at the limits it is given.
class RecordSplitter {
public:
    enum class Result { Record, End, TooWide, TooLong, StrayQuote, QuoteNotEnded };

    explicit RecordSplitter(QIODevice &device)
        : m_device(device) {
        if (peek() == 0xEF && fill(3) && m_buffer.sliced(m_pos, 3) == "\xEF\xBB\xBF")
            m_pos += 3;
        // The header row decides the separator: a semicolon when it holds one and no comma.
        bool comma = false, semicolon = false;
        for (qsizetype i = m_pos; i < m_buffer.size() && m_buffer[i] != '\r' && m_buffer[i] != '\n'; ++i) {
            comma = comma || m_buffer[i] == ',';
            semicolon = semicolon || m_buffer[i] == ';';
        }
        m_separator = semicolon && !comma ? ';' : ',';
    }

    // The next record's cells (UTF-8), at most `maxCells` of them, cell i at most maxBytes(i)
    // bytes. On TooWide, TooLong and StrayQuote `cells` ends with the cell at fault.
    template <typename MaxBytes> Result next(QList<QByteArray> &cells, qsizetype maxCells, MaxBytes maxBytes) {
        cells.clear();
        if (peek() < 0)
            return Result::End;
        QByteArray cell;
        bool quoted = false, closed = false;
        for (;;) {
            const int c = get();
            if (quoted && !closed) {
                if (c < 0)
                    return Result::QuoteNotEnded;
                if (c == '"' && peek() != '"') {
                    closed = true;
                    continue;
                }
                if (c == '"')
                    get();
            } else if (c < 0 || c == m_separator || c == '\r' || c == '\n') {
                cells << cell;
                if (c < 0 || c == '\r' || c == '\n') {
                    if (c == '\r' && peek() == '\n')
                        get();
                    return Result::Record;
                }
                if (cells.size() >= maxCells)
                    return Result::TooWide;
                cell.clear();
                quoted = closed = false;
                continue;
            } else if (c == '"' && cell.isEmpty() && !quoted) {
                quoted = true;
                continue;
            } else if (c == '"' || closed) {
                cells << cell;
                return Result::StrayQuote;
            }
            cell += char(c);
            if (cell.size() > maxBytes(cells.size())) {
                cells << cell;
                return Result::TooLong;
            }
        }
    }

private:
    bool fill(qsizetype wanted) {
        if (m_buffer.size() - m_pos >= wanted)
            return true;
        constexpr qsizetype Chunk = 64 * 1024;
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        const qsizetype kept = m_buffer.size();
        m_buffer.resize(kept + Chunk);
        const qint64 got = m_device.read(m_buffer.data() + kept, Chunk);
        m_buffer.resize(kept + qMax<qint64>(got, 0));
        return m_buffer.size() >= wanted;
    }
    int peek() { return fill(1) ? uchar(m_buffer[m_pos]) : -1; }
    int get() { return fill(1) ? uchar(m_buffer[m_pos++]) : -1; }

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    char m_separator = ',';
};

// One row's cells, checked one by one; each wrong cell adds a line.
class RowReader {
public:
    RowReader(const QStringList &cells, const std::array<int, ColumnCount> &index, int row, QList<Notice> &errors)
        : m_cells(cells)
        , m_index(index)
        , m_row(row)
        , m_errors(errors) {}

    QString cell(int column) const { return m_cells.value(m_index[column]); }
    int row() const { return m_row; }

    void fail(int column, const Notice &expected) {
        m_errors << Notice(phrase("Notice", "row %1, column %2: %3 was expected, not \"%4\""))
                        .arg(m_row)
                        .arg(columnName(column), expected, shown(cell(column)));
    }

    std::optional<quint8> byte(int column, int low = 0, int high = 255, std::optional<Notice> what = {}) {
        bool ok = false;
        const int value = cell(column).trimmed().toInt(&ok);
        if (ok && value >= low && value <= high)
            return quint8(value);
        fail(column, what ? *what : Notice(phrase("Notice", "a number %1 to %2")).arg(low).arg(high));
        return std::nullopt;
    }

    // yes or no, or the TRUE and FALSE a spreadsheet may turn them into.
    quint8 flag(int column) {
        const QString v = cell(column).trimmed().toLower();
        if (v == u"yes" || v == u"no" || v == u"true" || v == u"false")
            return v == u"yes" || v == u"true" ? 1 : 0;
        fail(column, Notice(phrase("Notice", "yes or no")));
        return 0;
    }

    // A name of `names`, or a number 0..high.
    template <std::size_t N>
    quint8 name(int column, const std::array<const char *, N> &names, int high, const Notice &what) {
        const QString v = cell(column).trimmed();
        for (std::size_t i = 0; i < N; ++i)
            if (v.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
                return quint8(i);
        return byte(column, 0, high, what).value_or(0);
    }

    // A line break written by a spreadsheet as CR LF (or CR) reads as one LF.
    QString text(int column, qsizetype maxChars) {
        QString value = cell(column);
        value.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        qsizetype bad = 0;
        if (value.contains(QChar(0x1A)) || !Windows1252::encode(value, &bad))
            fail(column, Notice(phrase("Notice", "text of Windows-1252 characters")));
        else if (value.size() > maxChars)
            fail(column, Notice(phrase("Notice", "at most %1 characters")).arg(maxChars));
        return value;
    }

private:
    const QStringList &m_cells;
    const std::array<int, ColumnCount> &m_index;
    int m_row;
    QList<Notice> &m_errors;
};

// hh:mm, and what spreadsheets write back: seconds of zero, AM and PM.
std::optional<QTime> timeCell(const QString &cell) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::00)?(?:\\s*([AaPp])[Mm])?$"));
    const QRegularExpressionMatch m = form.match(cell.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    if (const QString half = m.captured(3).toUpper(); !half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == u"P" ? 12 : 0);
    }
    const QTime time(hour, minute);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

Program readRow(RowReader &r) {
    Program p(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    p.Code = r.byte(Code).value_or(0);
    p.Title = r.text(Title, MaxTitleChars);
    if (p.Title.contains(QLatin1Char('\n')))
        r.fail(Title, Notice(phrase("Notice", "a title on one line")));
    const QString colour = r.cell(Colour).trimmed();
    bool ok = false;
    if (const int group = colour.toInt(&ok); ok && group >= 1 && group <= ProgramColorCount) {
        p.Color = ProgramColors[group];
    } else if (const quint32 rgb = colour.mid(1).toUInt(&ok, 16);
               ok && colour.startsWith(QLatin1Char('#')) && (colour.size() == 7 || colour.size() == 9)) {
        p.Color = (rgb & 0xFF000000) | (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
    } else {
        r.fail(Colour, Notice(phrase("Notice", "a colour group 1 to 26 or #RRGGBB")));
    }
    p.Active = r.flag(Active);
    p.Priority = r.flag(Priority);
    p.TimerOn = r.flag(TimerOnColumn);
    // What the editor shows must be what the row says: a timer mode it has a button for, a
    // weekday of its list, a count of its six rows.
    p.TimerMode = r.name(Mode, ModeNames, TimerHourly, Notice(phrase("Notice", "date, daily, weekly or hourly")));
    const QDate date = QDate::fromString(r.cell(Date).trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || !p.SetDate(date))
        r.fail(Date, Notice(phrase("Notice", "a date yyyy-mm-dd")));
    if (const auto time = timeCell(r.cell(Time)))
        p.Time = *time;
    else
        r.fail(Time, Notice(phrase("Notice", "a time hh:mm")));
    p.DayOftheWeek = r.byte(Weekday, 1, 7).value_or(1);
    p.ActionCount = r.byte(ActionCount, 0, MaxActions).value_or(0);
    // The counted actions are the editor's rows: a kind it names, a transport command it has,
    // and none after an action that ends the list. The other slots and values are kept as they
    // are, as the project file keeps them.
    for (int k = 0; k < MaxActions; ++k) {
        const int column = FixedColumns + 3 * k;
        const bool counted = k < p.ActionCount;
        const int highestKind = counted ? KindSendEmail : 255;
        p.ActionKind[k] = r.name(column, KindNames, highestKind,
                                 Notice(phrase("Notice", "an action kind name or a number 0 to %1")).arg(highestKind));
        p.ActionParam[k] = r.byte(column + 1).value_or(0);
        p.ActionValue[k] = r.byte(column + 2).value_or(0);
        if (!counted)
            continue;
        if (k > 0 && isEndingKind(p.ActionKind[k - 1]))
            r.fail(column,
                   Notice(phrase("Notice",
                                 "no action after a directory, sleep, go-to or ftp action within action_count")));
        const quint8 command = p.ActionParam[k];
        if (p.ActionKind[k] == KindTransport && (command < 1 || command > 12 || command == 11))
            r.fail(column + 1, Notice(phrase("Notice", "a transport command 1 to 10 or 12")));
    }
    const QString comments = r.text(CommentsColumn, MaxCommentChars + 1);
    p.Comments = comments.isEmpty()
                     ? QStringList()
                     : (comments.endsWith(QLatin1Char('\n')) ? comments.chopped(1) : comments).split(QLatin1Char('\n'));
    if (p.Comments.size() > MaxStoredCommentLines)
        r.fail(CommentsColumn, Notice(phrase("Notice", "at most %1 comment lines")).arg(MaxStoredCommentLines));
    else if (p.Comments.join(QLatin1Char('\n')).size() > MaxCommentChars)
        r.fail(CommentsColumn, Notice(phrase("Notice", "at most %1 characters")).arg(MaxCommentChars));
    return p;
}

bool decodeCells(const QList<QByteArray> &cells, QStringList &out) {
    out.clear();
    for (const QByteArray &cell : cells) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        out << utf8.decode(cell);
        if (utf8.hasError())
            return false;
    }
    return true;
}

// Reads the table from `device` into `programs`; every wrong cell or shape adds a line to
// `found`. A limit or a break in the table's shape stops the reading.
void readTable(QIODevice &device, QList<Program> &programs, QList<Notice> &found) {
    RecordSplitter splitter(device);
    QList<QByteArray> raw;
    QStringList cells;
    const QStringList names = CsvColumnNames();
    std::array<int, ColumnCount> index;
    index.fill(-1);
    std::array<int, ColumnCount> columnAt; // the column of each cell position
    columnAt.fill(-1);
    // A stop: the reason, and false.
    const auto stopped = [&](RecordSplitter::Result result, int row, qsizetype width) {
        const int at = int(raw.size()) - 1;
        const int column = row == 1 || at < 0 ? -1 : columnAt[at];
        const QString columnText = column < 0 ? QString::number(at + 1) : names[column];
        switch (result) {
        case RecordSplitter::Result::TooWide:
            found << Notice(phrase("Notice", "row %1: more than %2 cells")).arg(row).arg(width);
            break;
        case RecordSplitter::Result::TooLong:
            found << Notice(phrase("Notice", "row %1, column %2: %3 was expected, not \"%4\""))
                         .arg(row)
                         .arg(columnText,
                              Notice(phrase("Notice", "at most %1 characters"))
                                  .arg(column < 0 ? OtherCellChars : maxCellChars(column)),
                              shown(QString::fromUtf8(raw.last())));
            break;
        case RecordSplitter::Result::StrayQuote:
            found << Notice(phrase("Notice", "row %1, column %2: a quote inside a cell that does not begin with one, "
                                             "or text after the closing quote"))
                         .arg(row)
                         .arg(columnText);
            break;
        case RecordSplitter::Result::QuoteNotEnded:
            found << Notice(phrase("Notice", "row %1: a quoted field does not end")).arg(row);
            break;
        default:
            return true;
        }
        return false;
    };

    auto result = splitter.next(raw, ColumnCount, [](qsizetype) { return OtherCellChars; });
    if (result == RecordSplitter::Result::End) {
        found << Notice(phrase("Notice", "row 1: the header row is missing"));
        return;
    }
    if (!stopped(result, 1, ColumnCount))
        return;
    if (!decodeCells(raw, cells)) {
        found << Notice(phrase("Notice", "the file is not UTF-8 text"));
        return;
    }
    const qsizetype width = cells.size();
    for (qsizetype i = 0; i < width; ++i) {
        const int column = int(names.indexOf(cells[i].trimmed()));
        if (column < 0)
            found << Notice(phrase("Notice", "row 1: unknown column \"%1\"")).arg(shown(cells[i]));
        else if (index[column] >= 0)
            found << Notice(phrase("Notice", "row 1: column %1 appears twice")).arg(names[column]);
        else
            index[column] = int(i), columnAt[i] = column;
    }
    for (int column = 0; column < ColumnCount; ++column)
        if (index[column] < 0)
            found << Notice(phrase("Notice", "row 1: column %1 is missing")).arg(names[column]);
    if (!found.isEmpty())
        return;

    const auto cellBytes = [&](qsizetype i) { return 3 * maxCellChars(columnAt[i]); };
    for (int row = 2;; ++row) {
        result = splitter.next(raw, width, cellBytes);
        if (result == RecordSplitter::Result::End)
            return;
        if (row > SlotCount + 1) {
            found << Notice(phrase("Notice", "row %1: a project holds at most %2 programs")).arg(row).arg(SlotCount);
            return;
        }
        if (!stopped(result, row, width))
            return;
        if (!decodeCells(raw, cells)) {
            found << Notice(phrase("Notice", "the file is not UTF-8 text"));
            return;
        }
        if (cells.size() < width) {
            found << Notice(phrase("Notice", "row %1, column %2: a line break ends the row before its last column (a "
                                             "line break inside a cell needs quotes around the cell)"))
                         .arg(row)
                         .arg(names[columnAt[cells.size() - 1]]);
            return;
        }
        RowReader reader(cells, index, row, found);
        programs << readRow(reader);
    }
}

} // namespace

QStringList CsvColumnNames() {
    QStringList names;
    for (int column = 0; column < ColumnCount; ++column)
        names << columnName(column);
    return names;
}

QByteArray ProgramsToCsv(const QList<Program> &programs) {
    QString out = CsvColumnNames().join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const Program &p : programs) {
        QStringList row = rowOf(p);
        for (QString &field : row)
            field = quoted(field);
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

bool ProgramsFromCsvDevice(QIODevice &device, QList<Program> &programs, QList<Notice> *errors) {
    QList<Notice> found;
    QList<Program> read;
    readTable(device, read, found);
    if (errors)
        *errors = found.size() > MaxShownErrors
                      ? found.first(MaxShownErrors)
                            << Notice(phrase("Notice", "and %1 more")).arg(found.size() - MaxShownErrors)
                      : found;
    if (!found.isEmpty())
        return false;
    programs = std::move(read);
    return true;
}

bool ProgramsFromCsv(const QByteArray &bytes, QList<Program> &programs, QList<Notice> *errors) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ProgramsFromCsvDevice(buffer, programs, errors);
}

bool ReadCsvFile(const QString &path, QList<Program> &programs, Notice *error, FileFailure *failure,
                 QList<Notice> *wrongCells) {
    const auto fail = [&](FileFailure kind, const Notice &message) {
        if (error)
            *error = message;
        if (failure)
            *failure = kind;
        return false;
    };
    QFile file;
    Notice why;
    if (!openRegularFile(file, path, &why))
        return fail(FileFailure::NoInput, why);
    if (file.size() > MaxFileBytes)
        return fail(FileFailure::NoInput,
                    Notice(phrase("Notice", "\"%1\" is larger than a table of programs can be (%2 bytes)"))
                        .arg(path)
                        .arg(MaxFileBytes));
    QList<Notice> wrong;
    const bool read = ProgramsFromCsvDevice(file, programs, &wrong);
    if (file.error() != QFileDevice::NoError)
        return fail(FileFailure::IoError,
                    Notice(phrase("Notice", "\"%1\" could not be read: %2")).arg(path, file.errorString()));
    if (!read) {
        const Notice sentence = Notice(phrase("Notice", "\"%1\" is not a table of programs:")).arg(path);
        if (wrongCells)
            *wrongCells = wrong;
        return fail(FileFailure::NoInput,
                    wrongCells ? sentence : Notice::joined(QList<Notice>{sentence} + wrong, QStringLiteral("\n")));
    }
    if (failure)
        *failure = FileFailure::None;
    return true;
}

bool WriteCsvFile(const QString &path, const QList<Program> &programs, Notice *error) {
    return writeFileAtomically(path, ProgramsToCsv(programs), error);
}
