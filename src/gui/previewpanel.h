// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/filepreview.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace quillora {

class ColumnKindChoices;
class HeaderRenames;
class PreviewModel;

// What a listed file gives, before it is imported: its encoding, line ends
// and size, a separator hint, and its first rows as they will land, with
// every option applied. The file is read off the window's thread, never
// more than its start, and the panel follows within moments of a change.
class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    PreviewPanel(QWidget *parent, std::function<ReadOptions(const QString &path)> options);
    ~PreviewPanel() override;

    // The file to show (empty: none), and the encoding and separator chosen
    // for it alone (empty, nullopt: as the options say); read again however
    // often this is called.
    void showFile(const QString &path, const QByteArray &ownEncoding = {},
                  const std::optional<QString> &ownSeparator = {});

    // The width the window was designed with; it takes whatever more room
    // the window has.
    void setDesignedWidth(int width);
    QSize sizeHint() const override;

    QTableView *table() const { return m_table; }
    QLabel *infoLine() const { return m_info; }
    QPushButton *hintButton() const { return m_hintButton; }
    QComboBox *fileEncodingBox() const { return m_fileEncoding; }
    QComboBox *fileSeparatorBox() const { return m_fileSeparator; }
    // Under the table: the columns the listed files' headers make, and how
    // they drift (shown while the header option is on).
    QLabel *headerPlanLine() const { return m_headerPlan; }
    // The files listed, whose headers the line speaks of.
    void setListedFiles(std::function<QStringList()> listed) { m_listed = std::move(listed); }
    // Under the line, with it: renames of its columns, which it heeds.
    void setRenames(HeaderRenames *renames);
    // The kinds chosen for columns, which its rows heed and its header
    // offers to choose.
    void setColumnKinds(ColumnKindChoices *kinds);
    QList<QWidget *> controlsInReadingOrder() const;

signals:
    // The user chose an encoding for the file shown alone (empty: as the
    // options say).
    void fileEncodingChosen(const QString &path, const QByteArray &encoding);
    // The user chose where the file shown alone is cut, or took the hint
    // (nullopt: as the options say).
    void fileSeparatorChosen(const QString &path, const std::optional<QString> &separator);
    // The file's start was found cut at its own separator, said for the
    // list's tool tip ("Separated by semicolons, found in its start";
    // empty: at none).
    void separatorFound(const QString &path, const QString &sentence);
    // A preview (or the reason there is none) is on screen.
    void shown();
    // The line of the listed files' headers is on screen.
    void headerPlanShown();

private:
    void start();
    void buildFileChoices();
    void layOut();
    void display(const FilePreview &preview, qsizetype generation);
    void showRows(const FilePreview &preview);
    void planHeaders();
    void showHeaderPlan(const HeaderPlan &plan, qsizetype generation);
    void hideHeaderPlan();
    void offerKinds(int section, const QPoint &at);

    std::function<ReadOptions(const QString &path)> m_options;
    QLabel *m_info;
    QComboBox *m_fileEncoding;
    QComboBox *m_fileSeparator;
    QLabel *m_hint;
    QPushButton *m_hintButton;
    PreviewModel *m_model;
    QTableView *m_table;
    QLabel *m_headerPlan;
    HeaderRenames *m_renames = nullptr;
    ColumnKindChoices *m_columnKinds = nullptr;
    QStringList m_columnNames; // of the columns shown, by header; empty without one
    qsizetype m_textColumns = 0; // the file column before them
    std::function<QStringList()> m_listed;
    bool m_planning = false;
    bool m_planAgain = false;
    QTimer *m_settle;
    QString m_path;
    QString m_hintSeparator;
    int m_designedWidth = 0;
    qsizetype m_generation = 0; // a result of an older request is dropped
    bool m_reading = false;
    bool m_again = false;
};

} // namespace quillora
