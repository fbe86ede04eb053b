#pragma once

#include <QLabel>
#include <QStringList>
#include <QToolButton>

class QBoxLayout;

// A label that reports clicks: the editor's title text, code panel, colour swatch and the
// collapse and expand images.
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
// set, and the weights 128..1 under them.
class CodeView : public QWidget {
    Q_OBJECT

public:
    explicit CodeView(QWidget *parent = nullptr);

    void setDots(quint8 mask); // bit k-1 for input k
    quint8 dots() const { return m_dots; }
    QSize sizeHint() const override { return {206, 56}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint8 m_dots = 0;
};

// A group of the editor: a sunken frame with its title on a dark strip across the top, and
// its contents below, on the light 3D colour when `lightContents`.
class EditorGroup : public QWidget {
    Q_OBJECT

public:
    explicit EditorGroup(bool lightContents, QWidget *parent = nullptr);

    QLabel *title() const { return m_title; }
    // `contents` lays out the group's fields under the title, with `margins` around them.
    void setContents(QLayout *contents, const QMargins &margins);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void colourTitle();

    bool m_light;
    QLabel *m_title;
};

// A tool button as wide as the widest of the captions it may show in the current language,
// so that its place does not change with its caption.
class CaptionButton : public QToolButton {
    Q_OBJECT

public:
    CaptionButton(int minimumWidth, QWidget *parent = nullptr);

    void setCaptions(const QStringList &captions);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    void measure();

    int m_minimumWidth;
    int m_width = 0;
    QStringList m_captions;
};

// The text of a label row as a name, without its closing colon and blanks ("Clock :" -> "Clock").
QString nameOfLabel(QString text);
