// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"

#include "core/backups.h"
#include "core/fs.h"
#include "core/json.h"
#include "core/settings_files.h"
#include "shell/all_data_blocks.h"
#include "shell/game_read_blocks.h"
#include "shell/record_fields_table.h"
#include "shell/start_folder.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace psn::cli {
namespace {

namespace sfs = std::filesystem;

// Each carries the exit code it ends the program with; the text is the whole message.
struct Failure : std::runtime_error {
    Failure(Exit code, const std::string& message) : std::runtime_error(message), exit(code) {}
    Exit exit;
};
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
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                Usage(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--json")
            options.json = true;
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
    StartPlaces places;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"))
        places.dataHome = dataHome;
    if (const char* home = std::getenv("HOME"))
        places.home = home;
    if (const std::string user = UserEditorFolder(places); !user.empty())
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

struct Loaded {
    SettingsRecord record;
    fields::Context context;
    bool game = false;
    bool tracksUnread = false; // a game whose track files are not all installed
};

// The editor folder a patch list at <folder>/DATA/PLT.DAT belongs to, in any letter case.
std::optional<std::string> EditorFolderOf(const std::string& patchList) {
    const sfs::path list(patchList);
    const auto upper = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return text;
    };
    if (upper(list.filename().string()) != "PLT.DAT" ||
        upper(list.parent_path().filename().string()) != "DATA")
        return std::nullopt;
    return list.parent_path().parent_path().string();
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
        const auto editor = EditorFolderOf(patchList);
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
            throw Failure(kGameFailure, error.Path() + ": " + error.Reason() + ".");
        throw Failure(kGameFailure, error.Path() + ": " + error.Reason() +
                                        ": an interrupted change of the game files cannot be "
                                        "completed. Nothing else was done; make the file "
                                        "writable and run psnedit again.");
    }
    if (!report.found)
        return;
    note << (report.completed ? "An interrupted change of the game files was completed in:"
                              : "An interrupted change of the game files was undone in:");
    for (const std::string& file : report.files)
        note << " " << file;
    note << "\n";
}

[[noreturn]] void GameReadFailed(const Game& game, const FileAccessError& error) {
    const std::string where =
        Trim(error.what()) +
        (error.Path().empty() ? "" : ": " + error.Path() + ": " + error.Reason());
    throw Failure(kGameFailure,
                  game.dir + ": reading the game files failed (" + where +
                      "). Nothing was written. Check that every game file is complete and "
                      "readable; 'psnedit restore' puts back the editor's backups.");
}

Loaded LoadGame(const std::string& dir, const Options& options, const std::string& editorDir,
                std::ostream& err) {
    Game game(dir, options, editorDir);
    // Standard output may be the JSON document: the note goes with the warnings.
    BeginGameCommand(game.state, err);
    GameReadResult result;
    try {
        result = ReadGameRecord(game.state);
    } catch (const FileAccessError& error) {
        GameReadFailed(game, error);
    }
    game.state.DiscardCommand(); // reading changed nothing
    if (!result.isGameExe)
        BadInput(game.state.ExePath() +
                 ": is not the game's executable (too short to hold the edition byte)");
    if (!result.dataFileProblem.empty())
        err << "psnedit: warning: " << result.dataFileProblem << " ("
            << PatchListPath(options, editorDir)
            << "): the car tuning switch 'real best time info' was not read; give the list "
               "with --patch-list\n";
    if (!result.tracksRead)
        err << "psnedit: warning: " << dir
            << ": the 16 track files are not all installed in CIRCUITS, so the track set-ups "
               "were not read\n";
    Loaded loaded;
    loaded.record = game.state.record;
    loaded.context.trackNames = result.trackNames;
    loaded.game = true;
    loaded.tracksUnread = !result.tracksRead;
    return loaded;
}

bool EndsWithJson(const std::string& path) {
    std::string ext = sfs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".json";
}

SettingsRecord LoadFile(const std::string& path) {
    std::vector<std::uint8_t> read;
    const FileResult result = ReadSettingsBytes(path, kSettingsDocumentLimit, read);
    if (result.status == FileResult::Status::NotOpened)
        BadInput(path + ": cannot be opened; check the name and that it is readable");
    if (!result.Ok())
        BadInput(result.message);
    const std::string bytes(read.begin(), read.end());
    // A byte-order mark before a document's brace is how Windows editors save UTF-8.
    const std::size_t start =
        bytes.starts_with(json::kByteOrderMark) ? json::kByteOrderMark.size() : 0;
    const std::size_t text = bytes.find_first_not_of(" \t\r\n", start);
    const bool document = EndsWithJson(path) || (bytes.size() != rec::kSize &&
                                                 text != std::string::npos && bytes[text] == '{');
    if (document) {
        try {
            return fields::FromJson(bytes);
        } catch (const fields::InputError& error) {
            BadInput(path + ": " + error.what());
        }
    }
    if (bytes.size() != rec::kSize)
        BadInput(path + ": is " + std::to_string(bytes.size()) +
                 " bytes long; a settings file holds exactly " + std::to_string(rec::kSize) +
                 " bytes (or is a JSON document from 'psnedit show --json')");
    SettingsRecord record;
    std::copy(bytes.begin(), bytes.end(), record.bytes().begin());
    return record;
}

Loaded Load(const std::string& path, const Options& options, const std::string& editorDir,
            std::ostream& err) {
    if (fs::IsDirectory(path))
        return LoadGame(path, options, editorDir, err);
    Loaded loaded;
    loaded.record = LoadFile(path);
    return loaded;
}

void Operands(const Options& options, std::size_t least, std::size_t most, const char* what) {
    if (options.operands.size() < least || options.operands.size() > most)
        Usage(std::string("usage: psnedit ") + what);
}

int Show(const Options& options, const std::string& editorDir, std::ostream& out,
         std::ostream& err) {
    Operands(options, 1, 1, "show GAMEDIR|FILE [--json]");
    const Loaded loaded = Load(options.operands[0], options, editorDir, err);
    out << (options.json ? fields::ToJson(loaded.record, loaded.context)
                         : fields::ShowText(loaded.record, loaded.context));
    return kSuccess;
}

int Diff(const Options& options, const std::string& editorDir, std::ostream& out,
         std::ostream& err) {
    Operands(options, 2, 2, "diff A B [--json]");
    const Loaded a = Load(options.operands[0], options, editorDir, err);
    const Loaded b = Load(options.operands[1], options, editorDir, err);
    // A game holds no settings description and no unused bytes: they are compared only
    // between two files.
    const bool game = a.game || b.game;
    const fields::Context& context = a.game ? a.context : b.context;
    auto differences = fields::Compare(a.record, b.record, context, game);
    // Set-ups that could not be read are no difference (the warning said so).
    if (a.tracksUnread || b.tracksUnread)
        std::erase_if(differences, [](const fields::Difference& d) {
            return d.field->group == fields::Group::Tracks;
        });
    if (options.json) {
        out << fields::DiffJson(differences);
    } else {
        for (const auto& difference : differences)
            out << fields::DiffLine(difference) << '\n';
    }
    return differences.empty() ? kSuccess : kDifferent;
}

int Save(const Options& options, const std::string& editorDir, std::ostream& out,
         std::ostream& err) {
    Operands(options, 2, 2, "save GAMEDIR FILE.GIA");
    const std::string& dir = options.operands[0];
    const std::string& file = options.operands[1];
    if (!fs::IsDirectory(dir))
        Usage(dir + ": is not a folder; save reads a game folder");
    const Loaded loaded = LoadGame(dir, options, editorDir, err);
    AppState target;
    target.record = loaded.record;
    FileResult written;
    if (EndsWithJson(file)) {
        const std::string text = fields::ToJson(loaded.record, loaded.context);
        const std::string temporary = file + ".psn-new";
        std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
        stream << text;
        stream.close();
        std::error_code ec;
        if (!stream || (sfs::rename(temporary, file, ec), ec)) {
            sfs::remove(temporary, ec);
            written = {FileResult::Status::Failed, file + ": cannot be written"};
        }
    } else {
        SetCurrentSettingsFile(target, file);
        written = WriteSettingsFile(target);
    }
    if (!written.Ok())
        BadInput((written.message.empty() ? file + ": cannot be written" : written.message) +
                 "; choose a folder you can write to");
    out << "Saved the settings of " << dir << " into " << file << "\n";
    return kSuccess;
}

int Apply(const Options& options, const std::string& editorDir, std::ostream& out) {
    Operands(options, 2, 2, "apply FILE.GIA|FILE.json GAMEDIR");
    const std::string& file = options.operands[0];
    const std::string& dir = options.operands[1];
    if (fs::IsDirectory(file))
        Usage(file + ": is a folder; apply takes a settings file and a game folder");
    if (!fs::IsDirectory(dir))
        Usage(dir + ": is not a folder; apply writes into a game folder");
    const SettingsRecord record = LoadFile(file);
    Game game(dir, options, editorDir);
    AppState& state = game.state;
    // One command from the checks to the commit: no other program changes the game meanwhile.
    BeginGameCommand(state, out);
    // Every check comes before the first write: the game, the track files, the patch list.
    try {
        state.OpenGameExe();
        const bool isGame = state.DetectEdition();
        state.CloseGameFiles();
        if (!isGame)
            BadInput(state.ExePath() +
                     ": is not the game's executable (too short to hold the edition byte)");
    } catch (const FileAccessError& error) {
        state.CloseGameFiles();
        GameReadFailed(game, error);
    }
    if (!TrackFilesInstalled(state))
        throw Failure(kGameFailure,
                      dir + ": the 16 track files are not all installed in CIRCUITS. Nothing "
                            "was written. Install them with the editor's Track editor button "
                            "first.");
    state.record = record;
    state.trackEntryKnown.fill(true); // the track block comes from the settings file
    try {
        ExportAllBlocks(state);
        ExportTrackBlock(state);
        state.CommitCommand();
    } catch (const DataFileError& error) {
        state.CloseGameFiles();
        state.DiscardCommand();
        throw Failure(kGameFailure, std::string(error.what()) + " (" +
                                        PatchListPath(options, editorDir) +
                                        "). Nothing was written. Give the game's own list with "
                                        "--patch-list.");
    } catch (const FileAccessError& error) {
        state.CloseGameFiles();
        state.DiscardCommand();
        throw Failure(kGameFailure, dir + ": writing the game files failed (" + error.Path() +
                                        ": " + error.Reason() +
                                        "). Nothing was written; every game file is as it was.");
    }
    out << "Applied " << file << " to " << dir << "\n";
    return kSuccess;
}

int Restore(const Options& options, std::ostream& out) {
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
        throw Failure(kGameFailure,
                      error.Path() + ": " + error.Reason() + ". Nothing was restored.");
    }
    for (const GameBackup& backup : chosen)
        out << "Restored " << backup.file << "\n";
    return kSuccess;
}

} // namespace

std::string HelpText() {
    return R"(Usage: psnedit COMMAND ARGUMENTS [OPTIONS]

The command-line companion of the Pistonia settings editor.

Commands:
  show GAMEDIR|FILE [--json]     every setting in its natural unit, grouped as the editor's
                                 windows group them; --json gives one JSON document that
                                 'apply' accepts in place of a settings file
  diff A B [--json]              one line per setting that differs between A and B (each a game
                                 folder, a .GIA settings file or such a JSON document)
  save GAMEDIR FILE.GIA          the game's settings as the editor's start-up reads them, into a
                                 settings file (FILE.json: a JSON document)
  apply FILE GAMEDIR             writes a settings file (.GIA or JSON) into the game, as the
                                 editor's "Export all data" does
  restore GAMEDIR [FILE...]      puts back the game files' backups (<name>.bak), all of them or
                                 the files named (relative to GAMEDIR)

Options:
  --names-source exe|state       where names and numbers are read and written (default state)
  --cockpit-source exe|state     the same for the cockpit colours (default state)
  --patch-list FILE              the patch list (default: DATA/PLT.DAT beside psnedit, else in
                                 ~/.local/share/psniaed, the installed data or the current
                                 folder)
  --json                         JSON output for show and diff
  -h, --help                     this text

Every command that reads or writes a game holds its lock (PSNIAED.LCK in the game folder) from
start to end, and first completes or undoes a change that an interrupted command left. A command
that finds another program changing the game waits up to 5 seconds, then stops.

Exit status: 0 success, 1 differences found (diff), 2 bad usage or input (nothing written),
3 a game file could not be read or written, or another program kept the game locked (nothing
written).
)";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::string& editorDir) {
    try {
        if (args.empty())
            Usage("no command given");
        if (std::find(args.begin(), args.end(), "--help") != args.end() ||
            std::find(args.begin(), args.end(), "-h") != args.end()) {
            out << HelpText();
            return kSuccess;
        }
        const std::string& command = args[0];
        const Options options = Parse(args, 1);
        if (options.json && command != "show" && command != "diff")
            Usage("--json is an option of show and diff");
        if (command == "show")
            return Show(options, editorDir, out, err);
        if (command == "diff")
            return Diff(options, editorDir, out, err);
        if (command == "save")
            return Save(options, editorDir, out, err);
        if (command == "apply")
            return Apply(options, editorDir, out);
        if (command == "restore")
            return Restore(options, out);
        Usage("unknown command '" + command + "'");
    } catch (const Failure& failure) {
        err << "psnedit: " << failure.what() << "\n";
        return failure.exit;
    } catch (const std::exception& error) {
        err << "psnedit: " << error.what() << "\n";
        return kGameFailure;
    }
}

} // namespace psn::cli
