// The floor for the start-up benchmark: a Qt program that shows one
// frameless window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(276, 22);
    window.show();
    return app.exec();
}
