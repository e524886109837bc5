#include "windowstart.h"

#include "app/windowmain.h"

// On Windows the window is linked into the program itself.
int WindowStart::run(int argc, char *argv[])
{
    return WindowMain::run(argc, argv);
}
