#!/usr/bin/python3
"""What a program other than the page gets from the desktop that
tools/run.sh serves, knowing its port but not the address's password.

    desktop_probe.py PORT ORIGIN

Opens a WebSocket to the noVNC port as a page of ORIGIN would and prints
"refused: <status line>", or, when the bridge lets it through to the VNC
server, "security types: N ..." (the types that server offers a client that
has just connected, 1 being "None": no password)."""
import sys

from browser_shot import WebSocket


def main(argv):
    port, origin = argv[1], argv[2]
    try:
        bridge = WebSocket(f"ws://127.0.0.1:{port}/websockify", origin)
    except ConnectionError as error:
        print("refused:", str(error).split("\r\n", 1)[0])
        return 0
    version = bridge.receive(binary=True)
    bridge.send(version[:12])
    answer = bridge.receive(binary=True)
    while len(answer) < 1 + answer[0]:
        answer += bridge.receive(binary=True)
    print("security types:", *answer[1:1 + answer[0]])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
