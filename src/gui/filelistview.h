// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTreeView>

namespace quillora {

// The file list's view: while the list is empty it says what to do, in the
// list itself, where files are dropped.
class FileListView : public QTreeView
{
    Q_OBJECT

public:
    using QTreeView::QTreeView;

    // The size the window was designed with: the list is never lower, and
    // takes whatever more room the window has.
    void setDesignedSize(QSize size);
    QSize designedSize() const { return m_designed; }
    QSize sizeHint() const override;

    void setPlaceholderText(const QString &text);
    QString placeholderText() const { return m_placeholder; }
    // Whether the placeholder is shown: the list is empty.
    bool showsPlaceholder() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_placeholder;
    QSize m_designed;
};

} // namespace quillora
