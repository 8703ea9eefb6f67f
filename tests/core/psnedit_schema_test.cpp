// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings document's JSON Schema, checked by an independent validator (python3-jsonschema):
// it takes every document show --json writes and refuses each kind of bad value, as psnedit does.
#include "core/editions.h"
#include "core/json.h"
#include "shell/record_fields_table.h"
#include "support/psnedit_run.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Install;
using test::Outcome;
using test::Psnedit;

bool HaveValidator() {
    return std::system("python3 -c 'import jsonschema' >/dev/null 2>&1") == 0;
}

// Validates each document; prints one line per document: "ok" or the validator's first error.
constexpr const char* kValidate = R"py(
import json, sys, jsonschema
schema = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
for path in sys.argv[2:]:
    errors = list(validator.iter_errors(json.load(open(path, encoding="utf-8"))))
    print("ok" if not errors else "bad: " + errors[0].message.replace("\n", " ")[:200])
)py";

std::vector<std::string> Validate(const test::TempDir& dir, const std::vector<std::string>& docs) {
    const std::string script = dir.str() + "/validate.py";
    std::ofstream(script) << kValidate;
    std::string command = "python3 '" + script + "' '" + dir.str() + "/schema.json'";
    for (const std::string& doc : docs)
        command += " '" + doc + "'";
    std::vector<std::string> lines;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return lines;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        lines.push_back(line);
    }
    ::pclose(pipe);
    return lines;
}

TEST(PsneditSchema, ARealValidatorTakesEveryEditionsDocumentAndRefusesBadValues) {
    if (!HaveValidator())
        GTEST_SKIP() << "python3 with the jsonschema module is not installed (Debian: "
                        "python3-jsonschema; scripts/deps installs it)";
    test::TempDir dir;
    const Outcome schema = Psnedit({"schema"});
    ASSERT_EQ(schema.code, cli::kSuccess);
    std::ofstream(dir.str() + "/schema.json") << schema.out;
    EXPECT_EQ(json::Parse(schema.out).Find("$id")->text, fields::kSchemaId);

    std::vector<std::string> good;
    std::string edition0;
    for (int edition = 0; edition < kEditionCount; ++edition) {
        const auto inst = Install(dir, edition, "game" + std::to_string(edition));
        const Outcome shown = Psnedit({"show", inst.gameDir, "--json"});
        ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
        EXPECT_EQ(json::Parse(shown.out).Find("$schema")->text, fields::kSchemaId);
        if (edition == 0)
            edition0 = shown.out;
        good.push_back(dir.str() + "/e" + std::to_string(edition) + ".json");
        std::ofstream(good.back()) << shown.out;
    }
    // A partial document is a document too.
    good.push_back(dir.str() + "/partial.json");
    std::ofstream(good.back())
        << R"j({"psnedit": 1, "car tuning": {"human car weight (kg)": 700}})j";
    for (const std::string& line : Validate(dir, good))
        EXPECT_EQ(line, "ok");

    const auto inst = Install(dir, 0, "target");
    // Each case gives one member another value (or, with an empty key, edits the text).
    struct Case {
        std::string what, member, value;
    };
    const Case cases[] = {
        {"a number beyond its range", "team 2 qualification (BHP)", "70000"},
        {"a negative number", "practice fuel (laps)", "-1"},
        {"a fraction for a whole number", "practice fuel (laps)", "1.5"},
        {"text for a number", "light 1 speed (RPM)", "\"fast\""},
        {"a name too long", "team 1", "\"ABCDEFGHIJKLMNOP\""},
        {"a character the game cannot show", "car 1 driver", "\"\u20ac\""},
        {"a NUL in a name", "team 3 engine", "\"A\\u0000B\""},
        {"a switch that is neither", "random engine power", "\"maybe\""},
        {"a compound letter", "track 1 compound (letter)", "\"Q\""},
        {"a light colour", "light 0 colour (name)", "\"blue\""},
        {"a weight below zero", "human car weight (kg)", "-5"},
        {"unused bytes not hexadecimal", "bytes", "\"zz\""},
        {"a misspelt field", "", "\"random engine powr\""},
        {"an unknown part", "", "\"engines\": {}, \"psnedit\": 1"},
        {"another version", "", "\"psnedit\": 2"},
    };
    std::vector<std::string> bad;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = edition0;
        if (c.member.empty()) {
            const std::string from = c.value.find("powr") != std::string::npos
                                         ? "\"random engine power\""
                                         : "\"psnedit\": 1";
            text.replace(text.find(from), from.size(), c.value);
        } else {
            const std::string key = "\"" + c.member + "\": ";
            const std::size_t at = text.find(key);
            ASSERT_NE(at, std::string::npos);
            std::size_t end = text.find('\n', at);
            if (text[end - 1] == ',')
                --end;
            text.replace(at + key.size(), end - at - key.size(), c.value);
        }
        bad.push_back(dir.str() + "/bad" + std::to_string(bad.size()) + ".json");
        std::ofstream(bad.back()) << text;
        // psnedit refuses it as well.
        const Outcome applied = Psnedit({"apply", bad.back(), inst.gameDir, "--dry-run"});
        EXPECT_EQ(applied.code, cli::kBadInput) << applied.out;
    }
    const std::vector<std::string> lines = Validate(dir, bad);
    ASSERT_EQ(lines.size(), bad.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].rfind("bad: ", 0), 0u) << cases[i].what << ": " << lines[i];
}

} // namespace
} // namespace psn
