#pragma once

#include "model/Program.h"

#include <QDateTime>
#include <QList>
#include <QRectF>

// The week plan: every moment a program falls due in the seven days from now, by the same rule
// as the next run and PC remote mode's minute check (TimerFallsOn), and where each lies in a
// drawing of seven day columns and 24 hour bands.

inline constexpr int PlanDays = 7;

struct PlanMark {
    int program = 0;       // the position in the project
    int day = 0;           // 0..6: the column, counted from the plan's first day
    int minuteOfDay = 0;   // 0..1439
    bool greyed = false;   // inactive, or its timer is off: shown only when asked for
    bool conflict = false; // a go-to program due in the same minute as another go-to program
};

// One rectangle of the drawing: a mark, or the count of the marks of one hour that did not fit.
struct PlanSpot {
    QRectF rect;
    int mark = 0;  // the mark drawn, or the first of those counted
    int count = 0; // 0 for a mark; n > 0: the count of the n marks from `mark` on, drawn "+n"
};

struct WeekPlan {
    QDate firstDay;        // the day of the first column: the day of `now`
    QDateTime now;         // the minute the plan starts at
    QList<PlanMark> marks; // by day, then minute, then project order

    // The minute `mark` falls due.
    QDateTime moment(const PlanMark &mark) const;
};

// The marks from the minute of `now` to the end of the seventh day. Programs that are inactive
// or whose timer is off are left out, or marked greyed when `withGreyed` is set.
WeekPlan BuildWeekPlan(const QList<Program> &programs, const QDateTime &now, bool withGreyed);

// The drawing's geometry in `area`: a margin on the left for the hours and on the top for the
// days, then seven equal columns and 24 equal hour bands.
struct PlanLayout {
    QRectF area;
    qreal hourLabelWidth = 0;
    qreal dayLabelHeight = 0;

    QRectF grid() const;
    QRectF dayColumn(int day) const;
    QRectF hourBand(int hour) const; // across the seven columns
    qreal yOf(int minuteOfDay) const;
    // The rectangles of `plan`, on whole units of the device so that none covers another:
    // the marks of one hour of one day side by side in the hour's band, in the order of their
    // minutes, each at least `lane` wide (room for a code) and at most three lanes; where more
    // fall than fit, as many as fit but one, then the count of the rest.
    QList<PlanSpot> spots(const WeekPlan &plan, qreal lane) const;
};

// The spot under `point`, or -1.
int PlanSpotAt(const QList<PlanSpot> &spots, const QPointF &point);
