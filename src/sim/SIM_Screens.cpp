#include "sim/SIM_Screens.h"

#include "engine/GDebugEngine.h"
#include "port/Report.h"
#include "sim/SIM_Attribute.h"

#include <cstdio>

SIM_IndicatorView::~SIM_IndicatorView()
{
    if (attribute_)
        attribute_->SetIndicator(nullptr);
}

std::string SIM_AssertReportText(const char* file, int line, const std::string& version)
{
    return "Assertion failure:filename:" + std::string(file ? file : "") + ",linenum:" +
           std::to_string(line) + ",build:" + version;
}

AlertRequest SIM_AssertAlert()
{
    AlertRequest alert;
    alert.title = "Problem encountered";
    alert.message = "An error has occured in this game. It may be possible to ignore the problem "
                    "and continue playing. Before doing so, we ask that you click the email "
                    "button below which tells us about the problem";
    alert.buttons = {"Attempt to continue", "Email developer"};
    alert.defaultButton = 0;
    return alert;
}

void SIM_HeadlessScreens::ReportAssert(const char* file, int line)
{
    ShowAlert(SIM_AssertAlert());
    GetDebug()->DebugOut(SIM_AssertReportText(file, line, GetVersionString()));
}

void SIM_HeadlessScreens::ReportWarning(const char* text, const char* file, int line)
{
    char report[1024];
    std::snprintf(report, sizeof report, "%s:%s %d\n", text, file, line);
    GetDebug()->DebugOut(report);
}

void SIM_HeadlessScreens::ReportError(const char* text, const char* file, int line)
{
    char report[256];
    std::snprintf(report, sizeof report, "%s:%s %d", text, file, line);
    AlertRequest alert;
    alert.title = "Error";
    alert.message = report;
    ShowAlert(alert);
}

void SIM_HeadlessScreens::StartNewGame()
{
    endGameActive_ = false;
}

namespace {
SIM_Screens* installed = nullptr;
}

SIM_HeadlessScreens* SIM_GetHeadlessScreens()
{
    static SIM_HeadlessScreens* headless = new SIM_HeadlessScreens;
    return headless;
}

SIM_Screens* SIM_GetScreens()
{
    return installed ? installed : SIM_GetHeadlessScreens();
}

void SIM_SetScreens(SIM_Screens* screens)
{
    installed = screens;
}
