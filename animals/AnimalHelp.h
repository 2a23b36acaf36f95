#pragma once
#include <QString>
#include <QStringList>

// The help of the animal card: its title and its fourteen paragraphs.
QString AnimalHelpTitle();
QStringList AnimalHelpParagraphs();
