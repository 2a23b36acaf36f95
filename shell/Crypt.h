#pragma once
#include <QString>

// The stored form of the access password: each character (its low 8 bits) is mixed with a running
// 16-bit state and written as two upper-case hexadecimal digits.
QString ScramblePassword(const QString &password);
// The password back from its stored form; an odd last digit is ignored.
// Throws ConversionError when a pair of digits is not hexadecimal.
QString UnscramblePassword(const QString &stored);
