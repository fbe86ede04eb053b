#include "ChoiceMenus.h"

#include "ChoiceGrid.h"
#include "Icons.h"
#include "ProgramTile.h"
#include "model/Program.h"

#include <QAction>

namespace {

constexpr int RowsPerColumn = 32;

QString digits(int value, int width) {
    return QString::number(value).rightJustified(width, u'0');
}

} // namespace

ChoiceMenu::ChoiceMenu(int rowsPerColumn, Entries entries, QWidget *parent)
    : QMenu(parent)
    , m_rows(rowsPerColumn)
    , m_entries(std::move(entries)) {
    connect(this, &QMenu::aboutToShow, this, &ChoiceMenu::fill);
}

void ChoiceMenu::fill() {
    if (!m_actions.isEmpty())
        return;
    const QList<Entry> entries = m_entries();
    m_actions.reserve(entries.size());
    for (const Entry &e : entries) {
        auto *a = new QAction(e.icon, e.caption, this);
        a->setData(e.tag);
        connect(a, &QAction::triggered, this, [this, tag = e.tag] { emit chosen(tag); });
        m_actions.append(a);
    }
    fillGridMenu(this, m_actions, m_rows);
}

QAction *ChoiceMenu::entry(int tag) {
    fill();
    const int index = m_actions.isEmpty() ? -1 : tag - m_actions.first()->data().toInt(); // tags run on
    return m_actions.value(index);
}

ChoiceMenu *makeCodeMenu(QWidget *parent) {
    return new ChoiceMenu(
        RowsPerColumn,
        [] {
            const QIcon number = Icons::icon(QStringLiteral("program-number"));
            const QIcon single = Icons::icon(QStringLiteral("single-input"));
            QList<ChoiceMenu::Entry> entries;
            for (int code = 1; code <= 255; ++code)
                entries.append({code, digits(code, 3), (code & (code - 1)) == 0 ? single : number});
            return entries;
        },
        parent);
}

ChoiceMenu *makeValueMenu(QWidget *parent) {
    return new ChoiceMenu(
        RowsPerColumn,
        [] {
            const QIcon value = Icons::icon(QStringLiteral("value"));
            QList<ChoiceMenu::Entry> entries;
            for (int v = 0; v <= 255; ++v)
                entries.append({v, digits(v, 3), value});
            return entries;
        },
        parent);
}

ChoiceMenu *makeColourMenu(QWidget *parent) {
    return new ChoiceMenu(
        13,
        [] {
            QList<ChoiceMenu::Entry> entries;
            for (int k = 1; k <= ProgramColorCount; ++k)
                entries.append({k, digits(k, 2), Icons::colorSwatch(colorOfRecord(ProgramColors[k]))});
            return entries;
        },
        parent);
}
