// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Work started on a thread of its own, whose result the start-up takes when it needs it. When no
// thread can be had the future is empty, and the caller does the work itself when it comes to it.
#pragma once

#include <future>
#include <system_error>
#include <type_traits>
#include <utility>

namespace psn {

template <class Work> std::future<std::invoke_result_t<Work>> StartBeside(Work&& work) {
    try {
        return std::async(std::launch::async, std::forward<Work>(work));
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace psn
