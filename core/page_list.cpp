// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_list.h"

#include "core/line_match.h"

#include <algorithm>

namespace stocks {

std::optional<std::size_t> PageList::find(std::string_view text) const
{
    const auto it = std::find_if(lines_.begin(), lines_.end(),
                                 [text](const std::string& line) { return sameLine(line, text); });
    if (it == lines_.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - lines_.begin());
}

void PageList::insert(std::size_t index, std::string text)
{
    index = std::min(index, lines_.size());
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(text));
    for (auto* observer : observers_)
        observer->lineInserted(index, lines_[index]);
}

void PageList::remove(std::size_t index)
{
    if (index >= lines_.size())
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto* observer : observers_)
        observer->lineRemoved(index);
}

void PageList::assign(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    for (auto* observer : observers_)
        observer->linesReset();
}

void PageList::addObserver(PageListObserver* observer)
{
    observers_.push_back(observer);
}

void PageList::removeObserver(PageListObserver* observer)
{
    std::erase(observers_, observer);
}

} // namespace stocks
