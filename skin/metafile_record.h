#pragma once

#include <cstddef>
#include <cstdint>

namespace stocks {

/// @brief Where one checked record of a metafile lies in the file's bytes.
struct MetafileRecord {
    std::uint32_t type = 0;
    std::size_t offset = 0;
    std::size_t size = 0;
};

} // namespace stocks
