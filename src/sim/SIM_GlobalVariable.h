#pragma once
// The named balance values of the rules: section "config" of "data\config.txt", answered
// by exact (case-sensitive) key at the point of use. A missing key reads 0.
#include "engine/IniLoader.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

class SIM_GlobalVariable : public IniLoader {
public:
    static constexpr const char* File = "data\\config.txt";
    static constexpr const char* Section = "config";

    // Loads the section (every key missing when the file or section is).
    void Load();
    // The key's value as a float; 0 for a missing key (named once in the debug log on its
    // first read) and for a value that is no number.
    float Get(const std::string& key);
    // Changes or adds the value in memory only, at full precision; the file is untouched.
    void Set(const std::string& key, float value);

private:
    std::unordered_map<std::string, float> values_;
    std::unordered_set<std::string> missingLogged_;
};

SIM_GlobalVariable* SIM_GetGlobalVariables();
