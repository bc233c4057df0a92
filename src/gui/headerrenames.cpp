// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/headerrenames.h"

#include "core/settings.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

HeaderRenames::HeaderRenames(QWidget *parent, SettingsStore &settings)
    : QWidget(parent)
    , m_settings(settings)
    , m_renames(renamesOfSetting(settings.GetSetting(Setting::Renames)))
    , m_from(new QComboBox(this))
    , m_to(new QComboBox(this))
    , m_rename(new QPushButton(tr("Rename"), this))
    , m_line(new QLabel(this))
    , m_clear(new QPushButton(tr("Forget Renames"), this))
{
    setObjectName(u"HeaderRenames"_s);
    m_from->setObjectName(u"RenameFrom"_s);
    m_from->setAccessibleName(tr("Column to rename"));
    m_to->setObjectName(u"RenameTo"_s);
    m_to->setAccessibleName(tr("Name it counts as"));
    // Any name may be typed: a column of files not listed yet.
    m_to->setEditable(true);
    m_to->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: the names it may mean are offered in a
    // list under it, never written into it, and "Amount" is not "amount".
    m_to->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_to->completer()->setCaseSensitivity(Qt::CaseSensitive);
    for (QComboBox *box : {m_from, m_to}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    m_rename->setObjectName(u"RenameButton"_s);
    m_rename->setToolTip(tr("Cells of the first column go under the second, in every file listed."));
    m_line->setObjectName(u"RenamesLine"_s);
    m_line->setWordWrap(true);
    // Long names are cut rather than widen the window; the tool tip has them.
    m_line->setMinimumWidth(60);
    m_line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_clear->setObjectName(u"ForgetRenames"_s);
    // Every letter has its control already: Tab reaches these, and their
    // names tell a screen reader what they are.
    auto *fromLabel = new QLabel(tr("Column:"), this);
    auto *toLabel = new QLabel(tr("counts as:"), this);
    // A caption over its field where the preview is narrow.
    auto *choose = new QFormLayout;
    choose->setRowWrapPolicy(QFormLayout::WrapLongRows);
    choose->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    choose->addRow(fromLabel, m_from);
    auto *toRow = new QHBoxLayout;
    toRow->addWidget(m_to, 1);
    toRow->addWidget(m_rename);
    choose->addRow(toLabel, toRow);
    auto *renamedRow = new QHBoxLayout;
    renamedRow->addWidget(m_line, 1);
    renamedRow->addWidget(m_clear);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choose);
    layout->addLayout(renamedRow);
    connect(m_rename, &QPushButton::clicked, this, &HeaderRenames::addRename);
    // The box passes Enter on to its line once more: an emptied line has
    // nothing to say.
    connect(m_to->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (!m_to->currentText().isEmpty())
            addRename();
    });
    connect(m_clear, &QPushButton::clicked, this, &HeaderRenames::clearRenames);
    showRenames();
}

QList<QWidget *> HeaderRenames::controlsInReadingOrder() const
{
    return {m_from, m_to, m_rename, m_clear};
}

void HeaderRenames::setColumns(const QStringList &columns)
{
    const QString from = m_from->currentText();
    const QString to = m_to->currentText();
    m_from->clear();
    m_from->addItems(columns);
    m_from->setCurrentIndex(std::max(0, m_from->findText(from)));
    m_to->clear();
    m_to->addItems(columns);
    m_to->setEditText(to);
    m_rename->setEnabled(!columns.isEmpty());
}

void HeaderRenames::addRename()
{
    const QString from = m_from->currentText();
    const QString to = m_to->currentText().trimmed();
    if (from.isEmpty())
        return;
    // Said where the renames stand, until the next rename.
    if (to.isEmpty()) {
        m_line->setText(tr("Type the name the column counts as."));
        return;
    }
    if (from == to) {
        m_line->setText(tr("\"%1\" is the column's own name: type another.").arg(from));
        return;
    }
    // A column counts as one name: a later choice for it replaces the first.
    m_renames.removeIf([&](const Rename &rename) { return rename.first == from; });
    m_renames.append({from, to});
    m_to->setEditText(QString());
    keep();
}

void HeaderRenames::clearRenames()
{
    m_renames.clear();
    keep();
}

void HeaderRenames::keep()
{
    m_settings.SaveSetting(Setting::Renames, settingOfRenames(m_renames));
    showRenames();
    emit changed();
}

void HeaderRenames::showRenames()
{
    QStringList shown;
    for (const auto &[from, to] : m_renames)
        //: a rename in force: "client" counts as "customer"
        shown.append(tr("\"%1\" as \"%2\"").arg(from, to));
    m_line->setText(shown.isEmpty() ? tr("No column renamed.") : tr("Renamed: %1").arg(shown.join(u"; "_s)));
    m_clear->setEnabled(!m_renames.isEmpty());
}

} // namespace quillora
