#pragma once

#include <QLabel>

// A label that reports clicks: the editor's title text, number panel, colour swatch and
// the collapse and expand images.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Fills the label's background with `color` (the colour swatch).
    void setFillColor(const QColor &color);
    QColor fillColor() const { return m_fill; }

signals:
    void pressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_fill;
    bool m_down = false;
};

// The eight inputs of the editor: numbers 8..1 over eight boxes, a dot in each input that is
// set, and the weights 128..1 under them. Painted in the panel's coordinates.
class CodeView : public QWidget {
    Q_OBJECT

public:
    static constexpr QPoint Origin{76, 190};
    explicit CodeView(QWidget *parent = nullptr);

    void setDots(quint8 mask); // bit k-1 for input k
    quint8 dots() const { return m_dots; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint8 m_dots = 0;
};
