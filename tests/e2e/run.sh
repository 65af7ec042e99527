#!/usr/bin/env bash
# Starts the built reader under a virtual X server with a fresh configuration
# folder and drives it with real key presses, taking a picture of each step.
# Usage: run.sh QBXREAD SCREENSHOT_TOOL SAMPLE.qbx LOCALE SHOT_FOLDER
set -euo pipefail
reader=$1 camera=$2 sample=$3 locale=$4 shots=$5

home=$(mktemp -d)
app="" xvfb="" wm=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
fail() {
  echo "FAIL ($locale): $*" >&2
  "$camera" "$shots/failure.png" || true
  exit 1
}
step() { echo "-- $*"; }

# A display number nobody else uses: ours holds its lock file.
for n in $(seq 90 140); do
  [ -e /tmp/.X$n-lock ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$home/xvfb.log" 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  break
done
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || fail "the X server did not start"
# A window manager, as on a desktop: it activates the window that gets the focus,
# which Qt needs before its shortcuts work.
openbox --sm-disable >"$home/wm.log" 2>&1 &
wm=$!
sleep 1

export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
export XDG_RUNTIME_DIR="$home/run" LANG="$locale" LC_ALL="$locale" LANGUAGE="" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$shots" && chmod 700 "$XDG_RUNTIME_DIR"
config="$XDG_CONFIG_HOME/quirebox"

# A picture of the active window, or of the whole screen when none is active.
shot() { "$camera" "$shots/$1.png" $(xdotool getactivewindow 2>/dev/null || true); }
# The program's visible windows, one id per line.
# The program's top-level windows: those the window manager manages (they have
# WM_STATE); windows inside them, like read-book mode's text column, are not counted.
windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    xprop -id "$w" WM_STATE 2>/dev/null | grep -q "window state" && echo "$w"
  done
  return 0
}
# Waits until the program shows N visible windows.
wait_windows() {
  for _ in $(seq 100); do
    [ "$(windows | wc -l)" -eq "$1" ] && return 0
    sleep 0.1
  done
  fail "expected $1 windows, saw $(windows | wc -l) while $2"
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

cp "$sample" "$home/sample.qbx"
step "the sample opens from the command line"
"$reader" "$home/sample.qbx" >"$home/reader.log" 2>&1 &
app=$!
# The splash comes and goes first, and the main window's native window may be
# made again while it sets up: it counts once it carries the document's name
# and has kept its id for a second.
main_window() { xdotool search --onlyvisible --pid "$app" --name "sample\.qbx" 2>/dev/null | head -1 || true; }
main="" stable=0
for _ in $(seq 300); do
  now=$(main_window)
  if [ -n "$now" ] && [ "$now" = "$main" ]; then stable=$((stable + 1)); else stable=0; fi
  main=$now
  [ "$stable" -ge 10 ] && break
  sleep 0.1
done
[ "$stable" -ge 10 ] || fail "no main window with the document's name"
wait_windows 1 "waiting for the splash to close"
# Qt may give the main window a new native window (after a modal window, for
# one), so it is looked up by its name each time.
activate_main() {
  main=$(main_window)
  [ -n "$main" ] || fail "the main window is gone"
  xdotool windowactivate --sync "$main"
  sleep 0.3
}
activate_main
title=$(xdotool getwindowname "$main")
case "$title" in *"$home/sample.qbx"*) ;; *) fail "window title '$title' lacks the path" ;; esac
case "$locale" in
  zh_CN*) [[ "$title" == *阅读器* ]] || fail "the Chinese title is '$title'" ;;
  *) [[ "$title" == *Viewer* ]] || fail "the English title is '$title'" ;;
esac
shot 1-main-window

step "a click in the tree and arrow keys open an article"
xdotool mousemove --window "$main" 60 200 click 1
sleep 0.3
for k in Home Down Right Down; do key "$k"; done  # "Reading notes", opened, its first article
shot 2-article

step "F9 shows read-book mode, its Close button (Alt+C) returns"
key F9
wait_windows 2 "entering read-book mode"
# The pointer near the right edge (not on the scroll bar) pauses the scrolling;
# it reaches the read-book window through the windows of the text column.
xdotool mousemove 1240 400
sleep 0.3
key Prior  # back to the first line, just below the control bar
shot 3-read-book
sleep 0.5
shot 3-read-book-paused
cmp -s "$shots/3-read-book.png" "$shots/3-read-book-paused.png" || fail "the text moved while the pointer was at the right edge"
xdotool mousemove 600 700  # back to the left, low down: it scrolls again, fast
sleep 0.5
shot 3-read-book-moving
cmp -s "$shots/3-read-book.png" "$shots/3-read-book-moving.png" && fail "the text stayed still after the pointer came back"
key alt+c
wait_windows 1 "leaving read-book mode"

step "Ctrl+F opens the find dialog, Escape closes it"
activate_main
key ctrl+f
wait_windows 2 "opening the find dialog"
xdotool type --delay 50 "moon"
key Return
shot 4-find
key Escape
wait_windows 1 "closing the find dialog"

step "a web page article shows in the web view"
activate_main
for k in Down Down; do key "$k"; done
sleep 2
shot 5-web-page

step "a protected article asks for its password and opens"
key Down
wait_windows 2 "asking for the password"
xdotool type --delay 50 "quire"
key Return
wait_windows 1 "after the password"
sleep 0.5
shot 6-protected-article

step "the search page finds a full-text hit"
activate_main
key ctrl+Tab  # from the tree to the search page
# The search page keeps the design's fixed places: the search box, then the mode track bar below it.
xdotool mousemove --window "$main" 120 122 click 1
key End  # full-text search
xdotool mousemove --window "$main" 60 97 click 1
xdotool type --delay 50 "moon"
key Return
sleep 1
# A click on the list's empty part gives it the focus in either language's layout;
# Home then makes the first hit current, which opens it as a click on it would.
xdotool mousemove --window "$main" 60 300 click 1
sleep 0.3
shot 7-search-hits
key Home
sleep 0.5
shot 7-search-results
cmp -s "$shots/7-search-hits.png" "$shots/7-search-results.png" && fail "the first hit did not open"
results=$(windows | wc -l)
[ "$results" -eq 1 ] || fail "the search left a window open"

step "Alt+N opens the options, Escape cancels them"
activate_main
key alt+n
wait_windows 2 "opening the options"
shot 8-options
key Escape
wait_windows 1 "closing the options"

step "Ctrl+O opens another document through the file dialog"
cp "$sample" "$home/second.qbx"
activate_main
key ctrl+o
wait_windows 2 "opening the file dialog"
sleep 0.5
xdotool type --delay 20 "$home/second.qbx"
shot 9-file-dialog
key Return
wait_windows 1 "closing the file dialog"
# From here on the main window carries the second document's name.
main_window() { xdotool search --onlyvisible --pid "$app" --name "second\.qbx" 2>/dev/null | head -1 || true; }
for _ in $(seq 50); do
  [ -n "$(main_window)" ] && break
  sleep 0.1
done
[ -n "$(main_window)" ] || fail "the second document did not open"

step "Alt+F4 closes the program and its settings are kept"
activate_main
key alt+F4
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Alt+F4 did not close the program"
wait "$app" || fail "the program ended with status $?"
app=""
ini="$config/qbx.ini"
[ -f "$ini" ] || fail "no $ini"
grep -q "NearFile=$home/second.qbx" "$ini" || fail "qbx.ini lacks NearFile: $(cat "$ini")"
grep -q "^Width=" "$ini" && grep -q "^Left=" "$ini" || fail "qbx.ini lacks the window placement"
[ ! -e "$config/qbxeng.ini" ] || fail "the English language file was left behind"
echo "passed ($locale); pictures in $shots"
