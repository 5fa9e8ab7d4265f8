#pragma once

#include "text/RString.h"

#include <memory>
#include <vector>

// An ordered list that owns what it holds: clearing it, or destroying it,
// deletes every item. An index outside 0..Count()-1 yields no item.
template <typename T>
class RObjectList
{
public:
    RObjectList() = default;
    virtual ~RObjectList() = default;
    RObjectList(const RObjectList&) = delete;
    RObjectList& operator=(const RObjectList&) = delete;

    int Count() const { return static_cast<int>(Items.size()); }

    T* Get(int index) const
    {
        return index >= 0 && index < Count() ? Items[static_cast<std::size_t>(index)].get()
                                             : nullptr;
    }

    // Takes ownership and gives the item back. Amortised constant time:
    // the capacity grows by a factor, so a list of a million items loads as
    // fast per item as one of ten.
    T* Append(std::unique_ptr<T> item)
    {
        Items.push_back(std::move(item));
        return Items.back().get();
    }

    void Clear() { Items.clear(); }

    auto begin() const { return Items.begin(); }
    auto end() const { return Items.end(); }

private:
    std::vector<std::unique_ptr<T>> Items;
};

// The levels of a section path, one owned text each.
using RObjStringList = RObjectList<RString>;
