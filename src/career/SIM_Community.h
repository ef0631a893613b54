#pragma once
// The community page: a handful of the player character's figures gathered as form
// variables for the player's page on the community service. No host is configured by
// default, nothing is ever sent, and no part of the game opens the page yet.
#include <string>

class SIM_Community {
public:
    // The form post's header and accepted type.
    static constexpr const char* ContentType = "Content-Type: application/x-www-form-urlencoded";
    static constexpr const char* Accept = "*/*";

    // With a game in progress: fills vars with the form variables and, when a host is
    // configured, opens the player's page in the web browser. Without a game: nothing.
    static void GeneratePage(std::string* vars);
    // Appends "&name=value", both URL-encoded.
    static void AddVariable(std::string* vars, const char* name, const char* value);
    // Prepares the form post; there is no transport, so nothing is sent.
    static void PostURL();

    // The community service's host, such as "https://community.example"; empty by default.
    static void SetHost(const std::string& host);
    static const std::string& GetHost();
    // "user_<id>.html" with the player's unique id.
    static std::string GetPageFileName();
    // The host, "/zelva/community/" and the page file name.
    static std::string GetPageAddress();
    // Letters, digits and "-_.~" as they are; a blank as "+"; every other byte as %XX.
    static std::string URLEncode(const std::string& text);
};
