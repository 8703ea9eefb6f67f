# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a shipped translation lacks a text of the sources or keeps one the sources no longer
# have: lupdate updates copies of the .ts files from the sources, and no entry of a copy may be
# unfinished, vanished or obsolete. Run as a script: LUPDATE, SOURCE_DIR, WORK_DIR, TS_FILES.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${WORK_DIR}/${name})
  list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(
  COMMAND ${LUPDATE} -silent ui editors graphics tracks shell core/messages.cpp -I .
          -extensions cpp,h -locations none -no-ui-lines
          -tr-function-alias QT_TRANSLATE_NOOP+=PSN_WORDING -ts ${copies}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
set(faults "")
foreach(copy IN LISTS copies)
  file(STRINGS ${copy} lines REGEX "<source>|type=\"(unfinished|vanished|obsolete)\"")
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "<source>(.*)")
      set(source "${CMAKE_MATCH_1}...")
    elseif(line MATCHES "type=\"([a-z]+)\"")
      get_filename_component(name ${copy} NAME)
      string(APPEND faults "  ${name}: ${CMAKE_MATCH_1}: ${source}\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Translations to finish (run the update_translations target, then "
                      "translate or remove these):\n${faults}")
endif()
