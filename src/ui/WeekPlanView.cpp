#include "WeekPlanView.h"

#include "ProgramTile.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <QCheckBox>
#include <QHash>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString code(const Program &p) {
    return QStringLiteral("%1").arg(p.Code, 3, 10, QLatin1Char('0'));
}

// The font of the codes inside the marks: a little smaller than the labels'.
QFont codeFont(const QFont &font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.8);
    return small;
}

} // namespace

static QString hourLabel(int hour, const QLocale &locale) {
    return locale.toString(QTime(hour, 0), QLocale::ShortFormat);
}

PlanLayout weekPlanLayout(const QRectF &area, const QFont &font, const QLocale &locale) {
    const QFontMetricsF fm(font);
    qreal hours = 0;
    for (int hour = 0; hour < 24; ++hour)
        hours = std::max(hours, fm.horizontalAdvance(hourLabel(hour, locale)));
    return PlanLayout{area, hours + fm.averageCharWidth(), fm.height() * 1.6};
}

qreal weekPlanLane(const QFont &font) {
    const QFontMetricsF fm(codeFont(font));
    return fm.horizontalAdvance(u"000"_s) + 2;
}

QList<PlanSpot> weekPlanSpots(const QRectF &area, const QFont &font, const QLocale &locale, const WeekPlan &plan) {
    return weekPlanLayout(area, font, locale).spots(plan, weekPlanLane(font));
}

void paintWeekPlan(QPainter &painter, const QRectF &area, const WeekPlan &plan, const QList<Program> &programs,
                   const QLocale &locale, qreal minMark) {
    const PlanLayout layout = weekPlanLayout(area, painter.font(), locale);
    const QFontMetricsF fm(painter.font());
    const QList<PlanSpot> spots = layout.spots(plan, weekPlanLane(painter.font()));
    painter.save();
    painter.fillRect(area, Qt::white);
    const QPen grid(QColor(0xC8, 0xC8, 0xC8), 0);
    for (int hour = 0; hour < 24; ++hour) {
        const QRectF band = layout.hourBand(hour);
        if (hour % 2)
            painter.fillRect(band, QColor(0xF4, 0xF4, 0xF4));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), band.top(), layout.hourLabelWidth, band.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, hourLabel(hour, locale));
    }
    for (int day = 0; day < PlanDays; ++day) {
        const QRectF column = layout.dayColumn(day);
        const QDate date = plan.firstDay.addDays(day);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(column.left(), area.top(), column.width(), layout.dayLabelHeight),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         fm.elidedText(locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                                           locale.toString(date, QLocale::ShortFormat),
                                       Qt::ElideRight, column.width()));
        painter.setPen(grid);
        painter.drawLine(column.topLeft(), column.bottomLeft());
    }
    painter.setPen(grid);
    painter.drawRect(layout.grid());
    painter.setFont(codeFont(painter.font()));
    const qreal codeHeight = QFontMetricsF(painter.font()).capHeight() + 2;
    QHash<QRgb, QList<QRect>> fills; // whole device pixels: the painter's fast path
    QList<QRectF> frames;
    const qreal frameWidth = std::max<qreal>(2, minMark / 3);
    struct Code {
        QRectF rect;
        QString text;
        bool dark;
    };
    QList<Code> codes;
    for (const PlanSpot &spot : spots) {
        const PlanMark &m = plan.marks.at(spot.mark);
        const Program &p = programs.at(m.program);
        const QColor fill = spot.count ? QColor(0xE8, 0xE8, 0xE8)
                            : m.greyed ? QColor(0xD0, 0xD0, 0xD0)
                                       : colorOfRecord(p.Color);
        fills[fill.rgb()].append(spot.rect.toRect());
        if (!spot.count && m.conflict) // inside the mark, as it never covers a neighbour
            frames.append(spot.rect.adjusted(frameWidth / 2, frameWidth / 2, -frameWidth / 2, -frameWidth / 2));
        if (spot.rect.height() >= codeHeight) {
            const bool light = 299 * fill.red() + 587 * fill.green() + 114 * fill.blue() > 128000;
            codes.append({spot.rect, spot.count ? u'+' + QString::number(spot.count) : code(p),
                          spot.count || m.greyed || light});
        }
    }
    if (plan.now.isValid()) { // the current minute, under the marks, with a tick beside the hours
        const qreal y = layout.yOf(plan.now.time().hour() * 60 + plan.now.time().minute());
        painter.setPen(QPen(Qt::red, std::max<qreal>(1, minMark / 2)));
        painter.drawLine(QPointF(layout.grid().left() - layout.hourLabelWidth * 0.12, y),
                         QPointF(layout.dayColumn(0).right(), y));
    }
    // One call a colour.
    painter.setPen(Qt::NoPen);
    for (auto it = fills.cbegin(); it != fills.cend(); ++it) {
        painter.setBrush(QColor::fromRgb(it.key()));
        painter.drawRects(it.value());
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, frameWidth));
    painter.drawRects(frames);
    const QFont written = painter.font();
    for (const auto &[r, text, dark] : std::as_const(codes)) {
        painter.setPen(dark ? Qt::black : Qt::white);
        // A count wider than a code ("+250") is written smaller rather than cut.
        const qreal advance = QFontMetricsF(written).horizontalAdvance(text);
        QFont font = written;
        if (advance > r.width() - 2)
            font.setPointSizeF(written.pointSizeF() * (r.width() - 2) / advance);
        painter.setFont(font);
        painter.drawText(r, Qt::AlignCenter, text);
    }
    painter.restore();
}

WeekPlanWidget::WeekPlanWidget(QWidget *parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(420, 320);
}

void WeekPlanWidget::setPlan(const WeekPlan &plan, const QList<Program> &programs, const QLocale &locale) {
    m_plan = plan;
    m_programs = programs;
    m_locale = locale;
    update();
}

QList<PlanSpot> WeekPlanWidget::spots() const {
    return weekPlanSpots(rect(), font(), m_locale, m_plan);
}

int WeekPlanWidget::spotAt(const QPointF &point) const {
    return PlanSpotAt(spots(), point);
}

QString WeekPlanWidget::spotToolTip(int spot) const {
    const PlanSpot s = spots().at(spot);
    QStringList lines;
    // A count of many marks lists the first ones, as many as a screen holds.
    constexpr int MostLines = 30;
    for (int k = s.mark; k < s.mark + std::min(std::max(1, s.count), MostLines); ++k) {
        const PlanMark &m = m_plan.marks.at(k);
        const Program &p = m_programs.at(m.program);
        const QDateTime at = m_plan.moment(m);
        lines << code(p) + QStringLiteral(" \"") + p.Title + QStringLiteral("\" ") +
                     ScheduleMoment(at.date(), at.time(), m_locale);
    }
    if (s.count > MostLines)
        lines << QStringLiteral("…");
    return lines.join(QLatin1Char('\n'));
}

bool WeekPlanWidget::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (const int spot = spotAt(help->pos()); spot >= 0)
            QToolTip::showText(help->globalPos(), spotToolTip(spot), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void WeekPlanWidget::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    paintWeekPlan(painter, rect(), m_plan, m_programs, m_locale, 3);
}

void WeekPlanWidget::mousePressEvent(QMouseEvent *event) {
    const int spot = spotAt(event->position());
    if (spot >= 0 && event->button() == Qt::LeftButton && spots().at(spot).count == 0)
        emit programClicked(m_plan.marks.at(spots().at(spot).mark).program);
}

TWeekPlanDlg::TWeekPlanDlg(const Clock &clock, std::function<QList<Program>()> programs, QWidget *parent)
    : QDialog(parent)
    , m_clock(clock)
    , m_programs(std::move(programs))
    , m_showGreyed(new QCheckBox(this))
    , m_legend(new QLabel(this))
    , m_widget(new WeekPlanWidget(this))
    , m_minuteTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("TWeekPlanDlg"));
    m_showGreyed->setObjectName(QStringLiteral("ShowGreyed"));
    m_widget->setObjectName(QStringLiteral("WeekPlan"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_showGreyed);
    layout->addWidget(m_widget, 1);
    layout->addWidget(m_legend);
    connect(m_showGreyed, &QCheckBox::toggled, this, &TWeekPlanDlg::refresh);
    connect(m_widget, &WeekPlanWidget::programClicked, this, &TWeekPlanDlg::programClicked);
    // The plan starts at the current minute: a new minute moves its line and drops what passed.
    m_minuteTimer->setObjectName(QStringLiteral("MinuteTimer"));
    m_minuteTimer->setInterval(1000);
    connect(m_minuteTimer, &QTimer::timeout, this, [this] {
        if (!isVisible()) // shown again, it is refreshed then
            return;
        const QDateTime now = m_clock.now();
        if (QDateTime(now.date(), QTime(now.time().hour(), now.time().minute())) != m_shownMinute)
            refresh();
    });
    m_minuteTimer->start();
    setLanguage(Language::English);
}

void TWeekPlanDlg::setLanguage(Language language) {
    setWindowTitle(translated(phrase("Plan", "Week Plan"), language));
    m_showGreyed->setText(
        translated(phrase("Plan", "Also show inactive programs and programs with the timer off"), language));
    m_legend->setText(
        translated(phrase("Plan", "Red frame: two \"Go To Prog\" programs due in the same minute"), language));
}

void TWeekPlanDlg::setDateLocale(const QLocale &locale) {
    m_locale = locale;
    refresh();
}

void TWeekPlanDlg::refresh() {
    const QList<Program> programs = m_programs();
    const WeekPlan plan = BuildWeekPlan(programs, m_clock.now(), m_showGreyed->isChecked());
    m_shownMinute = plan.now;
    m_widget->setPlan(plan, programs, m_locale);
}
