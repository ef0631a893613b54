// Records: listening one track at a time inspires the player character, and hearing the
// whole record unlocks its song element.
#include "career/AssetFixture.h"

#include "sim/SIM_Attribute.h"
#include "sim/SIM_Riza.h"

namespace {

int InspirationEffects()
{
    SIM_Attribute* inspiration = SIM_GetRiza()->GetAttribute("inspiration");
    return inspiration ? int(std::count_if(inspiration->GetEffects().begin(), inspiration->GetEffects().end(),
                                           [](const SIM_Effect* e) { return e->GetDebugName() == "listen to album"; }))
                       : -1;
}

} // namespace

TEST_F(AssetTest, ListeningThroughARecordUnlocksItsElement)
{
    auto* album = GetAs<SIM_AssetMusic>("album");
    ASSERT_NE(album, nullptr);
    EXPECT_EQ(album->GetTrackTitles(), (std::vector<std::string> {"\"One\"", "\" Two\"", "\"Three\"", "\"Four\""}));
    EXPECT_EQ(album->GetUnlock(), riff);
    Set("RS_LISTEN_ALBUM_INSPIRATION", 0.05f);
    Set("RS_LISTEN_ALBUM_INSPIRATION_DEGRADE", 0.9f);

    album->Listen();
    album->Listen();
    EXPECT_EQ(album->GetTracksListenedTo(), 2);
    EXPECT_FLOAT_EQ(album->GetListenedPercentage(), 0.5f);
    EXPECT_FALSE(riff->IsAvailable());
    EXPECT_EQ(InspirationEffects(), 2);
    EXPECT_EQ(screens.Count("OpenAlbumListen"), 2);

    album->Listen();
    album->Listen();
    EXPECT_FLOAT_EQ(album->GetListenedPercentage(), 1.0f);
    EXPECT_TRUE(riff->IsAvailable());
    EXPECT_EQ(riff->GetUnlocker(), nullptr);
    EXPECT_EQ(screens.Count("RefreshAssets"), 1);

    // Past the last track: inspiration every time, the share stays whole.
    album->Listen();
    EXPECT_EQ(album->GetTracksListenedTo(), 5);
    EXPECT_FLOAT_EQ(album->GetListenedPercentage(), 1.0f);
    EXPECT_EQ(InspirationEffects(), 5);
    EXPECT_TRUE(screens.Alerts().empty()) << screens.Alerts().front();
}

TEST_F(AssetTest, ARestoredProgressUnlocksAtOnceAndARecordWithoutTitlesNever)
{
    auto* album = GetAs<SIM_AssetMusic>("album");
    album->SetTracksListenedTo(3);
    EXPECT_FLOAT_EQ(album->GetListenedPercentage(), 0.75f);
    EXPECT_FALSE(riff->IsAvailable());
    album->SetTracksListenedTo(4);
    EXPECT_TRUE(riff->IsAvailable());
    album->SetTracksListenedTo(-2);
    EXPECT_EQ(album->GetTracksListenedTo(), 0);
    EXPECT_FLOAT_EQ(album->GetListenedPercentage(), 0.0f);

    riff->RelockElement(nullptr);
    auto* silence = GetAs<SIM_AssetMusic>("silence");
    EXPECT_TRUE(silence->GetTrackTitles().empty());
    silence->Listen();
    silence->SetTracksListenedTo(10);
    EXPECT_FLOAT_EQ(silence->GetListenedPercentage(), 0.0f);
    EXPECT_EQ(silence->GetTracksListenedTo(), 10);
}

TEST_F(AssetTest, ARecordOfAnUnknownElementIsReportedOnceAndUnlocksNothing)
{
    ForgetRiff();
    screens.Clear();
    UseCatalogue("#,recorded_music,lost,Lost,music,d,t.dds,,5,0,0,0,record,,REBUYABLE,,riff,\"A,B\",,#\n");
    EXPECT_EQ(std::count(screens.reports.begin(), screens.reports.end(), "GWarning Song element not found"), 1);
    auto* lost = GetAs<SIM_AssetMusic>("lost");
    ASSERT_NE(lost, nullptr);
    EXPECT_EQ(lost->GetUnlock(), nullptr);
    lost->Listen();
    lost->Listen();
    EXPECT_FLOAT_EQ(lost->GetListenedPercentage(), 1.0f);
    EXPECT_FALSE(screens.Has("RefreshAssets"));
    EXPECT_EQ(std::count(screens.reports.begin(), screens.reports.end(), "GWarning Song element not found"), 1);
    EXPECT_TRUE(screens.Alerts().empty());
}
