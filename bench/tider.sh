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
# PEER_BEST and OURS_BEST. A script that defines `peer2_run` (and `peer3_run`)
# too gets more peers timed in the same rounds, in PEER2_BEST (PEER3_BEST).
alternate() {
  PEER_BEST=9e9
  PEER2_BEST=9e9
  PEER3_BEST=9e9
  OURS_BEST=9e9
  local r
  for r in $(seq "$1"); do
    best_of PEER_BEST peer_run "$r"
    best_of OURS_BEST ours_run "$r"
    if declare -F peer2_run >/dev/null; then best_of PEER2_BEST peer2_run "$r"; fi
    if declare -F peer3_run >/dev/null; then best_of PEER3_BEST peer3_run "$r"; fi
  done
}

# best_of VARIABLE COMMAND...: runs it after a sync and keeps the lower of
# its seconds and the variable's.
best_of() {
  local var=$1 t; shift
  sync
  t=$("$@")
  printf -v "$var" '%s' "$(awk -v a="${!var}" -v b="$t" 'BEGIN { print (b < a ? b : a) }')"
}

report() {  # name ours peer
  awk -v n="$1" -v o="$2" -v p="$3" 'BEGIN { printf "%s: ours %.4f s, peer %.4f s, ratio %.2f\n", n, o, p, o / p }'
}
