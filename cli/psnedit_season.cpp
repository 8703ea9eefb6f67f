// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// psnedit season: keeps, lists, compares and switches whole seasons of a game in the same store
// as the editor, and moves them in and out as one file.

#include "cli/psnedit.h"
#include "core/editions.h"
#include "core/fs.h"
#include "core/game_file.h"
#include "core/game_lock.h"
#include "core/json.h"
#include "seasons/season_archive.h"
#include "seasons/season_store.h"
#include "shell/season_blocks.h"

#include <iostream>
#include <iterator>
#include <sstream>

namespace psn::cli {
namespace {

struct SeasonFailure : std::runtime_error {
    SeasonFailure(Exit code, const std::string& message)
        : std::runtime_error(message), exit(code) {}
    Exit exit;
};

[[noreturn]] void SeasonUsage(const std::string& message) {
    throw SeasonFailure(kBadInput, message + "\nTry 'psnedit --help'.");
}

struct SeasonOptions {
    bool json = false, dryRun = false;
    std::string description, game;
    std::vector<std::string> operands;
};

SeasonOptions ParseSeason(const std::vector<std::string>& args) {
    SeasonOptions options;
    bool ended = false;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                SeasonUsage(arg + " needs a value");
            return args[++i];
        };
        if (ended || arg == "-" || arg.empty() || arg[0] != '-')
            options.operands.push_back(arg);
        else if (arg == "--")
            ended = true;
        else if (arg == "--json" && args[1] == "list")
            options.json = true;
        else if (arg == "--dry-run" && args[1] == "switch")
            options.dryRun = true;
        else if (arg == "--description" && args[1] == "keep")
            options.description = value();
        else if (arg == "--game" && args[1] == "import")
            options.game = value();
        else
            SeasonUsage("unknown option '" + arg + "' for 'season " + args[1] + "'");
    }
    return options;
}

void Expect(const SeasonOptions& options, std::size_t least, std::size_t most,
            const std::string& synopsis) {
    if (options.operands.size() < least || options.operands.size() > most)
        SeasonUsage("usage: psnedit season " + synopsis);
}

std::string GameFolder(const std::string& dir) {
    if (!fs::IsDirectory(dir))
        SeasonUsage(dir + ": is not a folder; give the folder the game is installed in");
#ifdef _WIN32
    // Spelled as the program spells its paths, so that its messages never mix the separators.
    const std::string folder = fs::Native(dir);
#else
    const std::string& folder = dir;
#endif
    return folder.back() == '/' ? folder : folder + "/";
}

// A season named on the command line that is not in the store is bad input, not a refusal.
seasons::Season Named(const seasons::Store& store, const std::string& name) {
    std::optional<seasons::Season> season;
    try {
        season = store.Find(name);
    } catch (const seasons::SeasonError& error) {
        throw SeasonFailure(kGameFailure, error.what());
    }
    if (!season)
        throw SeasonFailure(kBadInput, "there is no season \"" + name +
                                           "\"; 'psnedit season list' shows the seasons kept");
    return *season;
}

const char* ChangeWord(seasons::FileChange::Kind kind) {
    switch (kind) {
    case seasons::FileChange::Kind::Changed:
        return "changed";
    case seasons::FileChange::Kind::Added:
        return "added";
    case seasons::FileChange::Kind::NotInSeason:
        return "kept (not in the season)";
    }
    return "";
}

int List(const seasons::Store& store, const SeasonOptions& options, std::ostream& out,
         std::ostream& err) {
    Expect(options, 0, 0, "list [--json]");
    std::vector<Message> damaged;
    const auto all = store.List(&damaged);
    for (const Message& problem : damaged)
        err << "psnedit: warning: " << English(problem) << "\n";
    if (options.json) {
        out << "[";
        for (std::size_t i = 0; i < all.size(); ++i) {
            const seasons::Season& season = all[i];
            out << (i ? ",\n " : "\n ") << "{\"name\": " << json::Quote(season.name)
                << ", \"description\": " << json::Quote(season.description)
                << ", \"kept\": " << json::Quote(season.kept) << ", \"edition\": " << season.edition
                << ", \"files\": [";
            for (std::size_t f = 0; f < season.files.size(); ++f)
                out << (f ? ", " : "") << "{\"name\": " << json::Quote(season.files[f].name)
                    << ", \"sha256\": \"" << season.files[f].hash
                    << "\", \"size\": " << season.files[f].size << "}";
            out << "]}";
        }
        out << (all.empty() ? "]\n" : "\n]\n");
        return kSuccess;
    }
    for (const seasons::Season& season : all) {
        const std::string first = season.description.substr(0, season.description.find('\n'));
        out << season.name << "\t" << season.edition << "\t" << season.kept << "\t" << first
            << "\n";
    }
    return kSuccess;
}

void PrintChanges(const std::vector<seasons::FileChange>& changes, std::ostream& out) {
    for (const seasons::FileChange& change : changes)
        out << change.name << ": " << ChangeWord(change.kind) << "\n";
}

int Diff(const seasons::Store& store, const SeasonOptions& options, const std::string& editorDir,
         std::ostream& out) {
    Expect(options, 2, 2, "diff GAME NAME");
    const std::string game = GameFolder(options.operands[0]);
    const seasons::Season season = Named(store, options.operands[1]);
    const SeasonComparison comparison =
        CompareSeason(store, season, game, DefaultPatchList(editorDir));
    PrintChanges(comparison.files, out);
    for (const fields::Difference& difference : comparison.fields)
        out << fields::DiffLine(difference) << "\n";
    return comparison.files.empty() ? kSuccess : kDifferent;
}

int Switch(seasons::Store& store, const SeasonOptions& options, std::ostream& out) {
    Expect(options, 2, 2, "switch GAME NAME [--dry-run]");
    const std::string game = GameFolder(options.operands[0]);
    const std::string name = Named(store, options.operands[1]).name;
    const seasons::SwitchResult result = seasons::Switch(store, game, name, options.dryRun);
    PrintChanges(result.changes, out);
    if (options.dryRun)
        out << "Nothing was written (--dry-run).\n";
    else if (!result.before.empty())
        out << "The game as it was is kept as the season \"" << result.before << "\".\n";
    else
        out << "The game is that season already; nothing was written.\n";
    return kSuccess;
}

#ifdef PSN_SEASON_FILES
// The whole input, refused past what any season can unpack to.
std::vector<std::uint8_t> ReadInput(const std::string& file, std::istream& in) {
    std::vector<std::uint8_t> bytes;
    if (file != "-") {
        std::string reason;
        if (!fs::ReadWholeFile(file, bytes, reason, seasons::kMaxUnpacked))
            throw SeasonFailure(kBadInput, file + ": " + reason + "; nothing was imported");
        return bytes;
    }
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
        if (bytes.size() > seasons::kMaxUnpacked)
            throw SeasonFailure(kBadInput, file + ": is larger than any season file (256 MiB); "
                                                  "nothing was imported");
    }
    return bytes;
}

int Export(const seasons::Store& store, const SeasonOptions& options, std::ostream& out) {
    Expect(options, 2, 2, "export NAME FILE|-");
    const seasons::Season season = Named(store, options.operands[0]);
    const std::vector<std::uint8_t> bytes = seasons::WriteSeasonFile(store, season);
    const std::string& file = options.operands[1];
    if (file == "-") {
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return kSuccess;
    }
    const FileResult written = fs::WriteFileDurably(file, bytes);
    if (!written)
        throw SeasonFailure(kBadInput,
                            written.path + ": " + written.reason + ". Nothing was exported.");
    return kSuccess;
}

int Import(seasons::Store& store, const SeasonOptions& options, const std::string& editorDir,
           std::istream& in, std::ostream& out, std::ostream& err) {
    Expect(options, 1, 2, "import FILE|- [NAME] [--game GAME]");
    const std::string& file = options.operands[0];
    const std::vector<std::uint8_t> bytes = ReadInput(file, in);
    seasons::ImportOptions how;
    how.source = file == "-" ? "standard input" : file;
    if (options.operands.size() == 2)
        how.name = options.operands[1];
    // A pack of loose files takes what it lacks from a game: the one named, else the default.
    how.game = [&]() {
        const std::string game = options.game.empty() ? DefaultGameFolder() : options.game;
        if (game.empty())
            SeasonUsage("a pack of loose files takes what it lacks from a game; give one with "
                        "--game, set PSNEDIT_GAME, or point the editor at the game");
        return GameFolder(game);
    };
    const std::string patchList = DefaultPatchList(editorDir);
    how.applySettings = [&](const std::map<std::string, std::vector<std::uint8_t>>& files,
                            std::span<const std::uint8_t> gia) {
        SettingsRecord record;
        std::copy(gia.begin(), gia.end(), record.bytes().begin());
        return ApplySettings(files, record, patchList);
    };
    const seasons::ImportResult result = seasons::ImportSeason(store, bytes, how);
    for (const std::string& left : result.leftOut)
        err << "psnedit: left out: " << left << "\n";
    out << "Imported the season \"" << result.season.name << "\"";
    if (result.pack)
        out << " (a pack: " << result.fromPack.size() << " files from the pack, the rest from "
            << result.gameDir << ")";
    out << ".\n";
    return kSuccess;
}
#endif

} // namespace

int RunSeason(const std::vector<std::string>& args, [[maybe_unused]] std::istream& in,
              std::ostream& out, std::ostream& err, const std::string& editorDir) {
    try {
        if (args.size() < 2)
            SeasonUsage("season needs a command: list, keep, switch, diff, export, import, "
                        "rename or delete");
        const std::string& command = args[1];
        const SeasonOptions options = ParseSeason(args);
        seasons::Store store(seasons::DefaultStoreDir());
        if (command == "list")
            return List(store, options, out, err);
        if (command == "keep") {
            Expect(options, 2, 2, "keep GAME NAME [--description TEXT]");
            const std::string game = GameFolder(options.operands[0]);
            if (const Message problem = seasons::NameProblem(options.operands[1]); !problem.Empty())
                SeasonUsage(English(problem));
            if (store.Find(options.operands[1]))
                throw SeasonFailure(kBadInput, "a season \"" + options.operands[1] +
                                                   "\" exists already; choose another name or "
                                                   "delete it first");
            seasons::Keep(store, game, options.operands[1], options.description);
            out << "Kept the game in " << game << " as the season \"" << options.operands[1]
                << "\".\n";
            return kSuccess;
        }
        if (command == "switch")
            return Switch(store, options, out);
        if (command == "diff")
            return Diff(store, options, editorDir, out);
#ifdef PSN_SEASON_FILES
        if (command == "export")
            return Export(store, options, out);
        if (command == "import")
            return Import(store, options, editorDir, in, out, err);
#else
        if (command == "export" || command == "import")
            throw SeasonFailure(kBadInput,
                                "this psnedit was built without the archive library (libarchive), "
                                "so it cannot " +
                                    command +
                                    " season files; keeping and switching seasons work as ever");
#endif
        if (command == "rename") {
            Expect(options, 2, 2, "rename OLD NEW");
            Named(store, options.operands[0]);
            if (const Message problem = seasons::NameProblem(options.operands[1]); !problem.Empty())
                SeasonUsage(English(problem));
            store.Rename(options.operands[0], options.operands[1]);
            return kSuccess;
        }
        if (command == "delete") {
            Expect(options, 1, 1, "delete NAME");
            Named(store, options.operands[0]);
            store.Delete(options.operands[0]);
            return kSuccess;
        }
        SeasonUsage("unknown season command '" + command + "'");
    } catch (const SeasonFailure& failure) {
        err << "psnedit: " << failure.what() << "\n";
        return failure.exit;
    } catch (const FileError& error) {
        // A refusal, a damaged store, a locked game or a failed commit: nothing was changed.
        err << "psnedit: " << error.Text() << "\n";
        return kGameFailure;
    } catch (const std::exception& error) {
        err << "psnedit: " << error.what() << "\n";
        return kGameFailure;
    }
}

} // namespace psn::cli
