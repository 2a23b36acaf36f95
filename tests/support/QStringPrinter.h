#pragma once
#include <QString>
#include <ostream>

// GoogleTest shows a QString in a failure message as its UTF-8 text in quotes.
void PrintTo(const QString &s, std::ostream *os);
