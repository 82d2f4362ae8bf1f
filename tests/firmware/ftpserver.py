#!/usr/bin/python3
"""Update server for the download tests: serves ROOT over FTP on 127.0.0.1.

Usage: ftpserver.py ROOT USER PASSWORD [--stall NAME]...

Prints "PORT <n>" on stdout once it listens. Files named with --stall send their first
bytes and then nothing more, as a server whose connection hangs. Every RETR is logged to
stdout as "RETR <path>".
"""
import io
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer

stalled = set()


class StallingFile(io.RawIOBase):
    """Gives the first bytes of a file, then blocks until the server is killed."""

    def __init__(self, real):
        self.real = real
        self.name = real.name
        self.sent = False

    def readable(self):
        return True

    def read(self, size=-1):
        if not self.sent:
            self.sent = True
            return self.real.read(16)
        threading.Event().wait()
        return b""

    def close(self):
        self.real.close()
        super().close()


class TestFS(AbstractedFS):
    def open(self, filename, mode):
        f = super().open(filename, mode)
        if "r" in mode and filename.rsplit("/", 1)[-1] in stalled:
            return StallingFile(f)
        return f


class LoggingHandler(FTPHandler):
    abstracted_fs = TestFS

    def ftp_RETR(self, file):
        print("RETR " + self.fs.fs2ftp(file), flush=True)
        return super().ftp_RETR(file)


def main():
    root, user, password = sys.argv[1:4]
    args = sys.argv[4:]
    while args:
        if args[0] == "--stall":
            stalled.add(args[1])
            args = args[2:]
        else:
            sys.exit("unknown option " + args[0])
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")
    LoggingHandler.authorizer = authorizer
    LoggingHandler.banner = "test update server"
    server = ThreadedFTPServer(("127.0.0.1", 0), LoggingHandler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING)
    main()
