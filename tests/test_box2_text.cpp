// The integer line files of box 2: what counts as a value line, and what the writer makes.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/game_error.h"
#include "box2/box2_text_io.h"

namespace {

std::string ReadError(const std::string& text) {
    IntLineReader in("t.ini", text.data(), text.size());
    try {
        in.Int();
    } catch (const GameFileError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Box2Text, ValueLinesAndLineEnds) {
    const std::string text = "-12\r\n7\n0\r\nlabel line\r\n2147483647\r\n-2147483648";
    IntLineReader in("t.ini", text.data(), text.size());
    EXPECT_EQ(in.Int(), -12);
    EXPECT_EQ(in.Int(), 7);
    EXPECT_EQ(in.Int(), 0);
    in.Skip();
    EXPECT_EQ(in.Int(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(in.Int(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(in.line(), 6);
    try {
        in.Int();
        FAIL() << "read past the end";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find("line 7"), std::string::npos);
    }
}

TEST(Box2Text, LinesThatAreNotIntegers) {
    for (const char* bad : {"\r\n", " 3\r\n", "3 \r\n", "+3\r\n", "-\r\n", "1x\r\n", "2147483648\r\n", "99999999999\r\n", "4\r5\r\n"}) {
        const std::string message = ReadError(bad);
        EXPECT_NE(message.find("t.ini"), std::string::npos) << bad;
        EXPECT_NE(message.find("line 1"), std::string::npos) << bad;
    }
    const std::string range = [] {
        const std::string text = "5\r\n";
        IntLineReader in("t.ini", text.data(), text.size());
        try {
            in.IntIn(0, 1, "mask value");
        } catch (const GameFileError& e) {
            return std::string(e.what());
        }
        return std::string();
    }();
    EXPECT_NE(range.find("mask value 5 is outside 0..1"), std::string::npos) << range;
}

TEST(Box2Text, WriterFormatsEveryValueAsAReaderReadsIt) {
    IntLineWriter out;
    const int32_t values[] = {0, 9, 10, -1, -10, 255, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    for (int32_t v : values) out.Int(v);
    out.Text("-----");
    EXPECT_EQ(out.text().substr(0, 16), "0\r\n9\r\n10\r\n-1\r\n-1");
    IntLineReader in("t", out.text().data(), out.text().size());
    for (int32_t v : values) EXPECT_EQ(in.Int(), v);
    in.Skip();
}
