#!/usr/bin/python3
"""Drops files on an X window the way a Linux file manager does (XDND), so
that Wine turns the drop into WM_DROPFILES for the window under the point.

    xdnd_drop.py WINDOW X Y FILE...

WINDOW is the X window to talk to, X Y the drop point on the root window.
Exits 0 once the target reports the drop finished, 1 when it refuses or
nothing happens within ten seconds.
"""
import sys
import time
from urllib.parse import quote

from Xlib import X, display
from Xlib.protocol import event


def main():
    d = display.Display()
    target = d.create_resource_object("window", int(sys.argv[1], 0))
    x, y = int(sys.argv[2]), int(sys.argv[3])
    uris = "".join("file://" + quote(name) + "\r\n" for name in sys.argv[4:]).encode()
    atom = d.intern_atom
    source = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)
    uri_list = atom("text/uri-list")

    def send(name, data):
        data = (list(data) + [0] * 5)[:5]
        message = event.ClientMessage(window=target, client_type=atom(name), data=(32, data))
        target.send_event(message, event_mask=0)
        d.flush()

    def answer(request):
        if request.target == uri_list:
            request.requestor.change_property(request.property, uri_list, 8, uris)
            prop = request.property
        else:
            prop = X.NONE
        notify = event.SelectionNotify(time=request.time, requestor=request.requestor,
                                       selection=request.selection, target=request.target,
                                       property=prop)
        request.requestor.send_event(notify, event_mask=0)
        d.flush()

    send("XdndEnter", [source.id, 5 << 24, uri_list])
    deadline = time.time() + 10
    positioned = dropped = False
    while time.time() < deadline:
        while d.pending_events():
            e = d.next_event()
            if e.type == X.SelectionRequest:
                answer(e)
            elif e.type == X.ClientMessage and e.client_type == atom("XdndStatus"):
                if not e.data[1][1] & 1:
                    return 1
                if not dropped:
                    send("XdndDrop", [source.id, 0, X.CurrentTime])
                    dropped = True
            elif e.type == X.ClientMessage and e.client_type == atom("XdndFinished"):
                return 0
        if not positioned:
            time.sleep(0.3)
            send("XdndPosition", [source.id, 0, (x << 16) | y, X.CurrentTime,
                                  atom("XdndActionCopy")])
            positioned = True
        time.sleep(0.02)
    return 1


if __name__ == "__main__":
    sys.exit(main())
