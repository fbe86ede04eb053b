#pragma once

#include "model/Language.h"

#include <QDialog>

class Prompter;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;

// The export directory dialog: a header text, a tree of the folders (hidden and system ones
// included), a field holding the selected folder's path where the user may type another, and
// the buttons New folder, OK and Annuler. Enter in the field goes to the folder typed; OK
// chooses it. Takes its texts in its language each time it is shown.
class ExportFolderDialog : public QDialog {
    Q_OBJECT

public:
    explicit ExportFolderDialog(QWidget *parent = nullptr);

    void setLanguage(Language language) { m_language = language; } // before showing
    // Asks the new folder's name and says why a folder could not be made or gone to.
    void setPrompter(Prompter &prompter) { m_prompter = &prompter; }

    // Selects `path`, or the nearest existing folder above it (else the home folder), and opens
    // the tree at it, scrolled into view.
    void setDirectory(const QString &path);
    // The selected folder.
    QString directory() const { return m_directory; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createModel();
    void showDirectory();
    // The folder typed in the field, made absolute from the selected one; empty, after saying
    // why, when it is not a folder.
    QString typedFolder();
    void makeFolder();

    QFileSystemModel *m_model = nullptr;
    QString m_directory;
    bool m_following = false; // the selected folder is kept in view as the tree loads
    QTimer *m_follow = nullptr;
    Language m_language = Language::English;
    Prompter *m_prompter = nullptr;
    QLabel *FolderPanel = nullptr;
    QTreeView *DirectoryTree = nullptr;
    QLineEdit *PathEdit = nullptr;
    QPushButton *NewFolderButton = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
};
