// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include "core/failure.h"
#include "core/product.h"

#include <QCoreApplication>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
constexpr QStringView Section = u"Quillora";

QString fullKey(QStringView key)
{
    return Section + u'/' + key;
}
} // namespace

SettingsStore::SettingsStore(QSettings &settings)
    : m_settings(settings)
{
}

QString SettingsStore::GetSetting(const SettingKey &key) const
{
    return GetSetting(key.name, key.defaultValue.toString());
}

QString SettingsStore::GetSetting(QStringView key, const QString &defaultValue) const
{
    const QVariant value = m_settings.value(fullKey(key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::SaveSetting(const SettingKey &key, const QString &value)
{
    SaveSetting(key.name, value);
}

void SettingsStore::SaveSetting(QStringView key, const QString &value)
{
    m_settings.setValue(fullKey(key), value);
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw Failure(QCoreApplication::translate("quillora::Settings", "The setting \"%1\" could not be stored.").arg(key));
}

std::unique_ptr<QSettings> openUserSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       Product::Organisation.toString(), Product::Name.toString());
}

bool toTruthValue(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"True"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False"_s, Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    if (!isNumber)
        throw Failure(QCoreApplication::translate("quillora::Settings", "Type mismatch"));
    return number != 0.0;
}

QString truthText(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

} // namespace quillora
