// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/renames.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillora {

class SettingsStore;

// Under the header plan: a column of the listed files counts as another
// ("client" is "customer"), as --rename makes it; the renames in force, and
// a way to drop them. Kept in the setting "Renames".
class HeaderRenames : public QWidget
{
    Q_OBJECT

public:
    HeaderRenames(QWidget *parent, SettingsStore &settings);

    // The columns the listed files make now: a rename's choices.
    void setColumns(const QStringList &columns);
    const QList<Rename> &renames() const { return m_renames; }

    QComboBox *fromBox() const { return m_from; }
    QComboBox *toBox() const { return m_to; }
    QPushButton *renameButton() const { return m_rename; }
    QPushButton *clearButton() const { return m_clear; }
    QLabel *renamesLine() const { return m_line; }
    QList<QWidget *> controlsInReadingOrder() const;

signals:
    // The renames changed: the plan and the import change with them.
    void changed();

private:
    void addRename();
    void clearRenames();
    void showRenames();
    void keep();

    SettingsStore &m_settings;
    QList<Rename> m_renames;
    QComboBox *m_from;
    QComboBox *m_to;
    QPushButton *m_rename;
    QLabel *m_line;
    QPushButton *m_clear;
};

} // namespace quillora
