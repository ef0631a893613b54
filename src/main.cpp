// Program entry. The application shell's WinMain takes over from here once it exists.
#include <cstdio>

int main()
{
    std::puts("Amplivance: the engine is built, but the game's screens are not built yet.");
    return 1;
}
