#include "main_window.hpp"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orve"));
    orve::gui::MainWindow window;
    window.start();
    window.show();
    return QApplication::exec();
}
