// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_form.h"
#include "shell_fixture.h"

#include <QAction>
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

struct MainWindowSession {
    MainWindowSession() {
        f.WriteConfigFile();
        form = std::make_unique<TMainForm>(f.context);
        form->CreateOtherWindows();
    }
    void Trigger(const char* action) {
        f.dialogs.shown.clear();
        form->findChild<QAction*>(action)->trigger();
    }
    ShellFixture f;
    std::unique_ptr<TMainForm> form;
};

// Opens the writing end of a named pipe after `limit` unless released first, so that a reader
// blocked in open() gets an end of file instead of hanging the suite; `fired` tells it happened.
class PipeWatchdog {
public:
    PipeWatchdog(std::string pipe, std::chrono::seconds limit)
        : thread_([this, pipe = std::move(pipe), limit] {
              std::unique_lock lock(mutex_);
              if (wake_.wait_for(lock, limit, [this] { return released_; }))
                  return;
              fired = true;
              const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
              if (fd >= 0)
                  ::close(fd);
          }) {}
    ~PipeWatchdog() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    std::atomic<bool> fired = false;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;
    std::thread thread_;
};

// "Load settings" refuses what is no settings file with a message that names it; the record, the
// title and the file that "Save settings" writes stay as they were, and a pipe cannot hang it.
TEST(SettingsInput, LoadRefusesWhatIsNoRegularFileAndNamesIt) {
    MainWindowSession s;
    const std::string fifo = s.f.EditorPath("PIPE.GIA");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string folder = s.f.EditorPath("FOLDER.GIA");
    std::filesystem::create_directory(folder);
    s.f.dialogs.fileAnswers = {QString::fromStdString(s.f.EditorPath("MINE.GIA"))};
    s.Trigger("SavesettingsAs1");
    s.f.game.state.record.setU8(300, 0x42);
    const auto before = s.f.game.state.record;
    const QString title = s.form->windowTitle();

    const struct {
        std::string path, says;
    } cases[] = {{fifo, "a named pipe"}, {"/dev/zero", "a device"}, {folder, "a folder"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        PipeWatchdog watchdog(fifo, std::chrono::seconds(10));
        s.f.dialogs.fileAnswers = {QString::fromStdString(c.path)};
        s.Trigger("Loadsettings1");
        EXPECT_FALSE(watchdog.fired) << "Load settings blocked on the pipe";
        ASSERT_EQ(s.f.dialogs.Count(Kind::Error), 1);
        const QString message = s.f.dialogs.Messages().last();
        EXPECT_TRUE(message.contains(QString::fromStdString(c.path))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromStdString(c.says))) << message.toStdString();
        EXPECT_EQ(s.f.game.state.record, before);
        EXPECT_EQ(s.form->windowTitle(), title);
        EXPECT_EQ(fs::FileNamePart(s.f.game.state.currentSettingsFile), "MINE.GIA");
    }
    EXPECT_TRUE(s.f.exitCodes.empty());
}

// The windows are created in the start-up's fixed order, Pit line settings before Car failure.
TEST(SettingsInput, WindowsAreCreatedInTheStartUpOrder) {
    MainWindowSession s;
    const QStringList expected = {"Names and numbers", "Engine power",    "Computer cars grip",
                                  "Pit line settings", "Car failure",     "Nose cones ",
                                  "Car tuning",        "Cockpit manager", "Track manager",
                                  "Cameras editor",    "InstCarSetForm",  "Cockpit colors",
                                  "Pit crew colors",   "Import data",     "Settings description",
                                  "Helmets",           "Car JAMs",        "Track editor"};
    QStringList created;
    for (QObject* child : s.form->children())
        if (auto* window = qobject_cast<QWidget*>(child);
            window && window->isWindow() && expected.contains(window->windowTitle()))
            created << window->windowTitle();
    EXPECT_EQ(created, expected);
}

} // namespace
} // namespace psn::test
