#include "shell/GUI_Backdrop.h"

GUI_Backdrop* GUI_GetBackdrop()
{
    static GUI_Backdrop* backdrop = new GUI_Backdrop;
    return backdrop;
}
