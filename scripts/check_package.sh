#!/usr/bin/env bash
# Proves the Debian package on a clean Debian 12 system:
#   1. builds the package (scripts/package.sh), unless one is given;
#   2. installs it with apt-get, and nothing else, into a fresh copy of a
#      minimal Debian 12 root (debootstrap --variant=minbase, made once and
#      kept in the cache folder together with the downloaded packages);
#   3. runs strumbly-cli --help and strumbly-cli check on the example songs;
#   4. starts strumbly offscreen for a few seconds;
#   5. asks xdg-mime and gio which program opens application/x-strumbly.
# Needs root (chroot and mounts) and the Debian archive.
#   scripts/check_package.sh [PACKAGE.deb]
# Environment: STRUMBLY_CHECK_CACHE (default /var/cache/strumbly-check),
#              STRUMBLY_MIRROR (default: this machine's Debian archive).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env=STRUMBLY_CHECK_CACHE,STRUMBLY_MIRROR "$0" "$@"; fi

root=${STRUMBLY_CHECK_CACHE:-/var/cache/strumbly-check}/root
# shellcheck source=scripts/clean_root.sh
. scripts/clean_root.sh

# --- 1. the package -----------------------------------------------------------
if [ $# -ge 1 ]; then
  deb=$(realpath "$1")
else
  step "Building the package"
  log=$(mktemp)
  scripts/package.sh | tee "$log"
  deb=$(realpath "$(tail -1 "$log")")
  rm -f "$log"
fi
[ -f "$deb" ] || fail "no package at $deb"
name=$(basename "$deb")

# --- 2. a clean root ----------------------------------------------------------
make_base_root
cleanup() { remove_root; }
trap cleanup EXIT
cleanup
copy_base_root
cp "$deb" "$root/tmp/$name"

step "apt-get install ./$name"
in_root apt-get update -q
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "./tmp/$name" </dev/null

# --- 3. the converter ---------------------------------------------------------
step "strumbly-cli"
help=$(in_root strumbly-cli --help) || fail "strumbly-cli --help"
[[ "$help" == "Usage: strumbly-cli"* ]] || fail "strumbly-cli --help printed: $help"
examples=$(in_root sh -c 'ls /usr/share/strumbly/examples/*.sly')
[ -n "$examples" ] || fail "no example songs installed"
# shellcheck disable=SC2086
in_root strumbly-cli check $examples || fail "strumbly-cli check on the example songs"
printf 'C, x, 3, 2, 0, 1, 0, Q\r\nG, 3, 2, 0, 0, 0\r\n' >"$root/tmp/bad.sly"
set +e; out=$(in_root strumbly-cli check /tmp/bad.sly); rc=$?; set -e
[ "$rc" -eq 1 ] && [[ "$out" == "/tmp/bad.sly: Line 2"* ]] || fail "check of a bad song gave $rc: $out"
echo "examples good; a bad line reported: $out"

# --- 4. the program -----------------------------------------------------------
step "strumbly, offscreen, for 5 seconds"
# A chord line only the installed dictionary has shows that the program found
# the installed data rather than the copy compiled into it.
dictionary=$root/usr/share/strumbly/dictionary/CHORDS.DCT
marker="Installed copy, x, 3, 2, 0, 1, 0, Q"
[ -f "$dictionary" ] && printf '%s\r\n' "$marker" >>"$dictionary"
user_env=(HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_DATA_HOME=/tmp/home/.local/share
  XDG_RUNTIME_DIR=/tmp/runtime)
in_root sh -c 'mkdir -p /tmp/home /tmp/runtime && chmod 700 /tmp/runtime'
set +e
in_root env "${user_env[@]}" QT_QPA_PLATFORM=offscreen STRUMBLY_NO_SPLASH=1 \
  timeout -k 3 5 strumbly /usr/share/strumbly/examples/twelve-bar-blues.sly >"$root/tmp/strumbly.log" 2>&1
rc=$?
set -e
cat "$root/tmp/strumbly.log"
# 124: still running when the time was up, which is what a started program does.
[ "$rc" -eq 124 ] || fail "strumbly ended with status $rc within 5 seconds"
if [ -f "$dictionary" ]; then
  grep -q "^Installed copy," "$root/tmp/home/.local/share/Strumbly/CHORDS.DCT" 2>/dev/null \
    || fail "the user's chord dictionary was not made from $dictionary"
  echo "the user's chord dictionary was made from the installed one"
fi

# --- 5. the file type ---------------------------------------------------------
step "Who opens application/x-strumbly"
# The package itself needs none of these; a desktop has them, and their
# triggers build the MIME and desktop databases from the package's files.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  xdg-utils desktop-file-utils shared-mime-info libglib2.0-bin </dev/null >/dev/null
cp "$root/usr/share/strumbly/examples/twelve-bar-blues.sly" "$root/tmp/song.sly"
check_home() {
  local home=$1 default gio_default type
  local env=(HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share")
  default=$(in_root env "${env[@]}" xdg-mime query default application/x-strumbly)
  gio_default=$(in_root env "${env[@]}" gio mime application/x-strumbly)
  gio_default=${gio_default%%$'\n'*}
  type=$(in_root env "${env[@]}" gio info -a standard::content-type /tmp/song.sly | awk '/content-type:/ {print $2}')
  echo "$home: xdg-mime: $default; gio: $gio_default; song.sly is $type"
  [ "$default" = strumbly.desktop ] || fail "xdg-mime names '$default' for $home"
  [[ "$gio_default" == *strumbly.desktop* ]] || fail "gio names '$gio_default' for $home"
  [ "$type" = application/x-strumbly ] || fail "song.sly is '$type' for $home"
}
in_root mkdir -p /tmp/fresh-home
check_home /tmp/fresh-home      # the system-wide entry alone
check_home /tmp/home            # after the program ran, with what it wrote for its user

step "Installed"
dpkg-deb --field "$deb" Package Version Depends
echo "PASSED: $name installs on a clean Debian 12 root and runs."
