#include "tests/support/WholeTexts.h"

#include "common/ui/CommandPictures.h"
#include "common/ui/Widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QString described(const QWidget *w, const QString &text) { return w->objectName() + QStringLiteral(": ") + text; }

bool labelShowsWhole(const QLabel *label)
{
    if (label->text().isEmpty())
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QSize need = label->sizeHint();
    return need.width() <= label->width() && QFontMetrics(label->font()).height() <= label->contentsRect().height();
}

bool buttonShowsWhole(const QAbstractButton *button)
{
    if (button->text().isEmpty())
        return true;
    // A push button's size hint has a minimum width of its own; its text needs only room to stand.
    if (qobject_cast<const QPushButton *>(button))
        return QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8 <= button->width();
    return button->sizeHint().width() <= button->width();
}

} // namespace

bool EditShowsWhole(const QLineEdit *edit, const QString &text)
{
    // The frame of the style and the line edit's own margin of two pixels on either side.
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const QMargins margins = edit->textMargins();
    const int room = edit->width() - 2 * frame - 4 - margins.left() - margins.right();
    return QFontMetrics(edit->font()).horizontalAdvance(text) <= room;
}

QStringList CutTexts(QWidget *window)
{
    QStringList cut;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *tile = qobject_cast<ClickLabel *>(w)) {
            if (!tile->accessibleName().isEmpty()
                && CommandWordPixels(tile->accessibleName(), tile->size()) < ReadableTilePixels)
                cut << described(tile, tile->accessibleName());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!labelShowsWhole(label))
                cut << described(label, label->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!buttonShowsWhole(button))
                cut << described(button, button->text());
        }
    }

    // Every hint, as the mouse brings it into the status line.
    auto *status = window->findChild<QLabel *>(QStringLiteral("panInfo"));
    if (status && status->isVisibleTo(window)) {
        const QString before = status->text();
        for (QWidget *w : widgets) {
            if (!w->isVisibleTo(window) || w == status)
                continue;
            status->setText(QString());
            QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), w->mapToGlobal(QPointF(1, 1)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &move);
            if (!labelShowsWhole(status))
                cut << described(status, status->text()) + QStringLiteral(" (over ") + w->objectName()
                           + QLatin1Char(')');
        }
        status->setText(before);
    }
    cut.removeDuplicates();
    return cut;
}
