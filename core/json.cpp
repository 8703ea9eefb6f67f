// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/json.h"

#include <limits>

namespace psn::json {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Value Document() {
        Value value = Any(0);
        Space();
        if (at_ != text_.size())
            Fail("the end of the document");
        return value;
    }

private:
    // Deep nesting is refused rather than allowed to exhaust the stack.
    static constexpr int kMaxDepth = 64;

    [[noreturn]] void Fail(const std::string& expected) const {
        int line = 1;
        for (std::size_t i = 0; i < at_ && i < text_.size(); ++i)
            line += text_[i] == '\n';
        throw ParseError("line " + std::to_string(line) + ": expected " + expected);
    }

    void Space() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    bool Take(char c) {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    Value Any(int depth) {
        if (depth > kMaxDepth)
            Fail("less deeply nested values");
        Space();
        if (at_ >= text_.size())
            Fail("a value");
        Value value;
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            value.kind = Value::Kind::Object;
            if (Take('}'))
                return value;
            do {
                Space();
                if (at_ >= text_.size() || text_[at_] != '"')
                    Fail("a member name in quotes");
                std::string key = String();
                if (!Take(':'))
                    Fail("':' after a member name");
                value.members.push_back(Member{std::move(key), Any(depth + 1)});
            } while (Take(','));
            if (!Take('}'))
                Fail("',' or '}'");
        } else if (c == '[') {
            ++at_;
            value.kind = Value::Kind::Array;
            if (Take(']'))
                return value;
            do
                value.items.push_back(Any(depth + 1));
            while (Take(','));
            if (!Take(']'))
                Fail("',' or ']'");
        } else if (c == '"') {
            value.kind = Value::Kind::String;
            value.text = String();
        } else if (Word("true")) {
            value.kind = Value::Kind::Bool;
            value.boolean = true;
        } else if (Word("false")) {
            value.kind = Value::Kind::Bool;
        } else if (Word("null")) {
            value.kind = Value::Kind::Null;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const std::size_t start = at_;
            value.kind = Value::Kind::Integer;
            value.integer = Integer();
            if (Fraction()) {
                value.kind = Value::Kind::Number;
                value.integer = 0;
                value.text = std::string(text_.substr(start, at_ - start));
            }
        } else {
            Fail("a value");
        }
        return value;
    }

    std::int64_t Integer() {
        const bool negative = text_[at_] == '-';
        if (negative)
            ++at_;
        if (at_ >= text_.size() || text_[at_] < '0' || text_[at_] > '9')
            Fail("a digit");
        std::int64_t value = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            if (value > (std::numeric_limits<std::int64_t>::max() - 9) / 10)
                Fail("a smaller number");
            value = value * 10 + (text_[at_++] - '0');
        }
        return negative ? -value : value;
    }

    // The fraction and exponent after a number's whole part, if any.
    bool Fraction() {
        const std::size_t start = at_;
        const auto digits = [this] {
            const std::size_t first = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
                ++at_;
            if (at_ == first)
                Fail("a digit");
        };
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            digits();
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-'))
                ++at_;
            digits();
        }
        return at_ != start;
    }

    unsigned Hex4() {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i, ++at_) {
            if (at_ >= text_.size())
                Fail("four hexadecimal digits");
            const char h = text_[at_];
            value <<= 4;
            if (h >= '0' && h <= '9')
                value |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                value |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                value |= static_cast<unsigned>(h - 'A' + 10);
            else
                Fail("four hexadecimal digits");
        }
        return value;
    }

    static void Append(std::string& out, unsigned code) {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    std::string String() {
        ++at_; // the opening quote
        std::string out;
        for (;;) {
            if (at_ >= text_.size())
                Fail("a closing '\"'");
            const char c = text_[at_++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                Fail("no control character inside a string");
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (at_ >= text_.size())
                Fail("an escape");
            const char e = text_[at_++];
            switch (e) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case '/':
                out.push_back('/');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                unsigned code = Hex4();
                if (code >= 0xD800 && code < 0xDC00) {
                    if (!Word("\\u"))
                        Fail("the second half of a surrogate pair");
                    const unsigned low = Hex4();
                    if (low < 0xDC00 || low > 0xDFFF)
                        Fail("the second half of a surrogate pair");
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                Append(out, code);
                break;
            }
            default:
                Fail("a known escape");
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

const Value* Value::Find(std::string_view key) const {
    for (const auto& [name, value] : members)
        if (name == key)
            return &value;
    return nullptr;
}

Value Parse(std::string_view document) {
    // Windows editors start a UTF-8 file with a byte-order mark; it is no part of the document.
    if (document.starts_with(kByteOrderMark))
        document.remove_prefix(kByteOrderMark.size());
    return Parser(document).Document();
}

std::string Quote(std::string_view utf8) {
    static const char* kHex = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned escaped = 0x100;
        if (c < 0x20 || c == 0x7F)
            escaped = c;
        // U+0080..U+009F (C2 80..C2 9F) are control characters too: kept visible as escapes.
        else if (c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
            escaped = static_cast<unsigned char>(utf8[++i]);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (escaped < 0x100) {
            out += "\\u00";
            out.push_back(kHex[escaped >> 4]);
            out.push_back(kHex[escaped & 15]);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    out.push_back('"');
    return out;
}

} // namespace psn::json
