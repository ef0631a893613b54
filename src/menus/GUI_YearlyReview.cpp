#include "menus/GUI_YearlyReview.h"

GUI_YearlyReview* GUI_GetYearlyReview()
{
    static GUI_YearlyReview* review = new GUI_YearlyReview;
    return review;
}
