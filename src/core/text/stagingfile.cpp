#include "core/text/stagingfile.h"

#include "core/failure.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
constexpr qint64 ReadChars = qint64(128) * 1024;
static_assert(sizeof(char16_t) == 2);
} // namespace

QStringList cutAtColumnMarker(const QString &line)
{
    if (line.isEmpty())
        return {};
    return line.split(ColumnMarker);
}

StagingFile::StagingFile()
    : m_file(QDir::tempPath() + u"/quillora-XXXXXX.txt"_s)
{
    // QTemporaryFile creates with O_CREAT | O_EXCL and mode 0600: an existing
    // name, a planted link included, is never opened.
    if (!m_file.open())
        fail(u"The staging file cannot be created in %1"_s.arg(QDir::tempPath()));
}

StagingFile::~StagingFile()
{
    m_file.close();
    DeleteFileQuietly(m_file.fileName());
}

void StagingFile::fail(const QString &what) const
{
    throw Failure(what + u": "_s + m_file.errorString());
}

void StagingFile::WriteTextFile(QStringView text)
{
    if (text.isEmpty())
        return;
    QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
        qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    if (m_file.write(bytes) != bytes.size())
        fail(u"The staging file cannot be written"_s);
    m_written += text.size();
    countLines(text);
}

void StagingFile::countLines(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'\r') {
            ++m_lines;
            m_endsWithCr = true;
            continue;
        }
        if (c == u'\n' && !m_endsWithCr)
            ++m_lines;
        m_endsWithCr = false;
    }
}

void StagingFile::clear()
{
    rollBack(Mark());
}

void StagingFile::rollBack(const Mark &mark)
{
    if (!m_file.resize(mark.written * 2) || !m_file.seek(mark.written * 2))
        fail(u"The staging file cannot be emptied"_s);
    m_written = mark.written;
    m_lines = mark.lines;
    m_endsWithCr = mark.endsWithCr;
}

void StagingFile::rewind()
{
    if (!m_file.flush() || !m_file.seek(0))
        fail(u"The staging file cannot be read"_s);
    m_readBuffer.clear();
    m_readPos = 0;
    m_readAtEnd = false;
}

bool StagingFile::fillReadBuffer()
{
    m_readBuffer.remove(0, m_readPos);
    m_readPos = 0;
    const qint64 remaining = m_written * 2 - m_file.pos();
    if (remaining <= 0) {
        m_readAtEnd = true;
        return false;
    }
    const QByteArray bytes = m_file.read(std::min(ReadChars * 2, remaining));
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        fail(u"The staging file cannot be read"_s);
    const qsizetype start = m_readBuffer.size();
    m_readBuffer.resize(start + bytes.size() / 2);
    qFromLittleEndian<char16_t>(bytes.constData(), bytes.size() / 2, m_readBuffer.data() + start);
    return true;
}

bool StagingFile::ReadTextLines(QString &line)
{
    qsizetype at = m_readPos;
    for (;;) {
        const qsizetype size = m_readBuffer.size();
        for (; at < size; ++at) {
            const QChar c = m_readBuffer.at(at);
            if (c != u'\n' && c != u'\r')
                continue;
            if (c == u'\r' && at + 1 == size && !m_readAtEnd)
                break; // its LF may come with the next read
            line = m_readBuffer.mid(m_readPos, at - m_readPos);
            m_readPos = at + 1;
            if (c == u'\r' && m_readPos < size && m_readBuffer.at(m_readPos) == u'\n')
                ++m_readPos;
            return true;
        }
        if (m_readAtEnd) {
            if (m_readPos >= size)
                return false;
            // The last line has no break after it.
            line = m_readBuffer.mid(m_readPos);
            m_readPos = size;
            return true;
        }
        at -= m_readPos; // the buffer drops what was read before it refills
        fillReadBuffer();
    }
}

void DeleteFileQuietly(const QString &path)
{
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.remove()) {
        // A read-only file goes too.
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        file.remove();
    }
}

} // namespace quillora
