#include "BookOffset.h"

#include <elf.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

namespace qbx {
namespace {

struct FileBytes {
    std::ifstream in;
    int64_t size = -1;

    explicit FileBytes(const std::string& path) : in(path, std::ios::binary) {
        if (!in) return;
        in.seekg(0, std::ios::end);
        size = in.tellg();
    }
    bool Read(int64_t pos, void* out, int64_t len) {
        if (pos < 0 || len < 0 || pos > size || len > size - pos) return false;
        in.seekg(pos);
        in.read(static_cast<char*>(out), len);
        return static_cast<bool>(in);
    }
};

// A part that reaches past the file leaves no room for an appended document.
bool Within(const FileBytes& f, uint64_t offset, uint64_t length) {
    const auto size = static_cast<uint64_t>(f.size);
    return offset <= size && length <= size - offset;
}

template <typename Ehdr, typename Shdr, typename Phdr>
std::optional<int64_t> ImageEnd(FileBytes& f) {
    Ehdr eh;
    if (!f.Read(0, &eh, sizeof eh)) return std::nullopt;
    int64_t end = sizeof eh;
    if (eh.e_phnum > 0) {
        if (eh.e_phentsize < sizeof(Phdr)) return std::nullopt;
        std::vector<uint8_t> table(size_t{eh.e_phnum} * eh.e_phentsize);
        if (!f.Read(static_cast<int64_t>(eh.e_phoff), table.data(), static_cast<int64_t>(table.size())))
            return std::nullopt;
        end = std::max<int64_t>(end, static_cast<int64_t>(eh.e_phoff + table.size()));
        for (size_t i = 0; i < eh.e_phnum; ++i) {
            Phdr ph;
            std::memcpy(&ph, table.data() + i * eh.e_phentsize, sizeof ph);
            if (!Within(f, ph.p_offset, ph.p_filesz)) return std::nullopt;
            end = std::max<int64_t>(end, static_cast<int64_t>(ph.p_offset + ph.p_filesz));
        }
    }
    if (eh.e_shnum > 0) {
        if (eh.e_shentsize < sizeof(Shdr)) return std::nullopt;
        std::vector<uint8_t> table(size_t{eh.e_shnum} * eh.e_shentsize);
        if (!f.Read(static_cast<int64_t>(eh.e_shoff), table.data(), static_cast<int64_t>(table.size())))
            return std::nullopt;
        end = std::max<int64_t>(end, static_cast<int64_t>(eh.e_shoff + table.size()));
        for (size_t i = 0; i < eh.e_shnum; ++i) {
            Shdr sh;
            std::memcpy(&sh, table.data() + i * eh.e_shentsize, sizeof sh);
            if (sh.sh_type == SHT_NOBITS) continue;
            if (!Within(f, sh.sh_offset, sh.sh_size)) return std::nullopt;
            end = std::max<int64_t>(end, static_cast<int64_t>(sh.sh_offset + sh.sh_size));
        }
    }
    return end;
}

}  // namespace

std::optional<int64_t> ElfImageEnd(const std::string& path) {
    FileBytes f(path);
    unsigned char ident[EI_NIDENT];
    if (!f.Read(0, ident, sizeof ident) || std::memcmp(ident, ELFMAG, SELFMAG) != 0) return std::nullopt;
    if (ident[EI_DATA] != ELFDATA2LSB) return std::nullopt;
    if (ident[EI_CLASS] == ELFCLASS64) return ImageEnd<Elf64_Ehdr, Elf64_Shdr, Elf64_Phdr>(f);
    if (ident[EI_CLASS] == ELFCLASS32) return ImageEnd<Elf32_Ehdr, Elf32_Shdr, Elf32_Phdr>(f);
    return std::nullopt;
}

std::optional<int64_t> BookDocumentOffset(const std::string& path) {
    FileBytes f(path);
    char magic[2];
    if (!f.Read(0, magic, 2)) return std::nullopt;
    if (magic[0] == 'M' && magic[1] == 'Z') {
        if (f.size > kWindowsBookOffset) return kWindowsBookOffset;
        return std::nullopt;
    }
    const auto end = ElfImageEnd(path);
    if (end && *end < f.size) return end;
    return std::nullopt;
}

int64_t DocumentBaseOffset(const std::string& path) { return BookDocumentOffset(path).value_or(0); }

}  // namespace qbx
