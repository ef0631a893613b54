#pragma once
// The quotations shown on the daily-options screen, read from "data/simulation/quotes.csv".
#include <list>
#include <memory>
#include <string>

class SIM_Quote {
public:
    static constexpr const char* File = "data/simulation/quotes.csv";

    SIM_Quote(std::string artist, std::string band, std::string quote);
    SIM_Quote(const SIM_Quote&) = delete;
    SIM_Quote& operator=(const SIM_Quote&) = delete;
    virtual ~SIM_Quote() = default;

    const std::string& GetArtist() const { return artist_; }
    const std::string& GetBand() const { return band_; }
    const std::string& GetQuote() const { return quote_; }

    // Appends every row of the file to All (a file that cannot be read adds nothing).
    static void Load();
    // Deletes every quote.
    static void Close();
    // A random quote, loading the file first when none is loaded; null (and a note in the
    // debug log) when there are no quotes at all. Not owned by the caller.
    static const SIM_Quote* GetRandomQuote();
    // Takes a shown quote out of the draw and deletes it, so it is not shown again until
    // every quote has been retired and the file is read afresh. The quote must be one that
    // GetRandomQuote handed out; anything else is left alone and false is returned.
    static bool Retire(const SIM_Quote* quote);

    // Every quote in file order; the class owns them.
    static std::list<std::unique_ptr<SIM_Quote>> All;

private:
    std::string artist_;
    std::string band_;
    std::string quote_;
};
