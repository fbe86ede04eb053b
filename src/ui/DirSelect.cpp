#include "DirSelect.h"

#include "text/text.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {

// `path` when it is a folder, else the nearest folder above it, else the home folder.
QString nearestFolder(const QString &path) {
    QString folder = QDir::cleanPath(path);
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || folder == QDir::rootPath())
        return QFileInfo(QDir::cleanPath(path)).isDir() ? QDir::cleanPath(path) : QDir::homePath();
    return folder;
}

} // namespace

TOKBottomDlg2::TOKBottomDlg2(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TOKBottomDlg2"));
    setFixedSize(384, 352);
    Panel1 = new QLabel(this);
    Panel1->setGeometry(8, 8, 368, 41);
    Panel1->setWordWrap(true);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAlignment(Qt::AlignCenter);

    DirectoryTree = new QTreeView(this);
    DirectoryTree->setGeometry(8, 56, 368, 255);
    DirectoryTree->header()->hide();

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(214, 319, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setGeometry(301, 319, 75, 25);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    DirectoryTree->setObjectName(QStringLiteral("DirectoryTree"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

// The file system is only watched once the dialog is used.
void TOKBottomDlg2::createModel() {
    if (m_model)
        return;
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::Drives);
    m_model->setReadOnly(true);
    m_model->setRootPath(QDir::rootPath());
    DirectoryTree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        DirectoryTree->hideColumn(column);
    connect(DirectoryTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && m_model->isDir(current))
                    m_directory = m_model->filePath(current);
            });
    // Until the folder's own level has loaded, each level that loads brings it back into view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (!m_settling)
            return;
        showDirectory();
        if (loaded == QFileInfo(m_directory).path() || loaded == m_directory)
            m_settling = false;
    });
}

void TOKBottomDlg2::setDirectory(const QString &path) {
    createModel();
    m_directory = nearestFolder(path);
    m_settling = true;
    showDirectory();
}

// Selects the chosen folder and scrolls it into view; again as the tree loads the folders
// above it, since the model reads them in the background.
void TOKBottomDlg2::showDirectory() {
    const QModelIndex index = m_model->index(m_directory);
    if (!index.isValid())
        return;
    const QString chosen = m_directory;
    DirectoryTree->setCurrentIndex(index);
    m_directory = chosen;
    DirectoryTree->expand(index);
    DirectoryTree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TOKBottomDlg2::showEvent(QShowEvent *event) {
    createModel();
    setWindowTitle(LanguageText(ExportDirRow::Caption, Language));
    Panel1->setText(LanguageText(ExportDirRow::Prompt, Language));
    QDialog::showEvent(event);
    // Once laid out, the tree can bring the folder into view.
    QTimer::singleShot(0, this, &TOKBottomDlg2::showDirectory);
}
