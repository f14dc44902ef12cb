# Timing helpers of the benchmark scripts (best of a few rounds), for those
# that need no build too.
# best_time ROUNDS COMMAND...: the fastest wall time in seconds.
best_time() {
  local rounds=$1; shift
  local best=""
  for _ in $(seq "$rounds"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    local t=$(( end - start ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

# timed COMMAND...: runs it and prints its wall time in seconds.
timed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  awk -v ns="$(( end - start ))" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

# alternate ROUNDS: runs `peer_run N` and `ours_run N` in turn, each printing
# its seconds, so both meet the file system in the same state; sets
# PEER_BEST and OURS_BEST.
alternate() {
  PEER_BEST=9e9
  OURS_BEST=9e9
  local t
  for r in $(seq "$1"); do
    sync
    t=$(peer_run "$r"); PEER_BEST=$(awk -v a="$PEER_BEST" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
    sync
    t=$(ours_run "$r"); OURS_BEST=$(awk -v a="$OURS_BEST" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
  done
}

report() {  # name ours peer
  awk -v n="$1" -v o="$2" -v p="$3" 'BEGIN { printf "%s: ours %.4f s, peer %.4f s, ratio %.2f\n", n, o, p, o / p }'
}
