#pragma once
// Growth, release and index checks shared by the chart engine's lists.
// They behave like the runtime's pointer list: a full list grows by a
// quarter of its capacity above 64, by 16 above 8 and by 4 otherwise; an
// emptied list gives its memory back; a bad index raises EListError.

#include "support/runtime/Exceptions.h"

#include <cstdint>
#include <new>
#include <vector>

// The largest number of entries a list can hold ($7FFFFFF).
constexpr int64_t MaxListSize = 134217727;

// The capacity after growing a full list: 0 -> 4 -> 8 -> 12 -> 28 -> ... 60 -> 76 -> 95.
int32_t GrownCapacity(int32_t capacity);
// Raises "List capacity out of bounds (%d)" beyond MaxListSize entries.
void CheckListCapacity(int64_t capacity);
// Raises "List index out of bounds (%d)".
[[noreturn]] void RaiseListIndexError(int64_t index);

// Raises the index error unless 0 <= index < count.
inline void CheckListIndex(int64_t index, int64_t count)
{
    if (index < 0 || index >= count)
        RaiseListIndexError(index);
}

// Makes room for one more entry, growing by the pointer-list rule; the
// vector is reserved to exactly the new capacity so growth stays visible.
template <class T>
void ReserveForOneMore(std::vector<T>& items)
{
    if (items.size() < items.capacity())
        return;
    const int64_t grown = GrownCapacity(static_cast<int32_t>(items.capacity()));
    CheckListCapacity(grown);
    try {
        items.reserve(static_cast<std::size_t>(grown));
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
}

// Inserts at 0 <= index <= count (count appends); later entries move up.
template <class T>
void InsertIntoList(std::vector<T>& items, int64_t index, T value)
{
    if (index < 0 || index > static_cast<int64_t>(items.size()))
        RaiseListIndexError(index);
    ReserveForOneMore(items);
    items.insert(items.begin() + index, std::move(value));
}

// Empties the list and gives its memory back (capacity 0).
template <class T>
void ReleaseList(std::vector<T>& items)
{
    std::vector<T>().swap(items);
}
