"""Reading what the library prints: its console output goes to the process's
standard output (file descriptor 1), below Python's own sys.stdout."""
import contextlib
import os
import sys
import tempfile


class Printed:
    text = ""


@contextlib.contextmanager
def captured_stdout():
    """Everything written to standard output meanwhile, in .text after the block."""
    printed = Printed()
    sys.stdout.flush()
    saved = os.dup(1)
    with tempfile.TemporaryFile() as sink:
        os.dup2(sink.fileno(), 1)
        try:
            yield printed
        finally:
            os.dup2(saved, 1)
            os.close(saved)
            sink.seek(0)
            printed.text = sink.read().decode("utf-8")
