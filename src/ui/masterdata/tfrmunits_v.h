#pragma once

#include <QDialog>

class QPushButton;

namespace qv {

struct AppContext;
class PartnerForm;

// "往来单位查看": a partner's fields and balances, read-only, found by ID whether deleted or
// not. The fields stay empty when there is no such partner.
class Tfrmunits_v : public QDialog {
    Q_OBJECT
public:
    Tfrmunits_v(AppContext &context, int partnerId, QWidget *parent = nullptr);

    PartnerForm *form;
    QPushButton *exitButton;
};

} // namespace qv
