#include "QbxUnit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Descramble.h"
#include "InflateStream.h"
#include "QbxError.h"
#include "QbxText.h"

namespace qbx {
namespace {

std::string At(int64_t pos) { return " at position " + std::to_string(pos); }

}  // namespace

TQbxObject::TQbxObject(const std::string& fileName, int64_t baseOffset) : FileName(fileName), BaseOffset(baseOffset) {
    Handle = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a FIFO must not block us
    if (Handle < 0) return;
    struct stat st {};
    if (::fstat(Handle, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(Handle);
        Handle = -1;
        return;
    }
    fileSize_ = st.st_size;
    if (baseOffset < 0 || baseOffset > fileSize_) {
        ::close(Handle);
        Handle = -1;
        ThrowDamaged("the document offset " + std::to_string(baseOffset) + " lies beyond the end of the file");
    }
    uint8_t raw[kHeaderSize];
    try {
        ReadAt(0, raw, kHeaderSize, "header");
    } catch (...) {
        ::close(Handle);
        Handle = -1;
        throw;
    }
    Header = TQbxHeader::Parse(raw);
}

TQbxObject::~TQbxObject() {
    if (Handle >= 0) ::close(Handle);
    Handle = -1;
}

std::string TQbxObject::AuthorText() const { return FieldText(Header.Author); }

void TQbxObject::CheckRange(int64_t pos, int64_t len, const std::string& what) {
    if (pos < 0) ThrowDamaged(what + " has a negative position (" + std::to_string(pos) + ")");
    if (len < 0) ThrowDamaged(what + At(pos) + " has a negative length (" + std::to_string(len) + ")");
    auto fits = [&] { return pos <= fileSize_ - BaseOffset && len <= fileSize_ - BaseOffset - pos; };
    if (fits()) return;
    struct stat st {};  // the file may have grown since it was opened
    if (::fstat(Handle, &st) == 0) fileSize_ = st.st_size;
    if (!fits())
        ThrowDamaged(what + At(pos) + " (" + std::to_string(len) + " bytes) runs past the end of the file (" +
                     std::to_string(fileSize_ - BaseOffset) + " bytes)");
}

void TQbxObject::ReadAt(int64_t pos, void* buffer, int64_t len, const std::string& what) {
    if (Handle < 0) throw QbxError(QbxError::Kind::Io, "the document \"" + FileName + "\" is not open");
    CheckRange(pos, len, what);
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t done = 0;
    while (done < len) {
        const ssize_t n = ::pread(Handle, out + done, static_cast<size_t>(len - done), BaseOffset + pos + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ThrowIo("cannot read " + what + At(pos) + " of", FileName, errno);
        if (n == 0) ThrowDamaged(what + At(pos) + " runs past the end of the file");  // file shrank
        done += n;
    }
    filePos_ = pos + len;
}

void TQbxObject::ReadCatalog(std::vector<uint8_t>& text, std::vector<uint8_t>& entries) {
    uint8_t raw[kCatalogHeadSize];
    ReadAt(Header.CatalogPos, raw, kCatalogHeadSize, "catalog");
    CatalogHead = TCatalogHead::Parse(raw);
    text.clear();
    entries.clear();
    if (CatalogHead.TextLength == 0) return;
    const int64_t textPos = int64_t{Header.CatalogPos} + kCatalogHeadSize;
    if (CatalogHead.EntryCount < 0)
        ThrowDamaged("catalog" + At(Header.CatalogPos) + " has a negative entry count (" +
                     std::to_string(CatalogHead.EntryCount) + ")");
    const int64_t entryBytes = int64_t{CatalogHead.EntryCount} * kCatalogEntrySize;
    // Check both blocks before sizing anything after them.
    CheckRange(textPos, CatalogHead.TextLength, "catalog text");
    CheckRange(textPos + CatalogHead.TextLength, entryBytes, "catalog entry array");
    text.resize(static_cast<size_t>(CatalogHead.TextLength));
    entries.resize(static_cast<size_t>(entryBytes));
    ReadAt(textPos, text.data(), CatalogHead.TextLength, "catalog text");
    ReadAt(filePos_, entries.data(), entryBytes, "catalog entry array");
    Descramble(CatalogHead.Key, text.data(), CatalogHead.TextLength / 4);
}

void TQbxObject::ReadNode(int32_t position) {
    uint8_t raw[kNodeRecordSize];
    ReadAt(position, raw, kNodeRecordSize, "node record");
    Node = TNodeRecord::Parse(raw);
    Node.DescrambleFields();
    nodePos_ = position;
}

void TQbxObject::ReadNodeContent(std::vector<uint8_t>& stream) {
    const std::string what = "body of the node" + At(nodePos_);
    const int64_t lengthPos = filePos_;
    uint8_t rawLength[4];
    ReadAt(lengthPos, rawLength, 4, what);
    const int32_t length = LoadLE<int32_t>(rawLength);
    CheckRange(lengthPos + 4, length, what);
    stream.assign(static_cast<size_t>(length), 0);
    ReadAt(lengthPos + 4, stream.data(), length, what);
    switch (Node.ContentFormat) {
    case 0:
    case 1:
    case 2:
        Descramble(Node.Key, stream.data(), length / 4);
        break;
    case 3:
    case 4:
        InflateStream(stream, what);
        break;
    default:
        break;  // stored as is
    }
}

std::string TQbxObject::ReadNodePassword(int32_t position) {
    uint8_t raw[kNodeRecordSize];
    ReadAt(position, raw, kNodeRecordSize, "node record");
    TNodeRecord scratch = TNodeRecord::Parse(raw);
    Descramble(scratch.Key, scratch.Password, 3);
    return FieldText(scratch.Password);
}

std::vector<TAttachmentItem> TQbxObject::LoadAttachmentList(int32_t position) {
    const std::string what = "attachment table" + At(position);
    uint8_t rawCount[4];
    ReadAt(position, rawCount, 4, what);
    const int32_t count = LoadLE<int32_t>(rawCount);
    Attachments.clear();
    if (count <= 0) return {};
    // Entries vary in length; read what the table can span at most, clipped to
    // the file, and parse from memory.
    const int64_t tablePos = int64_t{position} + 4;
    const int64_t available = fileSize_ - BaseOffset - tablePos;
    const int64_t span = std::min<int64_t>(int64_t{count} * (kAttachmentFixedSize + 255), available);
    std::vector<uint8_t> table(static_cast<size_t>(span));
    ReadAt(tablePos, table.data(), span, what);

    std::vector<TAttachmentItem> items;
    items.reserve(static_cast<size_t>(std::min<int64_t>(count, span / kAttachmentFixedSize + 1)));
    size_t at = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (at + 1 > table.size() || at + kAttachmentFixedSize + table[at] > table.size())
            ThrowDamaged(what + ": entry " + std::to_string(i) + " of " + std::to_string(count) +
                         " runs past the end of the file");
        const uint8_t nameLength = table[at];
        const uint8_t* p = table.data() + at + 1;
        TAttachmentItem item;
        item.SaveTime = LoadLE<double>(p + nameLength);
        item.Key = LoadLE<uint32_t>(p + nameLength + 8);
        item.Size = LoadLE<int32_t>(p + nameLength + 12);
        item.DataPos = LoadLE<int32_t>(p + nameLength + 16);
        std::vector<uint8_t> name(p, p + nameLength);
        Descramble(item.Key, name.data(), nameLength / 4);
        item.Name = FieldText(name.data(), name.size());
        item.SizeText = AttachmentSizeText(item.Size);
        item.Extension = FileExtension(item.Name);
        items.push_back(std::move(item));
        at += kAttachmentFixedSize + nameLength;
    }
    Attachments = items;
    return items;
}

std::vector<uint8_t> TQbxObject::ExtractAttachmentData(const TAttachmentItem& item) {
    const std::string what = "data of attachment \"" + item.Name + "\"" + At(item.DataPos);
    uint8_t rawLength[4];
    ReadAt(item.DataPos, rawLength, 4, what);
    const int32_t length = LoadLE<int32_t>(rawLength);
    CheckRange(int64_t{item.DataPos} + 4, length, what);
    std::vector<uint8_t> data(static_cast<size_t>(length));
    ReadAt(int64_t{item.DataPos} + 4, data.data(), length, what);
    Descramble(item.Key, data.data(), length / 4);
    InflateStream(data, what);
    return data;
}

void TQbxObject::ExtractAttachment(const std::string& fileName, const TAttachmentItem& item) {
    const std::vector<uint8_t> data = ExtractAttachmentData(item);
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) ThrowIo("cannot create the file", fileName, errno);
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            ThrowIo("cannot write the file", fileName, err);
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) ThrowIo("cannot write the file", fileName, errno);
}

void TQbxObject::ExtractAttachment(const std::string& fileName, int index) {
    if (index < 0 || static_cast<size_t>(index) >= Attachments.size())
        throw QbxError(QbxError::Kind::Io, "there is no attachment " + std::to_string(index));
    ExtractAttachment(fileName, Attachments[static_cast<size_t>(index)]);
}

}  // namespace qbx
