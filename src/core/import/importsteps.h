// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/filestager.h"
#include "core/import/sheetwriter.h"

#include <QStringView>

#include <array>
#include <span>

// The line numbers each mode of the run reports its steps with: a report
// names the step that failed, as the users who send them know them.
namespace quillora {

struct DefaultSheet
{
    QStringView name;
    int test, remove;
};

// The line numbers each mode reports its steps with.
struct ImportSteps
{
    int path, value;                  // starting one file
    FileStager::Steps staging;        // staging it
    SheetWriter::Steps writing;       // writing one sheet
    std::span<const DefaultSheet> defaults; // removed at the end
};

inline constexpr std::array<DefaultSheet, 2> OneSheetDefaults{{{u"Sheet2", 192, 194}, {u"Sheet3", 196, 198}}};
inline constexpr std::array<DefaultSheet, 3> SeparateDefaults{
    {{u"Sheet1", 290, 292}, {u"Sheet2", 294, 296}, {u"Sheet3", 298, 300}}};

inline constexpr ImportSteps OneSheetSteps{
    .path = 120,
    .value = 122,
    .staging = {.read = 128, .pieces = 130, .splitTest = 140, .write = 156},
    .writing = {.readBack = 170, .progress = 178, .writeCells = 184},
    .defaults = OneSheetDefaults,
};
inline constexpr ImportSteps SeparateSteps{
    .path = 210,
    .value = 212,
    .staging = {.read = 222, .pieces = 224, .splitTest = 234, .write = 250},
    .writing = {.readBack = 264, .progress = 272, .writeCells = 278},
    .defaults = SeparateDefaults,
};

} // namespace quillora
