#include "synthstore.h"

#include "db/database.h"
#include "money/money.h"
#include "text/numtochar.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace qv {

QDate synthLastDay() { return QDate(2024, 3, 15); }

namespace {

// xoshiro128** seeded through splitmix64: the same stream with every compiler and library,
// which the standard distributions do not promise.
class Rng {
public:
    explicit Rng(quint32 seed)
    {
        quint64 x = seed;
        for (quint32 &s : s_) {
            quint64 z = (x += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            s = quint32((z ^ (z >> 31)) >> 32);
        }
    }
    quint32 next()
    {
        const quint32 result = rotl(s_[1] * 5, 7) * 9;
        const quint32 t = s_[1] << 9;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 11);
        return result;
    }
    int below(int n) { return n <= 0 ? 0 : int((quint64(next()) * quint64(n)) >> 32); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double unit() { return next() / 4294967296.0; }
    bool chance(double p) { return unit() < p; }
    // An index into n items where the first ones come up far more often: regular customers,
    // goods that sell every day.
    int skewed(int n, double power = 2.0) { return std::min(n - 1, int(n * std::pow(unit(), power))); }
    template <typename T> const T &pick(const std::vector<T> &v) { return v[size_t(below(int(v.size())))]; }

private:
    static quint32 rotl(quint32 x, int k) { return (x << k) | (x >> (32 - k)); }
    quint32 s_[4];
};

// A piece of a Chinese name with its reading, syllables separated by blanks. The search code
// is made from these readings, so that generated names carry plausible codes of their own.
struct Word {
    const char *text;
    const char *py;
};

QString initials(const char *py)
{
    QString out;
    bool atStart = true;
    for (const char *p = py; *p; ++p) {
        if (*p == ' ') {
            atStart = true;
        } else if (atStart) {
            out += QChar(QLatin1Char(*p)).toUpper();
            atStart = false;
        }
    }
    return out;
}

struct Category {
    Word name;
    std::vector<const char *> units;
    std::vector<const char *> specs;
    std::vector<Word> nouns;
    bool weighed; // sold by weight: quantities with decimals
};

const std::vector<Category> &categories()
{
    static const std::vector<Category> list{
        {{"饮料", "yin liao"}, {"瓶", "箱", "罐"}, {"500ml", "550ml", "1.5L", "330ml", "24瓶/箱", "12罐/箱"},
         {{"矿泉水", "kuang quan shui"}, {"纯净水", "chun jing shui"}, {"绿茶", "lv cha"}, {"红茶", "hong cha"},
          {"果汁", "guo zhi"}, {"可乐", "ke le"}, {"苏打水", "su da shui"}, {"酸梅汤", "suan mei tang"},
          {"豆奶", "dou nai"}, {"咖啡", "ka fei"}, {"橙汁", "cheng zhi"}, {"凉茶", "liang cha"}}, false},
        {{"零食", "ling shi"}, {"袋", "包", "盒"}, {"70g", "120g", "250g", "500g", "家庭装", "分享装"},
         {{"薯片", "shu pian"}, {"饼干", "bing gan"}, {"瓜子", "gua zi"}, {"花生", "hua sheng"},
          {"牛肉干", "niu rou gan"}, {"巧克力", "qiao ke li"}, {"果冻", "guo dong"}, {"糖果", "tang guo"},
          {"蛋糕", "dan gao"}, {"海苔", "hai tai"}, {"锅巴", "guo ba"}, {"话梅", "hua mei"}}, false},
        {{"粮油", "liang you"}, {"袋", "桶", "包"}, {"5kg", "10kg", "2.5kg", "5L", "1.8L", "900ml"},
         {{"大米", "da mi"}, {"面粉", "mian fen"}, {"花生油", "hua sheng you"}, {"菜籽油", "cai zi you"},
          {"挂面", "gua mian"}, {"小米", "xiao mi"}, {"绿豆", "lv dou"}, {"糯米", "nuo mi"},
          {"玉米油", "yu mi you"}, {"香米", "xiang mi"}}, false},
        {{"调味品", "tiao wei pin"}, {"瓶", "袋", "包"}, {"500ml", "800ml", "400g", "1kg", "250g"},
         {{"酱油", "jiang you"}, {"米醋", "mi cu"}, {"食盐", "shi yan"}, {"白糖", "bai tang"},
          {"味精", "wei jing"}, {"鸡精", "ji jing"}, {"蚝油", "hao you"}, {"辣椒酱", "la jiao jiang"},
          {"料酒", "liao jiu"}, {"花椒", "hua jiao"}}, false},
        {{"日化", "ri hua"}, {"瓶", "支", "块", "袋"}, {"400ml", "750ml", "120g", "2kg", "三支装"},
         {{"洗发水", "xi fa shui"}, {"沐浴露", "mu yu lu"}, {"牙膏", "ya gao"}, {"牙刷", "ya shua"},
          {"洗衣粉", "xi yi fen"}, {"洗洁精", "xi jie jing"}, {"香皂", "xiang zao"}, {"洗衣液", "xi yi ye"},
          {"护手霜", "hu shou shuang"}, {"毛巾", "mao jin"}}, false},
        {{"纸品", "zhi pin"}, {"提", "包", "箱"}, {"10卷/提", "3包/提", "80抽", "120抽"},
         {{"抽纸", "chou zhi"}, {"卷纸", "juan zhi"}, {"湿巾", "shi jin"}, {"餐巾纸", "can jin zhi"},
          {"手帕纸", "shou pa zhi"}}, false},
        {{"酒类", "jiu lei"}, {"瓶", "箱"}, {"500ml", "750ml", "6瓶/箱", "12瓶/箱"},
         {{"白酒", "bai jiu"}, {"啤酒", "pi jiu"}, {"红酒", "hong jiu"}, {"黄酒", "huang jiu"}, {"米酒", "mi jiu"}},
         false},
        {{"乳品", "ru pin"}, {"盒", "箱", "罐"}, {"250ml", "1L", "12盒/箱", "900g"},
         {{"牛奶", "niu nai"}, {"酸奶", "suan nai"}, {"奶粉", "nai fen"}, {"奶酪", "nai lao"}}, false},
        {{"文具", "wen ju"}, {"支", "本", "个", "盒"}, {"0.5mm", "A4", "A5", "12支/盒", "大号"},
         {{"铅笔", "qian bi"}, {"钢笔", "gang bi"}, {"笔记本", "bi ji ben"}, {"橡皮", "xiang pi"},
          {"文件夹", "wen jian jia"}, {"胶水", "jiao shui"}, {"订书机", "ding shu ji"}, {"计算器", "ji suan qi"}},
         false},
        {{"五金", "wu jin"}, {"个", "把", "套", "盒"}, {"M6", "M8", "10寸", "12寸", "5m", "100只/盒"},
         {{"螺丝", "luo si"}, {"扳手", "ban shou"}, {"钳子", "qian zi"}, {"锤子", "chui zi"}, {"电钻", "dian zuan"},
          {"合页", "he ye"}, {"门锁", "men suo"}, {"卷尺", "juan chi"}}, false},
        {{"电器", "dian qi"}, {"台", "个"}, {"220V", "1.5L", "3L", "1200W", "五孔"},
         {{"电饭煲", "dian fan bao"}, {"电水壶", "dian shui hu"}, {"吹风机", "chui feng ji"},
          {"电风扇", "dian feng shan"}, {"插座", "cha zuo"}, {"灯泡", "deng pao"}, {"台灯", "tai deng"}}, false},
        {{"厨具", "chu ju"}, {"个", "把", "套", "只"}, {"32cm", "28cm", "500ml", "10双装"},
         {{"炒锅", "chao guo"}, {"菜刀", "cai dao"}, {"砧板", "zhen ban"}, {"汤锅", "tang guo"}, {"饭盒", "fan he"},
          {"保温杯", "bao wen bei"}, {"筷子", "kuai zi"}}, false},
        {{"服装", "fu zhuang"}, {"件", "双", "条", "顶"}, {"S", "M", "L", "XL", "均码"},
         {{"外套", "wai tao"}, {"袜子", "wa zi"}, {"手套", "shou tao"}, {"围巾", "wei jin"}, {"帽子", "mao zi"},
          {"裤子", "ku zi"}, {"衬衫", "chen shan"}}, false},
        {{"生鲜", "sheng xian"}, {"千克"}, {"散装", "精品", "一级"},
         {{"鸡蛋", "ji dan"}, {"猪肉", "zhu rou"}, {"牛肉", "niu rou"}, {"鸡腿", "ji tui"}, {"苹果", "ping guo"},
          {"香蕉", "xiang jiao"}, {"土豆", "tu dou"}, {"西红柿", "xi hong shi"}, {"白菜", "bai cai"}}, true},
        {{"冷冻食品", "leng dong shi pin"}, {"袋", "盒"}, {"500g", "1kg", "30只装"},
         {{"水饺", "shui jiao"}, {"汤圆", "tang yuan"}, {"包子", "bao zi"}, {"馄饨", "hun tun"}, {"鱼丸", "yu wan"}},
         false},
        {{"母婴", "mu ying"}, {"包", "个", "罐"}, {"S码", "M码", "L码", "240ml", "400g"},
         {{"纸尿裤", "zhi niao ku"}, {"奶瓶", "nai ping"}, {"米粉", "mi fen"}, {"爽身粉", "shuang shen fen"}},
         false},
        {{"宠物用品", "chong wu yong pin"}, {"袋", "包"}, {"1.5kg", "10kg", "5L"},
         {{"猫粮", "mao liang"}, {"狗粮", "gou liang"}, {"猫砂", "mao sha"}}, false},
        {{"茶叶", "cha ye"}, {"盒", "罐", "千克"}, {"250g", "500g", "礼盒装"},
         {{"龙井", "long jing"}, {"铁观音", "tie guan yin"}, {"普洱", "pu er"}, {"毛峰", "mao feng"},
          {"花茶", "hua cha"}}, false},
        {{"方便食品", "fang bian shi pin"}, {"袋", "桶", "箱", "根"}, {"5连包", "12桶/箱", "40g"},
         {{"方便面", "fang bian mian"}, {"火腿肠", "huo tui chang"}, {"罐头", "guan tou"},
          {"自热火锅", "zi re huo guo"}, {"粉丝", "fen si"}}, false},
        {{"清洁用品", "qing jie yong pin"}, {"把", "卷", "瓶", "块"}, {"大号", "中号", "50只/卷", "1L"},
         {{"拖把", "tuo ba"}, {"扫帚", "sao zhou"}, {"垃圾袋", "la ji dai"}, {"消毒液", "xiao du ye"},
          {"抹布", "mo bu"}}, false},
    };
    return list;
}

const std::vector<Word> &brandChars()
{
    static const std::vector<Word> list{
        {"华", "hua"}, {"康", "kang"}, {"美", "mei"}, {"佳", "jia"}, {"乐", "le"}, {"金", "jin"}, {"福", "fu"},
        {"鑫", "xin"}, {"隆", "long"}, {"顺", "shun"}, {"达", "da"}, {"宏", "hong"}, {"源", "yuan"}, {"丰", "feng"},
        {"盛", "sheng"}, {"泰", "tai"}, {"安", "an"}, {"新", "xin"}, {"恒", "heng"}, {"瑞", "rui"}, {"祥", "xiang"},
        {"和", "he"}, {"天", "tian"}, {"海", "hai"}, {"光", "guang"}, {"明", "ming"}, {"星", "xing"}, {"龙", "long"},
        {"凤", "feng"}, {"雅", "ya"}, {"清", "qing"}, {"益", "yi"}, {"好", "hao"}, {"欣", "xin"}, {"悦", "yue"},
        {"嘉", "jia"}, {"百", "bai"}, {"万", "wan"}, {"永", "yong"}, {"通", "tong"}, {"大", "da"}, {"中", "zhong"},
        {"正", "zheng"}, {"信", "xin"}, {"德", "de"}, {"荣", "rong"}, {"兴", "xing"}, {"旺", "wang"}, {"宝", "bao"},
        {"利", "li"}, {"富", "fu"}, {"春", "chun"}, {"晨", "chen"}, {"阳", "yang"}, {"山", "shan"}, {"江", "jiang"},
        {"云", "yun"}, {"乡", "xiang"}, {"田", "tian"}, {"园", "yuan"},
    };
    return list;
}

const std::vector<Word> &variants()
{
    static const std::vector<Word> list{{"精选", "jing xuan"}, {"特级", "te ji"}, {"经典", "jing dian"},
                                        {"原味", "yuan wei"}, {"无糖", "wu tang"}, {"清香", "qing xiang"},
                                        {"低脂", "di zhi"}, {"优质", "you zhi"}, {"家用", "jia yong"}};
    return list;
}

const std::vector<Word> &cities()
{
    static const std::vector<Word> list{
        {"北京", "bei jing"}, {"上海", "shang hai"}, {"广州", "guang zhou"}, {"深圳", "shen zhen"},
        {"杭州", "hang zhou"}, {"南京", "nan jing"}, {"武汉", "wu han"}, {"成都", "cheng du"}, {"西安", "xi an"},
        {"长沙", "chang sha"}, {"郑州", "zheng zhou"}, {"济南", "ji nan"}, {"青岛", "qing dao"}, {"苏州", "su zhou"},
        {"宁波", "ning bo"}, {"厦门", "xia men"}, {"福州", "fu zhou"}, {"合肥", "he fei"}, {"昆明", "kun ming"},
        {"沈阳", "shen yang"}};
    return list;
}

const std::vector<Word> &trades()
{
    static const std::vector<Word> list{{"商贸", "shang mao"}, {"食品", "shi pin"}, {"贸易", "mao yi"},
                                        {"百货", "bai huo"}, {"日用品", "ri yong pin"}, {"批发", "pi fa"},
                                        {"实业", "shi ye"}, {"超市", "chao shi"}, {"便利店", "bian li dian"}};
    return list;
}

const std::vector<Word> &companySuffixes()
{
    static const std::vector<Word> list{{"有限公司", "you xian gong si"}, {"商行", "shang hang"},
                                        {"经营部", "jing ying bu"}, {"", ""}};
    return list;
}

const std::vector<Word> &surnames()
{
    static const std::vector<Word> list{
        {"张", "zhang"}, {"王", "wang"}, {"李", "li"}, {"刘", "liu"}, {"陈", "chen"}, {"杨", "yang"}, {"赵", "zhao"},
        {"黄", "huang"}, {"周", "zhou"}, {"吴", "wu"}, {"徐", "xu"}, {"孙", "sun"}, {"胡", "hu"}, {"朱", "zhu"},
        {"高", "gao"}, {"林", "lin"}, {"何", "he"}, {"郭", "guo"}, {"马", "ma"}, {"罗", "luo"}};
    return list;
}

const std::vector<Word> &givenChars()
{
    static const std::vector<Word> list{
        {"伟", "wei"}, {"芳", "fang"}, {"娜", "na"}, {"敏", "min"}, {"静", "jing"}, {"丽", "li"}, {"强", "qiang"},
        {"磊", "lei"}, {"军", "jun"}, {"洋", "yang"}, {"勇", "yong"}, {"艳", "yan"}, {"杰", "jie"}, {"涛", "tao"},
        {"明", "ming"}, {"超", "chao"}, {"秀", "xiu"}, {"霞", "xia"}, {"平", "ping"}, {"刚", "gang"}, {"红", "hong"},
        {"玲", "ling"}, {"华", "hua"}, {"建", "jian"}, {"国", "guo"}, {"文", "wen"}, {"辉", "hui"}, {"鹏", "peng"},
        {"婷", "ting"}, {"斌", "bin"}};
    return list;
}

// A name put together from words, with its search code.
struct Named {
    QString text;
    QString py;
    void add(const Word &w)
    {
        text += QString::fromUtf8(w.text);
        py += initials(w.py);
    }
};

QString yymmdd(const QDate &d) { return d.toString(QStringLiteral("yyMMdd")); }

QString sequence(int n) { return QString::number(n).rightJustified(4, u'0'); }

enum Kind { Purchase, PurchaseReturn, Sales, SalesReturn };

// What distinguishes the four trade documents when they are saved, settled and deleted.
struct KindDef {
    const char *header, *lines, *prefix, *outstanding;
    const char *settleTable, *settleDate, *settlePerson;
    bool preStore;    // has the pre-stored column theYC
    bool goodsOut;    // the save takes goods out of the warehouse
    bool moneyIn;     // money at entry and in later settlements comes in
    bool receivable;  // the partner balance it moves is theYS (else theYF)
    int balanceSign;  // the save moves that balance by +outstanding or -outstanding
    const char *partnerExcluded;
    const char *move, *moveDeleted, *flowEntry, *flowSettle, *flowDeleted;
};

const KindDef kindDefs[4] = {
    {"UJH", "UJH_List", "CG", "theYF", "UJH_FK", "FKDate", "theFKR", true, false, false, false, +1, "客户",
     "采购入库", "采购入库删除", "采购入库录入", "采购入库付款", "采购入库删除"},
    {"UCG_O", "UCG_O_List", "CT", "theYS", "UCG_O_SK", "SKDate", "theSKR", false, true, true, false, -1, "客户",
     "采购退货", "采购退货删除", "采购退货录入", "采购退货收款", "采购退货删除"},
    {"UXS", "UXS_List", "XS", "theYS", "UXS_SK", "SKDate", "theSKR", true, true, true, true, +1, "供应商",
     "销售出库", "销售出库删除", "销售出库录入", "销售出库收款", "销售出库删除"},
    {"UXS_O", "UXS_O_List", "XT", "theYF", "UXS_O_FK", "FKDate", "theFKR", false, false, false, true, -1, "供应商",
     "销售退货", "销售退货删除", "销售退货录入", "销售退货付款", "销售退货删除"},
};

QString utf8(const char *s) { return QString::fromUtf8(s); }

// One prepared statement of the generator, run many times with new values.
class Stmt {
public:
    Stmt(Database &db, const QString &sql) : db_(db), q_(&db.cached(sql)) {}
    void operator()(const QVariantList &values) { db_.run(*q_, values); }

private:
    Database &db_;
    QSqlQuery *q_;
};

struct GoodsRow {
    int category = 0;
    int createdDay = 0;
    QString num, name, py, stand, unit, remark, supplier;
    Money jh, xs, cb;
    int minStock = 0;
    bool weighed = false;
    bool retired = false; // deleted or disabled: never traded
};

struct PartnerRow {
    QString name, py, type, contact, phone, address, remark;
    Money ys, yf;
};

// Live purchase lines of one warehouse and goods, as the cost methods read them.
struct PriceHistory {
    Money first, last, highest, lowest;
    int count = 0;
};

struct Line {
    int goods = 0;
    Money price, qty, sum, cost;
    int discount = 100;
};

struct Settlement {
    Kind kind;
    QString num, account, person;
    Money amount;
};

class Generator {
public:
    Generator(Database &db, const StoreSize &size, quint32 seed) : db_(db), size_(size), rng_(seed) {}
    StoreCounts run();

private:
    int pair(int w, int g) const { return w * int(goods_.size()) + g; }
    void masterData();
    void planGoods();
    void planPartners();
    void prepareStatements();
    void settleDue(int day);
    bool document(Kind kind, int day, bool till);
    int lineCount(Kind kind);
    int pickGoods(int day);
    int pickStocked(int w, int day);
    void setStock(int p, Money value);
    Money costFor(int p, const Line &line, Money heldBefore, const Money &priceArg);
    void settle(int day, const Settlement &s);
    void writeMasterRows();

    Database &db_;
    StoreSize size_;
    Rng rng_;
    QString costMethod_, user_;
    std::vector<QString> dates_, dateCodes_;
    std::vector<GoodsRow> goods_;
    std::vector<int> goodsByDay_; // goods created up to and including each day
    std::vector<PartnerRow> partners_;
    std::vector<int> suppliers_, customers_;
    int walkIn_ = 0;
    std::vector<QString> warehouses_, accounts_, handlers_;

    std::vector<Money> stock_, pairCost_;
    std::vector<char> moved_;
    std::vector<int> stockOrder_; // pairs in the order their stock row was created
    std::vector<PriceHistory> history_;
    std::vector<int> stockPos_;
    std::vector<std::vector<int>> inStock_; // per warehouse, goods with stock above zero
    std::vector<std::vector<int>> daySeq_;  // per kind and day, documents numbered so far
    std::vector<std::vector<Settlement>> due_;
    qint64 linesLeft_ = 0, docsLeft_ = 0;
    double nominalLines_ = 1;

    std::unique_ptr<Stmt> header_[4], line_[4], settleRow_[4], move_, flow_;
    StoreCounts counts_;
};

void Generator::masterData()
{
    // Existing rows of a new database (the default warehouse, account, handlers) stay first.
    const auto names = [this](const QString &table) {
        std::vector<QString> out;
        QSqlQuery q = db_.exec(QStringLiteral("SELECT theName FROM %1 ORDER BY ID").arg(table));
        while (q.next())
            out.push_back(q.value(0).toString());
        return out;
    };
    const auto addNamed = [this](const QString &table, std::vector<QString> &list, const QString &name) {
        db_.exec(QStringLiteral("INSERT INTO %1 (theName, Remark, theState) VALUES (?, '', '启用')").arg(table), {name});
        list.push_back(name);
    };
    warehouses_ = names(QStringLiteral("SWare"));
    const char *const wareNames[] = {"一号仓库", "二号仓库", "门市仓库", "东区仓库", "西区仓库",
                                     "南区仓库", "北区仓库", "配送中心", "临时仓库"};
    for (int i = 0; int(warehouses_.size()) < size_.warehouses; ++i)
        addNamed(QStringLiteral("SWare"), warehouses_,
                 i < int(std::size(wareNames)) ? utf8(wareNames[i]) : QStringLiteral("%1号分仓").arg(i + 1));
    warehouses_.resize(size_t(std::max(1, size_.warehouses)));
    accounts_ = names(QStringLiteral("SAccount"));
    for (const char *a : {"银行存款", "微信", "支付宝"})
        addNamed(QStringLiteral("SAccount"), accounts_, utf8(a));
    handlers_ = names(QStringLiteral("SStaff"));
    for (const char *h : {"李红", "王刚"})
        addNamed(QStringLiteral("SStaff"), handlers_, utf8(h));
    const auto &cats = categories();
    for (size_t i = 0; i < cats.size(); ++i)
        db_.exec(QStringLiteral("INSERT INTO SType (theName, Remark, theState, theZK) VALUES (?, '', '启用', ?)"),
                 {utf8(cats[i].name.text), i % 7 == 3 ? 95 : 100});
}

void Generator::planGoods()
{
    const int n = size_.goods;
    std::vector<int> created(static_cast<size_t>(n));
    for (int &d : created)
        d = rng_.chance(0.4) ? 0 : rng_.below(size_.days);
    std::sort(created.begin(), created.end());
    goodsByDay_.assign(size_t(size_.days), 0);
    for (int d = 0, i = 0; d < size_.days; ++d) {
        while (i < n && created[size_t(i)] <= d)
            ++i;
        goodsByDay_[size_t(d)] = i;
    }
    const auto &cats = categories();
    QSet<QString> taken;
    goods_.resize(size_t(n));
    int seqDay = -1, seq = 0;
    for (int i = 0; i < n; ++i) {
        GoodsRow &g = goods_[size_t(i)];
        g.createdDay = created[size_t(i)];
        seq = g.createdDay == seqDay ? seq + 1 : 1;
        seqDay = g.createdDay;
        g.num = dateCodes_[size_t(g.createdDay)] + sequence(seq);
        g.category = rng_.below(int(cats.size()));
        const Category &c = cats[size_t(g.category)];
        for (int attempt = 0;; ++attempt) {
            Named name;
            name.add(rng_.pick(brandChars()));
            name.add(rng_.pick(brandChars()));
            if (rng_.chance(0.5))
                name.add(rng_.pick(variants()));
            name.add(rng_.pick(c.nouns));
            if (attempt > 20)
                name.add(rng_.pick(brandChars()));
            if (!taken.contains(name.text)) {
                taken.insert(name.text);
                g.name = name.text;
                g.py = name.py;
                break;
            }
        }
        g.unit = utf8(rng_.pick(c.units));
        g.stand = utf8(rng_.pick(c.specs));
        g.weighed = c.weighed || g.unit == QStringLiteral("千克");
        // Prices from a few jiao to several hundred yuan, most of them small.
        const double jh = 0.5 * std::pow(1600.0, rng_.unit() * rng_.unit());
        g.jh = Money::fromRaw(std::max<qint64>(100, std::llround(jh * 10) * 1000));
        g.xs = Money::fromRaw(std::llround(g.jh.raw() * (1.12 + 0.45 * rng_.unit()) / 1000.0) * 1000);
        g.cb = g.jh;
        g.minStock = rng_.chance(0.3) ? 10 : 0;
        g.remark = rng_.chance(0.05) ? QStringLiteral("畅销") : QString();
        g.retired = rng_.chance(0.015);
    }
}

void Generator::planPartners()
{
    const int n = std::max(3, size_.partners);
    QSet<QString> taken;
    partners_.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        PartnerRow &p = partners_[size_t(i)];
        Named name;
        if (i == 0) {
            // Counter sales go to one walk-in customer.
            name.add({"零售客户", "ling shou ke hu"});
            p.type = QStringLiteral("客户");
        } else {
            // One plain supplier at least, so that receipts always find one.
            const double r = i == 1 ? 0.2 : rng_.unit();
            p.type = r < 0.1 ? QStringLiteral("两者皆是") : r < 0.4 ? QStringLiteral("供应商") : QStringLiteral("客户");
            for (int attempt = 0;; ++attempt) {
                Named candidate;
                if (p.type == QStringLiteral("客户") && rng_.chance(0.3)) {
                    candidate.add(rng_.pick(surnames()));
                    candidate.add(rng_.pick(givenChars()));
                    if (rng_.chance(0.6))
                        candidate.add(rng_.pick(givenChars()));
                } else {
                    candidate.add(rng_.pick(cities()));
                    candidate.add(rng_.pick(brandChars()));
                    candidate.add(rng_.pick(brandChars()));
                    candidate.add(rng_.pick(trades()));
                    candidate.add(rng_.pick(companySuffixes()));
                }
                if (attempt > 20)
                    candidate.add(rng_.pick(brandChars()));
                if (!taken.contains(candidate.text)) {
                    name = candidate;
                    break;
                }
            }
        }
        taken.insert(name.text);
        p.name = name.text;
        p.py = name.py;
        Named contact;
        contact.add(rng_.pick(surnames()));
        contact.add(rng_.pick(givenChars()));
        p.contact = contact.text;
        p.phone = QStringLiteral("1%1%2").arg(rng_.pick(std::vector<int>{3, 5, 8, 9})).arg(rng_.between(100000000, 999999999));
        const Word &city = rng_.pick(cities());
        p.address = QStringLiteral("%1市%2路%3号").arg(utf8(city.text), utf8(rng_.pick(brandChars()).text) +
                                                                     utf8(rng_.pick(brandChars()).text))
                        .arg(rng_.between(1, 999));
        p.remark = rng_.chance(0.05) ? QStringLiteral("月结") : QString();
        if (p.type != QStringLiteral("客户"))
            suppliers_.push_back(i);
        if (p.type != QStringLiteral("供应商"))
            customers_.push_back(i);
    }
    walkIn_ = 0;
}

void Generator::prepareStatements()
{
    for (int k = 0; k < 4; ++k) {
        const KindDef &d = kindDefs[k];
        const QString h = utf8(d.header);
        header_[k] = std::make_unique<Stmt>(
            db_, QStringLiteral("INSERT INTO %1 (theDate, theNum, UID, MName, theDel, theHJ, theSJ, %2, AName, WName, "
                                "UName, IName, Remark, theCount, theDX, myDate%3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                "?, ?, ?, ?, ?, ?, ?%4)")
                     .arg(h, utf8(d.outstanding), d.preStore ? QStringLiteral(", theYC") : QString(),
                          d.preStore ? QStringLiteral(", ?") : QString()));
        line_[k] = std::make_unique<Stmt>(
            db_, k == Sales ? QStringLiteral("INSERT INTO UXS_List (theNum, SID, thePrice, theCount, theSum, Remark, "
                                             "theBH, theZK, theJJ) VALUES (?, ?, ?, ?, ?, '', ?, ?, ?)")
                            : QStringLiteral("INSERT INTO %1 (theNum, SID, thePrice, theCount, theSum, Remark, theBH) "
                                             "VALUES (?, ?, ?, ?, ?, '', ?)")
                                  .arg(utf8(d.lines)));
        settleRow_[k] = std::make_unique<Stmt>(
            db_, QStringLiteral("INSERT INTO %1 (theNum, %2, theMoney, AName, %3, Remark) VALUES (?, ?, ?, ?, ?, '')")
                     .arg(utf8(d.settleTable), utf8(d.settleDate), utf8(d.settlePerson)));
    }
    move_ = std::make_unique<Stmt>(db_, QStringLiteral("INSERT INTO SList (theDate, UName, theType, theNum, WName, SID, "
                                                       "ICount, OCount, SPrice, WCount) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                                       "?, ?)"));
    flow_ = std::make_unique<Stmt>(db_, QStringLiteral("INSERT INTO UList (theDate, theType, theNum, theIn, theOut, "
                                                       "MName, UName, IName) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
}

int Generator::pickGoods(int day)
{
    const int available = std::max(1, goodsByDay_[size_t(day)]);
    for (;;) {
        const int g = rng_.skewed(available);
        if (!goods_[size_t(g)].retired)
            return g;
    }
}

int Generator::pickStocked(int w, int day)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int g = pickGoods(day);
        if (stock_[size_t(pair(w, g))] > Money())
            return g;
    }
    const auto &list = inStock_[size_t(w)];
    return list.empty() ? -1 : rng_.pick(list);
}

void Generator::setStock(int p, Money value)
{
    if (!moved_[size_t(p)]) {
        moved_[size_t(p)] = 1;
        stockOrder_.push_back(p);
    }
    stock_[size_t(p)] = value;
    const int n = int(goods_.size());
    auto &list = inStock_[size_t(p / n)];
    int &pos = stockPos_[size_t(p)];
    if (value > Money() && pos < 0) {
        pos = int(list.size());
        list.push_back(p % n);
    } else if (value <= Money() && pos >= 0) {
        const int last = list.back();
        list[size_t(pos)] = last;
        stockPos_[size_t(pair(p / n, last))] = pos;
        list.pop_back();
        pos = -1;
    }
}

int Generator::lineCount(Kind kind)
{
    // Receipts are the long documents; the rest share what is left of the average, and the
    // mean drifts back towards the requested total as documents are made.
    const double purchaseShare = 0.25;
    const double nominal = kind == Purchase ? 1.8 * nominalLines_
                                            : nominalLines_ * (1 - purchaseShare * 1.8) / (1 - purchaseShare);
    const double ratio = docsLeft_ > 0 ? std::clamp(double(linesLeft_) / (double(docsLeft_) * nominalLines_), 0.5, 2.0)
                                       : 1.0;
    const double mean = std::max(1.0, nominal * ratio);
    return std::min(99, rng_.between(1, std::max(1, int(std::lround(2 * mean - 1)))));
}

Money Generator::costFor(int p, const Line &line, Money heldBefore, const Money &priceArg)
{
    const PriceHistory &h = history_[size_t(p)];
    if (costMethod_ == QStringLiteral("先进先出"))
        return h.count ? h.first : priceArg;
    if (costMethod_ == QStringLiteral("后进先出"))
        return h.count ? h.last : priceArg;
    if (costMethod_ == QStringLiteral("最高单价"))
        return h.count ? h.highest : priceArg;
    if (costMethod_ == QStringLiteral("最低单价"))
        return h.count ? h.lowest : priceArg;
    if (costMethod_ == QStringLiteral("移动加权平均")) {
        const Money c = pairCost_[size_t(p)].isZero() ? priceArg : pairCost_[size_t(p)];
        const Money total = heldBefore + line.qty;
        return total > Money() ? (heldBefore * c + priceArg * line.qty) / total : c;
    }
    return priceArg; // "采购单价"
}

void Generator::settle(int day, const Settlement &s)
{
    const KindDef &d = kindDefs[s.kind];
    (*settleRow_[s.kind])({s.num, dates_[size_t(day)], s.amount.toDb(), s.account, s.person});
    (*flow_)({dates_[size_t(day)], utf8(d.flowSettle), s.num, (d.moneyIn ? s.amount : Money()).toDb(),
              (d.moneyIn ? Money() : s.amount).toDb(), s.account, s.person, user_});
    ++counts_.settlements;
    ++counts_.moneyRows;
}

bool Generator::document(Kind kind, int day, bool till)
{
    const KindDef &d = kindDefs[kind];
    const int w = till ? 0 : (rng_.chance(0.4) ? 0 : rng_.below(int(warehouses_.size())));
    const bool preStored = d.preStore && !till && rng_.chance(0.02);
    const bool posted = !preStored;
    const bool deleted = !till && rng_.chance(0.015);
    const bool takesStock = d.goodsOut && posted;

    std::vector<Line> lines;
    const int wanted = till ? rng_.between(1, 3) : lineCount(kind);
    for (int i = 0; i < wanted; ++i) {
        int g = -1;
        for (int attempt = 0; attempt < 6 && g < 0; ++attempt) {
            const int c = takesStock ? pickStocked(w, day) : pickGoods(day);
            if (c < 0)
                break;
            if (std::none_of(lines.begin(), lines.end(), [c](const Line &l) { return l.goods == c; }))
                g = c;
        }
        if (g < 0)
            continue;
        const GoodsRow &goods = goods_[size_t(g)];
        const int p = pair(w, g);
        Line l;
        l.goods = g;
        qint64 units;
        switch (kind) {
        case Purchase: units = goods.weighed ? rng_.between(500, 5000) * 100 : rng_.between(6, 30) * 10000; break;
        case Sales: units = goods.weighed ? rng_.between(20, 500) * 100 : rng_.between(1, till ? 3 : 10) * 10000; break;
        default: units = goods.weighed ? rng_.between(10, 200) * 100 : rng_.between(1, 4) * 10000; break;
        }
        l.qty = Money::fromRaw(units);
        if (takesStock)
            l.qty = std::min(l.qty, stock_[size_t(p)]);
        switch (kind) {
        case Purchase:
            l.price = Money::fromRaw(std::llround(goods.jh.raw() * (0.92 + 0.16 * rng_.unit()) / 100.0) * 100);
            break;
        case PurchaseReturn:
            l.price = history_[size_t(p)].count ? history_[size_t(p)].last : goods.jh;
            break;
        case Sales:
            l.price = rng_.chance(0.8) ? goods.xs
                                       : Money::fromRaw(std::llround(goods.xs.raw() * (0.95 + 0.1 * rng_.unit()) / 1000.0) * 1000);
            l.discount = rng_.chance(0.85) ? 100 : rng_.pick(std::vector<int>{98, 95, 90, 88, 85});
            break;
        case SalesReturn:
            l.price = goods.xs;
            break;
        }
        l.sum = Money::lineAmount(l.price, l.qty, l.discount);
        lines.push_back(l);
    }
    if (lines.empty())
        return false;

    Money total, quantity;
    for (const Line &l : lines) {
        total += l.sum;
        quantity += l.qty;
    }
    // Money taken with the document, and what later settlements bring.
    Money atEntry;
    if (posted) {
        const double r = rng_.unit();
        const bool full = till || (kind == Purchase ? r < 0.4 : kind == Sales ? r < 0.6 : r < 0.5);
        const bool none = !full && (kind == Purchase ? r < 0.8 : kind == Sales ? r < 0.85 : true);
        if (full)
            atEntry = total;
        else if (!none)
            atEntry = Money::units(qint64(total.toDouble() * (0.2 + 0.6 * rng_.unit())));
    }
    const QString num = QString::fromLatin1(d.prefix) + dateCodes_[size_t(day)] + u'-' +
                        sequence(++daySeq_[size_t(kind)][size_t(day)]);
    const QString account = till ? rng_.pick(accounts_) : accounts_[size_t(rng_.skewed(int(accounts_.size())))];
    const QString handler = rng_.pick(handlers_);
    const QString person = rng_.pick(handlers_);
    Money later;
    Settlement settlement{kind, num, account, rng_.pick(handlers_), Money()};
    int settleDay = -1;
    if (posted && !deleted && total > atEntry && rng_.chance(0.65)) {
        settleDay = day + rng_.between(1, 45);
        const Money open = total - atEntry;
        later = rng_.chance(0.7) ? open : Money::units(qint64(open.toDouble() * 0.5));
        if (settleDay >= size_.days || later.isZero())
            settleDay = -1, later = Money();
        settlement.amount = later;
    }
    const Money paid = atEntry + later;
    const Money outstanding = total - paid;
    const std::vector<int> &side = kind == Purchase || kind == PurchaseReturn ? suppliers_ : customers_;
    const int partner = till ? walkIn_ : side[size_t(rng_.skewed(int(side.size()), 1.6))];
    PartnerRow &partnerRow = partners_[size_t(partner)];
    const int back = rng_.chance(0.1) ? rng_.between(1, 3) : 0;
    const QString myDate = dates_[size_t(std::max(0, day - back))];
    const QString remark = rng_.chance(0.05) ? utf8(rng_.pick(std::vector<const char *>{"送货上门", "月结", "急件", "老客户"}))
                                             : QString();
    QVariantList header{dates_[size_t(day)], num, partner + 1, partnerRow.name, deleted ? QStringLiteral("是") : QStringLiteral("否"),
                        total.toDb(), paid.toDb(), outstanding.toDb(), account, warehouses_[size_t(w)], handler, user_,
                        remark, quantity.toDb(), NumToChar(total), myDate};
    if (d.preStore)
        header << (preStored ? QStringLiteral("是") : QStringLiteral("否"));
    (*header_[kind])(header);

    const QString &date = dates_[size_t(day)];
    const QString &ware = warehouses_[size_t(w)];
    const int sign = d.goodsOut ? -1 : 1;
    for (size_t i = 0; i < lines.size(); ++i) {
        Line &l = lines[i];
        GoodsRow &goods = goods_[size_t(l.goods)];
        const int p = pair(w, l.goods);
        const Money held = stock_[size_t(p)];
        if (kind == Sales) {
            l.cost = moved_[size_t(p)] ? pairCost_[size_t(p)] : goods.jh;
            (*line_[kind])({num, l.goods + 1, l.price.toDb(), l.qty.toDb(), l.sum.toDb(), int(i + 1), l.discount,
                            l.cost.toDb()});
        } else {
            (*line_[kind])({num, l.goods + 1, l.price.toDb(), l.qty.toDb(), l.sum.toDb(), int(i + 1)});
        }
        if (posted) {
            setStock(p, held + (sign > 0 ? l.qty : -l.qty));
            (*move_)({date, user_, utf8(d.move), num, ware, l.goods + 1, (sign > 0 ? l.qty : Money()).toDb(),
                      (sign > 0 ? Money() : l.qty).toDb(), l.price.toDb(), stock_[size_t(p)].toDb()});
            ++counts_.movements;
        }
        if (kind == Purchase) {
            PriceHistory &h = history_[size_t(p)];
            if (!deleted) {
                if (h.count == 0)
                    h.first = h.highest = h.lowest = l.price;
                h.last = l.price;
                h.highest = std::max(h.highest, l.price);
                h.lowest = std::min(h.lowest, l.price);
                ++h.count;
            }
            const Money cost = costFor(p, l, held, l.price);
            goods.cb = cost;
            if (moved_[size_t(p)])
                pairCost_[size_t(p)] = cost;
            goods.supplier = partnerRow.name;
        }
    }
    counts_.lines += qint64(lines.size());
    if (!atEntry.isZero()) {
        (*settleRow_[kind])({num, date, atEntry.toDb(), account, person});
        (*flow_)({date, utf8(d.flowEntry), num, (d.moneyIn ? atEntry : Money()).toDb(),
                  (d.moneyIn ? Money() : atEntry).toDb(), account, person, user_});
        ++counts_.settlements;
        ++counts_.moneyRows;
    }
    if (deleted && posted) {
        // Deleting a posted document reverses each line and gives back the money taken.
        for (const Line &l : lines) {
            const int p = pair(w, l.goods);
            setStock(p, stock_[size_t(p)] + (sign > 0 ? -l.qty : l.qty));
            (*move_)({date, user_, utf8(d.moveDeleted), num, ware, l.goods + 1, (sign > 0 ? Money() : l.qty).toDb(),
                      (sign > 0 ? l.qty : Money()).toDb(), l.price.toDb(), stock_[size_t(p)].toDb()});
            ++counts_.movements;
        }
        if (!atEntry.isZero()) {
            (*flow_)({date, utf8(d.flowDeleted), num, (d.moneyIn ? Money() : atEntry).toDb(),
                      (d.moneyIn ? atEntry : Money()).toDb(), account, person, user_});
            ++counts_.moneyRows;
        }
    }
    if (posted && !deleted) {
        Money &balance = d.receivable ? partnerRow.ys : partnerRow.yf;
        balance += d.balanceSign > 0 ? outstanding : -outstanding;
    }
    if (settleDay >= 0)
        due_[size_t(settleDay)].push_back(settlement);
    ++counts_.documents;
    counts_.deleted += deleted;
    counts_.preStored += preStored;
    return true;
}

void Generator::settleDue(int day)
{
    for (const Settlement &s : due_[size_t(day)])
        settle(day, s);
    due_[size_t(day)].clear();
}

void Generator::writeMasterRows()
{
    const auto &cats = categories();
    Stmt goods(db_, QStringLiteral("INSERT INTO SShop (ID, theNum, theType, theName, theStand, theUnit, theJH, theXS, "
                                   "theCB, theZK, theKCMin, theKCMax, Remark, thePY, theState, theDel, theDate, theCD, "
                                   "thePH, MName, theCS1, theCS2, theCS3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 100, ?, "
                                   "?, ?, ?, ?, ?, ?, '', '', ?, '', '', '')"));
    for (size_t i = 0; i < goods_.size(); ++i) {
        const GoodsRow &g = goods_[i];
        const bool disabled = g.retired && i % 2 == 0;
        goods({int(i + 1), g.num, utf8(cats[size_t(g.category)].name.text), g.name, g.stand, g.unit, g.jh.toDb(),
               g.xs.toDb(), g.cb.toDb(), Money::units(g.minStock).toDb(), Money::units(1000).toDb(), g.remark, g.py,
               disabled ? QStringLiteral("停用") : QStringLiteral("启用"),
               g.retired && !disabled ? QStringLiteral("是") : QStringLiteral("否"), dates_[size_t(g.createdDay)],
               g.supplier});
    }
    Stmt partner(db_, QStringLiteral("INSERT INTO SUnits (ID, theName, thePro, thePho, theAdd, Remark, thePY, "
                                     "theState, theDel, theType, theYS, theYF) VALUES (?, ?, ?, ?, ?, ?, ?, '启用', "
                                     "'否', ?, ?, ?)"));
    for (size_t i = 0; i < partners_.size(); ++i) {
        const PartnerRow &p = partners_[i];
        partner({int(i + 1), p.name, p.contact, p.phone, p.address, p.remark, p.py, p.type, p.ys.toDb(), p.yf.toDb()});
    }
    Stmt stockRow(db_, QStringLiteral("INSERT INTO UKC (WName, SID, theCount, theCB) VALUES (?, ?, ?, ?)"));
    const int n = int(goods_.size());
    for (const int p : stockOrder_)
        stockRow({warehouses_[size_t(p / n)], p % n + 1, stock_[size_t(p)].toDb(), pairCost_[size_t(p)].toDb()});
    counts_.goods = qint64(goods_.size());
    counts_.partners = qint64(partners_.size());
    counts_.stockRows = qint64(stockOrder_.size());
}

StoreCounts Generator::run()
{
    if (size_.goods < 1 || size_.partners < 1 || size_.warehouses < 1 || size_.days < 1 || size_.documents < 0)
        throw DbError(QStringLiteral("店铺规模无效"));
    const qint64 existing = db_.scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM SShop) + (SELECT COUNT(*) FROM "
                                                      "SUnits) + (SELECT COUNT(*) FROM UJH) + (SELECT COUNT(*) FROM UXS)"))
                                .toLongLong();
    if (existing > 0)
        throw DbError(QStringLiteral("%1 已有商品、往来单位或单据，不能生成模拟数据").arg(db_.path()));
    costMethod_ = db_.scalar(QStringLiteral("SELECT theCB FROM SDept ORDER BY ID LIMIT 1")).toString();
    user_ = db_.scalar(QStringLiteral("SELECT theName FROM SUser ORDER BY ID LIMIT 1")).toString();

    const QDate last = synthLastDay();
    for (int d = 0; d < size_.days; ++d) {
        const QDate date = last.addDays(d - (size_.days - 1));
        dates_.push_back(date.toString(Qt::ISODate));
        dateCodes_.push_back(yymmdd(date));
    }

    // Bulk loading: no journal on disk, no syncs, and the indexes built once at the end from
    // sorted data instead of row by row. The file is throw-away until generation finishes.
    db_.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    db_.exec(QStringLiteral("PRAGMA journal_mode = MEMORY"));
    db_.exec(QStringLiteral("PRAGMA cache_size = -262144"));
    db_.exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    QStringList indexes;
    {
        QSqlQuery q = db_.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"));
        QStringList names;
        while (q.next()) {
            names << q.value(0).toString();
            indexes << q.value(1).toString();
        }
        q.finish();
        for (const QString &name : names)
            db_.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name));
    }

    db_.begin();
    masterData();
    planGoods();
    planPartners();
    prepareStatements();
    const size_t pairs = size_t(warehouses_.size()) * goods_.size();
    stock_.assign(pairs, Money());
    pairCost_.assign(pairs, Money());
    moved_.assign(pairs, 0);
    history_.assign(pairs, PriceHistory());
    stockPos_.assign(pairs, -1);
    inStock_.assign(warehouses_.size(), {});
    daySeq_.assign(4, std::vector<int>(size_t(size_.days), 0));
    due_.assign(size_t(size_.days), {});

    // Documents per day: busier weekends and a business that grows over the period.
    std::vector<double> weight(size_t(size_.days));
    double weightSum = 0;
    for (int d = 0; d < size_.days; ++d) {
        const int weekday = QDate::fromString(dates_[size_t(d)], Qt::ISODate).dayOfWeek();
        weight[size_t(d)] = (1.0 + 0.5 * d / size_.days) * (weekday >= 6 ? 1.25 : 1.0) * (0.8 + 0.4 * rng_.unit());
        weightSum += weight[size_t(d)];
    }
    linesLeft_ = size_.lines;
    docsLeft_ = size_.documents;
    nominalLines_ = size_.documents > 0 ? std::max(1.0, double(size_.lines) / size_.documents) : 1.0;
    double cumulative = 0;
    qint64 made = 0;
    for (int d = 0; d < size_.days; ++d) {
        cumulative += weight[size_t(d)] * size_.documents / weightSum;
        const qint64 upTo = d == size_.days - 1 ? size_.documents : std::llround(cumulative);
        const int today = int(upTo - made);
        made = upTo;
        settleDue(d);
        // -1 marks a counter sale of the busy last day, mixed in among the ordinary documents.
        std::vector<int> plan;
        for (int i = 0; i < today; ++i) {
            const double r = rng_.unit();
            plan.push_back(r < 0.25 ? Purchase : r < 0.28 ? PurchaseReturn : r < 0.95 ? Sales : SalesReturn);
        }
        if (d == size_.days - 1)
            plan.insert(plan.end(), size_t(std::max(0, size_.lastDaySales)), -1);
        for (size_t i = plan.size(); i > 1; --i)
            std::swap(plan[i - 1], plan[size_t(rng_.below(int(i)))]);
        for (const int k : plan) {
            const bool till = k < 0;
            const qint64 before = counts_.lines;
            // An outgoing document that finds nothing in stock becomes a receipt instead.
            if (!document(till ? Sales : Kind(k), d, till) && !till)
                document(Purchase, d, false);
            if (!till) {
                linesLeft_ -= counts_.lines - before;
                --docsLeft_;
            }
        }
        if (d % 30 == 29) {
            db_.commit();
            db_.begin();
        }
    }
    writeMasterRows();
    db_.commit();

    for (const QString &sql : indexes)
        db_.exec(sql);
    db_.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    db_.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    return counts_;
}

struct Check {
    QString name;
    QString sql; // returns one describing value per offending row
};

std::vector<Check> checks()
{
    std::vector<Check> c;
    c.push_back({QStringLiteral("stock equals movements"),
                 QStringLiteral("SELECT k.WName || '/' || k.SID FROM UKC k LEFT JOIN (SELECT WName, SID, "
                                "SUM(ICount - OCount) AS net FROM SList GROUP BY WName, SID) m ON m.WName = k.WName AND "
                                "m.SID = k.SID WHERE k.theCount <> COALESCE(m.net, 0) "
                                "UNION ALL SELECT m.WName || '/' || m.SID FROM (SELECT DISTINCT WName, SID FROM SList) m "
                                "WHERE NOT EXISTS (SELECT 1 FROM UKC k WHERE k.WName = m.WName AND k.SID = m.SID)")});
    c.push_back({QStringLiteral("movement stock-after figures"),
                 QStringLiteral("SELECT ID FROM (SELECT ID, WCount, SUM(ICount - OCount) OVER (PARTITION BY WName, SID "
                                "ORDER BY ID) AS running FROM SList) WHERE WCount <> running")});
    c.push_back({QStringLiteral("no negative stock"), QStringLiteral("SELECT WName || '/' || SID FROM UKC WHERE theCount < 0")});
    c.push_back({QStringLiteral("one stock row per warehouse and goods"),
                 QStringLiteral("SELECT WName || '/' || SID FROM UKC GROUP BY WName, SID HAVING COUNT(*) > 1")});
    c.push_back({QStringLiteral("goods numbers by creation date"),
                 QStringLiteral("SELECT theNum FROM (SELECT theNum, theDate, ROW_NUMBER() OVER (PARTITION BY theDate "
                                "ORDER BY ID) AS seq FROM SShop) WHERE theNum <> substr(theDate, 3, 2) || "
                                "substr(theDate, 6, 2) || substr(theDate, 9, 2) || printf('%04d', seq)")});
    QString ys, yf;
    for (int k = 0; k < 4; ++k) {
        const KindDef &d = kindDefs[k];
        const QString h = utf8(d.header), l = utf8(d.lines), s = utf8(d.settleTable), out = utf8(d.outstanding);
        const QString posted = d.preStore ? QStringLiteral("h.theYC = '否'") : QStringLiteral("1");
        c.push_back({h + QStringLiteral(" numbers"),
                     QStringLiteral("SELECT theNum FROM (SELECT theNum, theDate, ROW_NUMBER() OVER (PARTITION BY "
                                    "theDate ORDER BY ID) AS seq FROM %1) WHERE theNum <> '%2' || substr(theDate, 3, 2) "
                                    "|| substr(theDate, 6, 2) || substr(theDate, 9, 2) || '-' || printf('%04d', seq)")
                         .arg(h, QString::fromLatin1(d.prefix))});
        c.push_back({h + QStringLiteral(" totals equal lines"),
                     QStringLiteral("SELECT h.theNum FROM %1 h LEFT JOIN (SELECT theNum, SUM(theSum) AS total, "
                                    "SUM(theCount) AS qty FROM %2 GROUP BY theNum) l ON l.theNum = h.theNum WHERE "
                                    "l.total IS NULL OR h.theHJ <> l.total OR h.theCount <> l.qty OR h.%3 <> h.theHJ - "
                                    "h.theSJ OR h.%3 < 0")
                         .arg(h, l, out)});
        // price x quantity x discount / 100, rounded once, half away from zero (all positive here).
        c.push_back({l + QStringLiteral(" line amounts"),
                     QStringLiteral("SELECT theNum FROM %1 WHERE theSum <> (thePrice * theCount * %2 + 500000) / 1000000")
                         .arg(l, k == Sales ? QStringLiteral("theZK") : QStringLiteral("100"))});
        c.push_back({l + QStringLiteral(" belong to a header and goods"),
                     QStringLiteral("SELECT theNum FROM %1 WHERE theNum NOT IN (SELECT theNum FROM %2) OR SID NOT IN "
                                    "(SELECT ID FROM SShop)")
                         .arg(l, h)});
        c.push_back({h + QStringLiteral(" partner, name and warehouse"),
                     QStringLiteral("SELECT h.theNum FROM %1 h LEFT JOIN SUnits u ON u.ID = h.UID WHERE u.ID IS NULL "
                                    "OR u.theType = '%2' OR u.theName <> h.MName OR h.WName NOT IN (SELECT theName "
                                    "FROM SWare)")
                         .arg(h, utf8(d.partnerExcluded))});
        c.push_back({h + QStringLiteral(" paid equals settlements"),
                     QStringLiteral("SELECT h.theNum FROM %1 h LEFT JOIN (SELECT theNum, SUM(theMoney) AS paid FROM %2 "
                                    "GROUP BY theNum) s ON s.theNum = h.theNum WHERE h.theSJ <> COALESCE(s.paid, 0) OR "
                                    "(NOT (%3) AND s.paid IS NOT NULL)")
                         .arg(h, s, posted)});
        c.push_back({h + QStringLiteral(" money log"),
                     QStringLiteral("SELECT h.theNum FROM %1 h LEFT JOIN (SELECT theNum, SUM(theIn - theOut) AS net "
                                    "FROM UList WHERE theType IN ('%2', '%3', '%4') GROUP BY theNum) u ON u.theNum = "
                                    "h.theNum WHERE COALESCE(u.net, 0) <> %5 * (CASE WHEN h.theDel = '否' THEN h.theSJ "
                                    "ELSE 0 END)")
                         .arg(h, utf8(d.flowEntry), utf8(d.flowSettle), utf8(d.flowDeleted),
                              d.moneyIn ? QStringLiteral("1") : QStringLiteral("-1"))});
        c.push_back({h + QStringLiteral(" movements"),
                     QStringLiteral("SELECT h.theNum FROM %1 h JOIN (SELECT theNum, SUM(theCount) AS qty FROM %2 GROUP "
                                    "BY theNum) l ON l.theNum = h.theNum LEFT JOIN (SELECT theNum, SUM(ICount - OCount) "
                                    "AS net, SUM(SList.WName <> h2.WName) AS elsewhere FROM SList JOIN (SELECT theNum AS n2, "
                                    "WName FROM %1) h2 ON h2.n2 = SList.theNum WHERE theType IN ('%4', '%5') GROUP BY "
                                    "theNum) m ON m.theNum = h.theNum WHERE COALESCE(m.net, 0) <> CASE WHEN h.theDel = "
                                    "'否' AND %3 THEN %6 * l.qty ELSE 0 END OR COALESCE(m.elsewhere, 0) > 0")
                         .arg(h, l, posted, utf8(d.move), utf8(d.moveDeleted), d.goodsOut ? QStringLiteral("-1") : QStringLiteral("1"))});
        const QString term = QStringLiteral("SELECT UID, %1h.%2 AS v FROM %3 h WHERE h.theDel = '否' AND %4")
                                 .arg(d.balanceSign > 0 ? QString() : QStringLiteral("-"), out, h, posted);
        QString &target = d.receivable ? ys : yf;
        target += (target.isEmpty() ? QString() : QStringLiteral(" UNION ALL ")) + term;
    }
    c.push_back({QStringLiteral("partner balances equal open documents"),
                 QStringLiteral("SELECT u.ID FROM SUnits u LEFT JOIN (SELECT UID, SUM(v) AS t FROM (%1) GROUP BY UID) a "
                                "ON a.UID = u.ID LEFT JOIN (SELECT UID, SUM(v) AS t FROM (%2) GROUP BY UID) b ON b.UID = "
                                "u.ID WHERE u.theYS <> COALESCE(a.t, 0) OR u.theYF <> COALESCE(b.t, 0)")
                     .arg(ys, yf)});
    return c;
}

} // namespace

StoreCounts generateStore(Database &db, const StoreSize &size, quint32 seed)
{
    Generator g(db, size, seed);
    return g.run();
}

QStringList checkStore(Database &db)
{
    QStringList problems;
    for (const Check &c : checks()) {
        QSqlQuery q = db.exec(QStringLiteral("SELECT * FROM (%1) LIMIT 4").arg(c.sql));
        QStringList rows;
        while (q.next())
            rows << q.value(0).toString();
        if (!rows.isEmpty())
            problems << c.name + QStringLiteral(": ") + rows.join(QStringLiteral(", "));
    }
    return problems;
}

} // namespace qv
