#!/usr/bin/env bash
# tests/wine/wine-session.sh: a private Xvfb display and Wine prefix for the tests that run
# Windows programs, so no test touches the user's own Wine or screen.
#   wine-session.sh STATE_DIR start      start Xvfb and create the prefix
#   wine-session.sh STATE_DIR run CMD..  run a Windows program (or a helper) in that session
#   wine-session.sh STATE_DIR stop       stop every Wine process of the prefix, then Xvfb
set -euo pipefail

state=$1
action=$2
shift 2
loader=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64

use_session() {
    export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    DISPLAY=":$(cat "$state/display")"
    export DISPLAY
}

start() {
    stop_quietly
    mkdir -p "$state"
    # -displayfd picks a free display number and writes it once the server accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$state/display" >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        sleep 0.1
    done
    [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    use_session
    "$loader" wineboot --init >/dev/null 2>&1
    # A virtual desktop: Wine draws the frames and manages minimising itself, as no window
    # manager runs on this display.
    "$loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        >/dev/null 2>&1
    "$server" -w
}

stop_quietly() {
    if [ -d "$state/prefix" ]; then
        WINEPREFIX="$state/prefix" "$server" -k 2>/dev/null || true
    fi
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
}

case "$action" in
    start) start ;;
    stop) stop_quietly ;;
    run)
        use_session
        if [[ "$1" == *.exe ]]; then
            exec "$loader" "$@"
        fi
        exec "$@"
        ;;
    *) echo "usage: $0 STATE_DIR start|run CMD...|stop" >&2; exit 64 ;;
esac
