#pragma once

#include "EditorWidgets.h"
#include "model/Language.h"
#include "model/Program.h"

#include <QHash>
#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>

class ChoiceMenu;
class QAction;
class QMenu;

// One row of the Actions group: a light strip (greyed while the row is not offered), the row's
// icon, the kind button and, for an external output, the value button beside it.
class ActionRowWidget : public QWidget {
    Q_OBJECT

public:
    ActionRowWidget(int row, const QPixmap &rowIcon, QWidget *parent = nullptr);

    int row() const { return m_row; }
    CaptionButton *kindButton() const { return m_kind; }
    CaptionButton *valueButton() const { return m_value; }
    // What the kind button and the value button show; each is also its button's description.
    void setKind(const QString &caption, const QIcon &icon);
    void setValue(const QString &caption);
    // Offered rows lie on the light strip, the others on a greyed one.
    void setOffered(bool offered);
    bool isOffered() const { return m_offered; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_row;
    bool m_offered = false;
    CaptionButton *m_kind;
    CaptionButton *m_value;
};

// The Actions group of the editor panel: six rows showing a program's action list, the action
// menu from which a row's kind button picks an action and the value menu from which an external
// output's value button picks its value. A choice is applied to the shown program's slots by the
// rules of the action list and told with actionsEdited. The menus are filled when first opened.
class ActionRowsEditor : public EditorGroup {
    Q_OBJECT

public:
    explicit ActionRowsEditor(Language language, QWidget *parent = nullptr);

    // Shows the action slots of `program` (already made consistent).
    void showActions(const Program &program);
    // Relabels the group, the menus and the rows shown.
    void setLanguage(Language language);
    // The action menu offers the outputs with the I/O card, FTP and e-mail with Ethernet.
    void setPlayerOptions(bool ioCard, bool ethernet);

    ActionRowWidget *row(int k) const { return m_rows.at(std::size_t(k - 1)); } // k = 1..6
    QMenu *actionMenu() const { return m_actionMenu; }
    ChoiceMenu *valueMenu() const { return m_valueMenu; }

signals:
    // The user chose an action or a value: `program` is the shown program with its action
    // slots as they now are.
    void actionsEdited(const Program &program);

private:
    const QIcon &icon(const QString &name);
    void relabel();
    void resetRows();
    void showRows(int count);
    void openActionMenu(int row);
    void openValueMenu(int row);
    void buildActionMenu();
    void relabelActionMenu();
    void applyPlayerOptions();
    QAction *entry(const QString &caption, int tag, const QIcon &entryIcon, std::function<void()> handler);

    // The menu handlers, on the row that opened the menu.
    void clearAction();
    void setAction(quint8 kind, int param, bool ending);
    void setContinuingAction(quint8 kind, int param);
    void setEndingAction(quint8 kind, int param);
    void setSleepAction();
    void setActionValue(int value);

    Language m_language;
    Program m_program;
    bool m_hasProgram = false;
    bool m_ioCard = true;
    bool m_ethernet = true;
    int m_selectedRow = 1; // the row whose kind or value button opened a menu last
    QHash<QString, QIcon> m_icons;
    std::array<ActionRowWidget *, MaxActions> m_rows{};
    QMenu *m_actionMenu = nullptr;
    ChoiceMenu *m_valueMenu = nullptr;
    std::array<QAction *, 13> m_menuEntries{};
    std::array<QList<QAction *>, 13> m_subEntries;
};
