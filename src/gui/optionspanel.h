// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings.h"
#include "core/text/encodings.h"

#include <QObject>

#include <array>
#include <map>
#include <optional>

class QCheckBox;
class QColor;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillora {

// The two option groups of the main window: where the files go (one sheet or
// a sheet each) and how lines are split. The controls are the only store of
// the options; every change of selection is written to the settings at once.
class OptionsPanel : public QObject
{
    Q_OBJECT

public:
    OptionsPanel(QWidget *form, SettingsStore &settings);

    // The stored value of every option, read before any is restored: the
    // click handling of one restore rewrites its group's keys, and the
    // options restored after it must still see what was stored.
    std::map<int, QString> storedOptions() const;

    // Start-up restore of one option from its stored value: true selects it
    // (with the group's click handling when that changes the selection),
    // false only clears it. A value that is no truth value throws and
    // changes nothing.
    void restoreOption(int number, const QString &storedValue);
    void restoreSeparatorText();
    // A stored value that is no truth value throws and changes nothing.
    void restoreQuotes();
    // A name no decoder knows leaves "Automatic".
    void restoreEncoding();

    // Selects an option as program code does: the click handling runs when
    // the selection changes.
    void selectOption(int number);

    // Paints both frames with the window's background.
    void setBackground(const QColor &color);

    QRadioButton *option(int number) const;
    QLineEdit *separatorEdit() const { return m_text1; }
    QCheckBox *quotesBox() const { return m_quotes; }
    QComboBox *encodingBox() const { return m_encoding; }
    QGroupBox *sheetFrame() const { return m_frame2; }
    QGroupBox *formatFrame() const { return m_frame1; }

    // Read at the moment of use by the import run.
    bool oneSheetMode() const;
    // The text to cut lines at: the first of space, comma, the user's own
    // text and tab whose option is selected; nullopt for "Do not format".
    std::optional<QString> splitText() const;
    bool keepQuotedText() const;
    // The encoding chosen for files without a mark; nullopt for "Automatic".
    std::optional<ChosenEncoding> encoding() const;

    // The format frame is this much taller than the options alone need, for
    // the quotes box and the encoding under them; what stands below it moves
    // down as much.
    static constexpr int FormatFrameGrowth = 800; // twips

private:
    void buildControls(QWidget *form);
    void buildEncodingBox();
    void saveGroupOf(int number);
    void saveFormatGroup();
    void saveSheetGroup();
    void clearOption(int number);
    void save(const SettingKey &key, const QString &value);

    SettingsStore &m_settings;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QCheckBox *m_quotes = nullptr;
    QComboBox *m_encoding = nullptr;
    std::array<QRadioButton *, 8> m_options{}; // indexed by option number; [0] unused
};

} // namespace quillora
