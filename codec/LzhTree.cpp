#include "codec/LzhTree.h"
#include <algorithm>
#include <cstring>
#include <iterator>

namespace lzh {

void LzhTree::StartHuff() {
    for (int s = 0; s < N_CHAR; ++s) {
        freq[s] = 1;
        son[s] = static_cast<int16_t>(s + T);
        prnt[s + T] = static_cast<int16_t>(s);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        freq[j] = static_cast<uint16_t>(freq[i] + freq[i + 1]);
        son[j] = static_cast<int16_t>(i);
        prnt[i] = prnt[i + 1] = static_cast<int16_t>(j);
    }
    std::fill(std::begin(freq) + T, std::end(freq), 0xFFFF);
    prnt[R] = 0;
    std::memset(cachedNode, 0, sizeof cachedNode);
    cacheStale = true;
}

// Rebuilds the tree from the leaves with halved frequencies.
void LzhTree::reconst() {
    cacheStale = true;
    for (int i = 0, j = 0; i < T; ++i) {
        if (son[i] >= T) {
            freq[j] = static_cast<uint16_t>((freq[i] + 1) / 2);
            son[j] = son[i];
            ++j;
        }
    }
    for (int i = 0, j = N_CHAR; j < T; i += 2, ++j) {
        unsigned f = freq[i] + freq[i + 1];
        int k = j - 1;
        while (f < freq[k])
            --k;
        ++k;
        std::memmove(&freq[k + 1], &freq[k], (j - k) * sizeof freq[0]);
        std::memmove(&son[k + 1], &son[k], (j - k) * sizeof son[0]);
        freq[k] = static_cast<uint16_t>(f);
        son[k] = static_cast<int16_t>(i);
    }
    for (int i = 0; i < T; ++i) {
        int k = son[i];
        prnt[k] = static_cast<int16_t>(i);
        if (k < T) prnt[k + 1] = static_cast<int16_t>(i);
    }
}

} // namespace lzh
