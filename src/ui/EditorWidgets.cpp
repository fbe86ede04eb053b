#include "EditorWidgets.h"

#include "ProgramTile.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <qdrawutil.h>

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
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CodeView::setDots(quint8 mask) {
    if (mask == m_dots)
        return;
    m_dots = mask;
    update();
}

void CodeView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QPalette &pal = palette();
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    p.setFont(small);
    for (int j = 0; j < 8; ++j) {
        const int x = 9 + 24 * j;
        const int input = 8 - j;
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(x - 6, 4, 25, 14), Qt::AlignCenter, QString::number(input));
        p.fillRect(x, 20, 13, 13, pal.color(QPalette::Midlight));
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(x, 20, 12, 12);
        if ((m_dots >> (input - 1)) & 1)
            p.fillRect(x + 3, 23, 7, 7, inputDotColor(pal));
        p.setPen(pal.color(QPalette::WindowText));
        p.drawText(QRect(x - 6, 35, 25, 14), Qt::AlignCenter, QString::number(1 << (input - 1)));
    }
}

EditorGroup::EditorGroup(bool lightContents, QWidget *parent)
    : QWidget(parent)
    , m_light(lightContents)
    , m_title(new QLabel(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1); // inside the frame's line
    layout->setSpacing(0);
    m_title->setFixedHeight(15);
    m_title->setAutoFillBackground(true);
    m_title->setBackgroundRole(QPalette::Dark);
    m_title->setIndent(4);
    colourTitle();
    layout->addWidget(m_title);
}

void EditorGroup::setContents(QLayout *contents, const QMargins &margins) {
    contents->setContentsMargins(margins);
    static_cast<QVBoxLayout *>(layout())->addLayout(contents, 1);
}

// Light text on the dark strip; in a dark palette Light is dark too, and the window's text is light.
void EditorGroup::colourTitle() {
    const QPalette &pal = palette();
    const bool darkPalette = pal.color(QPalette::WindowText).lightness() > pal.color(QPalette::Window).lightness();
    m_title->setForegroundRole(darkPalette ? QPalette::WindowText : QPalette::Light);
}

void EditorGroup::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange)
        colourTitle();
    QWidget::changeEvent(event);
}

void EditorGroup::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (m_light)
        p.fillRect(rect(), palette().color(QPalette::Midlight));
    qDrawShadeRect(&p, rect(), palette(), true, 1, 0);
}

CaptionButton::CaptionButton(int minimumWidth, QWidget *parent)
    : QToolButton(parent)
    , m_minimumWidth(minimumWidth) {
    setFixedSize(minimumWidth, 22);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    setFocusPolicy(Qt::NoFocus);
}

void CaptionButton::setCaptions(const QStringList &captions) {
    m_captions = captions;
    measure();
}

void CaptionButton::measure() {
    const QString own = text();
    int widest = m_minimumWidth;
    for (const QString &caption : std::as_const(m_captions)) {
        setText(caption);
        widest = qMax(widest, QToolButton::sizeHint().width());
    }
    setText(own);
    m_width = widest;
    setFixedWidth(widest); // a new caption then leaves the layout alone
}

QSize CaptionButton::sizeHint() const {
    return {qMax(m_width, m_minimumWidth), 22};
}

void CaptionButton::changeEvent(QEvent *event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measure();
}

QString nameOfLabel(QString text) {
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == u':'))
        text.chop(1);
    return text;
}
