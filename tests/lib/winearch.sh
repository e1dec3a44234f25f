#!/usr/bin/env bash
# tests/lib/winearch.sh: the one place that decides how the Windows programs run on this machine.
# i686 under wine32 where the machine executes 32-bit code (some kernels here refuse it); elsewhere the same
# sources built for x86-64 (the win64 preset, never shipped) under wine64 in a win64 prefix.
# BEAMSET_WINE_ARCH=i686|x86_64 forces either. Sourced: wine_arch_select. Run: prints the architecture.

_wa_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Whether this machine runs 32-bit code, asked of the wine32 loader itself: cheap and exact.
wine_arch_probe() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

wine_arch_name() { echo "${BEAMSET_WINE_ARCH:-$(wine_arch_probe)}"; }

# The build tree whose programs run under the given architecture.
wine_arch_build_dir() {
  case "$1" in
    i686) echo "${BEAMSET_WIN32_BUILD_DIR:-$_wa_root/build/win32}" ;;
    x86_64) echo "${BEAMSET_WIN64_BUILD_DIR:-$_wa_root/build/win64}" ;;
  esac
}

# Chooses the architecture once per process: exports BEAMSET_WINE_ARCH and BEAMSET_WINE_BUILD, puts a `wine`
# for it first on PATH, and says which it is. Fails, saying why, where that architecture cannot run.
wine_arch_select() {
  [ -z "${_wa_selected:-}" ] || return 0
  local arch why loader name out
  arch=$(wine_arch_name)
  if [ -n "${BEAMSET_WINE_WHY:-}" ]; then why=$BEAMSET_WINE_WHY  # chosen by the script that started us
  elif [ -n "${BEAMSET_WINE_ARCH:-}" ]; then why="forced by BEAMSET_WINE_ARCH"
  elif [ "$arch" = i686 ]; then why="this machine runs 32-bit code"
  else why="this machine runs no 32-bit code"; fi
  case "$arch" in
    i686) loader=/usr/lib/wine/wine name=wine32 ;;
    x86_64)
      loader=/usr/lib/wine/wine64 name=wine64
      export WINEARCH=win64 WINELOADER=$loader
      PATH="$_wa_root/tests/lib/wine64:$PATH"
      ;;
    *) echo "BEAMSET_WINE_ARCH is '$arch'; it must be i686 or x86_64" >&2; return 1 ;;
  esac
  if ! out=$("$loader" --version 2>&1); then
    echo "cannot run $arch Windows programs here: $loader --version failed: $out" >&2
    [ "$arch" = i686 ] && echo "(a machine that runs no 32-bit code: unset BEAMSET_WINE_ARCH to use x86_64)" >&2
    return 1
  fi
  BEAMSET_WINE_BUILD=$(wine_arch_build_dir "$arch")
  export BEAMSET_WINE_ARCH=$arch BEAMSET_WINE_BUILD BEAMSET_WINE_WHY=$why PATH
  _wa_selected=1
  echo "Windows programs: $arch under $name, $out ($why)"
}

# wine_arch_need FILE...: each file of the chosen build tree exists, or the run fails saying how to build it.
wine_arch_need() {
  local f missing=""
  for f in "$@"; do [ -f "$BEAMSET_WINE_BUILD/$f" ] || missing+=" $f"; done
  [ -z "$missing" ] && return 0
  local preset=win32
  [ "$BEAMSET_WINE_ARCH" = x86_64 ] && preset=win64
  echo "missing from $BEAMSET_WINE_BUILD:$missing; build the $preset preset (make test builds what it needs)" >&2
  return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then wine_arch_name; fi
