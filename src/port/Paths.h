#pragma once
// Where the game's files live on this platform: the folder that holds data/ (the
// "Resources folder"), the per-user folder, and path spelling rules.
#include <string>

// Turns every "\" into "/": the game writes its relative paths Windows-style.
std::string NormaliseSeparators(const std::string& path);

// The folder that holds the shipped data/ folder, without a trailing "/". By default the
// executable's own folder; tests point it at a temporary copy.
std::string GetResourcesFolder();
void SetResourcesFolder(const std::string& folder);

// "$XDG_CONFIG_HOME/zelvaamplivance" (or "~/.config/zelvaamplivance"), without a trailing
// "/". Read from the environment at every call, so tests can redirect it.
std::string GetUserFolder();
