#!/usr/bin/env python3
"""The spell checker side by side with hunspell and aspell, when they are
installed (bench/setup.sh installs them): whole-process figures, medians of 3,
each as a ratio to the others so that they mean something on a busy machine.
Times are processor time (user + system) of the child process; wall time
is shown beside it.

  bench/compare_spellers.py BUILD_TREE [--quick]

BUILD_TREE is a native build tree with quillet, American.adm and the benches
built (ninja quillet american_dictionary suggest_bench dictionary_bench).
The misspellings are our own: one or two slips in every 31st word of the word
list, as the suggestion tests use them, and misspellings as people make them,
by rules (tests/data/spell/realistic_misspellings.txt). Public lists of real
misspellings are not at hand offline.

  --suggestions-only: the suggestion figures alone."""
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TREE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/native")
QUICK = "--quick" in sys.argv
SUGGESTIONS_ONLY = "--suggestions-only" in sys.argv
# --quillet PATH: another build's quillet (an earlier one, for figures before
# and after a change) over this tree's dictionary.
QUILLET = (sys.argv[sys.argv.index("--quillet") + 1] if "--quillet" in sys.argv
           else os.path.join(TREE, "cli", "quillet"))
ADM = os.path.join(TREE, "American.adm")
WORDS = "/usr/share/dict/american-english"
# Misspellings as people make them (by sound, doubled and dropped letters;
# bench/make_misspellings.py writes them).
REALISTIC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data", "spell",
                         "realistic_misspellings.txt")
HUNSPELL = shutil.which("hunspell")
ASPELL = shutil.which("aspell")
WORK = tempfile.mkdtemp(prefix="tq-compare-")


def run(cmd, stdin_path):
    """Processor and wall seconds of one run of cmd with stdin from a file."""
    with open(stdin_path, "rb") as f:
        start = time.perf_counter()
        p = subprocess.Popen(cmd, stdin=f, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(p.pid, 0)
        wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        raise SystemExit(f"{cmd[0]} failed")
    return usage.ru_utime + usage.ru_stime, wall


def median_run(cmd, stdin_path, times=3):
    runs = [run(cmd, stdin_path) for _ in range(times)]
    return statistics.median(r[0] for r in runs), statistics.median(r[1] for r in runs)


def write(name, text):
    path = os.path.join(WORK, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path


def english_text(limit):
    parts, size = [], 0
    files = sorted(os.path.join("/usr/share/common-licenses", n) for n in os.listdir("/usr/share/common-licenses"))
    files += sorted(os.path.join("/usr/share/doc", d, "copyright") for d in os.listdir("/usr/share/doc"))
    for path in files:
        if not os.path.isfile(path):
            continue
        with open(path, "rb") as f:
            data = f.read().decode("utf-8", "replace")
        parts.append(data + "\n")
        size += len(data) + 1
        if size >= limit:
            break
    return "".join(parts)


def pipe_lines(text):
    # Every line as text to check, never as a command of the ispell protocol.
    return "".join("^" + line + "\n" for line in text.split("\n"))


def row(work, ours, others):
    cells = [f"{work:<52}", f"quillet {ours[0] * 1000:9.1f} ms cpu ({ours[1] * 1000:8.1f} wall)"]
    for name, fig in others:
        if fig is None:
            continue
        cells.append(f"{name} {fig[0] * 1000:9.1f} ms  x{ours[0] / fig[0]:.2f}")
    print("  ".join(cells))


def listing(name, text_path, pipe_path):
    """The ispell conversation (an answer per word) and list mode (the
    unknown words only, as the others' list modes)."""
    hun = median_run([HUNSPELL, "-l", "-d", "en_US"], text_path) if HUNSPELL else None
    asp = median_run([ASPELL, "list", "--lang=en_US"], text_path) if ASPELL else None
    ours = median_run([QUILLET, "pipe", "--max", "0", "--dict", ADM], pipe_path)
    row(name + " (pipe)", ours, [("hunspell", hun), ("aspell", asp)])
    ours = median_run([QUILLET, "pipe", "-l", "--dict", ADM], text_path)
    row(name + " (-l)", ours, [("hunspell", hun), ("aspell", asp)])


class Pipe:
    """An ispell -a conversation: one line in, its answers until the blank line."""

    def __init__(self, cmd):
        self.p = subprocess.Popen(cmd, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  text=True, encoding="utf-8", bufsize=1)
        self.p.stdout.readline()  # the banner

    def cpu(self):
        """Nanoseconds the checker has spent on a processor so far (Linux)."""
        with open(f"/proc/{self.p.pid}/schedstat") as f:
            return int(f.read().split()[0])

    def ask(self, word):
        self.p.stdin.write("^" + word + "\n")
        self.p.stdin.flush()
        answers = []
        while True:
            line = self.p.stdout.readline()
            if line in ("\n", ""):
                return answers
            answers.append(line.rstrip("\n"))

    def close(self):
        self.p.stdin.close()
        self.p.wait()


def suggestions(name, cmd, misspellings):
    """Per word: the checker's processor time, and where the word meant is
    among its suggestions (letter case aside)."""
    pipe = Pipe(cmd)
    times, one, five, anywhere = [], 0, 0, 0
    for typed, meant in misspellings:
        start = pipe.cpu()
        answers = pipe.ask(typed)
        times.append((pipe.cpu() - start) / 1e9)
        for a in answers:
            if a.startswith("& "):
                listed = [s.strip().lower() for s in a.split(":", 1)[1].split(",")]
                at = listed.index(meant.lower()) if meant.lower() in listed else -1
                one += at == 0
                five += 0 <= at < 5
                anywhere += at >= 0
    pipe.close()
    times.sort()
    mean = statistics.mean(times) * 1e6
    p95 = times[len(times) * 95 // 100] * 1e6
    n = len(misspellings)
    return name, mean, p95, 100.0 * one / n, 100.0 * five / n, 100.0 * anywhere / n


def compare_suggestions(title, sample, hunspell_step):
    print(f"{title}: per word, the checker's processor time (mean, p95) and how often the word meant comes first,"
          " among the first five and anywhere:")
    results = [suggestions("quillet", [QUILLET, "pipe", "--dict", ADM], sample),
               suggestions("quillet --thorough", [QUILLET, "pipe", "--thorough", "--dict", ADM], sample)]
    if ASPELL:
        results.append(suggestions("aspell", [ASPELL, "-a", "--lang=en_US"], sample))
    if HUNSPELL:
        results.append(suggestions("hunspell", [HUNSPELL, "-a", "-d", "en_US"], sample[::hunspell_step]))
    base = {r[0]: r[1:3] for r in results}
    for name, mean, p95, one, five, anywhere in results:
        ratio = ""
        if "aspell" in base and name != "aspell":
            ratio = f"  x{mean / base['aspell'][0]:.2f} / x{p95 / base['aspell'][1]:.2f} of aspell"
        print(f"  {name:<20} mean {mean:7.0f} us  p95 {p95:7.0f} us  top-1 {one:5.1f}%  top-5 {five:5.1f}%"
              f"  any {anywhere:5.1f}%{ratio}")
    if HUNSPELL and hunspell_step > 1:
        print(f"  (hunspell on every {hunspell_step}th word of the sample: it takes tens of ms a word)")


def listings():
    """Loading, listing and checking text."""
    empty = write("empty.txt", "")
    row("load a dictionary, check nothing", median_run([QUILLET, "pipe", "--dict", ADM], empty),
        [("hunspell", median_run([HUNSPELL, "-a", "-d", "en_US"], empty) if HUNSPELL else None),
         ("aspell", median_run([ASPELL, "-a", "--lang=en_US"], empty) if ASPELL else None)])

    with open(WORDS, encoding="utf-8") as f:
        plain = [w for w in f.read().split() if w.isalpha() and w.islower() and w.isascii() and len(w) > 2]
    count = 200000 if QUICK else 1000000
    correct = [plain[(i * 7919) % len(plain)] for i in range(count)]
    text = "\n".join(" ".join(correct[i:i + 10]) for i in range(0, count, 10)) + "\n"
    listing(f"{count // 1000} k dictionary words, listing", write("correct.txt", text),
            write("correct.pipe", pipe_lines(text)))

    size = (2 if QUICK else 8) << 20
    english = english_text(size)[:size]
    listing(f"{len(english) / 1e6:.1f} MB of licence and copyright text, listing", write("english.txt", english),
            write("english.pipe", pipe_lines(english)))

    # The same text repeated, so that each size holds the same mix of words.
    half = english[:500000]
    once = median_run([QUILLET, "check", "--dict", ADM, write("half.txt", half)], empty)
    twice = median_run([QUILLET, "check", "--dict", ADM, write("twice.txt", half * 2)], empty)
    four = median_run([QUILLET, "check", "--dict", ADM, write("four.txt", half * 4)], empty)
    print(f"{'quillet check: 0.5 MB, the same twice, four times':<52}  {once[0]:.2f} s, {twice[0]:.2f} s,"
          f" {four[0]:.2f} s cpu: x{twice[0] / once[0]:.2f}, x{four[0] / once[0]:.2f}")


def main():
    for path in (QUILLET, ADM):
        if not os.path.exists(path):
            raise SystemExit(f"{path} is missing: build quillet and american_dictionary in {TREE}")
    print("compared with:", ", ".join(n for n, p in (("hunspell", HUNSPELL), ("aspell", ASPELL)) if p) or "nothing "
          "(run bench/setup.sh)")
    print("times: processor time of the process, median of 3; xN = quillet's time / the other's")

    if not SUGGESTIONS_ONLY:
        listings()

    listed = os.path.join(WORK, "misspellings.txt")
    subprocess.run([os.path.join(TREE, "bench", "suggest_bench"), "--dict", ADM, "--write-list", listed],
                   check=True, stdout=subprocess.DEVNULL)
    with open(listed, encoding="utf-8") as f:
        pairs = [tuple(line.rstrip("\n").split("\t")) for line in f if "\t" in line]
    compare_suggestions(f"suggestions through the ispell pipe, {len(pairs[::8 if QUICK else 4])} of our {len(pairs)} "
                        "slips", pairs[::8 if QUICK else 4], 4)
    with open(REALISTIC, encoding="utf-8") as f:
        real = [tuple(line.rstrip("\n").split("\t")) for line in f if "\t" in line]
    real = real[::2] if QUICK else real
    compare_suggestions(f"suggestions through the ispell pipe, {len(real)} misspellings as people make them "
                        f"({os.path.relpath(REALISTIC)})", real, 2)

    print("through the library API (processor time):")
    for bench in ("suggest_bench", "dictionary_bench"):
        out = subprocess.run([os.path.join(TREE, "bench", bench)], check=True, capture_output=True, text=True).stdout
        for line in out.splitlines():
            if any(k in line for k in ("mean", "lookups over", "load (")):
                print("  " + line.strip())
    shutil.rmtree(WORK)


if __name__ == "__main__":
    main()
