# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

KV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KV_BUILD=${KV_BUILD:-$KV_ROOT/build}

KV_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n
  libjpeg62-turbo-dev libjpeg-turbo-progs libasound2-dev
  libzip-dev libpoppler-qt6-dev libfontconfig-dev
  fonts-dejavu-core xvfb xauth
  tree rename xdg-utils shellcheck dash shared-mime-info
  qt6-svg-dev lintian desktop-file-utils appstream dbus
)

kv_install_packages() {
  local missing=()
  for p in "${KV_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installerer: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kv_build() {
  cmake -S "$KV_ROOT" -B "$KV_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=${KV_BUILD_TYPE:-RelWithDebInfo} >/dev/null
  cmake --build "$KV_BUILD" -j "$(nproc)"
}
