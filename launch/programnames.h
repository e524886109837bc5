#ifndef PROGRAMNAMES_H
#define PROGRAMNAMES_H

// The organization and application names, which fix the per-user data folders (setting.ini, the log,
// the takes) for the window and for every command alike.
namespace ProgramNames {
void apply();
} // namespace ProgramNames

#endif // PROGRAMNAMES_H
