#pragma once
// Named values between 0 and 1 (a musician's stress, a global flag such as owning a van)
// and the named lists that hold them, among them the global list of flags and values.
#include <list>
#include <string>
#include <vector>

// x clamped to lo..hi; a NaN reads as 0 (then clamped), so no NaN ever leaves it.
float SIM_ClampValue(float x, float lo, float hi);

// A named float. Its arithmetic (ProcOperator) keeps it within 0..1.
class SIM_NamedValue {
public:
    SIM_NamedValue(const std::string& name, const std::string& guiname, float value);
    SIM_NamedValue(const SIM_NamedValue&) = delete;
    SIM_NamedValue& operator=(const SIM_NamedValue&) = delete;
    virtual ~SIM_NamedValue() = default;
    // Recomputes the value from its sources; nothing to do for a plain value.
    virtual void CalculateValue() {}
    // The player clicked the value's indicator; nothing happens for a plain value.
    virtual void Clicked() {}

    float GetValue() const { return value; }
    const std::string& GetName() const { return name; }
    const std::string& GetGUIName() const { return guiname; }
    // Plain assignment, no clamp.
    void SetValue(float v) { value = v; }
    // Applies "-=", "+=", "*=" or "/=" (any other text changes nothing), then clamps to
    // 0..1 in every case.
    void ProcOperator(const std::string& op, float x);

protected:
    std::string guiname;
    std::string name;
    float value = 0.0f;
};

// A list of named values found by name; owns its values. Every list is registered on
// AllLists() for lookup by its name.
class SIM_NamedValueList {
public:
    SIM_NamedValueList();
    SIM_NamedValueList(const SIM_NamedValueList&) = delete;
    SIM_NamedValueList& operator=(const SIM_NamedValueList&) = delete;
    virtual ~SIM_NamedValueList();

    SIM_NamedValue* GetNamedValue(const std::string& name) const;
    // The value, or -1 after the error "Value not found" when it is missing.
    float GetValue(const std::string& name) const;
    bool IsTrue(const std::string& name) const;
    bool HasValue(const std::string& name) const { return GetNamedValue(name) != nullptr; }
    // CalculateValue on every value, in order.
    void Calculate();
    void Clear();
    void AddValue(SIM_NamedValue* value);
    // Takes the value off the list without deleting it.
    void RemoveValue(SIM_NamedValue* value);
    void SetName(const std::string& n) { name = n; }
    const std::string& GetName() const { return name; }
    const std::vector<SIM_NamedValue*>& GetRawList() const { return values; }

    // The first list with that name, or null after the error "Failed to find named value list".
    static SIM_NamedValueList* GetList(const std::string& name);
    // Sets (no clamp) or adds the global value of that name.
    static void ForceGlobal(const std::string& name, float value);

    // Every live list, in order of construction.
    static std::list<SIM_NamedValueList*>& AllLists();
    // The global flags and values.
    static SIM_NamedValueList& Globals();

private:
    std::string name;
    std::vector<SIM_NamedValue*> values;
};
