#pragma once

#include "masterdata/partners.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace qv {

struct AppContext;
class PartnerForm;

// "往来单位录入": new partners one after another, or ("往来单位修改") one partner of the
// partner list.
class TfrmUnits_In : public QDialog {
    Q_OBJECT
public:
    explicit TfrmUnits_In(AppContext &context, QWidget *parent = nullptr);

    // Opens partner `id` for editing with its stored fields; `edited` runs after the edit is
    // saved (the partner list reloads itself with it). The balances are shown, not edited.
    void setEditing(int id, const PartnerFields &fields, std::function<void()> edited);

    // "保存"
    void BitBtn1Click();

    QLabel *Lab_ID; // "0" for a new partner, else the ID being edited (hidden)
    PartnerForm *form;
    QCheckBox *continuousBox; // 连续新增
    QPushButton *saveButton, *exitButton;

private:
    AppContext &ctx_;
    std::function<void()> edited_;
};

} // namespace qv
