# Sourced by the scripts: the project root, the packages we need, and Wine.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
PACKAGES=(cmake ninja-build python3 googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine wine64 fonts-wine fonts-liberation xvfb xdotool imagemagick nasm dosbox)
# 32-bit Wine, which runs the i686 build; installed only where it can run.
PACKAGES_32=(wine32:i386)
# Runs a 64-bit Windows program. Debian's `wine` picks the 32-bit loader
# whenever wine32 is installed, which fails where 32-bit programs cannot run.
WINE64=/usr/lib/wine/wine64
# Where apt-get's own output goes; a failed install prints its end.
PACKAGE_LOG="$BUILD/packages.log"

# Whether the kernel runs 32-bit x86 programs ("yes" or "no"): some machines
# run 64-bit code only, and there every 32-bit program fails with "Exec
# format error". The test is the 32-bit Wine loader where wine32 is
# installed, else a 93-byte i386 program that only exits (ELF header, one
# program header, then xor ebx,ebx; mov eax,1; int 0x80).
probe_32bit_programs() {
  if [ -e /usr/lib/wine/wine ]; then
    /usr/lib/wine/wine --version >/dev/null 2>&1 && echo yes || echo no
    return
  fi
  local probe
  probe=$(mktemp)
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
  printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0\61\333\270\1\0\0\0\315\200' >>"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null && echo yes || echo no
  rm -f "$probe"
}

# Asked once for a whole script run: the scripts a script starts inherit it.
[ -n "${ZH_RUNS_32BIT:-}" ] || ZH_RUNS_32BIT=$(probe_32bit_programs)
export ZH_RUNS_32BIT
runs_32bit_programs() { [ "$ZH_RUNS_32BIT" = yes ]; }

# Installs whichever of the packages are missing, wine32 only where 32-bit
# programs run, and says in one line what it did.
ensure_packages() {
  local wanted=("${PACKAGES[@]}") missing=() p
  runs_32bit_programs && wanted+=("${PACKAGES_32[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  mkdir -p "$BUILD"
  : >"$PACKAGE_LOG"
  if [[ " ${missing[*]} " == *:i386\ * ]]; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  local index how
  index=$(update_package_index)
  how=$(install_packages "${missing[@]}") || {
    tail -n 30 "$PACKAGE_LOG" >&2
    echo "Packages: $index; the install failed (apt-get's output is in $PACKAGE_LOG)." >&2
    return 1
  }
  echo "Packages: $index; $how."
}

# Brings the package index up to date, trying three times: an index that is
# out of step with its mirror ("Mirror sync in progress?") often mends within
# seconds. When it does not, the indexes at hand are used. Prints what
# happened.
update_package_index() {
  local try
  for try in 1 2 3; do
    if apt-get update -q >>"$PACKAGE_LOG" 2>&1; then
      echo "index updated$([ "$try" -gt 1 ] && echo " at try $try")"
      return 0
    fi
    [ "$try" -lt 3 ] && sleep $((try * 5))
  done
  echo "index update failed three times, so the indexes at hand were used"
}

# Installs the packages at their newest versions; where that cannot be
# resolved (a security index missing for one architecture leaves the other
# at versions without a twin), installs at the release's own versions, both
# architectures alike, in one transaction. Prints which.
install_packages() {
  local release
  if apt-get install -y -q --no-install-recommends "$@" >>"$PACKAGE_LOG" 2>&1; then
    echo "installed at their newest versions"
    return 0
  fi
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt-get install -y -q --no-install-recommends -t "$release" "$@" >>"$PACKAGE_LOG" 2>&1 || return 1
  echo "installed at $release's own versions, since the newest could not be resolved"
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
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    # No window manager runs in Xvfb: windows Wine lets no manager handle
    # show and hide at once instead of waiting for one.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
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

# Starts a private X server, its screen XVFB_SCREEN (1024x768x24 unless
# set); sets XVFB_PID and DISPLAY.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# Wine reads the screen's DPI from the user's desktop settings when a
# program starts. set_dpi N sets it; reset_dpi takes back a setting made by
# set_dpi, to the prefix's default that the tests run at.
DESKTOP_KEY='HKCU\Control Panel\Desktop'
DPI_SET=
set_dpi() {
  DPI_SET=yes
  "$WINE64" reg add "$DESKTOP_KEY" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
reset_dpi() {
  [ -z "$DPI_SET" ] || "$WINE64" reg delete "$DESKTOP_KEY" /v LogPixels /f >/dev/null 2>&1 || true
  DPI_SET=
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
