#pragma once
// The box 2 drag step (the tail of drawpalette2) and the pick-up.
void Box2DragStep();
void scandragfigure2();
