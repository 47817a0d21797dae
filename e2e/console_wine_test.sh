#!/usr/bin/env bash
# The Windows programs under wine in a terminal, as an author on Windows meets
# them. wine started in a terminal gives a program a console of its own with
# a keyboard, exactly as a double-click in Explorer does; `wine64 cmd /c`
# makes it share cmd's console, as a shell does. tmux is the terminal: the
# test reads the screen with capture-pane and answers with send-keys.
#
# Usage: console_wine_test.sh CASEGEN_EXE RINGSCORE_EXE (with WINEPREFIX set)
set -euo pipefail
casegen=$1
ringscore=$2
wine=/usr/lib/wine/wine64
prompt='press Enter to close this window'

if ! command -v tmux >/dev/null; then
  echo "console_wine_test: needs tmux (apt-get install tmux)" >&2
  exit 1
fi

work=$(mktemp -d)
tmux=(tmux -S "$work/tmux.sock" -f /dev/null)
trap '"${tmux[@]}" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
"${tmux[@]}" new-session -d -s idle -x 160 -y 40 'sleep 3600'
# A pane stays after its program ends, so a failed row can show its screen.
"${tmux[@]}" set-option -g remain-on-exit on >/dev/null

screen() { "${tmux[@]}" capture-pane -p -t "$1"; }
shows() { [[ "$(screen "$1")" == *"$2"* ]]; }
ended() { [ -s "$work/$1/status" ]; }

# Polls up to a minute for a check to hold.
within_a_minute() {
  local tries
  for ((tries = 0; tries < 600; tries++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

failed=0
fail() {
  echo "FAIL $1: $2" >&2
  echo "--- its screen:" >&2
  screen "$1" | grep -v '^$' >&2 || true
  failed=1
}

# A working folder for one row, with the program copied in as an author does.
folder() {
  local dir="$work/$1" i
  mkdir -p "$dir"
  case $2 in
    ring-*)
      mkdir "$dir/inputs" "$dir/outputs"
      for i in 1 2 3 4 5; do printf '2\r\nR0G0B0\r\nR1\r\n' >"$dir/inputs/input0$i.txt"; done
      if [ "$2" = ring-missing-3 ]; then rm "$dir/inputs/input03.txt"; fi
      cp "$ringscore" "$dir/ringscore.exe"
      ;;
    records-*)
      if [ "$2" = records-ok ]; then mkdir "$dir/inputs"; fi
      cp "$casegen" "$dir/casegen.exe"
      ;;
  esac
}

# row NAME LAYOUT PROGRAM LAUNCHER STATUS [REPORT]
#   LAUNCHER is "alone" (wine in the terminal: a console of its own) or "cmd"
#   (cmd /c in the terminal: cmd's console, shared).
#   REPORT, when given, is what the run must show while it waits for Enter;
#   without it the run must end by itself.
row() {
  local name=$1 layout=$2 program=$3 launcher=$4 status=$5 report=${6:-}
  local start="$wine $program"
  [ "$launcher" = cmd ] && start="$wine cmd /c $program"
  folder "$name" "$layout"
  # The pause lets the new terminal settle first, as a real one has before
  # anyone double-clicks: wine's console redraws the screen when it does.
  "${tmux[@]}" new-session -d -s "$name" -x 160 -y 40 \
    "sleep 1; cd '$work/$name' && env WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all $start;
     echo \$? >'$work/$name/status'"

  if [ -n "$report" ]; then
    if ! within_a_minute shows "$name" "$prompt"; then
      fail "$name" "no prompt to press Enter"
      return
    fi
    sleep 2  # time enough for a run that does not wait to end
    if ended "$name"; then
      fail "$name" "ended without waiting for Enter"
      return
    fi
    if ! shows "$name" "$report"; then
      fail "$name" "the report is not on screen: $report"
      return
    fi
    "${tmux[@]}" send-keys -t "$name" Enter
  fi
  # A waiting run would not end for minutes. Its screen is not read after
  # the end: wine redraws it as the program exits.
  if ! within_a_minute ended "$name"; then
    fail "$name" "did not end"
    return
  fi
  if [ "$(cat "$work/$name/status")" != "$status" ]; then
    fail "$name" "exit status $(cat "$work/$name/status"), expected $status"
    return
  fi
  echo "ok $name"
}

row ringscore-alone-fails ring-missing-3 ringscore.exe alone 1 \
  'ringscore: inputs\input03.txt: cannot open for reading'
row casegen-alone-fails records-no-folder casegen.exe alone 1 \
  'casegen: inputs\input05.txt: cannot open for writing'
row ringscore-alone-clean ring-ok ringscore.exe alone 0
row casegen-alone-clean records-ok casegen.exe alone 0
row ringscore-in-cmd-fails ring-missing-3 ringscore.exe cmd 1
row casegen-in-cmd-fails records-no-folder casegen.exe cmd 1
exit "$failed"
