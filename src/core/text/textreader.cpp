#include "core/text/textreader.h"

#include "core/failure.h"

#include <QFileInfo>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
bool startsWith(QByteArrayView head, std::initializer_list<uchar> mark)
{
    if (head.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (uchar byte : mark) {
        if (static_cast<uchar>(head[i++]) != byte)
            return false;
    }
    return true;
}

QString readFailure(const QString &path, const QString &reason)
{
    return u"The file \"%1\" cannot be read: %2"_s.arg(path, reason);
}
} // namespace

std::optional<EncodingMark> DetectUnicode(QByteArrayView head, qint64 fileSize)
{
    if (fileSize >= 4 && startsWith(head, {0xFF, 0xFE, 0x00, 0x00}))
        return EncodingMark{TextEncoding::Utf32LE, 4};
    if (fileSize >= 4 && startsWith(head, {0x00, 0x00, 0xFE, 0xFF}))
        return EncodingMark{TextEncoding::Utf32BE, 4};
    if (fileSize >= 3 && startsWith(head, {0xEF, 0xBB, 0xBF}))
        return EncodingMark{TextEncoding::Utf8, 3};
    if (fileSize >= 2 && startsWith(head, {0xFF, 0xFE}))
        return EncodingMark{TextEncoding::Utf16LE, 2};
    if (fileSize >= 2 && startsWith(head, {0xFE, 0xFF}))
        return EncodingMark{TextEncoding::Utf16BE, 2};
    return std::nullopt;
}

bool Utf8Validator::feed(QByteArrayView bytes)
{
    for (const char ch : bytes) {
        if (!m_valid)
            return false;
        const auto b = static_cast<uchar>(ch);
        if (m_pending > 0) {
            if (b < m_lowest || b > m_highest) {
                m_valid = false;
                return false;
            }
            --m_pending;
            m_lowest = 0x80;
            m_highest = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        // Lead bytes, with the bounds of the first continuation byte that
        // rule out overlong forms, surrogates and code points past U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b == 0xE0) {
            m_pending = 2;
            m_lowest = 0xA0;
        } else if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) {
            m_pending = 2;
        } else if (b == 0xED) {
            m_pending = 2;
            m_highest = 0x9F;
        } else if (b == 0xF0) {
            m_pending = 3;
            m_lowest = 0x90;
        } else if (b >= 0xF1 && b <= 0xF3) {
            m_pending = 3;
        } else if (b == 0xF4) {
            m_pending = 3;
            m_highest = 0x8F;
        } else {
            m_valid = false;
        }
    }
    return m_valid;
}

void appendWindows1252(QString &out, QByteArrayView bytes)
{
    static constexpr std::array<char16_t, 32> High{
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dest = reinterpret_cast<char16_t *>(out.data()) + start;
    for (const char ch : bytes) {
        const auto b = static_cast<uchar>(ch);
        *dest++ = (b >= 0x80 && b < 0xA0) ? High[b - 0x80] : char16_t(b);
    }
}

TextReader::TextReader(const QString &path)
    : m_path(path)
    , m_file(path)
    , m_device(&m_file)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure(readFailure(path, u"File not found"_s));
    if (!info.isFile())
        throw Failure(readFailure(path, u"It is not a file"_s));
    if (!m_file.open(QIODevice::ReadOnly))
        readFailed();
    start();
}

TextReader::TextReader(QIODevice &device, const QString &name, Sizes sizes)
    : m_path(name)
    , m_device(&device)
    , m_sizes(sizes)
{
    start();
}

void TextReader::start()
{
    m_encoding = detectEncoding();
    QStringConverter::Encoding qtEncoding = QStringConverter::Utf8;
    switch (m_encoding) {
    case TextEncoding::Windows1252:
    case TextEncoding::Utf8:
        break;
    case TextEncoding::Utf16LE:
        qtEncoding = QStringConverter::Utf16LE;
        break;
    case TextEncoding::Utf16BE:
        qtEncoding = QStringConverter::Utf16BE;
        break;
    case TextEncoding::Utf32LE:
        qtEncoding = QStringConverter::Utf32LE;
        break;
    case TextEncoding::Utf32BE:
        qtEncoding = QStringConverter::Utf32BE;
        break;
    }
    // The mark is skipped by position; a second U+FEFF is text and stays.
    m_decoder = QStringDecoder(qtEncoding, QStringConverter::Flag::ConvertInitialBom);
}

void TextReader::readFailed() const
{
    throw Failure(readFailure(m_path, m_device->errorString()));
}

TextEncoding TextReader::detectEncoding()
{
    const qint64 size = m_device->size();
    const QByteArray head = m_device->peek(4);
    if (const auto mark = DetectUnicode(head, size)) {
        m_device->skip(mark->length);
        return mark->encoding;
    }
    Utf8Validator validator;
    while (!m_device->atEnd()) {
        const QByteArray chunk = m_device->read(m_sizes.read);
        if (chunk.isEmpty())
            readFailed();
        if (!validator.feed(chunk))
            break;
    }
    const bool utf8 = validator.finish();
    if (!m_device->seek(0))
        readFailed();
    return utf8 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

bool TextReader::fillPending()
{
    if (m_atEnd)
        return false;
    const QByteArray chunk = m_device->read(m_sizes.read);
    if (chunk.isEmpty()) {
        if (!m_device->atEnd())
            readFailed();
        m_atEnd = true;
        if (m_encoding != TextEncoding::Windows1252)
            m_pending += m_decoder.decode(QByteArrayView()); // flushes an open sequence
        return false;
    }
    if (m_encoding == TextEncoding::Windows1252)
        appendWindows1252(m_pending, chunk);
    else
        m_pending += m_decoder.decode(chunk);
    return true;
}

// Where the next piece ends in m_pending, or -1 when more text is needed to
// tell. A piece ends after the last line break within m_sizes.piece characters;
// a CR at the very end of what is known may still be followed by its LF.
qsizetype TextReader::pieceEnd()
{
    const qsizetype known = m_pending.size();
    const bool whole = m_atEnd;
    if (!whole && known <= m_sizes.piece)
        return -1;
    if (whole && known <= m_sizes.piece)
        return known;
    const auto breakEnd = [&](qsizetype at) -> qsizetype {
        // at is a CR or LF; returns the position after the break, or -1 when
        // a CR ends what is known so far.
        if (m_pending.at(at) == u'\r') {
            if (at + 1 < known)
                return m_pending.at(at + 1) == u'\n' ? at + 2 : at + 1;
            return whole ? at + 1 : -1;
        }
        return at + 1;
    };
    for (qsizetype at = m_sizes.piece - 1; at >= 0; --at) {
        const QChar c = m_pending.at(at);
        if (c == u'\n' || c == u'\r') {
            const qsizetype end = breakEnd(at);
            if (end >= 0 && end <= m_sizes.piece + 1)
                return end;
        }
    }
    // One line longer than a piece: it goes whole, up to its own break. What
    // was searched already is not searched again as more text arrives.
    for (qsizetype at = std::max(m_sizes.piece, m_searchedTo); at < known; ++at) {
        const QChar c = m_pending.at(at);
        if (c == u'\n' || c == u'\r')
            return breakEnd(at);
    }
    m_searchedTo = known;
    return whole ? known : -1;
}

bool TextReader::readPiece(QString &piece)
{
    qsizetype end = pieceEnd();
    while (end < 0) {
        fillPending();
        end = pieceEnd();
    }
    if (end == 0) {
        if (m_gavePiece)
            return false;
        // A file without text still gives one empty piece.
        m_gavePiece = true;
        piece.clear();
        return true;
    }
    m_gavePiece = true;
    m_searchedTo = 0;
    if (end == m_pending.size()) {
        piece = std::move(m_pending);
        m_pending = QString();
    } else {
        piece = m_pending.left(end);
        m_pending.remove(0, end);
    }
    return true;
}

} // namespace quillora
