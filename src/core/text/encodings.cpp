// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text/encodings.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
// Lower case, letters and digits only: "UTF_8", "utf-8" and "Utf8" are one name.
QByteArray looseName(QByteArrayView name)
{
    QByteArray loose;
    for (const char c : name) {
        if (std::isalnum(uchar(c)))
            loose += char(std::tolower(uchar(c)));
    }
    return loose;
}

struct OwnDecoder
{
    const char *loose;
    TextEncoding encoding;
    const char *name;
};

// The encodings read by code of our own, under their usual names.
constexpr std::array<OwnDecoder, 11> OwnDecoders{{
    {"utf8", TextEncoding::Utf8, "UTF-8"},
    {"utf16", TextEncoding::Utf16LE, "UTF-16"},
    {"utf16le", TextEncoding::Utf16LE, "UTF-16LE"},
    {"utf16be", TextEncoding::Utf16BE, "UTF-16BE"},
    {"utf32", TextEncoding::Utf32LE, "UTF-32"},
    {"utf32le", TextEncoding::Utf32LE, "UTF-32LE"},
    {"utf32be", TextEncoding::Utf32BE, "UTF-32BE"},
    {"windows1252", TextEncoding::Windows1252, "windows-1252"},
    {"cp1252", TextEncoding::Windows1252, "windows-1252"},
    {"xcp1252", TextEncoding::Windows1252, "windows-1252"},
    {"ibm5348", TextEncoding::Windows1252, "windows-1252"},
}};


// Code pages whose Windows form is a superset are read in it, as the web
// reads them: the Windows form has letters where the other has controls no
// text holds (Turkish quotes and dashes in ISO-8859-9). Korean is read with
// Microsoft's table, not IBM's (whose backslash is a won sign).
struct Superset
{
    const char *loose;
    const char *name;
};
constexpr std::array<Superset, 12> Supersets{{
    {"iso88599", "windows-1254"},
    {"latin5", "windows-1254"},
    {"tis620", "windows-874"},
    {"iso885911", "windows-874"},
    {"euckr", "windows-949"},
    {"cp949", "windows-949"},
    {"uhc", "windows-949"},
    {"ksc5601", "windows-949"},
    {"ksc56011987", "windows-949"},
    {"windows949", "windows-949"},
    {"gb2312", "GB18030"},
    {"euccn", "GB18030"},
}};

const char *supersetOf(QByteArrayView name)
{
    const QByteArray loose = looseName(name);
    for (const Superset &superset : Supersets) {
        if (loose == superset.loose)
            return superset.name;
    }
    return nullptr;
}

std::optional<ChosenEncoding> ownDecoderNamed(QByteArrayView name)
{
    const QByteArray loose = looseName(name);
    for (const OwnDecoder &own : OwnDecoders) {
        if (loose == own.loose)
            return ChosenEncoding{own.encoding, own.name};
    }
    return std::nullopt;
}
} // namespace

std::optional<ChosenEncoding> encodingNamed(QByteArrayView name)
{
    if (looseName(name).isEmpty())
        return std::nullopt;
    if (const auto own = ownDecoderNamed(name))
        return own;
    const QByteArray given = name.toByteArray();
    const QStringDecoder decoder(given.constData());
    if (!decoder.isValid())
        return std::nullopt;
    const char *superset = supersetOf(given);
    if (!superset)
        superset = supersetOf(decoder.name());
    if (superset && QStringDecoder(superset).isValid())
        return ChosenEncoding{TextEncoding::Other, superset};
    // Qt's name for it where it has one: "cp1251" is shown as windows-1251,
    // and "UCS-2" is UTF-16, read by code of our own.
    const QByteArray known = decoder.name();
    if (const auto own = ownDecoderNamed(known))
        return own;
    return ChosenEncoding{TextEncoding::Other, known.isEmpty() ? given : known};
}

QString KnownEncoding::label() const
{
    return QCoreApplication::translate("quillora::Encodings", "%1 (%2)")
        .arg(QCoreApplication::translate("quillora::Encodings", script), QLatin1StringView(codePage));
}

const QList<KnownEncoding> &knownEncodings()
{
    static const QList<KnownEncoding> known = [] {
        // The script a person knows, translated where shown, then the code page.
        const std::initializer_list<std::tuple<const char *, const char *, const char *>> all{
            {"UTF-8", QT_TRANSLATE_NOOP("quillora::Encodings", "Unicode"), "UTF-8"},
            {"UTF-16LE", QT_TRANSLATE_NOOP("quillora::Encodings", "Unicode"), "UTF-16LE"},
            {"UTF-16BE", QT_TRANSLATE_NOOP("quillora::Encodings", "Unicode"), "UTF-16BE"},
            {"UTF-32LE", QT_TRANSLATE_NOOP("quillora::Encodings", "Unicode"), "UTF-32LE"},
            {"UTF-32BE", QT_TRANSLATE_NOOP("quillora::Encodings", "Unicode"), "UTF-32BE"},
            {"windows-1252", QT_TRANSLATE_NOOP("quillora::Encodings", "Western European"), "Windows-1252"},
            {"ISO-8859-1", QT_TRANSLATE_NOOP("quillora::Encodings", "Western European"), "ISO-8859-1"},
            {"ISO-8859-15", QT_TRANSLATE_NOOP("quillora::Encodings", "Western European"), "ISO-8859-15"},
            {"IBM850", QT_TRANSLATE_NOOP("quillora::Encodings", "Western European"), "DOS, CP850"},
            {"IBM437", QT_TRANSLATE_NOOP("quillora::Encodings", "US"), "DOS, CP437"},
            {"macintosh", QT_TRANSLATE_NOOP("quillora::Encodings", "Western European"), "Mac Roman"},
            {"windows-1250", QT_TRANSLATE_NOOP("quillora::Encodings", "Central European"), "Windows-1250"},
            {"ISO-8859-2", QT_TRANSLATE_NOOP("quillora::Encodings", "Central European"), "ISO-8859-2"},
            {"windows-1257", QT_TRANSLATE_NOOP("quillora::Encodings", "Baltic"), "Windows-1257"},
            {"ISO-8859-13", QT_TRANSLATE_NOOP("quillora::Encodings", "Baltic"), "ISO-8859-13"},
            {"windows-1251", QT_TRANSLATE_NOOP("quillora::Encodings", "Cyrillic"), "Windows-1251"},
            {"KOI8-R", QT_TRANSLATE_NOOP("quillora::Encodings", "Cyrillic"), "KOI8-R"},
            {"KOI8-U", QT_TRANSLATE_NOOP("quillora::Encodings", "Cyrillic"), "KOI8-U"},
            {"ISO-8859-5", QT_TRANSLATE_NOOP("quillora::Encodings", "Cyrillic"), "ISO-8859-5"},
            {"IBM866", QT_TRANSLATE_NOOP("quillora::Encodings", "Cyrillic"), "DOS, CP866"},
            {"windows-1253", QT_TRANSLATE_NOOP("quillora::Encodings", "Greek"), "Windows-1253"},
            {"ISO-8859-7", QT_TRANSLATE_NOOP("quillora::Encodings", "Greek"), "ISO-8859-7"},
            {"windows-1254", QT_TRANSLATE_NOOP("quillora::Encodings", "Turkish"), "Windows-1254, ISO-8859-9"},
            {"windows-1255", QT_TRANSLATE_NOOP("quillora::Encodings", "Hebrew"), "Windows-1255"},
            {"ISO-8859-8", QT_TRANSLATE_NOOP("quillora::Encodings", "Hebrew"), "ISO-8859-8"},
            {"windows-1256", QT_TRANSLATE_NOOP("quillora::Encodings", "Arabic"), "Windows-1256"},
            {"ISO-8859-6", QT_TRANSLATE_NOOP("quillora::Encodings", "Arabic"), "ISO-8859-6"},
            {"windows-874", QT_TRANSLATE_NOOP("quillora::Encodings", "Thai"), "Windows-874, TIS-620"},
            {"windows-1258", QT_TRANSLATE_NOOP("quillora::Encodings", "Vietnamese"), "Windows-1258"},
            {"Shift_JIS", QT_TRANSLATE_NOOP("quillora::Encodings", "Japanese"), "Shift_JIS"},
            {"EUC-JP", QT_TRANSLATE_NOOP("quillora::Encodings", "Japanese"), "EUC-JP"},
            {"ISO-2022-JP", QT_TRANSLATE_NOOP("quillora::Encodings", "Japanese"), "ISO-2022-JP"},
            {"GB18030", QT_TRANSLATE_NOOP("quillora::Encodings", "Chinese Simplified"), "GB18030"},
            {"GBK", QT_TRANSLATE_NOOP("quillora::Encodings", "Chinese Simplified"), "GBK"},
            {"Big5", QT_TRANSLATE_NOOP("quillora::Encodings", "Chinese Traditional"), "Big5"},
            {"Big5-HKSCS", QT_TRANSLATE_NOOP("quillora::Encodings", "Chinese Traditional"), "Big5-HKSCS"},
            {"windows-949", QT_TRANSLATE_NOOP("quillora::Encodings", "Korean"), "Windows-949, EUC-KR"},
        };
        QList<KnownEncoding> usable;
        for (const auto &[name, script, code] : all) {
            if (encodingNamed(name))
                usable.append({QByteArray(name), script, code});
        }
        return usable;
    }();
    return known;
}

QByteArray nameOf(TextEncoding encoding, const QByteArray &otherName)
{
    switch (encoding) {
    case TextEncoding::Windows1252:
        return "windows-1252";
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16LE:
        return "UTF-16LE";
    case TextEncoding::Utf16BE:
        return "UTF-16BE";
    case TextEncoding::Utf32LE:
        return "UTF-32LE";
    case TextEncoding::Utf32BE:
        return "UTF-32BE";
    case TextEncoding::Other:
        break;
    }
    return otherName;
}

} // namespace quillora
