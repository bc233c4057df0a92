// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QList>

namespace quillora {

// Buttons of one size, two to a row where the width holds two of them at
// their own size, else one to a row: long captions (another language's)
// take height rather than widen the window.
class ButtonRows : public QLayout
{
public:
    // Apart by spacing beside each other, by rowSpacing one under the other.
    ButtonRows(int spacing, int rowSpacing);
    ~ButtonRows() override;

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override { return int(m_items.size()); }

    // Two to a row.
    QSize sizeHint() const override;
    // One to a row, as narrow as a button.
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect &rect) override;

private:
    // The size every button asks at least.
    QSize cell() const;
    int columnsFor(int width) const;
    int heightIn(int columns) const;

    QList<QLayoutItem *> m_items;
    int m_rowSpacing;
};

} // namespace quillora
