#include "app/windowdispatch.h"

#include "app/tfrmabout.h"
#include "app/tfrmdept.h"
#include "app/tfrmmain.h"

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
    return d;
}

} // namespace qv
