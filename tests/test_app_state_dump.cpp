// The state dump: nested JSON from dotted paths, lookups, and the shell's values.
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "core/state_dump.h"

namespace {

TEST(StateDump, DottedPathsBecomeNestedObjectsInInsertionOrder) {
    StateDump d;
    d.SetInt("b", 2);
    d.SetInt("rec.y", -5);
    d.SetString("name", "Стройлик \"1\"");
    d.SetInt("rec.x", 7);
    d.SetRaw("arr", "[1,2]");
    const std::string json = d.ToJson();
    EXPECT_EQ(json,
              "{\n  \"b\": 2,\n  \"rec\": {\n    \"y\": -5,\n    \"x\": 7\n  },\n"
              "  \"name\": \"Стройлик \\\"1\\\"\",\n  \"arr\": [1,2]\n}");
}

TEST(StateDump, LookupGivesPlainTextAndWholeRecords) {
    StateDump d;
    d.SetInt("g_drag.state", 2);
    d.SetInt("g_drag.x", 10);
    d.SetString("g_levelPathPrefix", "./levels/k1/level");
    std::string v;
    ASSERT_TRUE(d.Lookup("g_drag.state", v));
    EXPECT_EQ(v, "2");
    ASSERT_TRUE(d.Lookup("g_levelPathPrefix", v));
    EXPECT_EQ(v, "./levels/k1/level");
    ASSERT_TRUE(d.Lookup("g_drag", v));
    EXPECT_EQ(v, "{\n  \"state\": 2,\n  \"x\": 10\n}");
    EXPECT_FALSE(d.Lookup("g_dra", v));
    EXPECT_FALSE(d.Lookup("nothing", v));
}

TEST(StateDump, SettingAPathAgainReplacesItsValueInPlace) {
    StateDump d;
    d.SetInt("a", 1);
    d.SetInt("b", 2);
    d.SetInt("a", 3);
    EXPECT_EQ(d.ToJson(), "{\n  \"a\": 3,\n  \"b\": 2\n}");
}

TEST(JsonHelpers, StringsAreEscapedAndArraysListed) {
    EXPECT_EQ(JsonString("a\\b\n\t\x01"), "\"a\\\\b\\n\\t\\u0001\"");
    const int32_t values[] = {3, -1, 0};
    EXPECT_EQ(JsonIntArray(values, 3), "[3,-1,0]");
    EXPECT_EQ(JsonIntArray(values, 0), "[]");
}

TEST(StateDump, TheShellDumpCarriesTheSharedStateUnderItsNames) {
    g_screenState = ScreenBox2Start;
    g_cursorX = 321;
    g_drag.figure = 17;
    g_clearColor = 0xFF44AFDC;
    StateDump d = BuildStateDump();
    std::string v;
    for (const char* name : {"g_screenState", "g_hotButton", "g_currentLevel", "g_maxCompletedLevel", "g_levelDone",
                             "g_saveExists", "g_levelPathPrefix", "g_clickLatch", "g_introActive", "g_cursorX",
                             "g_cursorY", "FRunning", "g_gameStarted", "g_drag.state", "g_drag.homeX", "g_drag.homeY",
                             "g_drag.x", "g_drag.y", "g_returning", "g_screenWidth", "g_screenHeight"})
        EXPECT_TRUE(d.Lookup(name, v)) << name;
    d.Lookup("g_screenState", v);
    EXPECT_EQ(v, "4");
    d.Lookup("g_cursorX", v);
    EXPECT_EQ(v, "321");
    d.Lookup("g_drag.figure", v);
    EXPECT_EQ(v, "17");
    d.Lookup("g_clearColor", v);
    EXPECT_EQ(v, std::to_string(0xFF44AFDCu));
    g_screenState = ScreenMainMenu;
    g_drag = DragRecord{};
    g_clearColor = 0xFF0000FF;
}

}  // namespace
