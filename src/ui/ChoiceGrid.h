#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QMenu;

// A long choice list shown as a menu that breaks into columns: entry i sits in column
// i / rowsPerColumn. It behaves like a menu: hover highlights, a click or Return chooses (the
// release of the press that opened it chooses nothing), the arrow keys move (Left and Right by
// a column), Escape or a click outside closes, disabled entries are greyed and cannot be chosen.
// Choosing closes every open pop-up and triggers the entry's action. The actions belong to the
// caller; the grid only shows them.
class ChoiceGrid : public QWidget {
    Q_OBJECT

public:
    ChoiceGrid(const QList<QAction *> &entries, int rowsPerColumn, QWidget *parent = nullptr);

    const QList<QAction *> &entries() const { return m_entries; }
    int rowsPerColumn() const { return m_rows; }
    int columnCount() const;
    int columnOf(int index) const { return index / m_rows; }

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    QRect entryRect(int index) const;
    int indexAt(const QPoint &pos) const;

    // Recomputes the cell size from the entries' current captions.
    void relayout();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void choose(int index);
    void step(int delta);

    QList<QAction *> m_entries;
    int m_rows;
    int m_current = -1;
    bool m_pressed = false; // a press on the grid since it was shown
    QSize m_cell;
};

// A pop-up menu whose only content is a ChoiceGrid of `entries`.
QMenu *makeGridMenu(const QList<QAction *> &entries, int rowsPerColumn, QWidget *parent);

// Makes a ChoiceGrid of `entries` the content of `menu`, which is empty (a menu filled when
// first opened).
void fillGridMenu(QMenu *menu, const QList<QAction *> &entries, int rowsPerColumn);

// The grid inside a menu made by makeGridMenu, or null.
ChoiceGrid *gridOf(const QMenu *menu);
