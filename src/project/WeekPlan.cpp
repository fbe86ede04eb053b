#include "WeekPlan.h"

#include "model/TimerRule.h"

#include <algorithm>

namespace {

// The minutes of the plan (day, minute of the day) on which the timer of `p` can fall, whatever
// its flags; each is confirmed by TimerFallsOn, the rule the rest of the program uses.
void addMoments(const TORBEXProg &p, QDate firstDay, int firstMinute, QList<std::pair<int, int>> &out) {
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

WeekPlan BuildWeekPlan(const QList<TORBEXProg> &programs, const QDateTime &now, bool withGreyed) {
    WeekPlan plan;
    plan.firstDay = now.date();
    plan.now = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), now.timeSpec());
    const int firstMinute = now.time().hour() * 60 + now.time().minute();
    QList<std::pair<int, int>> moments;
    for (int i = 0; i < programs.size(); ++i) {
        const TORBEXProg &p = programs[i];
        const bool greyed = p.Active != 1 || p.TimerOn != 1;
        if (greyed && !withGreyed)
            continue;
        moments.clear();
        addMoments(p, plan.firstDay, firstMinute, moments);
        for (const auto &[day, minute] : std::as_const(moments))
            plan.marks.append({i, day, minute, greyed, false, 0, 1});
    }
    std::stable_sort(plan.marks.begin(), plan.marks.end(), [](const PlanMark &a, const PlanMark &b) {
        return std::pair(a.day, a.minuteOfDay) < std::pair(b.day, b.minuteOfDay);
    });
    // Lanes and conflicts among the marks of one minute.
    for (qsizetype first = 0; first < plan.marks.size();) {
        qsizetype last = first;
        while (last < plan.marks.size() && plan.marks[last].day == plan.marks[first].day &&
               plan.marks[last].minuteOfDay == plan.marks[first].minuteOfDay)
            ++last;
        int goTos = 0;
        for (qsizetype k = first; k < last; ++k)
            goTos += QualifiesForRemote(programs[plan.marks[k].program]);
        for (qsizetype k = first; k < last; ++k) {
            PlanMark &m = plan.marks[k];
            m.lane = int(k - first);
            m.lanes = int(last - first);
            m.conflict = goTos > 1 && QualifiesForRemote(programs[m.program]);
        }
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

QRectF PlanLayout::markRect(const PlanMark &mark, qreal minHeight) const {
    const QRectF column = dayColumn(mark.day).adjusted(1, 0, -1, 0);
    const qreal w = column.width() / mark.lanes;
    const qreal height = std::max(minHeight, grid().height() / (24 * 60));
    const qreal top = std::min(yOf(mark.minuteOfDay), grid().bottom() - height);
    return QRectF(column.left() + mark.lane * w, top, w, height);
}

int PlanLayout::markAt(const WeekPlan &plan, const QPointF &point, qreal minHeight) const {
    for (qsizetype k = plan.marks.size() - 1; k >= 0; --k)
        if (markRect(plan.marks[k], minHeight).contains(point))
            return int(k);
    return -1;
}
