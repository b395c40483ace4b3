// The floor of start-up: a bare Qt Widgets main window with a two-menu bar and a fixed centre.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

// The game's default window: a 24 x 18 field of 18-pixel cells under the menu bar.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto* centre = new QWidget(&window);
    centre->setFixedSize(432, 324);
    window.setCentralWidget(centre);
    window.show();
    return app.exec();
}
