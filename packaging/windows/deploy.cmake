# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.25)

# Puts beside the programs in DIR exactly the DLLs they import, and the DLLs those import, found
# in SEARCH (Qt's and the MinGW runtime's folders); Windows' own DLLs are found nowhere there and
# stay out. PLUGINS (paths under QT_PLUGINS) are copied into the same subfolders first, as Qt
# looks for them there. Copies are stripped with STRIP: Debian's runtime DLLs carry debug
# information, more than half of the folder's size.
#
#   cmake -DDIR=... -DSEARCH=a;b -DQT_PLUGINS=... -DPLUGINS=platforms/qwindows.dll;...
#         -DOBJDUMP=... -DSTRIP=... -P deploy.cmake
foreach(plugin ${PLUGINS})
  get_filename_component(sub ${plugin} DIRECTORY)
  file(COPY ${QT_PLUGINS}/${plugin} DESTINATION ${DIR}/${sub})
  list(APPEND copied ${DIR}/${plugin})
endforeach()
file(GLOB queue ${DIR}/*.exe ${DIR}/*.EXE)
list(APPEND queue ${copied})
set(seen)
while(queue)
  list(POP_FRONT queue binary)
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  foreach(import ${imports})
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER ${dll} key)
    if(key IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${key})
    foreach(dir ${SEARCH})
      if(EXISTS ${dir}/${dll})
        file(COPY ${dir}/${dll} DESTINATION ${DIR})
        list(APPEND copied ${DIR}/${dll})
        list(APPEND queue ${DIR}/${dll})
        break()
      endif()
    endforeach()
  endforeach()
endwhile()
if(STRIP AND copied)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${copied} COMMAND_ERROR_IS_FATAL ANY)
endif()
