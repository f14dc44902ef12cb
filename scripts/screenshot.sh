#!/usr/bin/env bash
# Starts Kvistlund under Xvfb and saves a picture of the screen:
#   scripts/screenshot.sh out.png [seconds] [program arguments...]
set -euo pipefail
out=${1:-/tmp/kvistlund.png}
wait=${2:-3}
build=${KV_BUILD:-$(dirname "$0")/../build}
xvfb-run -a -s "-screen 0 1400x1000x24" bash -c "
  '$build/kvistlund' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid"
echo "$out"
