// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/importinterfaces.h"
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
class QScrollArea;
class QSpinBox;
class QWidget;

namespace quillora {

class FileListModel;

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
    // The user's own separator, as if typed.
    void setSeparatorText(const QString &text);
    // A stored value that is no truth value throws and changes nothing.
    void restoreQuotes();
    // A name no decoder knows leaves "Automatic".
    void restoreEncoding();
    // A stored value of the wrong kind throws and changes nothing.
    void restoreLinesAndHeaders();
    // Likewise for numbers, their decimal sign and dates.
    void restoreNumbersAndDates();

    // Selects an option as program code does: the click handling runs when
    // the selection changes.
    void selectOption(int number);

    // Paints both frames with the window's background.
    void setBackground(const QColor &color);

    QRadioButton *option(int number) const;
    QLineEdit *separatorEdit() const { return m_text1; }
    QCheckBox *quotesBox() const { return m_quotes; }
    QComboBox *encodingBox() const { return m_encoding; }
    QCheckBox *numbersBox() const { return m_numbers; }
    QComboBox *decimalSignBox() const { return m_decimalSign; }
    QCheckBox *datesBox() const { return m_dates; }
    QSpinBox *skipLinesBox() const { return m_skipLines; }
    QCheckBox *headerBox() const { return m_header; }
    QCheckBox *fileColumnBox() const { return m_fileColumn; }
    QCheckBox *continueSheetsBox() const { return m_continueSheets; }
    QCheckBox *sheetsAsListedBox() const { return m_sheetsAsListed; }
    QGroupBox *linesFrame() const { return m_frame3; }
    QGroupBox *sheetFrame() const { return m_frame2; }
    QGroupBox *formatFrame() const { return m_frame1; }
    // The three frames, one under the other, scrolled where the window is
    // too low for them.
    QScrollArea *area() const { return m_area; }
    // Every control, as the eye reads them: the import frame, the format
    // frame, then the lines frame, each from top to bottom.
    QList<QWidget *> controlsInReadingOrder() const;

    // What the options say, read at the moment of use by the import run and
    // the preview.
    SheetOptions sheetOptions() const;
    // How files are read, as the options say: no file's own choices (see
    // readOptionsOf).
    ReadOptions readOptions() const;

private:
    // The text to cut lines at: the first of space, comma, the user's own
    // text and tab whose option is selected; nullopt for "Do not format".
    std::optional<QString> splitText() const;
    // The encoding chosen for files without a mark; nullopt for "Automatic".
    std::optional<ChosenEncoding> encoding() const;

signals:
    // An option changed, however: what a file gives changes with it.
    void changed();

public:
    // The format frame is this much taller than the options alone need, for
    // the quotes box and the encoding under them.
    static constexpr int FormatFrameGrowth = 2200; // twips
    // The frame of lines and headers under it.
    static constexpr int LinesFrameHeight = 2060;
    // The import frame is this much taller, for the sheets named as listed.
    static constexpr int ImportFrameGrowth = 330;

private:
    void buildControls(QWidget *form);
    void buildEncodingBox();
    void buildNumbersAndDates();
    QCheckBox *addSettingBox(const QString &caption, const QString &name, int top, const SettingKey &key);
    void buildOptionButtons();
    void buildSeparatorBoxes();
    void buildLinesFrame(QWidget *frames);
    void fitCaptions();
    void saveGroupOf(int number);
    void saveFormatGroup();
    void saveSheetGroup();
    void clearOption(int number);
    void save(const SettingKey &key, const QString &value);

    SettingsStore &m_settings;
    QScrollArea *m_area = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QCheckBox *m_quotes = nullptr;
    QComboBox *m_encoding = nullptr;
    QCheckBox *m_numbers = nullptr;
    QComboBox *m_decimalSign = nullptr;
    QCheckBox *m_dates = nullptr;
    QGroupBox *m_frame3 = nullptr;
    QSpinBox *m_skipLines = nullptr;
    QCheckBox *m_header = nullptr;
    QCheckBox *m_fileColumn = nullptr;
    QCheckBox *m_continueSheets = nullptr;
    QCheckBox *m_reportSheet = nullptr;
    QCheckBox *m_sheetsAsListed = nullptr;
    std::array<QRadioButton *, 9> m_options{}; // indexed by option number; [0] unused
};

// How the file at path is read, in the one place that says it: the
// options, and before them what the list keeps for the file itself (its own
// encoding and separator).
ReadOptions readOptionsOf(const OptionsPanel &options, const FileListModel &list, const QString &path);

} // namespace quillora
