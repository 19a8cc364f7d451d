#pragma once

#include <QDialog>

class QPushButton;

namespace qv {

struct AppContext;
class GoodsForm;
class GoodsLineTarget;

// "商品录入" from a document window whose search found nothing: the new goods go into the
// current line of that window's grid.
class TfrmNewShop : public QDialog {
    Q_OBJECT
public:
    // `text` is what was searched; it becomes the name.
    TfrmNewShop(AppContext &context, GoodsLineTarget &target, const QString &text, QWidget *parent = nullptr);

    // "保存"
    void BitBtn1Click();

    GoodsForm *form;
    QPushButton *saveButton, *exitButton;

private:
    AppContext &ctx_;
    GoodsLineTarget &target_;
};

} // namespace qv
