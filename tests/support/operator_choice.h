#pragma once

#include <cstdint>

#include <QMetaType>
#include <QString>

#include "app/globals.h"
#include "settings/settings_check.h"

// The tests name operators the way the program does: a data column holds an
// OperatorChoice such as OperatorChoice{Addition, Division}, and
// operatorEnabled is written through StoreChoice and read back through
// OperatorChoice::Stored().

Q_DECLARE_METATYPE(OperatorChoice)

inline const OperatorChoice everyOperator{Addition, Subtraction, Multiplication, Division};

// Writes a choice into operatorEnabled: `flag` for every chosen operator, 0
// for the others (the program treats any flag other than 0 as chosen).
inline void StoreChoice(const OperatorChoice &choice, std::int32_t flag = 1)
{
    for (Operator op : allOperators)
        (*operatorEnabled)(op) = choice[op] ? flag : 0;
}

// The sign a question shows for an operator.
inline QString SignOf(Operator op)
{
    switch (op) {
    case Addition:
        return QStringLiteral("+");
    case Subtraction:
        return QStringLiteral("-");
    case Multiplication:
        return QStringLiteral("×");
    case Division:
        break;
    }
    return QStringLiteral("÷");
}

// The signs of the chosen operators in operator order, "+-×÷" for all four:
// choices are compared through it, so a failure prints what differs.
inline QString SignsOf(const OperatorChoice &choice)
{
    QString signs;
    for (Operator op : allOperators)
        if (choice[op])
            signs += SignOf(op);
    return signs;
}
