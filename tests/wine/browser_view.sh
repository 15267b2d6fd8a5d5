#!/usr/bin/env bash
# tools/run.sh on a machine without an X display, as a person there uses
# it: it prints the noVNC address, headless Chromium opens it with its
# autoconnect parameters and shows the Wine desktop with Lumaro's tray icon
# (the picture is kept), everything listens on 127.0.0.1 only, and no one
# else gets in: not another user's X client, not a page of another origin,
# not a VNC client without the address's password; and no command line,
# which any local user reads, holds the X cookie or that password. When
# Lumaro exits, or on Ctrl+C (pressed twice, the second while run.sh cleans
# up), Lumaro is asked to close, everything run.sh started ends and nothing is
# left listening.
. "$(dirname "$0")/lib.sh"
. "$ROOT/tools/serve-display.sh"
make_template
mkdir -p "$ARTIFACTS"

TOOLS="$WORK/tools"
rm -rf "$TOOLS" "$WORK"/prefix-* "$WORK"/profile && mkdir -p "$TOOLS"
cp "$BUILD/tests/e2e_tool.exe" "$TOOLS/"
new_prefix run # seeded from the template; run.sh keeps it as it finds it
RUN_PID=
POLLER_PID=
teardown_run() {
    [ -n "$RUN_PID" ] && kill -TERM -- "-$RUN_PID" 2>/dev/null && wait "$RUN_PID" 2>/dev/null
    stop_poller
    true
}
trap teardown_run EXIT

# Another local user (nobody) reads every process's command line in a tight
# loop while run.sh starts and serves, and writes each one it has not seen
# yet to a file only we read. Which secrets to look for it never learns: we
# look for them in that file afterwards.
SECRETS="$WORK/secrets"
(umask 077 && : >"$SECRETS" && : >"$WORK/cmdlines")
POLLER='
import os
seen = set()
while True:
    for pid in os.listdir("/proc"):
        try:
            fd = os.open("/proc/" + pid + "/cmdline", os.O_RDONLY)
        except (OSError, ValueError):
            continue
        try:
            line = os.read(fd, 1 << 16)
        except OSError:
            line = b""
        os.close(fd)
        if line and line not in seen:
            seen.add(line)
            os.write(1, line.replace(b"\0", b" ") + b"\n")'
start_poller() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i /usr/bin/python3 -I -c "$POLLER" \
        </dev/null >"$WORK/cmdlines" 2>/dev/null &
    POLLER_PID=$!
}
stop_poller() {
    [ -n "$POLLER_PID" ] && kill "$POLLER_PID" 2>/dev/null && wait "$POLLER_PID" 2>/dev/null
    POLLER_PID=
}
# It saw our servers (so it reads root's processes), and none of what it saw
# holds a secret of either run.
poller_found_no_secret() {
    grep -q '^Xvfb .*-auth ' "$WORK/cmdlines" && grep -q '^x11vnc ' "$WORK/cmdlines" &&
        [ "$(grep -c . "$SECRETS")" = 4 ] && ! grep -qFf "$SECRETS" "$WORK/cmdlines"
}

# Starts run.sh as a terminal would: in a process group of its own (so that
# it can take Ctrl+C), without a display, on the seeded prefix.
start_run() { # label
    OUT="$WORK/run-$1.out"
    (umask 077 && : >"$OUT") # it prints the address with the password
    set -m
    env -u DISPLAY LUMARO_RUN_PREFIX="$WINEPREFIX" bash "$ROOT/tools/run.sh" >"$OUT" 2>&1 &
    RUN_PID=$!
    set +m
    wait_for 180 grep -q 'vnc\.html' "$OUT" || { tail -n 20 "$OUT" >&2; return 1; }
    VIEW_URL=$(grep -o 'http://127\.0\.0\.1:[0-9]*/vnc\.html?[^ ]*' "$OUT" | head -1)
    WEB_PORT=$(sed -n 's/.*noVNC on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$OUT" | head -1)
    export DISPLAY=$(sed -n 's/.*virtual display \(:[0-9]*\),.*/\1/p' "$OUT" | head -1)
    # Its servers, children of run.sh: as root we read the cookie file that
    # run.sh's Xvfb was given, to drive the desktop as run.sh's own do.
    SERVERS=$(pgrep -d ' ' -P "$RUN_PID" -x 'Xvfb|x11vnc|websockify')
    export XAUTHORITY=$(pgrep -a -P "$RUN_PID" -x Xvfb | sed -n 's/.* -auth \([^ ]*\).*/\1/p')
    [ -n "$VIEW_URL" ] && [ -n "$WEB_PORT" ] && [ -n "$DISPLAY" ] && [ -s "$XAUTHORITY" ] || return 1
    # This run's cookie as xauth writes it (hex), and its password.
    xauth -f "$XAUTHORITY" nlist | awk '{print $NF}' | sort -u >>"$SECRETS"
    printf '%s\n' "${VIEW_URL##*#password=}" >>"$SECRETS"
}
run_ended() { ! kill -0 "$RUN_PID" 2>/dev/null; }
run_status() { wait "$RUN_PID"; local status=$?; RUN_PID=; return $status; }
# Every socket listening on the port is on 127.0.0.1.
loopback_only() { # port
    local addresses
    addresses=$(ss -Hltn "sport = :$1" | awk '{print $4}')
    [ -n "$addresses" ] && ! grep -qv '^127\.0\.0\.1:' <<<"$addresses"
}
nothing_listens() { local port; for port; do port_listening "$port" && return 1; done; true; }
no_tcp_port_for() { # name of a child of run.sh
    local pid
    pid=$(pgrep -P "$RUN_PID" -x "$1") && ! ss -Hltnp | grep -q "pid=$pid,"
}
none_runs() { local pid; for pid; do kill -0 "$pid" 2>/dev/null && return 1; done; true; }
# Another local user's X client, without our cookie, is refused by the server.
x_refused_to_nobody() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XAUTHORITY HOME=/ \
        xdpyinfo -display "$DISPLAY" 2>&1 | grep -q 'Authorization required'
}
# Read from a file, so that no command line of ours holds it either.
secret_kept() {
    local secret=${VIEW_URL##*#password=}
    [[ "$VIEW_URL" == *"?"*"#password=$secret" ]] && [ ${#secret} = 8 ] || return 1
    ! grep -rqFf "$SECRETS" "$BUILD/../logs/serve"
}
probe() { /usr/bin/python3 "$HERE/desktop_probe.py" "$WEB_PORT" "$1" 2>&1; }
display_gone() { ! xdpyinfo -display "$1" >/dev/null 2>&1; }
# No Lumaro.exe (nor its wine) runs in the folder run.sh starts it from.
lumaro_gone() {
    local pid
    for pid in $(pgrep -f 'Lumaro\.exe'); do
        [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$BUILD/run/release" ] && return 1
    done
    return 0
}
# The tray icon's 16 x 16 pixels in a picture: more than the taskbar's colour.
icon_drawn_in() { # png
    local colours
    colours=$(convert "$1" -crop "16x16+$(($(icon_x) - 8))+750" +repage -format '%k' info: 2>/dev/null)
    [ "${colours:-0}" -gt 3 ]
}

start_poller
check "run.sh without a display prints the noVNC address" start_run exit
check "Lumaro's icon appears on its virtual display" wait_for 60 icons_are 1
check "noVNC's web server listens on 127.0.0.1 only" loopback_only "$WEB_PORT"
check "x11vnc listens on no TCP port" no_tcp_port_for x11vnc
check "another user's X client is refused by its display" x_refused_to_nobody
check "a WebSocket from another web page's origin is refused" \
    eval '[[ "$(probe http://127.0.0.1.example)" == "refused: HTTP/1.1 403"* ]]'
check "from the page's own, VNC asks for the password (no security type None)" \
    test "$(probe "http://127.0.0.1:$WEB_PORT")" = "security types: 2"
check "the password is in the address's fragment, in no log" secret_kept
import -window root "$WORK/display.png"
# Screenshots until the bottom right of the page (taskbar and tray icon)
# is the display's: the browser has connected and drawn the desktop.
shot() {
    /usr/bin/python3 "$HERE/browser_shot.py" - "$ARTIFACTS/browser-view.png" \
        "$WORK/profile" --match "$WORK/display.png" --region 300x20+724+748 --deadline 60 \
        <<<"$VIEW_URL" >"$WORK/shot.txt" 2>&1
}
check "headless Chromium on the noVNC page shows the Wine desktop's taskbar" shot
cat "$WORK/shot.txt" >&2
check "with Lumaro's tray icon in it" icon_drawn_in "$ARTIFACTS/browser-view.png"
DEVTOOLS_PORT=$(sed -n 's/^devtools-port=//p' "$WORK/shot.txt")
check "the browser's own DevTools port is closed after it" nothing_listens ${DEVTOOLS_PORT:-0}

choose_from_menu up return
check "choosing Exit ends run.sh" wait_for 30 run_ended
run_status
check "with Lumaro's exit code 0" test $? = 0
check "then nothing listens on the noVNC port" nothing_listens "$WEB_PORT"
check "and its virtual display and servers are gone" eval 'display_gone "$DISPLAY" && none_runs $SERVERS'

first_port=$WEB_PORT
check "run.sh serves the desktop again on the next run" start_run interrupt
wait_for 60 icons_are 1
check "Lumaro runs from the release unpacked from its zip" not lumaro_gone
# Both starts and the browser seen: the poller, a busy loop, stops before
# what has to end in time.
stop_poller
check "another user polling every command line saw neither run's cookie nor password" \
    poller_found_no_secret
log "(the poller saw $(grep -c . "$WORK/cmdlines") command lines, $(grep -c '^xauth ' "$WORK/cmdlines") of xauth)"
# Ctrl+C in its terminal, and again while it cleans up.
kill -INT -- "-$RUN_PID"
wait_for 10 grep -q 'Asking Lumaro to close' "$OUT"
kill -INT -- "-$RUN_PID"
check "Ctrl+C twice ends run.sh" wait_for 30 run_ended
run_status
check "with the status of an interrupt" test $? = 130
check "after Lumaro closed when asked" grep -q '^Lumaro closed\.' "$OUT"
check "and leaves nothing listening" nothing_listens $first_port "$WEB_PORT"
check "its display and servers gone" eval 'display_gone "$DISPLAY" && none_runs $SERVERS'
check "and no Lumaro running" lumaro_gone
rm -rf "$WORK/profile"
report
