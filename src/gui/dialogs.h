// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quillora {

// Every modal dialog of the program goes through this seam, so that tests can
// answer them without a person.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // OK box without icon, captioned with the application title.
    virtual void notice(const QString &text) = 0;
    // OK box with the warning icon and a caption of its own.
    virtual void warning(const QString &title, const QString &text) = 0;
    // Yes/No box without icon, captioned with the application title; true on Yes.
    virtual bool question(const QString &text) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &defaultText) = 0;
    // Multi-selection open dialog; the chosen paths in the dialog's order.
    // Opens in startFolder.
    virtual QStringList openFiles(const QString &title, const QStringList &filters, const QString &startFolder) = 0;
    // Folder browser; empty when cancelled.
    virtual QString pickFolder(const QString &title, const QString &startFolder) = 0;
    // Save dialog, asking before it replaces a file; empty when cancelled.
    virtual QString saveFile(const QString &title, const QStringList &filters, const QString &suggested) = 0;
};

// The real dialogs, parented to the main window once it exists.
class WidgetDialogs : public Dialogs
{
public:
    explicit WidgetDialogs(QString applicationTitle);

    void setParentWindow(QWidget *parent) { m_parent = parent; }

    void notice(const QString &text) override;
    void warning(const QString &title, const QString &text) override;
    bool question(const QString &text) override;
    std::optional<QString> input(const QString &prompt, const QString &defaultText) override;
    QStringList openFiles(const QString &title, const QStringList &filters, const QString &startFolder) override;
    QString pickFolder(const QString &title, const QString &startFolder) override;
    QString saveFile(const QString &title, const QStringList &filters, const QString &suggested) override;

    // Message texts use CR LF and lone CRs for their breaks; a Qt label
    // breaks lines at LF only.
    static QString displayText(QString text);

private:
    QString m_title;
    QWidget *m_parent = nullptr;
};

} // namespace quillora
