// Saves the X screen, or one window of it, as a PNG: the end-to-end script's camera.
// Usage: e2e_screenshot OUT.png [WINDOW_ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) return 2;
    QScreen* screen = QGuiApplication::primaryScreen();
    const WId window = argc == 3 ? QByteArray(argv[2]).toULongLong() : 0;
    return screen && screen->grabWindow(window).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
