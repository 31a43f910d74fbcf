#include "codec/Container.h"
#include "codec/LzhUnpack.h"
#include "tests/core/AllocationFault.h"
#include "tests/core/TestData.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Feeds the input one byte per call and records what the decoder asks for and writes.
struct Decoded {
    std::string output;
    int reads = 0;
    LzhUnpackResult result;
};

Decoded Unpack(const std::string& input, int32_t size) {
    Decoded run;
    size_t pos = 0;
    auto read = [&](uint8_t* buffer, uint16_t count, uint16_t& actual) {
        EXPECT_EQ(count, 1);
        ++run.reads;
        actual = 0;
        if (pos < input.size()) {
            *buffer = static_cast<uint8_t>(input[pos++]);
            actual = 1;
        }
    };
    auto write = [&](uint8_t* buffer, uint16_t count, uint16_t& actual) {
        EXPECT_EQ(count, 1);
        run.output += static_cast<char>(*buffer);
        actual = 1;
    };
    run.result = LzhUnpack(size, read, write);
    return run;
}

// Bits given as '0'/'1' text, packed MSB first and padded with zero bits.
std::string Bits(const std::string& text) {
    std::string bytes((text.size() + 7) / 8, '\0');
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '1') bytes[i / 8] = static_cast<char>(bytes[i / 8] | 0x80 >> (i % 8));
    return bytes;
}

// The code of a symbol in the initial tree, root first.
std::string FirstCode(unsigned symbol) {
    lzh::LzhTree tree;
    tree.StartHuff();
    std::string code;
    for (int k = tree.prnt[symbol + lzh::T]; k != lzh::R; k = tree.prnt[k])
        code.insert(code.begin(), "01"[k & 1]);
    return code;
}

// A first symbol that is a match of length 3 at the given coded position.
std::string FirstMatch(unsigned position) {
    unsigned upper = position >> 6;
    int length = lzh::PositionCodeLength(static_cast<int>(upper));
    std::string bits = FirstCode(256);
    for (int i = length - 1; i >= 0; --i)
        bits += "01"[lzh::positionTables.p_code[upper] >> (8 - length + i) & 1];
    for (int i = 5; i >= 0; --i)
        bits += "01"[position >> i & 1];
    return Bits(bits);
}

TEST(LzhUnpack, TinyStreams) {
    struct Case {
        std::string input;
        int32_t size;
        std::string output;
        const char* why;
    } cases[] = {
        {"", 0, "", "size 0 reads and writes nothing"},
        {"\xff", -5, "", "a negative size counts as 0"},
        {"", 1, "t", "all-zero bits end at the leaf of symbol 116"},
        {"", 5, std::string(61, 't'), "then the longest match at distance 1, written whole past the size"},
        {FirstMatch(0), 3, "   ", "distance 1 reaches the spaces before the start"},
        {FirstMatch(4035), 3, "   ", "the oldest space"},
        {FirstMatch(4095), 3, std::string(3, '\0'), "the ring's undefined tail reads as zeros"},
        {FirstMatch(4036), 3, std::string("\0  ", 3), "the last ring byte, then wrapping to the spaces"},
    };
    for (const auto& c : cases) {
        Decoded run = Unpack(c.input, c.size);
        EXPECT_EQ(run.output, c.output) << c.why;
        if (c.size <= 0) {
            EXPECT_EQ(run.reads, 0) << c.why;
        }
    }
}

TEST(LzhUnpack, FixturesExpandExactly) {
    for (const auto& fixture : LzhufFixtures) {
        std::string container = ReadTestData(std::string("lzhuf/") + fixture.container);
        std::string original = ReadTestData(std::string("lzhuf/") + fixture.original);
        ASSERT_GE(container.size(), ContainerHeaderSize);
        auto size =
            static_cast<int32_t>(LittleEndian32(reinterpret_cast<const uint8_t*>(container.data()) + 4));
        ASSERT_EQ(size, static_cast<int32_t>(original.size())) << fixture.container;
        Decoded run = Unpack(container.substr(ContainerHeaderSize), size);
        EXPECT_TRUE(run.output == original) << fixture.container;
        EXPECT_EQ(run.result.written, size) << fixture.container;
        EXPECT_FALSE(run.result.overrun) << fixture.container;
    }
}

TEST(LzhUnpack, ReportsWhenTheInputIsTooShort) {
    std::string stream = ReadTestData("lzhuf/mixed_32769.bi_").substr(ContainerHeaderSize);
    for (size_t cut : {size_t(1), size_t(100), stream.size() - 1}) {
        Decoded run = Unpack(stream.substr(0, stream.size() - cut), 32769);
        EXPECT_TRUE(run.result.overrun) << cut;
        EXPECT_GE(run.result.written, 32769) << cut; // the missing bits read as zeros
    }
}

TEST(LzhUnpack, CallbackErrorsPassThrough) {
    struct ReadFailed {};
    struct WriteFailed {};
    std::string stream = ReadTestData("lzhuf/german_cp1252.tx_").substr(ContainerHeaderSize);
    size_t pos = 0, failAt = 50;
    auto read = [&](uint8_t* buffer, uint16_t, uint16_t& actual) {
        if (pos == failAt) throw ReadFailed();
        *buffer = static_cast<uint8_t>(stream[pos++]);
        actual = 1;
    };
    auto write = [](uint8_t*, uint16_t, uint16_t& actual) { actual = 1; };
    EXPECT_THROW(LzhUnpack(530, read, write), ReadFailed);

    pos = 0;
    failAt = stream.size();
    int written = 0;
    auto failingWrite = [&](uint8_t*, uint16_t, uint16_t&) {
        if (++written == 100) throw WriteFailed();
    };
    EXPECT_THROW(LzhUnpack(530, read, failingWrite), WriteFailed);
}

TEST(LzhUnpack, TablesThatCannotBeObtained) {
    int calls = 0;
    auto read = [&](uint8_t*, uint16_t, uint16_t& actual) { ++calls, actual = 0; };
    auto write = [&](uint8_t*, uint16_t, uint16_t& actual) { ++calls, actual = 1; };
    FailNextAllocationOf(sizeof(lzh::LzhTables));
    try {
        LzhUnpack(10, read, write);
        FAIL() << "no exception";
    } catch (const ElzhException& e) {
        EXPECT_EQ(e.Message, "LZH : Cannot get memory for dictionary tables");
    }
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(Unpack("", 1).output, "t"); // the next call gets its tables again
}

} // namespace
