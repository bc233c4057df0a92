// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/columnchoices.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QMenu;
class QWidget;

namespace quillora {

class SettingsStore;

// The kinds the user chose for columns in the preview's header, as
// --column chooses them: by the column's header name where the files have
// headers, else by its number. Kept in the setting "ColumnKinds".
class ColumnKindChoices : public QObject
{
    Q_OBJECT

public:
    ColumnKindChoices(QObject *parent, SettingsStore &settings);

    const QList<ColumnChoice> &choices() const { return m_choices; }
    // The choices as the header plan tells them ("Kinds chosen: when: Date
    // D/M/Y; column 3: Left out"); empty for none.
    QString shown() const;
    // A kind as the window names it ("Date D/M/Y"); Automatic: as found.
    static QString kindName(ColumnKind kind);

    // Offers the kinds for the preview's column at `section` (past
    // `textColumns` file columns), named `name` where the files have
    // headers, in a menu that pops up at `at` (global). The menu is the
    // caller's child and goes when closed.
    QMenu *offer(QWidget *parent, const QPoint &at, int section, qsizetype textColumns, const QString &name);

signals:
    // A choice changed: the preview and the import change with it.
    void changed();

private:
    ColumnChoice choiceFor(int section, qsizetype textColumns, const QString &name) const;
    void choose(const ColumnChoice &where, ColumnKind kind);

    SettingsStore &m_settings;
    QList<ColumnChoice> m_choices;
};

} // namespace quillora
