// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pabrel::testing {

// Reads the fields of a file image by offset, refusing to read past its end.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::uint8_t u8(std::size_t offset) const
    {
        if (offset >= bytes_.size()) {
            throw std::out_of_range("read past the end of the file");
        }
        return bytes_[offset];
    }
    std::uint16_t u16(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
    }
    std::uint32_t u32(std::size_t offset) const
    {
        return u16(offset) | (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

private:
    const std::vector<std::uint8_t>& bytes_;
};

} // namespace pabrel::testing
