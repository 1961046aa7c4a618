// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stocks {

/// @brief Told of every change to a page list, so that views can follow it line by line.
class PageListObserver {
public:
    virtual void lineInserted(std::size_t index, const std::string& text) = 0;
    virtual void lineRemoved(std::size_t index) = 0;
    /// The whole list was replaced (cleared or filled at once).
    virtual void linesReset() = 0;

protected:
    ~PageListObserver() = default;
};

/// @brief The page document: an ordered list of single-byte lines, unsorted, duplicates allowed.
class PageList {
public:
    std::size_t count() const { return lines_.size(); }
    const std::string& at(std::size_t index) const { return lines_.at(index); }
    const std::vector<std::string>& lines() const { return lines_; }

    /// Index of the first line equal to text, ignoring letter case.
    std::optional<std::size_t> find(std::string_view text) const;

    /// Inserts before index; an index past the end appends.
    void insert(std::size_t index, std::string text);
    void append(std::string text) { insert(lines_.size(), std::move(text)); }
    /// Removes the line at index; an index past the end removes nothing.
    void remove(std::size_t index);
    void assign(std::vector<std::string> lines);
    void clear() { assign({}); }

    void addObserver(PageListObserver* observer);
    void removeObserver(PageListObserver* observer);

private:
    std::vector<std::string> lines_;
    std::vector<PageListObserver*> observers_;
};

} // namespace stocks
