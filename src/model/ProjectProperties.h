#pragma once

#include <QString>
#include <QStringList>

// The properties of a project.
class ProjectProperties {
public:
    ProjectProperties();

    QString ProjectName;
    QString Subject;
    QString Author;
    QString RightsNotice;
    QString Customer;
    QString CreationDate;
    QString DiffusionDate;
    QStringList Comments;

    bool operator==(const ProjectProperties &) const = default;
};
