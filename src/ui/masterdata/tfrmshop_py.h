#pragma once

#include "masterdata/goods.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace qv {

struct AppContext;

// "商品拼音码修改": a goods item's search code set by hand; the other fields are shown only.
class TfrmShop_PY : public QDialog {
    Q_OBJECT
public:
    // `saved` runs after the code is saved (the goods list reloads itself with it).
    TfrmShop_PY(AppContext &context, int goodsId, const GoodsFields &shown, const QString &code,
                std::function<void()> saved, QWidget *parent = nullptr);

    // "保存"
    void BitBtn1Click();

    QLineEdit *codeEdit;
    QPushButton *saveButton, *exitButton;

private:
    AppContext &ctx_;
    int id_;
    std::function<void()> saved_;
};

} // namespace qv
