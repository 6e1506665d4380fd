#pragma once
// The settings dialog, drawn with the game's own sprite batch and font in the dialog window.
#include <cstdint>
#include <vector>

#include "platform/window.h"

class TForm1;

// Places the dialog's controls (their stored layout) and gives them their texts.
void SetUpDialogControls(TForm1& form);
// The controls' texts and the language list in the current language.
void CaptionDialogControls(TForm1& form);
// Draws one frame of the dialog; creates its drawing objects on first use.
void DrawSettingsDialog(TForm1& form);
// Mouse and keyboard of the dialog window.
void HandleDialogEvent(TForm1& form, const plat::Window::DialogEvent& event);
// The last drawn dialog picture as 0xAARRGGBB rows (418 x 179); false before the first.
bool ReadDialogPicture(std::vector<uint32_t>& pixels, int* width = nullptr, int* height = nullptr);
// Releases the dialog's drawing objects (the game takes the window over).
void ReleaseSettingsDialog();

// Which control has the keyboard focus: the tab order of the focused control.
int DialogFocus();
void SetDialogFocus(int tabOrder);
