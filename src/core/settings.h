// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <memory>

class QSettings;

namespace quillora {

// One stored preference: its key and the text a missing key reads as.
struct SettingKey
{
    QStringView name;
    QStringView defaultValue;
};

namespace Setting {
inline constexpr SettingKey Option1{u"Option1", u"1"};
inline constexpr SettingKey Option2{u"Option2", u"0"};
inline constexpr SettingKey Option3{u"Option3", u"0"};
inline constexpr SettingKey Option7{u"Option7", u"0"};
inline constexpr SettingKey Option4{u"Option4", u"0"};
// Each file cut at its own separator.
inline constexpr SettingKey Option8{u"Option8", u"0"};
inline constexpr SettingKey Option5{u"Option5", u"1"};
inline constexpr SettingKey Option6{u"Option6", u"0"};
inline constexpr SettingKey Text1{u"Text1", u""};
inline constexpr SettingKey Quotes{u"Quotes", u"False"};
// The encoding's name, or "Automatic".
inline constexpr SettingKey Encoding{u"Encoding", u"Automatic"};
// Cells stored as numbers and dates where nothing changes, and the decimal
// sign numbers are read with ("Automatic", "Point", "Comma").
inline constexpr SettingKey Numbers{u"Numbers", u"False"};
inline constexpr SettingKey DecimalSign{u"DecimalSign", u"Automatic"};
inline constexpr SettingKey Dates{u"Dates", u"False"};
inline constexpr SettingKey SkipLines{u"SkipLines", u"0"};
inline constexpr SettingKey Header{u"Header", u"False"};
inline constexpr SettingKey FileColumn{u"FileColumn", u"False"};
inline constexpr SettingKey ContinueSheets{u"ContinueSheets", u"False"};
// A sheet listing each file, last in the document.
inline constexpr SettingKey ReportSheet{u"ReportSheet", u"False"};
// With a sheet per file, the sheets in the list's order, named as the files.
inline constexpr SettingKey SheetsAsListed{u"SheetsAsListed", u"False"};
// Header names that count as others, a JSON list of [old, new] pairs.
inline constexpr SettingKey Renames{u"Renames", u""};
// The kinds chosen for columns, a JSON list of [name, number, kind] triples.
inline constexpr SettingKey ColumnKinds{u"ColumnKinds", u""};
inline constexpr SettingKey Snapshot{u"Snapshot", u""};
inline constexpr SettingKey LastFolder{u"LastFolder", u""};
// The window's size, place and state as it was closed (Qt's own form, in
// base64); empty: the designed size, in the middle of the screen.
inline constexpr SettingKey WindowGeometry{u"WindowGeometry", u""};
inline constexpr SettingKey Extension{u"Extension", u"txt"};
} // namespace Setting

// The per-user store: text values in the section "Quillora". The QSettings is
// passed in, so tests use a file of their own.
class SettingsStore
{
public:
    explicit SettingsStore(QSettings &settings);

    QString GetSetting(const SettingKey &key) const;
    QString GetSetting(QStringView key, const QString &defaultValue) const;
    void SaveSetting(const SettingKey &key, const QString &value);
    void SaveSetting(QStringView key, const QString &value);

private:
    QSettings &m_settings;
};

// The user's own store (organisation "Marrowind", application "Quillora").
std::unique_ptr<QSettings> openUserSettings();

// "True"/"False" in any case, or a number (non-zero is true). Anything else
// throws a Failure, as a type mismatch.
bool toTruthValue(const QString &text);
QString truthText(bool value);

} // namespace quillora
