#pragma once
// Anything the band can own or buy.
// Minimal: replaced when this class's rules are built.

class SIM_Asset {
public:
    static void Open();
    static void Close();
    static void ProcessAll();
};
