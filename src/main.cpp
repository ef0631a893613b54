// Program entry: the application shell takes over.
#include "shell/WinMain.h"

int main(int argc, char** argv)
{
    return WinMain(argc, argv);
}
