#include "WeekPlanView.h"

#include "LittleOneProg.h"
#include "model/Clock.h"
#include "text/text.h"

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

QString code(const TORBEXProg &p) {
    return QStringLiteral("%1").arg(p.Inputs, 3, 10, QLatin1Char('0'));
}

// The font of the codes inside the marks: a little smaller than the labels'.
QFont codeFont(const QFont &font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() * 0.8);
    return small;
}

} // namespace

qreal weekPlanMarkHeight(const PlanLayout &layout, const QFont &font, qreal minMark) {
    // As tall as a code where two marks of one hour (at :00 and :30) still stay apart.
    return std::max(minMark, std::min(layout.hourBand(0).height() * 0.48, QFontMetricsF(codeFont(font)).height()));
}

PlanLayout weekPlanLayout(const QRectF &area, const QFont &font) {
    const QFontMetricsF fm(font);
    return PlanLayout{area, fm.horizontalAdvance(QStringLiteral("00:00")) + fm.averageCharWidth(), fm.height() * 1.6};
}

void paintWeekPlan(QPainter &painter, const QRectF &area, const WeekPlan &plan, const QList<TORBEXProg> &programs,
                   const QLocale &locale, qreal minMark) {
    const PlanLayout layout = weekPlanLayout(area, painter.font());
    const QFontMetricsF fm(painter.font());
    const qreal markHeight = weekPlanMarkHeight(layout, painter.font(), minMark);
    painter.save();
    painter.fillRect(area, Qt::white);
    const QPen grid(QColor(0xC8, 0xC8, 0xC8), 0);
    for (int hour = 0; hour < 24; ++hour) {
        const QRectF band = layout.hourBand(hour);
        if (hour % 2)
            painter.fillRect(band, QColor(0xF4, 0xF4, 0xF4));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), band.top(), layout.hourLabelWidth, band.height()),
                         Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
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
    const QFontMetricsF codeMetrics(painter.font());
    const qreal codeHeight = codeMetrics.capHeight() + 2, codeWidth = codeMetrics.horizontalAdvance(u"000"_s) + 2;
    // A code is written only where the next minute's marks leave it room.
    QHash<QRgb, QList<QRect>> fills; // whole device pixels: the painter's fast path
    QList<QRectF> frames;
    struct Code {
        QRectF rect;
        QString text;
        bool dark;
    };
    QList<Code> codes;
    qsizetype nextMinute = 0;
    for (qsizetype k = 0; k < plan.marks.size(); ++k) {
        const PlanMark &m = plan.marks[k];
        if (k == nextMinute)
            for (nextMinute = k + m.lanes - m.lane;
                 nextMinute < plan.marks.size() && plan.marks[nextMinute].day == m.day &&
                 layout.yOf(plan.marks[nextMinute].minuteOfDay) - layout.yOf(m.minuteOfDay) < codeHeight;)
                nextMinute += plan.marks[nextMinute].lanes;
        const bool roomBelow =
            k < nextMinute &&
            (nextMinute >= plan.marks.size() || plan.marks[nextMinute].day != m.day ||
             layout.yOf(plan.marks[nextMinute].minuteOfDay) - layout.yOf(m.minuteOfDay) >= codeHeight);
        const TORBEXProg &p = programs.at(m.program);
        const QRectF r = layout.markRect(m, markHeight);
        const QColor fill = m.greyed ? QColor(0xD0, 0xD0, 0xD0) : colorOfRecord(p.Color);
        fills[fill.rgb()].append(r.toRect());
        if (m.conflict)
            frames.append(r);
        if (roomBelow && r.height() >= codeHeight && r.width() >= codeWidth) {
            const bool light = 299 * fill.red() + 587 * fill.green() + 114 * fill.blue() > 128000;
            codes.append({r, code(p), m.greyed || light});
        }
    }
    // One call a colour: a plan of 255 hourly programs holds 42,840 marks.
    painter.setPen(Qt::NoPen);
    for (auto it = fills.cbegin(); it != fills.cend(); ++it) {
        painter.setBrush(QColor::fromRgb(it.key()));
        painter.drawRects(it.value());
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::red, std::max<qreal>(1, minMark / 3)));
    painter.drawRects(frames);
    for (const auto &[r, text, dark] : std::as_const(codes)) {
        painter.setPen(dark ? Qt::black : Qt::white);
        painter.drawText(r, Qt::AlignCenter, text);
    }
    if (plan.now.isValid()) { // the current minute, in the first column
        const qreal y = layout.yOf(plan.now.time().hour() * 60 + plan.now.time().minute());
        const QRectF first = layout.dayColumn(0);
        painter.setPen(QPen(Qt::red, std::max<qreal>(1, minMark / 2)));
        painter.drawLine(QPointF(first.left(), y), QPointF(first.right(), y));
    }
    painter.restore();
}

WeekPlanWidget::WeekPlanWidget(QWidget *parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(420, 320);
}

void WeekPlanWidget::setPlan(const WeekPlan &plan, const QList<TORBEXProg> &programs, const QLocale &locale) {
    m_plan = plan;
    m_programs = programs;
    m_locale = locale;
    update();
}

int WeekPlanWidget::markAt(const QPointF &point) const {
    const PlanLayout layout = weekPlanLayout(rect(), font());
    return layout.markAt(m_plan, point, weekPlanMarkHeight(layout, font(), 3));
}

QString WeekPlanWidget::markToolTip(int mark) const {
    const PlanMark &m = m_plan.marks.at(mark);
    const TORBEXProg &p = m_programs.at(m.program);
    const QDateTime at = m_plan.moment(m);
    return code(p) + QStringLiteral(" \"") + p.Title + QStringLiteral("\" ") +
           m_locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           at.time().toString(QStringLiteral("HH:mm"));
}

bool WeekPlanWidget::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (const int mark = markAt(help->pos()); mark >= 0)
            QToolTip::showText(help->globalPos(), markToolTip(mark), this);
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
    if (const int mark = markAt(event->position()); mark >= 0 && event->button() == Qt::LeftButton)
        emit programClicked(m_plan.marks.at(mark).program);
}

TWeekPlanDlg::TWeekPlanDlg(const Clock &clock, std::function<QList<TORBEXProg>()> programs, QWidget *parent)
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
    setLanguage(English);
}

void TWeekPlanDlg::setLanguage(int language) {
    setWindowTitle(LanguageText(PlanRow::WeekPlanCaption, language));
    m_showGreyed->setText(LanguageText(PlanRow::ShowGreyed, language));
    m_legend->setText(LanguageText(PlanRow::ConflictLegend, language));
}

void TWeekPlanDlg::setDateLocale(const QLocale &locale) {
    m_locale = locale;
    refresh();
}

void TWeekPlanDlg::refresh() {
    const QList<TORBEXProg> programs = m_programs();
    const WeekPlan plan = BuildWeekPlan(programs, m_clock.now(), m_showGreyed->isChecked());
    m_shownMinute = plan.now;
    m_widget->setPlan(plan, programs, m_locale);
}
