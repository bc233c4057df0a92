// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/optionspanel.h"

#include "core/failure.h"
#include "core/list/filelistmodel.h"
#include "core/reading/optionwords.h"
#include "core/text/separators.h"
#include "gui/caption.h"
#include "gui/optiontable.h"
#include "gui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

Q_LOGGING_CATEGORY(lcOptions, "quillora.options")

namespace {
// The frames at their designed sizes, one under the other. Where the window
// is too low for them they scroll; the bar then stands beside them rather
// than over the options' captions, and a control reached by the keyboard is
// scrolled into view.
class OptionsArea : public QScrollArea
{
public:
    explicit OptionsArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // Taller, it shows more of the options: it shares the height
        // beyond its own with the list.
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        // The window's surface shows through around the frames.
        viewport()->setAutoFillBackground(false);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now && widget() && widget()->isAncestorOf(now))
                ensureWidgetVisible(now);
        });
    }

    QSize sizeHint() const override { return widget()->sizeHint() + QSize(barWidth(), 0); }
    QSize minimumSizeHint() const override { return {sizeHint().width(), MinimumVisibleHeight}; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        const bool barBefore = m_barShown;
        m_barShown = height() < widget()->sizeHint().height();
        QScrollArea::resizeEvent(event);
        if (m_barShown != barBefore)
            updateGeometry();
    }

private:
    // The import frame and a little more show at the window's smallest.
    static constexpr int MinimumVisibleHeight = 120;

    int barWidth() const { return m_barShown ? verticalScrollBar()->sizeHint().width() : 0; }

    bool m_barShown = false;
};
} // namespace

OptionsPanel::OptionsPanel(QWidget *form, SettingsStore &settings)
    : QObject(form)
    , m_settings(settings)
{
    buildControls(form);
}

void OptionsPanel::buildControls(QWidget *form)
{
    m_area = new OptionsArea(form);
    m_area->setObjectName(u"OptionsArea"_s);
    auto *frames = new QWidget;
    frames->setObjectName(u"OptionFrames"_s);
    m_frame2 = new QGroupBox(tr("Import Options"), frames);
    m_frame2->setObjectName(u"Frame2"_s);
    m_frame2->setFixedSize(twipsRect(0, 0, 7800, 1095 + ImportFrameGrowth).size());
    m_frame1 = new QGroupBox(tr("Format Options"), frames);
    m_frame1->setObjectName(u"Frame1"_s);
    m_frame1->setFixedSize(twipsRect(0, 0, 7800, 2175 + FormatFrameGrowth).size());

    buildOptionButtons();
    buildSeparatorBoxes();
    buildEncodingBox();
    buildNumbersAndDates();
    buildLinesFrame(frames);
    auto *layout = new QVBoxLayout(frames);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(fromTwips(60));
    layout->addWidget(m_frame2);
    layout->addWidget(m_frame1);
    layout->addWidget(m_frame3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_area->setWidget(frames);
    fitCaptions();
}

// The two groups of options, saved as they change.
void OptionsPanel::buildOptionButtons()
{
    for (const OptionSpec &spec : optionTable()) {
        QGroupBox *frame = inFormatGroup(spec.number) ? m_frame1 : m_frame2;
        auto *button = new QRadioButton(tr(spec.caption), frame);
        button->setObjectName(u"Option%1"_s.arg(spec.number));
        button->setGeometry(spec.geometry);
        m_options[static_cast<size_t>(spec.number)] = button;
    }
    option(5)->setChecked(true);
    option(1)->setChecked(true);
    // Under the option it qualifies, enabled with it; Tab reaches it (every
    // letter of its caption is another control's Alt+letter).
    m_sheetsAsListed = new QCheckBox(tr("Name each sheet after its file, in the list's order"), m_frame2);
    m_sheetsAsListed->setObjectName(u"Check7"_s);
    m_sheetsAsListed->setGeometry(twipsRect(540, 1000, 6900, 255));
    m_sheetsAsListed->setEnabled(false);
    connect(option(6), &QRadioButton::toggled, m_sheetsAsListed, &QWidget::setEnabled);
    connect(m_sheetsAsListed, &QCheckBox::toggled, this,
            [this](bool on) { save(Setting::SheetsAsListed, truthText(on)); });
    // Saved whenever a button becomes selected, however that happens: a
    // click, the keyboard, an accessibility tool or the program itself. The
    // button cleared by the change has already let go when this runs.
    for (const OptionSpec &spec : optionTable()) {
        connect(option(spec.number), &QRadioButton::toggled, this, [this, number = spec.number](bool checked) {
            if (checked)
                saveGroupOf(number);
        });
    }
}

// Beside and under the split options: the separator of one's own, and
// quoted fields.
void OptionsPanel::buildSeparatorBoxes()
{
    m_text1 = new QLineEdit(m_frame1);
    m_text1->setObjectName(u"Text1"_s);
    // Read out as the option it belongs to.
    m_text1->setAccessibleName(withoutMnemonic(tr(specOf(4).caption)));
    m_text1->setGeometry(twipsRect(5160, 1660, 1215, 330));
    // The separator is remembered as the user types it, so it comes back at
    // the next start.
    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString &text) {
        save(Setting::Text1, text);
        // Typing a separator means cutting at it.
        if (!text.isEmpty())
            selectOption(4);
    });

    // Under the split options it qualifies, in the row after the last one.
    m_quotes = new QCheckBox(tr("Keep text in double &quotes together"), m_frame1);
    m_quotes->setObjectName(u"Check1"_s);
    m_quotes->setGeometry(twipsRect(240, 2400, 5655, 255));
    // Saved however it changes: a click, the keyboard, an accessibility tool.
    connect(m_quotes, &QCheckBox::toggled, this, [this](bool checked) { save(Setting::Quotes, truthText(checked)); });
}

// A caption longer than its designed place (another language's, a larger
// font) widens its control; the field right of it moves along, and the
// three frames widen together to the widest row.
void OptionsPanel::fitCaptions()
{
    const QList<QGroupBox *> frames{m_frame2, m_frame1, m_frame3};
    QList<QWidget *> moved;
    for (QGroupBox *frame : frames) {
        for (QWidget *control : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            // A caption, or a field's longest choice ("automatic" in a spin
            // box), shows whole.
            const bool caption = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control)
                || qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QComboBox *>(control);
            control->ensurePolished();
            if (caption && control->sizeHint().width() > control->width()) {
                control->resize(control->sizeHint().width(), control->height());
                moved << control;
            }
        }
    }
    const std::initializer_list<std::pair<const char16_t *, const char16_t *>> rows{
        {u"Option4", u"Text1"}, {u"Label1", u"Combo1"}, {u"Label3", u"Combo2"}, {u"Label2", u"Spin1"}};
    const int gap = fromTwips(60);
    for (const auto &[captionName, fieldName] : rows) {
        const QWidget *caption = m_area->widget()->findChild<QWidget *>(QString::fromUtf16(captionName));
        QWidget *field = m_area->widget()->findChild<QWidget *>(QString::fromUtf16(fieldName));
        if (caption->geometry().right() + gap >= field->x()) {
            field->move(caption->geometry().right() + 1 + gap, field->y());
            moved << field;
        }
    }
    // What grew or moved keeps the frames' margin on its right.
    int width = m_frame1->width();
    for (const QWidget *control : std::as_const(moved))
        width = std::max(width, control->geometry().right() + 1 + fromTwips(240));
    for (QGroupBox *frame : frames)
        frame->setFixedWidth(width);
}

// Under the encoding: cells stored as what they are where nothing changes.
// Every letter of their captions is another control's Alt+letter already:
// Tab reaches them, after the encoding.
void OptionsPanel::buildNumbersAndDates()
{
    m_numbers = new QCheckBox(tr("Store numbers as numbers where nothing changes"), m_frame1);
    m_numbers->setObjectName(u"Check5"_s);
    m_numbers->setGeometry(twipsRect(240, 3190, 7300, 255));
    auto *label = new QLabel(tr("Decimal sign:"), m_frame1);
    label->setObjectName(u"Label3"_s);
    label->setGeometry(twipsRect(540, 3560, 1500, 255));
    m_decimalSign = new QComboBox(m_frame1);
    m_decimalSign->setObjectName(u"Combo2"_s);
    m_decimalSign->setAccessibleName(tr("Decimal sign"));
    m_decimalSign->setGeometry(twipsRect(2100, 3500, 1800, 375));
    // Shown translated, stored as the settings name them.
    for (const OptionWord<DecimalSign> &sign : DecimalSignWords)
        m_decimalSign->addItem(QCoreApplication::translate("quillora::OptionWords", sign.shown), sign.stored.toString());
    m_decimalSign->setEnabled(false);
    m_dates = new QCheckBox(tr("Store dates (2024-03-01, 31/12/2024) as dates"), m_frame1);
    m_dates->setObjectName(u"Check6"_s);
    m_dates->setGeometry(twipsRect(240, 3980, 7300, 255));
    connect(m_numbers, &QCheckBox::toggled, this, [this](bool on) {
        m_decimalSign->setEnabled(on);
        save(Setting::Numbers, truthText(on));
    });
    connect(m_decimalSign, &QComboBox::currentIndexChanged, this,
            [this] { save(Setting::DecimalSign, m_decimalSign->currentData().toString()); });
    connect(m_dates, &QCheckBox::toggled, this, [this](bool on) { save(Setting::Dates, truthText(on)); });
}

// Under the format options: what each file's first lines are.
void OptionsPanel::buildLinesFrame(QWidget *frames)
{
    m_frame3 = new QGroupBox(tr("Lines and Headers"), frames);
    m_frame3->setObjectName(u"Frame3"_s);
    m_frame3->setFixedSize(twipsRect(0, 0, 7800, LinesFrameHeight).size());
    auto *label = new QLabel(tr("Lines to s&kip at the start of each file:"), m_frame3);
    label->setObjectName(u"Label2"_s);
    label->setGeometry(twipsRect(240, 360, 4200, 255));
    m_skipLines = new QSpinBox(m_frame3);
    m_skipLines->setObjectName(u"Spin1"_s);
    m_skipLines->setAccessibleName(tr("Lines to skip at the start of each file"));
    // Below 0, "automatic": each file's rows above its table.
    m_skipLines->setRange(-1, 1000);
    m_skipLines->setSpecialValueText(tr("automatic"));
    m_skipLines->setGeometry(twipsRect(4500, 300, 1000, 375));
    label->setBuddy(m_skipLines);
    m_header = addSettingBox(tr("First line is a header: keep it once, match columns b&y name"), u"Check2"_s, 750,
                             Setting::Header);
    m_fileColumn = addSettingBox(tr("Add a column with each line's file &name"), u"Check3"_s, 1080, Setting::FileColumn);
    m_continueSheets = addSettingBox(tr("Continue on a ne&w sheet when a sheet is full"), u"Check4"_s, 1410,
                                     Setting::ContinueSheets);
    m_reportSheet = addSettingBox(tr("Add a sheet listing each file"), u"Check8"_s, 1740, Setting::ReportSheet);
    // Saved however it changes, as the other options are.
    connect(m_skipLines, &QSpinBox::valueChanged, this,
            [this](int lines) { save(Setting::SkipLines, QString::number(lines)); });
}

// A check box of the lines frame, top in twips, saved as key however it
// changes.
QCheckBox *OptionsPanel::addSettingBox(const QString &caption, const QString &name, int top, const SettingKey &key)
{
    auto *box = new QCheckBox(caption, m_frame3);
    box->setObjectName(name);
    box->setGeometry(twipsRect(240, top, 7300, 255));
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) { save(key, truthText(on)); });
    return box;
}

// The last row of the frame: a file's encoding qualifies every option above.
void OptionsPanel::buildEncodingBox()
{
    auto *label = new QLabel(tr("&Encoding:"), m_frame1);
    label->setObjectName(u"Label1"_s);
    label->setGeometry(twipsRect(240, 2810, 1000, 255));
    m_encoding = new QComboBox(m_frame1);
    m_encoding->setObjectName(u"Combo1"_s);
    m_encoding->setAccessibleName(tr("Encoding"));
    m_encoding->setGeometry(twipsRect(1260, 2750, 4635, 375));
    label->setBuddy(m_encoding);
    // Shown in the user's language, stored as "Automatic".
    m_encoding->addItem(tr("Automatic"), AutomaticEncoding.toString());
    for (const KnownEncoding &known : knownEncodings())
        m_encoding->addItem(known.label(), QString::fromLatin1(known.name));
    // Saved however the choice changes: the mouse, the keyboard, a tool.
    connect(m_encoding, &QComboBox::currentIndexChanged, this,
            [this] { save(Setting::Encoding, m_encoding->currentData().toString()); });
}

void OptionsPanel::save(const SettingKey &key, const QString &value)
{
    emit changed();
    // A store that cannot be written only costs the remembered choice.
    try {
        m_settings.SaveSetting(key, value);
    } catch (const std::exception &e) {
        qCWarning(lcOptions) << e.what();
    }
}

// The option buttons paint none of their own: a filled button would stand
// out as a box on a frame whose style shades its inside.
void OptionsPanel::setBackground(const QColor &color)
{
    for (QGroupBox *frame : {m_frame1, m_frame2, m_frame3}) {
        QPalette p = frame->palette();
        p.setColor(frame->backgroundRole(), color);
        frame->setPalette(p);
        frame->setAutoFillBackground(true);
    }
    for (int number = 1; number <= 8; ++number)
        option(number)->setAutoFillBackground(false);
    for (QCheckBox *box :
         {m_sheetsAsListed, m_quotes, m_numbers, m_dates, m_header, m_fileColumn, m_continueSheets, m_reportSheet})
        box->setAutoFillBackground(false);
}

QRadioButton *OptionsPanel::option(int number) const
{
    return m_options.at(static_cast<size_t>(number));
}

QList<QWidget *> OptionsPanel::controlsInReadingOrder() const
{
    QList<QWidget *> controls;
    for (int number : SheetGroup)
        controls << option(number);
    controls << m_sheetsAsListed;
    for (int number : FormatGroup)
        controls << option(number);
    controls << m_text1 << m_quotes << m_encoding << m_numbers << m_decimalSign << m_dates << m_skipLines << m_header
             << m_fileColumn << m_continueSheets << m_reportSheet;
    return controls;
}

SheetOptions OptionsPanel::sheetOptions() const
{
    return {.oneSheet = option(5)->isChecked(),
            .continueSheets = m_continueSheets->isChecked(),
            .sheetsAsListed = option(6)->isChecked() && m_sheetsAsListed->isChecked(),
            .reportSheet = m_reportSheet->isChecked()};
}

ReadOptions OptionsPanel::readOptions() const
{
    return {.cut = option(8)->isChecked() ? Cutting::ownSeparator() : Cutting::at(splitText()),
            .quotes = m_quotes->isChecked(),
            .encoding = encoding(),
            .numbers = m_numbers->isChecked()
                ? valueOfStored(DecimalSignWords, m_decimalSign->currentData().toString())
                : std::nullopt,
            .dates = m_dates->isChecked(),
            .linesToSkip = std::max(m_skipLines->value(), 0),
            .skipToTable = m_skipLines->value() < 0,
            .header = m_header->isChecked(),
            .fileColumn = m_fileColumn->isChecked() ? FileColumn::Relative : FileColumn::None};
}

std::optional<QString> OptionsPanel::splitText() const
{
    if (option(4)->isChecked())
        return m_text1->text();
    for (const Separator &separator : namedSeparators()) {
        if (separator.windowOption != 0 && option(separator.windowOption)->isChecked())
            return separator.text.toString();
    }
    return std::nullopt;
}

std::optional<ChosenEncoding> OptionsPanel::encoding() const
{
    const QString name = m_encoding->currentData().toString();
    if (name == AutomaticEncoding)
        return std::nullopt;
    return encodingNamed(name.toLatin1());
}

ReadOptions readOptionsOf(const OptionsPanel &options, const FileListModel &list, const QString &path)
{
    ReadOptions read = options.readOptions();
    if (const auto own = list.encodingOf(path))
        read.encoding = own;
    if (const auto own = list.separatorOf(path))
        read.cut = Cutting::at(own);
    return read;
}

} // namespace quillora
