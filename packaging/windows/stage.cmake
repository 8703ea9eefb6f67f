# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.25)

# The folder that is installed and zipped: the programs (stripped), their DLLs and plugins, the
# data, Qt's translations and qt.conf from the editor's folder APP, into OUT. Left out: the
# stand-in converter (a user's PSNJAM.EXE is the game's own) and whatever a run left behind.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT} ${OUT}/TEMP)
file(COPY ${APP}/ DESTINATION ${OUT}
     FILES_MATCHING PATTERN psniaed.exe PATTERN psnedit.exe PATTERN *.dll PATTERN qt.conf
                    PATTERN *.qm
     PATTERN TEMP EXCLUDE PATTERN DATA EXCLUDE)
file(COPY ${APP}/DATA DESTINATION ${OUT}
     PATTERN ORIGIN.SET EXCLUDE PATTERN *.part EXCLUDE PATTERN *.bak EXCLUDE)
execute_process(COMMAND ${STRIP} --strip-unneeded ${OUT}/psniaed.exe ${OUT}/psnedit.exe
                COMMAND_ERROR_IS_FATAL ANY)
