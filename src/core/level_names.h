#pragma once
// The names of the levels' pictures ("Домик", "Ракета"), shown on the overview and the box
// screens in the chosen language.

// The picture's name of a level of box 1 or 2, translated; "" for a level the table does not know
// (a box with more level files than it was shipped with).
const char* LevelName(int box, int level);
