// The first argument of every signal a QSignalSpy caught, in order, as plain values.
#pragma once

#include <QSignalSpy>

#include <vector>

namespace velmar::testkit {

template <typename T>
std::vector<T> signalled(const QSignalSpy& spy)
{
    std::vector<T> values;
    for (const QList<QVariant>& arguments : spy)
        values.push_back(arguments.at(0).value<T>());
    return values;
}

} // namespace velmar::testkit
