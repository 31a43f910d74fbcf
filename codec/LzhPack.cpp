#include "codec/LzhPack.h"
#include "codec/LzhTree.h"
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

using namespace lzh;

namespace {

constexpr int MIN_MATCH = THRESHOLD + 1;
constexpr int HASH_BITS = 14;
constexpr int MAX_CHAIN = 128;         // candidates looked at per position
constexpr int WINDOW_MASK = 2 * N - 1; // chain links kept for twice the window

struct Match {
    int length = 0;
    unsigned position = 0; // as coded: distance - 1
};

// MSB first into a byte string.
class BitWriter {
  public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Put(uint64_t code, unsigned length) {
        acc_ = acc_ << length | code;
        count_ += length;
        while (count_ >= 8) {
            count_ -= 8;
            out_.push_back(static_cast<char>(acc_ >> count_));
        }
    }
    void Flush() {
        if (count_) out_.push_back(static_cast<char>(acc_ << (8 - count_)));
        count_ = 0;
    }

  private:
    std::string& out_;
    uint64_t acc_ = 0;
    unsigned count_ = 0;
};

class Encoder {
  public:
    explicit Encoder(std::string_view data, std::string& out);
    void Run();

  private:
    // The ring starts as N - F spaces; the text is that prefix followed by the data.
    static constexpr int PREFIX = N - F;

    unsigned Hash(int p) const {
        const uint8_t* s = &text_[p];
        return ((s[0] << 10) ^ (s[1] << 5) ^ s[2]) * 2654435761u >> (32 - HASH_BITS);
    }
    void Insert(int p);
    Match FindAndInsert(int p);
    unsigned SymbolBits(unsigned symbol) const;
    unsigned MatchBits(const Match& m) const {
        return SymbolBits(255 - THRESHOLD + m.length) + PositionCodeLength(m.position >> 6) + 6;
    }
    void EncodeChar(unsigned symbol);
    void EncodePosition(unsigned position);

    std::vector<uint8_t> text_;
    int end_;
    std::vector<int> head_;
    std::vector<int> prev_;
    LzhTree tree_;
    BitWriter bits_;
    uint64_t bitsOut_ = 0;
};

Encoder::Encoder(std::string_view data, std::string& out)
    : text_(PREFIX, ' '), head_(1 << HASH_BITS, -1), prev_(WINDOW_MASK + 1, -1), bits_(out) {
    text_.insert(text_.end(), data.begin(), data.end());
    end_ = static_cast<int>(text_.size());
    // Three spare bytes so that hashing near the end never reads past the text.
    text_.resize(text_.size() + MIN_MATCH, 0);
    tree_.StartHuff();
}

void Encoder::Insert(int p) {
    unsigned h = Hash(p);
    prev_[p & WINDOW_MASK] = head_[h];
    head_[h] = p;
}

// The longest match at p, the nearest one among equally long ones.
Match Encoder::FindAndInsert(int p) {
    Match best;
    int limit = std::min(F, end_ - p);
    if (limit >= MIN_MATCH) {
        int oldest = std::max(0, p - N);
        const uint8_t* s = &text_[p];
        int chain = MAX_CHAIN;
        for (int q = head_[Hash(p)]; q >= oldest && chain-- > 0; q = prev_[q & WINDOW_MASK]) {
            const uint8_t* t = &text_[q];
            if (t[best.length] != s[best.length] || t[0] != s[0]) continue;
            int len = 0;
            while (len < limit && t[len] == s[len])
                ++len;
            if (len > best.length) {
                best.length = len;
                best.position = static_cast<unsigned>(p - q - 1);
                if (len == limit) break;
            }
        }
        if (best.length < MIN_MATCH) best.length = 0;
    }
    Insert(p);
    return best;
}

unsigned Encoder::SymbolBits(unsigned symbol) const {
    unsigned length = 0;
    for (int k = tree_.prnt[symbol + T]; k != R; k = tree_.prnt[k])
        ++length;
    return length;
}

void Encoder::EncodeChar(unsigned symbol) {
    uint64_t code = 0;
    unsigned length = 0;
    for (int k = tree_.prnt[symbol + T]; k != R; k = tree_.prnt[k])
        code |= uint64_t(k & 1) << length++;
    bits_.Put(code, length);
    bitsOut_ += length;
    tree_.update(symbol);
}

void Encoder::EncodePosition(unsigned position) {
    unsigned upper = position >> 6;
    unsigned length = PositionCodeLength(upper);
    bits_.Put(positionTables.p_code[upper] >> (8 - length), length);
    bits_.Put(position & 0x3F, 6);
    bitsOut_ += length + 6;
}

// Lazy matching: a match is put off by one byte when the literal and the next match cost
// less than this match and the bytes the next one covers beyond it.
void Encoder::Run() {
    int p = PREFIX;
    // Positions just before the data can be matched into the spaces.
    for (int q = std::max(0, PREFIX - F); q < PREFIX; ++q)
        Insert(q);
    Match m = FindAndInsert(p);
    while (p < end_) {
        // Bits per byte so far, in 1/16 bits: the price of bytes one choice leaves uncovered.
        uint64_t done = static_cast<uint64_t>(p - PREFIX);
        unsigned perByte = done ? static_cast<unsigned>(std::min<uint64_t>(bitsOut_ * 16 / done, 160)) : 64;
        if (m.length >= MIN_MATCH) {
            unsigned matchCost = MatchBits(m) * 16;
            if (m.length == MIN_MATCH) {
                unsigned literals = 0;
                for (int k = 0; k < MIN_MATCH; ++k)
                    literals += SymbolBits(text_[p + k]) * 16;
                if (literals <= matchCost) m.length = 0;
            }
        }
        if (m.length < MIN_MATCH) {
            EncodeChar(text_[p]);
            ++p;
            if (p < end_) m = FindAndInsert(p);
            continue;
        }
        Match next = p + 1 < end_ ? FindAndInsert(p + 1) : Match{};
        if (next.length > 0) {
            int extra = next.length + 1 - m.length;
            unsigned costNow = MatchBits(m) * 16 + std::max(extra, 0) * perByte;
            unsigned costLater =
                (SymbolBits(text_[p]) + MatchBits(next)) * 16 + std::max(-extra, 0) * perByte;
            if (costLater < costNow) {
                EncodeChar(text_[p]);
                ++p;
                m = next;
                continue;
            }
        }
        EncodeChar(255 - THRESHOLD + m.length);
        EncodePosition(m.position);
        for (int q = p + 2; q < p + m.length; ++q)
            Insert(q);
        p += m.length;
        if (p < end_) m = FindAndInsert(p);
    }
    bits_.Flush();
}

} // namespace

std::string LzhPack(std::string_view data) {
    std::string out;
    out.reserve(data.size() / 3 + 16);
    auto encoder = std::make_unique<Encoder>(data, out);
    encoder->Run();
    return out;
}
