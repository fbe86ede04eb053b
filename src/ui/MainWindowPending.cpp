// Commands of the main window that other parts of the program implement; until then they
// are present in the tool bar and the menus and do nothing.
#include "MainWindow.h"

void MainWindow::exitProgram() {
    close();
}
