#pragma once

class QWidget;

namespace qv {

struct Refusal;

// Shows a refusal in the program's message box and focuses the field it names: the control
// inside `window` whose object name is that field's column name ("theName", "theJH", ...).
// A refusal that names no field, or one the window does not show, leaves the focus alone.
void showRefusal(QWidget *window, const Refusal &refusal);

} // namespace qv
