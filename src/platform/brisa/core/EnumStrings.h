#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace brisa {

// The raw strings of an enum stored in settings, JSON or files. Each such enum specialises
// EnumStrings<E> with a `table()` listing every case with its raw string, in case order:
//
//   template<> struct brisa::EnumStrings<Fruit> {
//       static const QList<std::pair<Fruit, QString>>& table();
//   };
template<class E>
struct EnumStrings;

template<class E>
const QList<std::pair<E, QString>>& enumTable()
{
    return EnumStrings<E>::table();
}

template<class E>
QList<E> allCases()
{
    QList<E> cases;
    for (const auto& entry : enumTable<E>())
        cases.append(entry.first);
    return cases;
}

template<class E>
QString rawValue(E value)
{
    for (const auto& entry : enumTable<E>()) {
        if (entry.first == value)
            return entry.second;
    }
    return {};
}

// No value for a string that names no case (compared exactly, case-sensitively).
template<class E>
std::optional<E> caseFromRawValue(const QString& raw)
{
    for (const auto& entry : enumTable<E>()) {
        if (entry.second == raw)
            return entry.first;
    }
    return std::nullopt;
}

} // namespace brisa
