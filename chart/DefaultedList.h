#pragma once
// A list of per-point entries (colours, labels) that stores nothing while
// every entry is the default one: it only counts them. The first entry
// that differs materialises the list, with a default entry for each point
// counted so far, and from then on it is an ordinary chart-engine list.
// Indices, insertion positions and errors are those of the ordinary list.

#include "chart/ChartList.h"

#include <utility>
#include <vector>

template <class T>
class TDefaultedList {
public:
    explicit TDefaultedList(T defaultValue) : Default(std::move(defaultValue)) {}

    int32_t Count() const { return Stored ? static_cast<int32_t>(Items.size()) : DefaultCount; }
    bool Materialised() const { return Stored; }

    // The entry at 0 <= index < Count(); raises the list index error otherwise.
    const T& At(int32_t index) const
    {
        CheckListIndex(index, Count());
        return Stored ? Items[static_cast<std::size_t>(index)] : Default;
    }

    // Inserts at 0 <= index <= Count() (Count() appends).
    void Insert(int64_t index, T value)
    {
        if (index < 0 || index > Count())
            RaiseListIndexError(index);
        if (!Stored && value == Default) {
            CheckListCapacity(int64_t{DefaultCount} + 1);
            ++DefaultCount;
            return;
        }
        Materialise();
        InsertIntoList(Items, index, std::move(value));
    }

    // Every entry becomes the default one; the count stays.
    void ResetToDefault()
    {
        const int32_t count = Count();
        ReleaseList(Items);
        Stored = false;
        DefaultCount = count;
    }

    // Empties the list and gives its memory back.
    void Release()
    {
        ReleaseList(Items);
        Stored = false;
        DefaultCount = 0;
    }

private:
    void Materialise()
    {
        if (Stored)
            return;
        // The capacity the list would have reached by growing entry by entry.
        int32_t capacity = 0;
        while (capacity < DefaultCount)
            capacity = GrownCapacity(capacity);
        Items.reserve(static_cast<std::size_t>(capacity));
        Items.assign(static_cast<std::size_t>(DefaultCount), Default);
        Stored = true;
    }

    T Default;
    std::vector<T> Items;
    int32_t DefaultCount = 0;
    bool Stored = false;
};
