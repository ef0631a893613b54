#include "shell/GUI_Cursor.h"

#include "engine/gfx/D3DEngine.h"
#include "shell/Game.h"
#include "shell/Input.h"

GUI_Cursor* GUI_GetCursor()
{
    static GUI_Cursor cursor;
    return &cursor;
}

GUI_Cursor::GUI_Cursor()
{
    width = height = 38.0f;
}

void GUI_Cursor::Draw()
{
    if (GetD3DEngine()->GetIsWindowed())
        return;
    width = height = GetGame()->AdjustForScreenRes(38.0f);
    PlaceLocal(GetInput()->MouseX() + width / 2.0f, GetInput()->MouseY() + height / 2.0f);
    GetD3DEngine()->SetTexture("cursor.dds");
    BaseSprite::Draw();
}
