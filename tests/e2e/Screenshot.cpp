// Saves the whole X screen as a PNG: the end-to-end script's camera.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
