#pragma once

#include "widgets/listwindow.h"

namespace qv {

// "往来单位管理": the partner list with its filter block and the actions on one partner.
class TfrmUnits_M : public ListWindow {
    Q_OBJECT
public:
    explicit TfrmUnits_M(AppContext &context, QWidget *parent = nullptr);

    // Context-menu actions on the selected partner.
    void setState(bool enabled);
    void modify();
    void deleteSelected();

    QLineEdit *nameFilter, *contactFilter, *phoneFilter, *addressFilter, *remarkFilter;
    QComboBox *typeFilter;

protected:
    RowSet fetch(const Condition &where) override;
    void arrangeColumns() override;
    QString statusText() const override;
    void rowActivated() override;
};

} // namespace qv
