#include "app/windowdispatch.h"

#include "app/tfrmabout.h"
#include "app/tfrmdept.h"
#include "app/tfrmmain.h"
#include "masterdata/namelistwindow.h"
#include "masterdata/tfrmshop_in.h"
#include "masterdata/tfrmshop_m.h"
#include "masterdata/tfrmstype.h"
#include "masterdata/tfrmunits_in.h"
#include "masterdata/tfrmunits_m.h"
#include "trade/entrywindow.h"

#include <QLabel>

namespace qv {

const WindowDispatch::ModalOpener *WindowDispatch::modal(const QString &item) const
{
    auto it = modal_.find(item);
    return it == modal_.end() ? nullptr : &*it;
}

const WindowDispatch::ChildOpener *WindowDispatch::child(const QString &item) const
{
    auto it = child_.find(item);
    return it == child_.end() ? nullptr : &*it;
}

WindowDispatch WindowDispatch::standard()
{
    WindowDispatch d;
    d.setModal(QStringLiteral("B2"), [](TfrmMain &m) {
        TfrmDept w(m.context(), &m);
        w.exec();
    });
    d.setModal(QStringLiteral("A2"), [](TfrmMain &m) {
        TfrmAbout w(m.context(), &m);
        w.exec();
    });
    // The trade entry windows: one window, four descriptors.
    const std::pair<const char *, const EntryDescriptor &(*)()> entries[] = {
        {"N26", &TfrmXS_In}, {"N6", &TfrmJH_In}, {"N38", &TfrmCG_O_In}, {"N43", &TfrmXS_O_In}};
    for (const auto &[item, descriptor] : entries)
        d.setModal(QString::fromLatin1(item), [descriptor](TfrmMain &m) {
            EntryWindow w(m.context(), descriptor(), &m);
            w.exec();
        });
    // The three short name lists: one window, three descriptors.
    const std::pair<const char *, const NameListKind &(*)()> nameLists[] = {
        {"N16", &TfrmWare}, {"N37", &TfrmAccount}, {"Y1", &TfrmStaff}};
    for (const auto &[item, kind] : nameLists)
        d.setModal(QString::fromLatin1(item), [kind](TfrmMain &m) {
            NameListWindow w(m.context(), kind(), &m);
            w.exec();
        });
    d.setModal(QStringLiteral("N13"), [](TfrmMain &m) {
        TfrmSType w(m.context(), &m);
        w.exec();
    });
    d.setModal(QStringLiteral("N28"), [](TfrmMain &m) {
        TfrmShop_In w(m.context(), &m);
        w.Lab_ID->setText(QStringLiteral("0"));
        w.exec();
    });
    d.setChild(QStringLiteral("N15"), [](TfrmMain &m) -> QWidget * { return new TfrmShop_M(m.context()); });
    d.setModal(QStringLiteral("N19"), [](TfrmMain &m) {
        TfrmUnits_In w(m.context(), &m);
        w.Lab_ID->setText(QStringLiteral("0"));
        w.exec();
    });
    d.setChild(QStringLiteral("N20"), [](TfrmMain &m) -> QWidget * { return new TfrmUnits_M(m.context()); });
    return d;
}

} // namespace qv
