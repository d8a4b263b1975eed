#pragma once

#include "platform/brisa/core/IndexSet.h"

#include <QList>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <optional>
#include <type_traits>

// List helpers shared by the list models and their views. Models and views must give a move the
// same meaning, so both go through brisa::move.
namespace brisa {

namespace detail {

template<class T>
IndexSet indexesInside(const QList<T>& list, const IndexSet& indexes)
{
    IndexSet inside;
    for (int index : indexes) {
        if (index < list.size())
            inside.insert(index);
    }
    return inside;
}

} // namespace detail

// Removes the elements at the positions; positions beyond the end are ignored.
template<class T>
void remove(QList<T>& list, const IndexSet& indexes)
{
    const QList<int>& positions = indexes.toList();
    for (auto it = positions.crbegin(); it != positions.crend(); ++it) {
        if (*it < list.size())
            list.removeAt(*it);
    }
}

// Moves the elements at the positions, in their order, so that they come just before the
// element that was at `destination` before the move (at the end for destination == size).
// Positions beyond the end are ignored; the destination is clamped to the list.
template<class T>
void move(QList<T>& list, const IndexSet& indexes, int destination)
{
    const IndexSet moving = detail::indexesInside(list, indexes);
    if (moving.isEmpty())
        return;
    destination = std::clamp(destination, 0, int(list.size()));
    QList<T> moved;
    QList<T> staying;
    for (int i = 0; i < list.size(); ++i)
        (moving.contains(i) ? moved : staying).append(list.at(i));
    const int insertAt = destination - moving.countBefore(destination);
    for (int i = 0; i < moved.size(); ++i)
        staying.insert(insertAt + i, moved.at(i));
    list = staying;
}

// The elements at the positions, in list order; positions beyond the end are ignored.
template<class T>
QList<T> at(const QList<T>& list, const IndexSet& indexes)
{
    QList<T> picked;
    for (int index : indexes) {
        if (index < list.size())
            picked.append(list.at(index));
    }
    return picked;
}

// The positions of the elements for which `predicate` holds.
template<class Sequence, class Predicate>
IndexSet indexes(const Sequence& sequence, Predicate predicate)
{
    IndexSet found;
    int position = 0;
    for (const auto& element : sequence) {
        if (predicate(element))
            found.insert(position);
        ++position;
    }
    return found;
}

// The set of the positions that `transform` gives for the elements (an int, or an optional int
// where nothing counts as no position).
template<class Sequence, class Transform>
IndexSet mapIndexSet(const Sequence& sequence, Transform transform)
{
    IndexSet mapped;
    for (const auto& element : sequence) {
        const auto index = transform(element);
        if constexpr (std::is_convertible_v<decltype(index), int>) {
            mapped.insert(index);
        } else if (index) {
            mapped.insert(*index);
        }
    }
    return mapped;
}

// The values of the optionals that hold one, in order.
template<class T>
QList<T> compacted(const QList<std::optional<T>>& list)
{
    QList<T> values;
    for (const std::optional<T>& element : list) {
        if (element)
            values.append(*element);
    }
    return values;
}

// `transform` applied to every element on the global thread pool; the results come in the
// order of the elements. Blocks until all are done.
template<class T, class Transform>
auto parallelMap(const QList<T>& list, Transform transform)
    -> QList<std::decay_t<std::invoke_result_t<Transform&, const T&>>>
{
    using Result = std::decay_t<std::invoke_result_t<Transform&, const T&>>;
    return QtConcurrent::blockingMapped<QList<Result>>(
        list, [&transform](const T& element) -> Result { return transform(element); });
}

} // namespace brisa
