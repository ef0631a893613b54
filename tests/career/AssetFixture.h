#pragma once
// A new game whose asset catalogue is a small table written by the test: one row of every
// kind, with modifiers on every route, and the song element the record unlocks.
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_SongElement.h"
#include "sim/BandFixture.h"
#include "sim/SIM_Fame.h"
#include "sim/SIM_Finances.h"

#include <algorithm>
#include <string>

class AssetTest : public BandTest {
protected:
    // marker, kind, name, GUI name, store, description, texture, sound, price, daily,
    // per gig, satisfaction, group, assignee, flags, note, own cells, spare, modifiers, end
    static constexpr const char* kCatalogue =
        "Columns: see the shipped table\n"
        "#,instrument,axe,Axe,instruments,\"An axe, sharp\",asset_axe.dds,data/sounds/buy.ogg,1000,5,10,20,guitar,GUITAR,"
        "\"DESIRABLE,SELLABLE,REBUYABLE\",a note  ,0.9,,\"band_stress,0.1,1\",\"inspiration,0.2,1\",\"glob_cool,0.5,0\","
        "\"fame,10,1\",#\n"
        "#,general,van,Van,general,d,asset_van.dds,,2000,3,30,5,vehicle,BAND,\"SELLABLE,EMPLOYEE\",,,\"glob_cool,0.8,0\",#\n"
        "#,general,crew,Crew,staff,d,asset_crew.dds,data/sounds/hi.ogg,0,7,0,5,crew,BAND,\"SERVICE,REBUYABLE\",,,#\n"
        "#,merchandise,shirts,Shirts,merchandise,d,asset_shirts.dds,data/sounds/buy.ogg,100,2,0,0,merch,,REBUYABLE,,20,12,"
        "shirtstock  ,,#\n"
        "#,stage_equipment,smoke,Smoke,effects,d,asset_smoke.dds,,500,0,20,0,smoke,BAND,\"SELLABLE,REBUYABLE\",,0.3,10,,#\n"
        "#,stage_equipment,laser,Laser,effects,d,asset_laser.dds,,800,0,15,0,laser,BAND,REBUYABLE,,0.2,5,,#\n"
        "#,video,clip,Clip,music,d,asset_clip.dds,,300,0,0,0,video,,REBUYABLE,,0.2,0.9,,#\n"
        "#,recorded_music,album,Album,music,d,asset_album.dds,,20,0,0,0,record,,REBUYABLE,,riff  ,"
        "\"One, Two ,Three,Four\",,#\n"
        "#,recorded_music,silence,Silence,music,d,asset_silence.dds,,20,0,0,0,record,,REBUYABLE,,riff,,,#\n"
        "#,Video,odd,Odd,general,d,asset_odd.dds,,10,0,0,0,odd,VOCALS,\"SELLABLE, REBUYABLE,WHATEVER\",,,#\n";

    void SetUp() override
    {
        BandTest::SetUp();
        riff = new SIM_SongElement("riff"); // joins the element table, which owns it
        UseCatalogue(kCatalogue);
        screens.Clear();
    }
    void TearDown() override
    {
        ForgetRiff();
        BandTest::TearDown();
    }
    // Deletes the test's element (it leaves the table) before anything reloads or closes it.
    void ForgetRiff()
    {
        delete riff;
        riff = nullptr;
    }

    void UseCatalogue(const std::string& table)
    {
        resources.Write(SIM_Asset::File, table);
        SIM_Asset::Open();
    }
    static SIM_Asset* Get(const std::string& name)
    {
        SIM_Asset* a = SIM_Asset::GetByName(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    template <typename T>
    static T* GetAs(const std::string& name)
    {
        T* a = dynamic_cast<T*>(SIM_Asset::GetByName(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    static int CountOf(const std::vector<SIM_Asset*>& list, const SIM_Asset* a)
    {
        return int(std::count(list.begin(), list.end(), a));
    }
    static float Cash() { return SIM_GetFinances()->GetCash(); }
    static void SetCash(float cash) { SIM_GetFinances()->SetCash(cash); }
    // The global value, or -1 when there is none.
    static float Global(const std::string& name)
    {
        const SIM_NamedValue* v = SIM_NamedValueList::Globals().GetNamedValue(name);
        return v ? v->GetValue() : -1.0f;
    }
    // The effects in existence that carry that name.
    static int EffectsNamed(const std::string& name)
    {
        return int(std::count_if(SIM_Effect::All.begin(), SIM_Effect::All.end(),
                                 [&](const SIM_Effect* e) { return e->GetDebugName() == name; }));
    }

    SIM_SongElement* riff = nullptr;
};
