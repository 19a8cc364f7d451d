#include "widgets/showrefusal.h"

#include "app/refusal.h"
#include "widgets/messages.h"

#include <QWidget>

namespace qv {

void showRefusal(QWidget *window, const Refusal &refusal)
{
    inform(window, refusal.message);
    if (refusal.field.isEmpty())
        return;
    if (auto *field = window->findChild<QWidget *>(refusal.field); field && field->isVisible() && field->isEnabled())
        field->setFocus();
}

} // namespace qv
