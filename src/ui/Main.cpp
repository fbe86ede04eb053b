#include "Main.h"

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(captionFor(QStringLiteral("New Project")));
    resize(800, 600);
}

QString TForm1::captionFor(const QString &projectName)
{
    return QStringLiteral("ORBEX Quillon Programmer : ") + projectName;
}
