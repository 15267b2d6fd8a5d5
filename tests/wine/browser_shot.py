#!/usr/bin/python3
"""Screenshots of a page in headless Chromium, taken over its DevTools
protocol until the page shows what it should.

    browser_shot.py URL OUT.png PROFILE_DIR [--match REF.png --region WxH+X+Y]
                    [--deadline SECONDS] [--size W,H]

Without --match it takes one screenshot once the page has loaded. With it,
it takes a screenshot every few hundred milliseconds until the region of
the screenshot matches the same region of REF.png (fewer than 2 % of its
pixels differ by more than 10 %), and fails when the deadline passes first;
the last screenshot is kept either way. A page that connects on its own
(noVNC over a WebSocket) is thereby waited for, never slept for.

URL "-" reads the address from standard input: an address that holds a
password must be on no command line, where any local user reads it. For the
same reason Chromium starts on a blank page and is sent to the address over
its DevTools connection, and its profile is for our user only.

Chromium listens for DevTools on 127.0.0.1 only, on a port it picks, and is
ended, with its process group, before this script returns. Only the Python
standard library is used (a minimal WebSocket client)."""
import base64
import json
import os
import signal
import socket
import struct
import subprocess
import sys
import time
import urllib.request

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--hide-scrollbars"]


class WebSocket:
    def __init__(self, url, origin=None):
        rest = url.split("://", 1)[1]
        hostport, path = rest.split("/", 1)
        host, port = hostport.split(":")
        self.sock = socket.create_connection((host, int(port)), timeout=30)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {hostport}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           + (f"Origin: {origin}\r\n" if origin else "")
                           + "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        answer = b""
        while b"\r\n\r\n" not in answer:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("no WebSocket handshake")
            answer += chunk
        if b" 101 " not in answer.split(b"\r\n", 1)[0]:
            raise ConnectionError(answer.decode(errors="replace"))
        self.buffer = answer.split(b"\r\n\r\n", 1)[1]

    def send(self, message):
        """Sends text, or bytes as a binary message."""
        binary = isinstance(message, bytes)
        data = message if binary else message.encode()
        header = bytearray([0x82 if binary else 0x81])
        if len(data) < 126:
            header.append(0x80 | len(data))
        elif len(data) < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(data))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(data))
        mask = os.urandom(4)
        self.sock.sendall(bytes(header) + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _read(self, count):
        while len(self.buffer) < count:
            chunk = self.sock.recv(1 << 16)
            if not chunk:
                raise ConnectionError("connection closed")
            self.buffer += chunk
        data, self.buffer = self.buffer[:count], self.buffer[count:]
        return data

    def receive(self, binary=False):
        message = b""
        while True:
            first, second = self._read(2)
            length = second & 0x7F
            if length == 126:
                length = struct.unpack(">H", self._read(2))[0]
            elif length == 127:
                length = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(length)
            opcode = first & 0x0F
            if opcode == 0x8:
                raise ConnectionError("closed by the browser")
            if opcode in (0x9, 0xA):
                continue
            message += payload
            if first & 0x80:
                return message if binary else message.decode()


class DevTools:
    def __init__(self, url):
        self.ws = WebSocket(url)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.receive())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})


def wait_for(deadline, probe):
    while time.monotonic() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    return None


def differing_fraction(shot, reference, region):
    """The fraction of the region's pixels that differ by more than 10 %."""
    width, rest = region.split("x")
    height = rest.split("+")[0]
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", "10%",
                             f"{shot}[{region}]", f"{reference}[{region}]", "null:"],
                            capture_output=True, text=True)
    try:
        return float(result.stderr.split()[0]) / (int(width) * int(height))
    except (IndexError, ValueError):
        return 1.0


def main(argv):
    url, out, profile = argv[1:4]
    if url == "-":
        url = sys.stdin.readline().strip()
    options = dict(zip(argv[4::2], argv[5::2]))
    deadline = time.monotonic() + float(options.get("--deadline", "60"))
    size = options.get("--size", "1024,768")
    os.makedirs(profile, mode=0o700, exist_ok=True)
    port_file = os.path.join(profile, "DevToolsActivePort")
    if os.path.exists(port_file):
        os.remove(port_file)
    browser = subprocess.Popen(["chromium", *FLAGS, f"--user-data-dir={profile}",
                                f"--window-size={size}", "--remote-debugging-address=127.0.0.1",
                                "--remote-debugging-port=0", "about:blank"],
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=open(os.path.join(profile, "chromium.log"), "w"),
                               start_new_session=True)
    try:
        lines = wait_for(deadline, lambda: os.path.exists(port_file) and
                         open(port_file).read().split() or None)
        if not lines:
            print("browser_shot: Chromium gave no DevTools port", file=sys.stderr)
            return 1
        port = lines[0]
        print(f"devtools-port={port}")
        targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        page = next(t for t in targets if t.get("type") == "page")
        tools = DevTools(page["webSocketDebuggerUrl"])
        tools.call("Page.enable")
        # The window size includes the browser's own frame: the page gets
        # exactly this many pixels.
        width, height = (int(n) for n in size.split(","))
        tools.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                   deviceScaleFactor=1, mobile=False)
        tools.call("Page.navigate", url=url)
        loaded = "document.readyState === 'complete' && location.href !== 'about:blank'"
        wait_for(deadline, lambda: tools.call("Runtime.evaluate", expression=loaded,
                                              returnByValue=True)["result"].get("value"))
        reference, region = options.get("--match"), options.get("--region")
        shots = 0
        while True:
            data = tools.call("Page.captureScreenshot", format="png")["data"]
            with open(out, "wb") as file:
                file.write(base64.b64decode(data))
            shots += 1
            if not reference:
                break
            fraction = differing_fraction(out, reference, region)
            if fraction < 0.02:
                print(f"matched after {shots} screenshots ({fraction:.3f} of the region differs)")
                break
            if time.monotonic() >= deadline:
                print(f"browser_shot: no match after {shots} screenshots "
                      f"({fraction:.3f} of the region differs)", file=sys.stderr)
                return 1
            time.sleep(0.3)
        try:
            tools.call("Browser.close")
        except (ConnectionError, OSError):
            pass
        return 0
    finally:
        try:
            browser.wait(timeout=10)
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(browser.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        browser.wait()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
