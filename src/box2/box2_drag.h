#pragma once
// The box 2 drag step (the tail of drawpalette2) and the pick-up.
void Box2DragStep();
void scandragfigure2();
// A figure in the hand or in flight goes straight to its palette home, as if its flight had
// ended, so a save records the board at rest.
void SettleBox2Figure();
