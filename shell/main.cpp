// Program entry: the main window's creation loads the game's values; then every other window is
// created, hidden, and the message loop runs until the main window closes.
#include "core/app_state.h"
#include "shell/dialogs.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QScreen>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("psniaed");

    psn::AppState state;
    psn::QtDialogs dialogs;
    // The warning has been closed by the time this runs; nothing is written afterwards.
    psn::AppContext context{state, dialogs, [](int code) { std::exit(code); }};

    psn::TMainForm mainForm(context);
    if (mainForm.StartupResult() != psn::TMainForm::Startup::Loaded)
        return mainForm.StartupResult() == psn::TMainForm::Startup::Ended ? 1 : 0;
    mainForm.CreateOtherWindows();
    mainForm.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainForm.move(screen->availableGeometry().center() - mainForm.rect().center());
    mainForm.show();
    return QApplication::exec();
}
