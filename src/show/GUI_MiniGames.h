#pragma once
// The mini-game screens as a family: a new game or a load puts away whichever is open,
// without ending a day, so none keeps pointers into the game that was replaced.
void GUI_CloseMiniGames();
