// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace stocks {

/// @brief Bounds-checked little-endian reads from untrusted metafile bytes. A read outside
/// the view throws "Metafile is not valid".
class ByteView {
public:
    ByteView() = default;
    ByteView(const char* data, std::size_t size) : data_(data), size_(size) {}

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }

    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= size_ && count <= size_ - offset;
    }

    ByteView sub(std::size_t offset, std::size_t count) const
    {
        require(offset, count);
        return {data_ + offset, count};
    }
    ByteView from(std::size_t offset) const
    {
        require(offset, 0);
        return {data_ + offset, size_ - offset};
    }

    std::uint8_t u8(std::size_t offset) const { return read<std::uint8_t>(offset); }
    std::uint16_t u16(std::size_t offset) const { return read<std::uint16_t>(offset); }
    std::int16_t i16(std::size_t offset) const { return read<std::int16_t>(offset); }
    std::uint32_t u32(std::size_t offset) const { return read<std::uint32_t>(offset); }
    std::int32_t i32(std::size_t offset) const { return read<std::int32_t>(offset); }
    float f32(std::size_t offset) const { return read<float>(offset); }

    void require(std::size_t offset, std::size_t count) const;

private:
    // Metafiles are little-endian, as is every machine this program is built for.
    template <typename T> T read(std::size_t offset) const
    {
        require(offset, sizeof(T));
        T value;
        std::memcpy(&value, data_ + offset, sizeof(T));
        return value;
    }

    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

/// Throws "Metafile is not valid".
[[noreturn]] void throwInvalidMetafile();

} // namespace stocks
