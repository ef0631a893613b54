#pragma once
// The saved-game file: its tags and keys, the codec of its values and the tokenizer that
// turns a file into blocks. A save is a tag-per-line text file: "<tag>" opens a block,
// "</tag>" closes it and "<key>value</key>" is one value. It only looks like XML; no
// XML library reads it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace SaveFormat {

// Limits of what a reader accepts: a bigger file, value, tag or nesting is damaged.
constexpr size_t MaxFileBytes = 32u * 1024u * 1024u;
constexpr size_t MaxValueBytes = 64u * 1024u;
constexpr size_t MaxTagChars = 127;
constexpr int MaxDepth = 8;
constexpr size_t MaxListTokens = 4096;
// A save name must be shorter than this.
constexpr size_t MaxNameChars = 32;

// Section and list tags, in file order where they are sections.
namespace Tag {
inline constexpr const char* Root = "xml";
inline constexpr const char* Header = "header";
inline constexpr const char* LoadData = "load_data";
inline constexpr const char* Riza = "riza";
inline constexpr const char* Attributes = "attributes";
inline constexpr const char* Attribute = "attribute";
inline constexpr const char* Effect = "sim_effect";
inline constexpr const char* Skills = "skills";
inline constexpr const char* Skill = "skill";
inline constexpr const char* Date = "date";
inline constexpr const char* Assets = "assets";
inline constexpr const char* Asset = "asset";
inline constexpr const char* AssetMusic = "asset_music";
inline constexpr const char* Music = "music";
inline constexpr const char* Musicians = "musicians";
inline constexpr const char* Musician = "musician";
inline constexpr const char* Personalities = "personalities";
inline constexpr const char* Personality = "personality";
inline constexpr const char* Possessions = "possesions";
inline constexpr const char* Possession = "possesion";
inline constexpr const char* Band = "band";
inline constexpr const char* Members = "members";
inline constexpr const char* Member = "member";
inline constexpr const char* CommunalAssets = "communal assets";
inline constexpr const char* SongElements = "song_elements";
inline constexpr const char* Unlocked = "unlocked";
inline constexpr const char* Songs = "songs";
inline constexpr const char* RetiredSongs = "retired_songs";
inline constexpr const char* Song = "song";
inline constexpr const char* Suitabilities = "suitabilities";
inline constexpr const char* Suitability = "suitability";
inline constexpr const char* Elements = "elements";
inline constexpr const char* Albums = "albums";
inline constexpr const char* Album = "album";
inline constexpr const char* Tracks = "tracks";
inline constexpr const char* Track = "track";
inline constexpr const char* GameMode = "gamemode";
inline constexpr const char* RecordingStudio = "recordingstudio";
inline constexpr const char* Gigs = "gigs";
inline constexpr const char* Booked = "booked";
inline constexpr const char* Booking = "booking";
inline constexpr const char* OtherGigs = "other_gigs";
inline constexpr const char* Gig = "gig";
inline constexpr const char* Practice = "practice";
inline constexpr const char* Melody = "melody";
inline constexpr const char* Relationships = "relationships";
inline constexpr const char* Relationship = "relationship";
inline constexpr const char* Endorsements = "endorsements";
inline constexpr const char* Endorsement = "endorsement";
inline constexpr const char* RehearsalData = "rehearsal_data";
inline constexpr const char* Data = "data";
inline constexpr const char* SongData = "songdata";
inline constexpr const char* Venues = "venues";
inline constexpr const char* Venue = "venue";
inline constexpr const char* Balance = "balance";
inline constexpr const char* Entry = "entry";
inline constexpr const char* Events = "events";
inline constexpr const char* Finances = "finances";
inline constexpr const char* Fame = "fame";
inline constexpr const char* FameEffect = "effect";
inline constexpr const char* Globals = "globals";
inline constexpr const char* Global = "global";
inline constexpr const char* Statistics = "statistics";
inline constexpr const char* Sim = "SIM_SIM";
inline constexpr const char* Misc = "misc";
}

// Value keys.
namespace Key {
inline constexpr const char* Version = "version";
inline constexpr const char* AvatarTexture = "avatar_texture";
inline constexpr const char* BandName = "band_name";
inline constexpr const char* Fame = "fame";
inline constexpr const char* Cash = "cash";
inline constexpr const char* Date = "date";
inline constexpr const char* SLIDUpper = "SLID";
inline constexpr const char* Slid = "slid";
inline constexpr const char* Forename = "forename";
inline constexpr const char* Surname = "surname";
inline constexpr const char* Fullname = "fullname";
inline constexpr const char* Name = "name";
inline constexpr const char* GuiName = "guiname";
inline constexpr const char* Description = "description";
inline constexpr const char* BaseValue = "basevalue";
inline constexpr const char* AlwaysShow = "alwaysshow";
inline constexpr const char* HighIsGood = "highisgood";
inline constexpr const char* Criteria = "criteria";
inline constexpr const char* WarnLimit = "warnlimit";
inline constexpr const char* DebugName = "debugname";
inline constexpr const char* Degrade = "degrade";
inline constexpr const char* Effect = "effect";
inline constexpr const char* Value = "value";
inline constexpr const char* Day = "day";
inline constexpr const char* DayOfWeek = "dayofweek";
inline constexpr const char* Month = "month";
inline constexpr const char* Year = "year";
inline constexpr const char* YearEndDay = "yearend_day";
inline constexpr const char* YearEndMonth = "yearend_month";
inline constexpr const char* YearEndYear = "yearend_year";
inline constexpr const char* GameEndDay = "gameend_day";
inline constexpr const char* GameEndMonth = "gameend_month";
inline constexpr const char* GameEndYear = "gameend_year";
inline constexpr const char* TenYearsUp = "tenyearsup";
inline constexpr const char* Owned = "owned";
inline constexpr const char* Assigned = "assigned";
inline constexpr const char* Listened = "listened";
inline constexpr const char* Portraits[4] = {"portrait_vsad", "portrait_sad", "portrait_neutral", "portrait_happy"};
inline constexpr const char* Gender = "gender";
inline constexpr const char* Instrument = "instrument";
inline constexpr const char* Ability = "ability";
inline constexpr const char* MaxAbility = "maxability";
inline constexpr const char* Resentment = "possesion_resentment";
inline constexpr const char* Chemistry = "chemistry";
inline constexpr const char* Boredom = "boredom";
inline constexpr const char* Innocence = "innocence";
inline constexpr const char* Cynicism = "cynicism";
inline constexpr const char* DaysInBand = "daysinband";
inline constexpr const char* IntentionToQuit = "intentiontoquit";
inline constexpr const char* SongElement = "songelement";
inline constexpr const char* Active = "active";
inline constexpr const char* Ego = "ego"; // our trailing line of a musician block
inline constexpr const char* BandNameKey = "Name";
inline constexpr const char* SponsoredName = "SponsoredName";
inline constexpr const char* YearCount = "YearCount";
inline constexpr const char* Quality = "quality";
inline constexpr const char* InitialInspiration = "initialinspiration";
inline constexpr const char* Classic = "classic";
inline constexpr const char* AlbumSlid = "albumslid";
inline constexpr const char* SuitabilityKey = "suitability";
inline constexpr const char* Left = "left";
inline constexpr const char* Right = "right";
inline constexpr const char* Mode = "mode";
inline constexpr const char* Title = "title";
inline constexpr const char* WeeksSinceRelease = "weekssincerelease";
inline constexpr const char* SongQuality = "songqaulity";
inline constexpr const char* ProductionQuality = "productionquality";
inline constexpr const char* ProductionCost = "productioncost";
inline constexpr const char* DaysInStudio = "daysinstudio";
inline constexpr const char* CoverTexture = "covertexture";
inline constexpr const char* RoyaltiesEarned = "royaltiesearned";
inline constexpr const char* TotalEarned = "totalearned";
inline constexpr const char* CopiesSold = "copiessold";
// Our trailing lines of the career-stage block: the record deal.
inline constexpr const char* DealSigned = "deal_signed";
inline constexpr const char* DealLabel = "deal_label";
inline constexpr const char* DealRoyalty = "deal_royalty";
inline constexpr const char* DealMarketing = "deal_marketing";
inline constexpr const char* Type = "type";
inline constexpr const char* VenueKey = "venue";
inline constexpr const char* Charity = "charity";
inline constexpr const char* DateDay = "date_day";
inline constexpr const char* DateMonth = "date_month";
inline constexpr const char* DateYear = "date_year";
inline constexpr const char* Bpm = "bpm";
inline constexpr const char* Inst = "inst";
inline constexpr const char* Ids = "ids";
inline constexpr const char* P1 = "P1_SLID";
inline constexpr const char* P2 = "P2_SLID";
inline constexpr const char* EndorsementDays = "days"; // our trailing line of the endorsements
inline constexpr const char* OwnerSlid = "owner_slid";
inline constexpr const char* SongSlid = "song_slid";
inline constexpr const char* Readiness = "readiness";
inline constexpr const char* Status = "status";
inline constexpr const char* Worth = "worth";
inline constexpr const char* DaysSinceLastEvent = "DaysSinceLastEvent";
inline constexpr const char* Ints = "ints";
inline constexpr const char* Floats = "floats";
inline constexpr const char* Elapsed = "elapsed";
inline constexpr const char* MaxActs = "max_acts";
inline constexpr const char* Acts = "acts";
inline constexpr const char* TurnCount = "turncount";
inline constexpr const char* TopSLID = "TopSLID";
inline constexpr const char* Skin = "skin";
}

// "none" in the song-element and section lines; "null" for a missing charity or studio.
inline constexpr const char* NoneUpper = "NULL";
inline constexpr const char* NoneLower = "null";

// Values. Texts are escaped so that a value never holds '<' or a line break: "&", "<",
// ">", CR and LF become "&amp;", "&lt;", "&gt;", "&#13;" and "&#10;", and exactly those
// five are decoded.
std::string Escape(const std::string& text);
std::string Unescape(const std::string& text);
std::string FormatInt(int v);
// "%.3f"; a number that is not finite is written as 0.
std::string FormatFloat(float v);
// "%.2f", the statistics' float counters.
std::string FormatFloat2(float v);
// Decimal numbers; false (value 0) for an empty text, a text that is not a number or a
// number that does not fit. Integers beyond the int range are clamped.
bool ParseInt(const std::string& text, int& out);
bool ParseFloat(const std::string& text, float& out);
// "a,b,c," -> {a, b, c}: the empty piece after the last comma is dropped; at most
// MaxListTokens pieces.
std::vector<std::string> SplitCommaList(const std::string& text);

// One block of a parsed file: a tag with children, or a key with its value. Tags point
// into the document's own copy of the text.
struct Node {
    std::string_view tag;
    std::string value;
    bool leaf = false;
    int firstChild = -1;
    int lastChild = -1;
    int next = -1; // the next child of the same parent
};

// A whole file as blocks. Parse never recurses, never throws and bounds everything it
// keeps; on failure `error` says what is wrong.
struct Document {
    std::string text;
    std::vector<Node> nodes; // nodes[0] is the root "<xml>" block when parsed
    std::string error;

    bool Parse(const std::string& source);
    const Node& Root() const { return nodes[0]; }
    const Node& At(int i) const { return nodes[static_cast<size_t>(i)]; }
    // The first child block of `parent` with that tag, or -1.
    int Find(const Node& parent, const char* tag) const;

private:
    void Append(int parent, Node&& node);
};

// A file name that is safe as a texture name: no '/', '\' or "..".
bool IsSafeTextureName(const std::string& name);
// A save name the game accepts: not empty, not starting with '.', no '/', '\' or control
// character, shorter than MaxNameChars.
bool IsValidSaveName(const std::string& name);
// The folder of the saves: the per-user folder's "savegames".
std::string SaveGamesDir();
std::string SavePath(const std::string& name);

}
