// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/columnkindchoices.h"

#include "core/settings.h"

#include <QActionGroup>
#include <QMenu>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

ColumnKindChoices::ColumnKindChoices(QObject *parent, SettingsStore &settings)
    : QObject(parent)
    , m_settings(settings)
    , m_choices(columnChoicesOfSetting(settings.GetSetting(Setting::ColumnKinds)))
{
}

QString ColumnKindChoices::kindName(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Automatic:
        return tr("As found");
    case ColumnKind::Text:
        return tr("Text");
    case ColumnKind::Number:
        return tr("Number");
    case ColumnKind::DateDmy:
        return tr("Date D/M/Y");
    case ColumnKind::DateMdy:
        return tr("Date M/D/Y");
    case ColumnKind::DateYmd:
        return tr("Date Y-M-D");
    case ColumnKind::Skip:
        return tr("Left out");
    }
    return {};
}

// A column of files without a header is chosen by its number among the
// file's columns: the preview does not show the ones left out.
ColumnChoice ColumnKindChoices::choiceFor(int section, qsizetype textColumns, const QString &name) const
{
    if (!name.isEmpty())
        return {name, 0, ColumnKind::Automatic};
    const auto leftOut = [&](int number) {
        return std::any_of(m_choices.begin(), m_choices.end(), [&](const ColumnChoice &choice) {
            return choice.number == number && choice.kind == ColumnKind::Skip;
        });
    };
    int number = 0;
    for (qsizetype shown = -1; shown < section - textColumns;) {
        ++number;
        shown += leftOut(number) ? 0 : 1;
    }
    return {{}, number, ColumnKind::Automatic};
}

QMenu *ColumnKindChoices::offer(QWidget *parent, const QPoint &at, int section, qsizetype textColumns,
                                const QString &name)
{
    if (section < textColumns)
        return nullptr;
    const ColumnChoice where = choiceFor(section, textColumns, name);
    const auto chosen = std::find_if(m_choices.begin(), m_choices.end(), [&](const ColumnChoice &choice) {
        return choice.name == where.name && choice.number == where.number;
    });
    const ColumnKind current = chosen == m_choices.end() ? ColumnKind::Automatic : chosen->kind;
    auto *menu = new QMenu(parent);
    menu->setObjectName(u"ColumnKindMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    //: %1 a column's header name or its number
    menu->setAccessibleName(tr("Kind of column %1").arg(name.isEmpty() ? QString::number(where.number) : name));
    auto *group = new QActionGroup(menu);
    static constexpr std::array Kinds{ColumnKind::Automatic, ColumnKind::Text,    ColumnKind::Number, ColumnKind::DateDmy,
                                      ColumnKind::DateMdy,   ColumnKind::DateYmd, ColumnKind::Skip};
    for (const ColumnKind kind : Kinds) {
        QAction *action = menu->addAction(kindName(kind));
        action->setCheckable(true);
        action->setChecked(kind == current);
        action->setData(int(kind));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, where, kind] { choose(where, kind); });
    }
    menu->popup(at);
    return menu;
}

QString ColumnKindChoices::shown() const
{
    QStringList each;
    for (const ColumnChoice &choice : m_choices) {
        //: a column of files without a header, by its number
        const QString column = choice.name.isEmpty() ? tr("column %1").arg(choice.number) : choice.name;
        each.append(column + u": " + kindName(choice.kind));
    }
    return each.isEmpty() ? QString() : tr("Kinds chosen: %1").arg(each.join(u"; "));
}

void ColumnKindChoices::choose(const ColumnChoice &where, ColumnKind kind)
{
    m_choices.removeIf([&](const ColumnChoice &choice) { return choice.name == where.name && choice.number == where.number; });
    if (kind != ColumnKind::Automatic)
        m_choices.append({where.name, where.number, kind});
    m_settings.SaveSetting(Setting::ColumnKinds, settingOfColumnChoices(m_choices));
    emit changed();
}

} // namespace quillora
