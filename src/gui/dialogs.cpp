// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace quillora {

namespace {
QMessageBox::StandardButton showBox(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, WidgetDialogs::displayText(text), buttons, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

WidgetDialogs::WidgetDialogs(QString applicationTitle)
    : m_title(std::move(applicationTitle))
{
}

QString WidgetDialogs::displayText(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    return text;
}

void WidgetDialogs::notice(const QString &text)
{
    showBox(m_parent, QMessageBox::NoIcon, m_title, text, QMessageBox::Ok);
}

void WidgetDialogs::warning(const QString &title, const QString &text)
{
    showBox(m_parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

bool WidgetDialogs::question(const QString &text)
{
    return showBox(m_parent, QMessageBox::NoIcon, m_title, text, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> WidgetDialogs::input(const QString &prompt, const QString &defaultText)
{
    bool accepted = false;
    QString answer = QInputDialog::getText(m_parent, m_title, displayText(prompt), QLineEdit::Normal,
                                           defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

QStringList WidgetDialogs::openFiles(const QString &title, const QStringList &filters, const QString &startFolder)
{
    return QFileDialog::getOpenFileNames(m_parent, title, startFolder, filters.join(u";;"_s));
}

QString WidgetDialogs::pickFolder(const QString &title, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, startFolder);
}

QString WidgetDialogs::saveFile(const QString &title, const QStringList &filters, const QString &suggested)
{
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filters.join(u";;"_s));
}

} // namespace quillora
