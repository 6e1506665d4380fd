#pragma once
// What the main menu and the start selection screen share: the cleared back buffer, the
// background picture with its red frame, and the round button in the top-right corner.

// Clears, begins the sprite batch (rebuilding the device when it cannot begin), draws the
// background and the frame.
void BeginMenuScreen();
// The quit / back button at the top-right corner, lit or not.
void DrawCornerButton(bool lit);
