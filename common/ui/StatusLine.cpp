#include "common/ui/StatusLine.h"

#include "common/ui/EditRules.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Fields and commands keep the hint; so does anything inside them (a combo box's list).
bool keepsHint(QWidget *w, QWidget *window)
{
    for (QWidget *p = w; p && p != window; p = p->parentWidget()) {
        if (qobject_cast<QLineEdit *>(p) || qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractButton *>(p)
            || qobject_cast<QPlainTextEdit *>(p) || qobject_cast<QTextEdit *>(p)
            || qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<ClickLabel *>(p)
            || qobject_cast<HighlightRect *>(p))
            return true;
        if (p->isWindow())
            return true;  // a window of its own (a popup) is not the card's background
    }
    return false;
}

} // namespace

StatusLine::StatusLine(QWidget *parent, const QString &readyText) : QLabel(readyText, parent)
{
    setObjectName(QStringLiteral("panInfo"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);  // a long hint goes on to a second line where the strip is tall enough
    setFont(Look::Tahoma(12));
    setStyleSheet(QStringLiteral("QLabel#panInfo { background: %1; color: white; border-radius: 6px; padding-left: 12px; }")
                      .arg(Look::Css(Look::Blue)));
}

StatusLine *PlaceStatusStrip(QWidget *panel, const QRect &place, const QString &readyText)
{
    auto *strip = MakeNamed<QFrame>(panel, QStringLiteral("shpInfo"));
    strip->setGeometry(place);
    auto *line = new StatusLine(strip, readyText);
    line->setGeometry(strip->rect());
    return line;
}

void StatusLine::hint(QWidget *control, const QString &text) { HoverHint(control, this, text); }

void StatusLine::clearOverBackground(QWidget *window)
{
    ClearHintOver(window, this);
    for (QWidget *w : window->findChildren<QWidget *>())
        if (!keepsHint(w, window))
            ClearHintOver(w, this);
}
