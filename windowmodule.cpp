// The window as a module of its own, so that a command loads none of the GUI libraries it needs.
#include "app/windowmain.h"

#include <QtGlobal>

// The one name the program looks up in the module.
extern "C" Q_DECL_EXPORT int velora_window_main(int argc, char *argv[]);

int velora_window_main(int argc, char *argv[])
{
    return WindowMain::run(argc, argv);
}
