#pragma once
// Reports that never stop the game: a failed check (GAssert), a note in the debug log
// (GWarning) and an error the player must acknowledge (GError). All three go through the
// installed screens (SIM_GetScreens), so they work the same with or without a display,
// and every caller goes on afterwards.

// Nothing happens when the condition holds.
void GAssert(bool condition, const char* file, int line);
void GWarning(const char* text, const char* file, int line);
void GError(const char* text, const char* file, int line);
