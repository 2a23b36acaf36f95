#pragma once
#include "common/Record.h"

#include <QString>
#include <functional>

class QWidget;

// `AnimalHandBack`: writes an animal chosen in the animal search into the window that the context
// tag (trimmed, compared exactly) names, each control receiving its field trimmed. "cani" loads the
// whole animal into the animal card with its record number in lblPosizione, then asks the card for
// the animal's photo (its LoadAnimalPhoto slot); the other tags write the few controls of their
// card. A tag that names no window, or whose window does not exist (yet), writes nothing.
void AnimalHandBack(const QString &tag, const Record &animal, int number);

// A window that the animal hand-back writes into registers its tag with a function that finds its
// single instance (nullptr while there is none); the controls each tag receives are fixed by the
// hand-back. Registering a tag again replaces its finder.
void RegisterAnimalTarget(const QString &tag, std::function<QWidget *()> findWindow);
