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
    TForm1 window(prompter, Clock::system());
    window.show();
    return app.exec();
}
