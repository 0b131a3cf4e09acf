#!/usr/bin/env bash
# Builds a Release version of Strumbly and makes the Debian package
#   build-package/strumbly_<version>_<arch>.deb
# then checks the desktop entry, the AppStream data and the package (lintian).
# The last line printed is the package's path.
#   scripts/package.sh [BUILD_DIR]     (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

# The packaging tools come on top of what the everyday build and tests need.
scripts/setup.sh dpkg-dev scdoc librsvg2-bin gzip lintian

# Dates written into generated files (the manual pages) come from the last
# commit, so that the same sources make the same package.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH

# Debian's compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DSTRUMBLY_TESTS=OFF -DSTRUMBLY_BENCH=OFF -DSTRUMBLY_PACKAGING=ON >/dev/null
nice -n 19 cmake --build "$build" -j 2
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/strumbly_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "no package was made in $build" >&2; exit 1; }

# `cmake --install` and the package carry the same files.
stage=$PWD/$build/stage
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" >/dev/null
if ! diff <(cd "$stage" && find . -mindepth 1 | sort) \
          <(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's,/$,,' | sort); then
  echo "the package and cmake --install differ (< install, > package)" >&2
  exit 1
fi

desktop-file-validate "$stage/usr/share/applications/strumbly.desktop"
# The AppStream data together with the desktop entry and icons it refers to.
appstreamcli validate-tree --no-net "$stage" >/dev/null
# Errors fail the build; warnings are printed for the packager to read.
lintian --fail-on error --allow-root "$deb"

dpkg-deb --field "$deb" Package Version Architecture Depends
echo "$deb"
