#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace qv {

// The button row at the foot of the modal windows: "保存" and "退出" at the right, "保存"
// answering Enter, "退出" closing the window without saving. Windows that start a fresh entry
// in place also get "新增" before them.
struct DialogButtons {
    QHBoxLayout *layout = nullptr;
    QPushButton *newButton = nullptr; // only when asked for
    QPushButton *save = nullptr;
    QPushButton *exit = nullptr;
};

DialogButtons saveExitButtons(QDialog *dialog, bool withNew = false);

} // namespace qv
