#include "trade/entrywindow.h"

#include "app/appcontext.h"
#include "services/numbering.h"
#include "trade/entrygrid.h"
#include "trade/tradeload.h"
#include "trade/tradesave.h"
#include "widgets/fillcombo.h"
#include "widgets/guarded.h"
#include "widgets/pickerdialog.h"
#include "widgets/rowsetview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace qv {

namespace {

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QComboBox *lookupBox(QWidget *parent, const QString &name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setMinimumWidth(120);
    return c;
}

void selectName(QComboBox *box, const QString &name) { box->setCurrentIndex(box->findText(name, Qt::MatchExactly)); }

} // namespace

EntryWindow::EntryWindow(AppContext &context, const EntryDescriptor &descriptor, QWidget *parent, QuickAdd quickAdd)
    : QDialog(parent), ctx_(context), d_(descriptor), quickAdd_(std::move(quickAdd))
{
    setObjectName(d_.className);
    setWindowTitle(d_.caption);

    auto *header = new QGroupBox(d_.headerGroup, this);
    buildHeader(header);

    auto *lines = new QGroupBox(d_.gridGroup, this);
    StringGrid1 = new EntryGrid(d_.columns, lines);
    auto *lineLayout = new QVBoxLayout(lines);
    lineLayout->addWidget(StringGrid1);

    gridMenu = new QMenu(this);
    if (!d_.historyKind.isEmpty()) {
        gridMenu->addAction(QStringLiteral("历史单价 &L"), this, [this] { L1Click(); });
        gridMenu->addSeparator();
    }
    gridMenu->addAction(QStringLiteral("删除本行 &D"), this, [this] { D1Click(); });
    gridMenu->addAction(QStringLiteral("全部删除 &A"), this, [this] { A1Click(); });
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { gridMenu->exec(StringGrid1->viewport()->mapToGlobal(p)); });
    connect(StringGrid1, &EntryGrid::enterPressed, this, [this] { onGridEnter(); });
    connect(StringGrid1, &EntryGrid::searchRequested, this, [this] { guarded(this, [this] { myFindSP(); }); });
    connect(StringGrid1, &EntryGrid::keyReleased, this, [this] { mySumMoney(); });

    auto *money = new QGroupBox(d_.moneyGroup, this);
    buildMoney(money);

    CheckBox1 = new QCheckBox(QStringLiteral("连续新增"), this);
    CheckBox2 = new QCheckBox(QStringLiteral("预存"), this);
    CheckBox2->setToolTip(d_.preSaveHint);
    CheckBox2->setVisible(d_.hasPreSave);
    CheckBox3 = new QCheckBox(QStringLiteral("打印小票"), this);
    CheckBox3->setVisible(d_.hasTillReceipt);
    BitBtn1 = new QPushButton(QStringLiteral("保存"), this);
    BitBtn2 = new QPushButton(QStringLiteral("退出"), this);
    BitBtn1->setAutoDefault(false);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CheckBox1);
    bottom->addWidget(CheckBox2);
    bottom->addWidget(CheckBox3);
    bottom->addStretch();
    bottom->addWidget(BitBtn1);
    bottom->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(lines, 1);
    layout->addWidget(money);
    layout->addLayout(bottom);
    resize(900, 640);

    guarded(this, [this] {
        Database &db = *ctx_.db;
        fillCombo(DBLookupComboBox1, DBComAccount(db));
        fillCombo(DBLookupComboBox2, DBComWare(db));
        const QStringList staff = DBComStaff(db);
        fillCombo(DBLookupComboBox3, staff);
        fillCombo(DBLookupComboBox4, staff);
    });
    myNew();
}

void EntryWindow::buildHeader(QGroupBox *group)
{
    auto *g = new QGridLayout(group);
    Edit1 = lineEdit(group, QStringLiteral("Edit1"), 50);
    Lab_Units = new QLabel(group);
    Lab_Units->setObjectName(QStringLiteral("Lab_Units"));
    Lab_Units->hide();
    Edit7 = lineEdit(group, QStringLiteral("Edit7"));
    Edit8 = lineEdit(group, QStringLiteral("Edit8"));
    Edit9 = lineEdit(group, QStringLiteral("Edit9"));
    DateTimePicker1 = new QDateEdit(group);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setCalendarPopup(true);
    DBLookupComboBox2 = lookupBox(group, QStringLiteral("DBLookupComboBox2"));
    DBLookupComboBox3 = lookupBox(group, QStringLiteral("DBLookupComboBox3"));
    auto *hint = new QLabel(d_.partnerHint, group);
    hint->setStyleSheet(QStringLiteral("color: #808080"));

    g->addWidget(new QLabel(d_.partnerLabel, group), 0, 0);
    g->addWidget(Edit1, 0, 1, 1, 3);
    g->addWidget(hint, 0, 4, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("联  系  人："), group), 1, 0);
    g->addWidget(Edit7, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("联系电话："), group), 1, 2);
    g->addWidget(Edit8, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("地        址："), group), 1, 4);
    g->addWidget(Edit9, 1, 5);
    g->addWidget(new QLabel(d_.dateLabel, group), 2, 0);
    g->addWidget(DateTimePicker1, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("仓库名称："), group), 2, 2);
    g->addWidget(DBLookupComboBox2, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("经  手  人："), group), 2, 4);
    g->addWidget(DBLookupComboBox3, 2, 5);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);

    for (QLineEdit *e : {Edit1, Edit7, Edit8, Edit9})
        e->installEventFilter(this);
    connect(Edit1, &QLineEdit::textEdited, this, [this] {
        // A typed change of the name leaves no partner chosen until the search runs again:
        // the document can never be saved under one partner with another's name.
        Lab_Units->clear();
    });
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t.isEmpty() && d_.emptyNameClearsContacts) {
            Edit7->clear();
            Edit8->clear();
            Edit9->clear();
        }
    });
}

void EntryWindow::buildMoney(QGroupBox *group)
{
    auto *g = new QGridLayout(group);
    Edit6 = lineEdit(group, QStringLiteral("Edit6"));
    Edit2 = lineEdit(group, QStringLiteral("Edit2"));
    for (QLineEdit *e : {Edit6, Edit2}) {
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
    }
    Edit3 = lineEdit(group, QStringLiteral("Edit3"), 10);
    Edit3->setAlignment(Qt::AlignRight);
    Edit3->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), Edit3));
    Edit4 = lineEdit(group, QStringLiteral("Edit4"));
    Edit4->hide();
    DBLookupComboBox1 = lookupBox(group, QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox4 = lookupBox(group, QStringLiteral("DBLookupComboBox4"));
    Edit5 = lineEdit(group, QStringLiteral("Edit5"), 100);
    g->addWidget(new QLabel(QStringLiteral("合计数量："), group), 0, 0);
    g->addWidget(Edit6, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("合计金额："), group), 0, 2);
    g->addWidget(Edit2, 0, 3);
    g->addWidget(new QLabel(d_.amountLabel, group), 0, 4);
    g->addWidget(Edit3, 0, 5);
    g->addWidget(new QLabel(d_.accountLabel, group), 1, 0);
    g->addWidget(DBLookupComboBox1, 1, 1);
    g->addWidget(new QLabel(d_.payeeLabel, group), 1, 2);
    g->addWidget(DBLookupComboBox4, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("备        注："), group), 1, 4);
    g->addWidget(Edit5, 1, 5);
    connect(Edit3, &QLineEdit::textChanged, this, [this] { updateOutstanding(); });
}

void EntryWindow::myNew()
{
    StringGrid1->clearAll();
    StringGrid1->setCurrent(1, d_.columns.code);
    Edit1->clear();
    Lab_Units->clear();
    // The returns keep their contact boxes: there they only narrow the search.
    if (d_.searchFillsContacts) {
        Edit7->clear();
        Edit8->clear();
        Edit9->clear();
    }
    Edit5->clear();
    Edit6->setText(QStringLiteral("0"));
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    Edit4->setText(QStringLiteral("0"));
    CheckBox1->setChecked(true);
    CheckBox2->setChecked(false);
    const Session &s = ctx_.session;
    selectName(DBLookupComboBox1, s.DefAccount);
    selectName(DBLookupComboBox2, s.DefWare);
    selectName(DBLookupComboBox3, s.DefHandler);
    selectName(DBLookupComboBox4, s.DefPayee);
    DateTimePicker1->setDate(QDate::fromString(s.WorkDate, QStringLiteral("yyyy-MM-dd")));
}

int EntryWindow::partnerId() const { return Lab_Units->text().toInt(); }

bool EntryWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool box = watched == Edit1 || watched == Edit7 || watched == Edit8 || watched == Edit9;
    if (box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded(this, [this] { myFindUnits(); });
            return true;
        }
    }
    if (box && event->type() == QEvent::MouseButtonDblClick) {
        guarded(this, [this] { myFindUnits(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void EntryWindow::myFindUnits()
{
    const PartnerChoice typed{0, Edit1->text(), Edit7->text(), Edit8->text(), Edit9->text()};
    RowSet rows = searchPartners(*ctx_.db, d_.excludedPartnerType, typed.name, typed.contact, typed.phone,
                                 typed.address);
    const auto choice = [](const RowSet &r, int i) {
        return PartnerChoice{r.value(i, QStringLiteral("ID")).toInt(), r.text(i, QStringLiteral("单位名称")),
                             r.text(i, QStringLiteral("联系人")), r.text(i, QStringLiteral("联系电话")),
                             r.text(i, QStringLiteral("地址"))};
    };
    if (rows.size() == 0) {
        if (quickAdd_.partner)
            quickAdd_.partner(ctx_, this, *this, typed);
        return;
    }
    if (rows.size() == 1) {
        takePartner(choice(rows, 0));
        return;
    }
    PickerDialog picker(QStringLiteral("TfrmFindUnits"), QStringLiteral("往来单位查找 上下键选择 回车键确认"),
                        d_.callerCode, std::move(rows), QSize(740, 250), false, this);
    picker.setColumnWidth(QStringLiteral("单位名称"), 200);
    picker.setColumnWidth(QStringLiteral("联系人"), 100);
    picker.setColumnWidth(QStringLiteral("联系电话"), 120);
    picker.setColumnWidth(QStringLiteral("地址"), 160);
    picker.setColumnWidth(QStringLiteral("备注"), 100);
    picker.hideColumn(QStringLiteral("ID"));
    if (picker.exec() == QDialog::Accepted && picker.chosenRow() >= 0)
        takePartner(choice(picker.rows(), picker.chosenRow()));
}

void EntryWindow::takePartner(const PartnerChoice &p)
{
    Edit1->setText(p.name);
    Lab_Units->setText(QString::number(p.id));
    if (d_.searchFillsContacts) {
        Edit7->setText(p.contact);
        Edit8->setText(p.phone);
        Edit9->setText(p.address);
    }
    StringGrid1->setFocus();
}

Money EntryWindow::proposedPrice(const GoodsPick &g, bool *known) const
{
    *known = true;
    switch (d_.linePrice) {
    case EntryDescriptor::LinePrice::SalesProposal: {
        const auto p = myRetXSPrice(*ctx_.db, ctx_.session.options, g.id, partnerId());
        *known = p.has_value();
        return p.value_or(Money());
    }
    case EntryDescriptor::LinePrice::PurchaseProposal:
        return myRetJHPrice(*ctx_.db, ctx_.session.options, g.id, partnerId());
    case EntryDescriptor::LinePrice::PurchasePrice:
        return g.purchasePrice;
    case EntryDescriptor::LinePrice::SalesPrice:
        return g.salesPrice;
    }
    return Money();
}

void EntryWindow::fillLine(int line, const GoodsPick &g, bool withRemark)
{
    const LineColumns &c = d_.columns;
    EntryGrid *grid = StringGrid1;
    bool known = true;
    const Money price = proposedPrice(g, &known);
    const QString priceText = known ? price.toString() : QString();
    grid->setCell(line, c.code, g.code);
    grid->setCell(line, c.name, g.name);
    grid->setCell(line, c.model, g.model);
    grid->setCell(line, c.unit, g.unit);
    grid->setCell(line, c.price, priceText);
    const int discount = c.hasDiscount() ? g.discount : 100;
    if (c.hasDiscount())
        grid->setCell(line, c.discount, QString::number(discount));
    grid->setCell(line, c.quantity, QStringLiteral("1"));
    grid->setCell(line, c.amount, known ? Money::lineAmount(price, Money::units(1), discount).toString() : QString());
    grid->setCell(line, c.remark, withRemark ? g.remark : QString());
    grid->setCell(line, c.id, QString::number(g.id));
    if (c.cost >= 0)
        grid->setCell(line, c.cost, g.purchasePrice.toString());
}

void EntryWindow::takeGoods(const GoodsPick &goods)
{
    fillLine(StringGrid1->currentLine(), goods, true);
    mySumMoney();
}

void EntryWindow::onGridEnter()
{
    guarded(this, [this] { myFindSP(); });
}

void EntryWindow::myFindSP()
{
    EntryGrid *grid = StringGrid1;
    const LineColumns &c = d_.columns;
    const int line = grid->currentLine();
    if (grid->hasGoods(line))
        return;
    const QString text = grid->cell(line, c.code);
    RowSet rows = searchGoods(*ctx_.db, ctx_.session.options, d_.pickerPrice, text, grid->goodsIds(),
                              d_.matchSpecification);
    if (rows.size() == 1) {
        fillLine(line, goodsPickFromRow(rows, 0, d_.pickerPrice), d_.oneMatchFillsRemark);
        mySumMoney();
        grid->setCurrent(line + 1, c.code);
        return;
    }
    if (rows.size() > 1) {
        PickerDialog picker(QStringLiteral("TfrmFindShop"), QStringLiteral("商品查找 上下键选择 回车键确认"),
                            d_.callerCode, std::move(rows), QSize(960, 270), true, this);
        picker.offerTakeAll();
        const QString priceColumn = d_.pickerPrice == PickerPrice::Sales ? QStringLiteral("销售单价") : QStringLiteral("采购单价");
        const RowSet &r = picker.rows();
        picker.setColumnWidth(QStringLiteral("商品分类"), 80);
        picker.setColumnWidth(QStringLiteral("商品名称"), 160);
        picker.setColumnWidth(QStringLiteral("规格型号"), 80);
        for (int col = 4; col <= 6 && col < int(r.columns.size()); ++col)
            picker.grid()->setColumnWidth(col, 80);
        picker.setColumnWidth(QStringLiteral("单位"), 60);
        picker.setColumnWidth(priceColumn, 80);
        picker.setColumnWidth(QStringLiteral("备注"), 100);
        for (const char *hidden : {"ID", "theZK", "theJH", "theXS"})
            picker.hideColumn(QString::fromLatin1(hidden));
        if (picker.exec() != QDialog::Accepted)
            return;
        if (picker.tookAll()) {
            // Every listed goods, on the current line and those below it, while lines remain.
            for (int i = 0; i < picker.rows().size(); ++i) {
                const int at = grid->currentLine();
                fillLine(at, goodsPickFromRow(picker.rows(), i, d_.pickerPrice), true);
                if (at == EntryGrid::Lines)
                    break;
                grid->setCurrent(at + 1, c.code);
            }
            mySumMoney();
        } else if (picker.chosenRow() >= 0) {
            fillLine(line, goodsPickFromRow(picker.rows(), picker.chosenRow(), d_.pickerPrice), true);
            mySumMoney();
        }
        return;
    }
    if (!text.isEmpty()) {
        // Nothing new matches: the one goods that does is already on a line, so count it up.
        const QList<int> all = matchingGoodsIds(*ctx_.db, text, d_.matchSpecification);
        if (all.size() == 1) {
            for (int other = 1; other <= EntryGrid::Lines; ++other) {
                if (grid->cell(other, c.id) != QString::number(all.first()))
                    continue;
                const Money quantity = Money::parse(grid->cell(other, c.quantity)).value_or(Money()) + Money::units(1);
                grid->setCell(other, c.quantity, quantity.toString());
                const auto price = Money::parse(grid->cell(other, c.price));
                const int discount = c.hasDiscount() ? grid->cell(other, c.discount).toInt() : 100;
                if (price)
                    grid->setCell(other, c.amount, Money::lineAmount(*price, quantity, discount).toString());
                mySumMoney();
                grid->setCell(line, c.code, QString());
                return;
            }
        }
    }
    if (quickAdd_.goods)
        quickAdd_.goods(ctx_, this, *this, text);
}

void EntryWindow::mySumMoney()
{
    const LineColumns &c = d_.columns;
    Money quantity, amount;
    for (int line = 1; line <= EntryGrid::Lines; ++line) {
        if (!StringGrid1->hasGoods(line))
            continue;
        const QString q = StringGrid1->cell(line, c.quantity);
        const QString needed = c.hasDiscount() ? StringGrid1->cell(line, c.price) : StringGrid1->cell(line, c.amount);
        if (q.isEmpty() || needed.isEmpty())
            continue;
        quantity += Money::parse(q).value_or(Money());
        amount += Money::parse(StringGrid1->cell(line, c.amount)).value_or(Money());
    }
    Edit6->setText(quantity.toString());
    Edit2->setText(amount.toString());
    // By default everything is settled now; the box can be lowered afterwards.
    Edit3->setText(amount.toString());
    Edit4->setText(QStringLiteral("0"));
}

void EntryWindow::updateOutstanding()
{
    const auto total = Money::parse(Edit2->text());
    const auto received = Money::parseOrZero(Edit3->text());
    if (total && received)
        Edit4->setText((*total - *received).toString());
}

void EntryWindow::D1Click()
{
    StringGrid1->clearLine(StringGrid1->currentLine());
    mySumMoney();
}

void EntryWindow::A1Click()
{
    StringGrid1->clearAll();
    mySumMoney();
}

void EntryWindow::L1Click()
{
    if (d_.historyKind.isEmpty())
        return;
    if (Lab_Units->text().isEmpty()) {
        inform(this, d_.historyNoPartner);
        Edit1->setFocus();
        return;
    }
    const int line = StringGrid1->currentLine();
    if (!StringGrid1->hasGoods(line)) {
        inform(this, d_.historyNoGoods);
        StringGrid1->setFocus();
        return;
    }
    guarded(this, [&] {
        const LineColumns &c = d_.columns;
        RowSet rows = historyPrices(*ctx_.db, d_.historyKind, partnerId(), StringGrid1->cell(line, c.id).toInt());
        PickerDialog history(QStringLiteral("TfrmLSDJ"),
                             StringGrid1->cell(line, c.code) + u' ' + StringGrid1->cell(line, c.name) +
                                 QStringLiteral(" 历史单价"),
                             d_.historyKind, std::move(rows), QSize(810, 300), true, this);
        const int widths[] = {80, 160, 80, 60, 60, 60, 80};
        for (int i = 0; i < 7; ++i)
            history.grid()->setColumnWidth(i + 2, widths[i]);
        history.exec(); // for reading only: nothing comes back into the line
    });
}

void EntryWindow::setMyNum(const QString &number)
{
    myNum_ = number;
    guarded(this, [this] { loadStored(); });
}

void EntryWindow::loadStored()
{
    const auto doc = loadTradeDocument(*ctx_.db, d_.tradeKind, myNum_);
    if (!doc)
        return;
    const LineColumns &c = d_.columns;
    int line = 1;
    for (const TradeLine &l : doc->lines) {
        StringGrid1->setCell(line, c.code, l.code);
        StringGrid1->setCell(line, c.name, l.name);
        StringGrid1->setCell(line, c.model, l.model);
        StringGrid1->setCell(line, c.unit, l.unit);
        StringGrid1->setCell(line, c.price, l.price);
        if (c.hasDiscount())
            StringGrid1->setCell(line, c.discount, l.discount);
        StringGrid1->setCell(line, c.quantity, l.quantity);
        StringGrid1->setCell(line, c.amount, l.amount);
        StringGrid1->setCell(line, c.remark, l.remark);
        StringGrid1->setCell(line, c.id, QString::number(l.goodsId));
        ++line;
    }
    mySumMoney();
    const TradeHeader &h = doc->header;
    Edit1->setText(h.partnerName);
    Lab_Units->setText(QString::number(h.partnerId));
    DateTimePicker1->setDate(h.date);
    selectName(DBLookupComboBox2, h.warehouse);
    selectName(DBLookupComboBox3, h.handler);
    selectName(DBLookupComboBox1, h.account);
    Edit5->setText(h.remark);
    CheckBox1->setChecked(false);
}

void EntryWindow::BitBtn1Click()
{
    const LineColumns &c = d_.columns;
    TradeDocument doc;
    TradeHeader &h = doc.header;
    h.partnerId = partnerId();
    h.partnerName = Edit1->text();
    h.date = DateTimePicker1->date();
    h.warehouse = DBLookupComboBox2->currentText();
    h.handler = DBLookupComboBox3->currentText();
    h.account = DBLookupComboBox1->currentText();
    h.person = DBLookupComboBox4->currentText();
    h.remark = Edit5->text();
    h.received = Edit3->text();
    h.preSave = d_.hasPreSave && CheckBox2->isChecked();
    h.myNum = myNum_;
    h.tillReceipt = d_.hasTillReceipt && CheckBox3->isChecked();
    for (int line = 1; line <= EntryGrid::Lines; ++line) {
        if (!StringGrid1->hasGoods(line))
            continue;
        TradeLine l;
        l.row = line;
        l.goodsId = StringGrid1->cell(line, c.id).toInt();
        l.code = StringGrid1->cell(line, c.code);
        l.name = StringGrid1->cell(line, c.name);
        l.model = StringGrid1->cell(line, c.model);
        l.unit = StringGrid1->cell(line, c.unit);
        l.price = StringGrid1->cell(line, c.price);
        if (c.hasDiscount())
            l.discount = StringGrid1->cell(line, c.discount);
        l.quantity = StringGrid1->cell(line, c.quantity);
        l.amount = StringGrid1->cell(line, c.amount);
        l.remark = StringGrid1->cell(line, c.remark);
        if (c.cost >= 0)
            l.purchasePrice = StringGrid1->cell(line, c.cost);
        doc.lines.push_back(l);
    }

    guarded(this, [&] {
        const TradeSaveResult result = saveTradeDocument(*ctx_.db, ctx_.session, d_.tradeKind, doc);
        if (const auto *refusal = std::get_if<Refusal>(&result)) {
            inform(this, refusal->message);
            const QString &f = refusal->field;
            QWidget *focus = f == TradeField::Partner     ? static_cast<QWidget *>(Edit1)
                             : f == TradeField::Date      ? DateTimePicker1
                             : f == TradeField::Warehouse ? DBLookupComboBox2
                             : f == TradeField::Handler   ? DBLookupComboBox3
                             : f == TradeField::Amount    ? Edit3
                             : f == TradeField::Account   ? DBLookupComboBox1
                             : f == TradeField::Person    ? static_cast<QWidget *>(DBLookupComboBox4)
                                                          : static_cast<QWidget *>(StringGrid1);
            focus->setFocus();
            return;
        }
        const TradeSaved &saved = std::get<TradeSaved>(result);
        lastSaved_ = saved.number;
        if (saved.edited) {
            accept();
            return;
        }
        if (CheckBox1->isChecked())
            myNew();
        else if (d_.closesAfterSave)
            accept();
    });
}

} // namespace qv
