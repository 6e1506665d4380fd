#pragma once
// The box 1 operations that run inside the screen drawing, and the file names of box 1.
#include <cstdint>
#include <string>

// Palette, fields and the drag step.
void drawpalette();
// The drag step: picking up, carrying, dropping and the flight home (inside drawpalette).
void Box1DragStep();
// A figure in the hand or in flight goes straight to its palette home, as if its flight had
// ended, so a save records the board at rest.
void SettleBox1Figure();
// The last palette cell in row order that lists the figure is its home: its top-left pixel,
// or false (x, y unchanged) when no cell lists it.
bool Box1PaletteHome(int32_t figure, int32_t& x, int32_t& y);
// Tries to pick up a figure under the cursor, from the palette or from the field.
void scandragfigure();
// Compares the field with the sample, sounds, pulses and moves on after a click.
void scanlevelcomplete();

// Whether the "show me" help can be asked for: an ordinary level being played.
bool Box1HintOpen();
// The "show me" help of this frame: the ladder stepped, then its pictures over the board.
void Box1HintStep();

// Draws a box 1 figure picture at (x, y).
void DrawBox1Figure(int32_t figure, int32_t x, int32_t y, uint32_t colour);

// Number of the level whose file filled the board, 0 when the last load failed. Progress is
// only written for a board that really belongs to the current level.
extern int32_t g_box1BoardLevel;

std::string Box1LevelFileName(int32_t level);      // g_levelPathPrefix + N + ".ini"
std::string Box1ProgressFileName(int32_t level);   // "./save/k1/sk_" + N + ".dat"
// The child's board of the level: the progress file, or for a kept puzzle its own board file.
std::string Box1BoardFile(int32_t level);
inline const char* const kBox1SaveFolder = "./save/k1";
inline const char* const kBox1PositionFile = "k1.dat";
inline const char* const kBox1ExportFile = "./levels/k1/Help_Save.ini";
