#!/usr/bin/python3
# Asks the record service at SOCKET as a game does: the request from standard
# input, then the answer on standard output, and exits with the answer's
# status. "hold": connects and sends nothing, for ever.
import os
import socket
import sys
import time

s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.connect(sys.argv[1])
if len(sys.argv) > 2 and sys.argv[2] == "hold":
    time.sleep(600)
s.sendall(sys.stdin.buffer.read())
s.shutdown(socket.SHUT_WR)
answer = b""
while chunk := s.recv(4096):
    answer += chunk
sys.stdout.write(answer.decode())
sys.exit(int(answer.split()[0]) if answer else 99)
