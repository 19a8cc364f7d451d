#include "services/numbering.h"

#include "app/session.h"
#include "db/database.h"

#include <QDate>

namespace qv {

namespace {

// Count of rows of a fixed table (never user text) written on the business date.
qint64 rowsOfDate(Database &db, const QString &table, const QString &workDate)
{
    QSqlQuery &q = db.cached(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE theDate = ?").arg(table));
    db.run(q, {workDate});
    const qint64 n = q.next() ? q.value(0).toLongLong() : 0;
    q.finish();
    return n;
}

// yymmdd of a business date; a malformed date would make a number no one can sort or find.
QString datePart(const QString &workDate)
{
    const QDate d = QDate::fromString(workDate, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        throw DbError(QStringLiteral("营业日期“%1”无效，无法生成编号！").arg(workDate));
    return d.toString(QStringLiteral("yyMMdd"));
}

// Four digits, padded with zeros; from 10000 on simply longer.
QString sequence(qint64 n) { return QString::number(n).rightJustified(4, u'0'); }

// First value of a cached lookup when exactly one row comes back.
std::optional<QVariant> singleValue(Database &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = db.cached(sql);
    db.run(q, values);
    std::optional<QVariant> v;
    if (q.next()) {
        v = q.value(0);
        if (q.next())
            v.reset();
    }
    q.finish();
    return v;
}

// Latest line price of live documents of this goods and partner; pre-stored ones count.
std::optional<Money> lastLinePrice(Database &db, const QString &header, int goodsId, int partnerId)
{
    const QString sql = QStringLiteral("SELECT L.thePrice FROM %1 H INNER JOIN %1_List L ON H.theNum = L.theNum "
                                       "WHERE H.theDel = '否' AND L.SID = ? AND H.UID = ? "
                                       "ORDER BY L.ID DESC LIMIT 1")
                            .arg(header);
    if (const auto v = singleValue(db, sql, {goodsId, partnerId}))
        return Money::fromDb(*v);
    return std::nullopt;
}

} // namespace

const DocKindInfo &docKindInfo(DocKind kind)
{
    static const DocKindInfo infos[] = {
        {QStringLiteral("UJH"), QStringLiteral("CG")},   {QStringLiteral("UCG_O"), QStringLiteral("CT")},
        {QStringLiteral("UXS"), QStringLiteral("XS")},   {QStringLiteral("UXS_O"), QStringLiteral("XT")},
        {QStringLiteral("UFK"), QStringLiteral("FK")},   {QStringLiteral("USK"), QStringLiteral("SK")},
        {QStringLiteral("UDB"), QStringLiteral("DB")},   {QStringLiteral("UBS"), QStringLiteral("BS")},
        {QStringLiteral("UBY"), QStringLiteral("BY")},   {QStringLiteral("UCZ"), QStringLiteral("CZ")},
    };
    return infos[static_cast<int>(kind)];
}

QString NewDJNum(Database &db, const QString &workDate, DocKind kind, const QString &separator)
{
    const DocKindInfo &info = docKindInfo(kind);
    const QString date = datePart(workDate);
    return info.prefix + date + separator + sequence(rowsOfDate(db, info.table, workDate) + 1);
}

QString NewSPNum(Database &db, const QString &workDate)
{
    const QString date = datePart(workDate);
    return date + sequence(rowsOfDate(db, QStringLiteral("SShop"), workDate) + 1);
}

Money myRetJHPrice(Database &db, const StoreOptions &options, int goodsId, int partnerId)
{
    Money price;
    if (const auto v = singleValue(db, QStringLiteral("SELECT theJH FROM SShop WHERE ID = ?"), {goodsId}))
        price = Money::fromDb(*v);
    if (options.LastPurchasePrice) {
        if (const auto last = lastLinePrice(db, QStringLiteral("UJH"), goodsId, partnerId))
            price = *last;
    }
    return price;
}

std::optional<Money> myRetXSPrice(Database &db, const StoreOptions &options, int goodsId, int partnerId)
{
    std::optional<Money> price;
    if (const auto v = singleValue(db, QStringLiteral("SELECT theXS FROM SShop WHERE ID = ?"), {goodsId}))
        price = Money::fromDb(*v);
    if (options.LastSalesPrice) {
        // The undiscounted line price.
        if (const auto last = lastLinePrice(db, QStringLiteral("UXS"), goodsId, partnerId))
            price = *last;
    }
    return price;
}

int myRetZK(Database &db, const QString &category)
{
    if (category.isEmpty())
        return 100;
    if (const auto v = singleValue(db, QStringLiteral("SELECT theZK FROM SType WHERE theName = ?"), {category}))
        return v->toInt();
    return 100;
}

QStringList DBComSType(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SType WHERE theState = '启用' ORDER BY ID"));
}

QStringList DBComWare(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SWare WHERE theState = '启用' ORDER BY ID"));
}

QStringList DBComAccount(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SAccount WHERE theState = '启用' ORDER BY ID"));
}

QStringList DBComStaff(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SStaff WHERE theState = '启用' ORDER BY ID"));
}

QStringList DBComSUType(Database &db)
{
    return db.texts(QStringLiteral("SELECT theName FROM SUType ORDER BY ID"));
}

} // namespace qv
