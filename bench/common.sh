# Shared by the benchmark scripts: build kv_bench unless KV_BUILD names a
# build folder, and time a shell command (best of a few rounds).
set -euo pipefail
BENCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${KV_BUILD:-}" ]; then
  # A release build of its own, beside the one the tests use.
  KV_BUILD=$BENCH_ROOT/build-bench
  source "$BENCH_ROOT/scripts/common.sh"
  kv_install_packages
  KV_BUILD_TYPE=Release kv_build >/dev/null
fi
cmake --build "$KV_BUILD" --target kv_bench >/dev/null
KV_BENCH="$KV_BUILD/bench/kv_bench"

source "$BENCH_ROOT/bench/tider.sh"
