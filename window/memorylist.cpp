// memorylist.cpp: a list box's rows held in memory.
#include "memorylist.h"

namespace pebblix {

MemoryList::MemoryList(std::span<const std::string_view> rows) : rows_(rows.begin(), rows.end()) {
}

void MemoryList::Clear() {
    rows_.clear();
}

void MemoryList::AddItem(std::string_view text) {
    rows_.emplace_back(text);
}

void MemoryList::RemoveItem(std::int16_t k) {
    if (k >= 0 && static_cast<std::size_t>(k) < rows_.size()) {
        rows_.erase(rows_.begin() + k);
    }
}

std::int16_t MemoryList::ListCount() const {
    return static_cast<std::int16_t>(rows_.size());
}

std::string MemoryList::List(std::int16_t k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= rows_.size()) {
        return {};
    }
    return rows_[static_cast<std::size_t>(k)];
}

} // namespace pebblix
