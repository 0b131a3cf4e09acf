#!/usr/bin/env bash
# Plays a short song in the real program on a virtual X display, with the
# built-in synthesizer writing what a user would hear into a WAV file, and
# checks that the chords start at the right times.
#   scripts/headless_play.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target strumbly >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
export STRUMBLY_NO_SPLASH=1 STRUMBLY_AUDIO_FILE="$work/played.wav"
unset QT_QPA_PLATFORM

# Tempo 120: eighth-note chords (250 ms) with quarter rests (500 ms) between,
# so the chords start 750 ms apart.
cat > "$work/song.txt" <<'SONG'
A, x, 0, 2, 2, 2, 0, E
Rest, x, x, x, x, x, x, Q
D, x, x, 0, 2, 3, 2, E
Rest, x, x, x, x, x, x, Q
E, 0, 2, 2, 1, 0, 0, E
Rest, x, x, x, x, x, x, Q
A, x, 0, 2, 2, 2, 0, E
SONG

xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$build/strumbly" "$work/song.txt" <<'SESSION'
set -euo pipefail
program=$1 song=$2
openbox >/dev/null 2>&1 &
sleep 1
"$program" >/dev/null 2>&1 &
pid=$!
# The welcome window of a first run: answer No.
# Windows come and go while the program starts: look until one is there.
find_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}
welcome=$(find_window '^Welcome')
xdotool windowactivate --sync "$welcome" key Escape
main=$(find_window '^Strumbly$')
xdotool windowactivate --sync "$main"
sleep 0.5
# Into the editor, then the song line by line.
xdotool mousemove --window "$main" 400 350 click 1
while IFS= read -r line; do
  xdotool type --delay 2 "$line"
  xdotool key Return
done < "$song"
xdotool key F2
sleep 4.5
xdotool windowactivate --sync "$main" key alt+F4
# The typed song is unsaved: answer No to saving it.
warning=$(find_window '^Warning')
xdotool windowactivate --sync "$warning" key alt+n
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not close" >&2
  kill "$pid"
  exit 1
fi
SESSION

[ -n "${KEEP_AUDIO:-}" ] && cp "$work/played.wav" "$KEEP_AUDIO"
python3 scripts/check_audio_onsets.py "$work/played.wav" 0 750 1500 2250
