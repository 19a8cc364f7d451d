#pragma once

#include "masterdata/griddialog.h"

class QLineEdit;

namespace qv {

// "商品分类": the goods categories with their sales discounts. A category is added here and
// never renamed; its state, discount and existence are changed from the context menu.
class TfrmSType : public GridDialog {
    Q_OBJECT
public:
    explicit TfrmSType(AppContext &context, QWidget *parent = nullptr);

    // "新增", "保存"
    void newEntry();
    void BitBtn1Click();

    QLineEdit *nameEdit, *discountEdit, *remarkEdit;

protected:
    RowSet fetch() override;
    void arrangeColumns() override;
    void clearEntry() override;

private:
    void stockAlertSettings();
    void deleteSelected();
};

} // namespace qv
