#include "app/windowdispatch.h"

#include "app/tfrmabout.h"
#include "app/tfrmdept.h"
#include "app/tfrmmain.h"
#include "trade/entrywindow.h"

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
    return d;
}

} // namespace qv
