#!/usr/bin/env python3
"""A small HTTP/1.0 server on 127.0.0.1 for the client and Updater tests.

It listens on two ports (the second one is the target of cross-port
redirections), prints "PORTS <first> <second>" on stdout and serves until its
standard input closes (the test that started it has ended) or --lifetime
seconds have passed, whichever comes first. Every answer is written by hand,
byte for byte, so the tests see exactly what each case sends.

Paths:
  /, /echo              200 with Content-Length; the body is the request as received
  /nolength             200 without Content-Length, body in two parts, then close
  /redirect-abs         302 to the absolute path /echo (with a body that must not arrive)
  /redirect-port        302 to http://127.0.0.1:<second port>/echo
  /redirect-host        302 to http://localhost:<this port>/echo
  /chain/N              N redirections in a row, then 200 "end of chain"
  /loop                 302 to itself, forever
  /notfound             404 Not Found with an HTML body, in one write
  /status/CODE          CODE "Custom Reason" with a short body
  /html                 no header at all: "<hTmL>..." then close
  /stall                reads the request and sends nothing
  /stall-body           a header and part of the body, then nothing ("STALLED /stall-body" on stdout)
  /longline             a header line of 9000 characters
  /fields               cookies, ranges, type, length and authentication headers
  /reset                closes without answering
  /files/NAME           the file NAME of --root (404 when missing)
  /zip/A,B,...          a deflated ZIP archive of the files A, B, ... of --root
                        (a folder part, as in dir/A, is kept in the stored name)
  /stored-zip/A,B,...   the same, stored without compression
  /dir/A,B,.../loto3_txt.zip  a results directory: its archive of A, B, ... (404 for any other name)
Broken and hostile answers:
  /short-body           Content-Length 17000, then 500 bytes and close
  /cut-header           close inside the header
  /no-status            bytes without any status line or header (HTTP/0.9 style)
  /bad-version          an "HTTP/2.0" status line
  /continue-only        "100 Continue" and close
  /continue-then-ok     "100 Continue", then a 200 with its body
  /redirect-to/LOCATION 302 to LOCATION (the rest of the path, as written)
  /drip                 a header, then one byte every 0.1 s for 5 s
  /many-headers         80,000 short header lines
  /huge-length          Content-Length 3,000,000,000, then 1 MiB and close
  /endless              no Content-Length, 65 MiB of zeros, then close
  /chunked              an HTTP/1.1 answer whose body is in the chunked transfer coding
  /reason-esc           500 with terminal escape sequences in its reason phrase
  /reason-html          500 whose reason phrase is an HTML link
"""

import argparse
import io
import os
import socket
import ssl
import sys
import threading
import time
import zipfile

ARGS = None
PORTS = []


def read_request(conn):
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(4096)
        if not chunk:
            return data
        data += chunk
        if len(data) > 1 << 20:
            return data
    head, _, body = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value.strip() or b"0")
    while len(body) < length:
        chunk = conn.recv(4096)
        if not chunk:
            break
        body += chunk
    return head + b"\r\n\r\n" + body


def response(status, reason, body=b"", headers=(), length=True):
    lines = ["HTTP/1.0 %d %s" % (status, reason)]
    lines += list(headers)
    if length:
        lines.append("Content-Length: %d" % len(body))
    return ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1") + body


def redirect(location):
    return response(302, "Found", b"<html>moved</html>", ["Location: " + location, "Content-Type: text/html"])


def zip_of(names, method):
    buf = io.BytesIO()
    with zipfile.ZipFile(buf, "w", method) as archive:
        for name in names:
            with open(os.path.join(ARGS.root, os.path.basename(name)), "rb") as f:
                # An old fixed time, so that a fresh time on the installed file is the updater's own.
                archive.writestr(zipfile.ZipInfo(name, (2001, 2, 3, 4, 5, 6)), f.read(), method)
    return buf.getvalue()


def wait_for_close(conn, seconds):
    conn.settimeout(seconds)
    try:
        while conn.recv(4096):
            pass
    except OSError:
        pass


def serve(conn, port):
    request = read_request(conn)
    if not request:
        return
    target = request.split(b"\r\n", 1)[0].split(b" ")
    path = target[1].decode("latin-1") if len(target) > 1 else "/"
    path = path.split("?", 1)[0]

    if path in ("/", "/echo"):
        # Over TLS, the name the client asked for in its handshake (SNI) comes back too.
        sni = ["X-SNI: %s" % getattr(conn, "sni", None)] if isinstance(conn, ssl.SSLSocket) else []
        conn.sendall(response(200, "OK", request, ["Content-Type: application/octet-stream"] + sni))
    elif path == "/nolength":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nfirst part\r\n")
        time.sleep(0.05)
        conn.sendall(b"second part\r\n")
    elif path == "/redirect-abs":
        conn.sendall(redirect("/echo"))
    elif path == "/redirect-port":
        conn.sendall(redirect("http://127.0.0.1:%d/echo" % PORTS[1]))
    elif path == "/redirect-host":
        conn.sendall(redirect("http://localhost:%d/echo" % port))
    elif path.startswith("/chain/"):
        n = int(path[len("/chain/"):])
        if n > 0:
            conn.sendall(redirect("/chain/%d" % (n - 1)))
        else:
            conn.sendall(response(200, "OK", b"end of chain"))
    elif path == "/loop":
        conn.sendall(redirect("/loop"))
    elif path == "/notfound":
        conn.sendall(response(404, "Not Found", b"<html><body>No such document here.</body></html>",
                              ["Content-Type: text/html"]))
    elif path.startswith("/status/"):
        conn.sendall(response(int(path[len("/status/"):]), "Custom Reason", b"status page"))
    elif path == "/html":
        conn.sendall(b"<hTmL><body>\r\nA page without any header.\r\n</body></hTmL>\r\n")
    elif path.startswith("/dir/"):
        names, _, leaf = path[len("/dir/"):].rpartition("/")
        if leaf == "loto3_txt.zip" and names:
            conn.sendall(response(200, "OK", zip_of(names.split(","), zipfile.ZIP_DEFLATED),
                                  ["Content-Type: application/zip"]))
        else:
            conn.sendall(response(404, "Not Found", b"no such file in this directory"))
    elif path == "/stall":
        wait_for_close(conn, 60)
    elif path == "/stall-body":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly the start")
        # A test that must act mid-download waits for this line, not for a clock.
        print("STALLED %s" % path, flush=True)
        wait_for_close(conn, 60)
    elif path == "/longline":
        conn.sendall(b"HTTP/1.0 200 OK\r\nX-Long: " + b"a" * 9000 + b"\r\n\r\nbody")
    elif path == "/fields":
        conn.sendall(response(206, "Partial Content", b"0123456789", [
            "Content-Type: Text/Plain; Charset=UTF-8",
            "Set-Cookie: first=1; path=/",
            "Set-Cookie: second=2",
            "Accept-Ranges: bytes",
            "Content-Range: bytes 10-19/100",
            "WWW-Authenticate: Basic realm=\"draws\"",
        ]))
    elif path == "/reset":
        pass
    elif path == "/short-body":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 17000\r\n\r\n" + b"x" * 500)
    elif path == "/cut-header":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Ty")
    elif path == "/no-status":
        conn.sendall(b"PK\x03\x04 a body that no status line announces\r\n")
    elif path == "/bad-version":
        conn.sendall(b"HTTP/2.0 200 OK\r\nContent-Length: 2\r\n\r\nok")
    elif path == "/continue-only":
        conn.sendall(b"HTTP/1.1 100 Continue\r\n\r\n")
    elif path == "/continue-then-ok":
        conn.sendall(b"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nbody")
    elif path.startswith("/redirect-to/"):
        conn.sendall(redirect(path[len("/redirect-to/"):]))
    elif path == "/drip":
        conn.sendall(b"HTTP/1.0 200 OK\r\n\r\n")
        for _ in range(50):
            time.sleep(0.1)
            conn.sendall(b"x")
    elif path == "/many-headers":
        conn.sendall(b"HTTP/1.0 200 OK\r\n" + b"X-A: b\r\n" * 80000 + b"\r\nbody")
    elif path == "/huge-length":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 3000000000\r\n\r\n")
        conn.sendall(b"\0" * (1 << 20))
    elif path == "/endless":
        conn.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: application/zip\r\n\r\n")
        block = b"\0" * (1 << 16)
        for _ in range(65 * 16):
            conn.sendall(block)
    elif path == "/chunked":
        conn.sendall(b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nfirst\r\n6\r\nsecond\r\n0\r\n\r\n")
    elif path == "/reason-esc":
        conn.sendall(response(500, "Bad\x1b]0;owned\x07\x1b[2J", b"page"))
    elif path == "/reason-html":
        conn.sendall(response(500, "<a href=\"http://repair.test/\">Click here to repair your draws</a>", b"page"))
    elif path.startswith("/files/"):
        name = os.path.join(ARGS.root or ".", os.path.basename(path[len("/files/"):]))
        if ARGS.root and os.path.isfile(name):
            with open(name, "rb") as f:
                conn.sendall(response(200, "OK", f.read(), ["Content-Type: application/octet-stream"]))
        else:
            conn.sendall(response(404, "Not Found", b"no such file"))
    elif path.startswith("/zip/") or path.startswith("/stored-zip/"):
        stored = path.startswith("/stored-zip/")
        names = path.split("/", 2)[2].split(",")
        try:
            body = zip_of(names, zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED)
            conn.sendall(response(200, "OK", body, ["Content-Type: application/zip"]))
        except OSError:
            conn.sendall(response(404, "Not Found", b"no such file"))
    else:
        conn.sendall(response(404, "Not Found", b"unknown test path"))


def handle(conn, port, context):
    try:
        conn.settimeout(10)
        if context is not None:
            conn = context.wrap_socket(conn, server_side=True)
        serve(conn, port)
    except (OSError, ssl.SSLError, ValueError):
        pass
    finally:
        try:
            conn.close()
        except OSError:
            pass


def accept_loop(listener, port, context):
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=handle, args=(conn, port, context), daemon=True).start()


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    parser.add_argument("--root")
    parser.add_argument("--lifetime", type=float, default=120)
    ARGS = parser.parse_args()

    context = None
    if ARGS.tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(ARGS.tls[0], ARGS.tls[1])
        context.sni_callback = lambda sock, name, ctx: setattr(sock, "sni", name)

    listeners = []
    for _ in range(2):
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.bind(("127.0.0.1", 0))
        listener.listen(16)
        listeners.append(listener)
        PORTS.append(listener.getsockname()[1])
    for listener, port in zip(listeners, PORTS):
        threading.Thread(target=accept_loop, args=(listener, port, context), daemon=True).start()

    print("PORTS %d %d" % tuple(PORTS), flush=True)
    # Ends when the test closes our input (or dies), or when the lifetime is up.
    threading.Thread(target=lambda: (sys.stdin.read(), os._exit(0)), daemon=True).start()
    time.sleep(ARGS.lifetime)
    os._exit(0)


if __name__ == "__main__":
    main()
