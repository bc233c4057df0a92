# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder, or scripts/build-deb.sh.
set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "Marrowind")
set(CPACK_PACKAGE_CONTACT "Quillora support <support@quillora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Load many text files into a LibreOffice Calc spreadsheet in one go")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillora lists plain-text files (by file dialog, folder and extension, or drag and\n"
    "drop), puts them in order and writes every line into a row of a new Calc document,\n"
    "on one sheet or a sheet per file, whole or cut into cells at a space, comma, tab or\n"
    "separator of your own, every cell as text.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quillora.example/")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL quillora)
set(CPACK_DEB_COMPONENT_INSTALL OFF)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION office)
# The libraries that linking shows (Qt, and LibreOffice's UNO libraries,
# which live in LibreOffice's program folder)...
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${LIBREOFFICE_PROGRAM_DIR})
# ...and what it cannot see: Calc itself, started at run time, and Qt's
# platform plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libreoffice-calc, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
