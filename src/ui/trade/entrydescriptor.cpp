#include "trade/entrydescriptor.h"

namespace qv {

const EntryDescriptor &TfrmXS_In()
{
    static const EntryDescriptor d = [] {
        EntryDescriptor e;
        e.className = QStringLiteral("TfrmXS_In");
        e.caption = QStringLiteral("销售出库单");
        e.callerCode = QStringLiteral("xs");
        e.kind = DocKind::Sales;
        e.tradeKind = TradeKind::SalesIssue;
        e.columns = LineColumns::salesGrid();
        e.pickerPrice = PickerPrice::Sales;
        e.linePrice = EntryDescriptor::LinePrice::SalesProposal;
        e.oneMatchFillsRemark = true;
        e.headerGroup = QStringLiteral("销售信息");
        e.partnerLabel = QStringLiteral("客户名称：");
        e.partnerHint = QStringLiteral("录入客户名称的拼音首字母，按回车或双击...");
        e.excludedPartnerType = QStringLiteral("供应商");
        e.searchFillsContacts = true;
        e.emptyNameClearsContacts = true;
        e.dateLabel = QStringLiteral("销售日期：");
        e.moneyGroup = QStringLiteral("收款信息");
        e.amountLabel = QStringLiteral("收款金额：");
        e.accountLabel = QStringLiteral("收款方式：");
        e.payeeLabel = QStringLiteral("收  款  人：");
        e.hasPreSave = true;
        e.preSaveHint = QStringLiteral("预存的销售出库单可以修改，不减少库存");
        e.hasTillReceipt = true;
        e.editable = true;
        e.closesAfterSave = true;
        e.historyKind = QStringLiteral("XS");
        e.historyNoPartner = QStringLiteral("客户 不能为空！ 请在客户处 按回车 选择 客户！");
        e.historyNoGoods = QStringLiteral("商品 不能为空！ 请在商品信息处 按回车 选择 商品！");
        return e;
    }();
    return d;
}

const EntryDescriptor &TfrmJH_In()
{
    static const EntryDescriptor d = [] {
        EntryDescriptor e;
        e.className = QStringLiteral("TfrmJH_In");
        e.caption = QStringLiteral("采购入库单");
        e.callerCode = QStringLiteral("jh");
        e.kind = DocKind::Purchase;
        e.tradeKind = TradeKind::PurchaseReceipt;
        e.columns = LineColumns::nineColumnGrid();
        e.pickerPrice = PickerPrice::Purchase;
        e.linePrice = EntryDescriptor::LinePrice::PurchaseProposal;
        e.oneMatchFillsRemark = true;
        e.headerGroup = QStringLiteral("采购信息");
        e.partnerLabel = QStringLiteral("供  应  商：");
        e.excludedPartnerType = QStringLiteral("客户");
        e.searchFillsContacts = true;
        e.dateLabel = QStringLiteral("采购日期：");
        e.moneyGroup = QStringLiteral("付款信息");
        e.amountLabel = QStringLiteral("付款金额：");
        e.accountLabel = QStringLiteral("付款方式：");
        e.payeeLabel = QStringLiteral("付  款  人：");
        e.hasPreSave = true;
        e.preSaveHint = QStringLiteral("预存的采购入库单可以修改，不增加库存");
        e.editable = true;
        e.closesAfterSave = true;
        e.historyKind = QStringLiteral("CG");
        e.historyNoPartner = QStringLiteral("供应商 不能为空！ 请在 供应商 处 按回车 选择 供应商！");
        e.historyNoGoods = QStringLiteral("商品 不能为空！ 请在 商品信息 处 按回车 选择 商品！");
        return e;
    }();
    return d;
}

const EntryDescriptor &TfrmCG_O_In()
{
    static const EntryDescriptor d = [] {
        EntryDescriptor e;
        e.className = QStringLiteral("TfrmCG_O_In");
        e.caption = QStringLiteral("采购退货单");
        e.callerCode = QStringLiteral("cgth");
        e.kind = DocKind::PurchaseReturn;
        e.tradeKind = TradeKind::PurchaseReturn;
        e.columns = LineColumns::nineColumnGrid();
        e.pickerPrice = PickerPrice::Purchase;
        e.linePrice = EntryDescriptor::LinePrice::PurchasePrice;
        e.matchSpecification = false;
        e.headerGroup = QStringLiteral("供应商信息");
        e.partnerLabel = QStringLiteral("供  应  商：");
        e.excludedPartnerType = QStringLiteral("客户");
        e.dateLabel = QStringLiteral("退货日期：");
        e.moneyGroup = QStringLiteral("收款信息");
        e.amountLabel = QStringLiteral("收款金额：");
        e.accountLabel = QStringLiteral("收款方式：");
        e.payeeLabel = QStringLiteral("收  款  人：");
        return e;
    }();
    return d;
}

const EntryDescriptor &TfrmXS_O_In()
{
    static const EntryDescriptor d = [] {
        EntryDescriptor e;
        e.className = QStringLiteral("TfrmXS_O_In");
        e.caption = QStringLiteral("销售退货单");
        e.callerCode = QStringLiteral("xsth");
        e.kind = DocKind::SalesReturn;
        e.tradeKind = TradeKind::SalesReturn;
        e.columns = LineColumns::nineColumnGrid();
        e.pickerPrice = PickerPrice::Sales;
        e.linePrice = EntryDescriptor::LinePrice::SalesPrice;
        e.headerGroup = QStringLiteral("客户信息");
        e.partnerLabel = QStringLiteral("客户名称：");
        e.excludedPartnerType = QStringLiteral("供应商");
        e.dateLabel = QStringLiteral("退货日期：");
        e.moneyGroup = QStringLiteral("付款信息");
        e.amountLabel = QStringLiteral("付款金额：");
        e.accountLabel = QStringLiteral("付款方式：");
        e.payeeLabel = QStringLiteral("付  款  人：");
        return e;
    }();
    return d;
}

} // namespace qv
