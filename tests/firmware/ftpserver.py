#!/usr/bin/python3
"""Update server for the download tests: serves ROOT over FTP on 127.0.0.1.

Usage: ftpserver.py ROOT USER PASSWORD [--stall NAME]...

Prints "PORT <n>" on stdout once it listens. Files named with --stall send their first
bytes and then nothing more, as a server whose data connection hangs. Every RETR is logged to
stdout as "RETR <path>", every session as "OPEN" and, once closed, "CLOSED".
"""
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

stalled = set()


class StallingDTPHandler(DTPHandler):
    """Sends the first bytes of a stalled file, then stops sending without closing, so
    the client sees a live connection that delivers nothing more. The control channel
    keeps working: the client's ABOR or QUIT ends the transfer."""

    def send(self, data):
        name = os.path.basename(getattr(self.file_obj, "name", "") or "")
        if name not in stalled:
            return super().send(data)
        if self.tot_bytes_sent > 0:
            self.del_channel()
            return 0
        return super().send(data[:16])


class LoggingHandler(FTPHandler):
    dtp_handler = StallingDTPHandler
    use_sendfile = False

    def on_connect(self):
        print("OPEN", flush=True)

    def on_disconnect(self):
        print("CLOSED", flush=True)

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
    server = FTPServer(("127.0.0.1", 0), LoggingHandler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING)
    main()
