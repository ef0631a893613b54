#pragma once
// Activity types and instances: a type describes something the player can spend a day on
// (conditions before it is offered, how good its outcome is, the modifiers it applies);
// choosing it makes an instance that carries it out and ends the day.
#include "sim/SIM_ModifierContainer.h"

#include <memory>
#include <string>
#include <vector>

// The general activity type: its conditions and the terms of its outcome's quality.
class SIM_TimeChunkType : public SIM_ModifierContainer {
public:
    // A condition (a named value at least, or with atMost at most, the value; "fame" reads
    // the band's fame) or a quality term (a named value, or "_random", times the weight).
    struct TypeModifier {
        std::string guiname;
        std::string name;
        float value = 0.0f;
        bool first = false;
        bool atMost = false;
        // The condition holds now. A name that is neither "fame" nor a named value of the
        // player character or of the globals never holds.
        bool Met() const;
    };

    SIM_TimeChunkType() = default;
    ~SIM_TimeChunkType() override = default;

    // "name,value": a condition, when the text is longer than 2 characters and the name
    // (at most 63 characters) longer than 1. Its GUI name is the string "nv_<name>".
    virtual void AddPreRequisite(const char* text, bool first, bool atMost);
    // "name,weight,name,weight...": quality terms. A weight missing at the end reads 0; a
    // name shorter than 2 characters is reported and skipped.
    void ParseQuality(const char* text);
    // Every condition holds (true with none).
    bool MeetsPrerequisites() const;
    bool IsAvailable() const { return MeetsPrerequisites(); }
    // The sum of the quality terms: a named value times its weight; "_random" a random
    // 0..1 times the weight times (1.5 - difficulty), held within 0..1; anything else 0.
    float GetEventQuality() const;

    const std::string& GetName() const { return name; }
    void SetName(const std::string& n) { name = n; }
    const std::string& GetGUIName() const { return guiname; }
    void SetGUIName(const std::string& n) { guiname = n; }
    const std::vector<std::unique_ptr<TypeModifier>>& GetPreRequisites() const { return prerequisites; }
    const std::vector<std::unique_ptr<TypeModifier>>& GetQualityTerms() const { return quality; }

protected:
    std::vector<std::unique_ptr<TypeModifier>> prerequisites;
    std::vector<std::unique_ptr<TypeModifier>> quality;
    std::string name;
    std::string guiname;
    std::string text;
};

// The general activity instance: carrying it out ends the day.
class SIM_TimeChunk {
public:
    SIM_TimeChunk() = default;
    SIM_TimeChunk(const SIM_TimeChunk&) = delete;
    SIM_TimeChunk& operator=(const SIM_TimeChunk&) = delete;
    virtual ~SIM_TimeChunk() = default;
    virtual void ProcessChunk();
};
