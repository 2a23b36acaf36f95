#include "common/ui/CommandStrip.h"

#include "common/ui/CardPanel.h"
#include "common/ui/CommandPictures.h"
#include "common/ui/Look.h"
#include "common/ui/StatusLine.h"
#include "common/ui/Widgets.h"

#include <QFrame>

#include <algorithm>

QList<ClickLabel *> MakePictureCommands(QWidget *parent, const QList<PictureCommand> &commands,
                                        StatusLine *status)
{
    QList<ClickLabel *> made;
    for (const PictureCommand &c : commands) {
        auto *label = new ClickLabel(parent, QString::fromLatin1(c.name));
        label->setGeometry(c.place);
        if (c.picture)
            DrawPictureOnFirstShow(label, c.picture);
        if (c.run)
            QObject::connect(label, &ClickLabel::clicked, label, c.run);
        if (status)
            status->hint(label, QString::fromUtf8(c.hint));
        if (c.control)
            *c.control = label;
        made << label;
    }
    return made;
}

QList<ClickLabel *> MakeCommandStrip(QWidget *parent, const CommandStripSetup &setup,
                                     const QList<StripCommand> &commands, StatusLine *status)
{
    QList<PictureCommand> placed;
    QPoint at = setup.origin;
    const QPoint step = setup.orientation == Qt::Vertical ? QPoint(0, setup.pitch) : QPoint(setup.pitch, 0);
    for (const StripCommand &c : commands) {
        const QString word = QString::fromUtf8(c.word);
        placed << PictureCommand{c.control, c.name, c.hint, c.run,
                                 [word](QSize size) { return CommandPicture(word, size); }, QRect(at, setup.tile)};
        at += step;
    }
    const QList<ClickLabel *> made = MakePictureCommands(parent, placed, status);
    // A tile's word, for whoever reads the window other than by looking at it.
    for (int i = 0; i < made.size(); ++i)
        made[i]->setAccessibleName(QString::fromUtf8(commands[i].word));
    return made;
}

QList<ClickLabel *> MakeCommandColumn(QWidget *panel, const QRect &place, const QList<StripCommand> &commands,
                                      StatusLine *status)
{
    QFrame *column = MakeRoundedPanel(panel, QStringLiteral("shpComandi"), Look::Pale);
    column->setGeometry(place);
    const QList<ClickLabel *> made = MakeCommandStrip(
        column,
        {.orientation = Qt::Vertical, .origin = QPoint(8, 8), .tile = QSize(column->width() - 16, 38), .pitch = 43},
        commands, status);
    const int height = place.height();
    const int below = made.isEmpty() ? 0 : made.last()->geometry().bottom() + 1;
    const int side = std::min(column->width() - 16, height - below - 16);
    MakeDrawnPicture(column, QStringLiteral("imgDecorazione"),
                     QRect((column->width() - side) / 2, below + (height - below - side) / 2, side, side),
                     [](QSize size) { return DecorationPicture(size); });
    return made;
}
