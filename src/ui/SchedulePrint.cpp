#include "SchedulePrint.h"

#include "WeekPlanView.h"
#include "model/TimerRule.h"
#include "project/ScheduleCheck.h"
#include "project/WeekPlan.h"
#include "text/ProgramText.h"
#include "text/ScheduleCheckText.h"
#include "text/Translation.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

// The table's geometry, in millimetres of the printable area (A4, 15 mm margins).
constexpr qreal PageWidth = 180, PageHeight = 267;
constexpr qreal HeaderHeight = 45, RowHeight = 9, TableHeadHeight = 7, FooterHeight = 8;
constexpr int FirstPageRows = int((PageHeight - HeaderHeight - TableHeadHeight - FooterHeight) / RowHeight);
constexpr int PageRows = int((PageHeight - TableHeadHeight - FooterHeight) / RowHeight);
constexpr std::array<qreal, 6> ColumnWidths = {10, 32, 13, 34, 65, 26};

QPageLayout a4(QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

class Printer {
public:
    Printer(QPagedPaintDevice &device, Language language, const QLocale &locale)
        : m_device(device)
        , m_language(language)
        , m_locale(locale) {}

    int print(const Project &project, const QDateTime &now) {
        m_device.setPageLayout(a4(QPageLayout::Portrait));
        QPainter painter;
        if (!painter.begin(&m_device))
            return 0;
        m_painter = &painter;
        m_pages = schedulePageCount(project.Programs.size());
        header(project, now);
        qreal y = HeaderHeight;
        int onPage = FirstPageRows;
        tableHead(y);
        for (qsizetype i = 0; i < project.Programs.size(); ++i) {
            if (onPage == 0) {
                footer();
                m_device.newPage();
                ++m_page;
                y = 0;
                onPage = PageRows;
                tableHead(y);
            }
            row(project.Programs[i], now, y, i % 2 == 1);
            y += RowHeight;
            --onPage;
        }
        footer();
        m_device.setPageLayout(a4(QPageLayout::Landscape));
        m_device.newPage();
        ++m_page;
        const qreal width = 267, height = 180;
        setFont(12, true);
        painter.drawText(mm(QRectF(0, 0, width, 8)), Qt::AlignLeft | Qt::AlignVCenter,
                         translated(phrase("Plan", "Week Plan"), m_language) + QStringLiteral(" — ") +
                             project.Properties.ProjectName);
        setFont(7, false);
        paintWeekPlan(painter, mm(QRectF(0, 10, width, height - 10 - FooterHeight)),
                      BuildWeekPlan(project.Programs, now, false), project.Programs, m_locale, mmToPx(0.6));
        footer(width, height);
        painter.end();
        return m_page;
    }

private:
    qreal mmToPx(qreal mm) const { return mm * m_device.logicalDpiY() / 25.4; }
    QRectF mm(const QRectF &r) const { return {mmToPx(r.x()), mmToPx(r.y()), mmToPx(r.width()), mmToPx(r.height())}; }

    void setFont(int points, bool bold) {
        QFont font = m_painter->font();
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter->setFont(font);
    }

    void header(const Project &project, const QDateTime &now) {
        setFont(9, false);
        const QString printed = m_locale.toString(now, QLocale::ShortFormat);
        const qreal printedWidth = m_painter->fontMetrics().horizontalAdvance(printed) * 25.4 / m_device.logicalDpiX();
        m_painter->drawText(mm(QRectF(0, 0, PageWidth, 10)), Qt::AlignRight | Qt::AlignVCenter, printed);
        setFont(16, true);
        m_painter->drawText(mm(QRectF(0, 0, PageWidth - printedWidth - 5, 10)), Qt::AlignLeft | Qt::AlignVCenter,
                            elided(project.Properties.ProjectName, PageWidth - printedWidth - 5));
        setFont(9, false);
        const ProjectProperties &g = project.Properties;
        const std::array<std::pair<Phrase, QString>, 6> lines = {
            {{phrase("ProjectPropertiesDialog", " Object :"), g.Subject},
             {phrase("ProjectPropertiesDialog", " Author :"), g.Author},
             {phrase("ProjectPropertiesDialog", " Copyright :"), g.RightsNotice},
             {phrase("ProjectPropertiesDialog", " Customer :"), g.Customer},
             {phrase("ProjectPropertiesDialog", " Creation Date :"), g.CreationDate},
             {phrase("ProjectPropertiesDialog", " Diffusion Date :"), g.DiffusionDate}}};
        qreal y = 12;
        for (const auto &[row, value] : lines) {
            m_painter->drawText(mm(QRectF(0, y, 45, 5)), Qt::AlignLeft | Qt::AlignVCenter,
                                translated(row, m_language).trimmed());
            m_painter->drawText(mm(QRectF(45, y, PageWidth - 45, 5)), Qt::AlignLeft | Qt::AlignVCenter,
                                elided(value, PageWidth - 45));
            y += 5;
        }
    }

    QString elided(const QString &text, qreal widthMm) const {
        return m_painter->fontMetrics().elidedText(text, Qt::ElideRight, int(mmToPx(widthMm)));
    }

    // One cell a column; the texts of `wrapped` columns wrap and the rest are elided, each
    // kept to its cell.
    void cells(qreal y, qreal height, const std::array<QString, 6> &texts, std::initializer_list<int> wrapped) {
        qreal x = 0;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QRectF r = mm(QRectF(x + 1, y, ColumnWidths[c] - 2, height));
            const bool wrap = std::find(wrapped.begin(), wrapped.end(), int(c)) != wrapped.end();
            m_painter->save();
            m_painter->setClipRect(r);
            m_painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter | (wrap ? Qt::TextWordWrap : 0),
                                wrap ? texts[c] : elided(texts[c], ColumnWidths[c] - 2));
            m_painter->restore();
            x += ColumnWidths[c];
        }
    }

    void tableHead(qreal y) {
        setFont(8, true);
        cells(y, TableHeadHeight,
              {translated(phrase("Plan", "Code"), m_language), translated(phrase("Plan", "Title"), m_language),
               translated(phrase("Plan", "Active"), m_language), translated(phrase("Plan", "Timer"), m_language),
               translated(phrase("Plan", "Actions"), m_language), translated(phrase("Plan", "Next run"), m_language)},
              {0, 1, 2, 3, 4, 5});
        m_painter->drawLine(mm(QRectF(0, y + TableHeadHeight, PageWidth, 0)).topLeft(),
                            mm(QRectF(0, y + TableHeadHeight, PageWidth, 0)).topRight());
    }

    void row(const Program &p, const QDateTime &now, qreal y, bool shaded) {
        y += TableHeadHeight;
        if (shaded)
            m_painter->fillRect(mm(QRectF(0, y, PageWidth, RowHeight)), QColor(0xF0, 0xF0, 0xF0));
        setFont(6, false);
        QStringList actions;
        for (int k = 0; k < std::min<int>(p.ActionCount, MaxActions); ++k)
            actions << actionCaption(p.ActionKind[k], p.ActionParam[k], m_language);
        const QString next = NextRunMoment(p, now, m_language, m_locale);
        cells(y, RowHeight,
              {QStringLiteral("%1").arg(p.Code, 3, 10, QLatin1Char('0')), p.Title,
               translated(p.Active == 1 ? phrase("Plan", "yes") : phrase("Plan", "no"), m_language),
               ScheduleText(p, m_language), actions.join(QStringLiteral("; ")),
               next.isEmpty() ? QStringLiteral("—") : next},
              {1, 3, 4});
    }

    void footer(qreal width = PageWidth, qreal height = PageHeight) {
        setFont(7, false);
        m_painter->drawText(mm(QRectF(0, height - FooterHeight + 2, width, FooterHeight - 2)),
                            Qt::AlignRight | Qt::AlignBottom,
                            //: %1 is the page's number, %2 the number of pages
                            translated(phrase("Plan", "Page %1 of %2"), m_language).arg(m_page).arg(m_pages));
    }

    QPagedPaintDevice &m_device;
    Language m_language;
    QLocale m_locale;
    QPainter *m_painter = nullptr;
    int m_page = 1;
    int m_pages = 1;
};

} // namespace

int schedulePageCount(qsizetype programs) {
    const qsizetype rest = std::max<qsizetype>(0, programs - FirstPageRows);
    return int(1 + (rest + PageRows - 1) / PageRows + 1);
}

int printSchedule(QPagedPaintDevice &device, const Project &project, const QDateTime &now, Language language,
                  const QLocale &locale) {
    return Printer(device, language, locale).print(project, now);
}
