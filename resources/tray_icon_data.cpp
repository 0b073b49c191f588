#include "resources/tray_icon_data.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupEntry { // GRPICONDIRENTRY
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

std::span<const std::uint8_t> Resource(const wchar_t* name, const wchar_t* type) {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

void Append16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

// An ICO file laid out as the icon compiler found it: header, directory,
// then the images in directory order.
std::vector<std::uint8_t> BuildIconFile() {
    const auto group = Resource(L"DEFAULT_ICON", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    if (group.size() < 6) {
        return {};
    }
    const unsigned count = group[4] | group[5] << 8;
    if (group.size() < 6 + count * sizeof(GroupEntry)) {
        return {};
    }
    std::vector<std::span<const std::uint8_t>> images;
    std::vector<GroupEntry> entries(count);
    std::memcpy(entries.data(), group.data() + 6, count * sizeof(GroupEntry));
    for (const GroupEntry& entry : entries) {
        images.push_back(Resource(MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3))); // RT_ICON
    }
    std::vector<std::uint8_t> file;
    Append16(file, 0);
    Append16(file, 1);
    Append16(file, count);
    std::uint32_t offset = 6 + 16 * count;
    for (unsigned i = 0; i < count; ++i) {
        const GroupEntry& entry = entries[i];
        file.insert(file.end(), {entry.width, entry.height, entry.colourCount, entry.reserved});
        Append16(file, entry.planes);
        Append16(file, entry.bitCount);
        Append32(file, static_cast<std::uint32_t>(images[i].size()));
        Append32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
}

} // namespace

std::span<const std::uint8_t> TrayIconData() {
    static const std::vector<std::uint8_t> file = BuildIconFile();
    return file;
}
