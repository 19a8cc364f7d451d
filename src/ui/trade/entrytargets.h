#pragma once

#include "trade/entrysearch.h"

#include <QString>
#include <functional>

class QWidget;

namespace qv {

struct AppContext;

// A partner as the header of a document takes it.
struct PartnerChoice {
    int id = 0;
    QString name, contact, phone, address;
};

// A window whose header takes a partner (entry windows, receipts, payments).
class PartnerTarget {
public:
    virtual ~PartnerTarget() = default;
    virtual QString callerCode() const = 0;
    virtual void takePartner(const PartnerChoice &partner) = 0;
};

// A window whose grid takes goods into its current line, at the price that window proposes.
class GoodsLineTarget {
public:
    virtual ~GoodsLineTarget() = default;
    virtual QString callerCode() const = 0;
    virtual void takeGoods(const GoodsPick &goods) = 0;
};

// The quick-entry windows a search opens when it finds nothing: a new partner prefilled from
// the header's boxes, or new goods prefilled from the search text. Each fills its caller when
// it saves; closing it without saving changes nothing.
struct QuickAdd {
    std::function<void(AppContext &, QWidget *parent, PartnerTarget &, const PartnerChoice &prefill)> partner;
    std::function<void(AppContext &, QWidget *parent, GoodsLineTarget &, const QString &text)> goods;
};

// The quick-entry windows of the master data.
QuickAdd standardQuickAdd();

} // namespace qv
