#pragma once
#include <QColor>
#include <QLabel>
#include <QList>
#include <QWidget>

class QFocusEvent;
class QLineEdit;
class QPushButton;

#include "common/Platform.h"

#include <array>
#include <functional>
#include <memory>

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

// Whether a focus loss is the user leaving the control for another of the same window, as opposed
// to the window losing the focus (a message box or another window opening, a popup): exit rules
// run only on the former, so a message about a field leaves the field's text as typed.
bool LeavesWithinWindow(const QFocusEvent *e);

// The other form of the highlight: the edit's own background, `rest` at rest
// and yellow while it has the focus, always inside a 1-pixel SkyBlue frame.
void AttachBackgroundHighlight(QWidget *edit, const QColor &rest);

// Enter in one field moves the focus to the next; the last leads back to the first.
void EnterFocusChain(const QList<QWidget *> &chain);
// Enter in one field moves the focus to the next; the last binds no Enter of its own, so the path
// stops there.
void EnterFocusPath(const QList<QWidget *> &path);
// Enter (with or without Shift, Ctrl or Alt) in `from` moves the focus to the control `next`
// names at the moment of the key press, when it names one.
void EnterMovesFocus(QWidget *from, std::function<QWidget *()> next);

// Buttons of a dialog: Enter on a focused one presses it, and no button is pressed by Enter
// elsewhere in the window.
void MakeEnterButtons(const QList<QPushButton *> &buttons);
// Enter in `edit` moves the focus to `button` without pressing it; the key goes no further.
void EnterMovesTo(QLineEdit *edit, QPushButton *button);

// Sets one colour role of a widget's palette (text colour that survives style-sheet changes).
void SetPaletteColour(QWidget *w, QPalette::ColorRole role, const QColor &colour);

// Paints `host`'s own background and border from style-sheet declarations ("background: white;
// border: 1px solid #9dc3e6; border-radius: 8px;") on a childless widget that fills the host under
// all its controls, and gives the host the application's palette and font as a style sheet on the
// host would. A style sheet set on the host itself is applied to every control inside it as well,
// which costs time and memory for each of them at creation; this styles one widget only.
void PaintStyledBackground(QWidget *host, const QString &declarations);
// Takes away what PaintStyledBackground painted, leaving the host transparent.
void RemoveStyledBackground(QWidget *host);
// The application's palette and font for `w` and everything inside it, whatever its window has:
// what a style sheet on `w` does to them, without the style sheet.
void TakeApplicationLook(QWidget *w);

// Fills a window's background with a vertical gradient.
void SetGradientBackground(QWidget *w, const QColor &top, const QColor &bottom);

// A text link (Tahoma 14, underlined, dark blue) with its icons: it turns orange while the mouse
// button is held down on the link or on an icon, and dark blue again on release and when it runs.
void MakeTextLink(ClickLabel *link, const QList<ClickLabel *> &icons);

// A window of fixed client size with a caption and no title-bar buttons.
void MakeFixedWindow(QWidget *w, int width, int height);
// Centres a window on the screen, or on `over` when given.
void CenterWindow(QWidget *w, QWidget *over = nullptr);

// Runs `draw` when the window is first shown: windows created at start-up and kept hidden
// do not pay for their pictures.
void DrawOnFirstShow(QWidget *window, std::function<void()> draw);

// Creates a child of the given type with its object name set.
template <typename T, typename... Args>
T *MakeNamed(QWidget *parent, const QString &name, Args &&...args)
{
    T *w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    return w;
}

// Creates repeated children named `stem` with a two-digit index from 01 ("lblFile01"..).
template <typename T, std::size_t N>
std::array<T *, N> MakeNamedArray(QWidget *parent, const QString &stem)
{
    std::array<T *, N> made{};
    for (std::size_t i = 0; i < N; ++i)
        made[i] = MakeNamed<T>(parent, stem + QStringLiteral("%1").arg(int(i) + 1, 2, 10, QLatin1Char('0')));
    return made;
}

// Creates a window owned by `owner`, lets `prepare` fill it, shows it modally and destroys it
// when it closes.
template <typename Window, typename Prepare>
void OpenModal(QWidget *owner, Prepare &&prepare)
{
    const std::unique_ptr<Window> window(new Window(owner));
    prepare(*window);
    ShowModal(window.get());
}
template <typename Window>
void OpenModal(QWidget *owner)
{
    OpenModal<Window>(owner, [](Window &) {});
}
