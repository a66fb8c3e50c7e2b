// memorylist.h: a list box's rows held in memory.
//
// The window's lists are never shown, so the real window and the stand-in keep them alike: as
// plain rows in the order they were added.
#pragma once

#include "windowobjects.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pebblix {

class MemoryList final : public ListObject {
public:
    MemoryList() = default;
    explicit MemoryList(std::span<const std::string_view> rows) : rows_(rows.begin(), rows.end()) {}

    void Clear() override { rows_.clear(); }
    void AddItem(std::string_view text) override { rows_.emplace_back(text); }
    void RemoveItem(std::int16_t k) override;
    std::int16_t ListCount() const override { return static_cast<std::int16_t>(rows_.size()); }
    std::string List(std::int16_t k) const override;

    const std::vector<std::string>& Rows() const { return rows_; }

private:
    std::vector<std::string> rows_;
};

} // namespace pebblix
