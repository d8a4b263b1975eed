#pragma once

#include <QList>
#include <QMetaType>

#include <initializer_list>

namespace brisa {

// A set of list positions: non-negative, sorted ascending, each once.
class IndexSet {
public:
    IndexSet() = default;
    IndexSet(std::initializer_list<int> indexes);
    explicit IndexSet(const QList<int>& indexes);
    // The positions from `first` to `first + count - 1`.
    static IndexSet range(int first, int count);

    // Negative positions are not positions: insert() drops them.
    void insert(int index);
    void remove(int index);
    bool contains(int index) const;

    bool isEmpty() const { return indexes_.isEmpty(); }
    int count() const { return int(indexes_.size()); }
    // Only on a non-empty set.
    int first() const { return indexes_.first(); }
    int last() const { return indexes_.last(); }
    // How many positions lie before `index`.
    int countBefore(int index) const;

    const QList<int>& toList() const { return indexes_; }
    QList<int>::const_iterator begin() const { return indexes_.cbegin(); }
    QList<int>::const_iterator end() const { return indexes_.cend(); }

    friend bool operator==(const IndexSet&, const IndexSet&) = default;

private:
    QList<int> indexes_;
};

} // namespace brisa

Q_DECLARE_METATYPE(brisa::IndexSet)
