#pragma once
// The player's sound switches: music on or off, effects on or off. They live in the settings
// file, act at once (paused music goes on where it stopped) and are kept for the next run.

// Hands the settings' switches and volume levels to the mixer (start-up, and after every
// change); the switches act on top of the levels.
void ApplySoundSwitches();
void ToggleMusic();
void ToggleEffects();
// The speaker button's round: all on -> music off -> all off -> all on. With only the
// effects off it goes to all off, the next step toward silence.
void CycleSoundSwitches();
