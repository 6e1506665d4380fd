#pragma once
// The speaker button of the main menu, just below the quit button and drawn like it. Its
// pictures sit in a row on the main sheet: each look unlit, then lit. The generator draws
// them from these same numbers.

// Where the button is drawn (virtual screen) and its size.
constexpr int SoundButtonX = 1235;
constexpr int SoundButtonY = 74;
constexpr int SoundButtonSize = 44;
// Its zone, bounds excluded, 64 units or more each way; it touches no other button's zone
// (the quit zone ends at y 66).
constexpr int SoundZoneLeft = 1213, SoundZoneRight = 1281, SoundZoneTop = 65, SoundZoneBottom = 131;

// What the button shows: which sounds are on.
enum SoundLook { SoundLookAllOn = 0, SoundLookMusicOff = 1, SoundLookAllOff = 2, SoundLookEffectsOff = 3 };
constexpr int SoundLookCount = 4;

constexpr int SoundSheetX = 1536;
constexpr int SoundSheetY = 930;
constexpr int SoundSheetLeft(int look, bool lit) { return SoundSheetX + (look * 2 + (lit ? 1 : 0)) * SoundButtonSize; }
