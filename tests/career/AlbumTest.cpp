// Albums (tracks, studio time, the mix, weekly sales and royalties under a deal), studios
// and the record company (scouting, the offer, the terms and signing).
#include "career/GigFixture.h"

#include "career/SIM_Album.h"
#include "career/SIM_Performance.h"
#include "career/SIM_RecordingStudio.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NamedValue.h"

#include <cmath>

namespace {
class AlbumTest : public GigTest {
protected:
    void SetUp() override
    {
        GigTest::SetUp();
        WriteTable(SIM_RecordingStudio::File,
                   {"cheap,Cheap,100,0.5,cheap.jpg,0.02", "best,Best,1000,0.9,best.jpg,0.05", "same,Same,900,0.9,same.jpg,0.05"});
        SIM_RecordingStudio::Close();
        SIM_RecordingStudio::Open();
        SIM_GetRecordCompany()->Reset();
    }
    void TearDown() override
    {
        SIM_GetRecordCompany()->Reset();
        GigTest::TearDown();
    }
    // An album of n songs of this quality.
    static SIM_Album* AlbumOf(int n, float quality)
    {
        SIM_Album* album = SIM_Album::Create();
        for (int i = 0; i < n; ++i) {
            auto* song = new SIM_Song;
            song->SetQuality(quality);
            album->AddTrack(song);
        }
        return album;
    }
    // Each copy pays the band exactly 1 before any deal.
    static void OneDollarShare()
    {
        Set("RS_ALBUM_PRICE", 10.0f);
        Set("RS_ALBUM_ARTIST_SHARE", 0.1f);
    }
    static void Sign(float royalty) { SIM_GetRecordCompany()->Restore("Label", true, royalty, 0.2f); }
};
} // namespace

TEST_F(AlbumTest, TracksMakeAValidAlbumAndCancellingFreesThem)
{
    SIM_Album* album = AlbumOf(7, 0.5f);
    EXPECT_FALSE(album->IsValid());
    auto* eighth = new SIM_Song;
    eighth->SetQuality(0.9f);
    album->AddTrack(eighth);
    EXPECT_TRUE(album->IsValid());
    EXPECT_NEAR(album->GetSongQuality(), (7 * 0.5f + 0.9f) / 8, 1e-5f);
    EXPECT_EQ(eighth->GetAlbum(), album);
    album->RemoveTrack(eighth);
    EXPECT_EQ(eighth->GetAlbum(), nullptr);
    EXPECT_EQ(SIM_Album::GetAlbumInDevelopment(), album);
    const std::vector<SIM_Song*> tracks = album->GetTracks();
    album->Cancel();
    EXPECT_TRUE(SIM_Album::All.empty()) << "a cancelled album is deleted by its class";
    for (SIM_Song* s : tracks)
        EXPECT_EQ(s->GetAlbum(), nullptr);
    album = AlbumOf(1, 0.5f);
    album->RemoveTrack(album->GetTracks()[0]);
    EXPECT_FLOAT_EQ(album->GetSongQuality(), 0.0f) << "no tracks: no division by zero";
}

TEST_F(AlbumTest, AnAlbumOutlivesItsDeletedSongs)
{
    SIM_Album* album = AlbumOf(3, 0.5f);
    SIM_Song* kept = album->GetTracks()[0];
    delete album->GetTracks()[1];
    album->RemoveTrack(album->GetTracks()[2]);
    EXPECT_EQ(album->GetTracks(), std::vector<SIM_Song*> {kept}) << "the deleted song is gone from the list";
    AlbumOf(8, 0.5f)->Release();
    SIM_GetSim()->Reset(); // the songs are freed before the albums
    EXPECT_TRUE(SIM_Album::All.empty());
}

TEST_F(AlbumTest, StudioTimeAndTheMixStayUnderTheTracksCeiling)
{
    Set("RS_SONGQUALITY_ALBUM_MULTIPLIER", 0.5f);
    Set("RS_STUDIO_QUALITY_PERDAY", 0.5f);
    Set("RS_STUDIO_MAX_STRESS", 2.0f);       // never stressed
    Set("RS_STUDIO_MIN_MOTIVATION", -1.0f); // never demotivated
    SIM_Album* album = AlbumOf(8, 0.4f);   // ceiling 0.4 + 0.2 = 0.6
    ASSERT_NEAR(album->GetMaximumQuality(), 0.6f, 1e-5f);
    SIM_RecordingStudio::SetCurrentStudio("best");
    album->AddStudioTime(SIM_RecordingStudio::GetCurrentStudio(), 1.0f);
    EXPECT_NEAR(album->GetProductionQuality(), 0.6f * 0.5f * 0.95f, 1e-5f);
    for (int day = 0; day < 50; ++day)
        album->AddStudioTime(SIM_RecordingStudio::GetCurrentStudio(), 1.0f);
    EXPECT_LE(album->GetProductionQuality(), 0.6f);
    EXPECT_GT(album->GetProductionQuality(), 0.59f);

    album->SetMixQuality(1.0f); // 0.9 from the studio, cut to the ceiling
    EXPECT_NEAR(album->GetProductionQuality(), 0.6f, 1e-5f);
    album->SetMixQuality(0.5f);
    EXPECT_NEAR(album->GetProductionQuality(), 0.45f, 1e-5f);

    SIM_RecordingStudio::SetCurrentStudio(nullptr);
    screens.Clear();
    album->SetMixQuality(1.0f);
    album->AddStudioTime(nullptr, 1.0f);
    EXPECT_NEAR(album->GetProductionQuality(), 0.45f, 1e-5f);
    EXPECT_EQ(Reports("No recording studio"), 2);
}

TEST_F(AlbumTest, ADealPaysOnlyOnceTheProductionCostIsEarnedBack)
{
    OneDollarShare();
    SIM_Album* album = AlbumOf(8, 0.5f);
    album->AddCost(1000.0f);
    album->Release();
    Sign(0.25f);
    const float cash = SIM_GetFinances()->GetCash();
    album->SellCopies(600);
    EXPECT_NEAR(album->GetRoyaltiesEarned(), 0.0f, 1e-3f);
    album->SellCopies(600);
    EXPECT_NEAR(album->GetRoyaltiesEarned(), 0.25f * 200.0f, 1e-3f);
    album->SellCopies(100);
    EXPECT_NEAR(album->GetRoyaltiesEarned(), 0.25f * 300.0f, 1e-3f);
    EXPECT_NEAR(album->GetTotalEarned(), 1300.0f, 1e-3f);
    EXPECT_EQ(album->GetCopiesSold(), 1300);
    EXPECT_NEAR(SIM_GetFinances()->GetCash() - cash, 75.0f, 1e-2f);

    SIM_GetRecordCompany()->Reset();
    SIM_Album* own = AlbumOf(8, 0.5f);
    own->AddCost(1000.0f);
    own->Release();
    own->SellCopies(50);
    EXPECT_FLOAT_EQ(own->GetRoyaltiesEarned(), own->GetTotalEarned()) << "unsigned: the whole share";
    own->SellCopies(INT32_MAX);
    EXPECT_EQ(own->GetCopiesSold(), INT32_MAX) << "the counter saturates";
}

TEST_F(AlbumTest, OnlyReleasedAlbumsSellEachWeekAndOldOnesFadeAway)
{
    OneDollarShare();
    SetFame(100.0f);
    Set("RS_ALBUM_ROYALTY_ADJUSTER", 1.0f);
    Set("RS_ALBUM_ROYALTY_SUSTAIN", 0.5f);
    SIM_GetBand()->ApplyToAttribute("band_hype", 1.0f, 1.0f, "test");
    SIM_GetBand()->Recalculate();
    SIM_Album* draft = AlbumOf(8, 0.5f);
    draft->SetProductionQuality(1.0f);
    SIM_Album* released = AlbumOf(8, 0.5f);
    released->SetProductionQuality(1.0f);
    released->Release();
    SIM_Album::CalculateAllRoyalties();
    EXPECT_EQ(draft->GetCopiesSold(), 0);
    EXPECT_EQ(draft->GetWeeksSinceRelease(), 0);
    EXPECT_EQ(released->GetWeeksSinceRelease(), 1);
    const float hype = SIM_GetBand()->GetValue("band_hype");
    const float expected = 100.0f * 0.5f * hype;
    EXPECT_GE(released->GetCopiesSold(), static_cast<int>(expected * 0.9f) - 1);
    EXPECT_LE(released->GetCopiesSold(), static_cast<int>(expected * 1.1f) + 1);

    released->SetWeeksSinceRelease(SIM_Album::MaxWeeks + 5);
    EXPECT_EQ(released->GetWeeksSinceRelease(), SIM_Album::MaxWeeks);
    const int sold = released->GetCopiesSold();
    SIM_Album::CalculateAllRoyalties();
    EXPECT_EQ(released->GetCopiesSold(), sold) << "years on, a week sells nothing";
    EXPECT_EQ(released->GetWeeksSinceRelease(), SIM_Album::MaxWeeks);
}

TEST_F(AlbumTest, TheNewestReleaseIsTheOneWithFewestWeeks)
{
    EXPECT_EQ(SIM_Album::GetNewestAlbum(), nullptr);
    SIM_Album* older = AlbumOf(8, 0.5f);
    SIM_Album* newer = AlbumOf(8, 0.5f);
    AlbumOf(8, 0.5f); // still in development
    older->Release();
    newer->Release();
    older->SetWeeksSinceRelease(5);
    newer->SetWeeksSinceRelease(3);
    EXPECT_EQ(SIM_Album::GetNewestAlbum(), newer);
    newer->SetWeeksSinceRelease(5);
    EXPECT_EQ(SIM_Album::GetNewestAlbum(), older) << "the first of equals";
    EXPECT_NE(older->GetAlbumID(), newer->GetAlbumID());
}

TEST_F(AlbumTest, ARecordingDayIsFreeOnlyUnderADeal)
{
    SIM_GetFinances()->SetCash(5000.0f);
    SIM_RecordingStudio::SetCurrentStudio("cheap");
    SIM_RecordingStudio* studio = SIM_RecordingStudio::GetCurrentStudio();
    ASSERT_NE(studio, nullptr);
    SIM_Album* album = AlbumOf(8, 0.5f);
    studio->Use(album);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 4900.0f);
    Sign(0.3f);
    studio->Use(album);
    EXPECT_FLOAT_EQ(SIM_GetFinances()->GetCash(), 4900.0f);
    EXPECT_FLOAT_EQ(album->GetProductionCost(), 200.0f) << "a signed band's album still owes its days";
    EXPECT_EQ(album->GetDaysInStudio(), 2);
    screens.Clear();
    studio->Use(nullptr);
    EXPECT_EQ(screens.reports.size(), 1u);
    EXPECT_EQ(album->GetDaysInStudio(), 2);
}

TEST_F(AlbumTest, TheCurrentStudioIsChosenValidatedAndForgotten)
{
    SIM_RecordingStudio::ChooseBestStudio();
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio()->GetName(), "best") << "the first of equals";
    SIM_GetFinances()->SetCash(999.0f);
    Sign(0.3f);
    SIM_RecordingStudio::ValidateStudio();
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), nullptr) << "even a signed band must afford a day";
    SIM_RecordingStudio::SetCurrentStudio("cheap");
    screens.Clear();
    SIM_RecordingStudio::SetCurrentStudio(std::string("nowhere"));
    EXPECT_EQ(Reports("Failed to set recording studio"), 1);
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio()->GetName(), "cheap");
    SIM_RecordingStudio::Close();
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), nullptr) << "a deleted studio is never current";
    SIM_RecordingStudio::ChooseBestStudio();
    EXPECT_EQ(SIM_RecordingStudio::GetCurrentStudio(), nullptr);
}

TEST_F(AlbumTest, ScoutsComeToBigEnoughVenues)
{
    UseVenues({"small,Small,LOCAL,0,0,0,199,0,0,1,1,1,80,d,s,b", "edge,Edge,LOCAL,0,0,0,200,0,0,1,1,1,80,d,s,b"});
    Set("RS_COMPANY_SCOUT_MINCAPACITY", 200.0f);
    Set("RS_COMPANY_SCOUT_BASECHANCE", 1.0f);
    SIM_Gig small(Venue("small"), SIM_Gig::NORMAL);
    SIM_Gig edge(Venue("edge"), SIM_Gig::NORMAL);
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    EXPECT_FALSE(company->AttendedGig(SIM_Performance::CreateWithFigures(&small, 1.0f, 199)));
    EXPECT_EQ(company->GetGUIName(), SIM_RecordCompany::DefaultName);
    EXPECT_TRUE(company->AttendedGig(SIM_Performance::CreateWithFigures(&edge, 1.0f, 200)));
    EXPECT_FALSE(company->GetGUIName().empty());
    Set("RS_COMPANY_SCOUT_BASECHANCE", 0.0f);
    EXPECT_FALSE(company->AttendedGig(SIM_Performance::CreateWithFigures(&edge, 1.0f, 200)));
    SIM_Performance::Close();
}

TEST_F(AlbumTest, TheOfferChanceGrowsWithFameFillAndQuality)
{
    UseTwoVenues();
    Set("RS_COMPANY_OFFER_BASECHANCE", 0.1f);
    Set("RS_DEAL_FAME_MODIFIER", 0.2f);
    Set("RS_DEAL_ATTENDENCE_MODIFIER", 0.3f);
    Set("RS_DEAL_QUALITY_MODIFIER", 0.4f);
    SIM_Gig gig(Venue("club"), SIM_Gig::NORMAL); // 300 seats
    struct Case {
        float fame, quality;
        int attendance;
        float chance;
    } cases[] = {{39.9f, 1.0f, 300, 0.0f},    {40.0f, 0.0f, 0, 0.1f + 0.2f * 0.08f},
                 {500.0f, 0.5f, 300, 0.8f},   {600.0f, 1.0f, 600, 1.0f},
                 {250.0f, 0.0f, 150, 0.1f + 0.1f + 0.15f}};
    for (const Case& c : cases) {
        SetFame(c.fame);
        SIM_Performance* p = SIM_Performance::CreateWithFigures(&gig, c.quality, c.attendance);
        EXPECT_NEAR(SIM_RecordCompany::OfferChance(p), c.chance, 1e-4f) << c.fame;
    }
    SetFame(39.9f);
    Set("RS_COMPANY_OFFER_BASECHANCE", 1.0f);
    EXPECT_FALSE(SIM_GetRecordCompany()->OfferedDeal(SIM_Performance::All.back()));
    SIM_Performance::Close();
}

TEST_F(AlbumTest, TheTermsAndSigning)
{
    SIM_RecordCompany* company = SIM_GetRecordCompany();
    for (int i = 0; i < 50; ++i) {
        company->PutTogetherDeal();
        EXPECT_TRUE(company->GetMarketing() >= 0.1f && company->GetMarketing() <= 0.3f);
        EXPECT_TRUE(company->GetRoyalty() >= 0.2f && company->GetRoyalty() <= 0.5f);
    }
    Hire(INSTRUMENT_DRUMS, 0.5f, {"businessman"});
    for (int i = 0; i < 50; ++i) {
        company->PutTogetherDeal();
        EXPECT_TRUE(company->GetMarketing() >= 0.112f && company->GetMarketing() <= 0.336f + 1e-5f);
        EXPECT_TRUE(company->GetRoyalty() >= 0.24f && company->GetRoyalty() <= 0.6f + 1e-5f);
    }
    const float hype = SIM_GetBand()->GetValue("band_hype");
    company->SignDeal();
    SIM_GetBand()->Recalculate();
    EXPECT_TRUE(company->IsSigned());
    EXPECT_GT(SIM_GetBand()->GetValue("band_hype"), hype);

    SIM_GetSim()->Reset();
    EXPECT_FALSE(company->IsSigned()) << "a new game starts unsigned";
    EXPECT_FLOAT_EQ(company->GetRoyalty(), 0.0f);
    company->Restore("Saved Label", true, 0.4f, 0.2f);
    EXPECT_TRUE(company->IsSigned());
    EXPECT_EQ(company->GetGUIName(), "Saved Label");
    EXPECT_FLOAT_EQ(company->GetRoyalty(), 0.4f);
}
