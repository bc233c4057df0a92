// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillora {

namespace Product {
inline constexpr QStringView Name = u"Quillora";
inline constexpr QStringView Organisation = u"Marrowind";
// Addresses on a reserved example domain until the product has its own.
inline constexpr QStringView SupportAddress = u"support@quillora.example";
inline constexpr QStringView HomePage = u"https://quillora.example/";
inline constexpr QStringView IssuesPage = u"https://quillora.example/issues";
inline constexpr QStringView OfficeDownloadPage = u"https://quillora.example/get-libreoffice";
} // namespace Product

// The application title: the name without its last word, repeated while it is
// longer than 40 characters. A name without a space is kept whole.
QString SetAppTitle(QStringView productName);

// One start in a hundred opens the home page: r is a uniform draw from [0, 1).
bool shouldOpenHomePage(double r);

// True when the modification time of the path can be read (files and folders).
bool PathExists(const QString &path);

} // namespace quillora
