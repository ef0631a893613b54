#pragma once
// The choices the player made on the new-game menu: the avatar and the band's name.
#include <string>

class SIM_GameConfig {
public:
    void SetAvatarTexture(const std::string& texture) { avatarTexture = texture; }
    void SetAvatarName(const std::string& name) { avatarName = name; }
    void SetBandName(const std::string& name) { bandName = name; }
    std::string GetAvatarTexture() const { return avatarTexture; }
    std::string GetAvatarName() const { return avatarName; }
    std::string GetBandName() const { return bandName; }

private:
    std::string avatarTexture;
    std::string avatarName;
    std::string bandName;
};

SIM_GameConfig* SIM_GetGameConfig();
