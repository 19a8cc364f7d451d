#pragma once

#include <QDialog>

class QPushButton;

namespace qv {

struct AppContext;
class PartnerForm;
class PartnerTarget;
struct PartnerChoice;

// "往来单位录入" from a document window whose partner search found nothing: the new partner,
// typed by the caller's kind, goes into that window's header.
class TfrmNewUnits : public QDialog {
    Q_OBJECT
public:
    // `prefill` holds what the header's boxes held when the search ran.
    TfrmNewUnits(AppContext &context, PartnerTarget &target, const PartnerChoice &prefill, QWidget *parent = nullptr);

    // "保存"
    void BitBtn1Click();

    PartnerForm *form;
    QPushButton *saveButton, *exitButton;

private:
    AppContext &ctx_;
    PartnerTarget &target_;
};

} // namespace qv
