#include "LineReader.h"

#include <QIODevice>

namespace {

constexpr qsizetype ChunkBytes = 64 * 1024;
constexpr char EndOfFile = 0x1A;

// First CR, LF or 0x1A in [from, end), or end.
const char *findStop(const char *from, const char *end) {
    for (const char *p = from; p < end; ++p) {
        const char c = *p;
        if (c == '\r' || c == '\n' || c == EndOfFile)
            return p;
    }
    return end;
}

} // namespace

LineReader::LineReader(QIODevice &device, qsizetype maxLineBytes, qint64 maxFileBytes)
    : m_device(device)
    , m_maxLineBytes(maxLineBytes)
    , m_maxFileBytes(maxFileBytes) {}

// True when at least one unread byte is in the chunk; reads the next chunk when needed.
bool LineReader::ensureData() {
    if (m_pos < m_chunk.size())
        return true;
    if (m_ended)
        return false;
    m_pos = 0;
    if (m_readBytes >= m_maxFileBytes) {
        // One byte past the limit tells a file of exactly the limit from a larger one.
        char probe = 0;
        if (m_device.read(&probe, 1) == 1)
            m_tooLarge = true;
        m_chunk.clear();
        m_ended = true;
        return false;
    }
    m_chunk.resize(qMin<qint64>(ChunkBytes, m_maxFileBytes - m_readBytes));
    const qint64 got = m_device.read(m_chunk.data(), m_chunk.size());
    if (got <= 0) {
        m_chunk.clear();
        m_ended = true;
        if (got < 0) {
            m_readError = true;
            m_errorString = m_device.errorString();
        }
        return false;
    }
    m_chunk.resize(got);
    m_readBytes += got;
    return true;
}

// Finishes what the previous line left: the LF after its CR, the tail of a too long line.
void LineReader::settlePending() {
    while (m_discarding) {
        if (!ensureData()) {
            m_discarding = false;
            return;
        }
        const char *begin = m_chunk.constData() + m_pos;
        const char *end = m_chunk.constData() + m_chunk.size();
        const char *stop = findStop(begin, end);
        m_pos += stop - begin;
        if (stop == end)
            continue;
        m_discarding = false;
        if (*stop == EndOfFile) {
            m_ended = true;
            m_chunk.clear();
            m_pos = 0;
            return;
        }
        ++m_pos;
        m_skipLf = (*stop == '\r');
    }
    if (m_skipLf) {
        m_skipLf = false;
        if (ensureData() && m_chunk.at(m_pos) == '\n')
            ++m_pos;
    }
}

bool LineReader::atEnd() {
    settlePending();
    if (!ensureData())
        return true;
    if (m_chunk.at(m_pos) == EndOfFile) {
        m_ended = true;
        m_chunk.clear();
        m_pos = 0;
        return true;
    }
    return false;
}

LineReader::Line LineReader::next() {
    Line line;
    line.number = ++m_number;
    if (atEnd()) {
        line.status = m_readError ? Status::ReadError : m_tooLarge ? Status::TooLarge : Status::PastEnd;
        return line;
    }
    for (;;) {
        if (!ensureData()) {
            // The last line of the file, without a line end.
            if (m_readError || m_tooLarge) {
                line.bytes.clear();
                line.status = m_readError ? Status::ReadError : Status::TooLarge;
            }
            return line;
        }
        const char *begin = m_chunk.constData() + m_pos;
        const char *end = m_chunk.constData() + m_chunk.size();
        const char *stop = findStop(begin, end);
        const qsizetype length = stop - begin;
        if (line.bytes.size() + length > m_maxLineBytes) {
            line.bytes.clear();
            line.status = Status::TooLong;
            m_pos += length;
            m_discarding = (stop == end);
            if (stop != end) {
                // The line end is already in view: consume it now.
                if (*stop == EndOfFile) {
                    m_ended = true;
                    m_chunk.clear();
                    m_pos = 0;
                } else {
                    ++m_pos;
                    m_skipLf = (*stop == '\r');
                }
            }
            return line;
        }
        line.bytes.append(begin, length);
        m_pos += length;
        if (stop == end)
            continue;
        if (*stop == EndOfFile) {
            m_ended = true;
            m_chunk.clear();
            m_pos = 0;
        } else {
            ++m_pos;
            m_skipLf = (*stop == '\r');
        }
        return line;
    }
}
