#!/usr/bin/env bash
# The about window end to end, with real input from the X server (xdotool)
# into the program running under Wine on a virtual desktop of its own:
# open About from the menu, drag it, check that a transparent point inside
# its box belongs to the window beneath, take a picture of both windows,
# close it with "X", reopen it where it was, close the main window.
#   about_window_e2e.sh PROGRAM.exe window_probe.exe OUTPUT_FOLDER
# Uses WINEPREFIX and DISPLAY when set; otherwise makes its own and stops
# exactly what it started.
set -uo pipefail
program=$1 probe=$2 out=$3
mkdir -p "$out"
out=$(cd "$out" && pwd)

export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$out/wine}
main_caption='Converter AMR<->WAV'
about_caption='About'
desktop=about-e2e-$$  # a fresh desktop each run: nothing left from an earlier one

xvfb_pid='' own_wineserver='' launched=''
stop() {
  # The program, if still there, by its own process id (the probe looks it
  # up by its window, or we by the processes that came with our start).
  if [ -n "$launched" ]; then
    ask_quiet kill "$main_caption" >/dev/null 2>&1
    end_started_programs
  fi
  [ -n "$own_wineserver" ] && { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
}
trap stop EXIT

failures=0
check() {  # check WHAT CONDITION...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 160 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    break
  done
  [ -n "$xvfb_pid" ] || { echo "no free X display" >&2; exit 1; }
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1
fi
# Our own prefix gets a wineserver that stays while we work (so that each
# start is quick), once wineboot's own has gone; we stop it at the end.
if [ "$WINEPREFIX" = "$out/wine" ]; then
  wineserver -w
  own_wineserver=1
  wineserver -p
fi

# ask QUESTION...: the probe's answers, one a line. The probe runs inside
# the desktop, where the windows are, and writes its answers to a file.
answer="$out/probe-answer.txt"
ask_quiet() {
  rm -f "$answer"
  wine explorer /desktop="$desktop" "$probe" "$(winepath -w "$answer")" "$@" </dev/null >/dev/null 2>&1
  for _ in $(seq 50); do [ -f "$answer" ] && break; sleep 0.1; done
  [ -f "$answer" ] && tr -d '\r' <"$answer"  # written in text mode
}
ask() { ask_quiet "$@" || { echo "the probe did not answer: $*" >&2; return 1; }; }

# wait_for CAPTION VISIBLE: until the window's visibility is VISIBLE (1, 0,
# or "none" for gone), for 30 seconds at most; prints its rect.
wait_for() {
  local reply='' deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)); do
    reply=$(ask_quiet rect "$1")
    if [ "$2" = none ]; then
      [ "$reply" = none ] && return 0
    elif [ -n "$reply" ] && [ "$reply" != none ] && [ "${reply##* }" = "$2" ]; then
      echo "$reply"
      return 0
    fi
    sleep 0.5
  done
  echo "${reply:-no answer}"
  return 1
}

reaches() { wait_for "$@" >/dev/null; }  # reaches CAPTION VISIBLE

click() { xdotool mousemove "$1" "$2" sleep 0.2 click 1 sleep 0.3; }

open_about() {
  # Activate the main window by its caption bar, then the menu by keyboard:
  # F10 selects "Файл", Right moves to "Помощь", Down opens it on its first
  # item, About, and Return runs that.
  read -r l t r b v <<<"$main_rect"
  click $(((l + r) / 2)) $((t + 8))
  xdotool key F10 sleep 0.3 key Right sleep 0.3 key Down sleep 0.3 key Return sleep 0.5
}

# The program on a desktop of its own. Now and then Wine loses a desktop
# being made (the window never shows); then we end the program we started
# and try once more on a new desktop.
ours_before=$(pgrep -f -- "$program" | tr '\n' ' ')
launched=1
start_program() { wine explorer /desktop="$desktop",1024x768 "$program" </dev/null >/dev/null 2>&1 & }
end_started_programs() {
  local pid
  for pid in $(pgrep -f -- "$program"); do
    [[ " $ours_before " == *" $pid "* ]] || kill "$pid" 2>/dev/null
  done
}
start_program
if ! main_rect=$(wait_for "$main_caption" 1); then
  echo "the main window did not appear ($main_rect); starting the program again" >&2
  end_started_programs
  desktop=$desktop-again
  start_program
  main_rect=$(wait_for "$main_caption" 1) || {
    import -window root "$out/no-main-window.png"
    echo "the main window did not appear: $main_rect (screen: $out/no-main-window.png)" >&2
    end_started_programs
    exit 1
  }
fi
check "the about window is created hidden" test "$(ask rect "$about_caption" | awk '{print $5}')" = 0

open_about
about_rect=$(wait_for "$about_caption" 1)
check "About from the menu shows the about window" test $? -eq 0
read -r l t r b v <<<"$about_rect"
check "it is the picture's size (518 x 181)" test $((r - l)) -eq 518 -a $((b - t)) -eq 181
check "it is centred on the screen" test $(((1024 - (r - l)) / 2 - l)) -le 1 -a $(((1024 - (r - l)) / 2 - l)) -ge -1 \
  -a $(((768 - (b - t)) / 2 - t)) -le 1 -a $(((768 - (b - t)) / 2 - t)) -ge -1

# Drag by the bare surface, in steps, as a hand would.
read -r bx by <<<"$(ask bare "$about_caption")"
dx=-60 dy=50
xdotool mousemove "$bx" "$by" sleep 0.2 mousedown 1 sleep 0.2
for s in 1 2 3 4 5 6; do xdotool mousemove $((bx + dx * s / 6)) $((by + dy * s / 6)) sleep 0.1; done
xdotool mouseup 1 sleep 0.5
dragged=$(ask rect "$about_caption")
read -r l2 t2 r2 b2 v2 <<<"$dragged"
check "dragging moves it by the mouse's travel ($about_rect -> $dragged)" test $((l2 - l)) -eq $dx -a $((t2 - t)) -eq $dy

# A transparent point inside its box belongs to the main window beneath.
main_rect=$(ask rect "$main_caption")
read -r hx hy <<<"$(ask hole "$about_caption" "$main_caption")"
check "there is a transparent point of the about window over the main window" test -n "${hy:-}"
if [ -n "${hy:-}" ]; then
  check "the transparent point ($hx, $hy) belongs to the main window" test "$(ask at "$hx" "$hy")" = "$main_caption"
fi
check "a point of its picture belongs to the about window" test "$(ask at $((bx + dx)) $((by + dy)))" = "$about_caption"

# The picture of both windows, cropped to their union with a margin.
read -r ml mt mr mb mv <<<"$main_rect"
x0=$(( (ml < l2 ? ml : l2) - 10 )) y0=$(( (mt < t2 ? mt : t2) - 10 ))
x1=$(( (mr > r2 ? mr : r2) + 10 )) y1=$(( (mb > b2 ? mb : b2) + 10 ))
((x0 < 0)) && x0=0
((y0 < 0)) && y0=0
import -window root -crop $((x1 - x0))x$((y1 - y0))+$x0+$y0 +repage "$out/about-window.png"
check "a picture of both windows is saved ($out/about-window.png)" test -s "$out/about-window.png"

# "X" hides it; About shows it again where it was left.
click $((l2 + 485 + 9)) $((t2 + 10 + 9))
check "\"X\" hides the about window" reaches "$about_caption" 0
open_about
check "reopened, it is where it was dragged" test "$(wait_for "$about_caption" 1)" = "$dragged"

# Closing the main window ends everything.
main_rect=$(ask rect "$main_caption")
read -r l t r b v <<<"$main_rect"
click $(((l + r) / 2)) $((t + 8))
xdotool key alt+F4
check "closing the main window ends the program" reaches "$main_caption" none
check "... and the about window with it" test "$(ask rect "$about_caption")" = none

echo "$failures failed"
[ "$failures" -eq 0 ]
