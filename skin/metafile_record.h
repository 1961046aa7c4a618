// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"
#include "skin/picture_limits.h"
#include "skin/work_budget.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace stocks {

/// @brief Where one checked record of a metafile lies in the file's bytes.
struct MetafileRecord {
    std::uint32_t type = 0;
    std::size_t offset = 0;
    std::size_t size = 0;
};

/// Adds a checked record; a metafile of more records than any skin needs is not valid.
inline void addRecord(std::vector<MetafileRecord>& records, const MetafileRecord& record)
{
    if (records.size() == maxMetafileRecords)
        throwInvalidMetafile();
    records.push_back(record);
}

/// Hands each record's type and bytes to `play` in file order, charging the budget for the
/// record before it plays.
template <typename Play>
void playRecords(const std::vector<MetafileRecord>& records, ByteView bytes, WorkBudget& budget,
                 Play play)
{
    for (const MetafileRecord& record : records) {
        budget.spend(metafileRecordWork);
        play(record.type, bytes.sub(record.offset, record.size));
    }
}

} // namespace stocks
