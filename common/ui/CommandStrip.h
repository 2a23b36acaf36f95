#pragma once
#include "common/ui/CardPanel.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class ClickLabel;
class StatusLine;
class QWidget;

// A picture command: a clickable label that takes no focus, with its handler and hover hint.
struct PictureCommand {
    ClickLabel **control;        // the window's member that receives it, or null (found by name)
    const char *name;            // objectName: "cmdSalva", "btnEmail"
    const char *hint;            // UTF-8, shown in the status line while the mouse is over it
    std::function<void()> run;   // the handler (`cmdSalvaClick`)
    PictureMaker picture;        // drawn at the command's size when the window is first shown
    QRect place = {};            // where it stands in its parent; a strip sets it itself
};

// Makes picture commands where each says it stands.
QList<ClickLabel *> MakePictureCommands(QWidget *parent, const QList<PictureCommand> &commands,
                                        StatusLine *status);

// A strip of command tiles of one size, one after the other from `origin`: a column
// (Qt::Vertical, as on the record cards) or a bar (Qt::Horizontal). `pitch` is the distance from
// one tile to the next. A command's tile is its word drawn by `CommandPicture` unless it brings
// a picture of its own.
struct CommandStripSetup {
    Qt::Orientation orientation = Qt::Vertical;
    QPoint origin;
    QSize tile;
    int pitch;
};
struct StripCommand {
    ClickLabel **control;
    const char *name;
    const char *word;            // UTF-8, the word on the tile
    const char *hint;
    std::function<void()> run;
};
QList<ClickLabel *> MakeCommandStrip(QWidget *parent, const CommandStripSetup &setup,
                                     const QList<StripCommand> &commands, StatusLine *status);

// The command column of a record card: the rounded panel `shpComandi` at `place` in `panel`, the
// commands one under the other, and the card's decoration `imgDecorazione` centred in the space
// left under them.
QList<ClickLabel *> MakeCommandColumn(QWidget *panel, const QRect &place, const QList<StripCommand> &commands,
                                      StatusLine *status);
