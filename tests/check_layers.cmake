# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the layers are crossed: the core includes a widget or GUI header
# or anything from the layers above or beside it, the window or the command
# line includes the bridge (which is loaded at run time), the command line
# includes the window or GUI headers, the document writer includes anything
# but the core (or a GUI header), or the core links more of Qt than Qt Core.
#   cmake -DSOURCE_DIR=src -DCORE_LINKS=a|b -DQT_UI_INCLUDE_DIRS=x|y -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var SOURCE_DIR CORE_LINKS QT_UI_INCLUDE_DIRS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check_layers: ${var} is not set")
    endif()
endforeach()

# Every header name of Qt's GUI and Widgets modules (QWidget, QPixmap, ...).
string(REPLACE "|" ";" ui_dirs "${QT_UI_INCLUDE_DIRS}")
set(ui_headers)
foreach(dir IN LISTS ui_dirs)
    get_filename_component(module "${dir}" NAME)
    file(GLOB names RELATIVE "${dir}" "${dir}/Q*")
    list(APPEND ui_headers ${names})
    list(APPEND ui_modules ${module})
endforeach()
list(LENGTH ui_headers count)
if(count LESS 100)
    message(FATAL_ERROR "check_layers: found only ${count} Qt GUI header names in ${QT_UI_INCLUDE_DIRS}")
endif()

set(broken)
function(check_folder folder forbidden_pattern check_ui)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    if(NOT files)
        message(FATAL_ERROR "check_layers: no sources under ${SOURCE_DIR}/${folder}")
    endif()
    foreach(file IN LISTS files)
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" name "${line}")
            set(bad FALSE)
            if(name MATCHES "${forbidden_pattern}")
                set(bad TRUE)
            elseif(check_ui)
                string(REGEX REPLACE "^.*/" "" leaf "${name}")
                string(REGEX REPLACE "/.*" "" module "${name}")
                if(leaf IN_LIST ui_headers OR (name MATCHES "/" AND module IN_LIST ui_modules))
                    set(bad TRUE)
                endif()
            endif()
            if(bad)
                file(RELATIVE_PATH where "${SOURCE_DIR}" "${file}")
                list(APPEND broken "${where}: ${line}")
            endif()
        endforeach()
    endforeach()
    set(broken "${broken}" PARENT_SCOPE)
endfunction()

check_folder(core "^(gui|libreoffice|cli|writer)/" TRUE)
check_folder(gui "^(libreoffice|cli|writer)/" FALSE)
# The document writer is a spreadsheet beneath the front ends, as the bridge is.
check_folder(writer "^(gui|libreoffice|cli)/" TRUE)
# The command line runs without a display: no widgets, no GUI.
check_folder(cli "^(gui|libreoffice)/" TRUE)

string(REPLACE "|" ";" core_links "${CORE_LINKS}")
foreach(library IN LISTS core_links)
    if(library MATCHES "Widgets|Qt6?::Gui|Qt6?Gui")
        list(APPEND broken "quillora_core links ${library}")
    endif()
endforeach()

if(broken)
    list(JOIN broken "\n  " text)
    message(FATAL_ERROR "The layers are crossed:\n  ${text}")
endif()
message(STATUS "Layers kept.")
