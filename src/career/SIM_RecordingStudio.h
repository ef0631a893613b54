#pragma once
// A recording studio, read from its table.
// Minimal: replaced when this class's rules are built.

class SIM_RecordingStudio {
public:
    static void Open();
    static void Close();
};
