#include "FileAccess.h"

#include "model/Notice.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(Notice *error, const QString &path, const Notice::Value &why) {
    if (error)
        *error = Notice(phrase("Notice", "\"%1\" could not be opened: %2")).arg(path, why);
    return false;
}

Notice kindOfMode(mode_t mode) {
    if (S_ISDIR(mode))
        return Notice(phrase("Notice", "a folder"));
    if (S_ISFIFO(mode))
        return Notice(phrase("Notice", "a FIFO (named pipe)"));
    if (S_ISCHR(mode))
        return Notice(phrase("Notice", "a character device"));
    if (S_ISBLK(mode))
        return Notice(phrase("Notice", "a block device"));
    if (S_ISSOCK(mode))
        return Notice(phrase("Notice", "a socket"));
    return Notice(phrase("Notice", "not a regular file"));
}

} // namespace

QString fileNameFromBytes(const QByteArray &name) {
    QString out;
    out.reserve(name.size());
    const auto *p = reinterpret_cast<const uchar *>(name.constData());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            out += QChar(lead);
            ++i;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        char32_t lowest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, lowest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, lowest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, lowest = 0x10000;
        }
        bool valid = length > 0 && i + length <= n;
        for (int k = 1; valid && k < length; ++k) {
            valid = (p[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        valid = valid && code >= lowest && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            out += QChar(char16_t(0xDC00 + lead));
            ++i;
            continue;
        }
        out += QChar::fromUcs4(code);
        i += length;
    }
    return out;
}

QByteArray fileNameToBytes(const QString &name) {
    QByteArray out;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool escapedByte = c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !name.at(i - 1).isHighSurrogate());
        if (!escapedByte)
            continue;
        out += QStringView(name).mid(runStart, i - runStart).toUtf8();
        out += char(c - 0xDC00);
        runStart = i + 1;
    }
    out += QStringView(name).mid(runStart).toUtf8();
    return out;
}

QString printable(const QString &text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (u < 0x20 || u == 0x7F) {
            out += QString::asprintf("\\x%02X", unsigned(u));
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            out += QString::asprintf("\\x%02X", unsigned(u - 0xDC00));
        } else if ((u >= 0x80 && u <= 0x9F) || c.isSurrogate()) {
            out += QString::asprintf("\\u%04X", unsigned(u));
        } else {
            out += c;
        }
    }
    return out;
}

Notice nonRegularKind(const QString &path) {
    struct stat st {};
    if (::stat(fileNameToBytes(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return {};
    return kindOfMode(st.st_mode);
}

bool openRegularFile(QFile &file, const QString &path, Notice *error) {
    // Looked at before opening, so that nothing waits for a FIFO's writer or wakes a device;
    // looked at again on the open file, which is what is read.
    if (const Notice kind = nonRegularKind(path); !kind.isNull())
        return fail(error, path, Notice(phrase("Notice", "it is %1, not a regular file")).arg(kind));
    const int fd = ::open(fileNameToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, path, qt_error_string(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const Notice why = Notice(phrase("Notice", "it is %1, not a regular file")).arg(kindOfMode(st.st_mode));
        ::close(fd);
        return fail(error, path, why);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, path, file.errorString());
    }
    return true;
}

bool readAtMost(QFile &file, qint64 limit, QByteArray &out, Notice *error) {
    out.clear();
    while (out.size() < limit) {
        const QByteArray chunk = file.read(qMin<qint64>(limit - out.size(), 64 * 1024));
        if (chunk.isEmpty())
            break;
        out += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = Notice::verbatim(file.errorString());
        return false;
    }
    return true;
}
