// TQbxObject: the reader of one open document. It keeps the file open (others
// may read and write it meanwhile), a descrambled copy of the header, the
// catalog head and the node record last read, and reads everything else on
// demand. Every stored position and length is checked against the file before
// use; damaged data raises QbxError naming what was wrong and where.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "QbxFormat.h"
#include "QbxText.h"

namespace qbx {

struct TAttachmentItem {
    std::string Name;       // the stored name bytes (code page 936), up to a NUL
    std::string SizeText;   // "1023 Bytes", "2 KB"
    std::string Extension;  // from the last "." on, or empty
    uint32_t Key = 0;
    int32_t Size = 0;
    int32_t DataPos = 0;
    double SaveTime = 0;
};

class TQbxObject {
public:
    // Opens the file read-only. When the open fails, Handle stays -1 and nothing
    // is raised; the caller tests IsOpen(). A file too short for a header raises.
    TQbxObject(const std::string& fileName, int64_t baseOffset);
    ~TQbxObject();
    TQbxObject(const TQbxObject&) = delete;
    TQbxObject& operator=(const TQbxObject&) = delete;

    bool IsOpen() const { return Handle >= 0; }
    std::string PasswordText() const { return FieldText(Header.Password); }
    std::string AuthorText() const;

    // Fills `text` with the descrambled title text and `entries` with the raw
    // entry array; both are emptied for a catalog whose TextLength is 0.
    void ReadCatalog(std::vector<uint8_t>& text, std::vector<uint8_t>& entries);

    // Reads the record at `position` into Node and leaves the file right after it.
    void ReadNode(int32_t position);

    // Reads the body block right after the record last read by ReadNode:
    // descrambled (formats 0-2), inflated (3, 4) or as stored (any other).
    void ReadNodeContent(std::vector<uint8_t>& stream);

    // The password of the record at `position`; Node is left unchanged.
    std::string ReadNodePassword(int32_t position);

    // The attachment table at `position`, in table order. The list is also kept
    // so that ExtractAttachment can take an index into it.
    std::vector<TAttachmentItem> LoadAttachmentList(int32_t position);

    // The attachment's file content in memory.
    std::vector<uint8_t> ExtractAttachmentData(const TAttachmentItem& item);
    // Writes it to `fileName`, creating or replacing the file. Damaged data is
    // detected before the file is touched.
    void ExtractAttachment(const std::string& fileName, const TAttachmentItem& item);
    void ExtractAttachment(const std::string& fileName, int index);

    TQbxHeader Header;
    TCatalogHead CatalogHead;
    TNodeRecord Node;
    int Handle = -1;
    std::string FileName;
    int RecycleBinNode = -1;  // absolute index of the recycle bin, set by whoever builds the tree
    int64_t BaseOffset = 0;
    std::vector<TAttachmentItem> Attachments;  // the list last loaded

private:
    // Reads `len` bytes at document position `pos`, or raises naming `what`.
    void ReadAt(int64_t pos, void* buffer, int64_t len, const std::string& what);
    // Raises unless `len` bytes at document position `pos` lie inside the file.
    void CheckRange(int64_t pos, int64_t len, const std::string& what);

    int64_t fileSize_ = 0;
    int64_t filePos_ = 0;   // document position after the last read
    int32_t nodePos_ = -1;  // position of the record last read by ReadNode
};

}  // namespace qbx
