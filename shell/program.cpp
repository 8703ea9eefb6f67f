// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Program entry: the main window's creation loads the game's values; the main window is shown,
// then every other window is created, hidden, and the message loop runs until the main window
// closes.
#include "shell/program.h"

#include "core/app_state.h"
#include "core/beside.h"
#include "core/commit.h"
#include "core/fs.h"
#include "shell/languages.h"
#include "shell/main_form.h"
#include "shell/pictures.h"
#include "shell/start_folder.h"
#include "ui/app_icon.h"
#include "ui/dialogs.h"
#include "ui/message_text.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImageReader>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#ifndef _WIN32
#include <fontconfig/fontconfig.h>
#endif
#include <future>

namespace psn {
namespace {

// How long the start-up waits for the window system to expose the main window before it goes on
// regardless (a window started minimised or on another desktop is not exposed).
constexpr int kExposeWaitMs = 500;

// Ends a local event loop once the watched window has been exposed and painted.
class ExposeWatcher : public QObject {
public:
    ExposeWatcher(QWindow* window, QEventLoop* loop) : window_(window), loop_(loop) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose) {
            // The window paints while it handles the event; the loop ends after that.
            window_->removeEventFilter(this);
            loop_->quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow* window_;
    QEventLoop* loop_;
};

// Runs from the current folder when it is an editor folder, otherwise from the user's own, so
// that nothing is written where the program merely happened to be started. Empty when no folder
// could be entered, with the message that says why.
[[nodiscard]] Message EnterStartFolder(const char* argv0) {
    const StartFolder start = ChooseStartFolder(CurrentStartPlaces(fs::ProgramDirectory(argv0)));
    if (!start.path.empty() && fs::SetCurrentDirectory(start.path))
        return {};
    return start.error.Empty() ? Message(MessageKind::CannotEnterEditorFolder, {start.path})
                               : start.error;
}

// Fontconfig reads every configuration file and font cache of the system when it is first
// asked, which is most of the cost of the first text a window measures. It keeps what it read
// for the whole process and may be asked from any thread, but a thread that asks while another
// is still reading reads everything again: whoever else asks for fonts waits for this first.
// Windows has no Fontconfig: Qt asks the system's own font list there.
std::shared_future<void> ReadFontConfiguration() {
#ifdef _WIN32
    return {};
#else
    return StartBeside([] { FcInit(); });
#endif
}

// Lets the window system expose a newly shown window, which paints it, without handling input.
void PaintWhenExposed(QWidget& window) {
    QWindow* handle = window.windowHandle();
    if (!handle || handle->isExposed())
        return;
    QEventLoop loop;
    ExposeWatcher watcher(handle, &loop);
    QTimer::singleShot(kExposeWaitMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// Work the main window would otherwise do first on its own thread, done beside it while it is
// built: Qt's list of the system's fonts and the choice of the fallback fonts of the text
// (kept for every thread), the image format plugins that the menu bar's own icon loads, and the
// window icon's sizes.
std::future<void> PrepareForWindows(const std::shared_future<void>& fontConfiguration) {
    DrawWindowIconsAhead();
    return StartBeside([fontConfiguration] {
        if (fontConfiguration.valid())
            fontConfiguration.wait();
        QFontMetrics(QGuiApplication::font()).height();
        QImageReader::supportedImageFormats();
    });
}

} // namespace

void SetUpApplication() {
    QApplication::setApplicationName(kWindowClass);
    QApplication::setWindowIcon(AppIcon());
    QGuiApplication::setDesktopFileName(kAppId);
}

std::string SettingsFileArgument(int argc, char** argv, const std::string& launchDir) {
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (argument.empty() || (options && argument.front() == '-'))
            continue;
        return (std::filesystem::path(launchDir) / argument).string(); // absolute stays as it is
    }
    return {};
}

int RunEditor(int argc, char** argv, const std::function<void(QWidget&)>& shown) {
    // While the application connects to the display, worker threads read the font configuration
    // and the pictures the start-up shows: the largest parts of the start-up that need no
    // display.
    const std::shared_future<void> fonts = ReadFontConfiguration();
    // A file named on the command line is relative to where the program was started, which the
    // editor then leaves for its editor folder.
    const std::string launchDir = fs::CurrentDirectory();
    SetCommittingProgram("psniaed");
    const Message folderError = EnterStartFolder(argv[0]);
    AppState state;
    if (folderError.Empty())
        PrefetchPictures(state, TMainForm::Pictures());

    QApplication app(argc, argv);
    SetUpApplication();
    const Language language(ChooseLanguage(QLocale::system().uiLanguages()));
    const std::future<void> prepared = PrepareForWindows(fonts);

    QtDialogs dialogs;
    if (!folderError.Empty()) {
        // Worded only now, in the language just chosen.
        dialogs.Error(nullptr, Worded(folderError));
        return 1;
    }
    // The warning has been closed by the time this runs; nothing is written afterwards.
    AppContext context{state, dialogs, [&prepared](int code) {
                           if (prepared.valid())
                               prepared.wait(); // it uses Qt, which ends with the program
                           std::exit(code);
                       }};

    if (fonts.valid())
        fonts.wait(); // rather than read them a second time beside it
    TMainForm mainForm(context);
    if (mainForm.StartupResult() != TMainForm::Startup::Loaded)
        return mainForm.StartupResult() == TMainForm::Startup::Ended ? 1 : 0;
    mainForm.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainForm.move(screen->availableGeometry().center() - mainForm.rect().center());
    mainForm.show();
    if (shown)
        shown(mainForm);
    // The other windows are created, and the helmet sheet extracted, once the main window is on
    // the screen: nothing the start-up leaves behind differs, and no input is handled before
    // the message loop runs.
    PaintWhenExposed(mainForm);
    mainForm.CreateOtherWindows();
    // After the offer of unsaved edits, so that the file's settings are the step on top. The
    // application has taken its own options out of the arguments by now.
    if (const std::string file = SettingsFileArgument(argc, argv, launchDir); !file.empty())
        mainForm.OpenSettingsFile(file);
    return QApplication::exec();
}

} // namespace psn
