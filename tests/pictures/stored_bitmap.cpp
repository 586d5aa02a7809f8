#include "stored_bitmap.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

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
    if (bitmap.info.bitCount != 4 || bitmap.info.width <= 0 || bitmap.info.height <= 0) {
        throw std::runtime_error("not a bottom-up 4-bit bitmap");
    }
    bitmap.rows = readFourBitRows(file, bitmap.pixelOffset, bitmap.info.width, bitmap.info.height,
                                  bitmap.paddingClean);
    return bitmap;
}

StoredBitmap StoredBitmap::load(const std::filesystem::path& path)
{
    return parse(readWholeFile(path));
}

std::uint8_t StoredBitmap::at(int x, int y) const
{
    return rows.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x));
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace pabrel::testing
