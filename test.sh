#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
source "$(dirname "$0")/scripts/common.sh"
kv_install_packages
kv_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$KV_BUILD" --output-on-failure -j "$(nproc)" "$@"
