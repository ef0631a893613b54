#pragma once
// The lists of forenames and surnames.
// Minimal: replaced when this class's rules are built.

#include "sim/SIM_Person.h"

#include <string>

class SIM_Names {
public:
    static void Open();
    static void Close();
    // Minimal: no name lists yet; empty names.
    static std::string GetSurname();
    static std::string GetForename(SIM_GENDER gender, bool unique);
};
