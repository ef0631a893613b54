#pragma once
// The gig-booking window: the gigs the band can book, six to a page.
// Minimal: replaced when this class's rules are built.
#include <cstdint>

class GUI_BookGig {
public:
    static void Create();
    static void Close(intptr_t);
};
