#pragma once
// The speaker button of the main menu, just below the quit button and drawn like it. Its
// pictures sit in a row on the main sheet: each look unlit, then lit. The generator draws
// them from these same numbers.

// Where the button is drawn (virtual screen) and its size.
constexpr int SoundButtonX = 1235;
constexpr int SoundButtonY = 52;
constexpr int SoundButtonSize = 44;
// Its zone, bounds excluded; it touches no other button's zone (the quit zone ends at y 50).
constexpr int SoundZoneLeft = 1230, SoundZoneRight = 1280, SoundZoneTop = 50, SoundZoneBottom = 98;

// What the button shows: which sounds are on.
enum SoundLook { SoundLookAllOn = 0, SoundLookMusicOff = 1, SoundLookAllOff = 2, SoundLookEffectsOff = 3 };
constexpr int SoundLookCount = 4;

constexpr int SoundSheetX = 1536;
constexpr int SoundSheetY = 930;
constexpr int SoundSheetLeft(int look, bool lit) { return SoundSheetX + (look * 2 + (lit ? 1 : 0)) * SoundButtonSize; }
