#!/usr/bin/env bash
# Installs what is missing, builds, installs the program folder into ~/Kvistlund/Program and starts Kvistlund.
source "$(dirname "$0")/scripts/common.sh"
kv_install_packages
kv_build
cmake --install "$KV_BUILD" --component programfolder --prefix "$HOME/Kvistlund/Program" >/dev/null
exec "$KV_BUILD/kvistlund" "$@"
