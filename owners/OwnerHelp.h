#pragma once
#include <QString>
#include <QStringList>

// The help of the owner card: its title and its ten paragraphs.
QString OwnerHelpTitle();
QStringList OwnerHelpParagraphs();
