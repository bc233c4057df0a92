# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the compiler policy; every target of the project links it.
add_library(quillora_policy INTERFACE)
target_compile_features(quillora_policy INTERFACE cxx_std_20)
set_target_properties(quillora_policy PROPERTIES INTERFACE_CXX_EXTENSIONS OFF)
target_compile_options(quillora_policy INTERFACE -Wall -Wextra)
target_compile_definitions(quillora_policy INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
)
