#pragma once
// Stop alerts (fatal errors, assertion reports, error messages) go through one sink, so a
// test or a CI run never waits on a dialog.
#include <string>
#include <vector>

// One alert: title, text, button labels and the button chosen when nobody can answer.
struct AlertRequest {
    std::string title;
    std::string message;
    std::vector<std::string> buttons; // empty means a single "OK"
    int defaultButton = 0;
};

// Where alerts go. The production sink shows a message box; the others log or record.
class ReportSink {
public:
    virtual ~ReportSink() = default;
    // Returns the index of the button pressed.
    virtual int ShowAlert(const AlertRequest& alert) = 0;
};

// Logs the alert to standard error and answers with its default button at once.
class LogReportSink : public ReportSink {
public:
    int ShowAlert(const AlertRequest& alert) override;
};

// Shows the alert through the installed sink. Until the shell installs an interactive
// sink, and always when IsNonInteractive() holds, alerts go to a LogReportSink.
int ShowAlert(const AlertRequest& alert);

// Installs a sink; nullptr restores the logging one. The caller keeps ownership. An
// interactive sink is ignored while IsNonInteractive() holds.
void SetReportSink(ReportSink* sink, bool interactive = false);

// True under CI (environment variable CI set), with no display, or when
// AMP_NONINTERACTIVE is set: nothing may ever block then.
bool IsNonInteractive();
