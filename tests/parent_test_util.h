#pragma once
// Through the parent's gate into the parent corner by the real mouse path, and the rows.
#include <gtest/gtest.h>

#include <string>

#include "app/parent_rows.h"
#include "core/parent_state.h"
#include "game_driver.h"
#include "menus/parent_corner.h"
#include "menus/parent_gate.h"

namespace parenttest {

inline constexpr int ParentButtonX = 25, ParentButtonY = 25;
inline constexpr int HoldX = (GateHoldRect.left + GateHoldRect.right) / 2, HoldY = (GateHoldRect.top + GateHoldRect.bottom) / 2;
// Driven frames are 16 ms: three seconds and a little.
inline constexpr int HoldFrames = 3000 / 16 + 4;

inline void PressKey(GameDriver& game, int digit) {
    const int x = (GateKeyRect(digit).left + GateKeyRect(digit).right) / 2;
    game.MoveTo(x, GateKeyTop + GateKeySize / 2);
    game.Click();
}

// The gate opened (by the parent button, or already open), held, and its digits pressed.
inline void PassTheGate(GameDriver& game, bool openIt = true) {
    if (openIt) {
        game.MoveTo(ParentButtonX, ParentButtonY);
        game.Click();
    }
    ASSERT_TRUE(GateOpen());
    game.MoveTo(HoldX, HoldY);
    game.Press();
    game.Frames(HoldFrames);
    game.Release();
    ASSERT_EQ(g_parentGate.stage, GateDigits);
    const ParentGate shown = g_parentGate;
    for (int d : shown.digits) PressKey(game, d);
}

inline void OpenCorner(GameDriver& game) {
    ASSERT_NO_FATAL_FAILURE(PassTheGate(game));
    ASSERT_EQ(g_parentCorner, 1);
}

// The row whose label is `label`.
inline int RowIndex(const std::string& label) {
    for (int i = 0; i < ParentRowCount(); ++i)
        if (label == ParentRows()[i].label) return i;
    ADD_FAILURE() << "no row " << label;
    return 0;
}

// A click on a row: on its right part (raise, switch, act) or its left part (lower a level).
inline void ClickRow(GameDriver& game, const std::string& label, bool lower = false) {
    const plat::Rect r = CornerRowRect(RowIndex(label));
    game.MoveTo(lower ? r.left + 40 : r.right - 40, (r.top + r.bottom) / 2);
    game.Click();
}

}  // namespace parenttest
