#include "WeekPlan.h"

#include "model/TimerRule.h"

#include <algorithm>
#include <cmath>

namespace {

// The minutes of the plan (day, minute of the day) on which the timer of `p` can fall, whatever
// its flags; each is confirmed by TimerFallsOn, the rule the rest of the program uses.
void addMoments(const Program &p, QDate firstDay, int firstMinute, QList<std::pair<int, int>> &out) {
    const auto add = [&](int day, int hour, int minute) {
        const int minuteOfDay = hour * 60 + minute;
        if (day >= 0 && day < PlanDays && (day > 0 || minuteOfDay >= firstMinute) &&
            TimerFallsOn(p, firstDay.addDays(day), QTime(hour, minute)))
            out.append({day, minuteOfDay});
    };
    switch (p.TimerMode) {
    case TimerOnDate:
        add(int(firstDay.daysTo(p.Date)), p.GetHour(), p.GetMinute());
        break;
    case TimerDaily:
    case TimerWeekly:
        for (int d = 0; d < PlanDays; ++d)
            add(d, p.GetHour(), p.GetMinute());
        break;
    case TimerHourly:
        for (int d = 0; d < PlanDays; ++d)
            for (int h = 0; h < 24; ++h)
                add(d, h, p.GetMinute());
        break;
    default:
        break;
    }
}

} // namespace

QDateTime WeekPlan::moment(const PlanMark &mark) const {
    return QDateTime(firstDay.addDays(mark.day), QTime(mark.minuteOfDay / 60, mark.minuteOfDay % 60), now.timeSpec());
}

WeekPlan BuildWeekPlan(const QList<Program> &programs, const QDateTime &now, bool withGreyed) {
    WeekPlan plan;
    plan.firstDay = now.date();
    plan.now = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), now.timeSpec());
    const int firstMinute = now.time().hour() * 60 + now.time().minute();
    QList<std::pair<int, int>> moments;
    for (int i = 0; i < programs.size(); ++i) {
        const Program &p = programs[i];
        const bool greyed = p.Active != 1 || p.TimerOn != 1;
        if (greyed && !withGreyed)
            continue;
        moments.clear();
        addMoments(p, plan.firstDay, firstMinute, moments);
        for (const auto &[day, minute] : std::as_const(moments))
            plan.marks.append({i, day, minute, greyed, false});
    }
    std::stable_sort(plan.marks.begin(), plan.marks.end(), [](const PlanMark &a, const PlanMark &b) {
        return std::pair(a.day, a.minuteOfDay) < std::pair(b.day, b.minuteOfDay);
    });
    // Conflicts among the marks of one minute.
    for (qsizetype first = 0; first < plan.marks.size();) {
        qsizetype last = first;
        while (last < plan.marks.size() && plan.marks[last].day == plan.marks[first].day &&
               plan.marks[last].minuteOfDay == plan.marks[first].minuteOfDay)
            ++last;
        int goTos = 0;
        for (qsizetype k = first; k < last; ++k)
            goTos += QualifiesForRemote(programs[plan.marks[k].program]);
        for (qsizetype k = first; k < last; ++k)
            plan.marks[k].conflict = goTos > 1 && QualifiesForRemote(programs[plan.marks[k].program]);
        first = last;
    }
    return plan;
}

QRectF PlanLayout::grid() const {
    return area.adjusted(hourLabelWidth, dayLabelHeight, 0, 0);
}

QRectF PlanLayout::dayColumn(int day) const {
    const QRectF g = grid();
    const qreal w = g.width() / PlanDays;
    return QRectF(g.left() + day * w, g.top(), w, g.height());
}

QRectF PlanLayout::hourBand(int hour) const {
    const QRectF g = grid();
    const qreal h = g.height() / 24;
    return QRectF(g.left(), g.top() + hour * h, g.width(), h);
}

qreal PlanLayout::yOf(int minuteOfDay) const {
    const QRectF g = grid();
    return g.top() + g.height() * minuteOfDay / (24 * 60);
}

QList<PlanSpot> PlanLayout::spots(const WeekPlan &plan, qreal lane) const {
    QList<PlanSpot> out;
    const qreal gap = 1;
    lane = std::max<qreal>(lane, 1);
    // Every cell is at least this wide once on whole units, so every hour of every day offers
    // the same places.
    const qreal width = std::max<qreal>(1, std::floor(dayColumn(0).width()) - 4 * gap);
    const int fit = std::max(1, int((width + gap) / (lane + gap)));
    for (qsizetype first = 0; first < plan.marks.size();) {
        const PlanMark &m = plan.marks[first];
        const int hour = m.minuteOfDay / 60;
        qsizetype last = first;
        while (last < plan.marks.size() && plan.marks[last].day == m.day && plan.marks[last].minuteOfDay / 60 == hour)
            ++last;
        // The hour's cell, one unit inside the grid's lines, on whole units.
        const QRectF band = hourBand(hour);
        const qreal left = std::ceil(dayColumn(m.day).left() + gap);
        const qreal top = std::ceil(band.top() + gap), bottom = std::max(top + 1, std::floor(band.bottom() - gap));
        const int marks = int(last - first);
        const int lanes = std::min(marks, fit);
        const int drawn = marks <= fit ? marks : fit - 1;
        // Side by side from the left, none wider than three codes: a lone mark stays a mark.
        const qreal step = std::min((width + gap) / lanes, 3 * (lane + gap));
        for (int k = 0; k < lanes; ++k) {
            const qreal x0 = left + std::round(k * step), x1 = left + std::round((k + 1) * step) - gap;
            out.append({QRectF(x0, top, std::max<qreal>(1, x1 - x0), bottom - top), int(first) + k,
                        k < drawn ? 0 : marks - drawn});
        }
        first = last;
    }
    return out;
}

int PlanSpotAt(const QList<PlanSpot> &spots, const QPointF &point) {
    for (qsizetype k = 0; k < spots.size(); ++k)
        if (spots[k].rect.contains(point))
            return int(k);
    return -1;
}
