#!/usr/bin/env bash
# wine-run.sh <wine prefix> [<program.exe> [arguments...]]
# Runs a 64-bit Windows program headless under wine64 in the given prefix, creating the prefix on
# first use (without a program, only creates it). The prefix gets the null display driver (windows exist, nothing is drawn, no X server
# needed) and no just-in-time debugger, so that a crashing test program ends instead of waiting
# for a debugger that nobody will drive. With VELORA_WINE_DRIVER=x11 the prefix gets wine's X11
# driver instead and the program draws on $DISPLAY (Xvfb): windows that must be seen, OpenGL.
# Wine's own messages are off; VELORA_WINEDEBUG=+seh,+loaddll (any WINEDEBUG value) turns some on,
# e.g. to find the module a crash is in.
set -u
prefix=$1
shift
wine=/usr/lib/wine/wine64
export WINEPREFIX="$prefix" WINEDEBUG=${VELORA_WINEDEBUG:--all} WINEARCH=win64
# No Mono or Gecko install prompts, no menu entries written into the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
driver=${VELORA_WINE_DRIVER:-null}
[ "$driver" = null ] && unset DISPLAY
unset WAYLAND_DISPLAY

if [ ! -f "$prefix/.velora-ready" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/.velora-ready" ]; then
    "$wine" wineboot --init >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d 'no-debugger.exe' /f >/dev/null 2>&1
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Auto /d 1 /f >/dev/null 2>&1
    # The desktop process started by wineboot keeps the driver it found; restart it with the null one.
    /usr/lib/wine/wineserver -k >/dev/null 2>&1
    touch "$prefix/.velora-ready"
  fi
  exec 9>&-
fi
[ $# -eq 0 ] && exit 0
exec "$wine" "$@"
