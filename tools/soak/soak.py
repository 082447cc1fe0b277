#!/usr/bin/env python3
"""The soak run's plant, scripts and checks (used by scripts/soak).

  soak.py plan TERMINALS CYCLES
      One line per terminal: its number, machine, terminal address and --clock value.
  soak.py fixture TERMINALS CYCLES
      The T-SQL that fills a fresh plant schema: one press machine, worker and terminal
      address per terminal, its work orders, two materials with large lots, the defect and
      downtime codes.
  soak.py script TERMINAL TERMINALS CYCLES
      The terminal's replay script: a login, then CYCLES complete jobs.
  soak.py marks TERMINAL TERMINALS CYCLES
      "cycle<TAB>line" for every cycle: the script line that ends it.
  soak.py check FOLDER TERMINALS CYCLES MES_SQL
      Checks a finished run in FOLDER (see scripts/soak) and prints the summary; exit
      status 1 when a check failed.

Job numbers and work order numbers are a day followed by 001..999, so the terminals are
split into clock groups: each group works two days (its clock's yesterday and today, the
two days the work order list shows) and no day gets more than 999 jobs. Terminals of one
group share their days and so take numbers from the same range.
"""

import datetime
import sys

BASE_DAY = datetime.date(2024, 3, 5)
CLOCK_TIME = "09:30:00"
NUMBERS_PER_DAY = 999
WORKER_PASSWORD = "1111"
# Material usage per piece and their lots (lot, stock, date), oldest first.
MATERIALS = [
    ("M1", "PN-M1", "강판", 2, [("L1", 50000000, "2024-02-01"), ("L2", 50000000, "2024-02-02")]),
    ("M2", "PN-M2", "볼트", 1, [("K1", 50000000, "2024-02-01"), ("K2", 50000000, "2024-02-03")]),
]


def first_day_cycles(cycles):
    return (cycles + 1) // 2


def groups(terminals, cycles):
    """The number of clock groups: the fewest that keep every day within 999 numbers."""
    per_day = first_day_cycles(cycles)
    if per_day > NUMBERS_PER_DAY:
        raise SystemExit("soak: at most %d cycles a terminal" % (2 * NUMBERS_PER_DAY))
    per_group = NUMBERS_PER_DAY // per_day
    return (terminals + per_group - 1) // per_group


class Terminal:
    def __init__(self, number, terminals, cycles):
        g = groups(terminals, cycles)
        self.number = number
        self.group = (number - 1) % g
        # Its place among the terminals of its group.
        self.rank = (number - 1) // g
        self.cycles = cycles
        self.today = BASE_DAY + datetime.timedelta(days=2 * self.group)
        self.machine = "E%02d" % number
        self.machine_name = "프레스 %d호기" % number
        self.address = "10.77.0.%d" % number
        self.worker = "2%03d" % number
        self.worker_name = "작업자%d" % number

    def clock(self):
        return "%s %s" % (self.today.isoformat(), CLOCK_TIME)

    def order(self, cycle):
        """(work order number, line number, date) of the cycle's order (cycle from 1)."""
        first = first_day_cycles(self.cycles)
        if cycle <= first:
            day, index = self.today - datetime.timedelta(days=1), cycle
        else:
            day, index = self.today, cycle - first
        number = self.rank * first + index
        prod_no = day.strftime("%Y%m%d") + "%03d" % number
        return prod_no, prod_no + "001", day.isoformat()

    def made(self, cycle):
        """The pieces the cycle counts; two of them turn out defective."""
        return 20 + (self.number * 7 + cycle) % 31


def sql_text(v):
    return "N'" + v.replace("'", "''") + "'"


def fixture(terminals, cycles):
    out = [
        "INSERT INTO B_PROCESS (process_code, process_name) VALUES ('P10', N'프레스');",
        "INSERT INTO B_CAR (car_code, car_name) VALUES ('C1', N'K5');",
        "INSERT INTO B_PRODUCT_TYPE (product_type_code, product_type_name) "
        "VALUES ('T1', N'완제품');",
        "INSERT INTO B_ABC (abc, abc_gubun) VALUES ('R', N'자재');",
        "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, type, "
        "product_type_code, palette_ea) VALUES ('A', 'PN-A', N'브라켓', 'C1', N'완제품', 'T1', "
        "20);",
        "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) "
        "VALUES ('BA', NULL, 'A', 1);",
        "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D01', N'버');",
        "INSERT INTO B_PROCESSBAD (processbad_code, processbad_name) VALUES ('D02', N'미성형');",
        "INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D01');",
        "INSERT INTO B_PROCESSBAD1 (process_code, processbad_code) VALUES ('P10', 'D02');",
        "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B01', N'금형교체');",
        "INSERT INTO B_BIGADONG (bigadong_code, bigadong_name) VALUES ('B02', N'자재대기');",
    ]
    for code, pumbun, name, usage, lots in MATERIALS:
        out.append(
            "INSERT INTO B_PRODUCT_MASTER (product_code, pumbun, product_name, car_code, type, "
            "unit_code, abc) VALUES ('%s', '%s', %s, 'C1', N'원자재', 'EA', 'R');"
            % (code, pumbun, sql_text(name))
        )
        out.append(
            "INSERT INTO B_BOM (bom_code, high_bom_code, product_code, usage) "
            "VALUES ('BA-%s', 'BA', '%s', %d);" % (code, code, usage)
        )
        balance = 0
        for lot, qty, day in lots:
            balance += qty
            out.append(
                "INSERT INTO S_PRODUCT_STORE (product_code, lot_no, ipgo_su, culgo_su, jego_su, "
                "reg_date) VALUES ('%s', '%s', %d, 0, %d, '%s');" % (code, lot, qty, balance, day)
            )
    for n in range(1, terminals + 1):
        t = Terminal(n, terminals, cycles)
        out.append(
            "INSERT INTO B_EQUIPMENT (equipment_code, equipment_name, process_code, ipaddress) "
            "VALUES ('%s', %s, 'P10', '%s');" % (t.machine, sql_text(t.machine_name), t.address)
        )
        out.append(
            "INSERT INTO B_EQUIPMENT_TIME (equipment_code, process_code, product_code) "
            "VALUES ('%s', 'P10', 'A');" % t.machine
        )
        out.append(
            "INSERT INTO REAL_TIME (equipment_code, bigadong) VALUES ('%s', 'FALSE');" % t.machine
        )
        out.append(
            "INSERT INTO B_EMPLOYEE (employee_no, employee_name, pwd, emp_power) "
            "VALUES ('%s', %s, '%s', 'USER');" % (t.worker, sql_text(t.worker_name), WORKER_PASSWORD)
        )
        for c in range(1, cycles + 1):
            prod_no, seq, day = t.order(c)
            out.append(
                "INSERT INTO B_JAKUPJISI_MASTER (prod_no, seq, process_code, equipment_code, "
                "product_code, order_qty, qty, bad_qty, end_yn, employee_su, employee_no, "
                "juya_gubun, jisi_date) VALUES ('%s', '%s', 'P10', '%s', 'A', 50, 0, 0, '1', 1, "
                "'%s', '1', '%s');" % (prod_no, seq, t.machine, t.worker, day)
            )
    return "\n".join(out) + "\n"


def keypad(digits):
    return ["click frmKey2/cmd%s" % d for d in str(digits)] + ["click frmKey2/Command13"]


def login(t):
    return [
        "type FrmLogIn/txt_member_code %s" % t.worker,
        "type FrmLogIn/txt_member_pass %s" % WORKER_PASSWORD,
        "click FrmLogIn/btn_ok",
        "expect-message %s님 확인되었습니다." % t.worker_name,
        "answer Ok",
    ]


def cycle(t, c):
    """One complete job: start, the count, defects, a stop, downtime, lots, the end."""
    prod_no, seq, _ = t.order(c)
    made = t.made(c)
    steps = ["# cycle %d: order %s" % (c, seq)]
    steps += [
        'click frm_S_jakupjisi_list/"프레스"',
        'click frm_S_jakupjisi_list/"%s"' % t.machine_name,
        "expect frm_S_jakupjisi_list/ss[%d,19] 미완료" % c,
        "click frm_S_jakupjisi_list/ss[%d,5]" % c,
        "click frm_S_jakupjisi_list/btnStart",
        "expect frm_S_dayReport/lbl_jakupjisi_num %s" % seq,
    ]
    steps += ["click frm_S_dayReport/lblOk_Cnt"]
    steps += keypad(made)
    steps += [
        "expect frm_S_dayReport/lblJakup_Cnt %d" % made,
        # Two of the pieces counted are defective: production stays, good follows.
        "click frm_S_dayReport/lblBad_Cnt",
        "expect frm_S_badqty/ss[1,6] 미성형",
        "click frm_S_badqty/ss[1,7]",
    ]
    steps += keypad(2)
    steps += [
        "click frm_S_badqty/cmdSave",
        "expect frm_S_dayReport/lblBad_Cnt 2",
        "expect frm_S_dayReport/lblOk_Cnt %d" % (made - 2),
        "expect frm_S_dayReport/lblJakup_Cnt %d" % made,
        # A stop brings up the downtime history; back to the job to run the machine again.
        'click frm_S_dayReport/"설비정지"',
        "expect frm_S_Report_bigadong/lblWC_name 비가동내역 전체조회",
        "click frm_S_Report_bigadong/btnDayReport",
        'click frm_S_dayReport/"설비가동"',
        # 15 minutes waiting for material.
        'click frm_S_dayReport/"비가동 등록"',
        "expect frm_S_bigadong2/ss[2,5] 자재대기",
        "click frm_S_bigadong2/ss[2,6]",
    ]
    steps += keypad(15)
    steps += [
        "click frm_S_bigadong2/cmdSave",
        # First in, first out: the oldest lots; M2's lot is then scanned.
        "expect frm_S_dayReport/sprLot[1,8] L1",
        "expect frm_S_dayReport/sprLot[1,10] %d" % (2 * made),
        "expect frm_S_dayReport/sprLot[2,8] K1",
        "click frm_S_dayReport/sprLot[2,8]",
        "type frm_S_lot_select/txtBarcode *K2/M2*",
        "key Enter",
        "expect frm_S_dayReport/sprLot[2,8] K2",
        "expect frm_S_dayReport/sprLot[2,10] %d" % made,
        'click frm_S_dayReport/"작업종료"',
        "expect-message 저장이 완료되었습니다.",
        "click frm_MSG_001/Command14",
        "click frm_S_operation_sheet/cmdUnload",
        "expect frm_S_jakupjisi_list/lblWC_name 작업 전체조회",
    ]
    return steps


def script_lines(t):
    """The script as (text, ends cycle or None) per line."""
    lines = [("# Soak terminal %d: %d jobs on %s" % (t.number, t.cycles, t.machine_name), None)]
    lines += [(s, None) for s in login(t)]
    for c in range(1, t.cycles + 1):
        steps = cycle(t, c)
        lines += [(s, None) for s in steps[:-1]]
        lines.append((steps[-1], c))
    return lines


def main_plan(terminals, cycles):
    for n in range(1, terminals + 1):
        t = Terminal(n, terminals, cycles)
        print("%d\t%s\t%s\t%s" % (n, t.machine, t.address, t.clock()))


def main_script(number, terminals, cycles):
    t = Terminal(number, terminals, cycles)
    sys.stdout.write("\n".join(text for text, _ in script_lines(t)) + "\n")


def main_marks(number, terminals, cycles):
    t = Terminal(number, terminals, cycles)
    for i, (_, c) in enumerate(script_lines(t), start=1):
        if c is not None:
            print("%d\t%d" % (c, i))


if __name__ == "__main__":
    args = sys.argv[1:]
    cmd = args[0] if args else ""
    try:
        if cmd == "plan" and len(args) == 3:
            main_plan(int(args[1]), int(args[2]))
        elif cmd == "fixture" and len(args) == 3:
            sys.stdout.write(fixture(int(args[1]), int(args[2])))
        elif cmd == "script" and len(args) == 4:
            main_script(int(args[1]), int(args[2]), int(args[3]))
        elif cmd == "marks" and len(args) == 4:
            main_marks(int(args[1]), int(args[2]), int(args[3]))
        elif cmd == "check" and len(args) == 5:
            import soakcheck  # the checks, beside this file

            sys.exit(soakcheck.run(args[1], int(args[2]), int(args[3]), args[4]))
        else:
            sys.stderr.write(__doc__)
            sys.exit(2)
    except ValueError as e:
        sys.stderr.write("soak: %s\n" % e)
        sys.exit(2)
