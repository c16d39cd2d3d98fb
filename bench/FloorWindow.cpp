// The floor of start-up: a bare frameless Qt window, cut to a rounded
// outline, of the splash's size, that does nothing. The start-up benchmark
// runs it beside the program.
#include <QApplication>
#include <QRegion>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(313, 247);
    const QRegion corner(0, 0, 40, 40, QRegion::Ellipse);
    window.setMask(QRegion(0, 20, 313, 207) + QRegion(20, 0, 273, 247) + corner +
                   corner.translated(273, 0) + corner.translated(0, 207) + corner.translated(273, 207));
    window.show();
    return app.exec();
}
