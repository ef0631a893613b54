#pragma once
// Opening files by the game's relative paths: first as written in the working folder,
// then with "\" turned into "/" under the Resources folder.
#include <cstddef>
#include <cstdio>

FILE* Mac_fopen(const char* path, const char* mode);

// Writes "<Resources>/<sub-folder>/" into the buffer (sub-folder's leading dots dropped,
// "\" turned into "/"); an empty sub-folder gives "<Resources>/". False when it does not fit.
bool BuildMacResourceDirPath(char* buffer, size_t size, const char* subFolder);
