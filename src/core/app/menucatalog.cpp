#include "app/menucatalog.h"

namespace qv {

QString MenuItemDef::code() const
{
    return QString::number(menu) + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

QString MenuItemDef::menuName() const
{
    const int blank = caption.indexOf(u' ');
    return blank < 0 ? caption : caption.left(blank + 1);
}

namespace {

struct Row {
    const char *caption;
    const char *name;
    const char *window;
    const char *windowCaption;
    OpenHow how;
    bool gated;
};

constexpr OpenHow M = OpenHow::Modal;
constexpr OpenHow C = OpenHow::Child;
constexpr OpenHow W = OpenHow::Web;
constexpr OpenHow X = OpenHow::Exit;

Row sep(const char *name) { return {"-", name, "", "", OpenHow::Separator, false}; }

MenuDef menu(int index, const char *title, std::initializer_list<Row> rows)
{
    MenuDef m{QString::fromUtf8(title), {}};
    int i = 0;
    for (const Row &r : rows) {
        MenuItemDef d;
        d.menu = index;
        d.index = i++;
        d.caption = QString::fromUtf8(r.caption);
        d.name = QString::fromUtf8(r.name);
        d.window = QString::fromUtf8(r.window);
        d.windowCaption = QString::fromUtf8(r.windowCaption);
        d.how = r.how;
        d.gated = r.gated;
        m.items.push_back(d);
    }
    return m;
}

std::vector<MenuDef> build()
{
    std::vector<MenuDef> menus;
    menus.push_back(menu(0, "文件【&F】", {
        {"本店信息 &D", "B2", "TfrmDept", "本店信息", M, false},
        {"仓库设置 &S", "N16", "TfrmWare", "仓库设置", M, false},
        {"收付款方式设置 &M", "N37", "TfrmAccount", "收付款方式设置", M, false},
        sep("N51"),
        {"用户管理 &U", "N48", "TfrmUser", "用户管理", M, false},
        {"经手人管理 &J", "Y1", "TfrmStaff", "经手人管理", M, false},
        sep("N54"),
        {"修改密码 &P", "N5", "TfrmCPass", "修改密码", M, false},
        sep("N55"),
        {"数据备份 &B", "N52", "TfrmBackup", "数据备份", M, false},
        {"数据恢复 &R", "N53", "TfrmRecover", "数据恢复", M, false},
        {"数据清空 &C", "C1", "TfrmClean", "数据清空", M, false},
        sep("N56"),
        {"更换背景 &I", "N9", "TfrmBImage", "更换背景", M, false},
        sep("N57"),
        {"退出 &X", "N8", "", "", X, false},
    }));
    menus.push_back(menu(1, "采购【&C】", {
        {"采购入库单 &A", "N6", "TfrmJH_In", "采购入库单", M, true},
        {"采购入库管理 &B", "N7", "TfrmJH_M", "采购入库管理", C, false},
        {"采购入库明细查询 &C", "N36", "TfrmJH_MX", "采购入库明细", C, false},
        {"采购入库付款查询 &D", "D2", "TfrmJH_FKQ", "采购入库付款查询", C, false},
        sep("N17"),
        {"采购退货单 &E", "N38", "TfrmCG_O_In", "采购退货单", M, true},
        {"采购退货管理 &F", "N39", "TfrmCG_O_M", "采购退货管理", C, false},
        {"采购退货明细查询 &G", "N4", "TfrmCG_O_MX", "采购退货明细", C, false},
        {"采购退货收款查询 &H", "N11", "TfrmCG_O_SKQ", "采购退货收款查询", C, false},
    }));
    menus.push_back(menu(2, "销售【&X】", {
        {"销售出库单 &A", "N26", "TfrmXS_In", "销售出库单", M, true},
        {"销售出库管理 &B", "M1", "TfrmXS_M", "销售出库管理", C, false},
        {"销售出库明细查询 &C", "N32", "TfrmXS_MX", "销售出库明细", C, false},
        {"销售出库收款查询 &D", "D1", "TfrmXS_SKQ", "销售出库收款查询", C, false},
        sep("N27"),
        {"销售退货单 &E", "N43", "TfrmXS_O_In", "销售退货单", M, true},
        {"销售退货管理 &F", "N44", "TfrmXS_O_M", "销售退货管理", C, false},
        {"销售退货明细查询 &G", "N46", "TfrmXS_O_MX", "销售退货明细", C, false},
        {"销售退货付款查询 &H ", "N69", "TfrmXS_O_FKQ", "销售退货付款查询", C, false},
    }));
    menus.push_back(menu(3, "商品【&S】", {
        {"商品分类 &A", "N13", "TfrmSType", "商品分类", M, false},
        sep("N30"),
        {"商品录入 &B", "N28", "TfrmShop_In", "商品录入", M, true},
        {"商品导入 &C", "N2", "TfrmShop_D", "商品导入", M, false},
        {"商品管理 &D", "N15", "TfrmShop_M", "商品管理", C, false},
        sep("N34"),
        {"商品调拨单 &E", "N25", "TfrmDB_In", "商品调拨单", M, true},
        {"商品调拨管理 &F", "N33", "TfrmDB_M", "商品调拨管理", C, false},
        {"商品调拨明细 &G", "N50", "TfrmDB_MX", "商品调拨明细", C, false},
        sep("N35"),
        {"商品报损单 &H", "N45", "TfrmBS_In", "商品报损单", M, true},
        {"商品报损管理 &I", "N47", "TfrmBS_M", "商品报损管理", C, false},
        {"商品报损明细 &J", "N49", "TfrmBS_MX", "商品报损明细", C, false},
        sep("N58"),
        {"商品报溢单 &K", "N62", "TfrmBY_In", "商品报溢单", M, true},
        {"商品报溢管理 &L", "N63", "TfrmBY_M", "商品报溢管理", C, false},
        {"商品报溢明细 &M", "N64", "TfrmBY_MX", "商品报溢明细", C, false},
        sep("N61"),
        {"商品拆装单 &N", "N59", "TfrmCZ_In", "拆装单", M, true},
        {"商品拆装管理 &O", "N60", "TfrmCZ_M", "商品拆装管理", C, false},
    }));
    menus.push_back(menu(4, "往来单位【&W】", {
        {"往来单位录入 &A", "N19", "TfrmUnits_In", "往来单位录入", M, false},
        {"往来单位导入 &B", "N3", "TfrmUnits_D", "往来单位导入", M, false},
        {"往来单位管理 &C", "N20", "TfrmUnits_M", "往来单位管理", C, false},
        sep("N40"),
        {"应收查询 &D", "N22", "TfrmUnits_YS", "应收查询", C, true},
        {"应付查询 &E", "N23", "TfrmUnits_YF", "应付查询", C, true},
        sep("N14"),
        {"付款单录入 &F", "N18", "TfrmFK_In", "付款单", M, false},
        {"付款单管理 &G", "N21", "TfrmFK_M1", "付款管理", C, false},
        sep("N24"),
        {"收款单录入 &H", "N29", "TfrmSK_In", "收款单", M, false},
        {"收款单管理 &I", "N70", "TfrmSK_M1", "收款管理", C, false},
    }));
    menus.push_back(menu(5, "报表中心【&R】", {
        {"商品库存查询 &A", "Q1", "TfrmKC", "商品库存查询", C, true},
        {"资金流动日志 &B", "N31", "TfrmList", "资金流动日志", C, false},
        sep("N66"),
        {"日报表 &C", "N67", "TfrmBB_D", "日报表", C, false},
        {"月报表 &D", "N68", "TfrmBB_M", "月报表", C, false},
        {"年报表 &E", "E1", "TfrmBB_Y", "年报表", C, false},
        sep("N71"),
        {"采购入库统计 &F", "N72", "TfrmBB_CG", "采购入库统计", C, false},
        {"采购退货统计 &G", "N73", "TfrmBB_CT", "采购退货统计", C, false},
        sep("N74"),
        {"销售出库统计 &H", "N75", "TfrmBB_XS", "销售出库统计", C, false},
        {"销售退货统计 &I", "N76", "TfrmBB_XT", "销售退货统计", C, false},
    }));
    menus.push_back(menu(6, "帮助【&H】", {
        {"帮助 &H", "H2", "", "", W, false},
        sep("N1"),
        {"Qorvan网站 &W", "W1", "", "", W, false},
        sep("N10"),
        {"关于... &A", "A2", "TfrmAbout", "关于", M, false},
    }));
    return menus;
}

} // namespace

const std::vector<MenuDef> &mainMenus()
{
    static const std::vector<MenuDef> menus = build();
    return menus;
}

std::vector<const MenuItemDef *> grantableMenuItems()
{
    std::vector<const MenuItemDef *> items;
    const auto &menus = mainMenus();
    for (int m = 0; m < HelpMenuIndex; ++m)
        for (const MenuItemDef &i : menus[m].items)
            items.push_back(&i);
    return items;
}

const MenuItemDef *findMenuItem(const QString &name)
{
    for (const MenuDef &m : mainMenus())
        for (const MenuItemDef &i : m.items)
            if (i.name == name)
                return &i;
    return nullptr;
}

const std::vector<ToolButtonDef> &toolButtons()
{
    static const std::vector<ToolButtonDef> buttons{
        {QStringLiteral("采购入库"), QStringLiteral("N6")},  {QStringLiteral("采购退货"), QStringLiteral("N38")},
        {QStringLiteral("销售出库"), QStringLiteral("N26")}, {QStringLiteral("销售退货"), QStringLiteral("N43")},
        {QStringLiteral("商品录入"), QStringLiteral("N28")}, {QStringLiteral("商品调拨"), QStringLiteral("N25")},
        {QStringLiteral("商品报损"), QStringLiteral("N45")}, {QStringLiteral("商品报溢"), QStringLiteral("N62")},
        {QStringLiteral("商品拆装"), QStringLiteral("N59")}, {QStringLiteral("应收查询"), QStringLiteral("N22")},
        {QStringLiteral("应付查询"), QStringLiteral("N23")}, {QStringLiteral("库存报表"), QStringLiteral("Q1")},
        {QStringLiteral("帮助"), QStringLiteral("H2")},      {QStringLiteral("退出"), QStringLiteral("N8")},
    };
    return buttons;
}

} // namespace qv
