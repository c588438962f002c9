"""Raw TCP and UDP for the remote-control integration test.

http SRC REQUEST_FILE REPLY_FILE   connect from SRC to 127.0.0.1:8777, send the file's bytes,
                                   write every byte received until the server closes
udp SRC PAYLOAD [WATCH]            send PAYLOAD from SRC to 127.0.0.1:8777 and print the answer
                                   ("<none>" after a second); with WATCH, fail if a datagram
                                   reaches WATCH on the sender's port instead
sink ADDR PORT OUT                 append each datagram received on ADDR:PORT to OUT, one a line,
                                   until none came for five minutes
"""
import socket
import sys


def http(src, request_file, reply_file):
    with open(request_file, "rb") as f:
        request = f.read()
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.settimeout(10)
    sock.bind((src, 0))
    sock.connect(("127.0.0.1", 8777))
    sock.sendall(request)
    reply = b""
    try:
        while True:
            chunk = sock.recv(65536)
            if not chunk:
                break
            reply += chunk
    except ConnectionResetError:
        pass
    sock.close()
    with open(reply_file, "wb") as f:
        f.write(reply)


def udp(src, payload, watch=None):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind((src, 0))
    watcher = None
    if watch:
        watcher = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        watcher.bind((watch, sock.getsockname()[1]))
        watcher.settimeout(1)
    sock.settimeout(1)
    sock.sendto(payload.encode(), ("127.0.0.1", 8777))
    try:
        answer, sender = sock.recvfrom(1024)
        assert sender == ("127.0.0.1", 8777), sender
        print(answer.decode(), end="")
    except socket.timeout:
        print("<none>", end="")
    if watcher:
        try:
            watcher.recvfrom(1024)
            sys.exit("a datagram reached " + watch)
        except socket.timeout:
            pass


def sink(addr, port, out):
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind((addr, int(port)))
    sock.settimeout(300)  # ends by itself should the test not end it
    while True:
        try:
            data = sock.recv(4096)
        except socket.timeout:
            return
        with open(out, "ab") as f:
            f.write(data + b"\n")


if __name__ == "__main__":
    {"http": http, "udp": udp, "sink": sink}[sys.argv[1]](*sys.argv[2:])
