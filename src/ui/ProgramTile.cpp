#include "ProgramTile.h"

#include "Icons.h"
#include "model/Clock.h"
#include "project/ScheduleCheck.h"
#include "text/ProgramText.h"
#include "text/ScheduleCheckText.h"

#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const QRect NumberFrame(58, 5, 32, 17);
const QRect NumberText(59, 6, 30, 15);
const QRect TitleFrame(98, 5, 200, 17);
const QRect TitleText(99, 6, 198, 15);
const QPoint ScheduleTextAt(450, 7);
// The widths at the default font, which the columns never go below.
constexpr int ScheduleWidth = 613 - 450;
constexpr int ActionWidth = 52;
constexpr int DotSize = 5;
constexpr int TextY = 7;
constexpr int TextHeight = 15;
constexpr int TextMargin = 4; // between a text and what is beside it

} // namespace

QColor colorOfRecord(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor inputDotColor(const QPalette &palette) {
    const bool dark = palette.color(QPalette::WindowText).lightness() > palette.color(QPalette::Window).lightness();
    return palette.color(dark ? QPalette::WindowText : QPalette::Dark);
}

ProgramTile::ProgramTile(const TileArt &art, QWidget *parent)
    : QWidget(parent)
    , m_art(art) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    QFont strip = font();
    strip.setPixelSize(11);
    setFont(strip);
    fitColumns();
}

ProgramTile::Columns ProgramTile::columnsFor(Language language, const QFont &font) {
    static QHash<QString, Columns> known;
    const QString key = QString::number(int(language)) + font.key();
    if (const auto it = known.constFind(key); it != known.cend())
        return *it;
    const QFontMetrics fm(font);
    // Every schedule line with the widest of each kind of value: each mode, each day name.
    Program p(QDateTime(QDate(2088, 8, 28), QTime(18, 48)));
    p.TimerOn = 1;
    int schedule = 0;
    for (quint8 mode = 0; mode <= 3; ++mode)
        for (quint8 day = 1; day <= 7; ++day) {
            p.TimerMode = mode, p.DayOftheWeek = day;
            schedule = qMax(schedule, fm.horizontalAdvance(ScheduleText(p, language)));
        }
    int action = 0;
    for (quint8 kind = 0; kind <= KindSendEmail; ++kind)
        for (int param : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 88, 255})
            action = qMax(action, fm.horizontalAdvance(ActionShortText(kind, quint8(param))));
    Columns c;
    c.schedule = qMax(ScheduleWidth, schedule + 2 * TextMargin);
    c.action = qMax(ActionWidth, action + 2 * TextMargin);
    c.width = qMax(int(TileWidth), ScheduleTextAt.x() + c.schedule + 6 * c.action + 5 * DotSize + 3);
    known.insert(key, c);
    return c;
}

void ProgramTile::setLanguage(Language language) {
    m_language = language;
    fitColumns();
}

void ProgramTile::fitColumns() {
    m_columns = columnsFor(m_language, font());
    setFixedSize(m_columns.width, TileHeight);
}

void ProgramTile::changeEvent(QEvent *event) {
    if (event->type() == QEvent::FontChange)
        fitColumns();
    QWidget::changeEvent(event);
}

QRect ProgramTile::actionRect(int k) const {
    const int x0 = ScheduleTextAt.x() + m_columns.schedule;
    return QRect(x0 + (m_columns.action + DotSize) * (k - 1), TextY, m_columns.action, TextHeight);
}

int ProgramTile::dotX(int k) const {
    return actionRect(k).right() + 1;
}

void ProgramTile::RefreshTile() {
    m_title = m_program.Title;
    m_color = colorOfRecord(m_program.Color);
    m_number = QString::asprintf("%.3d", int(m_program.Code));
    m_active = m_program.Active == 1;
    m_priority = m_program.Priority == 1;
    m_dots = 0;
    for (int k = 8; k >= 1; --k)
        if (InputBit(k, m_program.Code))
            m_dots |= quint8(1u << (k - 1));
    m_scheduleIcon = 0;
    if (m_program.TimerOn != 1) {
        m_timerOn = false;
        m_schedule = QStringLiteral("...");
    } else {
        m_timerOn = true;
        if (m_program.TimerMode <= 3) {
            m_schedule = ScheduleText(m_program, m_language);
            m_scheduleIcon = m_program.TimerMode + 1;
        } // another mode leaves the text as it was, with no icon
    }
    for (QString &text : m_actions)
        text.clear();
    for (int k = 1; k <= MaxActions && m_program.ActionCount >= k; ++k)
        m_actions[k - 1] = ActionShortText(m_program.ActionKind[k - 1], m_program.ActionParam[k - 1]);
    // A screen reader reads what the tile paints: the code and title, then the schedule and actions.
    QStringList shown;
    for (const QString &text : m_actions)
        if (!text.isEmpty())
            shown << text;
    const QString name = m_number + QStringLiteral(", ") + m_title;
    const QString description = m_schedule + QStringLiteral("; ") + shown.join(QStringLiteral(", "));
    if (name != accessibleName()) // each change is an event for assistive technology
        setAccessibleName(name);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    update();
}

void ProgramTile::setNextRunSource(const Clock *clock, const QLocale *locale) {
    m_clock = clock;
    m_locale = locale;
}

QString ProgramTile::nextRunText() const {
    if (!m_clock || !m_locale)
        return {};
    return NextRunText(m_program, m_clock->now(), m_language, *m_locale);
}

bool ProgramTile::event(QEvent *event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // Worked out now rather than at RefreshTile, so that it stays right as time passes.
    const QString text = nextRunText();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, this);
    }
    return true;
}

void ProgramTile::setHighlighted(bool on) {
    if (m_highlighted == on)
        return;
    m_highlighted = on;
    update();
}

QColor ProgramTile::backgroundColor() const {
    return palette().color(m_highlighted ? QPalette::Light : QPalette::Button);
}

QRect ProgramTile::partRect(Part part) const {
    switch (part) {
    case Part::Background:
        return rect();
    case Part::Number:
        return NumberText;
    case Part::Title:
        return TitleText;
    case Part::Schedule:
        return QRect(ScheduleTextAt, QSize(m_columns.schedule, TextHeight));
    default:
        return actionRect(int(part) - int(Part::Action1) + 1);
    }
}

ProgramTile::Part ProgramTile::partAt(const QPoint &pos) const {
    for (int i = 1; i < PartCount; ++i)
        if (partRect(Part(i)).contains(pos))
            return Part(i);
    return Part::Background;
}

void ProgramTile::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QPalette &pal = palette();
    const QColor light = pal.color(QPalette::Base);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor text = pal.color(QPalette::Text);

    p.fillRect(rect(), backgroundColor());
    p.fillRect(1, 1, 16, 26, m_color);
    p.drawPixmap(18, 7, m_active ? m_art.active : m_art.inactive);
    if (m_priority)
        p.drawPixmap(37, 6, m_art.priority);

    // Number and title boxes: a sunken frame around a light text field.
    for (const auto &[frame, field] : {std::pair{NumberFrame, NumberText}, std::pair{TitleFrame, TitleText}}) {
        p.setPen(shadow);
        p.drawRect(frame.adjusted(0, 0, -1, -1));
        p.fillRect(field, light);
    }
    p.setPen(text);
    p.drawText(NumberText, Qt::AlignCenter, m_number);
    p.drawText(TitleText.adjusted(2, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(m_title, Qt::ElideRight, TitleText.width() - 3));

    // Eight input boxes, leftmost for weight 128, a dot in each input that is set.
    for (int j = 0; j < 8; ++j) {
        const QRect box(301 + 14 * j, 8, 11, 11);
        p.fillRect(box, pal.color(QPalette::Light));
        p.setPen(shadow);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        if (inputDotShown(8 - j))
            p.fillRect(304 + 14 * j, 11, 5, 5, inputDotColor(pal));
    }

    if (m_scheduleIcon >= 1 && m_scheduleIcon <= 4)
        p.drawPixmap(420, 2, m_art.schedule[m_scheduleIcon - 1]);
    if (m_timerOn)
        p.drawPixmap(428, 10, m_art.timerOn);
    p.setPen(text);
    p.drawText(partRect(Part::Schedule), Qt::AlignVCenter | Qt::AlignLeft, m_schedule);

    for (int k = 1; k <= MaxActions; ++k)
        if (!m_actions[k - 1].isEmpty())
            p.drawText(actionRect(k), Qt::AlignCenter, m_actions[k - 1]);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 1; k <= 5; ++k)
        p.drawEllipse(QRect(dotX(k), 11, DotSize, DotSize));
}

void ProgramTile::mousePressEvent(QMouseEvent *event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ProgramTile::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(this, partAt(event->position().toPoint()));
}
