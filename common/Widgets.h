#pragma once
#include <QColor>
#include <QLabel>
#include <QList>
#include <QWidget>

// A picture or text that acts as a command: it takes no focus, so clicking it never makes the
// focused edit lose its focus first.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr, const QString &name = QString());

signals:
    void clicked();
    void pressed();
    void released();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
};

// The yellow rectangle behind an edit, shown while the edit has the focus.
class HighlightRect : public QWidget {
    Q_OBJECT
public:
    explicit HighlightRect(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;
};

// Creates the highlight named `name` behind `edit` (its bounds grown by 4 on every side),
// hidden until the edit takes the focus. Set the edit's geometry first.
HighlightRect *AttachFieldHighlight(QWidget *edit, const QString &name);

// Enter in one field moves the focus to the next; the last leads back to the first.
void EnterFocusChain(const QList<QWidget *> &chain);

// Fills a window's background with a vertical gradient.
void SetGradientBackground(QWidget *w, const QColor &top, const QColor &bottom);

// Creates a child of the given type with its object name set.
template <typename T, typename... Args>
T *MakeNamed(QWidget *parent, const QString &name, Args &&...args)
{
    T *w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    return w;
}
