#include "common/Widgets.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        emit pressed();
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        emit released();
        if (rect().contains(e->position().toPoint()))
            emit clicked();
    }
    QLabel::mouseReleaseEvent(e);
}

void ClickLabel::mouseMoveEvent(QMouseEvent *e)
{
    emit hovered();
    QLabel::mouseMoveEvent(e);
}

HighlightRect::HighlightRect(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void HighlightRect::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient frame(0, 0, 0, height());
    frame.setColorAt(0, QColor(255, 255, 0));
    frame.setColorAt(1, Qt::white);
    p.fillRect(rect(), frame);
    p.fillRect(rect().adjusted(2, 2, -2, -2), QColor(255, 255, 0));
}

namespace {

class FocusToggle : public QObject {
public:
    FocusToggle(QWidget *edit, QWidget *rect) : QObject(edit), rect(rect) { edit->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn)
            rect->show();
        else if (e->type() == QEvent::FocusOut)
            rect->hide();
        return false;
    }

private:
    QWidget *rect;
};

class EnterMover : public QObject {
public:
    EnterMover(QWidget *from, QWidget *to) : QObject(from), to(to) { from->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                to->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }

private:
    QWidget *to;
};

} // namespace

HighlightRect *AttachFieldHighlight(QWidget *edit, const QString &name)
{
    auto *rect = new HighlightRect(edit->parentWidget());
    rect->setObjectName(name);
    rect->setGeometry(edit->geometry().adjusted(-4, -4, 4, 4));
    rect->stackUnder(edit);
    rect->hide();
    new FocusToggle(edit, rect);
    if (edit->hasFocus())
        rect->show();
    return rect;
}

void EnterFocusChain(const QList<QWidget *> &chain)
{
    for (int i = 0; i < chain.size(); ++i)
        new EnterMover(chain[i], chain[(i + 1) % chain.size()]);
}

void SetGradientBackground(QWidget *w, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, 1);
    g.setCoordinateMode(QGradient::ObjectMode);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, QBrush(g));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
