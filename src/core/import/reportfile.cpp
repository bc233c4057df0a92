// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/import/reportfile.h"

#include "core/failure.h"
#include "core/import/accountwords.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
bool asJsonLines(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"jsonl" || suffix == u"json";
}

// A field a spreadsheet would take for a formula (a file named "=2+3" or
// "=HYPERLINK(...)"): it starts with an apostrophe, as OWASP advises, so
// that opened in one it stays the text it is.
bool looksLikeFormula(const QString &text)
{
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

// Quoted where it holds a comma, a quote or a line break, as CSV readers
// take it.
QString csvField(const QString &field)
{
    const QString text = looksLikeFormula(field) ? u'\'' + field : field;
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u"\""_s, u"\"\""_s) + u'"';
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u',').toUtf8() + "\r\n";
}
} // namespace

QByteArray reportFileText(const QString &path, const QList<FileAccount> &accounts, const QString &choose)
{
    const QStringList keys = AccountWords::reportKeys();
    const bool json = asJsonLines(path);
    QByteArray text = json ? QByteArray() : csvLine(keys);
    for (const FileAccount &account : accounts) {
        const QStringList row = AccountWords::reportRow(account, choose, QLocale::c());
        if (!json) {
            text += csvLine(row);
            continue;
        }
        // Counts as numbers, so that a script adds them up as they are.
        static const QSet<QString> numbers{u"first_row"_s, u"last_row"_s, u"lines_skipped"_s, u"rows"_s, u"columns"_s};
        QJsonObject object;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            bool isNumber = false;
            const qint64 number = numbers.contains(keys[i]) ? row.value(i).toLongLong(&isNumber) : 0;
            object.insert(keys[i], isNumber ? QJsonValue(double(number)) : QJsonValue(row.value(i)));
        }
        text += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    return text;
}

void writeReportFile(const QString &path, const QList<FileAccount> &accounts, const QString &choose)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(reportFileText(path, accounts, choose)) < 0 || !file.commit())
        throw Failure(QCoreApplication::translate("quillora::ReportFile", "The report %1 was not written: %2")
                          .arg(path, file.errorString()));
}

} // namespace quillora
