#include "DirSelect.h"

#include "text/text.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

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
                if (current.isValid())
                    m_directory = m_model->filePath(current);
            });
}

void TOKBottomDlg2::setDirectory(const QString &path) {
    createModel();
    m_directory = path;
    const QModelIndex index = m_model->index(QDir::cleanPath(path));
    if (!index.isValid())
        return;
    DirectoryTree->setCurrentIndex(index);
    DirectoryTree->scrollTo(index);
    DirectoryTree->expand(index);
    m_directory = path;
}

void TOKBottomDlg2::showEvent(QShowEvent *event) {
    createModel();
    setWindowTitle(LanguageText(ExportDirRow::Caption, Language));
    Panel1->setText(LanguageText(ExportDirRow::Prompt, Language));
    QDialog::showEvent(event);
}
