// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/dialogs.h"

#include <QQueue>
#include <QStringList>

namespace quillora::test {

// Answers every dialog from queued answers and records what was shown.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind; // "notice", "warning", "question", "input", "openFiles", "pickFolder", "saveFile"
        QString title;
        QString text;
    };

    QList<Shown> shown;
    QQueue<bool> questionAnswers;
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<QStringList> openFilesAnswers;
    QStringList openFilesFolders; // where each file dialog opened
    QQueue<QString> folderAnswers;
    QQueue<QString> saveAnswers;

    void notice(const QString &text) override { record(u"notice", {}, text); }
    void warning(const QString &title, const QString &text) override { record(u"warning", title, text); }
    bool question(const QString &text) override
    {
        record(u"question", {}, text);
        return questionAnswers.isEmpty() ? false : questionAnswers.dequeue();
    }
    std::optional<QString> input(const QString &prompt, const QString &defaultText) override
    {
        record(u"input", defaultText, prompt);
        return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.dequeue();
    }
    QStringList openFiles(const QString &title, const QStringList &filters, const QString &startFolder) override
    {
        record(u"openFiles", title, filters.join(u";;"));
        openFilesFolders.append(startFolder);
        return openFilesAnswers.isEmpty() ? QStringList() : openFilesAnswers.dequeue();
    }
    QString pickFolder(const QString &title, const QString &startFolder) override
    {
        record(u"pickFolder", title, startFolder);
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }

    QString saveFile(const QString &title, const QStringList &filters, const QString &suggested) override
    {
        record(u"saveFile", title, filters.join(u";;") + u' ' + suggested);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }

    QStringList texts(QStringView kind) const
    {
        QStringList result;
        for (const Shown &s : shown) {
            if (s.kind == kind)
                result.append(s.text);
        }
        return result;
    }

private:
    void record(QStringView kind, const QString &title, const QString &text)
    {
        shown.append({kind.toString(), title, text});
    }
};

} // namespace quillora::test
