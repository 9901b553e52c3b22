#pragma once

#include <QDeadlineTimer>

// Generous bounds: the sanitizer build starts several times slower than the plain one, and
// the machine may be busy. They only cut off a test that would otherwise hang.
namespace deadlines {
inline QDeadlineTimer toolStart()
{
    return QDeadlineTimer(120000);
}

inline QDeadlineTimer step()
{
    return QDeadlineTimer(30000);
}
} // namespace deadlines
