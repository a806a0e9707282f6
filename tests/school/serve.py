#!/usr/bin/python3
# A computer's record service for the lab: listens on SOCKET (every account
# may connect) and hands it to SERVICE as its standard input, run as ACCOUNT,
# again each time it ends after its quiet while, until killed.
#   serve.py SOCKET ACCOUNT SERVICE
import os
import socket
import subprocess
import sys

path, account, service = sys.argv[1:4]
if os.path.exists(path):
    os.unlink(path)
listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
listener.bind(path)
os.chmod(path, 0o666)
listener.listen(64)
while True:
    subprocess.run(["setpriv", f"--reuid={account}", f"--regid={account}", "--init-groups",
                    service], stdin=listener.fileno())
