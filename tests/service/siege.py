#!/usr/bin/python3
# One account's part in a siege of the record service at SOCKET, each part
# bounded in count and time:
#   save SOCKET FIRST N     N contests as the game ends them (a start, then an
#                           end of FIRST, FIRST+1, ... right answers); prints
#                           each end's round trip in ms; exit 1 unless each
#                           was saved as the new record
#   burst SOCKET N          N connections as fast as they open, then closed
#   hold SOCKET N SECONDS   N connections held open for SECONDS: silent,
#                           dripping a byte every 0.1 s, or half-closed with
#                           nothing sent; each one closed is opened again
#   flood SOCKET SECONDS    ends as fast as they are answered; prints how
#                           many were answered with each status
#   forge SOCKET NAME       a record of 601 in 300 s under NAME, never started;
#                           prints the status
#   settings SOCKET TEXT    the shared folder's settings saved as TEXT; prints
#                           the status
#   class SOCKET TEXT       the same for the class list
import collections
import socket
import sys
import time


def ask(path, request, timeout=15.0):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.settimeout(timeout)
    try:
        s.connect(path)
        s.sendall(request)
        s.shutdown(socket.SHUT_WR)
        answer = b""
        while chunk := s.recv(4096):
            answer += chunk
        return answer.decode()
    finally:
        s.close()


def end(right, seconds=300, candidate=1, name="Eva"):
    return (f"corvalesta fine 1\n{right}\n0\n{seconds}\n{candidate}\n{name}\n{name}\n").encode()


START = b"corvalesta inizio 1\n"


def save(path, first, n):
    times, ok = [], True
    for right in range(first, first + n):
        ask(path, START)
        began = time.monotonic()
        answer = ask(path, end(right))
        times.append((time.monotonic() - began) * 1000)
        ok = ok and answer == "0 1\n\n0\n"
        if answer != "0 1\n\n0\n":
            print("answer", repr(answer), file=sys.stderr)
    print(" ".join(f"{t:.1f}" for t in times))
    return 0 if ok else 1


def burst(path, n):
    held = []
    for _ in range(n):
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        s.setblocking(False)
        try:
            s.connect(path)
        except (BlockingIOError, ConnectionRefusedError, OSError):
            pass
        held.append(s)
    for s in held:
        s.close()
    return 0


def hold(path, n, seconds):
    deadline = time.monotonic() + seconds
    kinds = ["silent", "drip", "half"]
    open_ = {}
    dripped = collections.Counter()
    while time.monotonic() < deadline:
        for i in range(n):
            if i in open_:
                continue
            s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            s.setblocking(False)
            try:
                s.connect(path)
            except BlockingIOError:
                pass
            except OSError:
                s.close()
                continue
            if kinds[i % 3] == "half":
                try:
                    s.shutdown(socket.SHUT_WR)
                except OSError:
                    pass
            open_[i] = s
        for i, s in list(open_.items()):
            try:
                if s.recv(1, socket.MSG_DONTWAIT) == b"":
                    raise OSError
            except BlockingIOError:
                if kinds[i % 3] == "drip":
                    try:
                        s.send(b"c"[: 1], socket.MSG_DONTWAIT)
                        dripped[i] += 1
                    except OSError:
                        pass
                continue
            except OSError:
                pass
            s.close()
            del open_[i]
        time.sleep(0.1)
    for s in open_.values():
        s.close()
    return 0


def flood(path, seconds):
    deadline = time.monotonic() + seconds
    statuses = collections.Counter()
    long = "F" * 60
    while time.monotonic() < deadline:
        try:
            answer = ask(path, end(1, 300, 0, long), 5.0)
            statuses[answer.split(" ")[0] if answer else "none"] += 1
        except OSError:
            statuses["refused"] += 1
    print(" ".join(f"{k}:{v}" for k, v in sorted(statuses.items())))
    return 0


def forge(path, name):
    print(ask(path, end(601, 300, 1, name)).split(" ")[0])
    return 0


def settings(path, text, marker=b"corvalesta impostazioni 1\n"):
    print(ask(path, marker + text.encode()).split(" ")[0])
    return 0


command, path = sys.argv[1], sys.argv[2]
if command == "save":
    sys.exit(save(path, int(sys.argv[3]), int(sys.argv[4])))
if command == "burst":
    sys.exit(burst(path, int(sys.argv[3])))
if command == "hold":
    sys.exit(hold(path, int(sys.argv[3]), float(sys.argv[4])))
if command == "flood":
    sys.exit(flood(path, float(sys.argv[3])))
if command == "forge":
    sys.exit(forge(path, sys.argv[3]))
if command == "settings":
    sys.exit(settings(path, sys.argv[3]))
if command == "class":
    sys.exit(settings(path, sys.argv[3], b"corvalesta classe 1\n"))
sys.exit(2)
