#!/usr/bin/python3
"""Walks Zorvik's accessibility tree over AT-SPI, as a screen reader sees it,
prints it, and checks that every control a child can reach is announced
sensibly; then presses Start through AT-SPI and checks the message box that
comes up; then starts a contest and checks that the answer box is described
by the question on show, after Start, after an answer and (empty) after
Stop. Run by scripts/accessibility_check.sh, which starts the program."""

import sys
import time

import pyatspi

EXPECTED = [  # (role, name) pairs that must be in the main window
    ("radio button", "自由模式"),
    ("radio button", "竞赛模式"),
    ("push button", "开始"),
    ("push button", "停止"),
    ("push button", "确定"),
    ("push button", "换题"),
    ("text", "题数"),
    ("text", "答案"),
    ("slider", "竞赛模式难度"),
    ("animation", "我的小人"),
    ("animation", "小怪物"),
    ("animation", "Zorvik 封面图"),
    ("label", "用时："),
    ("menu item", "设置数值范围"),
    ("menu item", "设置运算符号"),
    ("menu item", "软件说明"),
]


def find_app(name, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"accessibility: no application '{name}' on the bus")


def walk(node, depth=0, seen=None):
    seen = [] if seen is None else seen
    role, name = node.getRoleName(), node.name
    seen.append((role, name, node))
    print("  " * depth + f"[{role}] {name!r}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, seen)
    return seen


def collect(node, seen=None):
    """(role, name, node) for the node and everything below it, unprinted."""
    seen = [] if seen is None else seen
    seen.append((node.getRoleName(), node.name, node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            collect(child, seen)
    return seen


def press(nodes, role, name):
    node = next(node for r, n, node in nodes if r == role and n == name)
    node.queryAction().doAction(0)
    time.sleep(1)


def question_row(nodes, answer):
    """The captions of the labels left of the answer box on its line, joined
    by blanks, as a child sees the question: "48 - 37 =" (the equals sign is
    a label of its own)."""
    box = answer.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    row = []
    for role, name, node in nodes:
        if role != "label" or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        at = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        middle = at.y + at.height // 2
        if box.y <= middle < box.y + box.height and at.x < box.x:
            row.append((at.x, name))
    return " ".join(name for _, name in sorted(row))


def check_question_description(problems):
    """Contest mode (no number of questions to type): Start, answer, Stop."""
    nodes = collect(find_app("zorvik"))
    press(nodes, "radio button", "竞赛模式")
    press(nodes, "push button", "开始")
    for step in ("after Start", "after an answer", "after Stop"):
        nodes = collect(find_app("zorvik"))
        answer = next(node for r, n, node in nodes if r == "text" and n == "答案")
        shown = question_row(nodes, answer)
        expected = "" if step == "after Stop" else shown
        print(f"{step}: answer box {answer.name!r}, description {answer.description!r}, labels {shown!r}")
        if answer.description != expected:
            problems.append(f"{step}: answer box described as {answer.description!r}, not {expected!r}")
        if step == "after Start":
            a, sign, b, _ = shown.split(" ")
            right = {"+": int(a) + int(b), "-": int(a) - int(b), "×": int(a) * int(b), "÷": int(a) // int(b)}[sign]
            answer.queryEditableText().setTextContents(str(right))
            press(nodes, "push button", "确定")
        elif step == "after an answer":
            press(nodes, "push button", "停止")


def main():
    app = find_app("zorvik")
    nodes = walk(app)
    missing = [pair for pair in EXPECTED if pair not in {(r, n) for r, n, _ in nodes}]
    unnamed = [r for r, n, _ in nodes if r in ("push button", "radio button", "text", "slider") and not n]
    frames = [n for r, n, _ in nodes if r == "frame"]
    problems = []
    if missing:
        problems.append(f"not announced: {missing}")
    if unnamed:
        problems.append(f"controls without a name: {unnamed}")
    if "Zorvik1.0" not in frames:
        problems.append(f"main window not announced as a frame named Zorvik1.0 (frames: {frames})")

    start = next(node for r, n, node in nodes if r == "push button" and n == "开始")
    start.queryAction().doAction(0)
    time.sleep(1.5)
    boxes = [(r, n, node) for r, n, node in walk(find_app("zorvik")) if r in ("alert", "dialog")]
    texts = [n for node in boxes for _, n, _ in walk(node[2])]
    if not any(name == "提示" for _, name, _ in boxes):
        problems.append(f"message box not announced by its title: {[(r, n) for r, n, _ in boxes]}")
    if not any("请选择要练习的模式" in t for t in texts):
        problems.append("message box text not announced")
    for _, _, box in boxes:
        press(collect(box), "push button", "确定")

    check_question_description(problems)

    for problem in problems:
        print("PROBLEM:", problem)
    print("accessibility: %d problems" % len(problems))
    sys.exit(1 if problems else 0)


main()
