# Sourced by run.sh and the browser test: serves an X display to a browser
# on this machine only. x11vnc shares the display over VNC on 127.0.0.1, and
# websockify serves Debian's noVNC page and bridges it to that VNC server,
# also on 127.0.0.1. Each runs in a process group of its own, so that
# stop_serving ends it and whatever it started.
#
#   serve_display :N LOGDIR   starts both; sets VNC_PORT, WEB_PORT, VIEW_URL
#   stop_serving              ends both and waits until their ports are closed
#   port_listening PORT       true while something listens on 127.0.0.1:PORT
NOVNC_WEB=/usr/share/novnc
VNC_PGID=
WEB_PGID=
VNC_PORT=
WEB_PORT=
VIEW_URL=

port_listening() { ss -Hltn "sport = :$1" 2>/dev/null | grep -q .; }

# A port nothing listens on, from the dynamic range.
free_port() {
    local port
    for _ in $(seq 200); do
        port=$((20000 + RANDOM % 40000))
        port_listening "$port" || { echo "$port"; return 0; }
    done
    return 1
}

# Polls with a deadline in seconds.
serve_wait() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -ge $deadline ] && return 1
        sleep 0.1
    done
}

serve_display() { # display logdir
    local display=$1 logs=$2
    mkdir -p "$logs"
    VNC_PORT=$(free_port) || return 1
    # setsid: the server leads a process group of its own (its pid is the
    # group's id), which stop_serving ends as a whole.
    setsid x11vnc -display "$display" -localhost -listen 127.0.0.1 -noipv6 -rfbport "$VNC_PORT" \
        -nopw -forever -shared -quiet </dev/null >"$logs/x11vnc.log" 2>&1 &
    VNC_PGID=$!
    serve_wait 20 port_listening "$VNC_PORT" || { stop_serving; return 1; }
    WEB_PORT=$(free_port) || { stop_serving; return 1; }
    setsid websockify --web="$NOVNC_WEB" "127.0.0.1:$WEB_PORT" "127.0.0.1:$VNC_PORT" \
        </dev/null >"$logs/websockify.log" 2>&1 &
    WEB_PGID=$!
    serve_wait 20 port_listening "$WEB_PORT" || { stop_serving; return 1; }
    VIEW_URL="http://127.0.0.1:$WEB_PORT/vnc.html?autoconnect=1&host=127.0.0.1&port=$WEB_PORT&path=websockify&resize=off&reconnect=1"
}

stop_serving() {
    local pgid
    for pgid in $WEB_PGID $VNC_PGID; do
        kill -TERM -- "-$pgid" 2>/dev/null
    done
    for pgid in $WEB_PGID $VNC_PGID; do
        serve_wait 5 not_group_alive "$pgid" || kill -KILL -- "-$pgid" 2>/dev/null
        wait "$pgid" 2>/dev/null
    done
    [ -n "$WEB_PORT" ] && serve_wait 5 not_port_listening "$WEB_PORT"
    [ -n "$VNC_PORT" ] && serve_wait 5 not_port_listening "$VNC_PORT"
    VNC_PGID= WEB_PGID=
    true
}

not_group_alive() { ! kill -0 -- "-$1" 2>/dev/null; }
not_port_listening() { ! port_listening "$1"; }
