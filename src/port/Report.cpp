#include "port/Report.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct Installed {
    ReportSink* sink = nullptr;
    bool interactive = false;
};

Installed& Current()
{
    static Installed installed;
    return installed;
}

bool EnvSet(const char* name)
{
    const char* v = std::getenv(name);
    return v && *v;
}

} // namespace

int LogReportSink::ShowAlert(const AlertRequest& alert)
{
    std::fprintf(stderr, "[alert] %s: %s\n", alert.title.c_str(), alert.message.c_str());
    int count = alert.buttons.empty() ? 1 : int(alert.buttons.size());
    if (alert.defaultButton < 0 || alert.defaultButton >= count)
        return 0;
    return alert.defaultButton;
}

bool IsNonInteractive()
{
    if (EnvSet("CI") || EnvSet("AMP_NONINTERACTIVE"))
        return true;
    return !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY");
}

void SetReportSink(ReportSink* sink, bool interactive)
{
    Current() = Installed {sink, interactive};
}

int ShowAlert(const AlertRequest& alert)
{
    Installed& cur = Current();
    if (cur.sink && !(cur.interactive && IsNonInteractive()))
        return cur.sink->ShowAlert(alert);
    static LogReportSink logSink;
    return logSink.ShowAlert(alert);
}
