#pragma once
// The publicity events offered to the band.
// Minimal: replaced when this class's rules are built.

class SIM_Publicity {
public:
    static void GenerateEvents();
};

// One publicity event offered to the band.
// Minimal: replaced when this class's rules are built.
class SIM_PublicityEvent {
public:
    virtual ~SIM_PublicityEvent() = default;
    // Minimal: carrying the event out does nothing yet.
    void Process() {}
};
