#include <gtest/gtest.h>
#include <string>

// The sources are UTF-8; the program must see its German texts in Windows-1252.
TEST(Charset, NarrowLiteralsAreWindows1252) {
    const std::string text = "Begrüßung";
    const unsigned char expected[] = {0x42, 0x65, 0x67, 0x72, 0xFC, 0xDF, 0x75, 0x6E, 0x67};
    ASSERT_EQ(text.size(), sizeof expected);
    for (size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(static_cast<unsigned char>(text[i]), expected[i]) << "byte " << i;
    EXPECT_EQ(std::string("Ungültiger"), std::string("Ung\xFCltiger"));
}
