// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace quillora {

// The encodings read by code of their own, and Other: any other encoding,
// read by Qt's decoder of that name.
enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Other };

// The encoding's name as Qt's decoders know it; otherName for Other.
QByteArray nameOf(TextEncoding encoding, const QByteArray &otherName);

// What "Automatic" is stored as, and what --encoding takes for it.
inline constexpr QStringView AutomaticEncoding = u"Automatic";

// An encoding the user chose by name: how it is read, and its name as Qt's
// decoders know it.
struct ChosenEncoding
{
    TextEncoding encoding;
    QByteArray name;
    bool operator==(const ChosenEncoding &) const = default;
};

// The encoding a name stands for, in any case and any of its aliases
// ("utf8", "cp1252", "Shift_JIS"); nullopt for a name no decoder here knows.
// "UTF-16" and "UTF-32" without a byte order read a file in the order its
// zero bytes tell, little-endian where they tell nothing.
std::optional<ChosenEncoding> encodingNamed(QByteArrayView name);

// An encoding people meet, with the name a person knows it by.
struct KnownEncoding
{
    QByteArray name;
    const char *script; // "Japanese"
    const char *codePage; // "Shift_JIS"
    // "Japanese (Shift_JIS)", in the user's language.
    QString label() const;
};

// The encodings the "Encoding" list and --list-encodings offer, those this
// system's decoders read, grouped by script.
const QList<KnownEncoding> &knownEncodings();

} // namespace quillora
