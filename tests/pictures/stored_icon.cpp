// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stored_icon.h"

namespace pabrel::testing {

constexpr std::size_t DirectorySize = 6;

StoredIcon StoredIcon::parse(const std::vector<std::uint8_t>& bytes)
{
    const LittleEndianReader file(bytes);
    StoredIcon icon;
    icon.fileSize = bytes.size();
    icon.reserved = file.u16(0);
    icon.type = file.u16(2);
    icon.imageCount = file.u16(4);
    icon.entryWidth = file.u8(DirectorySize);
    icon.entryHeight = file.u8(DirectorySize + 1);
    icon.entryColourCount = file.u8(DirectorySize + 2);
    icon.entryReserved = file.u8(DirectorySize + 3);
    icon.entryPlanes = file.u16(DirectorySize + 4);
    icon.entryBitCount = file.u16(DirectorySize + 6);
    icon.entryBytes = file.u32(DirectorySize + 8);
    icon.entryOffset = file.u32(DirectorySize + 12);
    icon.info = BitmapInfo::read(file, icon.entryOffset);
    // The stored height counts the colour rows and the mask's.
    const std::size_t pixels = icon.info.paletteEnd(icon.entryOffset);
    icon.readPixels(file, pixels, icon.info.height / 2);
    const std::size_t maskStart = icon.pixelsEnd(pixels);
    for (std::size_t i = maskStart; i < file.size(); ++i) {
        icon.mask.push_back(file.u8(i));
    }
    return icon;
}

StoredIcon StoredIcon::load(const std::filesystem::path& path)
{
    return parse(readWholeFile(path));
}

} // namespace pabrel::testing
