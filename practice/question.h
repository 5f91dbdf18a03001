#pragma once

// Puts a new question on MainWindow: an enabled operator and two operands
// drawn from the range, shown in 标签数1, 标签符号 and 标签数2, with the
// result kept in expectedAnswer. Subtraction never goes below zero and
// division always comes out even. The answer box's description for screen
// readers reads the question as shown.
void NextQuestion();

// Draws one operand from numberRange and writes it as the caption of the
// given number label.
void DrawOperand(const char *label);
