# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.25)

# Copies the data a build for this machine drew (FROM/DATA) into the Windows program's folder
# (TO/DATA), leaving out what only a run of that build left there: a user's snapshot of their
# game, unfinished and backup files.
file(REMOVE_RECURSE ${TO}/DATA)
file(COPY ${FROM}/DATA DESTINATION ${TO}
     PATTERN ORIGIN.SET EXCLUDE PATTERN *.part EXCLUDE PATTERN *.bak EXCLUDE)
