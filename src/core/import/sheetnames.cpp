// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/sheetnames.h"

#include "core/list/paths.h"
#include "core/text/packedtext.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

QString KeepCharacters(QStringView text, QStringView allowed)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (allowed.contains(c))
            kept.append(c);
    }
    return kept;
}

QString SheetNameOf(QStringView fileName)
{
    return KeepCharacters(fileName, u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ");
}

int RandomNumber(int n, double r)
{
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(r * n)) + 1;
}

QString freeSheetName(const QString &fileName, int listPosition,
                      const std::function<bool(const QString &)> &isTaken,
                      const std::function<double()> &random)
{
    QString base = SheetNameOf(fileName);
    if (base.trimmed().isEmpty())
        base = QCoreApplication::translate("quillora::SheetNames", "File %1").arg(listPosition);
    QString name = base;
    // Random suffixes first, as users know them; should they keep colliding,
    // count upwards past the random range so the loop always ends.
    constexpr int RandomTries = 64;
    for (int attempt = 0; isTaken(name); ++attempt) {
        const int suffix = attempt < RandomTries ? RandomNumber(8000, random()) : 8001 + attempt - RandomTries + 1;
        name = base + QString::number(suffix);
    }
    return name;
}

namespace {
// Whether a sheet name can hold name[i] in every format: not one of
// []:*?/\, no control character, and nothing XML cannot carry (U+FFFE,
// U+FFFF, half a surrogate pair, as a file name's undecoded bytes are).
bool sheetNameCanHold(QStringView name, qsizetype i)
{
    const QChar c = name[i];
    if (u"[]:*?/\\"_s.contains(c) || c.category() == QChar::Other_Control || c.unicode() >= 0xFFFE
        || (c.unicode() >= 0xFDD0 && c.unicode() <= 0xFDEF))
        return false;
    if (c.isHighSurrogate())
        return i + 1 < name.size() && name[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i > 0 && name[i - 1].isHighSurrogate();
    return true;
}
} // namespace

QString listedSheetName(const QString &fileName, int listPosition,
                        const std::function<bool(const QString &)> &isTaken)
{
    QString base = fileName;
    for (qsizetype i = 0; i < base.size(); ++i) {
        if (!sheetNameCanHold(base, i))
            base[i] = u'_';
    }
    if (base.startsWith(u'\''))
        base[0] = u'_';
    if (base.endsWith(u'\''))
        base.back() = u'_';
    if (base.trimmed().isEmpty())
        base = QCoreApplication::translate("quillora::SheetNames", "File %1").arg(listPosition);
    QString name = base;
    for (int number = 2; isTaken(name); ++number)
        name = u"%1 (%2)"_s.arg(base).arg(number);
    return name;
}

QString fileSheetName(const QString &path, int listPosition, bool asListed,
                      const std::function<bool(const QString &)> &isTaken, const std::function<double()> &random)
{
    // Named as the text it holds: "app.log.2.gz" as "app.log.2".
    const QString fileName = unpackedName(FileNameOf(path));
    return asListed ? listedSheetName(fileName, listPosition, isTaken)
                    : freeSheetName(fileName, listPosition, isTaken, random);
}

} // namespace quillora
