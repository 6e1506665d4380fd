// The parent's gate: the hold, the digits, and their drawing in the menus' cards.
#include "menus/parent_gate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/state_dump.h"
#include "menus/card_draw.h"

ParentGate g_parentGate;

namespace {

constexpr uint32_t Veil = 0xB0000000;
constexpr uint32_t CardColour = 0xF2FFFFFF;
constexpr uint32_t HotCardColour = 0xFFFFF6C8;
constexpr uint32_t Orange = 0xFFF08018;
constexpr uint32_t Green = 0xFF34A038;
constexpr uint32_t Grey = 0xFF808080;
constexpr uint32_t StarLit = 0xFFFFD21E;
constexpr uint32_t StarDim = 0x60FFFFFF;
constexpr int RingStars = 12;

bool Inside(const plat::Rect& r, int x, int y) { return x > r.left && x < r.right && y > r.top && y < r.bottom; }

int KeyUnder(int x, int y) {
    for (int d = 0; d <= 9; ++d)
        if (Inside(GateKeyRect(d), x, y)) return d;
    return -1;
}

void ShowDigits(uint64_t now) {
    ParentGate& g = g_parentGate;
    g.stage = GateDigits;
    g.since = now;
    g.entered = 0;
    // No digit twice in a row: a held key or a double tap must not count as two.
    for (int i = 0; i < GateDigitCount; ++i) {
        int d = std::rand() % 10;
        if (i > 0 && d == g.digits[i - 1]) d = (d + 1 + std::rand() % 9) % 10;
        g.digits[i] = d;
    }
}

int32_t HoldFrame(const GateInput& in, uint64_t now, int64_t rate) {
    ParentGate& g = g_parentGate;
    if (in.fresh && !Inside(GateHoldRect, in.x, in.y)) {
        CloseGate();
        return GateOff;
    }
    const bool holding = in.heldByKey || (in.held && Inside(GateHoldRect, in.x, in.y));
    if (!holding) {
        g.holdSince = 0;
        g.heldPercent = 0;
        return GateOff;
    }
    if (g.holdSince == 0) g.holdSince = now;
    const uint64_t needed = uint64_t(GateHoldSeconds) * uint64_t(rate);
    const uint64_t held = now - g.holdSince;
    g.heldPercent = needed == 0 ? 100 : static_cast<int32_t>(std::min<uint64_t>(100, held * 100 / needed));
    if (held >= needed) ShowDigits(now);
    return GateOff;
}

int32_t DigitsFrame(const GateInput& in, uint64_t now) {
    ParentGate& g = g_parentGate;
    int digit = in.digit;
    if (digit < 0 && in.fresh) {
        digit = KeyUnder(in.x, in.y);
        if (digit < 0) {   // beside the keypad
            CloseGate();
            return GateOff;
        }
    }
    if (digit < 0) return GateOff;
    if (digit != g.digits[g.entered]) {
        CloseGate();
        return GateOff;
    }
    g.since = now;
    if (++g.entered < GateDigitCount) return GateOff;
    const int32_t passed = g.purpose;
    CloseGate();
    return passed;
}

void DrawHold() {
    const ParentGate& g = g_parentGate;
    const plat::Rect& r = GateHoldRect;
    Card(r.left, r.top, r.right, r.bottom, g.holdSince ? HotCardColour : CardColour);
    Outline(r.left, r.top, r.right, r.bottom, 4, g.holdSince ? Green : Orange);
    // The ring of stars fills as the button is held.
    const float cx = float(r.left + r.right) / 2, cy = float(r.top + r.bottom) / 2, radius = 90, size = 36;
    const int lit = g.heldPercent * RingStars / 100;
    for (int i = 0; i < RingStars; ++i) {
        const float a = float(i) / RingStars * 6.2831853f - 1.5707963f;
        StarSprite(cx + radius * std::cos(a) - size / 2, cy + radius * std::sin(a) - size / 2, size, i < lit ? StarLit : StarDim);
    }
    StarSprite(cx - 40, cy - 40, 80, StarLit);
}

void DrawDigits() {
    const ParentGate& g = g_parentGate;
    // The digits to press, large, the ones pressed already in green.
    const int cardLeft = 440, cardTop = 330, cardRight = 840, cardBottom = 500;
    Card(cardLeft, cardTop, cardRight, cardBottom, CardColour);
    Outline(cardLeft, cardTop, cardRight, cardBottom, 4, Orange);
    for (int i = 0; i < GateDigitCount; ++i)
        Text(std::to_string(g.digits[i]), cardLeft + 70 + i * 110, cardTop + 30, i < g.entered ? Green : Orange, 3.0f);
    for (int d = 0; d <= 9; ++d) {
        const plat::Rect k = GateKeyRect(d);
        Card(k.left, k.top, k.right, k.bottom, CardColour);
        Outline(k.left, k.top, k.right, k.bottom, 3, Grey);
        Text(std::to_string(d), k.left + 30, k.top + 14, Grey, 2.0f);
    }
}

}  // namespace

void OpenGate(int32_t purpose) {
    g_parentGate = ParentGate{};
    g_parentGate.purpose = purpose;
    g_parentGate.stage = GateHold;
}

void CloseGate() { g_parentGate = ParentGate{}; }

bool GateOpen() { return g_parentGate.purpose != GateOff; }

int32_t GateFrame(const GateInput& in, uint64_t now, int64_t rate) {
    ParentGate& g = g_parentGate;
    if (g.purpose == GateOff) return GateOff;
    if (g.since == 0) g.since = now;
    if (in.cancel || now - g.since > uint64_t(GateIdleSeconds) * uint64_t(rate)) {
        CloseGate();
        return GateOff;
    }
    return g.stage == GateHold ? HoldFrame(in, now, rate) : DigitsFrame(in, now);
}

void DrawParentGate() {
    if (!GateOpen() || !g_sprite) return;
    Fill(0, 0, 1280, 1024, Veil);
    if (g_parentGate.stage == GateHold) DrawHold();
    else DrawDigits();
}

void DumpParentGate(StateDump& dump) {
    const ParentGate& g = g_parentGate;
    dump.SetInt("parentGate", g.purpose);
    dump.SetInt("parentGateStage", g.purpose == GateOff ? 0 : g.stage);
    std::string digits;
    if (g.purpose != GateOff && g.stage == GateDigits)
        for (int d : g.digits) digits += char('0' + d);
    dump.SetString("parentGateDigits", digits);
}
