#!/usr/bin/env bash
# Installs the Debian 12 packages Strumbly needs to build, run and test.
# Safe to run again: when everything is present it only checks and returns.
#   scripts/setup.sh [MORE_PACKAGES...]    (scripts/package.sh adds its tools)
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build pkg-config ccache clang-format
  # fuzzing: clang, and its runtimes (libFuzzer, AddressSanitizer), which it
  # only recommends
  clang libclang-rt-dev
  # program
  qt6-base-dev qt6-base-dev-tools libfluidsynth-dev libsndfile1-dev librtmidi-dev fluid-soundfont-gm timgm6mb-soundfont
  qt6-gtk-platformtheme  # a GTK desktop's theme and colours, dark ones too, reach Qt
  # opening songs from the file manager: the MIME and desktop-entry caches, gio to check them
  shared-mime-info desktop-file-utils libglib2.0-bin
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # headless runs and screenshots
  xvfb xauth openbox xdotool imagemagick fonts-dejavu-core fonts-liberation2 poppler-utils
  # checks of the desktop entry, the file type and the AppStream data
  desktop-file-utils shared-mime-info appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
