#include "EditorWidgets.h"

#include "ProgramTile.h"

#include <QMouseEvent>
#include <QPainter>

void ClickLabel::setFillColor(const QColor &color) {
    m_fill = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void ClickLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_down = true;
    emit pressed();
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = m_down && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_down = false;
    if (click)
        emit clicked();
    event->accept();
}

CodeView::CodeView(QWidget *parent)
    : QWidget(parent) {
    setGeometry(QRect(Origin, QSize(260 - Origin.x() + 22, 56)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CodeView::setDots(quint8 mask) {
    if (mask == m_dots)
        return;
    m_dots = mask;
    update();
}

void CodeView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.translate(-Origin);
    const QPalette &pal = palette();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    p.setFont(small);
    for (int j = 0; j < 8; ++j) {
        const int x = 85 + 24 * j;
        const int input = 8 - j;
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(x - 6, 194, 25, 14), Qt::AlignCenter, QString::number(input));
        p.fillRect(x, 210, 13, 13, pal.color(QPalette::Midlight));
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(x, 210, 12, 12);
        if ((m_dots >> (input - 1)) & 1)
            p.fillRect(x + 3, 213, 7, 7, inputDotColor(pal));
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(x - 6, 225, 25, 14), Qt::AlignCenter, QString::number(1 << (input - 1)));
    }
}
