// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <QWidget>

class QBoxLayout;

namespace quillora {

// The window's four parts, arranged for the room the window has. Wide (a
// laptop's screen and up): the list with its buttons over the preview on
// the left, the options in a column of their own on the right with "Start
// Importing" and the bar under them, every option in view. Narrow (800x600):
// the options under the list, scrolled, with Start and the bar under them,
// and the preview right of that column. Start and the bar never scroll, and
// nothing widens the window past what it was given.
class WindowArrangement : public QWidget
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *list = nullptr;    // the list, Move Up and Down, the list's buttons
        QWidget *preview = nullptr; // grows with the window
        QScrollArea *options = nullptr; // scrolls where the window is too low
        QWidget *start = nullptr;   // Start Importing and the bar
    };

    WindowArrangement(const Parts &parts, int margin, QWidget *parent);

    bool isWide() const { return m_wide; }
    // The least width at which the options stand in a column of their own.
    int wideFrom() const;
    // Wide, every part at its own size.
    QSize sizeHint() const override;
    // Narrow, every part at its least.
    QSize minimumSizeHint() const override;

signals:
    // The parts stand anew: what Tab follows changes with them.
    void arranged();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void arrange(bool wide);
    QBoxLayout *column(std::initializer_list<std::pair<QWidget *, int>> parts);
    // The options' width with their scroll bar, shown or not: the same
    // whether they scroll or not, so that the arrangement does not flip.
    int optionsWidth() const;

    Parts m_parts;
    int m_margin;
    bool m_wide = false;
    bool m_arranged = false;
};

// The arrangement, scrolled as a whole only on a screen smaller than it can
// be (1024x600 at 150%). It is as large as the window, never smaller than
// its least: the wrapped lines of its parts share the height it has, rather
// than grow it.
class WindowPage : public QScrollArea
{
    Q_OBJECT

public:
    WindowPage(WindowArrangement *arrangement, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace quillora
