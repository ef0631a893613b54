#pragma once
// Every user file (saves, options, hints, icon positions, the profile store) is written
// whole to a temporary file, flushed, and renamed over the old one: a crash mid-write
// never leaves a half-written file.
#include <string>

// Creates missing parent folders. False (and the old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
