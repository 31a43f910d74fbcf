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
constexpr int MAX_CHAIN = 32;          // candidates looked at per position
constexpr int BLOCK = 4096;            // bytes parsed at once
constexpr int NICE_LENGTH = 24;        // a match this long is taken without looking further
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
    void FindAndInsert(int p, int limit, std::vector<Match>& matches);
    unsigned SymbolBits(unsigned symbol) const;
    void ParseBlock(int p, int end);
    void EncodeChar(unsigned symbol);
    void EncodePosition(unsigned position);

    std::vector<uint8_t> text_;
    int end_;
    std::vector<int> head_;
    std::vector<int> prev_;
    LzhTree tree_;
    BitWriter bits_;
    // One block's parse: the matches at the current position, and the cheapest way found
    // to reach each position with the bits it costs.
    std::vector<Match> matches_;
    std::vector<uint32_t> cost_;
    std::vector<Match> step_;
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

// The matches at p up to limit bytes long, each longer than the one before and the nearest
// of its length, so that every length up to the longest has its cheapest position.
void Encoder::FindAndInsert(int p, int limit, std::vector<Match>& matches) {
    if (limit >= MIN_MATCH) {
        int oldest = std::max(0, p - N);
        const uint8_t* s = &text_[p];
        int best = MIN_MATCH - 1;
        int chain = MAX_CHAIN;
        for (int q = head_[Hash(p)]; q >= oldest && chain-- > 0; q = prev_[q & WINDOW_MASK]) {
            const uint8_t* t = &text_[q];
            if (t[best] != s[best] || t[0] != s[0]) continue;
            int len = 0;
            while (len < limit && t[len] == s[len])
                ++len;
            if (len > best) {
                best = len;
                matches.push_back({len, static_cast<unsigned>(p - q - 1)});
                if (len == limit) break;
            }
        }
    }
    Insert(p);
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
    tree_.update(symbol);
}

void Encoder::EncodePosition(unsigned position) {
    unsigned upper = position >> 6;
    unsigned length = PositionCodeLength(upper);
    bits_.Put(positionTables.p_code[upper] >> (8 - length), length);
    bits_.Put(position & 0x3F, 6);
}

// Blocks of the input are parsed for the fewest bits, priced by the code lengths of the
// tree as it stands at the start of the block.
void Encoder::Run() {
    // Positions just before the data can be matched into the spaces.
    for (int q = std::max(0, PREFIX - F); q < PREFIX; ++q)
        Insert(q);
    for (int p = PREFIX; p < end_; p = std::min(end_, p + BLOCK))
        ParseBlock(p, std::min(end_, p + BLOCK));
    bits_.Flush();
}

void Encoder::ParseBlock(int p, int end) {
    int n = end - p;
    unsigned bits[N_CHAR];
    for (unsigned s = 0; s < N_CHAR; ++s)
        bits[s] = SymbolBits(s);
    cost_.assign(n + 1, UINT32_MAX);
    step_.resize(n + 1);
    cost_[0] = 0;
    int skipTo = 0;
    for (int i = 0; i < n; ++i) {
        if (i < skipTo) {
            Insert(p + i);
            continue;
        }
        matches_.clear();
        FindAndInsert(p + i, std::min(F, n - i), matches_);
        uint32_t literal = cost_[i] + bits[text_[p + i]];
        if (literal < cost_[i + 1]) {
            cost_[i + 1] = literal;
            step_[i + 1] = {1, 0};
        }
        // A long match is taken as it is: the parse starts again where it ends.
        int length =
            matches_.empty() || matches_.back().length < NICE_LENGTH ? MIN_MATCH : matches_.back().length;
        for (const Match& m : matches_) {
            uint32_t position = cost_[i] + PositionCodeLength(static_cast<int>(m.position >> 6)) + 6;
            for (; length <= m.length; ++length) {
                uint32_t c = position + bits[255 - THRESHOLD + length];
                if (c < cost_[i + length]) {
                    cost_[i + length] = c;
                    step_[i + length] = {length, m.position};
                }
            }
        }
        if (!matches_.empty() && matches_.back().length >= NICE_LENGTH) skipTo = i + matches_.back().length;
    }
    // The steps back from the end, then coded from the start.
    std::vector<Match> steps;
    for (int i = n; i > 0; i -= step_[i].length)
        steps.push_back(step_[i]);
    int i = p;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it->length == 1) {
            EncodeChar(text_[i]);
        } else {
            EncodeChar(255 - THRESHOLD + it->length);
            EncodePosition(it->position);
        }
        i += it->length;
    }
}

} // namespace

std::string LzhPack(std::string_view data) {
    std::string out;
    out.reserve(data.size() / 3 + 16);
    auto encoder = std::make_unique<Encoder>(data, out);
    encoder->Run();
    return out;
}
