#pragma once
// A framed window with a drop shadow, a title, an optional close button and a client
// area inside its margins. Every dialog registers itself as an ordinary window.
#include "engine/gfx/BaseSprite.h"
#include "port/Rect.h"
#include "shell/GUI_WindowBase.h"

#include <memory>
#include <string>

class GUI_CloseButton;

class GUI_Dialog : public GUI_WindowBase {
public:
    explicit GUI_Dialog(bool withCloseButton);
    ~GUI_Dialog() override;

    void Draw() override;
    bool IsDialog() override { return true; }
    virtual void UpdateClientArea();

    void SetTitle(const std::string& title) { title_ = title.substr(0, 1023); }
    const std::string& GetTitle() const { return title_; }
    const tagRECT& GetClientArea() const { return clientArea_; }
    GUI_CloseButton* GetCloseButton() const { return closeButton_; }

protected:
    float marginH_ = 10.0f;
    float marginTop_ = 35.0f;
    float marginBottom_ = 10.0f;

private:
    GUI_CloseButton* closeButton_ = nullptr; // owned through the button list
    std::string title_;
    std::unique_ptr<BaseSprite> sprite_;
    tagRECT clientArea_ {};
};
