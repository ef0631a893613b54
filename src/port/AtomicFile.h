#pragma once
// Every user file (saves, options, hints, icon positions, the profile store) is written
// whole to a temporary file, flushed, and renamed over the old one: a crash mid-write
// never leaves a half-written file.
#include <string>

// Creates missing parent folders. False (and the old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);

// Moves a user file the game cannot use out of the way, under the first free name of
// "<path>.bad", "<path>.bad2", "<path>.bad3"... so the game can start afresh and nothing
// is lost or overwritten. The new name, or empty when the file could not be moved.
std::string SetAsideFile(const std::string& path);
