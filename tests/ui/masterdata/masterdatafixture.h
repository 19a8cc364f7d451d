#pragma once

#include "app/appcontext.h"
#include "db/database.h"
#include "messagerecorder.h"
#include "money/money.h"
#include "testdb.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace qv::test {

// A fresh store logged in as the administrator (all rights), with the message seam recording.
struct MasterFixture {
    TestStore store;
    MessageRecorder messages;
    AppContext ctx;

    MasterFixture()
    {
        ctx.db = store.db.get();
        ctx.app = store.app;
        ctx.session = store.session;
        ctx.options = store.session.options;
        ctx.loggedIn = true;
    }
    Database &db() { return *ctx.db; }

    void stockAlert(bool on)
    {
        ctx.session.options.StockAlertOn = on ? QStringLiteral("True") : QStringLiteral("False");
    }
    int addCategory(const QString &name, int discount, const QString &state = QStringLiteral("启用"))
    {
        db().exec("INSERT INTO SType (theName, Remark, theState, theZK) VALUES (?, '', ?, ?)", {name, state, discount});
        return db().scalar("SELECT max(ID) FROM SType").toInt();
    }
    int addGoods(const QString &number, const QString &name, const QString &py, const QString &category = {},
                 const QString &unit = QStringLiteral("个"))
    {
        db().exec("INSERT INTO SShop (theNum, theName, thePY, theType, theStand, theUnit, theJH, theXS, theCB, theZK, "
                  "Remark, theState, theDel, theCD, thePH) VALUES (?, ?, ?, ?, '', ?, 20000, 30000, 20000, 100, '', "
                  "'启用', '否', '', '')",
                  {number, name, py, category, unit});
        return db().scalar("SELECT max(ID) FROM SShop").toInt();
    }
    int addPartner(const QString &name, const QString &py, const QString &contact, const QString &type,
                   const QString &state = QStringLiteral("启用"))
    {
        db().exec("INSERT INTO SUnits (theName, thePY, thePro, thePho, theAdd, Remark, theType, theState, theDel, "
                  "theYS, theYF) VALUES (?, ?, ?, '', '', '', ?, ?, '否', 0, 0)",
                  {name, py, contact, type, state});
        return db().scalar("SELECT max(ID) FROM SUnits").toInt();
    }
    void addStock(const QString &warehouse, int goodsId, const char *count)
    {
        db().exec("INSERT INTO UKC (WName, SID, theCount, theCB) VALUES (?, ?, ?, 0)",
                  {warehouse, goodsId, Money::parse(QString::fromLatin1(count))->toDb()});
    }
    int count(const QString &sql, const QVariantList &values = {}) { return db().scalar(sql, values).toInt(); }
};

// Acts on the modal window the next event loop shows (a window opened with exec()). The
// action must close it.
inline void onModal(std::function<void(QDialog *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr) << "no modal window opened";
        act(d);
    });
}

// The modal windows `action` opens, each closed as soon as it shows.
inline QStringList modalsOpenedBy(const std::function<void()> &action)
{
    QStringList seen;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&seen] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            seen << d->objectName();
            d->reject();
        }
    });
    watch.start();
    action();
    return seen;
}

// A context-menu item by caption.
inline QAction *menuItem(QMenu *menu, const QString &caption)
{
    for (QAction *a : menu->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

inline QStringList menuCaptions(QMenu *menu)
{
    QStringList out;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            out << a->text();
    return out;
}

inline QStringList gridColumn(const QTableView *grid, int col)
{
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, col).data().toString();
    return out;
}

inline QStringList gridTitles(const QTableView *grid)
{
    QStringList out;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        out << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return out;
}

// Selects the grid row whose `col` shows `text`.
inline void selectRow(QTableView *grid, int col, const QString &text)
{
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, col).data().toString() == text) {
            grid->setCurrentIndex(grid->model()->index(r, col));
            return;
        }
    ADD_FAILURE() << "no row shows " << text.toStdString();
}

// A double click on the selected row, as a person makes it: the first click, then the second.
inline void doubleClickCurrentRow(QTableView *grid)
{
    const QPoint at = grid->visualRect(grid->currentIndex()).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

} // namespace qv::test
