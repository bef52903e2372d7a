# Writes the launcher CUADRIX_LAUNCHER from es.cuadrix.Cuadrix.desktop.in, run at install time when the program's
# path CUADRIX_PROGRAM is known. The path is one quoted argument of Exec: inside the quotes a '"', '`', '$' and '\'
# take a backslash and a '%' is doubled; then, Exec being a string value, every backslash is doubled again and a
# newline, tab or carriage return becomes its escape. Any folder name then gives a launcher that starts the program.
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
cmake_path(NORMAL_PATH CUADRIX_PROGRAM)
string(REPLACE "\\" "\\\\" exec "${CUADRIX_PROGRAM}")
foreach(reserved "\"" "`" "$")
  string(REPLACE "${reserved}" "\\${reserved}" exec "${exec}")
endforeach()
string(REPLACE "%" "%%" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\n" "\\n" exec "${exec}")
string(REPLACE "\t" "\\t" exec "${exec}")
string(REPLACE "\r" "\\r" exec "${exec}")
set(CUADRIX_EXEC "\"${exec}\"")
# GLib-based desktops look for the program Exec names first without turning "%%" back into "%", and drop a launcher
# whose program they cannot find: with a '%' in the path, env is named first and given the program to start.
if(CUADRIX_PROGRAM MATCHES "%")
  set(CUADRIX_EXEC "/usr/bin/env ${CUADRIX_EXEC}")
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/es.cuadrix.Cuadrix.desktop.in" "${CUADRIX_LAUNCHER}" @ONLY)
