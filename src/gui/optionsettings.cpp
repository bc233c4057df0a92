// SPDX-License-Identifier: GPL-3.0-or-later
// The options as they are stored: restored at the start, saved as they
// change.
#include "core/failure.h"
#include "core/text/encodings.h"
#include "gui/optionspanel.h"
#include "gui/optiontable.h"
#include "gui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <stdexcept>

namespace quillora {

// The format group from top to bottom, then the sheet group.
const std::array<OptionSpec, 8> &optionTable()
{
    static const std::array<OptionSpec, 8> table{{
        {1, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Do not for&mat"), Setting::Option1, twipsRect(240, 300, 5655, 255)},
        {2, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Split data into new Calc column by &space"), Setting::Option2, twipsRect(240, 650, 5415, 255)},
        {3, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Split data into new Calc column by &comma"), Setting::Option3, twipsRect(240, 1000, 5415, 255)},
        {7, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Split data into new Calc column by ta&b"), Setting::Option7, twipsRect(240, 1350, 5115, 255)},
        {4, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Split data into new Calc column by these c&haracter(s):"), Setting::Option4,
         twipsRect(240, 1700, 4875, 255)},
        {8, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Split data at each file's own sepa&rator (comma, semicolon, tab or pipe)"), Setting::Option8,
         twipsRect(240, 2050, 7455, 255)},
        {5, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Import all text files to &one sheet"), Setting::Option5, twipsRect(240, 300, 5655, 255)},
        {6, QT_TRANSLATE_NOOP("quillora::OptionsPanel", "Import each text file to a se&parate sheet"), Setting::Option6, twipsRect(240, 650, 5775, 255)},
    }};
    return table;
}

const OptionSpec &specOf(int number)
{
    for (const OptionSpec &spec : optionTable()) {
        if (spec.number == number)
            return spec;
    }
    throw std::out_of_range("no such option");
}

bool inFormatGroup(int number)
{
    return std::find(FormatGroup.begin(), FormatGroup.end(), number) != FormatGroup.end();
}

std::map<int, QString> OptionsPanel::storedOptions() const
{
    std::map<int, QString> stored;
    for (const OptionSpec &spec : optionTable())
        stored[spec.number] = m_settings.GetSetting(spec.key);
    return stored;
}

void OptionsPanel::restoreOption(int number, const QString &storedValue)
{
    if (toTruthValue(storedValue))
        selectOption(number);
    else
        clearOption(number);
}

void OptionsPanel::setSeparatorText(const QString &text)
{
    m_text1->setText(text);
    save(Setting::Text1, text);
}

void OptionsPanel::restoreSeparatorText()
{
    m_text1->setText(m_settings.GetSetting(Setting::Text1));
}

void OptionsPanel::restoreQuotes()
{
    m_quotes->setChecked(toTruthValue(m_settings.GetSetting(Setting::Quotes)));
}

void OptionsPanel::restoreEncoding()
{
    const QString stored = m_settings.GetSetting(Setting::Encoding);
    int index = m_encoding->findData(stored, Qt::UserRole, Qt::MatchFixedString);
    // A name Qt knows that the list does not offer (set by hand) is offered
    // under its own name.
    if (index < 0 && stored.compare(AutomaticEncoding, Qt::CaseInsensitive) != 0 && encodingNamed(stored.toLatin1())) {
        m_encoding->addItem(stored, stored);
        index = m_encoding->count() - 1;
    }
    m_encoding->setCurrentIndex(std::max(index, 0));
}

void OptionsPanel::restoreLinesAndHeaders()
{
    const QString stored = m_settings.GetSetting(Setting::SkipLines);
    bool number = false;
    const int lines = stored.toInt(&number);
    const bool header = toTruthValue(m_settings.GetSetting(Setting::Header));
    const bool fileColumn = toTruthValue(m_settings.GetSetting(Setting::FileColumn));
    const bool continueSheets = toTruthValue(m_settings.GetSetting(Setting::ContinueSheets));
    const bool sheetsAsListed = toTruthValue(m_settings.GetSetting(Setting::SheetsAsListed));
    if (!number || lines < m_skipLines->minimum() || lines > m_skipLines->maximum())
        throw Failure(tr("The stored number of lines to skip \"%1\" is no number from 0 to 1000.").arg(stored));
    m_skipLines->setValue(lines);
    m_header->setChecked(header);
    m_fileColumn->setChecked(fileColumn);
    m_continueSheets->setChecked(continueSheets);
    m_reportSheet->setChecked(toTruthValue(m_settings.GetSetting(Setting::ReportSheet)));
    m_sheetsAsListed->setChecked(sheetsAsListed);
}

void OptionsPanel::restoreNumbersAndDates()
{
    const bool numbers = toTruthValue(m_settings.GetSetting(Setting::Numbers));
    const bool dates = toTruthValue(m_settings.GetSetting(Setting::Dates));
    const QString sign = m_settings.GetSetting(Setting::DecimalSign);
    const int index = m_decimalSign->findData(sign, Qt::UserRole, Qt::MatchFixedString);
    if (index < 0)
        throw Failure(tr("The stored decimal sign \"%1\" is none of Automatic, Point and Comma.").arg(sign));
    m_decimalSign->setCurrentIndex(index);
    m_numbers->setChecked(numbers);
    m_dates->setChecked(dates);
}

void OptionsPanel::selectOption(int number)
{
    option(number)->setChecked(true);
}

void OptionsPanel::clearOption(int number)
{
    // An exclusive button refuses to be cleared; lift the rule for a moment.
    QRadioButton *button = option(number);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

void OptionsPanel::saveGroupOf(int number)
{
    emit changed();
    // Option clicks have no error report of their own: a store that cannot be
    // written only costs the remembered choice.
    try {
        if (inFormatGroup(number))
            saveFormatGroup();
        else
            saveSheetGroup();
    } catch (const std::exception &e) {
        qCWarning(lcOptions) << e.what();
    }
}

void OptionsPanel::saveFormatGroup()
{
    for (int number : FormatGroup)
        m_settings.SaveSetting(specOf(number).key, truthText(option(number)->isChecked()));
}

void OptionsPanel::saveSheetGroup()
{
    for (int number : SheetGroup)
        m_settings.SaveSetting(specOf(number).key, truthText(option(number)->isChecked()));
}

} // namespace quillora
