#pragma once

#include "masterdata/goods.h"

#include <QGroupBox>

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;

namespace qv {

class Database;
struct StoreOptions;

// The fields of a goods item as the goods entry (TfrmShop_In) and the quick add of the
// document windows (TfrmNewShop) show them. Each control is named after the column it fills,
// so that a refusal can focus it.
class GoodsForm : public QGroupBox {
public:
    GoodsForm(const StoreOptions &options, QWidget *parent);

    // The enabled categories (the current choice stays when it is still offered).
    void fillCategories(Database &db);
    GoodsFields fields() const;
    // Puts a stored item's fields in. Its category stays on offer even when it has been
    // disabled since, so that saving an edit keeps it.
    void setFields(const GoodsFields &fields);
    bool showsStockLimits() const { return stockLimits_; }
    // Gives the window holding the form its size: shorter without the stock limits.
    void fitWindow(QDialog *window);

    QLineEdit *numberEdit;
    QComboBox *categoryBox;
    QLineEdit *nameEdit, *modelEdit;
    QLabel *paramLabel[3];
    QLineEdit *paramEdit[3];
    QLineEdit *unitEdit, *purchasePriceEdit, *salesPriceEdit;
    QLineEdit *remarkEdit;
    QLabel *minStockLabel, *maxStockLabel;
    QLineEdit *minStockEdit, *maxStockEdit;

private:
    bool stockLimits_;
};

} // namespace qv
