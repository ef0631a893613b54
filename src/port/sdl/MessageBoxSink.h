#pragma once
// The production alert: a message box of the platform. Tests and CI never see it, since
// the report layer answers alerts itself while the run is non-interactive.
#include "port/Report.h"

class MessageBoxSink : public ReportSink {
public:
    int ShowAlert(const AlertRequest& alert) override;
};

// Installs the message-box sink as the interactive sink of the report layer.
void InstallMessageBoxSink();
