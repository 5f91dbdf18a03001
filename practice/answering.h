#pragma once

#include <optional>

// MainWindow's handlers for answering and changing the question.
void ChangeQuestionClicked();
void AnswerTextChanged();
std::optional<bool> AnswerKeyPressed(int keyCode, int shiftState);

// Grades the answer box against expectedAnswer, counts it, pushes a sprite in
// contest mode and puts up the next question.
void SubmitAnswer();

// Ends a free-mode run with its summary once as many answers as asked for
// have been graded.
void CheckPracticeComplete();
