#!/usr/bin/env python3
# The built program, run as a user runs it: through pipes, on terminals, with
# reads and writes that fail or wait, watched by strace, and short of memory.
# Each scenario is a class, and each row says what is done to the program and
# what must come out.  What the program writes is compared byte for byte with
# what the reference (forestfire_reference) prints for the seed that the
# program's start time gave it.
#
#   python3 tests/system_test.py SCENARIO PROGRAM REFERENCE [EMULATOR...]
#
# CTest runs each scenario as a test of its own.  A scenario whose tool is
# missing is skipped, with the reason shown, and the status is then 77.
import os, pathlib, pty, re, resource, select, shutil, signal, socket, subprocess, sys
import tempfile, threading, time, unittest

SCENARIO, PROGRAM, REFERENCE = sys.argv[1:4]
EMULATOR = sys.argv[4:]  # wine, or qemu, for a program built for another system
PROMPT = b"Press enter to advance the time step, or press q to exit"
CANNOT_WRITE = b"forestfire: cannot write to standard output: "
CANNOT_READ = b"forestfire: cannot read standard input: "
TRACEABLE = bool(shutil.which("strace")) and subprocess.run(
    ["strace", "-o", os.devnull, "true"], stderr=subprocess.DEVNULL, check=False).returncode == 0


# Everything the descriptor gives until its writers have gone.
def read_all(descriptor):
    chunks = [b"."]
    while chunks[-1] and select.select([descriptor], [], [], 60)[0]:
        try:
            chunks.append(os.read(descriptor, 1 << 16))
        except OSError:  # a terminal whose other side has closed
            break
    os.close(descriptor)
    return b"".join(chunks[1:])


# Runs the program (after `before`, such as strace) on `data`, or on the
# descriptor `stdin`; writing to the descriptor `output`, or else to a pipe,
# or with `terminal` to a new terminal with TERM=`term` (unset if None).  That
# one is non-blocking if asked, and read `wait` seconds after the start.  The
# descriptors given are closed.  Returns the start time and the run: standard
# output (a terminal's CRs taken out) and error, and the status.
def run(data=b"", stdin=None, output=None, terminal=False, term="xterm", nonblocking=False,
        wait=0, before=(), **options):
    environment = {name: value for name, value in os.environ.items() if name != "TERM"}
    environment.update({"TERM": term} if term is not None else {})
    environment.update({"ASAN_OPTIONS": "detect_leaks=0"} if before else {})  # not under ptrace
    reader = None
    if stdin is None:
        stdin, feeder = os.pipe()
        os.write(feeder, data)
        os.close(feeder)
    if output is None:
        reader, output = pty.openpty() if terminal else os.pipe()
        os.set_blocking(output, not nonblocking)
    started = int(time.time())
    with subprocess.Popen(list(before) + EMULATOR + [PROGRAM], env=environment, stdin=stdin,
                          stdout=output, stderr=subprocess.PIPE, **options) as process:
        os.close(stdin)
        os.close(output)
        time.sleep(wait)
        shown = read_all(reader) if reader is not None else b""
        errors = process.communicate(timeout=60)[1]
    return started, (shown.replace(b"\r\n", b"\n") if terminal else shown, errors, process.wait())


class Scenario(unittest.TestCase):
    # Plays `data` as run() does, and returns the run, which must be the
    # reference's for the seed of its start (any second since the test's
    # start), with every frame cleared when `cleared`.
    def check(self, data, cleared=False, **options):
        started, played = run(data, **options)
        for seed in range(started, int(time.time()) + 1):
            done = subprocess.run(EMULATOR + [REFERENCE, str(seed)] + ["terminal"] * cleared,
                                  input=data, capture_output=True, check=False)
            expected = (done.stdout, done.stderr, done.returncode)
            if expected == played:
                break
        self.assertEqual(played[1:], expected[1:])
        self.assertEqual(played[0], expected[0])  # bytes: told in a line, not in a long diff
        return played


# Through a pipe: the exact bytes, and the status.
class Pipe(Scenario):
    def test_plays_as_the_reference_says(self):
        for data in (b"a\n", b" 2\nxq\nmore", b"3" + b"\n" * 15 + b"Qq", b"1" + b"x" * 40):
            with self.subTest(data=data):
                self.check(data)


# A terminal that takes escape sequences gets every frame cleared, the cursor
# waiting at its prompt, and a line end at the end; one that says it is dumb,
# or names no type, gets exactly a pipe's bytes.
class Terminal(Scenario):
    def test_term_decides_whether_frames_are_cleared(self):
        for term, cleared in (("xterm", True), ("dumb", False), ("", False), (None, False)):
            with self.subTest(term=term):
                self.check(b"2\nxq", cleared, terminal=True, term=term)


# A read or a write that fails ends the run with status 1 and the system's
# reason; on a terminal the reason starts on a line of its own.
class Failures(Scenario):
    def test_each_failure_ends_the_run_with_its_reason(self):
        reader, closed_pipe = os.pipe()
        os.close(reader)
        with tempfile.TemporaryFile() as file:
            small_file = os.dup(file.fileno())  # with room for the menu and a frame, not two
        program_side, other_side = socket.socketpair()  # a line that the other side resets,
        program_side.send(b"x")  # as it closes with data of its own unread
        other_side.send(b"2\n")
        other_side.close()

        def quiet():  # the signals ignored, so that the write fails instead
            signal.signal(signal.SIGPIPE, signal.SIG_IGN)
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (2048, 2048))
        rows = [  # (what is done to the program, its input, its output's end, the reason)
            (dict(output=os.open("/dev/full", os.O_RDWR)), b"2\n", b"", b"No space left on device"),
            (dict(output=closed_pipe, preexec_fn=quiet), b"2\n", b"", b"Broken pipe"),
            (dict(output=small_file, preexec_fn=quiet), b"2q", b"", b"File too large"),
            (dict(stdin=os.open("/", os.O_RDONLY)), b"", b"", b"Is a directory"),
            (dict(stdin=program_side.detach(), terminal=True), b"", PROMPT + b"\n",
             b"Connection reset by peer"),
        ]
        for options, data, end, reason in rows:
            with self.subTest(options=options, data=data):
                failed = CANNOT_READ if "stdin" in options else CANNOT_WRITE
                shown, errors, status = run(data, **options)[1]
                self.assertEqual((shown[len(shown) - len(end):], errors, status),
                                 (end, failed + reason + b"\n", 1))


# An output that is full (a non-blocking pipe or terminal that nobody reads for
# a second) is waited for, and so is a non-blocking input with nothing ready
# yet: nothing is lost, and under strace every try that finds the descriptor
# not ready is seen to be followed by a wait (select), not by another try.
class Waiting(Scenario):
    def test_a_full_output_or_an_empty_input(self):
        reader, writer = os.pipe()
        os.set_blocking(reader, False)
        threading.Timer(0.3, lambda: (os.write(writer, b"2\n"), os.close(writer))).start()
        frames = b"2\n" + b"\n" * 200 + b"q"  # 290 KB of frames: more than either output holds
        for data, options in ((b"2\n", dict(stdin=reader)),
                              (frames, dict(nonblocking=True, wait=1)),
                              (frames, dict(terminal=True, nonblocking=True, wait=1))):
            with self.subTest(**options), tempfile.NamedTemporaryFile() as log:
                before = ["strace", "-qq", "-o", log.name,
                          "-e", "trace=read,write,select,pselect6"] * TRACEABLE
                self.check(data, options.get("terminal", False), before=before, **options)
                traced = log.read()
                self.assertLessEqual(traced.count(b"EAGAIN"), traced.count(b"select"))


# On a terminal, the menu, each reminder and each frame with its clear go out
# in one write each (a write begins at every "Please input a number" and
# every clear), and the last write is the line end after the last prompt;
# when that one fails, the run ends with status 1 and says why.
@unittest.skipUnless(TRACEABLE, "needs strace, allowed to trace")
class Writes(Scenario):
    def test_each_goes_out_in_one_write(self):
        with tempfile.NamedTemporaryFile() as log:
            played = self.check(b"x\n2\nq", True, terminal=True, before=[
                "strace", "-qq", "-o", log.name, "-e", "trace=write", "-xx", "-s", "4096"])
            writes = re.findall(rb'^write\(1, "([\\x0-9a-f]*)"', log.read(), re.MULTILINE)
        self.assertEqual([bytes.fromhex(each.decode().replace("\\x", "")) for each in writes],
                         re.split(rb"(?=Please input a number|\x1b\[H|\n\Z)", played[0]))

    def test_a_failed_last_write_is_told(self):  # the menu, three frames, then the line end
        before = ["strace", "-qq", "-o", os.devnull, "-e", "inject=write:error=EIO:when=5"]
        self.assertEqual(run(b"2\nq", terminal=True, before=before)[1][1:],
                         (CANNOT_WRITE + b"Input/output error\n", 1))


# Short of memory the program says so, with status 1: no abort, no core.
# AddressSanitizer cannot run with its memory limited.
@unittest.skipIf(SCENARIO == "Memory" and b"__asan_init" in pathlib.Path(PROGRAM).read_bytes(),
                 "the program is built with AddressSanitizer")
class Memory(Scenario):
    def test_running_out_of_memory_is_told(self):
        def played(limit):
            return run(b"2\nq", preexec_fn=lambda: resource.setrlimit(
                resource.RLIMIT_DATA, (limit, limit)))[1]

        fails, plays = 0, 1 << 30  # down to the page where a run no longer has all it needs
        while plays - fails > resource.getpagesize():
            middle = (fails + plays) // 2
            fails, plays = (fails, middle) if played(middle)[2] == 0 else (middle, plays)
        self.assertEqual(played(fails)[1:], (b"forestfire: out of memory\n", 1))


if __name__ == "__main__":
    result = unittest.main(argv=sys.argv[:2], exit=False, verbosity=2).result
    all_skipped = len(result.skipped) == result.testsRun
    sys.exit(1 if not result.wasSuccessful() else 77 if all_skipped else 0)
