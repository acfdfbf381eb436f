#pragma once

// Readable failure output for Qt texts in the conduit tests.

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (const QString &t : list)
        *os << '"' << t.toStdString() << "\" ";
    *os << '}';
}
