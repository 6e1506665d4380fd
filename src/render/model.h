#pragma once
// The intro model: reader of the text model file, its buffers and its per-frame drawing.
#include <string>

void LoadMyX(const std::string& fileName);
void initvertex();
void drawmesh(int n);
// Once the intro is over: frees what only it draws with (the model's textures and buffers)
// before the menus load their pictures. Cheap when already done.
void ReleaseIntroGraphics();
// Releases the model's textures and buffers (device teardown).
void ReleaseModelTextures();
void ReleaseModelBuffers();
