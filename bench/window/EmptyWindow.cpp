// The yardstick for the converter window's start-up: an empty Qt Widgets
// window of a given size and nothing else.
// Usage: EmptyWindow WIDTH HEIGHT

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    window.resize(width, height);
    window.show();
    return app.exec();
}
