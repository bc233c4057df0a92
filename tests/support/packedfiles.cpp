// SPDX-License-Identifier: GPL-3.0-or-later
#include "packedfiles.h"

#include <archive.h>
#include <archive_entry.h>

#include <QtEndian>

#include <memory>
#include <stdexcept>

namespace quillora::test {

namespace {
struct WriteFree
{
    void operator()(archive *handle) const { archive_write_free(handle); }
};

la_ssize_t appendTo(archive *, void *data, const void *buffer, size_t length)
{
    static_cast<QByteArray *>(data)->append(static_cast<const char *>(buffer), qsizetype(length));
    return la_ssize_t(length);
}

void check(int status, archive *handle)
{
    if (status < ARCHIVE_WARN)
        throw std::runtime_error(archive_error_string(handle) ? archive_error_string(handle) : "libarchive");
}

QByteArray written(const std::function<void(archive *)> &setUp, const Members &members)
{
    std::unique_ptr<archive, WriteFree> handle(archive_write_new());
    QByteArray out;
    setUp(handle.get());
    check(archive_write_open2(handle.get(), &out, nullptr, appendTo, nullptr, nullptr), handle.get());
    for (const auto &[name, bytes] : members) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), bytes.size());
        check(archive_write_header(handle.get(), entry.get()), handle.get());
        if (!bytes.isEmpty() && archive_write_data(handle.get(), bytes.constData(), size_t(bytes.size())) < 0)
            check(ARCHIVE_FATAL, handle.get());
    }
    check(archive_write_close(handle.get()), handle.get());
    return out;
}
} // namespace

QByteArray compressed(const QByteArray &text, const char *filter)
{
    return written(
        [filter](archive *handle) {
            check(archive_write_add_filter_by_name(handle, filter), handle);
            check(archive_write_set_format_raw(handle), handle);
            archive_write_set_bytes_in_last_block(handle, 1);
        },
        {{QStringLiteral("text"), text}});
}

QByteArray zipOf(const Members &members, const QByteArray &password)
{
    return written(
        [&](archive *handle) {
            check(archive_write_set_format_zip(handle), handle);
            archive_write_set_bytes_in_last_block(handle, 1);
            if (!password.isEmpty()) {
                check(archive_write_set_options(handle, "zip:encryption=zipcrypt"), handle);
                check(archive_write_set_passphrase(handle, password.constData()), handle);
            }
        },
        members);
}

QByteArray tarGzOf(const Members &members)
{
    return written(
        [](archive *handle) {
            check(archive_write_add_filter_gzip(handle), handle);
            check(archive_write_set_format_ustar(handle), handle);
        },
        members);
}

QByteArray withUnknownMethod(QByteArray zip)
{
    constexpr quint16 Deflate64 = 9;
    for (qsizetype at = zip.indexOf("PK\x03\x04"); at >= 0; at = zip.indexOf("PK\x03\x04", at + 4))
        qToLittleEndian(Deflate64, zip.data() + at + 8);
    for (qsizetype at = zip.indexOf("PK\x01\x02"); at >= 0; at = zip.indexOf("PK\x01\x02", at + 4))
        qToLittleEndian(Deflate64, zip.data() + at + 10);
    return zip;
}

} // namespace quillora::test
