#pragma once
// A personality trait ("lazy", "optimistic", "businessman"...) from the table
// "data/simulation/personalities.csv". Rules test a musician's traits by exact,
// case-sensitive name; musicians point into the table, which lives from Open to Close.
#include <string>
#include <vector>

class SIM_Personality {
public:
    static constexpr const char* File = "data/simulation/personalities.csv";

    // Joins All.
    SIM_Personality(const std::string& name, const std::string& guiname, const std::string& description);
    SIM_Personality(const SIM_Personality&) = delete;
    SIM_Personality& operator=(const SIM_Personality&) = delete;
    // Leaves All.
    virtual ~SIM_Personality();

    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiname; }
    const std::string& GetDescription() const { return description; }

    // Close, then one personality per row of the table (marker, name, GUI name,
    // description; each trimmed at its end). A missing file leaves the table empty.
    static void Open();
    // Deletes every personality.
    static void Close();
    // The first personality with exactly that name; none (logged with the name) when
    // there is none. An empty table is reported by assertion.
    static SIM_Personality* GetByName(const std::string& name);
    // A personality at a random position; none (reported by assertion) for an empty table.
    static SIM_Personality* GetRandom();

    // The table, in file order.
    static std::vector<SIM_Personality*> All;

private:
    std::string guiname;
    std::string name;
    std::string description;
};
