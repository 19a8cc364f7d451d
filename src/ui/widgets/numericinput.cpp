#include "widgets/numericinput.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace qv {

void acceptDecimalInput(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), edit));
}

void acceptDigitInput(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

} // namespace qv
