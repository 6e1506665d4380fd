#pragma once
// The settings dialog, drawn with the game's own sprite batch and font in the dialog window.
#include "platform/window.h"

class TForm1;

// Places the dialog's controls (their stored layout).
void SetUpDialogControls(TForm1& form);
// Draws one frame of the dialog; creates its drawing objects on first use.
void DrawSettingsDialog(TForm1& form);
// Mouse and keyboard of the dialog window.
void HandleDialogEvent(TForm1& form, const plat::Window::DialogEvent& event);
// Releases the dialog's drawing objects (the game takes the window over).
void ReleaseSettingsDialog();

// Which control has the keyboard focus: the tab order of the focused control.
int DialogFocus();
void SetDialogFocus(int tabOrder);
