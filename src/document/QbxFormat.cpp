#include "QbxFormat.h"

#include "Descramble.h"

namespace qbx {

TQbxHeader TQbxHeader::Parse(const uint8_t* p) {
    TQbxHeader h;
    h.CatalogPos = LoadLE<int32_t>(p + 8);
    h.EditDate = LoadLE<double>(p + 12);
    h.Key = LoadLE<uint32_t>(p + 20);
    std::memcpy(h.Password, p + 24, sizeof h.Password);
    std::memcpy(h.Author, p + 36, sizeof h.Author);
    h.BuildDate = LoadLE<double>(p + 52);
    for (int i = 0; i < kBookmarkCount; ++i) h.Bookmarks[i] = LoadLE<int32_t>(p + 76 + 4 * i);
    Descramble(h.Key, h.Password, 3);
    Descramble(h.Key, h.Author, 4);
    return h;
}

TCatalogHead TCatalogHead::Parse(const uint8_t* p) {
    TCatalogHead c;
    c.Key = LoadLE<uint32_t>(p + 4);
    c.EntryCount = LoadLE<int32_t>(p + 8);
    c.TextLength = LoadLE<int32_t>(p + 12);
    return c;
}

TNodeRecord TNodeRecord::Parse(const uint8_t* p) {
    TNodeRecord n;
    n.ContentFormat = LoadLE<int32_t>(p + 0);
    std::memcpy(n.Author, p + 4, sizeof n.Author);
    n.PubDate = LoadLE<double>(p + 20);
    n.Key = LoadLE<uint32_t>(p + 28);
    n.ContentFlag = LoadLE<int32_t>(p + 32);
    std::memcpy(n.Keyword, p + 36, sizeof n.Keyword);
    std::memcpy(n.Password, p + 88, sizeof n.Password);
    n.AttachPos = LoadLE<int32_t>(p + 100);
    return n;
}

void TNodeRecord::DescrambleFields() {
    Descramble(Key, Keyword, 13);
    Descramble(Key, Author, 4);
    Descramble(Key, Password, 3);
}

}  // namespace qbx
