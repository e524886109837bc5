#ifndef APPIDENTITY_H
#define APPIDENTITY_H

#include <QIcon>
#include <QString>

// Who the running program is to the system: the organization and application names (which fix the
// per-user data folders), the desktop's application id (the menu entry, the icons and the AppStream
// data are named after it, and desktops match the window to its entry by it), and the window icon.
namespace AppIdentity {

// "example.velora_audio.Velora": the product's domain, velora-audio.example, reversed.
QString applicationId();
// The logo at every size the desktop is given, from the compiled-in pictures.
QIcon windowIcon();
// Sets all of the above, and the program's names, on the GUI application.
void apply();

} // namespace AppIdentity

#endif // APPIDENTITY_H
