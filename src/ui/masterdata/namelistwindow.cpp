#include "masterdata/namelistwindow.h"

#include "app/appcontext.h"
#include "widgets/guarded.h"
#include "widgets/showrefusal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv {

NameListWindow::NameListWindow(AppContext &context, const NameListKind &kind, QWidget *parent)
    : GridDialog(context, kind.windowClass, kind.caption, kind.group, parent), kind_(kind)
{
    nameEdit = new QLineEdit(entryBlock);
    nameEdit->setObjectName(QStringLiteral("theName"));
    nameEdit->setMaxLength(20);
    remarkEdit = new QLineEdit(entryBlock);
    remarkEdit->setObjectName(QStringLiteral("Remark"));
    remarkEdit->setMaxLength(50);
    auto *g = new QGridLayout(entryBlock);
    g->addWidget(new QLabel(kind.nameLabel, entryBlock), 0, 0);
    g->addWidget(nameEdit, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("备        注："), entryBlock), 1, 0);
    g->addWidget(remarkEdit, 1, 1);
    resize(540, 400);

    Database &db = *context.db;
    addMenuItem(QStringLiteral("启用 &Q"), [this, &db] {
        setNameListState(db, kind_, currentId(), true);
        Ref();
    });
    addMenuItem(QStringLiteral("停用 &T"), [this, &db] {
        setNameListState(db, kind_, currentId(), false);
        Ref();
    });
    addMenuItem(QStringLiteral("删除 &D"), [this] { deleteEntry(); });

    connect(newButton, &QPushButton::clicked, this, [this] { newEntry(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    guarded(this, [this] { Ref(); });
    nameEdit->setFocus();
}

RowSet NameListWindow::fetch() { return queryNameList(*context().db, kind_); }

void NameListWindow::arrangeColumns()
{
    setColumnWidth(QStringLiteral("备注"), 280);
    hideColumn(QStringLiteral("ID"));
}

void NameListWindow::clearEntry()
{
    nameEdit->clear();
    remarkEdit->clear();
}

void NameListWindow::newEntry()
{
    clearEntry();
    nameEdit->setFocus();
}

void NameListWindow::BitBtn1Click()
{
    guarded(this, [this] {
        const Outcome outcome = saveNameListEntry(*context().db, kind_, nameEdit->text(), remarkEdit->text());
        if (outcome.refused()) {
            showRefusal(this, outcome.refusal);
            return;
        }
        inform(this, kind_.saved);
        Ref();
        nameEdit->setFocus();
    });
}

void NameListWindow::deleteEntry()
{
    AppContext &ctx = context();
    if (!ctx.session.mayDelete())
        return;
    const int id = currentId();
    // A warehouse that still holds stock is refused before any question.
    if (const auto refusal = nameListDeleteGuard(*ctx.db, kind_, id)) {
        showRefusal(this, *refusal);
        return;
    }
    if (!confirmDelete())
        return;
    const Outcome outcome = deleteNameListEntry(*ctx.db, ctx.session, kind_, id);
    if (outcome.refused())
        showRefusal(this, outcome.refusal);
    else if (outcome.done())
        Ref();
}

} // namespace qv
