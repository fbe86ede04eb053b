#include "model/Clock.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include <chrono>
#include <cstdio>

namespace {

// With QUILLON_QUIT_AT_FIRST_FRAME set, the program prints the steady clock (ns) once the main
// window's first frame is painted, and quits: the start-up benchmark's mark.
class FirstFrameMark : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: runs once the whole frame is painted and flushed.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("first frame: %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillon-programmer"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillon-programmer.svg")));
    QApplication::setOrganizationName(QStringLiteral("ORBEX"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    MessageBoxPrompter prompter;
    // The settings file beside the program, or in the user's configuration folder when the
    // program's folder cannot be written.
    MainWindow window(prompter, Clock::system(),
                      SettingsLocation::forExecutable(QCoreApplication::applicationFilePath()));
    FirstFrameMark mark;
    if (qEnvironmentVariableIsSet("QUILLON_QUIT_AT_FIRST_FRAME"))
        window.installEventFilter(&mark);
    window.show();
    return app.exec();
}
