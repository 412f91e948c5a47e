#pragma once

#include <string>

// The application's title, from the path of its executable: the file name
// without its folder, cut at the first ".", every character after the first
// in lower case (GAME.EXE gives Game).
std::string AppTitleFromPath(const std::string& path);
