// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/import/spreadsheet.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/RuntimeException.hpp>
#include <rtl/ustring.hxx>

#include <QString>

#include <atomic>
#include <memory>

namespace quillora::lo {

using rtl::OUString;

inline QString toQString(const OUString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getStr()), text.getLength());
}

inline OUString toOUString(QStringView text)
{
    return OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), static_cast<sal_Int32>(text.size()));
}

// Whether the connection to LibreOffice still lives; set false by the bridge
// when LibreOffice goes away.
using AliveFlag = std::shared_ptr<std::atomic<bool>>;

[[noreturn]] void throwLost();
[[noreturn]] void throwFailure(const css::uno::Exception &e, const AliveFlag &alive);

// Runs f, turning UNO's exceptions into Quillora's own at this one boundary:
// a dead connection becomes SpreadsheetLost, anything else a Failure that
// carries LibreOffice's message.
template <class F>
auto translated(const AliveFlag &alive, F &&f) -> decltype(f())
{
    try {
        return f();
    } catch (const css::lang::DisposedException &) {
        throwLost();
    } catch (const css::uno::Exception &e) {
        throwFailure(e, alive);
    }
}

} // namespace quillora::lo
