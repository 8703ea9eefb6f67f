// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"

#include "core/backups.h"
#include "core/commit.h"
#include "core/fs.h"
#include "core/json.h"
#include "core/platform.h"
#include "core/settings_files.h"
#include "shell/all_data_blocks.h"
#include "shell/game_read_blocks.h"
#include "shell/record_fields_table.h"
#include "shell/start_folder.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace psn::cli {
namespace {

namespace sfs = std::filesystem;

// "<file>: <reason>" of a game file's error; an error without a reason of its own reads as the
// system's input/output error, as the editor shows it.
std::string FileAndReason(const FileAccessError& error) {
    return error.Path() + ": " + (error.Reason().empty() ? SystemReason(EIO) : error.Reason());
}

// Each carries the exit code it ends the program with; the text is the whole message. One that a
// game file's error caused starts with the file and the system's reason.
struct Failure : std::runtime_error {
    Failure(Exit code, const std::string& message) : std::runtime_error(message), exit(code) {}
    Failure(Exit code, const FileAccessError& error, const std::string& after)
        : Failure(code, FileAndReason(error) + after) {}
    Exit exit;
};

// A commit that failed changed nothing.
std::string WritingFailed(const std::string& dir, const FileAccessError& error) {
    return dir + ": writing the game files failed (" + FileAndReason(error) +
           "). Nothing was written; every game file is as it was.";
}
[[noreturn]] void Usage(const std::string& message) {
    throw Failure(kBadInput, message + "\nTry 'psnedit --help'.");
}
[[noreturn]] void BadInput(const std::string& message) {
    throw Failure(kBadInput, message);
}

struct Options {
    int namesSource = 1; // the sources the locating window sets: the save-state file
    int cockpitSource = 1;
    std::string patchList;
    bool json = false;
    bool dryRun = false;
    bool all = false;
    std::vector<std::string> operands;
};

int Source(const std::string& option, const std::string& value) {
    if (value == "exe")
        return 0;
    if (value == "state")
        return 1;
    Usage(option + " takes 'exe' or 'state', not '" + value + "'");
}

Options Parse(const std::vector<std::string>& args, std::size_t from) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            options.operands.push_back(arg);
            continue;
        }
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                Usage(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--")
            optionsEnded = true;
        else if (arg == "--json")
            options.json = true;
        else if (arg == "--dry-run")
            options.dryRun = true;
        else if (arg == "--all")
            options.all = true;
        else if (arg == "--names-source")
            options.namesSource = Source(arg, value());
        else if (arg == "--cockpit-source")
            options.cockpitSource = Source(arg, value());
        else if (arg == "--patch-list")
            options.patchList = value();
        else if (arg.size() > 1 && arg[0] == '-')
            Usage("unknown option '" + arg + "'");
        else
            options.operands.push_back(arg);
    }
    return options;
}

std::string Trim(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    while (!text.empty() && text.front() == ' ')
        text.erase(text.begin());
    return text;
}

std::string PatchListPath(const Options& options, const std::string& editorDir) {
    if (!options.patchList.empty()) {
        if (!fs::Exists(options.patchList))
            BadInput(options.patchList + ": no such patch list; give the path of a PLT.DAT file");
        return options.patchList;
    }
    // The DATA beside psnedit first (a build or an editor folder), then the user's own editor
    // folder and the installed data (an installed psnedit), then that of the current folder.
    std::vector<std::string> folders{editorDir};
    if (const std::string user = UserEditorFolder(CurrentStartPlaces(editorDir)); !user.empty())
        folders.push_back(user);
    if (const std::string shared = SharedDataDir(editorDir); !shared.empty())
        folders.push_back(fs::Join(shared, ".."));
    for (const std::string& folder : folders) {
        const std::string list = fs::ResolveCase(fs::Join(folder, "DATA\\PLT.DAT"));
        if (fs::Exists(list))
            return list;
    }
    return fs::ResolveCase(fs::Join(fs::CurrentDirectory(), "DATA\\PLT.DAT"));
}

// The editor folder a patch list at <folder>/DATA/PLT.DAT belongs to, in any letter case.
std::optional<std::string> EditorFolderOf(const std::string& patchList) {
    const sfs::path list = platform::ToPath(patchList);
    const auto upper = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return text;
    };
    if (upper(platform::FromPath(list.filename())) != "PLT.DAT" ||
        upper(platform::FromPath(list.parent_path().filename())) != "DATA")
        return std::nullopt;
    return platform::FromPath(list.parent_path().parent_path());
}

// A game folder prepared for the block operations. The start directory is the editor folder of
// the patch list when the block operations cannot change anything there (no originals snapshot
// waiting for its track block); otherwise a private one.
struct Game {
    std::optional<ScratchStartDir> scratch;
    AppState state;
    std::string dir;

    Game(const std::string& gameDir, const Options& options, const std::string& editorDir)
        : dir(gameDir) {
        std::string folder = gameDir;
        if (folder.empty() || folder.back() != '/')
            folder += '/';
        const std::string patchList = PatchListPath(options, editorDir);
        // A new state starts in the current folder: a list anywhere else needs a start of its own.
        const auto editor = EditorFolderOf(patchList);
        state.startDir.clear();
        if (editor) {
            state.startDir = *editor;
            if (OriginalTracksPending(state))
                state.startDir.clear();
        }
        if (state.startDir.empty()) {
            scratch.emplace(patchList);
            state.startDir = scratch->path();
        }
        state.config.SetGameDir(folder);
        state.config.SetExePath(fs::ResolveCase(folder + "PSN.EXE"));
        state.config.SetNamesSource(options.namesSource);
        state.config.SetCockpitSource(options.cockpitSource);
        if (fs::IsLinkLoop(state.ExePath()))
            BadInput(state.ExePath() + ": is a link that leads round in a loop; make it point to "
                                       "the game's executable");
        if (!fs::Exists(state.ExePath()))
            BadInput(gameDir + ": there is no PSN.EXE in this folder; give the folder the game is "
                               "installed in");
    }
};

// Locks the game for the whole command, and completes, or undoes, a change of the game files
// that a crash interrupted (the editor's or psnedit's own) before anything reads or writes them,
// saying so on `note`.
void BeginGameCommand(AppState& state, std::ostream& note) {
    RecoveryReport report;
    try {
        report = state.BeginCommand();
    } catch (const GameLockError& error) {
        throw Failure(kGameFailure, error.what());
    } catch (const FileAccessError& error) {
        // A record that is refused says itself what to do.
        if (fs::FileNamePart(error.Path()) == kCommitRecordName)
            throw Failure(kGameFailure, error, ".");
        throw Failure(kGameFailure, error,
                      ": an interrupted change of the game files cannot be completed. Nothing "
                      "else was done; make the file writable and run psnedit again.");
    }
    if (!report.found)
        return;
    note << English(RecoveryMessage(report));
    for (const std::string& file : report.files)
        note << " " << file;
    note << "\n";
}

[[noreturn]] void GameReadFailed(const Game& game, const FileAccessError& error,
                                 const std::string& after = "Nothing was written.") {
    const std::string reason = error.Reason().empty() ? Trim(error.what()) : error.Reason();
    throw Failure(kGameFailure,
                  game.dir + ": cannot read " +
                      (error.Path().empty() ? std::string("the game files") : error.Path()) + ": " +
                      reason + ". " + after +
                      " Check that every game file is complete and readable; 'psnedit restore' "
                      "puts back the editor's backups.");
}

const fields::Field& PatchSwitch() {
    static const fields::Field* field = fields::Find(fields::Group::Tuning, "real best time info");
    return *field;
}

// The patch list leaves its switch alone when none of its bytes is found in the executable (a
// list for another game): a mark that no read writes tells that apart from a switch read off.
constexpr std::uint8_t kSwitchUnread = 0xA5;

GameReadResult ReadGame(AppState& state) {
    state.record.setU8(rec::kPatchListSwitch, kSwitchUnread);
    GameReadResult result = ReadWholeGame(state, kCheckRead);
    if (result.dataFileProblem.Empty() && state.record.u8(rec::kPatchListSwitch) == kSwitchUnread)
        result.dataFileProblem = "The game's executable holds none of the patch list's "
                                 "bytes, so its switch cannot be read.";
    if (state.record.u8(rec::kPatchListSwitch) == kSwitchUnread)
        state.record.setU8(rec::kPatchListSwitch, 0);
    return result;
}

// What a read of the game could not know: those values are unknown, not guessed, and are left out
// of every comparison; `leftOut` says what, for a comparison that must admit it.
struct Loaded {
    SettingsRecord record;
    fields::Context context;
    bool game = false;
    std::vector<std::string> leftOut;
};

Loaded Examine(const Game& game, const GameReadResult& result, const Options& options,
               const std::string& editorDir, std::ostream& err) {
    Loaded loaded;
    loaded.record = game.state.record;
    loaded.context.trackNames = result.trackNames;
    loaded.game = true;
    // The game holds no settings description and no unused bytes: a document made from it says
    // nothing of them, so it compares equal to a settings file of the same game.
    for (const fields::Field& field : fields::Fields())
        if (field.group == fields::Group::Description || field.group == fields::Group::Unused)
            loaded.context.MarkUnknown(field);
    if (!result.dataFileProblem.Empty()) {
        const std::string problem = English(result.dataFileProblem);
        loaded.context.MarkUnknown(PatchSwitch());
        loaded.leftOut.push_back("car tuning: real best time info (" + problem + ")");
        err << "psnedit: warning: " << problem << " (" << PatchListPath(options, editorDir)
            << "): the car tuning switch 'real best time info' is unknown; give the list with "
               "--patch-list\n";
    }
    if (!result.tracksRead) {
        for (const fields::Field& field : fields::Fields())
            if (field.group == fields::Group::Tracks)
                loaded.context.MarkUnknown(field);
        loaded.leftOut.push_back("the track set-ups (the 16 track files are not all installed "
                                 "in CIRCUITS)");
        err << "psnedit: warning: " << game.dir
            << ": the 16 track files are not all installed in CIRCUITS, so the track set-ups "
               "were not read and are unknown\n";
    }
    if ((options.namesSource == 1 || options.cockpitSource == 1) && !game.state.StateFileExists())
        err << "psnedit: warning: " << game.dir << ": there is no " << kStateFileName
            << ", so the names and numbers and the cockpit colours were read from the game's "
               "executable\n";
    return loaded;
}

Loaded LoadGame(const std::string& dir, const Options& options, const std::string& editorDir,
                std::ostream& err) {
    Game game(dir, options, editorDir);
    // Standard output may be the JSON document: the note goes with the warnings.
    BeginGameCommand(game.state, err);
    GameReadResult result;
    try {
        result = ReadGame(game.state);
    } catch (const FileAccessError& error) {
        game.state.DiscardCommand();
        GameReadFailed(game, error);
    }
    game.state.DiscardCommand(); // reading changed nothing
    if (!result.isGameExe)
        BadInput(game.state.ExePath() +
                 ": is not the game's executable (too short to hold the edition byte)");
    return Examine(game, result, options, editorDir, err);
}

bool EndsWithJson(const std::string& path) {
    std::string ext = platform::FromPath(platform::ToPath(path).extension());
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".json";
}

// Standard input, read whole; no more than a settings document may hold.
std::vector<std::uint8_t> ReadStandardInput(std::istream& in) {
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kSettingsDocumentLimit)
            BadInput("-: standard input is longer than a settings document can be");
    }
    return bytes;
}

// A settings file (.GIA: every field) or a JSON document (the fields it gives).
fields::Document LoadDocument(const std::string& path, bool all, std::istream& in) {
    std::vector<std::uint8_t> read;
    if (path == "-") {
        read = ReadStandardInput(in);
    } else {
        const FileResult result = ReadSettingsBytes(path, kSettingsDocumentLimit, read);
        if (result.status == FileResult::Status::NotOpened)
            BadInput(path + ": cannot be opened; check the name and that it is readable");
        if (!result.Ok())
            BadInput(result.message);
    }
    const std::string bytes(read.begin(), read.end());
    // A byte-order mark before a document's brace is how Windows editors save UTF-8.
    const std::size_t start =
        bytes.starts_with(json::kByteOrderMark) ? json::kByteOrderMark.size() : 0;
    const std::size_t text = bytes.find_first_not_of(" \t\r\n", start);
    const bool document = EndsWithJson(path) || (bytes.size() != rec::kSize &&
                                                 text != std::string::npos && bytes[text] == '{');
    if (document) {
        try {
            return fields::ReadDocument(bytes, all);
        } catch (const fields::InputError& error) {
            BadInput(path + ": " + error.what());
        }
    }
    if (bytes.size() != rec::kSize)
        BadInput(path + ": is " + std::to_string(bytes.size()) +
                 " bytes long; a settings file holds exactly " + std::to_string(rec::kSize) +
                 " bytes (or is a JSON document from 'psnedit show --json')");
    fields::Document doc;
    std::copy(bytes.begin(), bytes.end(), doc.record.bytes().begin());
    doc.given.assign(fields::Fields().size(), true);
    doc.settingsFile = true;
    return doc;
}

Loaded Load(const std::string& path, const Options& options, const std::string& editorDir,
            std::istream& in, std::ostream& err) {
    if (path != "-" && fs::IsDirectory(path))
        return LoadGame(path, options, editorDir, err);
    const fields::Document doc = LoadDocument(path, false, in);
    Loaded loaded;
    try {
        loaded.record = fields::Merge(doc, SettingsRecord{}, {});
    } catch (const fields::InputError& error) {
        BadInput(path + ": " + error.what());
    }
    // A partial document says nothing of the fields it leaves out.
    for (const fields::Field& field : fields::Fields())
        if (!doc.given[fields::IndexOf(field)] &&
            field.get(loaded.record) == field.get(SettingsRecord{}))
            loaded.context.MarkUnknown(field);
    return loaded;
}

void Operands(const Options& options, std::size_t least, std::size_t most, const char* what) {
    if (options.operands.size() < least || options.operands.size() > most)
        Usage(std::string("usage: psnedit ") + what);
}

std::string PartNames() {
    std::string names;
    for (const fields::GroupInfo& group : fields::Groups())
        names += std::string(names.empty() ? "" : ", ") + "'" + group.key + "'";
    return names;
}

// A part of show, by its name as the documents name it.
fields::Group Part(const std::string& name, const std::string& source) {
    for (const fields::GroupInfo& group : fields::Groups())
        if (name == group.key)
            return group.group;
    Usage("'" + name + "' is no part of the settings (the parts are " + PartNames() + ")" +
          (fs::Exists(source) || source == "-"
               ? ""
               : "; nor is '" + source + "' a game folder or a settings file"));
}

[[nodiscard]] int Show(const Options& options, const std::string& editorDir, std::istream& in,
                       std::ostream& out, std::ostream& err) {
    if (options.operands.empty())
        Usage("usage: psnedit show GAMEDIR|FILE [PART...] [--json]");
    std::vector<fields::Group> parts;
    for (auto it = options.operands.begin() + 1; it != options.operands.end(); ++it)
        parts.push_back(Part(*it, options.operands[0]));
    const Loaded loaded = Load(options.operands[0], options, editorDir, in, err);
    out << (options.json ? fields::ToJson(loaded.record, loaded.context, fields::kSchemaId, parts)
                         : fields::ShowText(loaded.record, loaded.context, parts));
    return kSuccess;
}

// Says what a comparison could not cover; such a comparison ends with exit code 3.
[[nodiscard]] int LeftOut(const std::vector<std::string>& leftOut, std::ostream& err, int code) {
    if (leftOut.empty())
        return code;
    err << "psnedit: the comparison is incomplete; it left out";
    for (std::size_t i = 0; i < leftOut.size(); ++i)
        err << (i ? "; " : " ") << leftOut[i];
    err << "\n";
    return kGameFailure;
}

std::string Side(const std::string& operand, const Loaded& loaded) {
    if (loaded.game)
        return "game " + operand;
    return operand == "-" ? std::string("standard input") : operand;
}

[[nodiscard]] int Diff(const Options& options, const std::string& editorDir, std::istream& in,
                       std::ostream& out, std::ostream& err) {
    Operands(options, 2, 2, "diff A B [--json]");
    if (options.operands[0] == "-" && options.operands[1] == "-")
        Usage("only one of A and B can be standard input");
    const Loaded a = Load(options.operands[0], options, editorDir, in, err);
    const Loaded b = Load(options.operands[1], options, editorDir, in, err);
    // A game holds no settings description and no unused bytes: they are compared only
    // between two files.
    const bool game = a.game || b.game;
    const fields::Context& context = a.game ? a.context : b.context;
    auto differences = fields::Compare(a.record, b.record, context, game);
    // A value either side does not know is no difference.
    std::erase_if(differences, [&](const fields::Difference& d) {
        return a.context.Unknown(*d.field) || b.context.Unknown(*d.field);
    });
    if (options.json) {
        out << fields::DiffJson(differences);
    } else {
        // Which side is which: each line reads from A's value to B's.
        if (!differences.empty())
            out << Side(options.operands[0], a) << " \u2192 " << Side(options.operands[1], b)
                << "\n";
        for (const auto& difference : differences)
            out << fields::DiffLine(difference) << '\n';
    }
    std::vector<std::string> leftOut = a.leftOut;
    leftOut.insert(leftOut.end(), b.leftOut.begin(), b.leftOut.end());
    return LeftOut(leftOut, err, differences.empty() ? kSuccess : kDifferent);
}

[[nodiscard]] int Save(const Options& options, const std::string& editorDir, std::ostream& out,
                       std::ostream& err) {
    Operands(options, 2, 2, "save GAMEDIR FILE.GIA|FILE.json|-");
    const std::string& dir = options.operands[0];
    const std::string& file = options.operands[1];
    if (!fs::IsDirectory(dir))
        Usage(dir + ": is not a folder; save reads a game folder");
    const Loaded loaded = LoadGame(dir, options, editorDir, err);
    if (file == "-") {
        // The settings file's bytes, for a pipe.
        out.write(reinterpret_cast<const char*>(loaded.record.bytes().data()),
                  static_cast<std::streamsize>(rec::kSize));
        return kSuccess;
    }
    AppState target;
    target.record = loaded.record;
    FileResult written;
    if (EndsWithJson(file)) {
        const std::string text = fields::ToJson(loaded.record, loaded.context);
        written = fs::WriteFileDurably(
            file, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    } else {
        SetCurrentSettingsFile(target, file);
        written = WriteSettingsFile(target);
    }
    // A link to a regular file is written through, as the editor does; a named pipe, a device, a
    // folder or a link to one of them is refused by name.
    if (written.status == FileResult::Status::Refused)
        BadInput(written.message + "; save into a file of its own, or use - for standard output");
    if (!written.Ok())
        BadInput((written.message.empty() ? file + ": cannot be written" : written.message) +
                 "; choose a folder you can write to");
    out << "Saved the settings of " << dir << " into " << file << "\n";
    return kSuccess;
}

// The game files a field is written into, as the block operations write them.
std::vector<std::string> FilesOf(const fields::Field& field, const AppState& state) {
    using G = fields::Group;
    const bool stateFile = state.StateFileExists();
    switch (field.group) {
    case G::Description:
    case G::Unused:
        return {};
    case G::Tracks:
        return {state.GamePath(TrackFileNames()[static_cast<std::size_t>(field.track)])};
    case G::Names:
        if (stateFile && state.config.NamesSource() == 1)
            return {state.ExePath(), state.StatePath()};
        return {state.ExePath()};
    case G::CockpitColours:
        if (stateFile && state.config.CockpitSource() == 1)
            return {state.ExePath(), state.StatePath()};
        return {state.ExePath()};
    default:
        return {state.ExePath()};
    }
}

// What an apply changes, file by file and field by field, and what the game did not take.
void Report(const AppState& state, const std::vector<std::string>& changed,
            const SettingsRecord& before, const SettingsRecord& after,
            const fields::Context& context, bool dryRun, std::ostream& out) {
    const std::string root = Staging::Key(state.config.GameDir());
    const auto shortName = [&](const std::string& key) {
        return key.starts_with(root + "/") ? key.substr(root.size() + 1) : key;
    };
    const auto differences = fields::Compare(before, after, context, true);
    for (const std::string& file : changed) {
        std::vector<const fields::Difference*> here;
        for (const fields::Difference& d : differences)
            for (const std::string& path : FilesOf(*d.field, state))
                if (Staging::Key(path) == file)
                    here.push_back(&d);
        out << (dryRun ? "Would change " : "Changed ") << shortName(file);
        if (here.empty()) {
            out << ": no setting changes; bytes the editor always writes in its own form\n";
            continue;
        }
        out << ": " << here.size() << (here.size() == 1 ? " setting" : " settings") << "\n";
        for (const fields::Difference* d : here)
            out << "  " << fields::DiffLine(*d) << "\n";
    }
}

[[nodiscard]] int Apply(const Options& options, const std::string& editorDir, std::istream& in,
                        std::ostream& out, std::ostream& err,
                        const fields::Document* given = nullptr,
                        const std::string& givenName = {}) {
    if (!given)
        Operands(options, 2, 2, "apply FILE.GIA|FILE.json|- GAMEDIR [--dry-run] [--all]");
    const std::string file = given ? givenName : options.operands[0];
    const std::string& dir = given ? options.operands[0] : options.operands[1];
    if (file != "-" && fs::IsDirectory(file))
        Usage(file + ": is a folder; apply takes a settings file and a game folder");
    if (!fs::IsDirectory(dir))
        Usage(dir + ": is not a folder; apply writes into a game folder");
    const fields::Document doc = given ? *given : LoadDocument(file, options.all, in);
    Game game(dir, options, editorDir);
    AppState& state = game.state;
    // One command from the checks to the commit: no other program changes the game meanwhile.
    BeginGameCommand(state, err);
    const auto fail = [&state](Exit code, const std::string& message) {
        state.CloseGameFiles();
        state.DiscardCommand();
        throw Failure(code, message);
    };
    // Every check comes before the first write: the game, the track files, the patch list.
    if (!WholeGameWritable(state, kApplyWrite))
        fail(kGameFailure, dir + ": the 16 track files are not all installed in CIRCUITS. "
                                 "Nothing was written. Install them with the editor's Track "
                                 "editor button first.");
    // The game's own values: those the document leaves out stay, and each change is shown.
    GameReadResult now;
    try {
        now = ReadGame(state);
    } catch (const FileAccessError& error) {
        state.DiscardCommand();
        GameReadFailed(game, error);
    }
    if (!now.isGameExe)
        fail(kBadInput, state.ExePath() +
                            ": is not the game's executable (too short to hold the edition byte)");
    std::ostringstream ignored;
    const Loaded before = Examine(game, now, options, editorDir, ignored);
    SettingsRecord wanted;
    try {
        wanted = fields::Merge(doc, before.record, before.context);
    } catch (const fields::InputError& error) {
        fail(kBadInput, file + ": " + error.what() + ". Nothing was written.");
    }
    // A document or a command line changes only what the windows would keep; a settings file is
    // applied as the editor applies one, byte for byte.
    if (!doc.settingsFile)
        if (const auto outside = fields::OutsideWindows(wanted, before.record); !outside.empty()) {
            std::string message = file + ": ";
            for (std::size_t i = 0; i < outside.size(); ++i)
                message += (i ? "; " : "") + outside[i];
            fail(kBadInput, message + ". Nothing was written.");
        }
    state.record = wanted;
    state.trackEntryKnown.fill(true); // the track block comes from the document
    std::vector<std::string> changed;
    try {
        WriteWholeGame(state, kApplyWrite);
        changed = state.command->Changed();
    } catch (const DataFileError& error) {
        fail(kGameFailure, std::string(error.what()) + " (" + PatchListPath(options, editorDir) +
                               "). Nothing was written. Give the game's own list with "
                               "--patch-list.");
    } catch (const FileAccessError& error) {
        fail(kGameFailure, WritingFailed(dir, error));
    }
    GameReadResult back;
    if (options.dryRun) {
        // The staged bytes are what the commit would write: reading them is reading the result.
        try {
            back = ReadGame(state);
        } catch (const FileAccessError& error) {
            state.DiscardCommand();
            GameReadFailed(game, error);
        }
        state.DiscardCommand();
    } else {
        try {
            state.CommitCommand();
        } catch (const FileAccessError& error) {
            throw Failure(kGameFailure, WritingFailed(dir, error));
        }
        // Read back as the game and the editor will read it, in a command of its own.
        try {
            back = ReadGame(state);
        } catch (const FileAccessError& error) {
            GameReadFailed(game, error,
                           "The settings were written, but could not be read back to check them.");
        } catch (const GameLockError& error) {
            throw Failure(kGameFailure, std::string(error.what()) +
                                            " The settings were written, but could not be read "
                                            "back to check them.");
        }
    }
    const Loaded after = Examine(game, back, options, editorDir, ignored);
    // Only what the game took is a change; the rest is reported below.
    Report(state, changed, before.record, after.record, before.context, options.dryRun, out);
    // Every field the document asked for, as the game now holds it.
    std::vector<std::string> refused, unchecked;
    for (const fields::Field& field : fields::Fields()) {
        using G = fields::Group;
        if (field.group == G::Description || field.group == G::Unused)
            continue;
        const bool asked =
            doc.given[fields::IndexOf(field)] || field.get(wanted) != field.get(before.record);
        if (asked && after.context.Unknown(field))
            unchecked.push_back(std::string(fields::Info(field.group).key) + ": " +
                                fields::Label(field, before.context));
        if (!asked || after.context.Unknown(field) || field.get(after.record) == field.get(wanted))
            continue;
        refused.push_back(std::string(fields::Info(field.group).key) + ": " +
                          fields::Label(field, before.context) + ": asked " +
                          fields::ShowValue(field, wanted) + ", the game " +
                          (options.dryRun ? "would hold " : "holds ") +
                          fields::ShowValue(field, after.record));
    }
    if (changed.empty())
        out << dir << ": every game file already holds these settings; nothing "
            << (options.dryRun ? "would be" : "was") << " written\n";
    else if (options.dryRun)
        out << "Nothing was written (--dry-run)\n";
    else
        out << "Applied " << file << " to " << dir << "\n";
    if (!unchecked.empty()) {
        err << "psnedit: warning: " << unchecked.size()
            << (unchecked.size() == 1 ? " field" : " fields")
            << " could not be read back, so whether the game "
            << (options.dryRun ? "would take" : "took") << " them is unknown:\n";
        for (const std::string& line : unchecked)
            err << "  " << line << "\n";
    }
    if (refused.empty())
        return unchecked.empty() ? kSuccess : kDifferent;
    err << "psnedit: the game " << (options.dryRun ? "would not take " : "did not take ")
        << refused.size() << (refused.size() == 1 ? " field" : " fields") << ":\n";
    for (const std::string& line : refused)
        err << "  " << line << "\n";
    if (!state.notTaken.empty())
        err << "psnedit: random engine power cannot be turned back on in this game: "
            << state.ExePath() << " no longer holds the code the switch needs, and no backup "
            << fs::FileNamePart(state.ExePath()) << ".bak of the original holds it\n";
    return kDifferent;
}

// A key of `get` and `set`: "engine power/team 2 qualification (BHP)", the part and the member as
// show --json names them; left out, the unit is the one the field's window shows.
struct Key {
    const fields::GroupInfo* group = nullptr;
    std::string member;
    const fields::Field* field = nullptr; // null for a track's name
    bool unitGiven = true;
    std::string Text() const { return std::string(group->key) + "/" + member; }
};

Key ParseKey(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        Usage("'" + text + "' is no key; a key is PART/FIELD as 'psnedit fields' lists them");
    Key key;
    const std::string part = text.substr(0, slash);
    key.member = text.substr(slash + 1);
    for (const fields::GroupInfo& group : fields::Groups())
        if (part == group.key)
            key.group = &group;
    if (!key.group)
        Usage("'" + text + "': there is no part '" + part + "'; 'psnedit fields' lists the keys");
    if ((key.field = fields::Find(key.group->group, key.member))) {
        key.unitGiven = key.member != key.field->key;
        return key;
    }
    for (const fields::Field& field : fields::Fields()) {
        if (field.group != key.group->group)
            continue;
        key.field = &field;
        if (field.key == key.member) {
            key.member = fields::ShownKey(field);
            key.unitGiven = false;
            return key;
        }
        for (const fields::Derived& d : field.derived)
            if (field.key + " (" + d.unit + ")" == key.member)
                return key;
    }
    key.field = nullptr;
    if (key.group->group == fields::Group::Tracks && key.member.starts_with("track ") &&
        key.member.ends_with(" name"))
        return key;
    Usage("'" + text + "': there is no such field; 'psnedit fields' lists the keys");
}

std::string Plain(const json::Value& value, bool asJson) {
    using K = json::Value::Kind;
    switch (value.kind) {
    case K::Null:
        return "null";
    case K::Bool:
        return value.boolean ? "true" : "false";
    case K::Integer:
        return std::to_string(value.integer);
    case K::Number:
        return value.text;
    case K::String:
        return asJson ? json::Quote(value.text) : value.text;
    default:
        return "";
    }
}

[[nodiscard]] int Get(const Options& options, const std::string& editorDir, std::istream& in,
                      std::ostream& out, std::ostream& err) {
    if (options.operands.size() < 2)
        Usage("usage: psnedit get GAMEDIR|FILE KEY... [--json]");
    std::vector<Key> keys;
    for (auto it = options.operands.begin() + 1; it != options.operands.end(); ++it)
        keys.push_back(ParseKey(*it));
    const Loaded loaded = Load(options.operands[0], options, editorDir, in, err);
    // The document show --json writes holds every member in its typed form.
    const json::Value document = json::Parse(fields::ToJson(loaded.record, loaded.context));
    if (options.json)
        out << "{";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const json::Value* part = document.Find(keys[i].group->key);
        const json::Value* value = part ? part->Find(keys[i].member) : nullptr;
        const json::Value unknown;
        const std::string text = Plain(value ? *value : unknown, options.json);
        if (options.json)
            out << (i ? ",\n  " : "\n  ")
                << json::Quote(std::string(keys[i].group->key) + "/" + keys[i].member) << ": "
                << text;
        else
            out << text << "\n";
    }
    if (options.json)
        out << (keys.empty() ? "}\n" : "\n}\n");
    return kSuccess;
}

bool IsNumber(const std::string& text) {
    try {
        const json::Value parsed = json::Parse(text);
        return parsed.kind == json::Value::Kind::Integer ||
               parsed.kind == json::Value::Kind::Number;
    } catch (const json::ParseError&) {
        return false;
    }
}

// "700 kg": a number in one of the field's units, given to the member in that unit. "B", "red":
// the name the window shows for a code (a compound, a light's colour), given to the member of
// names.
void WithUnit(const std::string& assignment, Key& key, std::string& value) {
    if (!key.field || key.field->kind != fields::Kind::Number)
        return;
    const fields::Field& field = *key.field;
    if (!key.unitGiven && !IsNumber(Trim(value)))
        for (const fields::Derived& d : field.derived)
            if (d.style == fields::Derived::Style::Text) {
                key.member = field.key + " (" + d.unit + ")";
                return;
            }
    const std::size_t space = value.find_last_of(' ');
    if (space == std::string::npos)
        return;
    const std::string number = Trim(value.substr(0, space)), unit = value.substr(space + 1);
    if (!IsNumber(number))
        return;
    std::vector<std::pair<std::string, std::string>> units; // unit, member
    if (!field.unit.empty())
        units.emplace_back(field.unit, fields::JsonKey(field));
    for (const fields::Derived& d : field.derived)
        if (d.style == fields::Derived::Style::Number || d.style == fields::Derived::Style::Degrees)
            units.emplace_back(d.unit, field.key + " (" + d.unit + ")");
    const auto same = [](const std::string& a, const std::string& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    const auto match = std::find_if(units.begin(), units.end(),
                                    [&](const auto& u) { return same(u.first, unit); });
    const std::string part = std::string(key.group->key) + "/";
    if (match == units.end()) {
        std::string takes;
        for (const auto& [name, member] : units)
            takes += (takes.empty() ? "" : ", ") + name + " as '" + part + member + "'";
        BadInput("'" + assignment + "': '" + part + field.key + "' takes no " + unit +
                 (takes.empty() ? "; give a plain number" : "; it takes " + takes));
    }
    if (key.unitGiven && match->second != key.member)
        BadInput("'" + assignment + "': '" + key.Text() + "' takes another unit; give " + unit +
                 " to '" + part + match->second + "'");
    key.member = match->second;
    value = number;
}

[[nodiscard]] int Set(const Options& options, const std::string& editorDir, std::istream& in,
                      std::ostream& out, std::ostream& err) {
    if (options.operands.size() < 2)
        Usage("usage: psnedit set GAMEDIR KEY=VALUE... [--dry-run]");
    // The assignments become a partial document, so they are checked as a file's fields are.
    std::vector<std::pair<const fields::GroupInfo*, std::string>> parts;
    for (auto it = options.operands.begin() + 1; it != options.operands.end(); ++it) {
        const std::size_t equals = it->find('=');
        if (equals == std::string::npos)
            Usage("'" + *it + "' is no assignment; write KEY=VALUE");
        Key key = ParseKey(it->substr(0, equals));
        std::string given = it->substr(equals + 1);
        WithUnit(*it, key, given);
        // A JSON value as it is (numbers, true, "quoted text"); anything else is text.
        std::string value = json::Quote(given);
        try {
            const json::Value parsed = json::Parse(given);
            if (parsed.kind != json::Value::Kind::Array && parsed.kind != json::Value::Kind::Object)
                value = given;
        } catch (const json::ParseError&) {
        }
        const auto part = std::find_if(parts.begin(), parts.end(),
                                       [&](const auto& p) { return p.first == key.group; });
        const std::string member = json::Quote(key.member) + ": " + value;
        if (part == parts.end())
            parts.emplace_back(key.group, member);
        else
            part->second += ", " + member;
    }
    std::string text = "{\"psnedit\": 1";
    for (const auto& [group, members] : parts)
        text += ", " + json::Quote(group->key) + ": {" + members + "}";
    text += "}";
    fields::Document doc;
    try {
        doc = fields::ReadDocument(text, false);
    } catch (const fields::InputError& error) {
        BadInput(std::string("the command line: ") + error.what());
    }
    return Apply(options, editorDir, in, out, err, &doc, "the command line");
}

// Where a field is kept in the game.
std::string FileOf(const fields::Field& field) {
    using G = fields::Group;
    switch (field.group) {
    case G::Description:
    case G::Unused:
        return "";
    case G::Tracks: {
        std::string name = TrackFileNames()[static_cast<std::size_t>(field.track)];
        std::replace(name.begin(), name.end(), '\\', '/');
        return name;
    }
    case G::Names:
    case G::CockpitColours:
        return std::string(kStateFileName) + " and PSN.EXE";
    default:
        return "PSN.EXE";
    }
}

[[nodiscard]] int Fields(const Options& options, std::ostream& out) {
    Operands(options, 0, 0, "fields [--json]");
    static const char* const kKinds[] = {"text", "number", "switch", "bytes"};
    if (options.json)
        out << "[";
    bool first = true;
    for (const fields::Field& field : fields::Fields()) {
        const std::string key =
            std::string(fields::Info(field.group).key) + "/" + fields::ShownKey(field);
        const char* kind = kKinds[static_cast<int>(field.kind)];
        const std::string unit = field.shown < 0
                                     ? field.unit
                                     : field.derived[static_cast<std::size_t>(field.shown)].unit;
        // What the window keeps, and where the game's bytes could hold more.
        const std::string window = fields::RangeText(field), game = fields::RangeText(field, true);
        std::string range;
        if (field.kind == fields::Kind::Number)
            range = window + (game == window ? "" : " (the game could hold " + game + ")");
        else if (field.kind == fields::Kind::Switch)
            range = field.offName + "|" + field.onName;
        else
            range = "at most " + std::to_string(field.capacity) +
                    (field.kind == fields::Kind::Bytes ? " bytes" : " characters");
        std::vector<std::string> also;
        if (field.shown >= 0)
            also.push_back(fields::JsonKey(field));
        for (std::size_t d = 0; d < field.derived.size(); ++d)
            if (static_cast<int>(d) != field.shown)
                also.push_back(field.key + " (" + field.derived[d].unit + ")");
        if (options.json) {
            out << (first ? "\n  {" : ",\n  {") << "\"key\": " << json::Quote(key)
                << ", \"type\": " << json::Quote(kind) << ", \"unit\": " << json::Quote(unit);
            const auto bounds = [](const std::string& range) {
                const std::size_t dots = range.find("..");
                return std::pair{range.substr(0, dots), range.substr(dots + 2)};
            };
            if (field.kind == fields::Kind::Number) {
                out << ", \"minimum\": " << bounds(window).first
                    << ", \"maximum\": " << bounds(window).second;
                if (game != window)
                    out << ", \"game minimum\": " << bounds(game).first
                        << ", \"game maximum\": " << bounds(game).second;
            } else if (field.kind == fields::Kind::Switch)
                out << ", \"off\": " << json::Quote(field.offName)
                    << ", \"on\": " << json::Quote(field.onName);
            else
                out << ", \"capacity\": " << field.capacity;
            out << ", \"file\": " << json::Quote(FileOf(field)) << ", \"also\": [";
            for (std::size_t i = 0; i < also.size(); ++i)
                out << (i ? ", " : "") << json::Quote(also[i]);
            out << "]}";
        } else {
            out << key << "\t" << kind << "\t" << unit << "\t" << range << "\t" << FileOf(field);
            for (const std::string& other : also)
                out << "\t" << other;
            out << "\n";
        }
        first = false;
    }
    if (options.json)
        out << "\n]\n";
    return kSuccess;
}

// The game a command without a game folder works on: $PSNEDIT_GAME, else the game the editor was
// last pointed at (its configuration in the editor folder it runs from).
std::string DefaultGame() {
    if (const auto game = platform::Environment("PSNEDIT_GAME"); game && !game->empty())
        return *game;
    const StartPlaces places = CurrentStartPlaces({});
    std::vector<std::string> folders;
    if (fs::IsDirectory(fs::ResolveCase(fs::Join(places.current, "DATA"))))
        folders.push_back(places.current);
    if (const std::string user = UserEditorFolder(places); !user.empty())
        folders.push_back(user);
    for (const std::string& folder : folders) {
        AppState state;
        state.startDir = folder;
        if (ReadConfig(state) && !state.config.GameDir().empty())
            return state.config.GameDir();
    }
    Usage("no game folder given; give one, set PSNEDIT_GAME, or point the editor at the game");
}

bool IsPart(const std::string& name) {
    return std::any_of(fields::Groups().begin(), fields::Groups().end(),
                       [&](const fields::GroupInfo& group) { return name == group.key; });
}

bool Names(const std::string& operand) {
    return operand == "-" || fs::Exists(operand) || fs::IsDirectory(operand);
}

// Puts the default game where a command line leaves its game folder out.
void AddDefaultGame(const std::string& command, Options& options) {
    auto& ops = options.operands;
    const auto add = [&](std::size_t at) {
        ops.insert(ops.begin() + static_cast<std::ptrdiff_t>(at), DefaultGame());
    };
    if ((command == "show" || command == "restore") && ops.empty())
        add(0);
    else if (command == "show" && !Names(ops[0]) && IsPart(ops[0]))
        add(0);
    else if ((command == "save" || command == "diff") && ops.size() == 1)
        add(0);
    else if (command == "apply" && ops.size() == 1)
        add(1);
    else if (command == "get" && !ops.empty() && !Names(ops[0]))
        add(0);
    else if (command == "set" && !ops.empty() && ops[0].find('=') != std::string::npos &&
             !Names(ops[0]))
        add(0);
}

[[nodiscard]] int Restore(const Options& options, std::ostream& out) {
    if (options.operands.empty())
        Usage("usage: psnedit restore GAMEDIR [FILE...]");
    const std::string& dir = options.operands[0];
    if (!fs::IsDirectory(dir))
        Usage(dir + ": is not a folder; restore works on a game folder");
    AppState state;
    std::string folder = dir;
    if (folder.back() != '/')
        folder += '/';
    state.config.SetGameDir(folder);
    state.config.SetExePath(fs::ResolveCase(folder + "PSN.EXE"));
    BeginGameCommand(state, out);
    const std::vector<GameBackup> backups = ListBackups(state);
    std::vector<GameBackup> chosen;
    if (options.operands.size() == 1) {
        chosen = backups;
    } else {
        for (auto name = options.operands.begin() + 1; name != options.operands.end(); ++name) {
            const std::string file = fs::ResolveCase(fs::Join(folder, *name));
            const auto found = std::find_if(backups.begin(), backups.end(),
                                            [&](const GameBackup& b) { return b.file == file; });
            if (found == backups.end())
                throw Failure(kGameFailure,
                              file + ": has no backup (" + file + ".bak). Nothing was restored.");
            chosen.push_back(*found);
        }
    }
    if (chosen.empty()) {
        out << dir << ": there are no backups to restore\n";
        return kSuccess;
    }
    try {
        StageBackups(*state.command, chosen);
        state.CommitCommand();
    } catch (const FileAccessError& error) {
        state.DiscardCommand();
        throw Failure(kGameFailure, error, ". Nothing was restored.");
    }
    for (const GameBackup& backup : chosen)
        out << "Restored " << backup.file << "\n";
    return kSuccess;
}

// Output that did not reach its file (a full disk, a closed pipe) is a failure, not a success.
[[nodiscard]] int Flushed(std::ostream& out, int code) {
    out.flush();
    if (!out)
        throw Failure(kBadInput, "writing to standard output failed; the output is incomplete");
    return code;
}

} // namespace

std::string HelpText() {
    return R"(Usage: psnedit COMMAND ARGUMENTS [OPTIONS]

The command-line companion of the Pistonia settings editor. GAME is a game folder; left out, it
is $PSNEDIT_GAME, else the game the editor was last pointed at. FILE is a .GIA settings file, a
JSON settings document, or - for standard input or output.

Commands:
  show [GAME|FILE] [PART...] [--json]
                                 every setting in the unit its window shows, grouped as the
                                 editor's windows group them, or only the PARTs named ('engine
                                 power', 'cameras', ...); --json gives the JSON document that
                                 apply takes; a value that could not be read, and a game's
                                 description, are unknown (null)
  diff [A] B [--json]            one line per setting that differs (exit 1), after a line naming
                                 the sides ("game A → B"); a comparison that could not cover
                                 everything says what it left out (exit 3)
  save [GAME] FILE               the game's settings into a settings file (FILE.json: a JSON
                                 document; -: the settings file's bytes on standard output)
  apply FILE [GAME]              writes the settings FILE gives into the game, reads the game
                                 back, and names each changed file and each field the game did
                                 not take (exit 1); a JSON document may give any of the fields,
                                 and may change a value only within the range its window keeps
  get [GAME|FILE] KEY...         the values of the keys (PART/FIELD, as 'fields' lists them); a
                                 key without its unit is in the unit the window shows (camera
                                 angles in degrees), the raw word is PART/FIELD (raw)
  set [GAME] KEY=VALUE...        changes those values, as apply does with a document of them; a
                                 value may name its unit ("car tuning/human car weight=700 kg")
  fields [--json]                every key with its type, the unit its window shows, the range
                                 that window keeps (and what the game could hold), its game file
  schema                         the JSON Schema (2020-12) of the settings document
  restore [GAME] [FILE...]       puts back the game files' backups (<name>.bak), all of them or
                                 the files named (relative to GAME)
  season list [--json]           the seasons kept: whole sets of the game files this program
                                 writes, in $XDG_DATA_HOME/psniaed/seasons
  season keep GAME NAME [--description TEXT]
                                 keeps the game as it is now as a season
  season switch GAME NAME [--dry-run]
                                 writes the season into the game as one command, only the files
                                 that differ, after keeping the game as it was as the season
                                 "Before switching to NAME"; another edition's is refused (exit 3)
  season diff GAME NAME          the files and settings in which the season differs (exit 1)
  season export NAME FILE|-      the season as one file (a ZIP archive with a manifest)
  season import FILE|- [NAME] [--game GAME]
                                 a season file, or a player's ZIP or 7z pack of loose game files
                                 (completed from GAME); never writes the game
  season rename OLD NEW          renames a season
  season delete NAME             deletes a season and the stored files no other season holds

Options:
  --dry-run                      apply and set: say what would change, write nothing
  --all                          apply and set: every field must be given (the description
                                 and the unused bytes, which no game file holds, may be null)
  --names-source exe|state       where names and numbers are read and written (default state)
  --cockpit-source exe|state     the same for the cockpit colours (default state)
  --patch-list FILE              the patch list (default: DATA/PLT.DAT beside psnedit, else in
                                 ~/.local/share/psniaed, the installed data or the current
                                 folder)
  --json                         JSON output for show, diff, get and fields
  --                             ends the options
  -h, --help                     this text
  --version                      the version

Every command that reads or writes a game holds its lock (PSNIAED.LCK in the game folder) from
start to end, and first completes or undoes a change that an interrupted command left. A command
that finds another program changing the game waits up to 5 seconds, then stops.

Exit status: 0 success; 1 differences found (diff), or fields the game did not take or that
could not be read back (apply, set); 2 bad usage or input, or output that could not be written
(nothing written); 3 a game file could not be read or written, or another program kept the game
locked (nothing written), or a comparison that left values out.
)";
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err, const std::string& editorDir) {
    // A command of psnedit that a stop interrupts is named as psnedit's when it is put right,
    // also by an editor run in the same process afterwards (the tests).
    struct Naming {
        std::string before = CommittingProgram();
        Naming() { SetCommittingProgram("psnedit"); }
        ~Naming() { SetCommittingProgram(before); }
    } naming;
    try {
        if (args.empty())
            Usage("no command given");
        const auto end = std::find(args.begin(), args.end(), "--");
        if (std::find(args.begin(), end, "--help") != end ||
            std::find(args.begin(), end, "-h") != end) {
            out << HelpText();
            return Flushed(out, kSuccess);
        }
        if (std::find(args.begin(), end, "--version") != end) {
            out << "psnedit " << kVersion << "\n";
            return Flushed(out, kSuccess);
        }
        const std::string& command = args[0];
        if (command == "season")
            return Flushed(out, RunSeason(args, in, out, err, editorDir));
        Options options = Parse(args, 1);
        AddDefaultGame(command, options);
        if (options.json && command != "show" && command != "diff" && command != "get" &&
            command != "fields")
            Usage("--json is an option of show, diff, get and fields");
        if ((options.dryRun || options.all) && command != "apply" && command != "set")
            Usage(std::string(options.dryRun ? "--dry-run" : "--all") +
                  " is an option of apply and set");
        int code = kSuccess;
        if (command == "show")
            code = Show(options, editorDir, in, out, err);
        else if (command == "diff")
            code = Diff(options, editorDir, in, out, err);
        else if (command == "save")
            code = Save(options, editorDir, out, err);
        else if (command == "apply")
            code = Apply(options, editorDir, in, out, err);
        else if (command == "get")
            code = Get(options, editorDir, in, out, err);
        else if (command == "set")
            code = Set(options, editorDir, in, out, err);
        else if (command == "fields")
            code = Fields(options, out);
        else if (command == "schema") {
            Operands(options, 0, 0, "schema");
            out << fields::Schema();
        } else if (command == "restore")
            code = Restore(options, out);
        else
            Usage("unknown command '" + command + "'");
        return Flushed(out, code);
    } catch (const Failure& failure) {
        err << "psnedit: " << failure.what() << "\n";
        return failure.exit;
    } catch (const std::exception& error) {
        err << "psnedit: " << error.what() << "\n";
        return kGameFailure;
    }
}

std::string DefaultPatchList(const std::string& editorDir) {
    return PatchListPath(Options{}, editorDir);
}

std::string DefaultGameFolder() {
    try {
        return DefaultGame();
    } catch (const Failure&) {
        return {};
    }
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::string& editorDir) {
    std::istringstream none;
    return Run(args, none, out, err, editorDir);
}

} // namespace psn::cli
