// memorylist.cpp: a list box's rows held in memory.
#include "memorylist.h"

namespace pebblix {

void MemoryList::RemoveItem(std::int16_t k) {
    if (k >= 0 && static_cast<std::size_t>(k) < rows_.size()) {
        rows_.erase(rows_.begin() + k);
    }
}

std::string MemoryList::List(std::int16_t k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= rows_.size()) {
        return {};
    }
    return rows_[static_cast<std::size_t>(k)];
}

} // namespace pebblix
