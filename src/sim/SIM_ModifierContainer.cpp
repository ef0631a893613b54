#include "sim/SIM_ModifierContainer.h"

#include "engine/GTranslation.h"
#include "engine/Utilities.h"
#include "sim/GAssert.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Riza.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {

std::vector<std::string> SplitCells(const std::string& text)
{
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        cells.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return cells;
        start = comma + 1;
    }
}

// A number cell, or a balance value when the cell names one. NaN marks a cell that is
// no number.
float ReadCell(const std::string& cell, bool letterNamesKey)
{
    unsigned char first = cell.empty() ? 0 : static_cast<unsigned char>(cell[0]);
    if (first == '_' || (letterNamesKey && std::isalpha(first)))
        return SIM_GetGlobalVariables()->Get(cell);
    return static_cast<float>(std::atof(cell.c_str()));
}

void WarnAbout(const char* problem, const std::string& text)
{
    std::string note = std::string(problem) + ": \"" + text + "\"";
    GWarning(note.c_str(), __FILE__, __LINE__);
}

// Whether the player character has a target of that name (an attribute, or fame).
bool PlayerHasTarget(const std::string& name)
{
    return name == "fame" || dynamic_cast<SIM_Attribute*>(SIM_GetRiza()->GetNamedValue(name, false)) != nullptr;
}

} // namespace

void SIM_Modifier::Verify()
{
    degrade = SIM_ClampValue(degrade, 0.0f, 1.0f);
    value = SIM_ClampValue(value, -1.0f, 1.0f);
}

void SIM_Modifier::Apply(float scale) const
{
    float v = value * scale;
    if (name.find("glob_") != std::string::npos) {
        SIM_NamedValueList& globals = SIM_NamedValueList::Globals();
        if (SIM_NamedValue* global = globals.GetNamedValue(name))
            global->ProcOperator("+=", v);
        else
            globals.AddValue(new SIM_NamedValue(name, guiname, v));
    } else if (name.find("band_") != std::string::npos) {
        SIM_GetBand()->ApplyToAttribute(name, v, degrade, debugname);
    } else {
        if (!PlayerHasTarget(name)) {
            static std::set<std::string> logged;
            if (logged.insert(name).second) {
                std::string note = "Modifier target is no attribute: " + name + " (from " + debugname + ")";
                GWarning(note.c_str(), __FILE__, __LINE__);
            }
        }
        SIM_GetRiza()->ApplyEffect(name, v, degrade, debugname);
    }
}

void SIM_ModifierContainer::AddModifier(const char* text)
{
    if (!text || std::strlen(text) < 2)
        return;
    unsigned char first = static_cast<unsigned char>(text[0]);
    if (!std::isalnum(first) && first != '_')
        return;

    std::vector<std::string> cells = SplitCells(text);
    if (cells.size() < 3)
        WarnAbout("Modifier has fewer than three cells", text);
    cells.resize(std::max<size_t>(cells.size(), 3));

    SIM_Modifier modifier;
    modifier.name = cells[0];
    modifier.guiname = GTranslation::GetString("nv_" + modifier.name);
    modifier.value = ReadCell(TrimEnd(cells[1]), false);
    modifier.degrade = ReadCell(TrimEnd(cells[2]), true);
    if (std::isnan(modifier.value) || std::isnan(modifier.degrade))
        WarnAbout("Modifier value is no number, read as 0", text);
    modifier.debugname = debugname;
    modifier.Verify(); // NaN reads as 0 here
    modifiers.push_back(modifier);
}

void SIM_ModifierContainer::ApplyModifiers(float scale) const
{
    for (const SIM_Modifier& modifier : modifiers)
        modifier.Apply(scale);
}

float SIM_ModifierContainer::GetModifierValue(const std::string& name) const
{
    for (const SIM_Modifier& modifier : modifiers)
        if (modifier.name == name)
            return modifier.GetValue();
    GWarning("Failed to get modifier value", __FILE__, __LINE__);
    return 0.0f;
}
