#pragma once
// What the load and save menus share: the one listing of the saves folder, the safe removal
// of a save file and the cutting of a text to the width it is drawn in.
#include <string>
#include <vector>

// The file names (with ".xml") of the saves the game can load: regular "*.xml" files of
// the saves folder whose names the game accepts (no hidden or temporary files), sorted
// without regard to case. Empty when the folder is missing.
std::vector<std::string> GUI_ListSaveGames();

// Removes the save file `fileName` (with ".xml"): only a regular file directly inside the
// saves folder. True when it is gone.
bool GUI_RemoveSaveGame(const std::string& fileName);

// The save name a listed file stands for: its name less the ".xml".
std::string GUI_SaveNameOf(const std::string& fileName);

// The text cut, with "..." after it, so that it is no wider than `width` in that font.
std::string GUI_FitText(const std::string& text, const char* font, int size, float width);
