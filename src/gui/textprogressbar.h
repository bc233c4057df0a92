// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressBar>

namespace quillora {

// A progress bar that shows its text as given: QProgressBar would read "%p"
// and friends in a file name as placeholders.
class TextProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    using QProgressBar::QProgressBar;

    void setText(const QString &text);
    QString text() const override { return m_text; }

private:
    QString m_text;
};

} // namespace quillora
