#pragma once
// A new game with the shipped data, helpers that build a career worth saving (a band with
// an imaginative member and one who resigned, live, retired and classic songs, a released
// album and one in development, booked normal and charity gigs, a rival gig, merchandise,
// a sold asset, listened music, an answered endorsement, fame, statistics and a signed
// deal), and the comparison of two saves.
#include "career/CareerFixture.h"
#include "career/SIM_Album.h"
#include "career/SIM_Asset.h"
#include "career/SIM_AssetKinds.h"
#include "career/SIM_AssetMusic.h"
#include "career/SIM_CharityGigManager.h"
#include "career/SIM_Endorsement.h"
#include "career/SIM_Gig.h"
#include "career/SIM_OtherBandManager.h"
#include "career/SIM_OtherGig.h"
#include "career/SIM_RecordingStudio.h"
#include "career/SIM_Venue.h"
#include "savegame/SIM_LoadGame.h"
#include "savegame/SIM_SaveGame.h"
#include "savegame/SaveMask.h"
#include "sim/SIM_PlayerOptions.h"
#include "savegame/SaveFormat.h"
#include "sim/GAM_PlayBalancer.h"
#include "sim/SIM_Events.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameMode.h"
#include "sim/SIM_Practice.h"
#include "sim/SIM_Statistics.h"

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <string>

class SaveGameTest : public CareerTest {
protected:
    void SetUp() override
    {
        CareerTest::SetUp();
        // The avatar chooser gives the screens and the player character the same face.
        SIM_GetScreens()->SetAvatarTexture(SIM_GetRiza()->GetPortraitTexture());
        SIM_GetScreens()->SetCurrentSkin("skin_night");
        // A new player's options autosave every day; these tests save only when they say so.
        SIM_GetPlayerOptions()->SetToggle(SIM_PlayerOptions::TOGGLE_AUTOSAVE, false);
    }

    // The save without what legitimately changes between two writes: the wall-clock date
    // and the play timer.
    static std::string Masked(const std::string& text) { return MaskedSave(text); }
    static std::string Compose() { return SIM_GetSaveGame()->Compose(); }

    template <class T>
    static T* FirstAsset(bool (*fits)(const SIM_Asset*) = nullptr)
    {
        for (SIM_Asset* a : SIM_Asset::All)
            if (auto* t = dynamic_cast<T*>(a); t && !a->IsOwned() && (!fits || fits(a)))
                return t;
        return nullptr;
    }

    // A career a few days old, its details drawn from the seed.
    void BuildCareer(unsigned seed)
    {
        std::srand(seed);
        Set("RS_RESIGN_CONSIDER_THRESHOLD", -1.0f);
        SIM_GetFinances()->AddCash(50000.0f + static_cast<float>(seed));
        HireFullBand();
        Hire(INSTRUMENT_GUITAR, 0.7f, {"imaginitive"});
        SIM_Musician* quitter = Hire(INSTRUMENT_BASS, 0.4f);
        quitter->Resign();
        SIM_GetBand()->SetName("The Amber Teal");

        for (int i = 0; i < 12; ++i) {
            SIM_Song* s = SIM_Song::CreateNew(0.4f + 0.03f * static_cast<float>(i + seed % 5));
            s->SetName("Song & <" + std::to_string(i) + ">");
        }
        SIM_Song::All.front()->SetClassic(true);
        SIM_Song::All.back()->Retire();
        SIM_Album* released = SIM_Album::Create();
        released->SetTitle("First Light");
        for (int i = 0; i < 8; ++i)
            released->AddTrack(SIM_Song::All[static_cast<size_t>(i)]);
        released->Release();
        SIM_Album* draft = SIM_Album::Create();
        draft->SetTitle("Second Wind");
        draft->AddTrack(SIM_Song::All[8]);
        SIM_RecordingStudio::ChooseBestStudio();

        auto* gig = new SIM_Gig(SIM_Venue::All[seed % 3], SIM_Gig::NORMAL);
        gig->Book();
        auto* charity = new SIM_Gig(SIM_Venue::All[3 + seed % 3], SIM_Gig::CHARITY);
        charity->SetCharity(SIM_GetCharityGigManager()->GetCharities().front());
        charity->Book();
        SIM_OtherGig::Create(SIM_GetOtherBands()->GetBands()[seed % SIM_GetOtherBands()->GetBands().size()]);

        if (auto* merch = FirstAsset<SIM_Merchandise>())
            merch->Purchase(true);
        if (auto* sold = FirstAsset<SIM_Asset>([](const SIM_Asset* a) {
                return !a->ReBuyable() && !dynamic_cast<const SIM_Merchandise*>(a) &&
                       !dynamic_cast<const SIM_AssetMusic*>(a);
            })) {
            sold->Purchase(true);
            sold->Sell();
        }
        if (auto* music = FirstAsset<SIM_AssetMusic>()) {
            music->Purchase(true);
            music->SetTracksListenedTo(1);
        }
        if (auto* kit = FirstAsset<SIM_Instrument>())
            kit->Purchase(true);
        SIM_Endorsement::All.front()->Reject();

        SetFame(30.0f + static_cast<float>(seed % 7));
        SIM_GetFame()->AddEffect(4.0f, 0.9f, "good gig");
        SIM_GetStatistics()->ChangeCounter(3, SIM_Statistics::GIGS_PLAYED);
        SIM_GetStatistics()->ChangeCounter(123.45f, SIM_Statistics::DAMAGE_COST);
        SIM_GetRecordCompany()->PutTogetherDeal();
        SIM_GetRecordCompany()->SignDeal();
        SIM_GetGameMode()->SetCurrentMode(3);
        SIM_GetPractice()->SetBPM(1, 130);
        SIM_GetPractice()->AddBeaten(1, 2);
        SIM_GetPractice()->AddBeaten(3, 0);
        GAM_GetBalancer()->AddEntry(1000.0f);
        SIM_GetEvents()->SetFired(1, true);
        EndDays(2 + static_cast<int>(seed % 3));
    }

    // Values summed from several saved effects, each of which the file rounds.
    static std::pair<float, float> Sums()
    {
        return {SIM_GetFame()->GetFame(), SIM_GetRiza()->GetAttribute("inspiration")->GetValue()};
    }
    static void ExpectSums(std::pair<float, float> saved)
    {
        EXPECT_NEAR(Sums().first, saved.first, 0.01f) << "fame";
        EXPECT_NEAR(Sums().second, saved.second, 0.01f) << "inspiration";
    }

    // What a player would notice of the game, written without the save writer.
    static std::string Digest()
    {
        std::ostringstream d;
        char buffer[64];
        const auto num = [&buffer](float v) {
            // The precision the file keeps.
            std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(v));
            return std::string(buffer);
        };
        const SIM_Date* today = SIM_Date::PPresentDay;
        d << "cash " << num(SIM_GetFinances()->GetCash()) << " day "
          << today->DayCount() << " band " << SIM_GetBand()->GetName() << "\n";
        for (const SIM_Musician* m : SIM_GetBand()->GetMembers())
            d << "member " << m->GetFullName() << " " << num(m->GetAbility()) << " " << m->GetPersonalities().size()
              << "\n";
        for (const SIM_Musician* m : SIM_Musician::All)
            d << "musician " << m->GetSLID() << " " << m->IsActive() << "\n";
        for (const SIM_Song* s : SIM_Song::All)
            d << "song " << s->GetName() << " " << num(s->GetQuality()) << " " << (s->GetAlbum() != nullptr) << "\n";
        d << "retired " << SIM_Song::Retired.size() << "\n";
        for (const SIM_Album* a : SIM_Album::All)
            d << "album " << a->GetTitle() << " " << a->GetMode() << " " << a->GetTracks().size() << "\n";
        for (const SIM_Gig* g : SIM_Gig::BookedGigs)
            d << "gig " << g->GetVenue()->GetName() << " " << g->GetType() << " " << g->GetDate().DayCount() << "\n";
        d << "rival gigs " << SIM_OtherGig::All.size() << "\n";
        std::set<std::string> owned;
        for (const SIM_Asset* a : SIM_Asset::OwnedAssets)
            owned.insert(a->GetName());
        for (const std::string& name : owned)
            d << "owned " << name << "\n";
        d << "on sale " << SIM_Asset::AvailableAssets.size() << "\n";
        for (const SIM_Relationship* r : SIM_Relationship::All)
            d << "relationship " << num(r->GetValue()) << "\n";
        d << "globals " << SIM_NamedValueList::Globals().GetRawList().size() << " offered "
          << SIM_Endorsement::Offered.size() << " signed " << SIM_GetRecordCompany()->IsSigned() << " stage "
          << SIM_GetGameMode()->GetCurrentMode() << "\n";
        return d.str();
    }
};
