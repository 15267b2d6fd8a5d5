# Sourced by run.sh and the browser test: serves an X display to the
# browser of the person who started us, and to no one else on the machine.
# x11vnc shares the display on a Unix socket in a folder only we can open and
# asks for a password made afresh for each run; websockify serves Debian's
# noVNC page on 127.0.0.1 and bridges the page's WebSocket to that socket,
# for that page's origin only, so that no other web page can drive the
# desktop. The page gets the password in the address's fragment, which the
# browser never sends to a server. Each server runs in a process group of its
# own, so that stop_serving ends it and whatever it started.
#
#   serve_display :N LOGDIR   starts both; sets WEB_PORT, VNC_SOCKET, VIEW_URL
#   stop_serving              ends both and waits until nothing of them listens
#   port_listening PORT       true while something listens on 127.0.0.1:PORT
NOVNC_WEB=/usr/share/novnc
VNC_PGID=
WEB_PGID=
WEB_PORT=
VNC_SOCKET=
VIEW_URL=
SERVE_DIR=

port_listening() { ss -Hltn "sport = :$1" 2>/dev/null | grep -q .; }
socket_listening() { ss -Hlx "src $1" 2>/dev/null | grep -q .; }

# Polls with a deadline in seconds.
serve_wait() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -ge $deadline ] && return 1
        sleep 0.1
    done
}

# Runs a server (inetd style) on a socket that already listens on
# 127.0.0.1, on a port the system chose: no other program's port can be
# taken for ours, and none can take ours between choosing and listening.
# "{port}" in the server's arguments becomes the port, also written to the
# file named first.
LISTEN_THEN_RUN='
import os, socket, sys
listener = socket.socket()
listener.bind(("127.0.0.1", 0))
listener.listen(64)
port = str(listener.getsockname()[1])
with open(sys.argv[1] + ".new", "w") as out:
    out.write(port)
os.rename(sys.argv[1] + ".new", sys.argv[1])
os.dup2(listener.fileno(), 0)
os.execvp(sys.argv[2], [arg.replace("{port}", port) for arg in sys.argv[2:]])'

serve_display() { # display logdir
    local display=$1 logs=$2 secret
    mkdir -p "$logs"
    SERVE_DIR=$(mktemp -d /tmp/lumaro-view.XXXXXX) || return 1
    VNC_SOCKET="$SERVE_DIR/vnc"
    # Eight characters: all of a password that VNC's authentication reads.
    secret=$(tr -dc 'A-Za-z0-9' </dev/urandom | head -c 8)
    (umask 077 && printf '%s\n' "$secret" >"$SERVE_DIR/secret")
    # setsid: the server leads a process group of its own (its pid is the
    # group's id), which stop_serving ends as a whole. "rm:": x11vnc deletes
    # the file once it has read it. No TCP port at all, IPv4 or IPv6; and
    # not -localhost, which turns away the socket's clients.
    setsid x11vnc -display "$display" -unixsock "$VNC_SOCKET" -rfbport 0 -rfbportv6 0 -noipv6 \
        -passwdfile "rm:$SERVE_DIR/secret" -forever -shared -quiet </dev/null >"$logs/x11vnc.log" 2>&1 &
    VNC_PGID=$!
    serve_wait 20 socket_listening "$VNC_SOCKET" || { stop_serving; return 1; }
    setsid /usr/bin/python3 -c "$LISTEN_THEN_RUN" "$SERVE_DIR/port" websockify --inetd --web="$NOVNC_WEB" \
        --unix-target="$VNC_SOCKET" --auth-plugin=ExpectOrigin --auth-source="http://127.0.0.1:{port}" \
        >"$logs/websockify.log" 2>&1 &
    WEB_PGID=$!
    serve_wait 20 grep -q 'Listen for inetd' "$logs/websockify.log" || { stop_serving; return 1; }
    WEB_PORT=$(cat "$SERVE_DIR/port")
    VIEW_URL="http://127.0.0.1:$WEB_PORT/vnc.html?autoconnect=1&resize=off&reconnect=1#password=$secret"
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
    [ -n "$VNC_SOCKET" ] && serve_wait 5 not_socket_listening "$VNC_SOCKET"
    [ -n "$SERVE_DIR" ] && rm -rf "$SERVE_DIR"
    VNC_PGID= WEB_PGID= SERVE_DIR=
    true
}

not_group_alive() { ! kill -0 -- "-$1" 2>/dev/null; }
not_port_listening() { ! port_listening "$1"; }
not_socket_listening() { ! socket_listening "$1"; }
