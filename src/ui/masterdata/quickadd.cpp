#include "trade/entrytargets.h"

#include "masterdata/tfrmnewshop.h"
#include "masterdata/tfrmnewunits.h"

namespace qv {

// A document window whose search finds nothing offers to enter the partner or goods there
// and then; the new one goes straight into the document.
QuickAdd standardQuickAdd()
{
    QuickAdd q;
    q.partner = [](AppContext &context, QWidget *parent, PartnerTarget &target, const PartnerChoice &prefill) {
        TfrmNewUnits w(context, target, prefill, parent);
        w.exec();
    };
    q.goods = [](AppContext &context, QWidget *parent, GoodsLineTarget &target, const QString &text) {
        TfrmNewShop w(context, target, text, parent);
        w.exec();
    };
    return q;
}

} // namespace qv
