"""The checks of a finished soak run (soak.py check FOLDER TERMINALS CYCLES MES_SQL).

FOLDER holds data/MES_TALVEN.sqlite and one program folder tNN per terminal with the
program's standard output (out.txt) and error output (err.txt), its exit status (status),
its run time in seconds (seconds) and its memory samples (memory.tsv: milliseconds since the
start, VmRSS kB, VmHWM kB, the script line of the step running then).
"""

import glob
import os
import subprocess

import soak

# The cycle whose end gives the early resident memory figure (or the middle cycle of a
# shorter run), and the growth from there to the end that fails the check.
EARLY_CYCLE = 50
GROWTH_LIMIT_KB = 8 * 1024
GROWTH_LIMIT_SHARE = 0.05


class Run:
    def __init__(self, folder, terminals, cycles, mes_sql):
        self.folder = folder
        self.terminals = [soak.Terminal(n, terminals, cycles) for n in range(1, terminals + 1)]
        self.cycles = cycles
        self.mes_sql = mes_sql
        self.failures = []
        self.figures = []

    def fail(self, text):
        self.failures.append(text)

    def rows(self, sql):
        """The rows of a query as lists of texts (the header left out)."""
        db = os.path.join(self.folder, "data", "MES_TALVEN.sqlite")
        p = subprocess.run(
            [self.mes_sql, "--db", db, "-e", sql], capture_output=True, text=True, check=False
        )
        if p.returncode != 0:
            self.fail("query failed: %s: %s" % (sql, p.stderr.strip()))
            return []
        lines = p.stdout.splitlines()[1:]
        return [line.split("\t") for line in lines]

    def terminal_folder(self, t):
        return os.path.join(self.folder, "t%02d" % t.number)


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return None


def check_replays(run):
    """Exit status 0, no failed step, and only the messages a cycle expects."""
    for t in run.terminals:
        folder = run.terminal_folder(t)
        status = (read(os.path.join(folder, "status")) or "").strip()
        if status != "0":
            run.fail("terminal %d: exit status %s" % (t.number, status or "missing"))
        err = read(os.path.join(folder, "err.txt")) or ""
        for line in err.splitlines():
            if line.startswith("replay:"):
                run.fail("terminal %d: %s" % (t.number, line))
        out = read(os.path.join(folder, "out.txt")) or ""
        expected = {t.worker_name + "님 확인되었습니다.": 1, "저장이 완료되었습니다.": run.cycles}
        seen = {}
        for line in out.splitlines():
            parts = line.split("\t")
            if parts[0] != "message":
                continue
            text = parts[-1]
            if text not in expected:
                run.fail("terminal %d: unexpected message: %s" % (t.number, "\t".join(parts[1:])))
            seen[text] = seen.get(text, 0) + 1
        for text, count in expected.items():
            if seen.get(text, 0) != count and status == "0":
                run.fail(
                    "terminal %d: %s shown %d times, not %d"
                    % (t.number, text, seen.get(text, 0), count)
                )


def check_error_logs(run):
    for t in run.terminals:
        for path in glob.glob(os.path.join(run.terminal_folder(t), "*.err")):
            text = read(path) or ""
            if text.strip():
                first = text.strip().splitlines()[0]
                run.fail("terminal %d: error log %s: %s" % (t.number, os.path.basename(path), first))


# Keys the terminals number or write once per run; each must occur once.
UNIQUE_KEYS = [
    ("job numbers", "P_SANGSAN_MASTER", "op_seq"),
    ("run numbers", "P_SANGSAN_MASTER", "op_seq_sub"),
    ("work order lines", "B_JAKUPJISI_MASTER", "seq"),
    ("finished-goods receipts", "P_PRODUCT_IPGO", "ipgo_no_sub"),
    ("finished-goods ledger receipts", "P_PRODUCT_STORE", "ipgo_no_sub"),
    (
        "stock movements",
        "S_PRODUCT_STORE",
        "isnull(ipgo_no_sub, '') + '|' + isnull(culgo_no_sub, '') + '|' + product_code + '|' "
        "+ isnull(culgo_type, '') + '|' + isnull(lot_no, '')",
    ),
    ("lot history", "S_LOT_HISTORY", "ipgo_no_sub + '|' + culgo_product_code + '|' + culgo_lot_no"),
]


def check_unique(run):
    for name, table, key in UNIQUE_KEYS:
        dup = run.rows(
            "SELECT %s AS k, COUNT(*) AS n FROM %s GROUP BY %s HAVING COUNT(*) > 1"
            % (key, table, key)
        )
        for k, n in dup:
            run.fail("duplicate %s: %s (%s times)" % (name, k, n))
    runs = run.rows("SELECT COUNT(*) FROM P_SANGSAN_MASTER")
    total = len(run.terminals) * run.cycles
    if runs and int(runs[0][0]) != total:
        run.fail("%s runs written, not %d" % (runs[0][0], total))
    run.figures.append(("runs (unique job and run numbers)", runs[0][0] if runs else "?"))


def number(text):
    return 0 if text in ("", "NULL") else float(text)


def check_balances(run):
    """Every row's running balance equals the sum of its product's movements up to it, in
    the order the balance reads follow: by date, then by row."""
    for table in ("S_PRODUCT_STORE", "P_PRODUCT_STORE"):
        rows = run.rows(
            "SELECT product_code, reg_date, idx, ipgo_su, culgo_su, jego_su FROM %s "
            "ORDER BY product_code, reg_date, idx" % table
        )
        sums = {}
        wrong = 0
        for product, day, idx, receipt, issue, balance in rows:
            sums[product] = sums.get(product, 0) + number(receipt) - number(issue)
            if abs(sums[product] - number(balance)) > 1e-6:
                wrong += 1
                if wrong <= 5:
                    run.fail(
                        "%s row %s (%s, %s): balance %s, movements sum to %g"
                        % (table, idx, product, day, balance, sums[product])
                    )
        if wrong > 5:
            run.fail("%s: %d rows with a wrong balance in all" % (table, wrong))
        run.figures.append(("%s rows checked" % table, str(len(rows))))


def same(want, got):
    """Texts compare as texts, numbers as numbers ("60.000" is 60)."""
    if len(want) != len(got):
        return False
    for w, g in zip(want, got):
        if isinstance(w, str):
            if w != g:
                return False
        elif g in ("", "NULL") or abs(float(g) - w) > 1e-6:
            return False
    return True


def check_runs(run):
    """Each job wrote what its cycle entered: nothing lost, nothing doubled."""
    runs = {
        r[0]: r[1:]
        for r in run.rows(
            "SELECT S.seq, S.qty, S.bad_qty, J.qty, J.bad_qty, J.end_yn, "
            "(SELECT COUNT(*) FROM P_BADQTY B WHERE B.op_seq_sub = S.op_seq_sub AND B.bad_qty = 2), "
            "(SELECT COUNT(*) FROM P_BIGADONG G WHERE G.op_seq_sub = S.op_seq_sub AND "
            "G.bigadong_code = 'B02' AND G.min = 15), "
            "(SELECT COUNT(*) FROM P_BIGADONG G WHERE G.op_seq_sub = S.op_seq_sub AND "
            "isnull(G.bigadong_code, '') = '' AND G.etime IS NOT NULL), "
            "(SELECT SUM(ipgo_su) FROM S_PRODUCT_STORE M WHERE M.ipgo_no_sub = S.op_seq_sub), "
            "(SELECT SUM(culgo_su) FROM S_PRODUCT_STORE M WHERE M.culgo_no_sub = S.op_seq_sub "
            "AND M.product_code = 'M1'), "
            "(SELECT SUM(culgo_su) FROM S_PRODUCT_STORE M WHERE M.culgo_no_sub = S.op_seq_sub "
            "AND M.product_code = 'M2'), "
            "(SELECT SUM(ipgo_su) FROM P_PRODUCT_STORE M WHERE M.ipgo_no_sub = S.op_seq_sub) "
            "FROM P_SANGSAN_MASTER S JOIN B_JAKUPJISI_MASTER J ON J.seq = S.seq"
        )
    }
    wrong = 0
    for t in run.terminals:
        for c in range(1, run.cycles + 1):
            _, seq, _ = t.order(c)
            made = t.made(c)
            good = made - 2
            want = [good, 2, good, 2, "3", 1, 1, 1, good, 2 * made, made, good]
            got = runs.get(seq)
            if got is None or not same(want, got):
                wrong += 1
                if wrong <= 5:
                    run.fail("order %s: wrote %s, the cycle entered %s" % (seq, got, want))
    if wrong > 5:
        run.fail("%d orders wrote other values than their cycle entered" % wrong)


def samples(path):
    out = []
    for line in (read(path) or "").splitlines():
        parts = line.split("\t")
        if len(parts) == 4 and all(p.isdigit() for p in parts):
            out.append([int(p) for p in parts])
    return out


def check_memory(run):
    """Peak resident memory, and resident memory after an early cycle against the last one."""
    early_cycle = min(EARLY_CYCLE, max(1, run.cycles // 2))
    peaks, growths = [], []
    for t in run.terminals:
        marks = dict((c, line) for c, line in _marks(t))
        mem = samples(os.path.join(run.terminal_folder(t), "memory.tsv"))
        if not mem:
            run.fail("terminal %d: no memory samples" % t.number)
            continue
        peak = max(s[2] for s in mem)
        early = next((s for s in mem if s[3] > marks[early_cycle]), None)
        # The last sample before the script's last step: afterwards the program tears its
        # screens down, which frees memory and would hide growth.
        last = next((s for s in reversed(mem) if s[3] < marks[run.cycles]), mem[-1])
        peaks.append(peak)
        if early is None:
            run.fail("terminal %d: no memory sample after cycle %d" % (t.number, early_cycle))
            continue
        growth = last[1] - early[1]
        growths.append(growth)
        limit = max(GROWTH_LIMIT_KB, GROWTH_LIMIT_SHARE * early[1])
        run.figures.append(
            (
                "terminal %d memory" % t.number,
                "peak %.1f MiB, after cycle %d %.1f MiB, in the last cycle %.1f MiB (%+.1f MiB)"
                % (peak / 1024, early_cycle, early[1] / 1024, last[1] / 1024, growth / 1024),
            )
        )
        if growth > limit:
            run.fail(
                "terminal %d: resident memory grew by %d kB from cycle %d to the last (limit %d kB)"
                % (t.number, growth, early_cycle, limit)
            )
    if peaks:
        run.figures.append(("peak resident memory (highest)", "%.1f MiB" % (max(peaks) / 1024)))
    if growths:
        run.figures.append(
            (
                "resident memory growth from cycle %d to the last" % early_cycle,
                "%+.1f to %+.1f MiB" % (min(growths) / 1024, max(growths) / 1024),
            )
        )


def _marks(t):
    for i, (_, c) in enumerate(soak.script_lines(t), start=1):
        if c is not None:
            yield c, i


def check_times(run):
    times = []
    for t in run.terminals:
        s = (read(os.path.join(run.terminal_folder(t), "seconds")) or "").strip()
        if s.isdigit():
            times.append(int(s))
    if times:
        run.figures.append(
            ("terminal run time", "%d to %d s (%d cycles each)" % (min(times), max(times), run.cycles))
        )


def run(folder, terminals, cycles, mes_sql):
    r = Run(folder, terminals, cycles, mes_sql)
    for check in (check_replays, check_error_logs, check_unique, check_balances, check_runs,
                  check_memory, check_times):
        check(r)
    print("soak: %d terminals x %d cycles" % (terminals, cycles))
    for name, value in r.figures:
        print("  %s: %s" % (name, value))
    for f in r.failures:
        print("FAILED: %s" % f)
    print("soak: %s" % ("failed (%d)" % len(r.failures) if r.failures else "all checks passed"))
    return 1 if r.failures else 0
