# Sourced by the scripts: the project root, the packages we need, and Wine.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
PACKAGES=(cmake ninja-build python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 wine32:i386 fonts-wine fonts-liberation xvfb xdotool imagemagick nasm dosbox)

# Installs whichever of the packages are missing.
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # wine32, which runs the 32-bit build, comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The Wine environment every script runs programs in.
wine_env() {
  export WINEPREFIX="$BUILD/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LC_ALL=C.UTF-8
  export WINEARCH=win64
}

# Makes the private Wine prefix once.
ensure_prefix() {
  wine_env
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || true
    # No window manager runs in Xvfb: windows Wine lets no manager handle
    # show and hide at once instead of waiting for one.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
  install_wine_fonts
}

# Wine does not load its own fonts (fonts-wine) from where Debian puts them;
# copied into the prefix, MS Sans Serif and Courier get their real metrics.
# Arial is found as Liberation Sans (fonts-liberation), which has its
# metrics.
install_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/* "$fonts/"
}

# Starts a private X server; sets XVFB_PID and DISPLAY.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# Stops the given processes, skipping empty ids, and waits for those that are
# children of this shell. Never fails, so an EXIT trap keeps the script's
# own exit status.
# Ends the prefix's Wine server and every Wine process attached to it: a
# server that is merely killed leaves Wine's device services running on
# their own, each polling for a server that is gone.
stop_wine_server() {
  [ -n "$1" ] || return 0
  wineserver -k 2>/dev/null || true
  stop_processes "$1"
}

stop_processes() {
  local pid
  for pid in "$@"; do
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}
