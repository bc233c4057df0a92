// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/samples.h"

#include "core/datafolder.h"
#include "core/list/folderexpansion.h"
#include "core/settings.h"


using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
template <class Step>
QString transform(QByteArrayView bytes, QStringView key, Step step)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *dest = reinterpret_cast<char16_t *>(out.data());
    qsizetype at = 0;
    for (const char byte : bytes) {
        const int k = key.isEmpty() ? 0 : key[at].unicode() & 0xFF;
        at = key.isEmpty() ? 0 : (at + 1) % key.size();
        *dest++ = char16_t(step(static_cast<uchar>(byte), k));
    }
    return out;
}
} // namespace

QString ScrambleText(const QString &text, QStringView key)
{
    return transform(text.toUtf8(), key, [](int c, int k) { return c + k > 255 ? c + k - 255 : c + k; });
}

QString UnscrambleText(const QString &text, QStringView key)
{
    // One byte per character; a character no scrambling makes reads as "?".
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = text[i].unicode() <= 0xFF ? char(text[i].unicode()) : '?';
    const QString plain = transform(bytes, key, [](int c, int k) { return c - k < 1 ? c - k + 255 : c - k; });
    QByteArray utf8(plain.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < plain.size(); ++i)
        utf8[i] = char(plain[i].unicode());
    return QString::fromUtf8(utf8);
}

QString sampleFolder(const QString &programFolder)
{
    return dataFolder(programFolder, u"Samples");
}

void TakeSampleSnapshot(SettingsStore &settings, const QString &samples)
{
    QStringList paths;
    for (const QString &name : GetFileList(samples, u"*.*"_s))
        paths.append(samples + u'/' + name);
    settings.SaveSetting(Setting::Snapshot, ScrambleText(paths.join(u'|'), ScrambleKey));
}

QStringList recordedSamples(const SettingsStore &settings)
{
    const QString text = UnscrambleText(settings.GetSetting(Setting::Snapshot.name, u"False"_s), ScrambleKey);
    return text.isEmpty() ? QStringList() : text.split(u'|');
}

} // namespace quillora
