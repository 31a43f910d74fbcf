#include "codec/Container.h"
#include "tests/core/TestData.h"
#include "ui/Exception.h"
#include <gtest/gtest.h>

namespace {

std::string WithSize(std::string container, uint32_t size) {
    for (int i = 0; i < 4; ++i)
        container[4 + i] = static_cast<char>(size >> (8 * i));
    return container;
}

TEST(Container, FixturesExpand) {
    for (const auto& fixture : LzhufFixtures) {
        EXPECT_TRUE(UnpackContainer(ReadTestData(std::string("lzhuf/") + fixture.container)) ==
                    ReadTestData(std::string("lzhuf/") + fixture.original))
            << fixture.container;
    }
}

TEST(Container, RejectsBadInput) {
    std::string good = ReadTestData("lzhuf/german_cp1252.tx_");
    std::string same61 = ReadTestData("lzhuf/same_61.bi_");
    struct Case {
        std::string input;
        const char* reason;
    } cases[] = {
        {"", "truncated: the header is incomplete"},
        {"!HZ", "truncated: the header is incomplete"},
        {std::string("!HZL\x01\0\0", 7), "truncated: the header is incomplete"},
        {"MZ\x90\x01 an uncompressed program", "not a compressed file (no !HZL signature)"},
        {std::string("!hzl\x01\0\0\0", 8), "not a compressed file (no !HZL signature)"},
        {WithSize(good, 0x80000000u), "damaged: negative size"},
        {std::string("!HZL\x01\0\0\0", 8), "truncated: the stream ends early"},
        {good.substr(0, good.size() - 1), "truncated: the stream ends early"},
        {WithSize(good, 100000), "truncated: the stream ends early"},
        {WithSize(same61, 30), "damaged: the stream runs past the stored size"},
    };
    for (const auto& c : cases) {
        try {
            UnpackContainer(c.input);
            ADD_FAILURE() << "accepted: " << c.reason;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.reason);
        }
    }
}

TEST(Container, TrailingBytesAreNeverRead) {
    std::string good = ReadTestData("lzhuf/german_cp1252.tx_");
    EXPECT_EQ(UnpackContainer(good + "trailing garbage"), ReadTestData("lzhuf/german_cp1252.txt"));
    EXPECT_EQ(UnpackContainer(std::string("!HZL\0\0\0\0", 8)), "");
}

} // namespace
