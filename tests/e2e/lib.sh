# Shared steps of the end-to-end tests: a real X server (Xvfb) with a small
# window manager, the real program, and xdotool typing as a person would.
# Usage from a test: source lib.sh; e2e_start PROGRAM ARTIFACT_DIR; ...

set -euo pipefail

E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [[ -n "${ARTIFACTS:-}" ]] && screenshot "failure" || true
    exit 1
}

# e2e_start_x ARTIFACT_DIR: an X server and the window manager. E2E_SCREEN
# sets the screen's size and depth (default 1280x900x24).
e2e_start_x() {
    ARTIFACTS=$1
    mkdir -p "$ARTIFACTS"
    local display
    for display in $(seq 90 140); do
        [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
        Xvfb ":$display" -screen 0 "${E2E_SCREEN:-1280x900x24}" -nolisten tcp >/dev/null 2>&1 &
        local server=$!
        E2E_PIDS+=("$server")
        export DISPLAY=":$display"
        local i
        for i in $(seq 1 50); do
            kill -0 "$server" 2>/dev/null || break
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        # Only our own server counts: a display still held by a server that
        # is shutting down (the previous test's) answers once, then goes.
        if kill -0 "$server" 2>/dev/null && xdpyinfo >/dev/null 2>&1; then
            break
        fi
    done
    kill -0 "${E2E_PIDS[-1]}" 2>/dev/null && xdpyinfo >/dev/null 2>&1 ||
        fail "no X server could be started"
    openbox >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.5
    export QT_QPA_PLATFORM=xcb
}

# e2e_start_program PROGRAM: starts it and remembers its process id.
e2e_start_program() {
    "$1" >"$ARTIFACTS/program.log" 2>&1 &
    PROGRAM_PID=$!
    E2E_PIDS+=("$PROGRAM_PID")
}

# wait_window TITLE: the id of the visible window with exactly that title.
wait_window() {
    local title=$1 id i
    for i in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^${title//\//\\/}\$" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$title' appeared"
}

# wait_no_window TITLE
wait_no_window() {
    local i
    for i in $(seq 1 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$1' did not close"
}

focus_window() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
    sleep 0.2
}

# close_window ID: as the title bar's close button does (the window manager
# asks the program to close the window; xdotool's windowclose would destroy it).
close_window() {
    focus_window "$1"
    keys alt+F4
}

# close_all_windows: closes every visible window of the program, one by one.
close_all_windows() {
    local id i
    for i in $(seq 1 40); do
        id=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | head -n 1 || true)
        [[ -z "$id" ]] && return 0
        close_window "$id"
    done
    fail "windows were still open after 40 closes"
}

keys() {
    xdotool key --clearmodifiers --delay 60 "$@"
    sleep 0.2
}

type_text() {
    xdotool type --clearmodifiers --delay 40 "$1"
    sleep 0.1
}

# screenshot NAME: the whole screen as ARTIFACTS/NAME.png
screenshot() {
    import -window root "$ARTIFACTS/$1.png"
}

# screenshot_window ID NAME: one window (with its frame) as ARTIFACTS/NAME.png
screenshot_window() {
    import -window "$1" "$ARTIFACTS/$2.png"
}

# wait_exit SECONDS: the program must end by itself within that time.
wait_exit() {
    local i
    for i in $(seq 1 $(($1 * 10))); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || {
            wait "$PROGRAM_PID" || fail "the program exited with status $?"
            return 0
        }
        sleep 0.1
    done
    fail "the program did not exit within $1 s"
}
