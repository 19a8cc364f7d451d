#pragma once

#include "masterdata/goods.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qv {

struct AppContext;
class GoodsForm;

// "商品录入": new goods one after another, or ("商品修改") one goods item of the goods list.
class TfrmShop_In : public QDialog {
    Q_OBJECT
public:
    explicit TfrmShop_In(AppContext &context, QWidget *parent = nullptr);

    // Opens goods `id` for editing with its stored fields; `edited` runs after the edit is
    // saved (the goods list reloads itself with it).
    void setEditing(int id, const GoodsFields &fields, std::function<void()> edited);

    // "保存"
    void BitBtn1Click();

    QLabel *Lab_ID; // "0" for new goods, else the ID being edited (hidden)
    GoodsForm *form;
    QCheckBox *continuousBox;  // 连续新增
    QCheckBox *sameModelBox;   // 同样规格
    QCheckBox *sameUnitBox;    // 同样单位
    QPushButton *saveButton, *exitButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void nextEntry();

    AppContext &ctx_;
    std::function<void()> edited_;
    bool shown_ = false;
};

} // namespace qv
