#pragma once

#include <QIcon>
#include <QList>
#include <QMenu>

#include <functional>

// A pop-up menu of numbered choices laid out as a ChoiceGrid, filled when it first opens (or
// when asked for an entry): the code menu, the value menu and the colour menu of the editor.
// Choosing entry `tag` emits chosen(tag).
class ChoiceMenu : public QMenu {
    Q_OBJECT

public:
    struct Entry {
        int tag;
        QString caption;
        QIcon icon;
    };
    using Entries = std::function<QList<Entry>()>; // tags one after another

    ChoiceMenu(int rowsPerColumn, Entries entries, QWidget *parent = nullptr);

    // Makes the entries, if the menu has none yet.
    void fill();
    // The entry of `tag`, or null; the menu is filled first.
    QAction *entry(int tag);

signals:
    void chosen(int tag);

private:
    int m_rows;
    Entries m_entries;
    QList<QAction *> m_actions;
};

// The codes 001..255: the codes with a single input have an icon of their own.
ChoiceMenu *makeCodeMenu(QWidget *parent);
// The values 000..255 of an external output.
ChoiceMenu *makeValueMenu(QWidget *parent);
// The program colours 01..26, each with its swatch; a new column at entry 14.
ChoiceMenu *makeColourMenu(QWidget *parent);
