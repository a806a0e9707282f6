#!/usr/bin/python3
# Holds every lock the running account can take on the given paths, for ever:
# flock on each it can open, and a POSIX read lock on each file. Prints
# "refused NAME" for each path it cannot open, then "holding N".
import fcntl
import os
import sys
import time

held = 0
for path in sys.argv[1:]:
    try:
        fd = os.open(path, os.O_RDONLY)
    except OSError:
        print("refused", os.path.basename(path), flush=True)
        continue
    fcntl.flock(fd, fcntl.LOCK_EX)
    if not os.path.isdir(path):
        fcntl.lockf(fd, fcntl.LOCK_SH)
    held += 1
print("holding", held, flush=True)
time.sleep(600)
