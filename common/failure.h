#pragma once

#include <QString>
#include <stdexcept>

namespace kb {

// A failure inside a procedure. Procedures that trap their own errors catch it
// (and anything else) and show their error box; nothing reaches the event loop.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// Thrown when a value does not fit the integer type it is converted to.
class Overflow : public Failure
{
public:
    Overflow() : Failure(QStringLiteral("overflow")) {}
};

} // namespace kb
