#include "codec/Container.h"
#include "codec/LzhPack.h"
#include "codec/LzhUnpack.h"
#include "tests/core/TestData.h"
#include <gtest/gtest.h>
#include <random>

namespace {

std::string RandomBytes(size_t size, unsigned seed, int alphabet = 256) {
    std::mt19937 rnd(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rnd() % alphabet);
    return bytes;
}

// Decodes with the program's decoder; the stream must need no bit beyond its end.
void ExpectRoundTrip(const std::string& data, const std::string& what) {
    std::string stream = LzhPack(data);
    size_t pos = 0;
    std::string out;
    auto read = [&](uint8_t* buffer, uint16_t, uint16_t& actual) {
        actual = pos < stream.size() ? 1 : 0;
        if (actual) *buffer = static_cast<uint8_t>(stream[pos++]);
    };
    auto write = [&](uint8_t* buffer, uint16_t, uint16_t& actual) {
        out += static_cast<char>(*buffer);
        actual = 1;
    };
    LzhUnpackResult result = LzhUnpack(static_cast<int32_t>(data.size()), read, write);
    EXPECT_TRUE(out == data) << what;
    EXPECT_EQ(result.written, static_cast<int64_t>(data.size())) << what;
    EXPECT_FALSE(result.overrun) << what;
    EXPECT_LE(stream.size(), data.size() / 8 * 9 + 8) << what;
}

TEST(LzhPack, RoundTrips) {
    std::string period4096 = RandomBytes(4096, 7);
    std::string allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes += static_cast<char>(i);
    struct Case {
        std::string data;
        const char* what;
    } cases[] = {
        {"", "empty"},
        {"A", "one byte"},
        {std::string(61, 'x'), "a literal and one longest match"},
        {std::string(5000, ' '), "spaces match the ring's initial content"},
        {"   x   x", "a start in the spaces before the data"},
        {allBytes + allBytes, "every byte value"},
        {period4096 + period4096 + period4096, "matches at the largest distance"},
        {RandomBytes(150000, 1), "incompressible: rebuilds of the tree"},
        {RandomBytes(300000, 2, 4), "a small alphabet: long codes for rare symbols"},
        {std::string(1 << 20, '\0'), "one byte repeated: only longest matches"},
    };
    for (const auto& c : cases)
        ExpectRoundTrip(c.data, c.what);
}

TEST(LzhPack, FixtureOriginalsRoundTrip) {
    for (const auto& fixture : LzhufFixtures)
        ExpectRoundTrip(ReadTestData(std::string("lzhuf/") + fixture.original), fixture.original);
}

TEST(LzhPack, ContainerHeader) {
    std::string container = PackContainer("hello hello hello");
    ASSERT_GE(container.size(), ContainerHeaderSize);
    EXPECT_EQ(container.substr(0, 8), std::string("!HZL\x11\0\0\0", 8));
    EXPECT_EQ(UnpackContainer(container), "hello hello hello");
}

} // namespace
