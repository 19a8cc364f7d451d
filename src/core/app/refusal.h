#pragma once

#include <QString>

namespace qv {

// The answer of a check that stops an action: the exact message to show and the field to
// focus (a name the window maps to its control; empty when there is none). Nothing has been
// written when a refusal comes back.
struct Refusal {
    QString message;
    QString field;
};

// The message for a number field whose text is not a number.
inline QString notANumber(const QString &fieldName)
{
    return fieldName + QStringLiteral(" 必须是数字，请重新录入！");
}

} // namespace qv
