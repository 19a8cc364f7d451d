#pragma once

class QLineEdit;

namespace qv {

// Makes a password field show each typed character as "@".
void useAtSignForPassword(QLineEdit *edit);

} // namespace qv
