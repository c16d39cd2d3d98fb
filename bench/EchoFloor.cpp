// The floor of the keystroke benchmark: a bare line edit that echoes its text
// into a label, where the main window has its search box and meaning box, in
// a frameless window of the main window's size.
#include "bench/SearchBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("echo floor"));
    const layouts::WindowLayout& main = layouts::form1Layout();
    window.setFixedSize(main.clientWidth / 15, main.clientHeight / 15);
    QLineEdit edit(&window);
    edit.setGeometry(bench::SearchBox());
    QLabel echo(&window);
    echo.setGeometry(bench::MeaningBox());
    QObject::connect(&edit, &QLineEdit::textChanged, &echo, &QLabel::setText);
    window.show();
    edit.setFocus();
    return app.exec();
}
