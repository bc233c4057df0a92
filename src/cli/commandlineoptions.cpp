// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commandlineoptions.h"

namespace quillora {

const CommandLineOptionTable &cliOptions()
{
    static const CommandLineOptionTable all;
    return all;
}

QList<QCommandLineOption> importOptions()
{
    const CommandLineOptionTable &o = cliOptions();
    return {o.output, o.sheetPerFile, o.sheetsAsListed, o.split, o.separator, o.quotes, o.extension, o.encoding,
            o.listEncodings, o.skipLines, o.header, o.rename, o.numbers, o.dates, o.column, o.fileColumn, o.continueSheets,
            o.reportSheet, o.report, o.dryRun, o.window, o.force, o.quiet};
}

} // namespace quillora
