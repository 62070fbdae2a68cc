#pragma once
// Failure messages of the desktop tests show a QString as its text, not as bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
