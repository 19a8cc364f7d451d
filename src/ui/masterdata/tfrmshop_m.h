#pragma once

#include "widgets/listwindow.h"

namespace qv {

// "商品管理": the goods list with its filter block and the actions on one goods item.
class TfrmShop_M : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmShop_M(AppContext &context, QWidget *parent = nullptr);

    // "查询", also run by the purchase-price box.
    void runQuery();

    // Context-menu actions on the selected goods.
    void setState(bool enabled);
    void modify();
    void editPinyin();
    void deleteSelected();

    QComboBox *categoryFilter;
    QLineEdit *nameFilter, *numberFilter, *modelFilter, *unitFilter, *remarkFilter;
    QCheckBox *hidePurchasePriceBox;
    QPushButton *barcodeButton;

protected:
    RowSet fetch(const Condition &where) override;
    void arrangeColumns() override;
    QString statusText() const override;
    void rowActivated() override;
};

} // namespace qv
