#pragma once

#include "masterdata/partners.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace qv {

class Database;

// The fields of a partner as the partner entry (TfrmUnits_In), its quick add (TfrmNewUnits)
// and the view (Tfrmunits_v) show them; only the entry window has the type drop-down. Each
// control is named after the column it fills, so that a refusal can focus it.
class PartnerForm : public QGroupBox {
public:
    enum class Type { Shown, Absent };
    PartnerForm(Type type, QWidget *parent);

    // All partner types.
    void fillTypes(Database &db);
    PartnerFields fields() const;
    void setFields(const PartnerFields &fields);
    void setReadOnly();

    QLineEdit *nameEdit;
    QComboBox *typeBox = nullptr;
    QLineEdit *contactEdit, *phoneEdit, *addressEdit, *remarkEdit;
    QLineEdit *receivableEdit, *payableEdit;
};

} // namespace qv
