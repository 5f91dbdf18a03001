#!/usr/bin/python3
"""Walks Zorvik's accessibility tree over AT-SPI, as a screen reader sees it,
prints it, and checks that every control a child can reach is announced
sensibly; then presses Start through AT-SPI and checks the message box that
comes up. Run by scripts/accessibility_check.sh, which starts the program."""

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

    for problem in problems:
        print("PROBLEM:", problem)
    print("accessibility: %d problems" % len(problems))
    sys.exit(1 if problems else 0)


main()
