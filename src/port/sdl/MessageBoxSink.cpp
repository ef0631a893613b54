#include "port/sdl/MessageBoxSink.h"

#include <SDL2/SDL.h>

#include <vector>

int MessageBoxSink::ShowAlert(const AlertRequest& alert)
{
    std::vector<std::string> labels = alert.buttons;
    if (labels.empty())
        labels.push_back("OK");
    int fallback = alert.defaultButton >= 0 && alert.defaultButton < int(labels.size())
                       ? alert.defaultButton : 0;
    std::vector<SDL_MessageBoxButtonData> buttons;
    for (size_t i = 0; i < labels.size(); ++i) {
        Uint32 flags = int(i) == fallback ? SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT : 0;
        buttons.push_back({flags, int(i), labels[i].c_str()});
    }
    SDL_MessageBoxData data {};
    data.flags = SDL_MESSAGEBOX_ERROR;
    data.title = alert.title.c_str();
    data.message = alert.message.c_str();
    data.numbuttons = int(buttons.size());
    data.buttons = buttons.data();
    int chosen = -1;
    if (SDL_ShowMessageBox(&data, &chosen) != 0 || chosen < 0) {
        LogReportSink log;
        return log.ShowAlert(alert);
    }
    return chosen;
}

void InstallMessageBoxSink()
{
    static MessageBoxSink sink;
    SetReportSink(&sink, true);
}
