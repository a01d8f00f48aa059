# Run by `cmake --install` after the files are copied: writes the desktop's menu entry and
# the uninstall list, then runs the install step of kvx in the program folder. The
# settings come from the install(CODE) just before this script (install/CMakeLists.txt).

set(kvx_prefix "${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH kvx_prefix NORMALIZE)
string(REGEX REPLACE "(.)/$" "\\1" kvx_prefix "${kvx_prefix}")
if(kvx_prefix MATCHES "[\n\r;]")
  message(FATAL_ERROR "The install prefix holds a line break or a semicolon: ${kvx_prefix}")
endif()
set(kvx_folder "${kvx_prefix}/${KVX_INSTALL_FOLDER}")  # where the program will run
set(kvx_dest "$ENV{DESTDIR}${kvx_folder}")              # where the files are now
# The two files made here are written to a folder of this install's own first, so that
# installs run at the same time from one build do not mix them up.
string(RANDOM LENGTH 12 kvx_random)
set(kvx_stage "${KVX_STAGE_DIR}/install-${kvx_random}")

# A value of the desktop entry: backslashes doubled.
function(kvx_desktop_string value out)
  string(REPLACE "\\" "\\\\" value "${value}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The Exec value for one program path: quoted when it holds a character the entry format
# reserves, with the characters that stay special inside quotes escaped.
function(kvx_desktop_exec path out)
  string(REPLACE "%" "%%" arg "${path}")
  if(arg MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" arg "${arg}")
    string(REPLACE "\"" "\\\"" arg "${arg}")
    string(REPLACE "`" "\\`" arg "${arg}")
    string(REPLACE "$" "\\$" arg "${arg}")
    set(arg "\"${arg}\"")
  endif()
  kvx_desktop_string("${arg}" arg)
  set(${out} "${arg}" PARENT_SCOPE)
endfunction()

# The menu entry.
kvx_desktop_exec("${kvx_folder}/kvx" kvx_exec)
kvx_desktop_string("${kvx_folder}/kvx" kvx_try)
kvx_desktop_string("${kvx_prefix}/${KVX_DESKTOP_ICON}" kvx_icon)
get_filename_component(kvx_entry_dir "${KVX_DESKTOP_ENTRY}" DIRECTORY)
get_filename_component(kvx_entry_name "${KVX_DESKTOP_ENTRY}" NAME)
file(WRITE "${kvx_stage}/${kvx_entry_name}"
     "[Desktop Entry]\n"
     "Type=Application\n"
     "Version=1.5\n"
     "Name=Corvanta\n"
     "GenericName=Small business guide\n"
     "Comment=The Opusgrand guide book for your company and state, with tax consultations\n"
     "Exec=${kvx_exec}\n"
     "TryExec=${kvx_try}\n"
     "Icon=${kvx_icon}\n"
     "Terminal=false\n"
     "Categories=Office;\n")
file(INSTALL DESTINATION "${kvx_prefix}/${kvx_entry_dir}" TYPE FILE
     FILES "${kvx_stage}/${kvx_entry_name}")

# The uninstall list: every file installed so far, the program folder's by their names in
# it, the two under share/ as "prefix:" and their place.
set(kvx_lines "${KVX_LIST_HEADER}"
    "# Installed into ${kvx_folder}, removed by ${KVX_INSTALL_FOLDER}/unins000.")
set(kvx_installed ${CMAKE_INSTALL_MANIFEST_FILES})
list(REMOVE_DUPLICATES kvx_installed)
string(LENGTH "${kvx_folder}/" kvx_folder_length)
string(LENGTH "$ENV{DESTDIR}" kvx_destdir_length)
foreach(file IN LISTS kvx_installed)
  # The names are recorded with or without DESTDIR, depending on the CMake release.
  if(kvx_destdir_length GREATER 0)
    string(FIND "${file}" "$ENV{DESTDIR}${kvx_prefix}/" at)
    if(at EQUAL 0)
      string(SUBSTRING "${file}" ${kvx_destdir_length} -1 file)
    endif()
  endif()
  string(FIND "${file}" "${kvx_folder}/" at)
  if(at EQUAL 0)
    string(SUBSTRING "${file}" ${kvx_folder_length} -1 name)
    list(APPEND kvx_lines "${name}")
  elseif(file STREQUAL "${kvx_prefix}/${KVX_DESKTOP_ENTRY}")
    list(APPEND kvx_lines "prefix:${KVX_DESKTOP_ENTRY}")
  elseif(file STREQUAL "${kvx_prefix}/${KVX_DESKTOP_ICON}")
    list(APPEND kvx_lines "prefix:${KVX_DESKTOP_ICON}")
  endif()
endforeach()
string(JOIN "\r\n" kvx_list ${kvx_lines})
file(WRITE "${kvx_stage}/unins000.dat" "${kvx_list}\r\n")
file(INSTALL DESTINATION "${kvx_folder}" TYPE FILE FILES "${kvx_stage}/unins000.dat")
file(REMOVE_RECURSE "${kvx_stage}")

# The install step. Its one notice is a quick message, which would open a window of the
# quick-message program; run in automation mode it is written as text instead and needs
# no answer, so an install never opens a window nor waits for anyone.
if(EXISTS "${kvx_dest}/kvx")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env KVX_SCRIPT=- "${kvx_dest}/kvx" INSTALL
    WORKING_DIRECTORY "${kvx_dest}"
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE kvx_out
    ERROR_VARIABLE kvx_err
    RESULT_VARIABLE kvx_status)
  if(NOT kvx_status EQUAL 0)
    message(FATAL_ERROR "The install step (kvx INSTALL) failed (${kvx_status}):\n${kvx_out}${kvx_err}")
  endif()
  # The hand-off file is for the quick-message program, which did not run.
  file(REMOVE "${kvx_dest}/TMP_QM.DAT")
  string(REGEX REPLACE "^== QUICK\ntext:\n  " "" kvx_notice "${kvx_out}")
  string(REGEX REPLACE "\n  (\n  )*" " " kvx_notice "${kvx_notice}")
  string(STRIP "${kvx_notice}" kvx_notice)
  message(STATUS "kvx INSTALL: ${kvx_notice}")
endif()
