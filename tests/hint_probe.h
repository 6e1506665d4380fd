#pragma once
// Reading the "show me" hint as a script sees it, asking with the H key, and the bytes of a
// board to see that a hint leaves it alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/state_dump.h"
#include "game_driver.h"
#include "platform/input.h"

constexpr int FramesPerSecond = 1000 / 16;   // the driver's fixed clock steps 16 ms a frame

inline int Hint(const char* field) {
    std::string value;
    EXPECT_TRUE(BuildStateDump().Lookup(std::string("hint.") + field, value)) << field;
    return std::atoi(value.c_str());
}

inline void PressH(GameDriver& game) {
    game.Key(plat::DIK::H, true);
    game.Frame();
    game.Key(plat::DIK::H, false);
    game.Frame();
}

inline std::vector<char> Bytes(std::initializer_list<std::pair<const void*, size_t>> parts) {
    std::vector<char> bytes;
    for (const auto& [p, n] : parts) bytes.insert(bytes.end(), (const char*)p, (const char*)p + n);
    return bytes;
}
