#pragma once
// Anything the band can own or buy.
// Minimal: replaced when this class's rules are built.
#include "sim/SIM_InstrumentType.h"

#include <string>
#include <vector>

class SIM_Asset {
public:
    // The index of an asset's flags.
    enum ASSETFLAGS { DESIRABLE = 0, STEALABLE = 1, SELLABLE = 2, SERVICE = 3, REBUYABLE = 4, EMPLOYEE = 5 };

    SIM_Asset();
    SIM_Asset(const SIM_Asset&) = delete;
    SIM_Asset& operator=(const SIM_Asset&) = delete;
    virtual ~SIM_Asset();

    static void Open();
    static void Close();
    static void ProcessAll();
    // The first asset of the catalogue with that name, or none.
    static SIM_Asset* GetByName(const std::string& name);
    // The owned asset of that name, or none.
    static SIM_Asset* GetOwnedByName(const std::string& name);

    const std::string& GetName() const { return name; }
    // The name its effects carry, by which they are removed again.
    const std::string& GetDebugName() const { return name; }
    const std::string& GetCategory() const { return category; }
    virtual std::string GetTypeName() const { return ""; }
    const std::string& GetAssigneeName() const { return assigneeName; }
    INSTRUMENT GetAssigneeInstrument() const { return assigneeInstrument; }
    bool GetFlag(int flag) const { return flag >= 0 && flag < 6 && flags[flag]; }
    bool IsOwned() const { return owned; }
    float GetSatisfaction() const { return satisfaction; }
    // Stops being owned.
    void Destroy();

    // Every asset of the catalogue.
    static std::vector<SIM_Asset*> All;

protected:
    bool flags[6] = {};
    std::string name;
    std::string category;
    std::string assigneeName;
    INSTRUMENT assigneeInstrument = INSTRUMENT_NONE;
    float satisfaction = 0.0f;
    bool owned = false;
};
