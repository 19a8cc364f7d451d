#include "masterdata/tfrmunits_m.h"

#include "app/appcontext.h"
#include "masterdata/partners.h"
#include "masterdata/tfrmunits_in.h"
#include "services/numbering.h"
#include "widgets/guarded.h"

namespace qv {

TfrmUnits_M::TfrmUnits_M(AppContext &context, QWidget *parent)
    : ListWindow(context, QStringLiteral("TfrmUnits_M"), QStringLiteral("往来单位管理"), parent)
{
    const auto clause = [](PartnerFilterBox box) {
        return [box](const QString &text) { return partnerClause(box, text); };
    };
    nameFilter = addTextFilter(QStringLiteral("单位名称"), clause(PartnerFilterBox::Name));
    contactFilter = addTextFilter(QStringLiteral("联  系  人"), clause(PartnerFilterBox::Contact));
    phoneFilter = addTextFilter(QStringLiteral("联系电话"), clause(PartnerFilterBox::Phone));
    addressFilter = addTextFilter(QStringLiteral("地        址"), clause(PartnerFilterBox::Address));
    remarkFilter = addTextFilter(QStringLiteral("备        注"), clause(PartnerFilterBox::Remark));
    typeFilter = addChoiceFilter(QStringLiteral("单位类型"), DBComSUType(*context.db), clause(PartnerFilterBox::Type));

    addMenuItem(QStringLiteral("启用 &Q"), [this] { setState(true); });
    addMenuItem(QStringLiteral("停用 &T"), [this] { setState(false); });
    addMenuItem(QStringLiteral("修改 &M"), [this] { modify(); });
    addMenuItem(QStringLiteral("删除 &D"), [this] { deleteSelected(); });
}

RowSet TfrmUnits_M::fetch(const Condition &where) { return queryPartners(*context().db, where); }

void TfrmUnits_M::arrangeColumns()
{
    setColumnWidth(QStringLiteral("单位名称"), 200);
    setColumnWidth(QStringLiteral("联系人"), 120);
    setColumnWidth(QStringLiteral("联系电话"), 160);
    setColumnWidth(QStringLiteral("地址"), 200);
    setColumnWidth(QStringLiteral("备注"), 180);
    // The balances are the receivables query's business, not this list's.
    for (const char *hidden : {"thePY", "ID", "theYS", "theYF"})
        hideColumn(QString::fromLatin1(hidden));
}

QString TfrmUnits_M::statusText() const { return QStringLiteral("往来单位数量：%1").arg(rows().size()); }

void TfrmUnits_M::rowActivated()
{
    guarded(this, [this] { modify(); });
}

void TfrmUnits_M::setState(bool enabled)
{
    setPartnerState(*context().db, currentValue(QStringLiteral("ID")).toInt(), enabled);
    Ref();
}

void TfrmUnits_M::modify()
{
    AppContext &ctx = context();
    if (!ctx.session.mayModify())
        return;
    PartnerFields fields;
    fields.type = currentText(QStringLiteral("单位类型"));
    fields.name = currentText(QStringLiteral("单位名称"));
    fields.contact = currentText(QStringLiteral("联系人"));
    fields.phone = currentText(QStringLiteral("联系电话"));
    fields.address = currentText(QStringLiteral("地址"));
    fields.remark = currentText(QStringLiteral("备注"));
    fields.receivable = currentText(QStringLiteral("theYS"));
    fields.payable = currentText(QStringLiteral("theYF"));
    TfrmUnits_In w(ctx, this);
    w.setEditing(currentValue(QStringLiteral("ID")).toInt(), fields, [this] { Ref(); });
    w.exec();
}

void TfrmUnits_M::deleteSelected()
{
    AppContext &ctx = context();
    if (!ctx.session.mayDelete())
        return;
    const int id = currentValue(QStringLiteral("ID")).toInt();
    if (!confirmDelete())
        return;
    if (deletePartner(*ctx.db, ctx.session, id).done())
        Ref();
}

} // namespace qv
