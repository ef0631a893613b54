#pragma once
// The practice game: a full-screen call-and-response game of five tones. The screen plays
// a melody at the current instrument's tempo, then the player repeats it on the keys 1 to
// 5; four melodies make a session. A melody repeated without a wrong tone makes the band
// practise, raises the tempo and is remembered as beaten. Leaving before the session
// starts costs nothing; after it, continuing uses up the day.
#include "engine/GTimer.h"
#include "engine/LibColor.h"
#include "engine/V2.h"
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"
#include "show/GUI_MiniGameEmitters.h"

#include <cstdint>
#include <string>
#include <vector>

class GUI_ButtonText;
class GUI_Practice;
class SIM_Musician;

// The melody being played: its tones (1..5) and the next one due.
class GUI_PracticeMelody {
public:
    static constexpr int kRandomLength = 8;

    // The melody of that id in the melodies section of the melodies file; eight random
    // tones when the file has none for it.
    static GUI_PracticeMelody* Create(const char* melodiesSection, int id, GUI_Practice* screen);
    // The tones of one value of the melodies file, each kept within 1..5.
    static std::vector<int> ParseTones(const std::string& value);
    // Eight tones: each repeats the one before with chance 0.2, else is drawn from 1..5.
    static std::vector<int> RandomTones();

    GUI_PracticeMelody(std::vector<int> tones, GUI_Practice* screen);
    bool Finished() const { return cursor_ >= tones_.size(); }
    // The preview's next tone; at the end, back to the first tone and the preview ends.
    void PlayBeat();
    // The player's tone against the next one (which is used up either way).
    bool CheckTone(int tone);
    const std::vector<int>& GetTones() const { return tones_; }
    size_t GetCursor() const { return cursor_; }

private:
    std::vector<int> tones_;
    size_t cursor_ = 0;
    GUI_Practice* screen_;
};

// One member's cell at the top: portrait, ability read-out and bar, rising as they practise.
class GUI_PracticeProgress : public GUI_WindowBase {
public:
    // A null musician is the player character.
    explicit GUI_PracticeProgress(SIM_Musician* musician);
    void Draw() override;
    float GetShown() const { return shown_; }
    float CurrentAbility() const;

private:
    SIM_Musician* musician_;
    CTexturedSprite portrait_;
    CTexturedSprite bar_;
    CTexturedSprite barEmpty_;
    BaseSprite box_;
    tagRECT barRect_ {};
    float shown_ = 0.0f;
};

// One tone's strip of the stave, lit for a second when its tone sounds.
class GUI_PracticePitchStrip : public GUI_WindowBase {
public:
    GUI_PracticePitchStrip(int tone, const LibColor& colour);
    void Draw() override;
    void Highlight();
    bool IsHighlighted() const { return highlighted_; }

private:
    CTexturedSprite stave_;
    CTexturedSprite key_;
    GTimer timer_;
    bool highlighted_ = false;
    LibColor colour_;
};

// A note on the stave, fading out over a second and a half.
class GUI_PracticeNote : public GUI_WindowBase {
public:
    static constexpr float kSize = 92.0f;
    static constexpr float kFadeMs = 1500.0f;
    explicit GUI_PracticeNote(V2 centre);
    void Draw() override;

private:
    GTimer timer_;
    CTexturedSprite note_;
    CTexturedSprite shadow_;
};

class GUI_Practice : public GUI_WindowBase {
public:
    enum STATE { INTRO = 0, PREVIEW = 1, PRACTICE = 2, POSTMORTEM = 3, FINISHED = 4 };
    static constexpr int kMelodiesPerSession = 4;
    static constexpr float kPostMortemMs = 3000.0f;
    static constexpr float kPracticeAmount = 0.25f;
    static constexpr int kEmitters = 8;

    static void Create();
    ~GUI_Practice() override;

    void Draw() override;
    void HandleKey(unsigned int key) override;

    // Button and fade callbacks.
    static void StartSession(intptr_t);
    static void Cancel(intptr_t);
    static void Finish(intptr_t);
    // Closes the window; a non-zero argument then ends the day.
    static void Close(intptr_t endDay);

    // What the melody asks of the screen.
    void TriggerTone(int tone);
    void AddParticles(int tone);
    void AddNote(int tone);
    void EndPreview();

    // The tone of a key, 0 for a key that gives none.
    static int ToneOfKey(unsigned int key);
    static int BeatLength(int tempo) { return tempo > 0 ? 60000 / tempo : 60000; }

    int GetState() const { return state_; }
    int GetStreak() const { return streak_; }
    int GetMelodyId() const { return melodyId_; }
    int GetEndId() const { return endId_; }
    float GetBeatLength() const { return beatLength_; }
    int GetTempoShown() const { return tempoShown_; }
    int GetBeatCount() const { return beatCount_; }
    const GUI_PracticeMelody* GetMelody() const { return melody_; }
    V2 GetNextNote() const { return nextNote_; }
    const tagRECT& GetPitchArea() const { return pitchArea_; }
    const std::vector<GUI_PracticePitchStrip*>& GetStrips() const { return strips_; }
    const std::vector<GUI_PracticeProgress*>& GetCells() const { return cells_; }
    const std::vector<std::string>& GetToneFiles() const { return toneFiles_; }
    GUI_ButtonText* GetStartButton() const { return start_; }
    GUI_ButtonText* GetCancelButton() const { return cancel_; }
    GUI_ButtonText* GetContinueButton() const { return continue_; }
    bool IsCommitted() const { return committed_; }
    size_t EmittersStarted() const { return emitters_.Started(); }

    static GUI_WindowSlot<GUI_Practice> PTheWindow;

private:
    GUI_Practice();
    void Initialise();
    void LoadNotes(const std::string& section);
    void StartPlayback();
    void ProcessPlayback();
    void TriggerBeat();
    void Correct();
    void Failed();
    void StartPostMortem();
    void EndSession();
    void ResetNoteXPos();

    GTimer playback_;
    GTimer postMortem_;
    int tempoShown_ = 0;
    float beatLength_ = 0.0f;
    int beatCount_ = 0;
    GUI_ButtonText* cancel_ = nullptr;
    GUI_ButtonText* continue_ = nullptr;
    GUI_ButtonText* start_ = nullptr;
    GUI_PracticeMelody* melody_ = nullptr;
    std::vector<GUI_PracticePitchStrip*> strips_;
    std::vector<GUI_PracticeProgress*> cells_;
    LibColor colours_[5];
    tagRECT pitchArea_ {};
    int state_ = INTRO;
    V2 nextNote_;
    std::string title_, text_, bpmLabel_;
    std::string stateText_[5];
    int melodyId_ = 0;
    int endId_ = 0;
    std::vector<std::string> toneFiles_;
    std::string melodiesSection_;
    int streak_ = 0;
    bool committed_ = false;
    bool closing_ = false;
    GUI_MiniGameEmitters emitters_;
};
