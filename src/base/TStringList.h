#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// Ordered list of 8-bit strings: never sorted, duplicates and empty items kept.
class TStringList {
public:
    void Clear() noexcept { items_.clear(); }
    void Add(std::string_view item) { items_.emplace_back(item); }
    [[nodiscard]] std::size_t Count() const noexcept { return items_.size(); }
    [[nodiscard]] const std::string& operator[](std::size_t index) const { return items_[index]; }
    // Frees the storage as well, for library unload.
    void Release() noexcept { std::vector<std::string>().swap(items_); }

    [[nodiscard]] auto begin() const noexcept { return items_.begin(); }
    [[nodiscard]] auto end() const noexcept { return items_.end(); }
    bool operator==(const TStringList&) const = default;

private:
    std::vector<std::string> items_;
};

} // namespace zandrel
