#include "codec/Container.h"
#include "codec/LzhPack.h"
#include "codec/LzhUnpack.h"
#include <algorithm>
#include <limits>

std::string PackContainer(std::string_view data) {
    if (data.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw Exception("too large: the size field holds at most 2 GiB - 1");
    std::string out;
    for (uint32_t v : {CompressedSignature, static_cast<uint32_t>(data.size())})
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<char>(v >> shift));
    out += LzhPack(data);
    return out;
}

std::string UnpackContainer(std::string_view container) {
    auto bytes = reinterpret_cast<const uint8_t*>(container.data());
    if (container.size() >= 4 && LittleEndian32(bytes) != CompressedSignature)
        throw Exception("not a compressed file (no !HZL signature)");
    if (container.size() < ContainerHeaderSize) throw Exception("truncated: the header is incomplete");
    int32_t size = static_cast<int32_t>(LittleEndian32(bytes + 4));
    if (size < 0) throw Exception("damaged: negative size");

    // The size field is not trusted for the first allocation: each input byte yields at most
    // a few hundred output bytes.
    auto first = std::min<uint64_t>(static_cast<uint64_t>(size), uint64_t{container.size()} * 512);
    std::string out(static_cast<size_t>(first) + lzh::F, '\0');
    char* next = out.data();
    char* end = next + out.size();
    const uint8_t* in = bytes + ContainerHeaderSize;
    const uint8_t* inEnd = bytes + container.size();
    unsigned missing = 0;
    auto read = [&](uint8_t* buffer, uint16_t, uint16_t& actual) {
        if (in < inEnd) {
            *buffer = *in++;
            actual = 1;
        } else if (++missing > lzh::LookaheadBytes) {
            throw Exception("truncated: the stream ends early");
        } else {
            actual = 0;
        }
    };
    auto write = [&](uint8_t* buffer, uint16_t, uint16_t& actual) {
        if (next == end) {
            size_t used = out.size();
            out.resize(2 * used);
            next = out.data() + used;
            end = out.data() + out.size();
        }
        *next++ = static_cast<char>(*buffer);
        actual = 1;
    };
    LzhUnpackResult result = LzhUnpack(size, read, write);
    if (result.overrun) throw Exception("truncated: the stream ends early");
    if (result.written != size) throw Exception("damaged: the stream runs past the stored size");
    out.resize(static_cast<size_t>(next - out.data()));
    return out;
}
