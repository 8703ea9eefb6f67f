// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A small JSON reader and the string quoting of its writer: enough for settings kept as text,
// without a library. Whole numbers are kept as integers, others as their literal text (a settings
// value in degrees may hold a fraction); object members keep their order.
#pragma once

#include "core/errors.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace psn::json {

using ParseError = psn::ParseError;

struct Member;

struct Value {
    enum class Kind { Null, Bool, Integer, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::int64_t integer = 0;
    std::string text; // strings, in UTF-8; a Number's literal ("90.5", "1e3")
    std::vector<Value> items;
    // A named member, not a std::pair: a pair of this still incomplete type is refused by some
    // standard libraries.
    std::vector<Member> members;

    const Value* Find(std::string_view key) const;
};

struct Member {
    std::string name;
    Value value;
};

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Raises ParseError naming the line and what was expected. A leading UTF-8 byte-order mark is
// skipped.
Value Parse(std::string_view document);

// The text quoted as a JSON string; control characters (C0 and C1) as \u escapes.
std::string Quote(std::string_view utf8);

} // namespace psn::json
