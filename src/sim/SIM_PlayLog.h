#pragma once
// The play log: a developer's trace of the player's choices. The shipped game keeps none,
// so every line is dropped.
class SIM_PlayLog {
public:
    static void Output(const char* text);
};
