#pragma once

class QLineEdit;

namespace qv {

// Key filters of the number fields. Backspace, Enter and editing keys always work; what is
// still no number ("1.2.3") is left for the save to refuse.
// Prices, quantities, stock limits, balances: digits and the decimal point.
void acceptDecimalInput(QLineEdit *edit);
// Whole percentages: digits only.
void acceptDigitInput(QLineEdit *edit);

} // namespace qv
