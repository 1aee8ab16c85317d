#pragma once
// The one rule of every notifying setter: store a new value and tell the
// owner, but only when the value really changed.

#include <utility>

template <class T, class Notify>
void StoreIfChanged(T& field, const T& value, Notify&& notify)
{
    if (field == value)
        return;
    field = value;
    std::forward<Notify>(notify)();
}
