#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace qv {

class Database;

// How big a synthetic store to make. The defaults are a busy shop after two years of trading.
struct StoreSize {
    int goods = 20000;
    int partners = 2000;
    int warehouses = 5;
    int documents = 100000;  // trade documents spread over the period
    int lines = 1000000;     // their goods lines (the generator lands close to it)
    int days = 730;          // business dates, the last one being synthLastDay()
    int lastDaySales = 5000; // extra till sales issues on the last business date
};

// The last business date of every generated store. Fixed, so that document numbers and
// every figure measured on a store depend only on its size and seed.
QDate synthLastDay();

// What a generation wrote.
struct StoreCounts {
    qint64 goods = 0, partners = 0, documents = 0, lines = 0, deleted = 0, preStored = 0;
    qint64 stockRows = 0, movements = 0, moneyRows = 0, settlements = 0;
};

// Fills a database just made by initDataFolder (and opened with Database::openExisting) with
// a trading history: categories, goods, partners of the three kinds, warehouses, accounts,
// handlers, and the four trade documents with their lines, settlements, stock rows,
// movement records and money log, all as the program's own saves, deletes and settlements
// would have left them (see checkStore). The same size and seed give the same store.
// Throws DbError when the database already holds goods or documents.
StoreCounts generateStore(Database &db, const StoreSize &size, quint32 seed = 1);

// The consistency rules of the book, each checked over the whole database: stock equals the
// movements, every movement's stock-after figure, headers equal their lines and settlements,
// partner balances equal their open documents, the money log matches what was paid,
// document and goods numbers follow the daily sequence. One line per broken rule (naming a
// few offending rows); empty when the book is sound.
QStringList checkStore(Database &db);

} // namespace qv
