#!/usr/bin/env bash
# Builds the Debian package in a release build (build-pakke/, or KV_BUILD)
# and checks it: lintian, desktop-file-validate and appstreamcli validate.
#   scripts/pakke.sh        # prints the checks' results and the package's path
set -euo pipefail
KV_BUILD=${KV_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build-pakke}
KV_BUILD_TYPE=${KV_BUILD_TYPE:-Release}
# shellcheck source=scripts/common.sh
source "$(dirname "$0")/common.sh"
kv_install_packages
cmake -S "$KV_ROOT" -B "$KV_BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$KV_BUILD_TYPE" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$KV_BUILD" -j "$(nproc)" --target kvistlund programfolder appikon manualside aendringslog
rm -f "$KV_BUILD"/kvistlund_*.deb
(cd "$KV_BUILD" && cpack -G DEB >/dev/null)
debs=("$KV_BUILD"/kvistlund_*.deb)
deb=${debs[0]}

status=0
echo "== desktop-file-validate"
desktop-file-validate "$KV_ROOT/dist/dk.kvistlund.Kvistlund.desktop" || status=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$KV_ROOT/dist/dk.kvistlund.Kvistlund.metainfo.xml" || status=1
echo "== lintian"
lintian --fail-on error "$deb" || status=1
echo "== $deb: $(dpkg-deb -f "$deb" Installed-Size) KiB installed"
exit $status
