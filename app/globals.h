#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// A counted one-dimensional array of 32-bit integers, indexed from 1.
// Every index the program uses is a constant within bounds or an operator
// number 1 to 4, so element access makes no bounds test.
struct IntegerArray {
    std::int32_t dimensionCount = 1;
    std::int32_t length = 0;
    std::vector<std::int32_t> elements;

    std::int32_t &operator()(std::int32_t i) { return elements[std::size_t(i - 1)]; }
};

// The element numbers of the three arrays, named by what they stand for.
enum Operator : std::int32_t { Addition = 1, Subtraction, Multiplication, Division };
inline constexpr std::array<Operator, 4> allOperators{Addition, Subtraction, Multiplication, Division};
enum RangeBound : std::int32_t { SmallestOperand = 1, LargestOperand };
enum RaceTimer : std::int32_t { PlayerTimer = 1, MonsterTimer };

// The program-wide state: the only things handlers share besides the
// controls themselves.
inline std::int32_t changesLeft = 0;     // question changes left in a contest
inline std::int32_t expectedAnswer = 0;  // result of the question on show
inline std::int32_t correctCount = 0;
inline std::int32_t wrongCount = 0;
inline std::unique_ptr<IntegerArray> operatorEnabled;  // by Operator; non-zero: may be drawn
inline std::unique_ptr<IntegerArray> numberRange;      // by RangeBound
inline std::int32_t elapsedMinutes = 0;
inline std::int32_t elapsedSeconds = 0;
inline std::unique_ptr<IntegerArray> racePeriods;  // by RaceTimer, in milliseconds

void InitGlobals();
void FreeGlobals();
