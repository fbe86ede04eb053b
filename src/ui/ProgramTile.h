#pragma once

#include "model/Language.h"
#include "model/Program.h"

#include <QWidget>

#include <array>

class Clock;
class QLocale;
struct TileArt;

// One program of the list as a strip 28 high and at least 958 wide: colour bar, active and
// priority marks, the code as a number and as eight input dots, the title, the schedule and six
// short action texts. The schedule column and the action columns are as wide as their longest
// texts need in the tile's language and font, so the strip grows rather than cut a text. The tile paints every element
// itself (one widget per tile, however many elements), keeps a display copy of its program (the model's, refreshed by
// the list) and its own copy of the language. Its tooltip is the program's next run, worked out when the tooltip is
// asked for.
class ProgramTile : public QWidget {
    Q_OBJECT

public:
    static constexpr int TileWidth = 958;
    static constexpr int TileHeight = 28;

    // The ten parts that select the tile when clicked; images and dots count as background.
    enum class Part { Background, Number, Title, Schedule, Action1, Action2, Action3, Action4, Action5, Action6 };
    Q_ENUM(Part)
    static constexpr int PartCount = 10;

    explicit ProgramTile(const TileArt &art, QWidget *parent = nullptr);

    // The tile's display copy of its program. Setting it does not redraw the tile: RefreshTile does.
    const Program &program() const { return m_program; }
    void setProgram(const Program &program) { m_program = program; }
    // The tile's own copy of the language, 1..5, which chooses the schedule line's words.
    Language language() const { return m_language; }
    // Also sets the columns' widths for the language.
    void setLanguage(Language language);

    // Takes every element anew from the program and the language copy, then repaints.
    void RefreshTile();

    // Where the next-run tooltip takes "now" and its date format from (the window's clock and
    // locale, which outlive the tile); without them the tile has no tooltip.
    void setNextRunSource(const Clock *clock, const QLocale *locale);
    // The next-run line as of now: empty when the timer is off or the tile has no source.
    QString nextRunText() const;

    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }

    Part partAt(const QPoint &pos) const;
    QRect partRect(Part part) const;

    // What the tile shows, as of the last RefreshTile.
    QString numberText() const { return m_number; }
    QString titleText() const { return m_title; }
    QString scheduleText() const { return m_schedule; }
    QString actionText(int k) const { return m_actions.at(k - 1); }     // k = 1..6
    bool inputDotShown(int k) const { return (m_dots >> (k - 1)) & 1; } // weight 2^(k-1)
    bool activeMarkShown() const { return m_active; }
    bool priorityMarkShown() const { return m_priority; }
    bool timerOnMarkShown() const { return m_timerOn; }
    int scheduleIconShown() const { return m_scheduleIcon; } // 1..4, 0 for none
    QColor barColor() const { return m_color; }
    QColor backgroundColor() const;

    QSize sizeHint() const override { return {m_columns.width, TileHeight}; }

    // The widths that fit every schedule and action text of `language` in `font`.
    struct Columns {
        int schedule = 0; // from the schedule text's left edge to the first action column
        int action = 0;   // one action text's column; a separator dot follows it
        int width = TileWidth;
    };
    static Columns columnsFor(Language language, const QFont &font);

signals:
    void clicked(ProgramTile *tile, ProgramTile::Part part);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect actionRect(int k) const; // k = 1..6
    int dotX(int k) const;         // the dot after action k = 1..5
    void fitColumns();

    const TileArt &m_art;
    Program m_program;
    Language m_language = Language::English;
    Columns m_columns;
    const Clock *m_clock = nullptr;
    const QLocale *m_locale = nullptr;
    bool m_highlighted = false;
    bool m_pressed = false;
    QString m_number;
    QString m_title;
    QString m_schedule;
    std::array<QString, MaxActions> m_actions;
    quint8 m_dots = 0;
    bool m_active = false;
    bool m_priority = false;
    bool m_timerOn = false;
    int m_scheduleIcon = 0;
    QColor m_color;
};

// A colour value of the records (0x00BBGGRR) as a screen colour.
QColor colorOfRecord(quint32 bgr);

// The colour of the input dots of the tile and the editor: the button shadow's on a light
// palette; the text's on a dark one, where the shadow would vanish into the box.
QColor inputDotColor(const QPalette &palette);
