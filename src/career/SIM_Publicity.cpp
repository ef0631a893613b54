#include "career/SIM_Publicity.h"

#include "career/SIM_Asset.h"
#include "career/SIM_Gig.h"
#include "engine/CSpreadsheet.h"
#include "engine/GRandom.h"
#include "sim/GAssert.h"
#include "sim/SIM_Band.h"
#include "sim/SIM_Commenter.h"
#include "sim/SIM_DailyOption.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_GlobalVariable.h"
#include "sim/SIM_Musician.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Personality.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Riza.h"

#include <algorithm>
#include <cstdlib>

std::vector<SIM_PublicityEventType*> SIM_PublicityEventType::All;
std::function<bool()> SIM_PublicityEventType::HasRecordDeal;
std::function<bool()> SIM_PublicityEventType::HasBookedGig = [] {
    return SIM_Gig::DaysTillNextGig() != SIM_Gig::NoGigBooked;
};
std::vector<SIM_PublicityEvent*> SIM_PublicityEvent::All;

namespace {
// The columns before the inputs: marker, name, class, title, image, text, sound,
// description, six numbers and one spare.
const size_t kFirstInput = 15;
const size_t kFirstNumber = 8;
// The longest modifier text a row may give.
const size_t kMaxModifier = 127;

// The row's cells, or an empty list when its quotes do not close (the cell reader would
// stop the program on such a row).
std::vector<std::string> Cells(const std::string& row)
{
    if (std::count(row.begin(), row.end(), '"') % 2 != 0)
        return {};
    std::vector<std::string> cells;
    CSV csv;
    csv.Initialise(row, ',');
    while (!csv.Finished())
        cells.push_back(csv.GetNextString());
    return cells;
}

// Reads a whole cell as a number; false for anything else (an empty cell included).
bool ParseNumber(const std::string& text, float& value)
{
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    value = std::strtof(begin, &end);
    if (end == begin)
        return false;
    while (*end == ' ')
        ++end;
    return *end == '\0';
}

// An input text split into its parts; false when it is not one.
bool ParseInput(const std::string& text, SIM_PublicityEventType::InputVar& input)
{
    const std::vector<std::string> parts = SIM_Asset::SplitAtCommas(text);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    input.name = parts[0];
    while (!input.name.empty() && input.name.front() == ' ')
        input.name.erase(0, 1);
    input.b = 0.0f;
    return !input.name.empty() && ParseNumber(parts[1], input.a) &&
           (parts.size() == 2 || ParseNumber(parts[2], input.b));
}

bool IsPersonalityInput(const std::string& name)
{
    return name != "random" && name.find("riza_") == std::string::npos;
}

size_t EndCell(const std::vector<std::string>& cells)
{
    for (size_t i = kFirstInput; i < cells.size(); ++i)
        if (cells[i] == "#")
            return i;
    return cells.size();
}
} // namespace

// ---- event types ----

SIM_PublicityEventType::SIM_PublicityEventType()
{
    All.push_back(this);
}

SIM_PublicityEventType::~SIM_PublicityEventType()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_PublicityEventType::Open()
{
    Close();
    std::unique_ptr<CSpreadsheet> sheet = CSpreadsheet::Create(File);
    for (size_t i = 0; i < sheet->size(); ++i) {
        const std::string& row = (*sheet)[i];
        const std::string fault = CheckRow(row);
        if (fault.empty()) {
            (new SIM_PublicityEventType)->ReadRow(row);
            continue;
        }
        const std::string report = std::string(File) + " line " + std::to_string(sheet->GetLineNumber(i)) +
                                   ": " + fault + "; the row is skipped";
        GWarning(report.c_str(), __FILE__, __LINE__);
    }
}

void SIM_PublicityEventType::Close()
{
    while (!All.empty())
        delete All.front();
}

std::string SIM_PublicityEventType::CheckRow(const std::string& row)
{
    const std::vector<std::string> cells = Cells(row);
    if (cells.empty())
        return "a quote is not closed";
    if (cells.size() < kFirstInput)
        return "too few cells";
    if (cells[1].empty())
        return "no name";
    for (size_t i = kFirstNumber; i < kFirstNumber + 6; ++i) {
        float value = 0.0f;
        if (!ParseNumber(cells[i], value))
            return "cell " + std::to_string(i + 1) + " is not a number: \"" + cells[i] + "\"";
    }
    const size_t end = EndCell(cells);
    if (end == cells.size())
        return "no \"#\" cell after the inputs";
    for (size_t i = kFirstInput; i < end; ++i) {
        if (cells[i].empty())
            continue;
        InputVar input;
        if (!ParseInput(cells[i], input))
            return "bad input \"" + cells[i] + "\"";
        if (IsPersonalityInput(input.name) && !SIM_Personality::GetByName(input.name))
            return "input names no personality: \"" + input.name + "\"";
    }
    return {};
}

void SIM_PublicityEventType::ReadRow(const std::string& row)
{
    const std::vector<std::string> cells = Cells(row);
    if (cells.size() < kFirstInput) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    name = cells[1];
    debugname = name;
    SetClass(cells[2]);
    title = cells[3];
    image = cells[4];
    text = cells[5];
    sound = cells[6];
    description = cells[7];
    float* numbers[] = {&minimumFame, &reach, &minimumChance, &maximumChance, &hypeEffect, &hypeDegrade};
    for (size_t i = 0; i < 6; ++i)
        ParseNumber(cells[kFirstNumber + i], *numbers[i]);
    const size_t end = EndCell(cells);
    for (size_t i = kFirstInput; i < end; ++i)
        AddInput(cells[i]);
    for (size_t i = end + 1; i < cells.size(); ++i)
        AddModifier(cells[i].substr(0, kMaxModifier).c_str());
}

void SIM_PublicityEventType::SetClass(const std::string& classText)
{
    if (classText == "signed")
        eventClass = SIGNED;
    else if (classText == "booked")
        eventClass = BOOKED;
    else if (classText == "flyers")
        eventClass = FLYERS;
    else
        eventClass = ORDINARY;
}

bool SIM_PublicityEventType::AddInput(const std::string& inputText)
{
    if (inputText.empty())
        return true;
    InputVar input;
    if (!ParseInput(inputText, input))
        return false;
    inputs.push_back(input);
    return true;
}

bool SIM_PublicityEventType::IsTriggered() const
{
    const float fame = SIM_GetFame()->GetFame();
    if (fame < minimumFame)
        return false;
    if (eventClass == SIGNED && !(HasRecordDeal && HasRecordDeal()))
        return false;
    const bool gigBooked = HasBookedGig && HasBookedGig();
    if (eventClass == FLYERS) {
        if (!gigBooked)
            return false;
        const int weekday = SIM_Date::PPresentDay ? SIM_Date::PPresentDay->GetDayOfWeek() : 0;
        if (weekday >= 4 && weekday <= 6)
            return true;
    }
    if (eventClass == BOOKED)
        return gigBooked;
    float chance = minimumChance + (maximumChance - minimumChance) * std::clamp(fame / 10000.0f, 0.0f, 1.0f);
    if (SIM_NamedValueList::Globals().IsTrue("publicist"))
        chance *= 1.25f;
    return GRandom::IsChance(chance);
}

float SIM_PublicityEventType::CalculateEffectiveness(SIM_Musician* member, SIM_PublicityEvent* event) const
{
    SIM_PublicityEvent::Contribution c;
    c.person = member;
    c.member = member;
    float e = 0.0f;
    for (const InputVar& input : inputs) {
        if (input.name == "random") {
            e += GRandom::RandReal(input.a, input.b);
        } else if (member->HasPersonality(input.name)) {
            e += input.a;
            const SIM_Personality* personality = SIM_Personality::GetByName(input.name);
            GAssert(personality != nullptr, __FILE__, __LINE__);
            if (personality)
                c.personalities.push_back(personality->GetGUIName());
        }
    }
    e = std::clamp(e * member->GetMotivation(), 0.0f, 1.0f);
    if (member->GetStress()->GetValue() > SIM_GetGlobalVariables()->Get("RS_PUBLICITY_TOOSTRESSED")) {
        e = 0.0f;
        c.tooStressed = true;
    }
    c.effectiveness = e;
    event->AddContribution(std::move(c));
    return e;
}

float SIM_PublicityEventType::GetRizaEffect() const
{
    float m = 0.0f;
    for (const InputVar& input : inputs) {
        if (input.name.find("riza_") != std::string::npos) {
            const std::string valueName = input.name.substr(input.name.find('_') + 1);
            m += input.a * SIM_GetRiza()->GetValue(valueName);
        } else if (input.name == "random") {
            m += GRandom::RandReal(input.a, input.b);
        }
    }
    return m;
}

void SIM_PublicityEventType::ApplyOutputs() const
{
    ApplyModifiers(1.0f);
    SIM_GetBand()->ApplyToAttribute("band_boredom", SIM_GetGlobalVariables()->Get("RS_BOREDOM_REDUCT_PR"), 0.0f,
                                    "pr");
}

// ---- events ----

SIM_PublicityEvent::SIM_PublicityEvent(SIM_PublicityEventType* type_) : type(type_)
{
    All.push_back(this);
    GAssert(type != nullptr, __FILE__, __LINE__);
    if (type)
        SIM_DailyOption::Create(SIM_DailyOption::PUBLICITY, this, type->GetTitle(), type->GetText(),
                                type->GetImage(), true);
}

SIM_PublicityEvent::~SIM_PublicityEvent()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
}

void SIM_PublicityEvent::ClearEvents()
{
    while (!All.empty())
        delete All.front();
}

void SIM_PublicityEvent::Process()
{
    if (!type) {
        GAssert(false, __FILE__, __LINE__);
        return;
    }
    contributions.clear();
    // A copy: a contribution never changes the line-up, but the walk must not depend on it.
    const std::vector<SIM_Musician*> members = SIM_GetBand()->GetMembers();
    float total = 0.0f;
    for (SIM_Musician* member : members)
        total += type->CalculateEffectiveness(member, this);
    const float riza = type->GetRizaEffect();
    total += riza;
    effectiveness = members.empty() ? 0.0f : total / float(members.size() + 1);

    Contribution player;
    player.person = SIM_GetRiza();
    player.effectiveness = riza;
    contributions.push_back(std::move(player));

    effectiveness = std::clamp(effectiveness, 0.0f, 1.0f);
    effect = effectiveness * type->GetHypeEffect();
    const float audience = SIM_GetFame()->GetPotentialAudience();
    effectiveReach = audience > 0.0f ? std::clamp(type->GetReach() / audience, 0.0f, 1.0f) : 1.0f;
    effect *= effectiveReach;
    SIM_GetBand()->ApplyToAttribute("band_hype", effect, type->GetHypeDegrade(), type->GetName());
    type->ApplyOutputs();
    SIM_Relationship::ResolveMeeting(SIM_GetGlobalVariables()->Get("RS_MEETSCALAR_PUBLICITY"));

    if (effectiveReach < 0.5f && !members.empty()) {
        SIM_Musician* speaker = members[GRandom::RandIndex(members.size())];
        if (SIM_Commenter* commenter = speaker->GetCommenter())
            commenter->AddTimedComment(SIM_Commenter::PUBLICITY_POOR_REACH, GRandom::RandUnitFloat());
    }
}

// ---- daily generation ----

void SIM_Publicity::GenerateEvents()
{
    SIM_PublicityEvent::ClearEvents();
    if (SIM_PublicityEventType::All.empty())
        SIM_PublicityEventType::Open();
    const std::vector<SIM_PublicityEventType*> types = SIM_PublicityEventType::All;
    for (SIM_PublicityEventType* type : types)
        if (type->IsTriggered())
            CreateEvent(type);
}

SIM_PublicityEvent* SIM_Publicity::CreateEvent(SIM_PublicityEventType* type)
{
    return new SIM_PublicityEvent(type);
}
