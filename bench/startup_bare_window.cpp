// The start-up benchmark's baseline: a bare QMainWindow with the main window's menu bar (the
// same menus, items, texts and shortcuts, nothing behind them), of the main window's size. Like
// the program under QUILLON_QUIT_AT_FIRST_FRAME, it prints the steady clock (ns) once its first
// frame is painted, and quits.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <chrono>
#include <cstdio>
#include <initializer_list>

namespace {

class FirstFrameMark : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
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

// An item: its text and shortcut; "-" is a separator.
struct Item {
    const char *text;
    QKeySequence shortcut = {};
};

QMenu *fill(QMenu *menu, std::initializer_list<Item> items) {
    for (const Item &item : items) {
        if (QLatin1String(item.text) == QLatin1String("-"))
            menu->addSeparator();
        else
            menu->addAction(QString::fromUtf8(item.text))->setShortcut(item.shortcut);
    }
    return menu;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ORBEX Quillon Programmer : New Project"));
    QMenuBar *bar = window.menuBar();

    fill(bar->addMenu(QStringLiteral("&File")), {{"&New Project", Qt::CTRL | Qt::Key_N},
                                                 {"&Project Properties...", Qt::CTRL | Qt::Key_P},
                                                 {"-"},
                                                 {"&Open", Qt::CTRL | Qt::Key_O},
                                                 {"&Save", Qt::CTRL | Qt::Key_S},
                                                 {"Save &as...", Qt::CTRL | Qt::ALT | Qt::Key_S},
                                                 {"-"},
                                                 {"&Export", Qt::Key_F9},
                                                 {"&Import", Qt::Key_F12},
                                                 {"-"},
                                                 {"E&xit"}});

    QMenu *edit = fill(bar->addMenu(QStringLiteral("&Edit")), {{"&New Program", Qt::CTRL | Qt::ALT | Qt::Key_N},
                                                               {"&Delete Program", Qt::Key_Delete},
                                                               {"-"},
                                                               {"&Cut", Qt::CTRL | Qt::Key_X},
                                                               {"C&opy", Qt::CTRL | Qt::Key_C},
                                                               {"&Paste", Qt::CTRL | Qt::Key_V},
                                                               {"-"}});
    QMenu *colors = edit->addMenu(QStringLiteral("Delete a Group of same Color"));
    for (int k = 1; k <= 26; ++k)
        colors->addAction(QStringLiteral("%1").arg(k, 3, 10, QLatin1Char('0')));
    fill(edit, {{"-"}, {"Move Program to Up", Qt::CTRL | Qt::Key_U}, {"Move Program to Down", Qt::CTRL | Qt::Key_D}});
    // The wizard's item and its separator, hidden as in the program.
    edit->addSeparator()->setVisible(false);
    QAction *wizard = edit->addAction(QStringLiteral("Timer Mode Program Assistant"));
    wizard->setShortcut(Qt::CTRL | Qt::Key_W);
    wizard->setVisible(false);
    fill(edit, {{"-"}, {"Check the &Schedule..."}});

    fill(bar->addMenu(QStringLiteral("&Send-Receive")),
         {{"&Transmit the Programs", Qt::Key_F10}, {"&Receive the Programs", Qt::Key_F11}, {"&Verify the Programs"}});

    QMenu *options = bar->addMenu(QStringLiteral("&Options"));
    fill(options->addMenu(QStringLiteral("&Language")),
         {{"&English"}, {"&Français"}, {"E&spañol"}, {"&Deutsch"}, {"&Italiano"}});
    options->addSeparator();
    fill(options->addMenu(QStringLiteral("&RS232 - COM Port")), {{"(None)"}});
    options->addSeparator();
    fill(options->addMenu(QStringLiteral("Additional Player Options")), {{"I/O Card"}, {"Ethernet"}});
    fill(options, {{"-"}, {"PC Remote"}});

    QMenu *help = fill(bar->addMenu(QStringLiteral("&Help")), {{"&About...", Qt::Key_F1}, {"-"}});
    fill(help->addMenu(QStringLiteral("ORBEX on the &Web")),
         {{"ORBEX &Home Page"}, {"&Send Email to ORBEX's Technical Support"}});

    window.resize(987, 648);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    FirstFrameMark mark;
    window.installEventFilter(&mark);
    window.show();
    return app.exec();
}
