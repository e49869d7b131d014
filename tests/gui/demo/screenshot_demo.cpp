// Consults the bundled example in the desktop program with the answers of the
// forward-run test and, while the advice dialogue is open, runs the command
// given as arguments (scripts/screenshot.sh passes ImageMagick's import).
// Runs in the folder of the bases, like orve.
#include "forward_run_script.hpp"
#include "main_window.hpp"
#include "sound_player.hpp"

#include <QApplication>
#include <QProcess>

#include <iostream>

namespace {

// Sounds stay silent in a screenshot run.
struct NoSound : orve::gui::SoundPlayer {
    void play(const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList command = QApplication::arguments().mid(1);
    if (command.isEmpty()) {
        std::cerr << "usage: orve_screenshot_demo COMMAND [ARGUMENT...]\n";
        return 2;
    }
    orve::gui::MainWindow window;
    window.dialogs().set_sound_player(std::make_unique<NoSound>());
    window.start();
    window.resize(1280, 800);
    window.show();
    int status = -1;
    orve::gui::test::DialogScript script;
    orve::gui::test::script_forward_run(script);
    script.set_observer([&](QDialog& dialog) {
        if (dialog.windowTitle() != QStringLiteral("Advice file inspection")) {
            return;
        }
        for (int round = 0; round < 20; ++round) {
            QApplication::processEvents();
        }
        status = QProcess::execute(command.takeFirst(), command);
    });
    for (const int id : orve::gui::test::kForwardRunCommands) {
        window.action(id)->trigger();
    }
    window.close();
    return status == 0 ? 0 : 1;
}
