#!/usr/bin/python3
"""Update server for the download tests: serves ROOT over FTP on 127.0.0.1.

Usage: ftpserver.py ROOT USER PASSWORD [BEHAVIOUR [NAME]]

Prints "PORT <n>" on stdout once it listens. Every RETR is logged to stdout as
"RETR <path>", every session as "OPEN" and, once closed, "CLOSED". BEHAVIOUR picks a
hostile server, for the file NAME where it takes one:
  --stall NAME   sends the first bytes of NAME, then nothing more, keeping the connection
  --short NAME   sends half of NAME, then closes the data connection with "226"
  --no-size      answers SIZE with "502", as a server without it
"""
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FileProducer, FTPHandler
from pyftpdlib.servers import FTPServer

affected = None  # the file NAME of the behaviour


def is_affected(file_obj):
    return os.path.basename(getattr(file_obj, "name", "") or "") == affected


class LoggingHandler(FTPHandler):
    use_sendfile = False
    auth_failed_timeout = 0.05

    def on_connect(self):
        print("OPEN", flush=True)

    def on_disconnect(self):
        print("CLOSED", flush=True)

    def ftp_RETR(self, file):
        print("RETR " + self.fs.fs2ftp(file), flush=True)
        return super().ftp_RETR(file)


class StallingDTPHandler(DTPHandler):
    """Stops sending without closing: the client sees a live connection that delivers
    nothing more. The control channel keeps working."""

    def send(self, data):
        if not is_affected(self.file_obj):
            return super().send(data)
        if self.tot_bytes_sent > 0:
            self.del_channel()
            return 0
        return super().send(data[:16])


class StallingHandler(LoggingHandler):
    dtp_handler = StallingDTPHandler


class HalfFileProducer(FileProducer):
    """Ends the file at half its size, so the transfer is reported complete early."""

    def __init__(self, file, type):
        super().__init__(file, type)
        self.left = os.fstat(file.fileno()).st_size // 2

    def more(self):
        data = self.file.read(min(self.buffer_size, self.left))
        self.left -= len(data)
        return data


class ShortHandler(LoggingHandler):
    def push_dtp_data(self, data, isproducer=False, file=None, cmd=None):
        if cmd == "RETR" and is_affected(file):
            data = HalfFileProducer(file, self._current_type)
        return super().push_dtp_data(data, isproducer, file, cmd)


class NoSizeHandler(LoggingHandler):
    def ftp_SIZE(self, path):
        self.respond("502 Command not implemented.")


BEHAVIOURS = {"--stall": StallingHandler, "--short": ShortHandler, "--no-size": NoSizeHandler}


def main():
    global affected
    root, user, password = sys.argv[1:4]
    handler = LoggingHandler
    if len(sys.argv) > 4:
        if sys.argv[4] not in BEHAVIOURS:
            sys.exit("unknown behaviour " + sys.argv[4])
        handler = BEHAVIOURS[sys.argv[4]]
        affected = sys.argv[5] if len(sys.argv) > 5 else None
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elr")
    handler.authorizer = authorizer
    # Longer than 75 characters, so the greeting is a multi-line reply, as many servers send.
    handler.banner = ("test update server\r\nserving the files of the download tests under "
                      "/Data/, one session per file")
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING)
    main()
