#pragma once
// The mouse, fingers and keys while the parent's gate or the parent corner is on screen:
// they take the frame's input, so nothing reaches the menu underneath.

// The frame's left button (`held`) and whether it went down in this frame (`fresh`). True
// when the gate or the corner took the input.
bool RunParentInput(bool held, bool fresh);
// The main menu's small parent button and, in kiosk mode, its quit button: the gate opens.
void OpenParentGate(int purpose);
// The settings dialog's "for parents" button: the game starts at the gate to the corner.
void OpenParentGateOnStart();
// The gate or the corner over the screen just drawn, or the corner instead of the main menu.
bool DrawParentScreens();
// The keyboard focus of the corner (the row Enter acts on).
int ParentCornerFocus();
