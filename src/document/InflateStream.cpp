#include "InflateStream.h"

#include <libdeflate.h>
#include <zlib.h>

#include <climits>
#include <cstring>
#include <memory>

#include "QbxError.h"
#include "QbxFormat.h"

namespace qbx {
namespace {

struct DeflateDeleter {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

libdeflate_decompressor* FastDecompressor() {
    thread_local std::unique_ptr<libdeflate_decompressor, DeflateDeleter> d(libdeflate_alloc_decompressor());
    return d.get();
}

// zlib's streaming inflate, stopping as soon as `out.size()` bytes exist. It is
// the reference: it accepts a stream that goes on (or breaks off) after the
// declared length, exactly like the readers that made these documents.
void InflateStreaming(const uint8_t* in, size_t inLen, std::vector<uint8_t>& out, const std::string& what) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw QbxError(QbxError::Kind::Io, "out of memory inflating " + what);
    size_t produced = 0;
    size_t consumed = 0;
    int rc = Z_OK;
    while (produced < out.size()) {
        const uInt inChunk = static_cast<uInt>(std::min<size_t>(inLen - consumed, UINT_MAX));
        const uInt outChunk = static_cast<uInt>(std::min<size_t>(out.size() - produced, UINT_MAX));
        z.next_in = const_cast<Bytef*>(in + consumed);
        z.avail_in = inChunk;
        z.next_out = out.data() + produced;
        z.avail_out = outChunk;
        rc = inflate(&z, Z_NO_FLUSH);
        consumed += inChunk - z.avail_in;
        produced += outChunk - z.avail_out;
        if (rc == Z_STREAM_END || rc == Z_NEED_DICT || rc == Z_DATA_ERROR || rc == Z_MEM_ERROR) break;
        if (rc == Z_BUF_ERROR && consumed == inLen) break;  // no more input: the data broke off
    }
    const std::string zmsg = z.msg ? z.msg : "";
    inflateEnd(&z);
    if (produced == out.size()) return;
    if (rc == Z_STREAM_END)
        ThrowDamaged(what + ": compressed data ends after " + std::to_string(produced) + " of its declared " +
                     std::to_string(out.size()) + " bytes");
    if (rc == Z_DATA_ERROR || rc == Z_NEED_DICT)
        ThrowDamaged(what + ": compressed data is invalid" + (zmsg.empty() ? "" : " (" + zmsg + ")"));
    if (rc == Z_MEM_ERROR) throw QbxError(QbxError::Kind::Io, "out of memory inflating " + what);
    ThrowDamaged(what + ": compressed data breaks off after " + std::to_string(produced) + " of " +
                 std::to_string(out.size()) + " bytes");
}

}  // namespace

void InflateStream(std::vector<uint8_t>& stream, const std::string& what, size_t offset) {
    if (offset > stream.size() || stream.size() - offset < 4)
        ThrowDamaged(what + ": compressed block is shorter than its 4-byte length");
    const uint32_t declared = LoadLE<uint32_t>(stream.data() + offset);
    const uint8_t* in = stream.data() + offset + 4;
    const size_t inLen = stream.size() - offset - 4;
    if (declared > kMaxInflateRatio * inLen + kInflateSlack)
        ThrowDamaged(what + ": compressed block declares " + std::to_string(declared) + " bytes, more than its " +
                     std::to_string(inLen) + " compressed bytes can hold");

    std::vector<uint8_t> out(declared);
    size_t actualIn = 0, actualOut = 0;
    // Whole-buffer decompression with the known size is about twice as fast as
    // zlib; anything but a clean, complete result is decided by zlib itself.
    const libdeflate_result r =
        libdeflate_zlib_decompress_ex(FastDecompressor(), in, inLen, out.data(), out.size(), &actualIn, &actualOut);
    if (r != LIBDEFLATE_SUCCESS || actualOut != out.size()) InflateStreaming(in, inLen, out, what);
    stream = std::move(out);
}

}  // namespace qbx
