// The test data beside the tests, found from this file's own path, so that the tests run
// from any folder, natively and under Wine (whose current drive maps the same root).
#pragma once
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

inline std::string TestDataPath(const std::string& name) {
    std::string here = __FILE__;
    return here.substr(0, here.find_last_of("/\\") + 1) + "../data/" + name;
}

inline std::string ReadTestData(const std::string& name) {
    std::ifstream in(TestDataPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("missing test data " + name);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The fixtures made by the published LZHUF compressor: original and container.
struct LzhufFixture {
    const char* original;
    const char* container;
};
inline const LzhufFixture LzhufFixtures[] = {
    {"empty.bin", "empty.bi_"},
    {"one_byte.bin", "one_byte.bi_"},
    {"same_61.bin", "same_61.bi_"},
    {"german_cp1252.txt", "german_cp1252.tx_"},
    {"mixed_32769.bin", "mixed_32769.bi_"},
    {"random_100k.bin", "random_100k.bi_"},         // the tree is rebuilt 5 times
    {"repetitive_300k.txt", "repetitive_300k.tx_"}, // rebuilt once
};
