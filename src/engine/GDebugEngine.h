#pragma once
// The debug log ".\debugdata\debug.txt" and the debug flags.
#include <cstdio>
#include <string>
#include <vector>

// Writes one line per message, flushed at once, so the log is whole up to a crash.
class GDebugEngine {
public:
    virtual ~GDebugEngine();
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
    std::vector<std::string> flags_;
    FILE* log_ = nullptr;
};

GDebugEngine* GetDebug();

// printf-style convenience over GetDebug()->DebugOut.
void DebugOutF(const char* format, ...) __attribute__((format(printf, 1, 2)));
