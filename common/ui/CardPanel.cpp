#include "common/ui/CardPanel.h"

#include "common/ui/CommandPictures.h"
#include "common/ui/Look.h"
#include "common/ui/Widgets.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>

#include <algorithm>

QFrame *MakeRoundedPanel(QWidget *parent, const QString &name, const QColor &fill, int radius)
{
    auto *f = MakeNamed<QFrame>(parent, name);
    PaintStyledBackground(f, QStringLiteral("background: %1; border: 1px solid %2; border-radius: %3px;")
                                 .arg(Look::Css(fill), Look::Css(Look::Sky))
                                 .arg(radius));
    f->setMouseTracking(true);
    return f;
}

void PrepareCardWindow(QWidget *window, const QString &name, const QString &caption)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    SetGradientBackground(window, Look::WindowTop, Qt::white);
    window->setMouseTracking(true);
    window->setWindowState(Qt::WindowMaximized);
}

QFrame *PlaceCardPanel(QWidget *window, QSize size, const QString &name)
{
    // The window's own background shows through the scroll area.
    auto *scroll = MakeNamed<QScrollArea>(window, QStringLiteral("scrScheda"));
    scroll->setFrameShape(QFrame::NoFrame);
    // A click on a picture command must leave the focus in the field: nothing around it takes it.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    TakeApplicationLook(scroll);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->viewport()->setMouseTracking(true);
    auto *host = new QWidget;
    host->setObjectName(QStringLiteral("hostScheda"));
    host->setMouseTracking(true);
    auto *grid = new QGridLayout(host);
    grid->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(host);
    host->setAutoFillBackground(false);  // setWidget turns it on; the window shows through

    QFrame *panel = MakeRoundedPanel(host, name, Look::CardPanel, 10);
    panel->setFixedSize(size);
    grid->addWidget(panel, 0, 0, Qt::AlignCenter);

    // On a small screen the field that takes the focus (Enter, Tab, a click) is scrolled into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll, host](QWidget *, QWidget *now) {
        if (!now || !host->isAncestorOf(now))
            return;
        const QRect r(now->mapTo(host, QPoint(0, 0)), now->size());
        scroll->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8, r.height() / 2 + 8);
    });

    auto *outer = new QGridLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll, 0, 0);
    return panel;
}

void DrawPictureOnFirstShow(QLabel *target, PictureMaker draw)
{
    DrawOnFirstShow(target->window(), [target, draw = std::move(draw)] { target->setPixmap(draw(target->size())); });
}

QLabel *MakeDrawnPicture(QWidget *parent, const QString &name, const QRect &place, PictureMaker draw)
{
    auto *l = MakeNamed<QLabel>(parent, name);
    l->setGeometry(place);
    l->setMouseTracking(true);
    DrawPictureOnFirstShow(l, std::move(draw));
    return l;
}

QList<QFrame *> MakeCardSections(QWidget *panel, QPoint topLeft, int width, int gap, const QList<CardSection> &sections)
{
    QList<QFrame *> made;
    int top = topLeft.y();
    for (const CardSection &section : sections) {
        const QString n = QStringLiteral("%1").arg(made.size() + 1, 2, 10, QLatin1Char('0'));
        const int h = section.height;
        QFrame *frame = MakeRoundedPanel(panel, QStringLiteral("shpSezione") + n, Qt::white);
        frame->setGeometry(topLeft.x(), top, width, h);
        const int side = std::min(56, h - 16);
        MakeDrawnPicture(frame, QStringLiteral("imgSezione") + n, QRect(8 + (56 - side) / 2, (h - side) / 2, side, side),
                         section.picture);
        made.append(frame);
        top += h + gap;
    }
    return made;
}

QLabel *MakeCaption(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *l = MakeNamed<QLabel>(parent, name, text);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Look::TahomaPixels(12));
    l->setStyleSheet(QStringLiteral("color: %1;").arg(Look::Css(Look::Navy)));
    l->setGeometry(place);
    return l;
}

CardSection GlyphSection(SectionGlyph glyph, int height)
{
    return {height, [glyph](QSize size) { return SectionPicture(glyph, size); }};
}
