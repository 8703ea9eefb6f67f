// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/program.h"

int main(int argc, char** argv) {
    return psn::RunEditor(argc, argv);
}
