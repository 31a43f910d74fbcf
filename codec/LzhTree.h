// The LZHUF code shared by the decoder and the encoder: its constants, the adaptive
// Huffman tree for literals and match lengths, and the fixed code for the upper six
// bits of a match position.
#pragma once
#include <array>
#include <cstdint>

namespace lzh {

constexpr int N = 4096;                     // ring size: a position is 12 bits
constexpr int F = 60;                       // longest match
constexpr int THRESHOLD = 2;                // a match is at least THRESHOLD + 1 bytes
constexpr int N_CHAR = 256 - THRESHOLD + F; // literals 0-255, then lengths 3-60
constexpr int T = 2 * N_CHAR - 1;           // tree nodes
constexpr int R = T - 1;                    // root
constexpr unsigned MAX_FREQ = 0x8000;       // root frequency that forces a rebuild

// Code length of the upper six position bits: 3 bits for 0, 4 for 1-3, 5 for 4-11,
// 6 for 12-23, 7 for 24-47, 8 for 48-63.
constexpr int PositionCodeLength(int upper) {
    return upper < 1 ? 3 : upper < 4 ? 4 : upper < 12 ? 5 : upper < 24 ? 6 : upper < 48 ? 7 : 8;
}

struct PositionTables {
    std::array<uint8_t, 256> d_code{}, d_len{}; // by the next 8 bits of the stream
    std::array<uint8_t, 64> p_code{};           // by the upper six bits: code, top-aligned in 8 bits
};

// Each value in turn covers 2^(8 - length) entries of the decode tables.
constexpr PositionTables MakePositionTables() {
    PositionTables t;
    int b = 0;
    for (int upper = 0; upper < 64; ++upper) {
        int len = PositionCodeLength(upper);
        t.p_code[upper] = static_cast<uint8_t>(b);
        for (int k = 0; k < 1 << (8 - len); ++k, ++b) {
            t.d_code[b] = static_cast<uint8_t>(upper);
            t.d_len[b] = static_cast<uint8_t>(len);
        }
    }
    return t;
}
inline constexpr PositionTables positionTables = MakePositionTables();

// The nodes stay sorted by frequency in one array; sons come in pairs (son, son + 1),
// and a leaf's son entry is T + its symbol.
struct LzhTree {
    // freq[T] is a sentinel above every node; the ones after it let a search step 8 at a time.
    uint16_t freq[T + 1 + 8];
    int16_t prnt[T + N_CHAR]; // parents, then the leaf of each symbol at T + symbol
    int16_t son[T];
    // The decoder caches the top levels of the tree; it marks the nodes it read there, and
    // cacheStale tells it that one of them has changed.
    uint8_t cachedNode[T];
    bool cacheStale;

    void StartHuff();
    void reconst();

    // Counts the symbol once more, keeping the nodes in frequency order.
    void update(unsigned symbol) {
        if (freq[R] == MAX_FREQ) reconst();
        IncrementFrom(static_cast<unsigned>(prnt[symbol + T]));
    }

    // For a decoder that has counted a code's nodes on the way down, from the root
    // (path[0]) to the leaf, as if no node had to move: node path[level], the deepest that
    // has to, moves now, and the nodes above it are counted again the usual way.
    void MoveAfterCounting(const uint16_t* path, int level) {
        for (int d = 0; d < level; ++d)
            --freq[path[d]];
        unsigned c = path[level];
        IncrementFrom(static_cast<unsigned>(prnt[Exchange(c, freq[c])]));
    }

  private:
    // Counts node c and its ancestors; the root's parent entry is 0.
    void IncrementFrom(unsigned c) {
        do {
            unsigned k = ++freq[c];
            if (k > freq[c + 1]) c = Exchange(c, k);
            c = static_cast<unsigned>(prnt[c]);
        } while (c != 0);
    }

    // Node c has just reached count k, above the next node: it changes places with the last
    // node of lower frequency, l, which is returned.
    unsigned Exchange(unsigned c, unsigned k) {
        unsigned l = c + 1;
        while (k > freq[l + 8])
            l += 8; // runs of equal counts can be long
        while (k > freq[l + 1])
            ++l;
        cacheStale |= (cachedNode[c] | cachedNode[l]) != 0;
        freq[c] = freq[l];
        freq[l] = static_cast<uint16_t>(k);
        int i = son[c];
        prnt[i] = static_cast<int16_t>(l);
        if (i < T) prnt[i + 1] = static_cast<int16_t>(l);
        int j = son[l];
        son[l] = static_cast<int16_t>(i);
        prnt[j] = static_cast<int16_t>(c);
        if (j < T) prnt[j + 1] = static_cast<int16_t>(c);
        son[c] = static_cast<int16_t>(j);
        return l;
    }
};

} // namespace lzh
