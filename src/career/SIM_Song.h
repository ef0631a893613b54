#pragma once
// A song of the band: seven sections, each filled with a song element, and the song's own
// fit with every element of the game. From the placed elements, their links and the
// inspiration it was written with the song gets its quality; playing it makes it boring
// unless it is a classic. The class keeps the live and the retired songs.
#include "sim/SIM_SLIDBase.h"

#include <array>
#include <string>
#include <vector>

class SIM_Album;
class SIM_SongElement;

enum SONG_SECTION {
    SONG_SECTION_INTRO = 0,
    SONG_SECTION_VERSE1 = 1,
    SONG_SECTION_CHORUS1 = 2,
    SONG_SECTION_VERSE2 = 3,
    SONG_SECTION_BRIDGE = 4,
    SONG_SECTION_CHORUS2 = 5,
    SONG_SECTION_OUTTRO = 6,
    NUM_SONG_SECTIONS = 7
};

class SIM_Song : public SIM_SLIDBase {
public:
    // The song's fit with one element: suitability 0..the element's base quality and the
    // link colours of its two edges (0..2).
    struct ElementSuitability {
        std::string element;
        float suitability = 0.0f;
        int left = 0;
        int right = 0;
    };
    // One candidate text while a description is built.
    struct ElementDescription {
        float suitability = 0.0f;
        std::string text;
    };

    // Empty sections, "Unknown Song", nothing else set; joins All.
    SIM_Song();
    // Leaves All or Retired; no musician's rehearsal record keeps it.
    ~SIM_Song() override;

    // Close, then reads how many songs a gig needs.
    static void Open();
    // Deletes every live, then every retired song.
    static void Close();
    // The band's starting cover songs.
    static void CreateInitialSongs();
    // A newly written song with default elements; named "Unknown Song" until the caller
    // names it.
    static SIM_Song* CreateNew(float inspiration);

    // The mean of quality x (1 - boredom) over the live songs; 0 with none.
    static float GetTotalSongQuality();
    // Every live song is played once.
    static void PerformAll();
    // The live song with the greatest boredom above 0 (the first of equals); none when no
    // song is boring.
    static SIM_Song* GetMostBoringSong();
    // BSongsForStudio: at least 8 live songs on no album.
    static void UpdateSongsForStudio();
    // The name of a random live song; "" with no songs.
    static std::string GetRandomTitle();
    // At least the number of songs a gig needs.
    static bool EnoughSongsToGig();

    std::string GetName() const { return name; }
    void SetName(const char* n) { name = n ? n : ""; }
    void SetName(const std::string& n) { name = n; }
    float GetQuality() const { return quality; }
    float GetBoredom() const { return boredom; }
    float GetInitialInspiration() const { return initialInspiration; }
    std::string GetDescription() const { return description; }
    bool IsClassic() const { return classic; }
    bool IsCover() const { return cover; }
    SIM_Album* GetAlbum() const { return album; }
    void SetAlbum(SIM_Album* a) { album = a; }
    SIM_SongElement* GetElement(SONG_SECTION section) const;
    const std::vector<ElementSuitability>& GetElementSuitabilities() const { return suitabilities; }

    void ClearElements();
    // Puts the element into the section, replacing what was there.
    void AddElement(SIM_SongElement* element, SONG_SECTION section);
    void AddDefaultElements();
    // Appends the song's own fit with every element of the table, in table order.
    void GenerateElementValues();
    void CalculateQuality();
    void GenerateDescription();
    void CheckForClassicStatus();
    // Played once: a little more boring, unless a classic.
    void Perform();
    // Moves the song to the retired songs; it keeps its album.
    void Retire();

    float GetSuitability(const SIM_SongElement* element) const;
    float GetElementQuality(const SIM_SongElement* element) const;
    ElementSuitability* GetElementSuitability(const SIM_SongElement* element);
    // An element is being deleted: every section holding it is emptied.
    void ForgetElement(const SIM_SongElement* element);

    // The save reader restores what the rules otherwise set.
    void SetQuality(float q) { quality = q; }
    void SetBoredom(float b) { boredom = b; }
    void SetInitialInspiration(float i) { initialInspiration = i; }
    void SetDescription(const std::string& d) { description = d; }
    void SetClassic(bool c) { classic = c; }
    void SetCover(bool c) { cover = c; }
    void AddElementSuitability(const ElementSuitability& s) { suitabilities.push_back(s); }

    // The live songs, in order of creation.
    static std::vector<SIM_Song*> All;
    // The retired songs, in order of retirement.
    static std::vector<SIM_Song*> Retired;
    static bool BSongsForStudio;
    static int Cache_RS_SONGS_REQ_FOR_GIG;

private:
    // Constructs a song with the first steps every new song takes.
    static SIM_Song* Start(float inspiration);

    std::array<SIM_SongElement*, NUM_SONG_SECTIONS> elements {};
    std::string name = "Unknown Song";
    float quality = 0.0f;
    SIM_Album* album = nullptr;
    float initialInspiration = 0.0f;
    std::vector<ElementSuitability> suitabilities;
    float boredom = 0.0f;
    std::string description;
    bool classic = false;
    bool cover = false;
};
