#include "ExportFolderDialog.h"

#include "model/Prompter.h"
#include "text/Translation.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <cerrno>
#include <sys/stat.h>

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

ExportFolderDialog::ExportFolderDialog(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ExportFolderDialog"));
    resize(384, 384);
    FolderPanel = new QLabel(this);
    FolderPanel->setMinimumHeight(41);
    FolderPanel->setWordWrap(true);
    FolderPanel->setFrameShape(QFrame::Panel);
    FolderPanel->setFrameShadow(QFrame::Raised);
    FolderPanel->setAlignment(Qt::AlignCenter);

    DirectoryTree = new QTreeView(this);
    DirectoryTree->header()->hide();
    PathEdit = new QLineEdit(this);
    PathEdit->installEventFilter(this);

    NewFolderButton = new QPushButton(this);
    NewFolderButton->setAutoDefault(false);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(NewFolderButton);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(FolderPanel);
    layout->addWidget(DirectoryTree, 1);
    layout->addWidget(PathEdit);
    layout->addLayout(buttons);

    FolderPanel->setObjectName(QStringLiteral("FolderPanel"));
    DirectoryTree->setObjectName(QStringLiteral("DirectoryTree"));
    PathEdit->setObjectName(QStringLiteral("PathEdit"));
    NewFolderButton->setObjectName(QStringLiteral("NewFolderButton"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(NewFolderButton, &QPushButton::clicked, this, &ExportFolderDialog::makeFolder);
}

// The file system is only watched once the dialog is used.
void ExportFolderDialog::createModel() {
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
                if (current.isValid() && m_model->isDir(current)) {
                    m_directory = m_model->filePath(current);
                    PathEdit->setText(QDir::toNativeSeparators(m_directory));
                }
            });
    // The model reads the folders in the background and sorts them later, moving the rows: until
    // the user scrolls or clicks the tree, each change brings the selected folder back into view.
    m_follow = new QTimer(this);
    m_follow->setSingleShot(true);
    connect(m_follow, &QTimer::timeout, this, &ExportFolderDialog::showDirectory);
    const auto follow = [this] {
        if (m_following)
            m_follow->start(0);
    };
    connect(m_model, &QAbstractItemModel::rowsInserted, this, follow);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, follow);
    connect(m_model, &QFileSystemModel::directoryLoaded, this, follow);
    connect(DirectoryTree->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { m_following = false; });
    DirectoryTree->viewport()->installEventFilter(this);
}

void ExportFolderDialog::setDirectory(const QString &path) {
    createModel();
    m_directory = nearestFolder(path);
    m_following = true;
    PathEdit->setText(QDir::toNativeSeparators(m_directory));
    showDirectory();
}

// Selects the chosen folder and scrolls it into view.
void ExportFolderDialog::showDirectory() {
    const QModelIndex index = m_model->index(m_directory);
    if (!index.isValid())
        return;
    const QString chosen = m_directory;
    DirectoryTree->setCurrentIndex(index);
    m_directory = chosen;
    DirectoryTree->expand(index);
    DirectoryTree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void ExportFolderDialog::showEvent(QShowEvent *event) {
    createModel();
    setWindowTitle(translated(phrase("ExportFolderDialog", "Selection of location directory"), m_language));
    FolderPanel->setText(translated(
        phrase("ExportFolderDialog", "Select the location directory where 'quillon.msg' file is going to be exported."),
        m_language));
    NewFolderButton->setText(translated(phrase("ExportFolderDialog", "New folder"), m_language));
    QDialog::showEvent(event);
    // Once laid out, the tree can bring the folder into view.
    QTimer::singleShot(0, this, &ExportFolderDialog::showDirectory);
}

QString ExportFolderDialog::typedFolder() {
    QString typed = QDir::fromNativeSeparators(PathEdit->text().trimmed());
    if (typed == u'~' || typed.startsWith(QStringLiteral("~/")))
        typed = QDir::homePath() + typed.mid(1);
    const QString folder = QDir::cleanPath(QDir(m_directory).absoluteFilePath(typed));
    const QFileInfo info(folder);
    if (info.isDir())
        return folder;
    const QString text =
        info.exists()
            ? translated(phrase("Notice", "\"%1\" is not a folder"), m_language).arg(QDir::toNativeSeparators(folder))
            : translated(phrase("Notice", "\"%1\" could not be opened: %2"), m_language)
                  .arg(QDir::toNativeSeparators(folder),
                       translated(phrase("Notice", "the folder does not exist"), m_language));
    if (m_prompter)
        m_prompter->warn(text);
    return {};
}

// Enter in the path field goes to the folder typed, rather than closing the dialog; a click in
// the tree ends the following of the selected folder.
bool ExportFolderDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == DirectoryTree->viewport() && event->type() == QEvent::MouseButtonPress)
        m_following = false;
    if (watched == PathEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (const QString folder = typedFolder(); !folder.isEmpty())
                setDirectory(folder);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// OK chooses the folder in the field: the one selected in the tree, or one the user typed.
void ExportFolderDialog::accept() {
    if (QDir::cleanPath(QDir::fromNativeSeparators(PathEdit->text().trimmed())) == m_directory)
        return QDialog::accept();
    const QString folder = typedFolder();
    if (folder.isEmpty())
        return;
    m_directory = folder;
    QDialog::accept();
}

void ExportFolderDialog::makeFolder() {
    if (!m_prompter)
        return;
    const std::optional<QString> name =
        m_prompter->askText(translated(phrase("ExportFolderDialog", "Name of the new folder in \"%1\":"), m_language)
                                .arg(QDir::toNativeSeparators(m_directory)),
                            translated(phrase("ExportFolderDialog", "New folder"), m_language));
    if (!name || name->trimmed().isEmpty())
        return;
    const QString folder = QDir::cleanPath(QDir(m_directory).absoluteFilePath(name->trimmed()));
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) != 0) {
        m_prompter->warn(translated(phrase("Notice", "\"%1\" could not be created: %2"), m_language)
                             .arg(QDir::toNativeSeparators(folder), qt_error_string(errno)));
        return;
    }
    setDirectory(folder);
}
