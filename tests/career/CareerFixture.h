#pragma once
// A new game with the shipped data (see BandTest) and helpers for the career tables: a
// small element table of the test's own, and songs whose fit with each element is given
// rather than drawn.
#include "career/SIM_Song.h"
#include "career/SIM_SongElement.h"
#include "sim/BandFixture.h"
#include "sim/SIM_Fame.h"

#include <initializer_list>
#include <string>

class CareerTest : public BandTest {
protected:
    struct Fit {
        const char* element;
        float suitability;
        int left;
        int right;
    };

    // Writes a table of these rows (each without its marker cell) under a heading line.
    void WriteTable(const char* file, std::initializer_list<const char*> rows)
    {
        std::string text = "Columns: marker, name, ...\n";
        for (const char* row : rows)
            text += std::string("#,") + row + "\n";
        resources.Write(file, text);
    }
    // Replaces the element table with these rows.
    void UseElements(std::initializer_list<const char*> rows)
    {
        WriteTable(SIM_SongElement::File, rows);
        SIM_SongElement::Open();
    }

    // A live song with the given fit and inspiration and no element placed.
    static SIM_Song* SongWith(std::initializer_list<Fit> fits, float inspiration = 1.0f)
    {
        auto* song = new SIM_Song;
        song->SetInitialInspiration(inspiration);
        for (const Fit& f : fits)
            song->AddElementSuitability({f.element, f.suitability, f.left, f.right});
        return song;
    }

    static SIM_SongElement* Element(const char* name) { return SIM_SongElement::GetByName(name); }

    // Moves the band's fame to the value through an effect that never fades.
    static void SetFame(float fame)
    {
        SIM_GetFame()->AddEffect(fame - SIM_GetFame()->GetFame(), 1.0f, "test");
        SIM_GetFame()->CalculateValue();
    }
};
