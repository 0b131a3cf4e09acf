# Shared by scripts/check_package.sh and scripts/check_fresh.sh (sourced, not
# run): a minimal Debian 12 root made once with debootstrap --variant=minbase
# and kept in the cache folder with the downloaded packages, and fresh copies
# of it to work in.
# Environment: STRUMBLY_CHECK_CACHE (default /var/cache/strumbly-check),
#              STRUMBLY_MIRROR (default: this machine's Debian archive).
# Callers set root (the copy to work in) before calling the functions.

cache=${STRUMBLY_CHECK_CACHE:-/var/cache/strumbly-check}
suite=bookworm
base=$cache/$suite-minbase
archives=$cache/archives
step() { printf '\n== %s\n' "$*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

# Makes $base unless it is there already.
make_base_root() {
  mkdir -p "$cache" "$archives/partial"
  [ -d "$base" ] && return 0
  step "Making a minimal Debian 12 root (once; kept in $base)"
  command -v debootstrap >/dev/null || {
    env DEBIAN_FRONTEND=noninteractive apt-get update
    env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
  }
  local mirror=${STRUMBLY_MIRROR:-}
  if [ -z "$mirror" ]; then
    # This machine's Debian archive: a one-line source or a deb822 stanza.
    mirror=$({ grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list || true; } \
      | sed -E 's/\[[^]]*\] *//' | awk -v s="$suite" '$3 == s && !m {m = $2} END {print m}')
  fi
  if [ -z "$mirror" ]; then
    mirror=$({ cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } \
      | awk -v s="$suite" '/^URIs:/ {u = $2} /^Suites:/ {for (i = 2; i <= NF; i++) if ($i == s && !m) m = u} END {print m}')
  fi
  [ -n "$mirror" ] || fail "no Debian archive found in /etc/apt; set STRUMBLY_MIRROR"
  rm -rf "$base.tmp"
  debootstrap --variant=minbase "$suite" "$base.tmp" "$mirror"
  mv "$base.tmp" "$base"
}

# Unmounts what is mounted in $root and removes it. Extra mount points inside
# the root (relative paths) may be given to unmount first.
remove_root() {
  local m mounted=0
  for m in "$@" var/cache/apt/archives dev/pts dev proc; do
    if mountpoint -q "$root/$m"; then
      umount "$root/$m" || umount -l "$root/$m" || mounted=1
    fi
  done
  # Never delete through a mount: /dev is this machine's own.
  if [ "$mounted" -eq 0 ]; then
    rm -rf --one-file-system "$root"
  else
    echo "$root is left in place: something is still mounted in it" >&2
  fi
}

# Copies $base to $root and mounts what apt and programs need in it.
copy_base_root() {
  step "Copying the clean root to $root"
  cp -a "$base" "$root"
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount --bind "$archives" "$root/var/cache/apt/archives"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  # On a Debian 12 machine the root uses the same archive, updates included.
  if grep -q "VERSION_CODENAME=$suite" /etc/os-release 2>/dev/null; then
    [ -f /etc/apt/sources.list ] && cp /etc/apt/sources.list "$root/etc/apt/sources.list"
    cp -r /etc/apt/sources.list.d/. "$root/etc/apt/sources.list.d/"
  fi
  # Downloaded packages stay in the cache for the next run.
  rm -f "$root/etc/apt/apt.conf.d/docker-clean"
}

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
