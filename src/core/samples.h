// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillora {

class SettingsStore;

// The key the sample snapshot is scrambled with.
inline constexpr QStringView ScrambleKey = u"inkwells";

// Scrambling of the stored snapshot: each UTF-8 byte c of the text (1 to
// 255) becomes c + k, wrapped past 255, k the code of the next key letter,
// the key used again from its first letter when it runs out. The result
// holds one character per byte, so a path with any character survives, and
// a text of any length works.
QString ScrambleText(const QString &text, QStringView key);
QString UnscrambleText(const QString &text, QStringView key);

// The folder that holds the sample files: "Samples" beside the program (in
// the build tree), else the installed data folder's.
QString sampleFolder(const QString &programFolder);

// Records the sample files there are now: their full paths in the folder's
// order, joined with "|", scrambled, stored as "Snapshot".
void TakeSampleSnapshot(SettingsStore &settings, const QString &samples);

// The recorded sample paths; none when nothing was recorded.
QStringList recordedSamples(const SettingsStore &settings);

} // namespace quillora
