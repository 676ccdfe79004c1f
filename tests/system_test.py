#!/usr/bin/env python3
# The built program, run for what only it can show: real pipes and the seed of
# its start time, real terminals and TERM, real descriptors that are not
# ready, and main's own set-up short of memory or stack.  Each scenario is a
# class, and CTest runs each as a test of its own.  What the program writes is
# compared byte for byte with what the reference (forestfire_reference) prints
# for the seed the program's start gave it.
#
#   python3 tests/system_test.py SCENARIO PROGRAM REFERENCE [EMULATOR...]
#
# A scenario that cannot run here is skipped with its reason, and the status
# is then 77.
import bisect
import contextlib
import os
import pathlib
import pty
import resource
import subprocess
import sys
import time
import unittest

PROGRAM, REFERENCE = sys.argv[2:4]
EMULATOR = sys.argv[4:]  # wine, or qemu, for a program built for another system
SANITIZED = b"__asan_init" in pathlib.Path(PROGRAM).read_bytes()
HEADER = b"Current time step: "


def run(command, data, **options):
    """The output, errors and status of `command` on `data`, through pipes."""
    done = subprocess.run(EMULATOR + command, input=data, capture_output=True, **options)
    return done.stdout, done.stderr, done.returncode


def run_on_terminal(data, term):
    """As run() for the program, writing to a new terminal whose TERM is
    `term` (unset when None): what it shows, its CR LF as LF, and the status.
    Standard error goes to the terminal too, so no errors come back apart."""
    variables = dict(os.environ, TERM=term)
    if term is None:
        del variables["TERM"]
    screen, terminal = pty.openpty()
    shown = b""
    streams = dict(stdin=subprocess.PIPE, stdout=terminal, stderr=terminal, env=variables)
    with subprocess.Popen([PROGRAM], **streams) as done:
        os.close(terminal)
        done.stdin.write(data)
        done.stdin.close()
        with contextlib.suppress(OSError):  # read until the terminal's other side has closed
            while chunk := os.read(screen, 1 << 16):
                shown += chunk
    os.close(screen)
    return shown.replace(b"\r\n", b"\n"), b"", done.returncode


class Scenario(unittest.TestCase):
    def check(self, play, data, cleared=False):
        """Plays the program with `play`, and compares the run with the
        reference's for each second the program may have started in.  Its
        clock can lag this one's by a few milliseconds at the turn of a
        second, so the second before the start counts too.  A difference is
        told against the second in which the play began: the standard error
        and status where they differ, then the first frame of the output
        that differs, with its step and what follows it up to the next frame
        (element 0 is the menu and the reminders)."""
        started = int(time.time()) - 1
        played = play()
        seeds = range(started, int(time.time()) + 1)
        runs = [run([REFERENCE, str(seed)] + ["terminal"] * cleared, data) for seed in seeds]
        if played not in runs:
            self.assertEqual(played[1:], runs[1][1:], data)
            self.assertEqual(played[0].split(HEADER), runs[1][0].split(HEADER), data)


class Pipe(Scenario):
    def test_plays_as_the_reference_says(self):
        data = b"x1" + b"\n" * 10
        self.check(lambda: run([PROGRAM], data), data)


# A terminal that takes escape sequences, an xterm or another, gets every
# frame cleared, the cursor waiting at its prompt, and a line end at the end;
# one that says it is dumb, or names no type, gets exactly a pipe's bytes.
class Terminal(Scenario):
    def test_term_decides_whether_frames_are_cleared(self):
        for term in ("xterm", "linux", "dumb", "", None):
            cleared = term in ("xterm", "linux")
            with self.subTest(term=term):
                self.check(lambda: run_on_terminal(b"2\nxq", term), b"2\nxq", cleared)


# A non-blocking input with nothing ready, and a non-blocking output that is
# full, are waited for: nothing is lost, and the program takes no processor
# time meanwhile (one that tried again and again would take most of a second).
class Waiting(Scenario):
    def test_waits_without_spinning(self):
        data = b"2\n" + b"\n" * 200  # 290 KB of frames: more than the output holds
        self.check(lambda: self.run_slowly(data), data)

    def run_slowly(self, data):
        """As run() for the program, through non-blocking pipes: its input is
        given a second after the menu arrives, its output read a second
        later, and meanwhile it must take next to no processor time."""
        streams = dict(stdin=subprocess.PIPE, stdout=subprocess.PIPE, preexec_fn=nonblocking)
        with subprocess.Popen([PROGRAM], **streams) as process:
            menu = process.stdout.read1()
            time.sleep(1)
            process.stdin.write(data)
            process.stdin.close()
            time.sleep(1)
            shown = menu + process.stdout.read()
            _, status, used = os.wait4(process.pid, 0)  # the program's own time, no other's
            process.returncode = os.waitstatus_to_exitcode(status)
        self.assertLess(used.ru_utime + used.ru_stime, 0.3)
        return shown, b"", process.returncode


def nonblocking():
    os.set_blocking(0, False)
    os.set_blocking(1, False)


# Short of memory the program says so, with status 1: no abort, no core.  A
# failure's message needs no memory, so each failure is told in its own words
# even at the smallest data limit that the program starts under, where the
# forest cannot be made.  A terminal whose other side has closed is hung up:
# a read of it finds no byte, as at the end of the input, but it is told as
# the failed read it is.  (It is the program's standard input only, so no
# SIGHUP ends the program first.)  The program's start needs no more stack
# than a plain iostream program, 16 KiB or so.  AddressSanitizer needs more
# of both than it can be given.
@unittest.skipIf(SANITIZED, "the program is built with AddressSanitizer")
class Memory(Scenario):
    def test_every_failure_short_of_memory_is_told_in_its_own_words(self):
        limits = range(0, 1 << 30, resource.getpagesize())
        starts = bisect.bisect(limits, False, key=lambda limit: self.limited(limit)[2] in (0, 1))
        directory = os.open("/", os.O_RDONLY)
        self.addCleanup(os.close, directory)
        screen, terminal = pty.openpty()
        os.close(screen)  # the terminal hangs up
        self.addCleanup(os.close, terminal)
        rows = (
            (b"2\nq", None, b"forestfire: out of memory\n"),
            (b"x", None, b"forestfire: input ended before a dampness level was chosen\n"),
            (None, directory, b"forestfire: cannot read standard input: Is a directory\n"),
            (None, terminal, b"forestfire: cannot read standard input: Input/output error\n"),
        )
        for data, stdin, message in rows:
            self.assertEqual(self.limited(limits[starts], data, stdin=stdin)[1:], (message, 1))

    def test_a_small_stack_is_enough(self):
        self.assertEqual(self.limited(32 << 10, kind=resource.RLIMIT_STACK)[2], 0)

    def limited(self, limit, data=b"2\nq", kind=resource.RLIMIT_DATA, **streams):
        return run(
            [PROGRAM], data, preexec_fn=lambda: resource.setrlimit(kind, (limit, limit)), **streams
        )


if __name__ == "__main__":
    result = unittest.main(argv=sys.argv[:2], exit=False, verbosity=2).result
    all_skipped = len(result.skipped) == result.testsRun
    sys.exit(1 if not result.wasSuccessful() else 77 if all_skipped else 0)
