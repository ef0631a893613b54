#pragma once
// What the story screens (career stage, caption, yearly review, verdict) share.

// A new or loaded game: every story screen is put away with its modal entry, its crowd
// sound, the paused music and the stopped play clock.
void GUI_ClearStoryScreens();

// Puts a full-screen story screen up over everything: the play clock stops while the
// player reads it.
class GUI_WindowBase;
void GUI_OpenStoryScreen(GUI_WindowBase* screen);

