#pragma once
#include "common/Record.h"

#include <QString>
#include <functional>

class QWidget;

// The list line of an owner in the owner search: name (26), "  Tel. ", preferred telephone (15),
// "  ", occupation (25), "  Animali: ", current animals (30), "  ", and the whole trimmed note.
QString OwnerListLine(const Record &owner);
// The same line with the open questions in place of the note: the list of owners to recontact.
QString RecontactListLine(const Record &owner);

// `OwnerHandBack`: writes an owner chosen in a list into the window that the context tag
// (trimmed, compared exactly) names, each control receiving its field trimmed. "clienti" loads
// the whole owner into the owner card with its record number; the other tags write the few
// controls of their card. A tag that names no window, or whose window does not exist (yet),
// writes nothing.
void OwnerHandBack(const QString &tag, const Record &owner, int number);

// A window that the owner hand-back writes into registers the tag with a function that finds
// its single instance (nullptr while there is none); the controls each tag receives are fixed
// by the hand-back. "clienti" is registered already. Registering a tag again replaces its finder.
void RegisterOwnerTarget(const QString &tag, std::function<QWidget *()> findWindow);
