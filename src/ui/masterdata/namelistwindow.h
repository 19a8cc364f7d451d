#pragma once

#include "masterdata/griddialog.h"
#include "masterdata/namelists.h"

class QLineEdit;

namespace qv {

// The one window of the three short name lists; the descriptor gives its table and texts.
class NameListWindow : public GridDialog {
    Q_OBJECT
public:
    NameListWindow(AppContext &context, const NameListKind &kind, QWidget *parent = nullptr);

    const NameListKind &kind() const { return kind_; }

    // "新增", "保存"
    void newEntry();
    void BitBtn1Click();

    QLineEdit *nameEdit, *remarkEdit;

protected:
    RowSet fetch() override;
    void arrangeColumns() override;
    void clearEntry() override;

private:
    void deleteEntry();

    const NameListKind &kind_;
};

// The members, named as the windows they make.
inline const NameListKind &TfrmWare() { return wareList(); }
inline const NameListKind &TfrmStaff() { return staffList(); }
inline const NameListKind &TfrmAccount() { return accountList(); }

} // namespace qv
