#include "ProjectFile.h"

#include "model/AtomicWrite.h"
#include "model/Clock.h"
#include "model/FileAccess.h"
#include "model/Windows1252.h"
#include "project/LineReader.h"

#include <QBuffer>
#include <QFile>

#include <array>
#include <bitset>
#include <limits>
#include <optional>

namespace {

const QByteArray Header = QByteArrayLiteral("Group Of Program File of ORBEX");
const QByteArray Separator = QByteArrayLiteral("*****");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

Notice programLabel(const Program &p) {
    return Notice(phrase("Notice", "program %1 \"%2\""))
        .arg(QStringLiteral("%1").arg(int(p.Code), 3, 10, QLatin1Char('0')), p.Title);
}

// Builds the file in memory; the first refusal stops it.
class Writer {
public:
    QByteArray out;
    Notice error;

    void raw(const QByteArray &bytes) {
        out += bytes;
        out += LineEnd;
    }
    void number(qint64 value) { raw(QByteArray::number(value)); }
    void flag(quint8 value) { raw(value == 1 ? QByteArrayLiteral("yes") : QByteArrayLiteral("no")); }

    bool text(const QString &value, const Notice &owner, const Notice &field) {
        for (QChar c : value) {
            if (c == u'\r' || c == u'\n' || c == QChar(0x1A)) {
                error =
                    Notice(phrase("Notice",
                                  "%1: %2 holds a line break or control character that a project file cannot store"))
                        .arg(owner, field);
                return false;
            }
        }
        qsizetype bad = 0;
        const auto bytes = Windows1252::encode(value, &bad);
        if (!bytes) {
            error =
                Notice(phrase("Notice", "%1: %2 holds the character \"%3\", which cannot be written in Windows-1252"))
                    .arg(owner, field, value.mid(bad, value.at(bad).isHighSurrogate() ? 2 : 1));
            return false;
        }
        if (bytes->size() > MaxLineBytes) {
            error = Notice(phrase("Notice", "%1: %2 is longer than %3 bytes, the longest line a project file can hold"))
                        .arg(owner, field)
                        .arg(MaxLineBytes);
            return false;
        }
        raw(*bytes);
        return true;
    }

    bool withinFileLimit() {
        if (out.size() <= MaxFileBytes)
            return true;
        error = Notice(phrase("Notice", "the project takes more than %1 MiB, more than a project file can hold"))
                    .arg(MaxFileBytes >> 20);
        return false;
    }

    bool comments(const QStringList &lines, const Notice &owner) {
        if (lines.size() > MaxStoredCommentLines) {
            error = Notice(phrase("Notice", "%1: %2 comment lines; a project file holds at most %3"))
                        .arg(owner, QString::number(lines.size()), QString::number(MaxStoredCommentLines));
            return false;
        }
        number(lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (!text(lines[i], owner, Notice(phrase("Notice", "comment line %1")).arg(i + 1)))
                return false;
        return true;
    }

    bool group(const ProjectProperties &g) {
        const Notice owner = Notice(phrase("Notice", "the project properties"));
        raw(Header);
        raw(Separator);
        return text(g.ProjectName, owner, Notice(phrase("Notice", "the project name"))) &&
               text(g.Subject, owner, Notice(phrase("Notice", "the subject"))) &&
               text(g.Author, owner, Notice(phrase("Notice", "the author"))) &&
               text(g.RightsNotice, owner, Notice(phrase("Notice", "the rights notice"))) &&
               text(g.Customer, owner, Notice(phrase("Notice", "the customer"))) &&
               text(g.CreationDate, owner, Notice(phrase("Notice", "the creation date"))) &&
               text(g.DiffusionDate, owner, Notice(phrase("Notice", "the diffusion date"))) &&
               comments(g.Comments, owner) && withinFileLimit();
    }

    bool program(const Program &p) {
        const Notice owner = programLabel(p);
        number(p.Code);
        flag(p.Priority);
        flag(p.TimerOn);
        flag(p.Active);
        number(p.GetHour());
        number(p.GetMinute());
        raw(QStringLiteral("%1/%2/%3")
                .arg(p.GetDay(), 2, 10, QLatin1Char('0'))
                .arg(p.GetMonth(), 2, 10, QLatin1Char('0'))
                .arg(p.GetYear(), 4, 10, QLatin1Char('0'))
                .toLatin1());
        number(p.DayOftheWeek);
        number(p.TimerMode);
        number(p.ActionCount);
        for (quint8 v : p.ActionKind)
            number(v);
        for (quint8 v : p.ActionParam)
            number(v);
        for (quint8 v : p.ActionValue)
            number(v);
        if (!text(p.Title, owner, Notice(phrase("Notice", "the title"))))
            return false;
        number(qint32(p.Color));
        if (!comments(p.Comments, owner))
            return false;
        raw(Separator);
        return withinFileLimit();
    }
};

// The platform's string-to-integer rule: leading spaces, optional sign, decimal digits that
// fit in 32 bits, nothing after.
std::optional<qint32> parseNumber(const QByteArray &s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > qint64(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QString quoteFound(const QByteArray &bytes) {
    constexpr qsizetype Shown = 40;
    QString text = Windows1252::decode(bytes.left(Shown));
    if (bytes.size() > Shown)
        text += QStringLiteral("...");
    return QLatin1Char('"') + text + QLatin1Char('"');
}

class Reader {
public:
    Reader(QIODevice &device, const QString &displayName)
        : m_lines(device)
        , m_name(displayName) {}

    Notice error;

    bool read(Project &project, const ProjectReadProgress &progress) {
        ProjectProperties &g = project.Properties;
        if (!skip(phrase("Notice", "the header line")) || !skip(phrase("Notice", "the separator line")) ||
            !text(phrase("Notice", "the project name"), g.ProjectName) ||
            !text(phrase("Notice", "the subject"), g.Subject) || !text(phrase("Notice", "the author"), g.Author) ||
            !text(phrase("Notice", "the rights notice"), g.RightsNotice) ||
            !text(phrase("Notice", "the customer"), g.Customer) ||
            !text(phrase("Notice", "the creation date"), g.CreationDate) ||
            !text(phrase("Notice", "the diffusion date"), g.DiffusionDate) ||
            !comments(phrase("Notice", "the number of project comment lines (0..%1)"),
                      phrase("Notice", "project comment line %1 of %2"), g.Comments) ||
            !skip(phrase("Notice", "the separator line")))
            return false;

        qint32 count = 0;
        if (!number(phrase("Notice", "the number of programs (0..255)"), count, 0, SlotCount) ||
            !skip(phrase("Notice", "the separator line")))
            return false;
        if (progress)
            progress(0, count);
        const QDateTime now = Clock::system().now();
        std::bitset<256> used;
        project.Programs.reserve(count);
        for (int i = 1; i <= count; ++i) {
            Program p(now);
            p.Code = firstFree(used);
            if (!program(p))
                return false;
            used.set(p.Code);
            project.Programs.append(std::move(p));
            if (progress)
                progress(i, count);
        }
        return true;
    }

private:
    static quint8 firstFree(const std::bitset<256> &used) {
        for (int code = 1; code < SlotCount; ++code)
            if (!used.test(code))
                return quint8(code);
        return SlotCount;
    }

    bool program(Program &p) {
        qint32 v = 0;
        if (!number(phrase("Notice", "the program code (a number)"), v))
            return false;
        p.Code = quint8(v);
        if (!flag(phrase("Notice", "the priority flag"), p.Priority) ||
            !flag(phrase("Notice", "the timer flag"), p.TimerOn) ||
            !flag(phrase("Notice", "the active flag"), p.Active))
            return false;
        if (!number(phrase("Notice", "the hour (0..23)"), v, 0, 23))
            return false;
        p.SetHour(v);
        if (!number(phrase("Notice", "the minute (0..59)"), v, 0, 59))
            return false;
        p.SetMinute(v);
        if (!date(p))
            return false;
        const std::pair<Phrase, quint8 *> bytes[] = {
            {phrase("Notice", "the day of the week (a number)"), &p.DayOftheWeek},
            {phrase("Notice", "the timer mode (a number)"), &p.TimerMode},
            {phrase("Notice", "the action count (a number)"), &p.ActionCount},
        };
        for (const auto &[what, field] : bytes) {
            if (!number(what, v))
                return false;
            *field = quint8(v);
        }
        const std::pair<Phrase, std::array<quint8, MaxActions> *> arrays[] = {
            {phrase("Notice", "the kind of action %1 (a number)"), &p.ActionKind},
            {phrase("Notice", "the parameter of action %1 (a number)"), &p.ActionParam},
            {phrase("Notice", "the value of action %1 (a number)"), &p.ActionValue},
        };
        for (const auto &[what, field] : arrays) {
            for (int k = 0; k < MaxActions; ++k) {
                if (!number(Notice(what).arg(k + 1), v))
                    return false;
                (*field)[k] = quint8(v);
            }
        }
        if (!text(phrase("Notice", "the title"), p.Title) || !number(phrase("Notice", "the colour (a number)"), v))
            return false;
        p.Color = quint32(v);
        return comments(phrase("Notice", "the number of comment lines (0..%1)"),
                        phrase("Notice", "comment line %1 of %2"), p.Comments) &&
               skip(phrase("Notice", "the separator line"));
    }

    bool date(Program &p) {
        const Notice what = Notice(phrase("Notice", "the date (dd/mm/yyyy)"));
        LineReader::Line l;
        if (!line(what, l))
            return false;
        const auto day = parseNumber(l.bytes.mid(0, 2));
        const auto month = parseNumber(l.bytes.mid(3, 2));
        const auto year = parseNumber(l.bytes.mid(6, 4));
        if (!day || !month || !year || *year < 1 || *year > 9999 || !p.SetDate(*year, *month, *day))
            return failFound(l, what);
        return true;
    }

    // `count` and `line` name the count of comment lines and one of them.
    bool comments(Phrase count, Phrase line, QStringList &out) {
        qint32 n = 0;
        if (!number(Notice(count).arg(MaxReadCommentLines), n, 0, MaxReadCommentLines))
            return false;
        out.clear();
        out.reserve(std::min(n, 256));
        for (int i = 1; i <= n; ++i) {
            QString s;
            if (!text(Notice(line).arg(i).arg(n), s))
                return false;
            out.append(s);
        }
        return true;
    }

    bool line(const Notice &what, LineReader::Line &l) {
        l = m_lines.next();
        switch (l.status) {
        case LineReader::Status::Ok:
            return true;
        case LineReader::Status::PastEnd:
            return fail(l.number, Notice(phrase("Notice", "expected %1, found the end of the file")).arg(what));
        case LineReader::Status::TooLong:
            return fail(l.number, Notice(phrase("Notice", "expected %1, found a line longer than %2 bytes"))
                                      .arg(what)
                                      .arg(m_lines.maxLineBytes()));
        case LineReader::Status::TooLarge:
            return fail(l.number,
                        Notice(phrase("Notice", "the file goes on past %1 MiB, which no project file reaches"))
                            .arg(m_lines.maxFileBytes() >> 20));
        case LineReader::Status::ReadError:
            return fail(l.number,
                        Notice(phrase("Notice", "the file could not be read: %1")).arg(m_lines.errorString()));
        }
        return false;
    }
    bool skip(Phrase what) {
        LineReader::Line l;
        return line(Notice(what), l);
    }

    bool text(const Notice &what, QString &out) {
        LineReader::Line l;
        if (!line(what, l))
            return false;
        out = Windows1252::decode(l.bytes);
        return true;
    }
    bool text(Phrase what, QString &out) { return text(Notice(what), out); }

    bool flag(Phrase what, quint8 &out) {
        LineReader::Line l;
        if (!line(Notice(what), l))
            return false;
        out = l.bytes == "yes" ? 1 : 0;
        return true;
    }

    bool number(const Notice &what, qint32 &out, qint64 min = std::numeric_limits<qint32>::min(),
                qint64 max = std::numeric_limits<qint32>::max()) {
        LineReader::Line l;
        if (!line(what, l))
            return false;
        const auto v = parseNumber(l.bytes);
        if (!v || *v < min || *v > max)
            return failFound(l, what);
        out = *v;
        return true;
    }
    bool number(Phrase what, qint32 &out, qint64 min = std::numeric_limits<qint32>::min(),
                qint64 max = std::numeric_limits<qint32>::max()) {
        return number(Notice(what), out, min, max);
    }

    bool failFound(const LineReader::Line &l, const Notice &what) {
        return fail(l.number, Notice(phrase("Notice", "expected %1, found %2")).arg(what, quoteFound(l.bytes)));
    }

    bool fail(int lineNumber, const Notice &message) {
        error = Notice(phrase("Notice", "\"%1\", line %2: %3")).arg(m_name, QString::number(lineNumber), message);
        return false;
    }

    LineReader m_lines;
    QString m_name;
};

void setError(Notice *error, const Notice &text) {
    if (error)
        *error = text;
}

} // namespace

QByteArray projectFileBytes(const Project &project, Notice *error) {
    Writer w;
    if (project.Programs.size() > SlotCount) {
        setError(error, Notice(phrase("Notice", "the project holds %1 programs; a project file holds at most %2"))
                            .arg(project.Programs.size())
                            .arg(SlotCount));
        return {};
    }
    if (!w.group(project.Properties)) {
        setError(error, w.error);
        return {};
    }
    w.raw(Separator);
    w.number(project.Programs.size());
    w.raw(Separator);
    for (const Program &p : project.Programs) {
        if (!w.program(p)) {
            setError(error, w.error);
            return {};
        }
    }
    return w.out;
}

bool WriteProjectFile(const QString &path, const Project &project, Notice *error, Notice *warning) {
    Notice reason;
    const QByteArray bytes = projectFileBytes(project, &reason);
    if (bytes.isEmpty()) {
        setError(error, Notice(phrase("Notice", "\"%1\" was not saved: %2")).arg(path, reason));
        return false;
    }
    return writeFileAtomically(path, bytes, error, warning);
}

bool ReadProjectDevice(QIODevice &device, const QString &displayName, Project &out, Notice *error,
                       const ProjectReadProgress &progress) {
    Reader reader(device, displayName);
    Project project;
    if (!reader.read(project, progress)) {
        setError(error, reader.error);
        return false;
    }
    out = std::move(project);
    return true;
}

bool ReadProjectData(const QByteArray &bytes, const QString &displayName, Project &out, Notice *error,
                     const ProjectReadProgress &progress) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadProjectDevice(buffer, displayName, out, error, progress);
}

bool ReadProjectFile(const QString &path, Project &out, Notice *error, const ProjectReadProgress &progress) {
    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    return ReadProjectDevice(file, path, out, error, progress);
}
