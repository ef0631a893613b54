#pragma once
// A texture held by file name, resolved to the renderer's texture on use and again after
// the display was rebuilt. Every live one is on All.
#include <string>
#include <vector>

class SmartTexture {
public:
    SmartTexture();
    explicit SmartTexture(const std::string& name);
    SmartTexture(const SmartTexture& other);
    SmartTexture& operator=(const SmartTexture& other) = default;
    virtual ~SmartTexture();

    // Assigns the name and resolves it.
    void SetTexture(const std::string& name);
    // Resolves the name again (GL name 0 for an empty name).
    void Rebuild();
    // Binds its texture, or turns texturing off when it has none.
    void Set();
    const std::string& GetName() const { return name; }
    unsigned GetGLName() const { return glName; }
    static void RebuildAll();

    std::string name;
    unsigned glName = 0;
    static std::vector<SmartTexture*> All;
};
