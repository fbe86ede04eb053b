#pragma once

#include "model/ProjectClasses.h"
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

// Draws a week plan into `area` of any paint device: the days across, the hours down, a mark in
// its program's colour with its code where it fits, a red frame for a conflict, grey for a
// program shown only on request, and the current minute as a line in the first column.
// `minMark` is the least height of a mark in the device's units.
void paintWeekPlan(QPainter &painter, const QRectF &area, const WeekPlan &plan, const QList<TORBEXProg> &programs,
                   const QLocale &locale, qreal minMark);
// The geometry paintWeekPlan uses with the painter's font, and the height of its marks.
PlanLayout weekPlanLayout(const QRectF &area, const QFont &font);
qreal weekPlanMarkHeight(const PlanLayout &layout, const QFont &font, qreal minMark);

// The plan of a list of programs, scaled to the widget; hovering a mark tells its program's
// title and time, clicking it chooses the program.
class WeekPlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit WeekPlanWidget(QWidget *parent = nullptr);
    void setPlan(const WeekPlan &plan, const QList<TORBEXProg> &programs, const QLocale &locale);
    const WeekPlan &plan() const { return m_plan; }
    // The mark under `point`, or -1.
    int markAt(const QPointF &point) const;
    QString markToolTip(int mark) const;

signals:
    void programClicked(int index);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    QSize sizeHint() const override { return {900, 620}; }

private:
    WeekPlan m_plan;
    QList<TORBEXProg> m_programs;
    QLocale m_locale;
};

// The Week Plan window: the plan of the open project from now, kept up to date while it is open
// (refresh() after every change, and each new minute by `clock`), with the switch that shows
// inactive programs and programs whose timer is off.
class TWeekPlanDlg : public QDialog {
    Q_OBJECT
public:
    TWeekPlanDlg(const Clock &clock, std::function<QList<TORBEXProg>()> programs, QWidget *parent = nullptr);
    void setLanguage(int language);
    void setDateLocale(const QLocale &locale);
    void refresh();
    WeekPlanWidget *planWidget() const { return m_widget; }

signals:
    void programClicked(int index);

private:
    const Clock &m_clock;
    std::function<QList<TORBEXProg>()> m_programs;
    QLocale m_locale;
    QCheckBox *m_showGreyed;
    QLabel *m_legend;
    WeekPlanWidget *m_widget;
    QTimer *m_minuteTimer;
    QDateTime m_shownMinute;
};
