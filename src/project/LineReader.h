#pragma once

#include "project/FileLimits.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads the lines of the project and settings files from a device, streaming: it holds one
// chunk of the file and the line being read, never the whole file.
//
// Line rules:
// - A line ends at CR LF, at a CR alone or at an LF alone. The files are written with CR LF;
//   a bare LF is accepted as a line end so that files saved by editors on Linux still read
//   line by line, and a bare CR ends a line without swallowing the byte after it.
// - A byte 0x1A ends the file, also in the middle of a line (the bytes before it form the
//   last line). Nothing after it is read.
// - The last line needs no line end. A file ending with a line end has no empty line after it.
// - Lines asked for after the end are empty and marked PastEnd.
// - A line longer than the limit is not kept: it is reported TooLong and its remaining bytes
//   are skipped only if another line is asked for, so garbage without line ends costs no
//   more than the limit.
// - Past the file limit nothing more is read: the line being read and every later one are
//   TooLarge, so an endless or enormous file costs no more than that limit.
class LineReader {
public:
    static constexpr qsizetype DefaultMaxLineBytes = MaxLineBytes;
    static constexpr qint64 DefaultMaxFileBytes = MaxFileBytes;

    enum class Status { Ok, PastEnd, TooLong, TooLarge, ReadError };

    struct Line {
        QByteArray bytes; // without the line end; empty unless status is Ok
        int number = 0;   // 1-based line number in the file
        Status status = Status::Ok;
    };

    // The device must be open for reading and outlive the reader.
    explicit LineReader(QIODevice &device, qsizetype maxLineBytes = DefaultMaxLineBytes,
                        qint64 maxFileBytes = DefaultMaxFileBytes);

    Line next();

    // True when no further line is in the file.
    bool atEnd();

    qsizetype maxLineBytes() const { return m_maxLineBytes; }
    qint64 maxFileBytes() const { return m_maxFileBytes; }
    // The device's error text after a ReadError.
    QString errorString() const { return m_errorString; }

private:
    bool ensureData();
    void settlePending();

    QIODevice &m_device;
    qsizetype m_maxLineBytes;
    qint64 m_maxFileBytes;
    qint64 m_readBytes = 0;
    bool m_tooLarge = false; // the end came from the file limit
    QByteArray m_chunk;
    qsizetype m_pos = 0;
    int m_number = 0;
    bool m_ended = false;      // end of file, 0x1A or read error reached
    bool m_readError = false;  // the end came from a failed read
    bool m_skipLf = false;     // the previous line ended with CR: one LF right after it belongs to it
    bool m_discarding = false; // the rest of a too long line still has to be skipped
    QString m_errorString;
};
