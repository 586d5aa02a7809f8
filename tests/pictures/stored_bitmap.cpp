// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stored_bitmap.h"

namespace pabrel::testing {

constexpr std::size_t FileHeaderSize = 14;

StoredBitmap StoredBitmap::parse(const std::vector<std::uint8_t>& bytes)
{
    const LittleEndianReader file(bytes);
    StoredBitmap bitmap;
    bitmap.fileSize = bytes.size();
    bitmap.signature0 = file.u8(0);
    bitmap.signature1 = file.u8(1);
    bitmap.declaredFileSize = file.u32(2);
    bitmap.reserved1 = file.u16(6);
    bitmap.reserved2 = file.u16(8);
    bitmap.pixelOffset = file.u32(10);
    bitmap.info = BitmapInfo::read(file, FileHeaderSize);
    bitmap.readPixels(file, bitmap.pixelOffset, bitmap.info.height);
    return bitmap;
}

StoredBitmap StoredBitmap::load(const std::filesystem::path& path)
{
    return parse(readWholeFile(path));
}

} // namespace pabrel::testing
