#include "ui/Main.h"

#include "model/Clock.h"
#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon-programmer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillon-programmer.svg")));
    QApplication::setOrganizationName(QStringLiteral("ORBEX"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    MessageBoxPrompter prompter;
    // The settings file beside the program, or in the user's configuration folder when the
    // program's folder cannot be written.
    TForm1 window(prompter, Clock::system(), SettingsLocation::forExecutable(QCoreApplication::applicationFilePath()));
    window.show();
    return app.exec();
}
