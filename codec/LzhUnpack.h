// LZHUF decoding. Input and output pass through two callbacks, one byte per call:
//   ReadBytesProc(uint8_t* buffer, uint16_t count, uint16_t& actual)
//   WriteBytesProc(uint8_t* buffer, uint16_t count, uint16_t& actual)
// They are template parameters so that the compiler can inline them into the loop.
#pragma once
#include "codec/LzhTree.h"
#include "ui/Exception.h"
#include <cstring>
#include <memory>
#include <new>

class ElzhException : public Exception {
  public:
    using Exception::Exception;
};

// What the reader may want to know beyond the bytes themselves.
struct LzhUnpackResult {
    int64_t written = 0;  // bytes handed to the write callback (a last match may pass the size)
    bool overrun = false; // bits beyond the end of the input were needed
};

namespace lzh {

// The first TopBits bits of a code, looked up at once: the nodes they lead through from the
// root, ending at a leaf or at the level TopBits.
constexpr int TopBits = 5;
struct TopEntry {
    uint16_t path[TopBits];
    uint16_t depth;
};

struct LzhTables : LzhTree {
    uint8_t RingBuffer[N];
    TopEntry top[1 << TopBits];

    void BuildTop() {
        for (unsigned i = 0; i < cachedCount; ++i)
            cachedNode[cached[i]] = 0;
        cachedCount = 0;
        TopEntry e{};
        BuildTop(static_cast<unsigned>(son[R]), 0, e);
        cacheStale = false;
    }

  private:
    // Nodes marked in cachedNode, to unmark them before the next build.
    uint16_t cached[2 << TopBits];
    unsigned cachedCount = 0;

    // c is the son entry reached by the bits so far (e.depth of them, in prefix). Only the
    // son entries of the nodes above the last level shape the table, so only those are marked.
    void BuildTop(unsigned c, unsigned prefix, TopEntry& e) {
        if (c >= static_cast<unsigned>(T) || e.depth == TopBits) {
            unsigned free = TopBits - e.depth;
            for (unsigned k = 0; k < 1u << free; ++k)
                top[prefix << free | k] = e;
            return;
        }
        for (unsigned bit = 0; bit < 2; ++bit) {
            unsigned node = c + bit;
            if (e.depth + 1 < TopBits) {
                cachedNode[node] = 1;
                cached[cachedCount++] = static_cast<uint16_t>(node);
            }
            e.path[e.depth++] = static_cast<uint16_t>(node);
            BuildTop(static_cast<unsigned>(son[node]), prefix << 1 | bit, e);
            --e.depth;
        }
    }
};

// The bit reader runs at most this many bytes ahead of the bits it has handed out.
constexpr unsigned LookaheadBytes = 8;

// MSB first; a byte the input does not have reads as 0. Up to 64 bits are held so that
// the read callback is asked for bytes in runs rather than between every few bits.
template <class ReadBytesProc> class LzhBitReader {
  public:
    explicit LzhBitReader(ReadBytesProc& readBytes) : readBytes_(readBytes) {}

    unsigned GetBit() {
        if (bitcount_ == 0) Fill();
        unsigned bit = static_cast<unsigned>(bitbuf_ >> 63);
        bitbuf_ <<= 1;
        --bitcount_;
        return bit;
    }
    // n from 1 to 16.
    unsigned GetBits(unsigned n) {
        if (bitcount_ < n) Fill();
        unsigned bits = static_cast<unsigned>(bitbuf_ >> (64 - n));
        bitbuf_ <<= n;
        bitcount_ -= n;
        return bits;
    }
    // n from 1 to 16.
    unsigned Peek(unsigned n) {
        if (bitcount_ < n) Fill();
        return static_cast<unsigned>(bitbuf_ >> (64 - n));
    }
    void Skip(unsigned n) {
        bitbuf_ <<= n;
        bitcount_ -= n;
    }
    // Once the input has ended it stays ended, so the missing bytes are the last ones
    // taken in; any of their bits already used means the input was too short.
    bool Overrun() const { return missing_ * 8 > bitcount_; }

  private:
    void Fill() {
        while (bitcount_ <= 56) {
            uint8_t byte = 0;
            uint16_t actual = 0;
            readBytes_(&byte, 1, actual);
            if (actual != 1) {
                byte = 0;
                ++missing_;
            }
            bitbuf_ |= static_cast<uint64_t>(byte) << (56 - bitcount_);
            bitcount_ += 8;
        }
    }

    ReadBytesProc& readBytes_;
    uint64_t bitbuf_ = 0;
    unsigned bitcount_ = 0;
    uint64_t missing_ = 0;
};

// Walks from the root to a leaf, the top levels by table, then one bit per level, and
// counts the symbol on the way. Counting from the root down gives the same counts as
// counting from the leaf up while no node has to move, since a node is only compared with
// the next one, which is never below it and is its parent at most; the first node that has
// to move is then handled by the tree in the usual order.
template <class Bits> unsigned DecodeChar(LzhTables& t, Bits& bits) {
    if (t.cacheStale) t.BuildTop();
    const TopEntry& top = t.top[bits.Peek(TopBits)];
    uint16_t path[T];
    path[0] = R;
    if (t.freq[R] == MAX_FREQ) {
        // The tree is rebuilt before this symbol is counted.
        bits.Skip(top.depth);
        unsigned c = static_cast<unsigned>(t.son[top.path[top.depth - 1]]);
        while (c < static_cast<unsigned>(T))
            c = static_cast<unsigned>(t.son[c + bits.GetBit()]);
        t.update(c - T);
        return c - T;
    }
    ++t.freq[R];
    int depth = 0;
    int deepestToMove = 0;
    unsigned parent = R;
    auto count = [&](unsigned node) {
        path[++depth] = static_cast<uint16_t>(node);
        unsigned f = t.freq[node];
        unsigned next = t.freq[node + 1] - (node + 1 == parent ? 1u : 0u);
        deepestToMove = f >= next ? depth : deepestToMove;
        t.freq[node] = static_cast<uint16_t>(f + 1);
        parent = node;
    };
    bits.Skip(top.depth);
    for (int d = 0; d < top.depth; ++d)
        count(top.path[d]);
    unsigned c = static_cast<unsigned>(t.son[parent]);
    while (c < static_cast<unsigned>(T)) {
        count(c + bits.GetBit());
        c = static_cast<unsigned>(t.son[parent]);
    }
    if (deepestToMove) t.MoveAfterCounting(path, deepestToMove);
    return c - T;
}

// The code of the upper six bits (3 to 8 bits, known from the next 8), then the lower six.
template <class Bits> unsigned DecodePosition(Bits& bits) {
    unsigned b = bits.Peek(8);
    unsigned code = bits.GetBits(positionTables.d_len[b] + 6u);
    return positionTables.d_code[b] << 6 | (code & 0x3F);
}

} // namespace lzh

// Decodes until at least size bytes have been written. Exceptions from the callbacks
// pass through; the tables are released on every path.
template <class ReadBytesProc, class WriteBytesProc>
LzhUnpackResult LzhUnpack(int32_t size, ReadBytesProc&& ReadBytes, WriteBytesProc&& WriteBytes) {
    using namespace lzh;
    std::unique_ptr<LzhTables> tables;
    try {
        tables = std::make_unique<LzhTables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    LzhTables& t = *tables;
    LzhBitReader<ReadBytesProc> bits(ReadBytes);
    t.StartHuff();
    // Only the first N - F bytes are defined; a damaged stream reads zeros beyond them.
    std::memset(t.RingBuffer, ' ', N - F);
    std::memset(t.RingBuffer + N - F, 0, F);
    unsigned r = N - F;
    int64_t written = 0;
    uint16_t actual = 0;
    // Each byte goes into the ring first and reaches the callback from there.
    while (written < size) {
        unsigned c = DecodeChar(t, bits);
        if (c < 256) {
            t.RingBuffer[r] = static_cast<uint8_t>(c);
            WriteBytes(&t.RingBuffer[r], 1, actual);
            r = (r + 1) & (N - 1);
            ++written;
        } else {
            unsigned i = (r - DecodePosition(bits) - 1) & (N - 1);
            unsigned length = c - 255 + THRESHOLD;
            for (unsigned k = 0; k < length; ++k) {
                t.RingBuffer[r] = t.RingBuffer[(i + k) & (N - 1)];
                WriteBytes(&t.RingBuffer[r], 1, actual);
                r = (r + 1) & (N - 1);
            }
            written += length;
        }
    }
    LzhUnpackResult result;
    result.written = written;
    result.overrun = bits.Overrun();
    return result;
}
