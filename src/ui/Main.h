#pragma once

#include <QMainWindow>

// The main window: owns the open project and every setting of the run.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    static QString captionFor(const QString &projectName);
};
