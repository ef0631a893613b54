#include "sim/SIM_Riza.h"

#include "engine/CSpreadsheet.h"
#include "engine/GTranslation.h"
#include "sim/GAssert.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_GlobalVariable.h"

namespace {
const char* SkillFor(INSTRUMENT instrument)
{
    switch (instrument) {
    case INSTRUMENT_KEYBOARD: return "music_keyboard";
    case INSTRUMENT_DRUMS: return "music_drums";
    case INSTRUMENT_BASS: return "music_bass";
    case INSTRUMENT_GUITAR: return "music_guitar";
    case INSTRUMENT_SAXOPHONE: return "music_saxophone";
    case INSTRUMENT_VOCALS: return "music_vocals";
    default: return "";
    }
}
}

SIM_Riza* SIM_GetRiza()
{
    static SIM_Riza* riza = new SIM_Riza;
    return riza;
}

SIM_Riza::SIM_Riza()
{
    SetName("You", "");
    gender = SIM_GENDER_FEMALE;
}

SIM_Riza::~SIM_Riza() = default;

void SIM_Riza::Initialise()
{
    Release();
    SIM_GameConfig* config = SIM_GetGameConfig();
    GetGenderFromTexture(config->GetAvatarTexture());
    forename = config->GetAvatarName();
    surname.clear();
    fullname = forename;
    portrait = config->GetAvatarTexture();
    attributes.SetName("attributes");
    LoadAttributes();
    SelectInstrument();
    SIM_GetFame()->Initialise();
    RecalcAttributes();
    portrait = config->GetAvatarTexture();
}

void SIM_Riza::LoadAttributes()
{
    attributes.Clear();
    skills.Clear();
    CSpreadsheet sheet("data/simulation/attributes.csv");
    for (const std::string& row : sheet) {
        auto* a = new SIM_Attribute;
        a->Load(row.c_str());
        attributes.AddValue(a);
    }
}

void SIM_Riza::SelectInstrument()
{
    instrument = INSTRUMENT_VOCALS;
    if (SIM_Attribute* vocals = GetAttribute("attrib_vocals"))
        vocals->SetAlwaysShown(true);
}

void SIM_Riza::GetGenderFromTexture(const std::string& fileName)
{
    // No avatar chosen (a game started without the menu): nothing to read the gender from.
    if (fileName.empty())
        return;
    if (fileName[0] == 'm')
        gender = SIM_GENDER_MALE;
    else if (fileName[0] == 'f')
        gender = SIM_GENDER_FEMALE;
    else
        GError("avatar filename must start with m or f", __FILE__, __LINE__);
}

SIM_Attribute* SIM_Riza::GetAttribute(const std::string& name) const
{
    return dynamic_cast<SIM_Attribute*>(attributes.GetNamedValue(name));
}

float SIM_Riza::GetValue(const std::string& name)
{
    if (name == "fame")
        return SIM_GetFame()->GetFame();
    if (name == "income")
        return 0.0f;
    if (const SIM_NamedValue* a = attributes.GetNamedValue(name))
        return a->GetValue();
    if (const SIM_NamedValue* s = skills.GetNamedValue(name))
        return s->GetValue();
    return 0.0f;
}

SIM_NamedValue* SIM_Riza::GetNamedValue(const std::string& name, bool create)
{
    if (SIM_NamedValue* a = attributes.GetNamedValue(name))
        return a;
    if (SIM_NamedValue* s = skills.GetNamedValue(name))
        return s;
    if (!create)
        return nullptr;
    auto* skill = new SIM_NamedValue(name, GTranslation::GetString("nv_" + name), 0.0f);
    skills.AddValue(skill);
    return skill;
}

float SIM_Riza::GetInstrumentSkill()
{
    const SIM_NamedValue* skill = skills.GetNamedValue(SkillFor(instrument));
    return skill ? skill->GetValue() : 0.0f;
}

void SIM_Riza::ApplyEffect(const std::string& name, float value, float degrade, const std::string& debugName)
{
    GAssert(value < 1000.0f, __FILE__, __LINE__);
    GAssert(value > -1000.0f, __FILE__, __LINE__);
    value = GetAdjustedEffect(name, value);
    if (name == "fame") {
        SIM_GetFame()->AddEffect(value, degrade, debugName);
        return;
    }
    // Only attributes take effects; skills and unknown names are left alone.
    if (SIM_Attribute* a = GetAttribute(name))
        a->AddEffect(value, degrade, debugName);
    RecalcAttributes();
}

void SIM_Riza::ApplyRawEffect(SIM_Effect* effect, const std::string& name)
{
    if (!effect)
        return;
    if (SIM_Attribute* a = GetAttribute(name))
        a->AddEffect(effect);
}

void SIM_Riza::RecalcAttributes()
{
    attributes.Calculate();
    CalculateInspiration();
}

void SIM_Riza::PracticeSinging(float amount)
{
    const float v = GetValue("attrib_vocals");
    const float progress = SIM_GetGlobalVariables()->Get("MUSICIAN_PRACTICE_PROGRESS") * (1.0f - v) * amount;
    ApplyEffect("attrib_vocals", progress, SIM_GetGlobalVariables()->Get("RS_SINGING_DEGRADE"), "singing");
}

int SIM_Riza::CountSkills() const
{
    return static_cast<int>(skills.GetRawList().size());
}

float SIM_Riza::CountSkillPoints() const
{
    float points = 0.0f;
    for (const SIM_NamedValue* s : skills.GetRawList())
        points += s->GetValue() * 100.0f;
    return points;
}

void SIM_Riza::InitAttrib(const std::string& name, float value)
{
    SIM_Attribute* a = GetAttribute(name);
    GAssert(a != nullptr, __FILE__, __LINE__);
    if (a)
        a->SetBaseValue(SIM_ClampValue(value, 0.0f, 1.0f));
}

float SIM_Riza::GetAdjustedEffect(const std::string&, float value) const
{
    return value;
}

void SIM_Riza::_dbg_CheatEffect(const std::string& name, float value)
{
    ApplyEffect(name, value, 1.0f, "cheat");
}
