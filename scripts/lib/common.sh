# Shared by the build and test scripts: package installation and the build folders.
# shellcheck shell=bash

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export VELMORA_ROOT
VELMORA_JOBS="${VELMORA_JOBS:-$(nproc 2>/dev/null || echo 2)}"

# Installs the Debian packages that are not installed yet; does nothing when all are there.
require_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  # The package lists may be missing or old on a new machine: update them once. A download
  # can fail for a moment and another apt may hold the lock on a machine that has just
  # started, so an install that fails is tried again, after a pause and a new update.
  local apt=(apt-get -o DPkg::Lock::Timeout=300)
  if [ ! -f /tmp/.velmora-apt-updated ]; then
    $sudo "${apt[@]}" update -qq && touch /tmp/.velmora-apt-updated
  fi
  local attempt
  for attempt in 1 2 3; do
    if DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq "${missing[@]}" >/dev/null; then
      return 0
    fi
    [ "$attempt" -eq 3 ] && break
    echo "installing failed (attempt $attempt); trying again"
    sleep $((attempt * 15))
    $sudo "${apt[@]}" update -qq || true
  done
  echo "could not install: ${missing[*]}"
  return 1
}

# Configures (once) and builds a CMake tree: build_tree DIR [cmake options...]
build_tree() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  fi
  cmake --build "$dir" -j "$VELMORA_JOBS"
}

# Configures and builds the asset generator (build/assets/assets/generator/velmora_assets).
# An existing tree is configured again so that the generator's option is on in it.
build_asset_generator() {
  local dir="$VELMORA_ROOT/build/assets"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_ASSET_TOOLS=ON >/dev/null
  else
    cmake -S "$VELMORA_ROOT" -B "$dir" -DVELMORA_ASSET_TOOLS=ON >/dev/null
  fi
  cmake --build "$dir" -j "$VELMORA_JOBS" --target velmora_assets
}

# A Wine prefix of our own, made once per folder.
prepare_wine_prefix() {
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# Without a window manager Wine waits two seconds for each hidden window to be withdrawn;
# unmanaged windows need no such wait. For WINEPREFIX.
unmanaged_wine_windows() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
}
