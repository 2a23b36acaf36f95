#include "tests/support/QStringPrinter.h"

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
