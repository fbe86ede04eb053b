#include "model/Clock.h"
#include "ui/Main.h"
#include "ui/MessageBoxPrompter.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon-programmer"));
    QApplication::setApplicationDisplayName(QStringLiteral("ORBEX Quillon Programmer"));
    QApplication::setOrganizationName(QStringLiteral("ORBEX"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    MessageBoxPrompter prompter;
    TForm1 window(prompter, Clock::system());
    window.show();
    return app.exec();
}
