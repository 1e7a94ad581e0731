#!/usr/bin/env python3
"""Expected rounding results from Python's decimal module, for the C++ checker in oracle_test.cpp.

Every line is one double at one rounding position:

    <16 hex digits: the double's bits> <digits> <half up> <up> <down> [<case id>]

<digits> counts decimals; -1 means tens. Each result is the plain text of
Decimal(repr(x)).quantize(10^-digits) under that rounding, or "-" when not given. Negative zero is
written without its sign. The stream ends with "end <values> <lines>" so the reader can tell a
complete run from a crashed one.

    gen_vectors.py random --values N --seed S   seeded values of every kind the dialog meets
    gen_vectors.py dectest [DIR]                the General Decimal Arithmetic quantize, rescale and
                                                tointegralx cases whose operands are doubles
"""

import argparse
import glob
import math
import os
import random
import struct
import sys
import sysconfig
from decimal import ROUND_DOWN, ROUND_HALF_UP, ROUND_UP, Context, Decimal, InvalidOperation

CTX = Context(prec=1200, Emax=999999, Emin=-999999)
ROUNDINGS = (ROUND_HALF_UP, ROUND_UP, ROUND_DOWN)
DIGITS = (-1, 0, 1, 2, 3, 4, 5, 6)


def bits(x):
    return "%016x" % struct.unpack("<Q", struct.pack("<d", x))[0]


def plain(q):
    """Fixed-point text of q with exactly max(0, -exponent) decimals and no "-0"."""
    s = format(q, "f")
    return s[1:] if s[0] == "-" and q.is_zero() else s


QUANTUM = {d: Decimal(1).scaleb(-d, CTX) for d in DIGITS}


def short_decimal(rnd, lo_exp, hi_exp, max_sig=15):
    """A decimal with few significant digits, as a user types or a dimension carries."""
    sig = rnd.randint(1, max_sig)
    n = rnd.randrange(10 ** (sig - 1), 10**sig)
    e = rnd.randint(lo_exp, hi_exp)
    return float(Decimal(n).scaleb(e - sig + 1, CTX))


def grid_decimal(rnd, digits, extra):
    """N * 10^-digits (+ extra units of 10^-digits), at most 10^15."""
    width = rnd.randint(1, 15 + max(digits, 0))
    n = rnd.randrange(0, 10**width)
    return float((Decimal(n) + Decimal(extra)).scaleb(-digits, CTX))


def neighbour(x, rnd):
    steps = 1 if rnd.random() < 0.8 else 2
    toward = math.inf if rnd.random() < 0.5 else -math.inf
    for _ in range(steps):
        x = math.nextafter(x, toward)
    return x


def computed(rnd):
    a = short_decimal(rnd, -3, 4, 6)
    b = short_decimal(rnd, -3, 4, 6)
    op = rnd.randrange(6)
    if op == 0:
        return a + b
    if op == 1:
        return a - b
    if op == 2:
        return a * b
    if op == 3:
        return a / b
    if op == 4:  # a running total of small readings
        return sum(short_decimal(rnd, -3, 1, 3) for _ in range(rnd.randint(2, 12)))
    return a * b * short_decimal(rnd, -2, 2, 4)  # a volume


def value(rnd, digits):
    kind = rnd.randrange(20)
    if kind < 5:
        x = 10 ** rnd.uniform(-7, 15)
    elif kind < 6:
        x = math.ldexp(1 + rnd.getrandbits(52) / 2**52, rnd.randint(-24, 49))
    elif kind < 9:
        x = short_decimal(rnd, -7, 14)
    elif kind < 13:  # a tie at the position under test, in the shortest-text sense
        x = grid_decimal(rnd, digits, "0.5")
    elif kind < 16:  # a double or two either side of a tie
        x = neighbour(grid_decimal(rnd, digits, "0.5"), rnd)
    elif kind < 18:  # already on the grid: up and down must leave it alone, or just off it
        x = grid_decimal(rnd, digits, "0")
        if rnd.random() < 0.4:
            x = neighbour(x, rnd)
    else:
        x = computed(rnd)
    if not (1e-7 <= abs(x) <= 1e15) and rnd.random() < 0.97:
        x = 10 ** rnd.uniform(-7, 15)
    return -x if rnd.random() < 0.5 else x


def emit_random(count, seed, out):
    rnd = random.Random(seed)
    half_up, up, down = ROUNDINGS
    pack = struct.Struct("<d").pack
    others = {t: [d for d in DIGITS if d != t] for t in DIGITS}
    pinned = [0.0, -0.0, 0.5, -0.5, 1.005, 2.675, 0.285, 1e15, 1e-7, 68058.4, 5058.1]
    buf = []
    for i in range(count):
        target = rnd.choice(DIGITS)
        x = pinned[i] if i < len(pinned) else value(rnd, target)
        key = pack(x)[::-1].hex()
        shortest = Decimal(repr(x))
        for digits in (target, rnd.choice(others[target])):
            q = QUANTUM[digits]
            texts = [plain(shortest.quantize(q, r, CTX)) for r in (half_up, up, down)]
            buf.append("%s %d %s %s %s\n" % (key, digits, texts[0], texts[1], texts[2]))
        if len(buf) >= 2000:
            out.write("".join(buf))
            buf.clear()
    out.write("".join(buf))
    out.write("end %d %d\n" % (count, 2 * count))


def dectest_dirs():
    env = os.environ.get("BR_DECTEST_DIR")
    if env:
        yield env
    yield "/usr/lib/python3.11/test/decimaltestdata"
    yield os.path.join(sysconfig.get_paths()["stdlib"], "test", "decimaltestdata")
    # Debian ships the stdlib tests separately; other local interpreters often carry them.
    for pattern in ("/usr/lib/python3*/test/decimaltestdata", "/usr/local/lib/python3*/test/decimaltestdata",
                    os.path.expanduser("~/.pyenv/versions/*/lib/python3*/test/decimaltestdata")):
        yield from sorted(glob.glob(pattern))


def tokens(line):
    out, cur, quote = [], "", None
    for ch in line:
        if quote:
            if ch == quote:
                quote = None
            else:
                cur += ch
        elif ch in "'\"":
            quote = ch
        elif ch.isspace():
            if cur:
                out.append(cur)
            cur = ""
        else:
            cur += ch
    if cur:
        out.append(cur)
    return out


ROUNDING_COLUMN = {"half_up": 0, "up": 1, "down": 2}


def dectest_cases(path):
    """(id, x, digits, column, expected text) for every case this library can be asked."""
    rounding = "half_up"
    with open(path) as f:
        for raw in f:
            line = raw.split("--", 1)[0].strip()
            if not line:
                continue
            if ":" in line.split()[0]:
                key, _, val = line.partition(":")
                if key.strip().lower() == "rounding":
                    rounding = val.strip().lower()
                continue
            tok = tokens(line)
            if "->" not in tok or rounding not in ROUNDING_COLUMN:
                continue
            arrow = tok.index("->")
            case, op, args, result, conditions = tok[0], tok[1].lower(), tok[2:arrow], tok[arrow + 1], tok[arrow + 2:]
            if op not in ("quantize", "rescale", "tointegralx") or "#" in "".join(args) + result:
                continue
            if any(c.lower() in ("invalid_operation", "clamped", "overflow", "underflow") for c in conditions):
                continue
            try:
                operand = Decimal(args[0])
                exp_value = Decimal(result)
                if op == "quantize":
                    q = Decimal(args[1])
                    digits = -q.as_tuple().exponent if q.is_finite() else None
                elif op == "rescale":
                    digits = -int(Decimal(args[1]))
                else:
                    digits = 0
            except (InvalidOperation, ValueError, IndexError, OverflowError):
                continue
            if digits is None or not operand.is_finite() or not exp_value.is_finite() or abs(digits) > 400:
                continue
            x = float(operand)
            # Only operands that are the shortest text of some double are questions this library answers.
            if math.isinf(x) or Decimal(repr(x)) != operand or (x == 0) != operand.is_zero():
                continue
            # tointegralx keeps a positive exponent; the text is the same integer either way.
            yield case, x, digits, ROUNDING_COLUMN[rounding], plain(exp_value)


def emit_dectest(directory, out):
    names = ("quantize.decTest", "rescale.decTest", "tointegralx.decTest")
    found = directory if directory else next((d for d in dectest_dirs() if os.path.isdir(d)), None)
    if not found or not all(os.path.exists(os.path.join(found, n)) for n in names):
        out.write("skip no decimaltestdata\n")
        return
    lines = 0
    for name in names:
        for case, x, digits, column, text in dectest_cases(os.path.join(found, name)):
            texts = ["-", "-", "-"]
            texts[column] = text
            out.write("%s %d %s %s\n" % (bits(x), digits, " ".join(texts), case))
            lines += 1
    out.write("end %d %d\n" % (lines, lines))


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="mode", required=True)
    r = sub.add_parser("random")
    r.add_argument("--values", type=int, default=1000000)
    r.add_argument("--seed", type=int, default=20240611)
    d = sub.add_parser("dectest")
    d.add_argument("directory", nargs="?")
    args = parser.parse_args()
    out = sys.stdout
    if args.mode == "random":
        emit_random(args.values, args.seed, out)
    else:
        emit_dectest(args.directory, out)
    out.flush()


if __name__ == "__main__":
    main()
