// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/block_transfers.h"

#include "ui/window_transfers.h"

namespace psn {
namespace {

std::function<void()> OnExe(AppState& state, std::initializer_list<BlockOperation> operations) {
    return [&state, operations] {
        state.OpenGameExe();
        for (const BlockOperation& operation : operations)
            operation(state);
    };
}

} // namespace

bool ImportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> reads) {
    return ImportIntoWindow(context, window, OnExe(context.state, reads));
}

bool ExportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> writes) {
    return ExportFromWindow(context, window, OnExe(context.state, writes));
}

} // namespace psn
