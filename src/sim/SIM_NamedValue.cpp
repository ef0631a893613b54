#include "sim/SIM_NamedValue.h"

#include "sim/GAssert.h"

#include <algorithm>
#include <cmath>

float SIM_ClampValue(float x, float lo, float hi)
{
    if (std::isnan(x))
        x = 0.0f;
    return std::min(std::max(x, lo), hi);
}

SIM_NamedValue::SIM_NamedValue(const std::string& name_, const std::string& guiname_, float value_)
    : guiname(guiname_), name(name_), value(value_)
{
}

void SIM_NamedValue::ProcOperator(const std::string& op, float x)
{
    if (op == "-=")
        value -= x;
    else if (op == "+=")
        value += x;
    else if (op == "*=")
        value *= x;
    else if (op == "/=")
        value /= x;
    value = SIM_ClampValue(value, 0.0f, 1.0f);
}

std::list<SIM_NamedValueList*>& SIM_NamedValueList::AllLists()
{
    static std::list<SIM_NamedValueList*> lists;
    return lists;
}

SIM_NamedValueList& SIM_NamedValueList::Globals()
{
    static SIM_NamedValueList* globals = new SIM_NamedValueList;
    return *globals;
}

SIM_NamedValueList::SIM_NamedValueList()
{
    AllLists().push_back(this);
}

SIM_NamedValueList::~SIM_NamedValueList()
{
    Clear();
    AllLists().remove(this);
}

SIM_NamedValue* SIM_NamedValueList::GetNamedValue(const std::string& n) const
{
    for (SIM_NamedValue* v : values)
        if (v->GetName() == n)
            return v;
    return nullptr;
}

float SIM_NamedValueList::GetValue(const std::string& n) const
{
    if (SIM_NamedValue* v = GetNamedValue(n))
        return v->GetValue();
    GError("Value not found", __FILE__, __LINE__);
    return -1.0f;
}

bool SIM_NamedValueList::IsTrue(const std::string& n) const
{
    SIM_NamedValue* v = GetNamedValue(n);
    return v && v->GetValue() != 0.0f;
}

void SIM_NamedValueList::Calculate()
{
    for (SIM_NamedValue* v : values)
        v->CalculateValue();
}

void SIM_NamedValueList::Clear()
{
    // Take the values off first: a value's destructor may look at the list.
    std::vector<SIM_NamedValue*> old;
    old.swap(values);
    for (SIM_NamedValue* v : old)
        delete v;
}

void SIM_NamedValueList::AddValue(SIM_NamedValue* v)
{
    GAssert(v != nullptr, __FILE__, __LINE__);
    if (v)
        values.push_back(v);
}

void SIM_NamedValueList::RemoveValue(SIM_NamedValue* v)
{
    values.erase(std::remove(values.begin(), values.end(), v), values.end());
}

SIM_NamedValueList* SIM_NamedValueList::GetList(const std::string& n)
{
    for (SIM_NamedValueList* list : AllLists())
        if (list->name == n)
            return list;
    GError("Failed to find named value list", __FILE__, __LINE__);
    return nullptr;
}

void SIM_NamedValueList::ForceGlobal(const std::string& n, float v)
{
    SIM_NamedValueList& globals = Globals();
    if (SIM_NamedValue* existing = globals.GetNamedValue(n))
        existing->SetValue(v);
    else
        globals.AddValue(new SIM_NamedValue(n, n, v));
}
