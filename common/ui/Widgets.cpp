#include "common/ui/Widgets.h"
#include "common/ui/Look.h"

#include <QDialog>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QLineEdit>
#include <QScreen>

#include <utility>

#ifdef TAVOREN_HAVE_XCB
#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

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
    frame.setColorAt(0, Look::Highlight);
    frame.setColorAt(1, Qt::white);
    p.fillRect(rect(), frame);
    p.fillRect(rect().adjusted(2, 2, -2, -2), Look::Highlight);
}

namespace {

// Tells its function when the watched control gains (true) or loses (false) the focus.
class FocusWatch : public QObject {
public:
    FocusWatch(QWidget *control, std::function<void(bool)> changed) : QObject(control), changed(std::move(changed))
    {
        control->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::FocusIn)
            changed(true);
        else if (e->type() == QEvent::FocusOut)
            changed(false);
        return false;
    }

private:
    std::function<void(bool)> changed;
};

class EnterMover : public QObject {
public:
    EnterMover(QWidget *from, std::function<QWidget *()> next) : QObject(from), next(std::move(next))
    {
        from->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                if (QWidget *to = next())
                    to->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }

private:
    std::function<QWidget *()> next;
};

bool isEnter(QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(e)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Enter on a focused button presses it.
class EnterPresses : public QObject {
public:
    explicit EnterPresses(QPushButton *button) : QObject(button), button(button) { button->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (!isEnter(e))
            return false;
        button->click();
        return true;
    }

private:
    QPushButton *button;
};

// Enter in an edit moves the focus to a button; the key goes no further.
class EnterMoves : public QObject {
public:
    EnterMoves(QLineEdit *edit, QPushButton *button) : QObject(edit), button(button) { edit->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (!isEnter(e))
            return false;
        button->setFocus(Qt::OtherFocusReason);
        return true;
    }

private:
    QPushButton *button;
};

} // namespace

HighlightRect *AttachFieldHighlight(QWidget *edit, const QString &name)
{
    auto *rect = new HighlightRect(edit->parentWidget());
    rect->setObjectName(name);
    rect->setGeometry(edit->geometry().adjusted(-4, -4, 4, 4));
    rect->stackUnder(edit);
    rect->hide();
    new FocusWatch(edit, [rect](bool focused) { rect->setVisible(focused); });
    if (edit->hasFocus())
        rect->show();
    return rect;
}

void AttachBackgroundHighlight(QWidget *edit, const QColor &rest)
{
    const auto colour = [edit, rest](bool focused) {
        edit->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid %2;")
                                .arg(Look::Css(focused ? Look::FocusYellow : rest), Look::Css(Look::SkyBlue)));
    };
    new FocusWatch(edit, colour);
    colour(edit->hasFocus());
}

void EnterFocusChain(const QList<QWidget *> &chain)
{
    for (int i = 0; i < chain.size(); ++i)
        new EnterMover(chain[i], [to = chain[(i + 1) % chain.size()]] { return to; });
}

void EnterFocusPath(const QList<QWidget *> &path)
{
    for (int i = 0; i + 1 < path.size(); ++i)
        new EnterMover(path[i], [to = path[i + 1]] { return to; });
}

void EnterMovesFocus(QWidget *from, std::function<QWidget *()> next) { new EnterMover(from, std::move(next)); }

void SetPaletteColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

namespace {

// Keeps the backdrop as large as its host.
class StyledBackdrop : public QFrame {
public:
    StyledBackdrop(QWidget *host, const QString &declarations) : QFrame(host)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setStyleSheet(declarations);
        setGeometry(host->rect());
        lower();
        host->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
};

} // namespace

void TakeApplicationLook(QWidget *w)
{
    QPalette palette = QApplication::palette(w);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    w->setPalette(palette);
    QFont font = QApplication::font(w);
    font.setResolveMask(QFont::AllPropertiesResolved);
    w->setFont(font);
}

void PaintStyledBackground(QWidget *host, const QString &declarations)
{
    TakeApplicationLook(host);
    new StyledBackdrop(host, declarations);
}

void RemoveStyledBackground(QWidget *host)
{
    for (QObject *child : host->children())
        if (auto *backdrop = dynamic_cast<StyledBackdrop *>(child))
            delete backdrop;
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

namespace {

void SetLinkColour(ClickLabel *link, const QColor &c) { SetPaletteColour(link, QPalette::WindowText, c); }

} // namespace

void MakeTextLink(ClickLabel *link, const QList<ClickLabel *> &icons)
{
    QFont f = Look::TahomaPixels(14);
    f.setUnderline(true);
    link->setFont(f);
    SetLinkColour(link, Look::LinkBlue);
    QList<ClickLabel *> all = icons;
    all.prepend(link);
    for (ClickLabel *part : all) {
        QObject::connect(part, &ClickLabel::pressed, link, [link] { SetLinkColour(link, Look::LinkPressed); });
        QObject::connect(part, &ClickLabel::released, link, [link] { SetLinkColour(link, Look::LinkBlue); });
        QObject::connect(part, &ClickLabel::clicked, link, [link] { SetLinkColour(link, Look::LinkBlue); });
    }
}

namespace {

// Asks an X11 window manager for a border and a title bar without buttons. For a window with a
// title and no buttons Qt sets only the functions of the Motif hints; window managers that draw
// their buttons from the decorations need those too. The hints are written when the window is
// shown, before it is mapped, after Qt has written its own.
class TitleOnlyDecorations : public QObject {
public:
    explicit TitleOnlyDecorations(QWidget *w) : QObject(w) { w->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            write(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void write(QWidget *w)
    {
#ifdef TAVOREN_HAVE_XCB
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !w->windowHandle())
            return;
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return;
        static const QByteArray name("_MOTIF_WM_HINTS");
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr);
        if (!atom)
            return;
        enum : uint32_t { HintFunctions = 1, HintDecorations = 2 };
        enum : uint32_t { FunctionMove = 4 };
        enum : uint32_t { DecorationBorder = 2, DecorationTitle = 8 };
        const uint32_t hints[5] = {HintFunctions | HintDecorations, FunctionMove, DecorationBorder | DecorationTitle,
                                   0, 0};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(w->winId()), atom->atom, atom->atom, 32,
                            5, hints);
        free(atom);
#else
        Q_UNUSED(w);
#endif
    }
};

} // namespace

void MakeFixedWindow(QWidget *w, int width, int height)
{
    Qt::WindowFlags kind = qobject_cast<QDialog *>(w) ? Qt::Dialog : Qt::Window;
    w->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setFixedSize(width, height);
    new TitleOnlyDecorations(w);
}

void CenterWindow(QWidget *w, QWidget *over)
{
    QRect area;
    if (over && over->isVisible())
        area = over->frameGeometry();
    else if (QScreen *s = (over ? over->screen() : w->screen()))
        area = s->availableGeometry();
    else
        return;
    QRect r(QPoint(0, 0), w->size());
    r.moveCenter(area.center());
    w->move(r.topLeft());
}

namespace {

class FirstShow : public QObject {
public:
    FirstShow(QWidget *window, std::function<void()> draw) : QObject(window), draw(std::move(draw))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show && draw) {
            auto run = std::move(draw);
            draw = nullptr;
            run();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> draw;
};

} // namespace

void DrawOnFirstShow(QWidget *window, std::function<void()> draw) { new FirstShow(window, std::move(draw)); }

void MakeEnterButtons(const QList<QPushButton *> &buttons)
{
    for (QPushButton *b : buttons) {
        b->setAutoDefault(false);
        b->setDefault(false);
        new EnterPresses(b);
    }
}

void EnterMovesTo(QLineEdit *edit, QPushButton *button) { new EnterMoves(edit, button); }

bool LeavesWithinWindow(const QFocusEvent *e)
{
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}
