#include "mainscreen/GUI_Date.h"

GUI_Date* GUI_GetDate()
{
    static GUI_Date* date = new GUI_Date;
    return date;
}
