#!/usr/bin/env bash
# Proves the README's two commands on a clean Debian 12 system:
#   1. clones the repository (its committed HEAD) into a fresh copy of the
#      minimal Debian 12 root that scripts/check_package.sh uses
#      (debootstrap --variant=minbase, made once and kept in the cache folder);
#   2. runs scripts/run.sh there: it must install what is missing, build, and
#      keep the program up offscreen for a few seconds; then it is ended;
#   3. runs scripts/test.sh there: it must pass.
# Needs root (chroot and mounts) and the Debian archive. The build and the
# tests start from nothing, so a run takes a long time.
#   scripts/check_fresh.sh
# Environment: STRUMBLY_CHECK_CACHE (default /var/cache/strumbly-check),
#              STRUMBLY_MIRROR (default: this machine's Debian archive),
#              STRUMBLY_CHECK_UP (seconds the program must stay up, default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=STRUMBLY_CHECK_CACHE,STRUMBLY_MIRROR,STRUMBLY_CHECK_UP "$0" "$@"
fi

root=${STRUMBLY_CHECK_CACHE:-/var/cache/strumbly-check}/fresh-root
# shellcheck source=scripts/clean_root.sh
. scripts/clean_root.sh
up_seconds=${STRUMBLY_CHECK_UP:-5}
started=$SECONDS
elapsed() { printf '%dm%02ds' $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)); }

commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain --untracked-files=no)" ] \
  || echo "Note: uncommitted changes are not part of the check; it uses $commit" >&2

make_base_root
run_pid=
cleanup() {
  if [ -n "$run_pid" ] && kill -0 "$run_pid" 2>/dev/null; then
    kill -KILL "$run_pid" 2>/dev/null || true
  fi
  remove_root
}
trap cleanup EXIT
cleanup
copy_base_root

step "Cloning $commit"
work=/work/strumbly
git clone -q --no-checkout --no-hardlinks "$PWD" "$root$work"
git -C "$root$work" -c advice.detachedHead=false checkout -q --detach "$commit"
# The program and the tests get a home of their own, as a new user would.
in_root sh -c 'mkdir -p /tmp/home /tmp/runtime && chmod 700 /tmp/runtime'
user_env=(HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_DATA_HOME=/tmp/home/.local/share
  XDG_STATE_HOME=/tmp/home/.local/state XDG_CACHE_HOME=/tmp/home/.cache XDG_RUNTIME_DIR=/tmp/runtime)
in_work() { in_root env "${user_env[@]}" sh -c 'cd "$0" && exec "$@"' "$work" "$@"; }

# --- 2. scripts/run.sh ----------------------------------------------------------
step "scripts/run.sh (offscreen; it must stay up for $up_seconds seconds)"
log=$root/tmp/run.log
in_work env QT_QPA_PLATFORM=offscreen STRUMBLY_NO_SPLASH=1 scripts/run.sh </dev/null >"$log" 2>&1 &
run_pid=$!
program=$root$work/build/strumbly
# run.sh ends by exec-ing the program. The background job is a subshell
# around chroot, so the program is found by its executable, not by $!.
program_pid() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" = "$program" ] && { echo "${p#/proc/}"; return 0; }
  done
  return 1
}
prog_pid=
while kill -0 "$run_pid" 2>/dev/null && ! prog_pid=$(program_pid); do
  sleep 1
done
if [ -z "$prog_pid" ]; then
  set +e; wait "$run_pid"; rc=$?; set -e
  tail -n 60 "$log"
  fail "scripts/run.sh ended with status $rc before the program started ($(elapsed))"
fi
echo "strumbly started after $(elapsed)"
sleep "$up_seconds"
if ! kill -0 "$prog_pid" 2>/dev/null; then
  set +e; wait "$run_pid"; rc=$?; set -e
  tail -n 60 "$log"
  fail "strumbly ended with status $rc within $up_seconds seconds"
fi
kill -TERM "$prog_pid"
for _ in $(seq 1 10); do kill -0 "$prog_pid" 2>/dev/null || break; sleep 1; done
if kill -0 "$prog_pid" 2>/dev/null; then
  kill -KILL "$prog_pid"
  fail "strumbly did not end within 10 seconds of SIGTERM"
fi
set +e; wait "$run_pid"; rc=$?; set -e
run_pid=
tail -n 5 "$log"
echo "strumbly was up for $up_seconds seconds and ended on SIGTERM with status $rc ($(elapsed))"

# --- 3. scripts/test.sh ---------------------------------------------------------
step "scripts/test.sh"
test_started=$SECONDS
set +e
in_work scripts/test.sh </dev/null 2>&1 | tee "$root/tmp/test.log"
rc=${PIPESTATUS[0]}
set -e
[ "$rc" -eq 0 ] || fail "scripts/test.sh ended with status $rc after $((SECONDS - test_started)) seconds ($(elapsed) in all)"
echo "scripts/test.sh passed in $((SECONDS - test_started)) seconds"
echo "PASSED: scripts/run.sh and scripts/test.sh work on a clean Debian 12 root ($(elapsed))."
