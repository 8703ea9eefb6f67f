// Program entry: the main window's creation loads the game's values; then every other window is
// created, hidden, and the message loop runs until the main window closes.
#include "shell/program.h"

#include "core/app_state.h"
#include "shell/dialogs.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

namespace psn {

int RunEditor(int argc, char** argv, const std::function<void(QWidget&)>& shown) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("psniaed");

    AppState state;
    QtDialogs dialogs;
    // The warning has been closed by the time this runs; nothing is written afterwards.
    AppContext context{state, dialogs, [](int code) { std::exit(code); }};

    TMainForm mainForm(context);
    if (mainForm.StartupResult() != TMainForm::Startup::Loaded)
        return mainForm.StartupResult() == TMainForm::Startup::Ended ? 1 : 0;
    mainForm.CreateOtherWindows();
    mainForm.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainForm.move(screen->availableGeometry().center() - mainForm.rect().center());
    mainForm.show();
    if (shown)
        shown(mainForm);
    return QApplication::exec();
}

} // namespace psn
