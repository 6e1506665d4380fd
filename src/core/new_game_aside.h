#pragma once
// "New game" never deletes a box's progress: the boards ("save/kN/") and the position file
// ("kN.dat") are moved into "put-aside/kN-YYYYMMDD-HHMMSS-NN/" of the user folder, and the
// newest of those can be brought back (undo new game) from the parent corner.
#include <string>

// Whether box 1 or 2 has anything a new game would put aside.
bool BoxHasProgress(int box);
// Moves the box's boards and position file aside. "" when done (or nothing was there), else
// the message naming what could not be moved; what was moved stays aside, nothing is lost.
std::string PutBoxProgressAside(int box);
// Whether a put-aside progress of the box exists to bring back.
bool CanUndoNewGame(int box);
// Brings the newest put-aside progress of the box back. What the box holds now is itself put
// aside first (as "put-aside/undone-kN-..."), so the undo loses nothing either. "" when done,
// else the message.
std::string UndoNewGame(int box);
