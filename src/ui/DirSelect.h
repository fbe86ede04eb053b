#pragma once

#include <QDialog>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

// The export directory dialog: a header text, a tree of the folders (hidden and system ones
// included) and the buttons OK and Annuler. Takes its texts from the language tables each
// time it is shown.
class TOKBottomDlg2 : public QDialog {
    Q_OBJECT

public:
    explicit TOKBottomDlg2(QWidget *parent = nullptr);

    void setLanguage(int language) { Language = language; } // before showing

    // Selects `path`, or the nearest existing folder above it (else the home folder), and opens
    // the tree at it, scrolled into view.
    void setDirectory(const QString &path);
    // The selected folder.
    QString directory() const { return m_directory; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createModel();
    void showDirectory();

    QFileSystemModel *m_model = nullptr;
    QString m_directory;
    bool m_settling = false; // the tree is still loading the folders down to m_directory
    int Language = 2;
    QLabel *Panel1 = nullptr;
    QTreeView *DirectoryTree = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
};
