#pragma once

#include <QDialog>

namespace qv {

struct AppContext;

// "关于": name, edition and version of the program.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(AppContext &context, QWidget *parent = nullptr);
};

} // namespace qv
