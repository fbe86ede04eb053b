#pragma once

#include "model/Language.h"
#include "model/Program.h"
#include "project/WeekPlan.h"

#include <QDialog>
#include <QLocale>
#include <QWidget>

#include <functional>

class Clock;
class QCheckBox;
class QLabel;
class QPainter;
class QTimer;

// Draws a week plan into `area` of any paint device: the days across, the hours down (in
// `locale`), in each hour's band its marks side by side in their programs' colours with their
// codes, or as many as fit and the count of the rest; a red frame for a conflict, grey for a
// program shown only on request, and the current minute as a line in the first column.
// `minMark` scales the lines, in the device's units.
void paintWeekPlan(QPainter &painter, const QRectF &area, const WeekPlan &plan, const QList<Program> &programs,
                   const QLocale &locale, qreal minMark);
// The geometry paintWeekPlan uses with the painter's font, and the least width of a mark that
// holds a code.
PlanLayout weekPlanLayout(const QRectF &area, const QFont &font, const QLocale &locale);
qreal weekPlanLane(const QFont &font);
// The rectangles paintWeekPlan draws.
QList<PlanSpot> weekPlanSpots(const QRectF &area, const QFont &font, const QLocale &locale, const WeekPlan &plan);

// The plan of a list of programs, scaled to the widget; hovering a mark tells its program's
// title and time, hovering a count lists the marks it counts, clicking a mark chooses its
// program.
class WeekPlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit WeekPlanWidget(QWidget *parent = nullptr);
    void setPlan(const WeekPlan &plan, const QList<Program> &programs, const QLocale &locale);
    const WeekPlan &plan() const { return m_plan; }
    // The rectangles drawn, and the one under `point` (or -1).
    QList<PlanSpot> spots() const;
    int spotAt(const QPointF &point) const;
    // One line for a mark, one for each mark a count stands for (the first 30, then "…"):
    // its code, title and moment.
    QString spotToolTip(int spot) const;

signals:
    void programClicked(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    QSize sizeHint() const override { return {1080, 640}; } // six marks an hour

private:
    WeekPlan m_plan;
    QList<Program> m_programs;
    QLocale m_locale;
};

// The Week Plan window: the plan of the open project from now, kept up to date while it is open
// (refresh() after every change, and each new minute by `clock`), with the switch that shows
// inactive programs and programs whose timer is off.
class TWeekPlanDlg : public QDialog {
    Q_OBJECT
public:
    TWeekPlanDlg(const Clock &clock, std::function<QList<Program>()> programs, QWidget *parent = nullptr);
    void setLanguage(Language language);
    void setDateLocale(const QLocale &locale);
    void refresh();
    WeekPlanWidget *planWidget() const { return m_widget; }

signals:
    void programClicked(int index);

private:
    const Clock &m_clock;
    std::function<QList<Program>()> m_programs;
    QLocale m_locale;
    QCheckBox *m_showGreyed;
    QLabel *m_legend;
    WeekPlanWidget *m_widget;
    QTimer *m_minuteTimer;
    QDateTime m_shownMinute;
};
