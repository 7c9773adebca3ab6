// The floor of the start-up comparison: a bare Qt main window with one label, nothing else,
// timed from exec to its first window beside the tutor.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("ZAVType")));
    window.resize(730, 620);
    window.show();
    return app.exec();
}
