// The fixed blocks of a document: header, catalog head, catalog entries, node
// records and attachment entries, read from little-endian bytes.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace qbx {

static_assert(std::endian::native == std::endian::little, "the reader assumes a little-endian host");

constexpr int kHeaderSize = 120;
constexpr int kCatalogHeadSize = 20;
constexpr int kCatalogEntrySize = 8;
constexpr int kNodeRecordSize = 104;
constexpr int kAttachmentFixedSize = 25;  // an entry is 25 bytes plus its name
constexpr int kBookmarkCount = 10;
constexpr int kRecycleBinIcons[] = {70, 71};

inline bool IsRecycleBinIcon(int32_t icon) { return icon == 70 || icon == 71; }

template <typename T>
T LoadLE(const uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

struct TQbxHeader {
    int32_t CatalogPos = 0;
    double EditDate = 0;
    uint32_t Key = 0;
    uint8_t Password[12] = {};  // held descrambled once read
    uint8_t Author[16] = {};    // held descrambled once read
    double BuildDate = 0;
    int32_t Bookmarks[kBookmarkCount] = {};

    static TQbxHeader Parse(const uint8_t* p);
};

struct TCatalogHead {
    uint32_t Key = 0;
    int32_t EntryCount = 0;
    int32_t TextLength = 0;

    static TCatalogHead Parse(const uint8_t* p);
};

struct TCatalogEntry {
    int32_t NodePos = 0;
    int32_t IconIndex = 0;
};

struct TNodeRecord {
    int32_t ContentFormat = 0;
    uint8_t Author[16] = {};
    double PubDate = 0;
    uint32_t Key = 0;
    int32_t ContentFlag = 0;
    uint8_t Keyword[52] = {};
    uint8_t Password[12] = {};
    int32_t AttachPos = 0;

    static TNodeRecord Parse(const uint8_t* p);
    // Author, keyword and password are scrambled with the record's own key.
    void DescrambleFields();
};

}  // namespace qbx
