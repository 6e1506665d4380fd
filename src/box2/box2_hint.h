#pragma once
// The box 2 "show me" help: whether it can be asked for, and the step of each frame.
// Open: an ordinary level being played.
bool Box2HintOpen();
// The ladder stepped, then its pictures over the board.
void Box2HintStep();
