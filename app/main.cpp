#include "ui/Main.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon-programmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("ORBEX Quillon Programmer"));
    QApplication::setOrganizationName(QStringLiteral("ORBEX"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    TForm1 window;
    window.show();
    return app.exec();
}
