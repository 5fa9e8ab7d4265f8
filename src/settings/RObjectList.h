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

    // Takes ownership and gives the item back. Capacity grows in steps of 64.
    T* Append(std::unique_ptr<T> item)
    {
        constexpr std::size_t Step = 64;
        if (Items.size() == Items.capacity())
            Items.reserve((Items.size() / Step + 1) * Step);
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
