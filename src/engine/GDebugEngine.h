#pragma once
// The debug log, "debugdata/debug.txt" in the per-user folder (an installed game's own
// folder is not writable), and the debug flags.
#include <cstdio>
#include <string>
#include <vector>

// Writes one line per message, flushed at once, so the log is whole up to a crash.
class GDebugEngine {
public:
    virtual ~GDebugEngine();
    // Opens the log; the previous run's log is kept as "debug.old.txt" beside it.
    virtual void Initialise();
    virtual void DebugOut(const char* text);
    void DebugOut(const std::string& text) { DebugOut(text.c_str()); }
    virtual void Shutdown();
    virtual void ResetFile();
    void SetFlag(const char* name);
    bool IsSet(const char* name) const;
    void SetDebugHeap(bool) {}
    bool IsOpen() const { return log_ != nullptr; }

private:
    void Open();
    std::string path_; // the file opened at Initialise, so a reset reopens the same one
    std::vector<std::string> flags_;
    FILE* log_ = nullptr;
};

GDebugEngine* GetDebug();

// Where Initialise opens the log: "<user folder>/debugdata/debug.txt".
std::string GetDebugLogPath();
// Where Initialise keeps the previous run's log.
std::string GetPreviousDebugLogPath();

// printf-style convenience over GetDebug()->DebugOut.
void DebugOutF(const char* format, ...) __attribute__((format(printf, 1, 2)));
