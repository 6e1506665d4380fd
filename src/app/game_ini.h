#pragma once

void GameIni();
