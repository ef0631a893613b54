#include "sim/SIM_Attribute.h"

#include "engine/CSpreadsheet.h"
#include "sim/GAssert.h"
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cmath>

std::vector<SIM_Attribute*> SIM_Attribute::All;

SIM_Attribute::SIM_Attribute() : SIM_NamedValue("", "", 0.0f)
{
    All.push_back(this);
}

SIM_Attribute::SIM_Attribute(const std::string& name_, const std::string& guiname_, float base_)
    : SIM_NamedValue(name_, guiname_, base_), base(base_)
{
    All.push_back(this);
}

SIM_Attribute::~SIM_Attribute()
{
    All.erase(std::remove(All.begin(), All.end(), this), All.end());
    SetIndicator(nullptr);
    // A child that fed this attribute must not reach it any more.
    for (SIM_Attribute* a : All)
        if (a->parent == this)
            a->parent = nullptr;
    ClearEffects();
}

void SIM_Attribute::Load(const char* row)
{
    CSV csv;
    csv.Initialise(row ? row : "", ',');
    csv.GetNextToken(); // the row marker
    name = csv.GetNextString();
    guiname = csv.GetNextString();
    base = csv.GetNextFloat();
    if (std::isnan(base))
        base = 0.0f;
    value = SIM_ClampValue(base, 0.0f, 1.0f);
    alwaysshow = csv.GetNextInt() != 0;
    highisgood = csv.GetNextInt() != 0;
    description = csv.GetNextString();
    const std::string warn = csv.GetNextString();
    if (warn == "above")
        warnDirection = WARN_ABOVE;
    else if (warn == "below")
        warnDirection = WARN_BELOW;
    warnLimit = csv.GetNextFloat();
    if (std::isnan(warnLimit))
        warnLimit = 0.0f;
    const std::string parentName = csv.GetNextString();
    if (parentName.empty())
        return;
    SIM_Attribute* found = GetAttribute(parentName);
    if (!found) {
        GError("Error finding parent attribute", __FILE__, __LINE__);
        return;
    }
    // Its own ancestor would make every change run round the chain for ever.
    for (SIM_Attribute* a = found; a; a = a->parent) {
        if (a == this) {
            std::string note = "Attribute cannot be its own parent: " + name;
            GWarning(note.c_str(), __FILE__, __LINE__);
            return;
        }
    }
    parent = found;
    parentWeight = csv.GetNextFloat();
    if (std::isnan(parentWeight))
        parentWeight = 0.0f;
}

void SIM_Attribute::CalculateValue()
{
    float sum = base;
    for (SIM_Effect* e : effects)
        sum += e->GetEffect();
    value = SIM_ClampValue(sum, 0.0f, 1.0f);
}

void SIM_Attribute::Clicked()
{
    SIM_GetScreens()->PlaySoundId(0);
    SIM_GetScreens()->OpenAttributeWindow(this);
}

void SIM_Attribute::AddEffect(SIM_Effect* effect)
{
    GAssert(effect != nullptr, __FILE__, __LINE__);
    if (!effect)
        return;
    effect->RemoveFromList();
    effects.push_back(effect);
    effect->SetList(&effects);
    CalculateValue();
    ShowEffect(effect->GetEffect());
}

void SIM_Attribute::AddEffect(float v, float degrade, const std::string& debugname)
{
    AddEffect(new SIM_Effect(v, degrade, debugname, true));
}

void SIM_Attribute::RemoveEffect(SIM_Effect* effect)
{
    if (!effect)
        return;
    effects.erase(std::remove(effects.begin(), effects.end(), effect), effects.end());
    if (effect->GetList() == &effects)
        effect->SetList(nullptr);
    CalculateValue();
    ShowEffect(-effect->GetEffect());
}

void SIM_Attribute::RemoveModifiers(const std::string& debugname)
{
    std::vector<SIM_Effect*> dropped;
    for (SIM_Effect* e : effects)
        if (e->GetDebugName() == debugname)
            dropped.push_back(e);
    for (SIM_Effect* e : dropped)
        delete e; // leaves this list and All
    CalculateValue();
}

void SIM_Attribute::ClearEffects()
{
    while (!effects.empty())
        delete effects.front();
}

void SIM_Attribute::SetWarning(int direction, float limit)
{
    warnDirection = direction == WARN_ABOVE ? WARN_ABOVE : direction == WARN_BELOW ? WARN_BELOW : WARN_NONE;
    warnLimit = limit;
}

bool SIM_Attribute::WarnPlayer() const
{
    switch (warnDirection) {
    case WARN_ABOVE:
        return value > warnLimit;
    case WARN_BELOW:
        return value < warnLimit;
    default:
        return false;
    }
}

void SIM_Attribute::ShowEffect(float change)
{
    // Parents are checked against cycles when set; the bound keeps a damaged chain finite.
    SIM_Attribute* a = this;
    for (int depth = 0; a && depth < 64; ++depth) {
        if (a->indicator)
            a->indicator->ShowChange(change, a->indicator->GetX() - 5.0f,
                                     a->indicator->GetCenterY() + 5.0f, a->highisgood);
        if (!a->parent)
            break;
        change *= a->parentWeight;
        a = a->parent;
    }
}

void SIM_Attribute::SetIndicator(SIM_IndicatorView* view)
{
    if (indicator == view)
        return;
    if (indicator && indicator->attribute_ == this)
        indicator->attribute_ = nullptr;
    indicator = view;
    if (view) {
        if (view->attribute_ && view->attribute_ != this)
            view->attribute_->indicator = nullptr;
        view->attribute_ = this;
    }
}

SIM_Attribute* SIM_Attribute::GetAttribute(const std::string& n)
{
    for (SIM_Attribute* a : All)
        if (a->GetName() == n)
            return a;
    return nullptr;
}

void SIM_Attribute::Clear()
{
    All.clear();
}
