#include "services/ledgers.h"

#include "app/session.h"
#include "db/database.h"
#include "services/postings.h"

namespace qv {

void SaveSList(Database &db, const Session &session, const QString &kind, const QString &number,
               const QString &warehouse, int goodsId, Money qtyIn, Money qtyOut, Money price)
{
    // The caller has already posted the stock, so this is the stock after the movement.
    const Money after = myRetKC(db, warehouse, goodsId);
    QSqlQuery &q = db.cached(QStringLiteral(
        "INSERT INTO SList (theDate, theType, theNum, WName, SID, ICount, OCount, SPrice, WCount, UName) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    db.run(q, {session.WorkDate, kind, number, warehouse, goodsId, qtyIn.toDb(), qtyOut.toDb(), price.toDb(),
               after.toDb(), session.CurUser});
}

void SaveList(Database &db, const Session &session, const QString &kind, const QString &number, Money moneyIn,
              Money moneyOut, const QString &account, const QString &person, const QString &user)
{
    QSqlQuery &q = db.cached(QStringLiteral(
        "INSERT INTO UList (theDate, theType, theNum, theIn, theOut, MName, UName, IName) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    db.run(q, {session.WorkDate, kind, number, moneyIn.toDb(), moneyOut.toDb(), account, person, user});
}

void SaveBB(Database &db, const QString &period, const PeriodTotals &t)
{
    QSqlQuery &q = db.cached(QStringLiteral(
        "INSERT INTO UBB (theDate, CG1, CG2, CG3, CG4, CG5, CT1, CT2, CT3, CT4, CT5, FK1, FK2, "
        "XS1, XS2, XS3, XS4, XS5, XT1, XT2, XT3, XT4, XT5, SK1, SK2, BS1, BS2, BS3, BY1, BY2, BY3) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    db.run(q, {period,
               t.CG1.toDb(), t.CG2.toDb(), t.CG3.toDb(), t.CG4.toDb(), t.CG5,
               t.CT1.toDb(), t.CT2.toDb(), t.CT3.toDb(), t.CT4.toDb(), t.CT5,
               t.FK1.toDb(), t.FK2,
               t.XS1.toDb(), t.XS2.toDb(), t.XS3.toDb(), t.XS4.toDb(), t.XS5,
               t.XT1.toDb(), t.XT2.toDb(), t.XT3.toDb(), t.XT4.toDb(), t.XT5,
               t.SK1.toDb(), t.SK2,
               t.BS1.toDb(), t.BS2.toDb(), t.BS3,
               t.BY1.toDb(), t.BY2.toDb(), t.BY3});
}

void mySQL(Database &db, const QString &statement)
{
    db.exec(statement);
}

} // namespace qv
