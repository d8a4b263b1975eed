#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    QApplication::setDesktopFileName(QStringLiteral("corvelle"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvelle"));
    window.menuBar();
    window.resize(1100, 720);
    window.show();
    return app.exec();
}
